#include "platform/vb/error.h"

#include <gtest/gtest.h>

namespace qvl::vb {
namespace {

// The texts the operator reads in messages; they must be the runtime's own.
TEST(Error, CarriesTheRuntimesNumberAndDescription) {
  const std::pair<int, const char*> rows[] = {
      {5, "Invalid procedure call or argument"}, {6, "Overflow"}, {9, "Subscript out of range"},
      {11, "Division by zero"}, {13, "Type mismatch"}, {52, "Bad file name or number"}, {53, "File not found"},
      {54, "Bad file mode"}, {55, "File already open"}, {58, "File already exists"}, {62, "Input past end of file"},
      {64, "Bad file name"}, {70, "Permission denied"}, {75, "Path/File access error"}, {76, "Path not found"}};
  for (const auto& [number, text] : rows) {
    SCOPED_TRACE(number);
    EXPECT_EQ(ErrorDescription(number), text);
    EXPECT_STREQ(MakeError(number).what(), text);
  }
  EXPECT_EQ(ErrorDescription(12345), "");
}

}  // namespace
}  // namespace qvl::vb
