#include "platform/files/text_stream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/files/descriptors.h"
#include "platform/files/host_error.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace {

// Large enough that a long journal goes out in few writes.
constexpr std::size_t kFlushAt = 1 << 20;

}  // namespace

TextStream::TextStream(TextStream&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), buffer_(std::move(other.buffer_)) {}

TextStream& TextStream::operator=(TextStream&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    buffer_ = std::move(other.buffer_);
  }
  return *this;
}

TextStream::~TextStream() { Release(); }

void TextStream::Release() noexcept {
  if (fd_ < 0) return;
  // Close() reports failures; a stream dropped without it cannot.
  WriteAll(fd_, buffer_);
  ::close(std::exchange(fd_, -1));
  buffer_.clear();
}

void TextStream::Write(std::string_view text) {
  if (fd_ < 0) throw vb::BadFileNameOrNumber();
  buffer_.append(text);
  if (buffer_.size() >= kFlushAt) Flush();
}

void TextStream::WriteLine(std::string_view text) {
  if (fd_ < 0) throw vb::BadFileNameOrNumber();
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushAt) Flush();
}

void TextStream::Flush() {
  if (fd_ < 0) return;
  std::size_t written = 0;
  const int err = WriteAll(fd_, buffer_, &written);
  buffer_.erase(0, written);
  if (err != 0) throw IoError(err);
}

void TextStream::Close() {
  if (fd_ < 0) return;
  int err = WriteAll(fd_, buffer_);
  buffer_.clear();
  const int closeErr = SyncAndClose(std::exchange(fd_, -1));
  if (err == 0) err = closeErr;
  if (err != 0) throw IoError(err);
}

TextStream CreateTextFile(std::string_view windowsPath) {
  auto host = paths::ToHost(windowsPath);
  if (!host) throw vb::PathNotFound();
  int fd = ::open(host->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw OpenError(errno, Access::kCreate, *host);
  return TextStream(fd);
}

void CreateFolder(std::string_view windowsPath) {
  auto host = paths::ToHost(windowsPath);
  if (!host) throw vb::PathNotFound();
  if (::mkdir(host->c_str(), 0777) != 0) throw OpenError(errno, Access::kFolder, *host);
}

}  // namespace qvl::files
