// The dialogue texts that several sweeps share.
#pragma once

constexpr const char* kMillisecondIntro =
    "The program will generate a file containing the table of results of measurements of quantity of "
    "cycles of the processor in a millisecond. Time of measurement is chosen miscellaneous, intervals: 1, "
    "10, 100, 1000, 10000 ms. You will see distinctions of measurements. If an interval of measurement "
    "longer - results will be more exact.";

constexpr const char* kMicrosecondIntro =
    "The program will generate a file containing the table of results of measurements of quantity of "
    "cycles of the processor in a mikrosecond. Time of measurement is chosen miscellaneous, intervals: 1, "
    "10, 100, 1000, 10000, 100000, 1000000, 10000000 mks. You will see distinctions of measurements. If an "
    "interval of measurement longer - results will be more exact.";

constexpr const char* kExitPrompt = "Press any key for an exit...";
