#include "platform/sleep.h"

#include <cerrno>
#include <ctime>

void Sleep(DWORD milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  // A signal cuts the sleep short; go on with what is left until the whole time has passed.
  while (clock_nanosleep(CLOCK_MONOTONIC, 0, &remaining, &remaining) == EINTR) {
  }
}
