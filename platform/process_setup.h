// What the process needs before the main sequence runs: the floating-point unit in 80-bit
// extended precision, rounding to nearest, trapping invalid operation, division by zero and
// overflow; arithmetic faults delivered to the run-time; failed writes to a vanished pipe or past
// a file size limit reported as errors instead of killing the process.
#pragma once

// Called with a short description ("division by zero") when an arithmetic trap fires. It must
// not return.
using ArithmeticFaultHandler = void (*)(const char* fault);

void SetUpProcess(ArithmeticFaultHandler on_fault);
