#include "platform/process_setup.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fenv.h>
#include <fpu_control.h>
#include <unistd.h>

namespace {

ArithmeticFaultHandler fault_handler = nullptr;

const char* FaultText(int code) {
  switch (code) {
    case FPE_INTDIV:
      return "integer division by zero";
    case FPE_FLTDIV:
      return "division by zero";
    case FPE_FLTOVF:
      return "floating-point overflow";
    case FPE_FLTINV:
      return "invalid floating-point operation";
    default:
      return "arithmetic fault";
  }
}

void OnArithmeticFault(int, siginfo_t* info, void*) { fault_handler(FaultText(info->si_code)); }

// A standard stream that was closed when the process started keeps its number taken by a
// descriptor that fails every transfer with EBADF, as the closed one would. Otherwise the table
// file could later be opened under that number and receive the console text.
void HoldClosedStream(int fd, int useless_mode) {
  if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) return;
  const int held = open("/dev/null", useless_mode | O_CLOEXEC);
  if (held >= 0 && held != fd) {
    dup2(held, fd);
    close(held);
  }
}

void SetUpFloatingPoint() {
  feclearexcept(FE_ALL_EXCEPT);
  feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  fpu_control_t control;
  _FPU_GETCW(control);
  control = static_cast<fpu_control_t>((control & ~0x0F00) | _FPU_EXTENDED | _FPU_RC_NEAREST);
  _FPU_SETCW(control);
}

}  // namespace

void SetUpProcess(ArithmeticFaultHandler on_fault) {
  HoldClosedStream(STDIN_FILENO, O_WRONLY);
  HoldClosedStream(STDOUT_FILENO, O_RDONLY);
  HoldClosedStream(STDERR_FILENO, O_RDONLY);

  // A vanished reader or a file size limit shows as a failed write, not as death by signal.
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);

  fault_handler = on_fault;
  struct sigaction action {};
  action.sa_sigaction = OnArithmeticFault;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  sigaction(SIGFPE, &action, nullptr);

  SetUpFloatingPoint();
}
