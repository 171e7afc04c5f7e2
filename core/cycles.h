// Cycles: a time-stamp counter reading, a difference of two, a calibration in ticks, or a rate
// in ticks per millisecond. Signed 64-bit; sums, differences and products keep the low 64 bits
// and are never tested for overflow.
#pragma once

#include <cstdint>

using Cycles = std::int64_t;

inline Cycles WrappingAdd(Cycles a, Cycles b) {
  return static_cast<Cycles>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

inline Cycles WrappingSubtract(Cycles a, Cycles b) {
  return static_cast<Cycles>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

inline Cycles WrappingMultiply(Cycles a, Cycles b) {
  return static_cast<Cycles>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}
