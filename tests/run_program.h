// Runs a program as a child process with chosen standard streams and environment, and collects
// what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

enum class InputMode { kBytes, kClosed };
enum class OutputMode { kCapture, kDevFull, kClosed, kBrokenPipe };

struct ProgramOptions {
  std::vector<std::string> environment;  // the child's whole environment, "NAME=value"
  std::string input;                     // standard input with InputMode::kBytes
  InputMode input_mode = InputMode::kBytes;
  OutputMode output_mode = OutputMode::kCapture;
  std::vector<std::string> arguments;
  std::string working_directory;  // empty: the test's own
  long file_size_limit = -1;      // RLIMIT_FSIZE in bytes; -1: none
};

struct ProgramRun {
  bool exited = false;   // false: ended by a signal
  int exit_status = -1;  // when exited
  int signal = 0;        // when not exited
  std::string output;    // standard output, with OutputMode::kCapture
  std::string error;     // standard error
  double seconds = 0;    // wall time
};

ProgramRun RunProgram(const std::string& path, const ProgramOptions& options = {});

// The path of a program built for the real platform, the simulated one, or a test fixture.
std::string RealProgram(const std::string& name);
std::string SimulatedProgram(const std::string& name);
std::string FixtureProgram(const std::string& name);
