#pragma once
// A file that fails only when it is put on disk at close, as on a disk that
// fills while the data is written out or a network share that goes away:
// every write succeeds, and the failure must still reach whoever closes it.
//
//   FailingSync full("123113026.txt", ENOSPC);  // while `full` lives
//
// Only files whose name ends in `name` fail; every other file is synced as
// usual. Header-only, so that test programs without the file layer can link
// the support library.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "platform/files/descriptors.h"

namespace qvl::test {

class FailingSync {
 public:
  explicit FailingSync(std::string name, int error = EIO) {
    Name() = std::move(name);
    Error() = error;
    previous_ = files::ReplaceSyncCall(&Sync);
  }
  ~FailingSync() { files::ReplaceSyncCall(previous_); }
  FailingSync(const FailingSync&) = delete;
  FailingSync& operator=(const FailingSync&) = delete;

 private:
  static std::string& Name() {
    static std::string name;
    return name;
  }
  static int& Error() {
    static int error = EIO;
    return error;
  }
  static int Sync(int fd) {
    char target[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target);
    const std::string path = n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
    const std::string& name = Name();
    if (path.size() >= name.size() && path.compare(path.size() - name.size(), name.size(), name) == 0) {
      errno = Error();
      return -1;
    }
    return ::fdatasync(fd);
  }

  files::SyncCall previous_;
};

}  // namespace qvl::test
