// The operating system's own description of one of its error codes.
#pragma once

#include <string>

std::string OsErrorText(int code);
