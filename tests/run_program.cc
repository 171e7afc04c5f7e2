#include "tests/run_program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Standard input comes from a file, so a program reads it at its own pace.
std::string InputFile(const std::string& contents) {
  char name[] = "/tmp/run_program_input_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  for (std::size_t done = 0; done < contents.size();) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) throw std::runtime_error("cannot write the input file");
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  return name;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

void MoveTo(int fd, int target) {
  if (fd != target) {
    dup2(fd, target);
    close(fd);
  }
}

// Reads both pipes until the child has closed them.
void Collect(int output_fd, int error_fd, std::string* output, std::string* error) {
  pollfd fds[2] = {{output_fd, POLLIN, 0}, {error_fd, POLLIN, 0}};
  std::string* sinks[2] = {output, error};
  int open_count = (output_fd >= 0) + (error_fd >= 0);
  while (open_count > 0) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[65536];
      const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
}

}  // namespace

ProgramRun RunProgram(const std::string& path, const ProgramOptions& options) {
  const std::string input_path = InputFile(options.input);
  int output_pipe[2] = {-1, -1};
  int error_pipe[2] = {-1, -1};
  int broken_pipe[2] = {-1, -1};
  if (pipe2(error_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (options.output_mode == OutputMode::kCapture && pipe2(output_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  if (options.output_mode == OutputMode::kBrokenPipe) {
    if (pipe2(broken_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
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
    MoveTo(error_pipe[1], 2);
    if (options.input_mode == InputMode::kClosed) {
      close(0);
    } else {
      MoveTo(open(input_path.c_str(), O_RDONLY), 0);
    }
    switch (options.output_mode) {
      case OutputMode::kCapture:
        MoveTo(output_pipe[1], 1);
        break;
      case OutputMode::kDevFull:
        MoveTo(open("/dev/full", O_WRONLY), 1);
        break;
      case OutputMode::kClosed:
        close(1);
        break;
      case OutputMode::kBrokenPipe:
        MoveTo(broken_pipe[1], 1);
        break;
    }
    if (options.file_size_limit >= 0) {
      const rlimit limit{static_cast<rlim_t>(options.file_size_limit), static_cast<rlim_t>(options.file_size_limit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    // A child that inherited an ignored signal would hide death by that signal.
    signal(SIGPIPE, SIG_DFL);
    signal(SIGXFSZ, SIG_DFL);
    execve(path.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(error_pipe[1]);
  if (output_pipe[1] >= 0) close(output_pipe[1]);
  if (broken_pipe[1] >= 0) close(broken_pipe[1]);

  ProgramRun run;
  Collect(output_pipe[0], error_pipe[0], &run.output, &run.error);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  run.exited = WIFEXITED(status);
  run.exit_status = run.exited ? WEXITSTATUS(status) : -1;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  std::remove(input_path.c_str());
  return run;
}

std::string RealProgram(const std::string& name) { return std::string(PROGRAM_DIR) + "/" + name; }
std::string SimulatedProgram(const std::string& name) { return std::string(SIMULATED_PROGRAM_DIR) + "/" + name; }
std::string FixtureProgram(const std::string& name) { return std::string(FIXTURE_DIR) + "/" + name; }
