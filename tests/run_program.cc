#include "tests/run_program.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string TemporaryFile(const std::string& contents) {
  char name[] = "/tmp/run_program_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) throw std::runtime_error("cannot write a temporary file");
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  return name;
}

std::string ContentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProgramRun RunProgram(const std::string& path, const ProgramOptions& options) {
  const std::string input_path = TemporaryFile(options.input);
  const std::string output_path = TemporaryFile("");
  const std::string error_path = TemporaryFile("");

  int broken_pipe[2] = {-1, -1};
  if (options.output_mode == OutputMode::kBrokenPipe) {
    if (pipe(broken_pipe) != 0) throw std::runtime_error("pipe failed");
    close(broken_pipe[0]);
  }

  std::vector<std::string> arguments{path};
  arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
  std::vector<std::string> environment = options.environment;
  std::vector<char*> argv = Pointers(arguments);
  std::vector<char*> envp = Pointers(environment);

  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    if (!options.working_directory.empty() && chdir(options.working_directory.c_str()) != 0) _exit(127);
    const int error = open(error_path.c_str(), O_WRONLY);
    dup2(error, 2);
    close(error);
    if (options.input_mode == InputMode::kClosed) {
      close(0);
    } else {
      const int input = open(input_path.c_str(), O_RDONLY);
      dup2(input, 0);
      close(input);
    }
    switch (options.output_mode) {
      case OutputMode::kCapture: {
        const int output = open(output_path.c_str(), O_WRONLY);
        dup2(output, 1);
        close(output);
        break;
      }
      case OutputMode::kDevFull: {
        const int full = open("/dev/full", O_WRONLY);
        dup2(full, 1);
        close(full);
        break;
      }
      case OutputMode::kClosed:
        close(1);
        break;
      case OutputMode::kBrokenPipe:
        dup2(broken_pipe[1], 1);
        close(broken_pipe[1]);
        break;
    }
    // A child that inherited an ignored SIGPIPE would hide death by signal.
    signal(SIGPIPE, SIG_DFL);
    execve(path.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  if (broken_pipe[1] >= 0) close(broken_pipe[1]);

  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }
  ProgramRun run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  run.exited = WIFEXITED(status);
  run.exit_status = run.exited ? WEXITSTATUS(status) : -1;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  run.output = ContentsOf(output_path);
  run.error = ContentsOf(error_path);
  std::remove(input_path.c_str());
  std::remove(output_path.c_str());
  std::remove(error_path.c_str());
  return run;
}

std::string RealProgram(const std::string& name) { return std::string(PROGRAM_DIR) + "/" + name; }
std::string SimulatedProgram(const std::string& name) { return std::string(SIMULATED_PROGRAM_DIR) + "/" + name; }
std::string FixtureProgram(const std::string& name) { return std::string(FIXTURE_DIR) + "/" + name; }
