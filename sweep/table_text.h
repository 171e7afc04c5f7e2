// The cells of the sweeps' tables: tab-separated, one row per delay.
#pragma once

#include <cstdint>
#include <string>

// "Delay :", then "Test 1:" to "Test <count>:", then "Average:", joined by single tabs.
std::string TableHeader(int test_count);

// "1ms", "10ms", ...: the delay's decimal text and "ms".
std::string MillisecondLabel(std::int64_t delay);

// "10^0mks", "10^1mks", ...: the exponent is counted from the digits of the delay.
std::string MicrosecondLabel(std::int64_t delay);
