#pragma once
// The run-time error of the platform layer: the original runtime's error
// number and its description, so callers can branch on the number
// ("On Error" handlers) and show the same message text.
#include <stdexcept>
#include <string>

namespace qvl::vb {

class Error : public std::runtime_error {
 public:
  Error(int number, std::string description);
  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

// The runtime's own description of an error number ("" when not one we know).
std::string ErrorDescription(int number);
// An Error with the runtime's description for that number.
Error MakeError(int number);

// The numbers the platform raises.
enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kTypeMismatch = 13,
  kBadFileNameOrNumber = 52,
  kFileNotFound = 53,
  kBadFileMode = 54,
  kFileAlreadyOpen = 55,
  kDeviceIoError = 57,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEndOfFile = 62,
  kBadRecordNumber = 63,
  kBadFileName = 64,
  kTooManyFiles = 67,
  kDeviceUnavailable = 68,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kObjectNotSet = 91,
  kInvalidPropertyValue = 380,
};

Error InvalidProcedureCall();   // 5  "Invalid procedure call or argument"
Error Overflow();               // 6  "Overflow"
Error SubscriptOutOfRange();    // 9  "Subscript out of range"
Error DivisionByZero();         // 11 "Division by zero"
Error TypeMismatch();           // 13 "Type mismatch"
Error BadFileNameOrNumber();    // 52 "Bad file name or number"
Error FileNotFound();           // 53 "File not found"
Error BadFileMode();            // 54 "Bad file mode"
Error FileAlreadyOpen();        // 55 "File already open"
Error DeviceIoError();          // 57 "Device I/O error"
Error FileAlreadyExists();      // 58 "File already exists"
Error DiskFull();               // 61 "Disk full"
Error InputPastEndOfFile();     // 62 "Input past end of file"
Error BadRecordNumber();        // 63 "Bad record number"
Error BadFileName();            // 64 "Bad file name"
Error TooManyFiles();           // 67 "Too many files"
Error DeviceUnavailable();      // 68 "Device unavailable"
Error PermissionDenied();       // 70 "Permission denied"
Error PathFileAccessError();    // 75 "Path/File access error"
Error PathNotFound();           // 76 "Path not found"
Error ObjectNotSet();           // 91 "Object variable or With block variable not set"
Error InvalidPropertyValue();   // 380 "Invalid property value"

}  // namespace qvl::vb
