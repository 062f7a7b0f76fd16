#pragma once
// How a run ends early. A failed check or a declined question is not an
// error: the operator has been told (or chose), and the run simply stops. A
// file that cannot be opened or created is an error that names its path.
#include <exception>
#include <string>

#include "platform/vb/error.h"

namespace qvl {

// Thrown where a run must stop at once after the operator has been told why
// (or declined to go on); the run driver ends the run without a further
// message.
class RunStopped : public std::exception {
 public:
  const char* what() const noexcept override { return "the run was stopped"; }
};

// A failure to open, create or write a file, with the file's path.
class FileError : public vb::Error {
 public:
  FileError(std::string path, const vb::Error& cause)
      : vb::Error(cause.number(), cause.description()), path_(std::move(path)) {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace qvl
