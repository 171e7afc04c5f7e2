// tick_length on this machine's own clock.
#include <gtest/gtest.h>

#include "tests/real_run_checks.h"
#include "tests/reference_clock.h"
#include "tests/run_program.h"

namespace {

TEST(TickLengthRealTest, MeasuresTheTickLengthAtEndOfInput) {
  const double reference_ns = 1e6 / ReferenceTicksPerMs();
  // Linux ends the delay within its 1 ms slack: within 0.1% of the reference, or a ten-thousandth
  // of a nanosecond where that is more.
  EXPECT_NEAR(ExpectTickLengthRun(RunProgram(RealProgram("tick_length"), {}), reference_ns), reference_ns,
              std::max(reference_ns * 0.001, 0.0001));
}

}  // namespace
