// The clock increment is the kernel's clock tick, which is the resolution of the coarse clock.
// The adjustment is that increment as the kernel's frequency correction stretches or shrinks it.
#include "platform/system_time_adjustment.h"

#include <cstdint>
#include <ctime>
#include <sys/timex.h>

BOOL GetSystemTimeAdjustment(PDWORD time_adjustment, PDWORD time_increment,
                             PBOOL adjustment_disabled) {
  timespec tick{};
  clock_getres(CLOCK_REALTIME_COARSE, &tick);
  const std::int64_t increment = (static_cast<std::int64_t>(tick.tv_sec) * 1000000000 + tick.tv_nsec) / 100;

  timex clock{};
  const int state = adjtimex(&clock);
  // The frequency offset is in parts per million with 16 fraction bits.
  constexpr std::int64_t kOneScaled = std::int64_t{1000000} << 16;
  const std::int64_t adjusted = (increment * (kOneScaled + clock.freq) + kOneScaled / 2) / kOneScaled;

  *time_increment = static_cast<DWORD>(increment);
  *time_adjustment = static_cast<DWORD>(adjusted);
  *adjustment_disabled = (state == TIME_ERROR || (clock.status & STA_UNSYNC) != 0) ? TRUE : FALSE;
  return TRUE;
}
