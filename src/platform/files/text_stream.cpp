#include "platform/files/text_stream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/files/host_error.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

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
  try {
    Flush();
  } catch (...) {
    // Close() reports failures; a stream dropped without it cannot.
  }
  ::close(fd_);
  fd_ = -1;
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
  std::size_t done = 0;
  while (done < buffer_.size()) {
    ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      buffer_.erase(0, done);
      throw IoError(err);
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void TextStream::Close() {
  if (fd_ < 0) return;
  int err = 0;
  try {
    Flush();
  } catch (...) {
    ::close(fd_);
    fd_ = -1;
    buffer_.clear();
    throw;
  }
  // Delayed write failures (a full disk, a lost network share) show up here.
  if (::fdatasync(fd_) != 0 && errno != EINVAL && errno != EROFS) err = errno;
  if (::close(fd_) != 0 && err == 0 && errno != EINTR) err = errno;
  fd_ = -1;
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
