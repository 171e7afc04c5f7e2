// The processor's time-stamp counter. The simulated platform replaces it with a virtual counter,
// so the choice is made when the measuring code is compiled.
#pragma once

#include <cstdint>

#ifdef SIMULATED_PLATFORM
std::uint64_t ReadTimeStampCounter();
#else
#include <x86intrin.h>

// The bare instruction: no fence, no serialisation, nothing around it.
inline std::uint64_t ReadTimeStampCounter() { return __rdtsc(); }
#endif
