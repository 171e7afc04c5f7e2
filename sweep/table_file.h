// The table file of every delay sweep: written once, after the last measurement, under a
// temporary name and then put in place of the earlier file in one step.
#pragma once

#include <string>

// Writes `table` to the file `name` in the current directory, byte for byte, with no line end
// added. Each step is tested; on a failure the temporary file is removed, the earlier file stays
// as it was and the program ends through the error stop.
void WriteTableFile(const std::string& name, const std::string& table);
