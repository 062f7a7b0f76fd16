#pragma once
// Open host files written whole: the one loop over partial writes, and the
// one way a written file is put on disk and closed, so that every writer of
// the file layer learns of a failure the same way.
#include <cstddef>
#include <string_view>

namespace qvl::files {

// Writes every byte of `bytes`: 0, or the errno of the write that failed.
// `written` (when given) counts the bytes that reached the file either way.
int WriteAll(int fd, std::string_view bytes, std::size_t* written = nullptr);

// Puts what was written on disk and closes `fd`, which is closed either way:
// 0, or the errno of the first failure.
int SyncAndClose(int fd);

// The call SyncAndClose puts data on disk with (fdatasync). A failure there
// is rare and hard to bring about on purpose (a full disk that only shows
// when the data is written out, a lost network share), so tests put their own
// in its place. Returns the call it replaces.
using SyncCall = int (*)(int fd);
SyncCall ReplaceSyncCall(SyncCall call);

}  // namespace qvl::files
