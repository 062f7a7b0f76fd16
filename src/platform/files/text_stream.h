#pragma once
// Text streams for writing, as the file-system object hands them out: a file
// created new or emptied, written line by line (CR LF) or without line ends,
// and closed. Bytes are written exactly as given (single-byte Windows-1252,
// no conversion). Paths are Windows-style and go through platform/paths.
//
// Every failure is a qvl::vb::Error: 76 "Path not found" when the folder is
// missing, 70 "Permission denied", 61 "Disk full", and so on. Writes are
// buffered; a failed flush or close is reported, never dropped.
#include <string>
#include <string_view>

namespace qvl::files {

class TextStream {
 public:
  TextStream() = default;  // a stream that is not open
  TextStream(TextStream&& other) noexcept;
  TextStream& operator=(TextStream&& other) noexcept;
  TextStream(const TextStream&) = delete;
  TextStream& operator=(const TextStream&) = delete;
  // Closes a stream that was not closed, ignoring failures: call Close() to
  // learn of them.
  ~TextStream();

  void WriteLine(std::string_view text = {});  // text, then CR LF
  void Write(std::string_view text);           // text only
  // Hands what was written so far to the system, so that a failure (a full
  // disk) is known now rather than at Close. Nothing happens on a closed
  // stream.
  void Flush();
  // Everything written is on disk afterwards. Closing a closed stream does
  // nothing.
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

 private:
  friend TextStream CreateTextFile(std::string_view windowsPath);
  explicit TextStream(int fd) : fd_(fd) {}
  void Release() noexcept;

  int fd_ = -1;
  std::string buffer_;
};

// Creates the file or empties an existing one (an existing file is found
// case-insensitively and keeps its name).
TextStream CreateTextFile(std::string_view windowsPath);

// Creates one folder. Fails with 58 when it exists already and with 76 when
// its parent is missing.
void CreateFolder(std::string_view windowsPath);

}  // namespace qvl::files
