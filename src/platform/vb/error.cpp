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
    case kDeviceIoError: return "Device I/O error";
    case kFileAlreadyExists: return "File already exists";
    case kDiskFull: return "Disk full";
    case kInputPastEndOfFile: return "Input past end of file";
    case kBadRecordNumber: return "Bad record number";
    case kBadFileName: return "Bad file name";
    case kTooManyFiles: return "Too many files";
    case kDeviceUnavailable: return "Device unavailable";
    case kPermissionDenied: return "Permission denied";
    case kPathFileAccessError: return "Path/File access error";
    case kPathNotFound: return "Path not found";
    case kObjectNotSet: return "Object variable or With block variable not set";
    case kInvalidPropertyValue: return "Invalid property value";
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
Error DeviceIoError() { return MakeError(kDeviceIoError); }
Error FileAlreadyExists() { return MakeError(kFileAlreadyExists); }
Error DiskFull() { return MakeError(kDiskFull); }
Error InputPastEndOfFile() { return MakeError(kInputPastEndOfFile); }
Error BadRecordNumber() { return MakeError(kBadRecordNumber); }
Error BadFileName() { return MakeError(kBadFileName); }
Error TooManyFiles() { return MakeError(kTooManyFiles); }
Error DeviceUnavailable() { return MakeError(kDeviceUnavailable); }
Error PermissionDenied() { return MakeError(kPermissionDenied); }
Error PathFileAccessError() { return MakeError(kPathFileAccessError); }
Error PathNotFound() { return MakeError(kPathNotFound); }
Error ObjectNotSet() { return MakeError(kObjectNotSet); }
Error InvalidPropertyValue() { return MakeError(kInvalidPropertyValue); }

}  // namespace qvl::vb
