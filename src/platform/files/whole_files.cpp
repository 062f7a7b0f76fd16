#include "platform/files/whole_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "platform/files/host_error.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace fs = std::filesystem;

namespace {

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

void ReplaceFileContents(const fs::path& host, std::string_view bytes) {
  fs::path temporary = host;
  temporary += ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw OpenError(errno, Access::kCreate, temporary);
  int err = WriteAll(fd, bytes);
  // On disk before the rename, or a crash could leave the name on an empty
  // file. File systems that cannot sync (EINVAL) have nothing more to give.
  if (err == 0 && ::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
  // Delayed write failures (a full disk, a lost network share) show up at close.
  if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
  if (err == 0 && std::rename(temporary.c_str(), host.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temporary.c_str());
    throw IoError(err);
  }
}

std::string UnreadableReason(std::string_view windowsPath) {
  const auto host = paths::ToHost(windowsPath);
  if (!host) return vb::PathNotFound().description();
  // This host opens a folder for reading; the paths' own system does not.
  std::error_code ec;
  if (fs::is_directory(*host, ec)) return vb::PathFileAccessError().description();
  const int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return OpenError(errno, Access::kRead, *host).description();
  ::close(fd);
  return {};
}

}  // namespace qvl::files
