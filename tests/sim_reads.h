// Scripted counter reads for the simulated platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The 22 reads of one read-overhead calibration whose ten tries all take `overhead` ticks.
inline std::vector<std::uint64_t> CalibrationReads(std::uint64_t overhead) {
  std::vector<std::uint64_t> reads{500, 600};
  for (std::uint64_t attempt = 0; attempt < 10; ++attempt) {
    reads.push_back(1000 * (attempt + 1));
    reads.push_back(1000 * (attempt + 1) + overhead);
  }
  return reads;
}

// A timed window from `start` to `stop`, followed by such a calibration.
inline std::vector<std::uint64_t> WindowReads(std::uint64_t start, std::uint64_t stop,
                                              std::uint64_t overhead) {
  std::vector<std::uint64_t> reads{start, stop};
  const std::vector<std::uint64_t> calibration = CalibrationReads(overhead);
  reads.insert(reads.end(), calibration.begin(), calibration.end());
  return reads;
}

// The reads as the environment setting of a simulated program.
inline std::string SimReadsSetting(const std::vector<std::uint64_t>& reads) {
  std::string setting = "SIM_READS=";
  for (const std::uint64_t read : reads) setting += std::to_string(read) + ",";
  setting.pop_back();
  return setting;
}
