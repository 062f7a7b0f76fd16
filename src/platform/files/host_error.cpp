#include "platform/files/host_error.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace qvl::files {

namespace fs = std::filesystem;

vb::Error OpenError(int err, Access access, const fs::path& host) {
  switch (err) {
    case ENOENT: {
      // A missing file in an existing folder is "File not found"; a missing
      // folder on the way is "Path not found".
      std::error_code ec;
      if (access == Access::kRead && fs::is_directory(host.parent_path(), ec)) return vb::FileNotFound();
      return vb::PathNotFound();
    }
    case ENOTDIR:
      return vb::PathNotFound();
    case EEXIST:
      return vb::FileAlreadyExists();
    case EISDIR:
      return access == Access::kRead ? vb::PathFileAccessError() : vb::PermissionDenied();
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return vb::PermissionDenied();
    default:
      return IoError(err);
  }
}

vb::Error IoError(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT:
      return vb::DiskFull();
    case EIO:
      return vb::DeviceIoError();
    case EMFILE:
    case ENFILE:
      return vb::TooManyFiles();
    case EACCES:
    case EPERM:
    case EROFS:
      return vb::PermissionDenied();
    default:
      // No runtime equivalent: keep the host's own reason.
      return vb::Error(vb::kPathFileAccessError, std::strerror(err));
  }
}

}  // namespace qvl::files
