// The Windows programs as files: each is a PE executable for its processor that imports no
// run-time DLL of the compiler, binds NtDelayExecution by name where it delays, and carries the
// version record and the suite's icon.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* const kPrograms[] = {"sleep_sweep",   "coarse_sleep_sweep", "waitable_timer_sweep", "native_delay_sweep",
                                 "sleep_sweep_custom", "cpu_clock_rate", "tick_length",          "clock_increment"};

std::string ContentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

template <typename T>
T At(const std::string& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

struct PeFile {
  std::uint16_t machine = 0;
  std::set<std::string> dlls;       // lower case
  std::set<std::string> functions;  // imported by name
};

// Reads the header and the import directory of a PE file.
PeFile ReadPe(const std::string& bytes) {
  PeFile pe;
  const std::uint32_t header = At<std::uint32_t>(bytes, 0x3C);
  if (bytes.compare(header, 4, std::string("PE\0\0", 4)) != 0) return pe;
  pe.machine = At<std::uint16_t>(bytes, header + 4);
  const std::uint16_t sections = At<std::uint16_t>(bytes, header + 6);
  const std::uint16_t optional_size = At<std::uint16_t>(bytes, header + 20);
  const std::size_t optional = header + 24;
  const bool pe32_plus = At<std::uint16_t>(bytes, optional) == 0x20B;
  const std::size_t directories = optional + (pe32_plus ? 112 : 96);
  const std::uint32_t imports = At<std::uint32_t>(bytes, directories + 8);

  const std::size_t section_table = optional + optional_size;
  auto offset_of = [&](std::uint32_t rva) -> std::size_t {
    for (std::uint16_t s = 0; s < sections; ++s) {
      const std::size_t entry = section_table + 40u * s;
      const std::uint32_t address = At<std::uint32_t>(bytes, entry + 12);
      const std::uint32_t size = std::max(At<std::uint32_t>(bytes, entry + 8), At<std::uint32_t>(bytes, entry + 16));
      if (rva >= address && rva < address + size) return rva - address + At<std::uint32_t>(bytes, entry + 20);
    }
    return bytes.size();
  };
  auto text_at = [&](std::uint32_t rva) {
    const std::size_t offset = offset_of(rva);
    return offset < bytes.size() ? std::string(bytes.c_str() + offset) : std::string();
  };

  for (std::size_t descriptor = offset_of(imports); descriptor + 20 <= bytes.size(); descriptor += 20) {
    const std::uint32_t name = At<std::uint32_t>(bytes, descriptor + 12);
    if (name == 0) break;
    std::string dll = text_at(name);
    for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    pe.dlls.insert(dll);
    const std::uint32_t thunks = At<std::uint32_t>(bytes, descriptor) ? At<std::uint32_t>(bytes, descriptor)
                                                                      : At<std::uint32_t>(bytes, descriptor + 16);
    const std::size_t width = pe32_plus ? 8 : 4;
    for (std::size_t thunk = offset_of(thunks); thunk + width <= bytes.size(); thunk += width) {
      const std::uint64_t entry = pe32_plus ? At<std::uint64_t>(bytes, thunk) : At<std::uint32_t>(bytes, thunk);
      if (entry == 0) break;
      const bool by_ordinal = pe32_plus ? (entry >> 63) != 0 : (entry >> 31) != 0;
      if (!by_ordinal) pe.functions.insert(text_at(static_cast<std::uint32_t>(entry) + 2));
    }
  }
  return pe;
}

std::string Utf16(const std::string& text) {
  std::string wide;
  for (const char c : text) wide += std::string{c, '\0'};
  return wide;
}

void ExpectWindowsProgram(const std::string& directory, std::uint16_t machine) {
  const std::string icon = ContentsOf(PROGRAM_ICON);
  ASSERT_GT(icon.size(), 22u);
  const std::string icon_image = icon.substr(22);  // the image behind the one directory entry
  for (const char* program : kPrograms) {
    SCOPED_TRACE(program);
    const std::string bytes = ContentsOf(directory + "/bin/" + program + ".exe");
    ASSERT_FALSE(bytes.empty());
    const PeFile pe = ReadPe(bytes);
    EXPECT_EQ(pe.machine, machine);
    for (const std::string& dll : pe.dlls) {
      EXPECT_TRUE(dll.find("libstdc++") == std::string::npos && dll.find("libgcc") == std::string::npos &&
                  dll.find("winpthread") == std::string::npos)
          << dll;
    }
    EXPECT_TRUE(pe.dlls.count("kernel32.dll"));

    // The version record: file and product version 1.0.0.0 in the fixed part, English (United
    // Kingdom) with code page 1252 in the strings' block name and the translation.
    const std::string fixed_version("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x00\x00"
                                    "\x00\x00\x01\x00\x00\x00\x00\x00",
                                    24);
    EXPECT_NE(bytes.find(fixed_version), std::string::npos);
    EXPECT_NE(bytes.find(Utf16("VS_VERSION_INFO")), std::string::npos);
    EXPECT_NE(bytes.find(Utf16("080904E4")), std::string::npos);
    // The translation, 0x0809 and 1252, follows its key and the padding to the next four bytes.
    const std::size_t translation = bytes.find(Utf16("Translation"));
    ASSERT_NE(translation, std::string::npos);
    EXPECT_NE(bytes.substr(translation, 40).find("\x09\x08\xE4\x04"), std::string::npos);
    EXPECT_NE(bytes.find(Utf16(std::string(program) + ".exe")), std::string::npos);
    EXPECT_NE(bytes.find(icon_image), std::string::npos);
  }
  const PeFile delaying = ReadPe(ContentsOf(directory + "/bin/native_delay_sweep.exe"));
  EXPECT_TRUE(delaying.dlls.count("ntdll.dll"));
  EXPECT_TRUE(delaying.functions.count("NtDelayExecution"));
  EXPECT_TRUE(ReadPe(ContentsOf(directory + "/bin/sleep_sweep.exe")).functions.count("timeBeginPeriod"));
}

TEST(WindowsProgramTest, The32BitProgramsAreCompleteX86Executables) { ExpectWindowsProgram(WINDOWS_X86_DIR, 0x014C); }

TEST(WindowsProgramTest, The64BitProgramsAreCompleteX64Executables) { ExpectWindowsProgram(WINDOWS_X64_DIR, 0x8664); }

}  // namespace
