#include "platform/vb/error.h"

#include <gtest/gtest.h>

#include <string>

namespace qvl::vb {
namespace {

TEST(Error, CarriesTheRuntimesNumberAndDescription) {
  const struct {
    Error error;
    int number;
    const char* text;
  } cases[] = {
      {InvalidProcedureCall(), 5, "Invalid procedure call or argument"},
      {Overflow(), 6, "Overflow"},
      {SubscriptOutOfRange(), 9, "Subscript out of range"},
      {DivisionByZero(), 11, "Division by zero"},
      {TypeMismatch(), 13, "Type mismatch"},
      {BadFileNameOrNumber(), 52, "Bad file name or number"},
      {FileNotFound(), 53, "File not found"},
      {BadFileMode(), 54, "Bad file mode"},
      {FileAlreadyOpen(), 55, "File already open"},
      {FileAlreadyExists(), 58, "File already exists"},
      {InputPastEndOfFile(), 62, "Input past end of file"},
      {BadFileName(), 64, "Bad file name"},
      {PermissionDenied(), 70, "Permission denied"},
      {PathFileAccessError(), 75, "Path/File access error"},
      {PathNotFound(), 76, "Path not found"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.error.number(), c.number);
    EXPECT_EQ(c.error.description(), c.text);
    EXPECT_EQ(std::string(c.error.what()), c.text);
    EXPECT_EQ(ErrorDescription(c.number), c.text);
  }
}

TEST(Error, IsCaughtAsAStandardRuntimeError) {
  try {
    throw Error(1004, "Application-defined or object-defined error");
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Application-defined or object-defined error");
  }
  EXPECT_EQ(ErrorDescription(12345), "");
}

}  // namespace
}  // namespace qvl::vb
