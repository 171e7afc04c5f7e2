#include "platform/process_setup.h"

#include <windows.h>
#ifdef __SSE__
#include <xmmintrin.h>
#endif

namespace {

ArithmeticFaultHandler fault_handler = nullptr;

// x87 control word: precision control, rounding control, and the masks of the six exceptions.
constexpr unsigned short kPrecisionBits = 0x0300;  // 64-bit mantissa
constexpr unsigned short kRoundingBits = 0x0C00;   // 00: to nearest
constexpr unsigned short kExceptionMasks = 0x003F;
constexpr unsigned short kMaskedHere = 0x0032;  // precision, underflow and denormal stay masked

#ifdef __SSE__
// MXCSR, where the compiler does arithmetic in the SSE unit as well (64-bit x86): its masks for
// invalid (bit 7), division by zero (bit 9) and overflow (bit 10) are cleared, like the x87's.
constexpr unsigned int kSseTrapMasks = 0x0080 | 0x0200 | 0x0400;
constexpr unsigned int kSseFlags = 0x003F;
#endif

const char* FaultText(const EXCEPTION_POINTERS* exception) {
  switch (exception->ExceptionRecord->ExceptionCode) {
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
      return "integer division by zero";
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
      return "division by zero";
    case EXCEPTION_FLT_OVERFLOW:
      return "floating-point overflow";
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_STACK_CHECK:
      return "invalid floating-point operation";
#ifdef __SSE__
    case STATUS_FLOAT_MULTIPLE_FAULTS:
    case STATUS_FLOAT_MULTIPLE_TRAPS: {
      // The SSE unit reports all of its traps under one code; its status flags tell which.
      const unsigned int flags = _mm_getcsr() & kSseFlags;
      if (flags & 0x04) return "division by zero";
      if (flags & 0x08) return "floating-point overflow";
      return "invalid floating-point operation";
    }
#endif
    default:
      return nullptr;
  }
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* exception) {
  const char* fault = FaultText(exception);
  if (fault == nullptr) return EXCEPTION_CONTINUE_SEARCH;
  fault_handler(fault);
  return EXCEPTION_CONTINUE_SEARCH;
}

void SetUpFloatingPoint() {
  unsigned short control = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control));
  control = static_cast<unsigned short>((control & ~(kPrecisionBits | kRoundingBits | kExceptionMasks)) |
                                        kPrecisionBits | kMaskedHere);
  __asm__ volatile("fnclex");
  __asm__ volatile("fldcw %0" : : "m"(control));
#ifdef __SSE__
  _mm_setcsr(_mm_getcsr() & ~(kSseTrapMasks | kSseFlags));
#endif
}

}  // namespace

void SetUpProcess(ArithmeticFaultHandler on_fault) {
  // A failure ends in the program's own error line, never in a system dialogue box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  fault_handler = on_fault;
  AddVectoredExceptionHandler(1, OnException);
  SetUpFloatingPoint();
}
