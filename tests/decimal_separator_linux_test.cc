#include "platform/decimal_separator.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class DecimalSeparatorLinuxTest : public testing::Test {
 protected:
  void SetUp() override {
    unsetenv("LC_ALL");
    unsetenv("LC_NUMERIC");
    unsetenv("LANG");
  }
  void TearDown() override { SetUp(); }
};

TEST_F(DecimalSeparatorLinuxTest, TakesTheRadixCharacterOfTheUsersLocale) {
  setenv("LANG", "C", 1);
  EXPECT_EQ(LocaleDecimalSeparator(), '.');
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
  std::setlocale(LC_NUMERIC, "C");
  setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  // LC_ALL comes before LANG.
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleDecimalSeparator(), '.');
}

TEST_F(DecimalSeparatorLinuxTest, GivesNoneForALocaleThatIsNotThere) {
  setenv("LANG", "xx_NOWHERE.UTF-8", 1);
  EXPECT_EQ(LocaleDecimalSeparator(), '\0');
}

TEST_F(DecimalSeparatorLinuxTest, LeavesTheProcessInItsOwnLocale) {
  setenv("LANG", "de_DE.UTF-8", 1);
  LocaleDecimalSeparator();
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

}  // namespace
