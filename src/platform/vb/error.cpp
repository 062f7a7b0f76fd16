#include "platform/vb/error.h"

#include <utility>

namespace qvl::vb {

Error::Error(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

std::string ErrorDescription(int number) {
  switch (number) {
    case kInvalidProcedureCall: return "Invalid procedure call or argument";
    case kOverflow: return "Overflow";
    case kSubscriptOutOfRange: return "Subscript out of range";
    case kDivisionByZero: return "Division by zero";
    case kTypeMismatch: return "Type mismatch";
    case kBadFileNameOrNumber: return "Bad file name or number";
    case kFileNotFound: return "File not found";
    case kBadFileMode: return "Bad file mode";
    case kFileAlreadyOpen: return "File already open";
    case kFileAlreadyExists: return "File already exists";
    case kInputPastEndOfFile: return "Input past end of file";
    case kBadFileName: return "Bad file name";
    case kPermissionDenied: return "Permission denied";
    case kPathFileAccessError: return "Path/File access error";
    case kPathNotFound: return "Path not found";
    default: return "";
  }
}

Error MakeError(int number) { return Error(number, ErrorDescription(number)); }

Error InvalidProcedureCall() { return MakeError(kInvalidProcedureCall); }
Error Overflow() { return MakeError(kOverflow); }
Error SubscriptOutOfRange() { return MakeError(kSubscriptOutOfRange); }
Error DivisionByZero() { return MakeError(kDivisionByZero); }
Error TypeMismatch() { return MakeError(kTypeMismatch); }
Error BadFileNameOrNumber() { return MakeError(kBadFileNameOrNumber); }
Error FileNotFound() { return MakeError(kFileNotFound); }
Error BadFileMode() { return MakeError(kBadFileMode); }
Error FileAlreadyOpen() { return MakeError(kFileAlreadyOpen); }
Error FileAlreadyExists() { return MakeError(kFileAlreadyExists); }
Error InputPastEndOfFile() { return MakeError(kInputPastEndOfFile); }
Error BadFileName() { return MakeError(kBadFileName); }
Error PermissionDenied() { return MakeError(kPermissionDenied); }
Error PathFileAccessError() { return MakeError(kPathFileAccessError); }
Error PathNotFound() { return MakeError(kPathNotFound); }

}  // namespace qvl::vb
