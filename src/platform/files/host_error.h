#pragma once
// Host (errno) failures turned into the runtime's numbered errors, so callers
// branch on the same numbers and show the same texts on every platform.
#include <filesystem>

#include "platform/vb/error.h"

namespace qvl::files {

enum class Access { kRead, kCreate, kFolder };

// The error for a failed open, create or mkdir of `host`.
vb::Error OpenError(int err, Access access, const std::filesystem::path& host);
// The error for a failed read, write, flush or close of an open file.
vb::Error IoError(int err);

}  // namespace qvl::files
