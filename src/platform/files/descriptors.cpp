#include "platform/files/descriptors.h"

#include <cerrno>
#include <unistd.h>

#include <utility>

namespace qvl::files {

namespace {

SyncCall syncCall = ::fdatasync;

}  // namespace

int WriteAll(int fd, std::string_view bytes, std::size_t* written) {
  std::size_t done = 0;
  int err = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      err = errno;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (written != nullptr) *written = done;
  return err;
}

int SyncAndClose(int fd) {
  int err = 0;
  // File systems that cannot sync (EINVAL, EROFS) have nothing more to give.
  if (syncCall(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
  // Delayed write failures (a full disk, a lost network share) show up at close.
  if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
  return err;
}

SyncCall ReplaceSyncCall(SyncCall call) { return std::exchange(syncCall, call); }

}  // namespace qvl::files
