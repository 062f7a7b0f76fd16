#include "platform/files/whole_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/files/descriptors.h"
#include "platform/files/host_error.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace fs = std::filesystem;

int OpenForReading(const fs::path& host, std::int64_t& size) {
  const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw OpenError(errno, Access::kRead, host);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw vb::PathFileAccessError();
  }
  size = static_cast<std::int64_t>(st.st_size);
  return fd;
}

std::size_t ReadAt(int fd, std::int64_t offset, char* into, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, into + done, count - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::string ReadFileContents(const fs::path& host) {
  std::int64_t size = 0;
  const int fd = OpenForReading(host, size);
  std::string data;
  if (size > 0) data.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      throw IoError(err);
    }
    data.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return data;
}

void ReplaceFileContents(const fs::path& host, std::string_view bytes) {
  fs::path temporary = host;
  temporary += ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw OpenError(errno, Access::kCreate, temporary);
  int err = WriteAll(fd, bytes);
  // On disk before the rename, or a crash could leave the name on an empty file.
  const int closeErr = SyncAndClose(fd);
  if (err == 0) err = closeErr;
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
