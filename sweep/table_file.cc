#include "sweep/table_file.h"

#include "platform/replacement_file.h"
#include "support/run_time_error.h"

namespace {

void TestStep(int os_error, ReplacementFile* file, const std::string& step) {
  if (os_error != 0) DiscardReplacementFile(file);
  TestIoResult(OsResult(os_error), step);
}

}  // namespace

void WriteTableFile(const std::string& name, const std::string& table) {
  ReplacementFile file;
  TestStep(CreateReplacementFile(name, &file), &file, "cannot create " + name);
  TestStep(WriteReplacementFile(&file, table.data(), table.size()), &file, "cannot write " + name);
  TestStep(CloseReplacementFile(&file), &file, "cannot close " + name);
  TestStep(PutReplacementFileInPlace(&file, name), &file, "cannot replace " + name);
}
