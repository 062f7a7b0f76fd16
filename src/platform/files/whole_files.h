#pragma once
// Files handled whole: read in one piece, replaced in one step, or tried for
// reading before anything reads them. Failures are the runtime's numbered errors
// (host_error.h), so every caller reports them alike.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qvl::files {

// The bytes of the file. Raises vb::Error: 53 for a missing file, 76 for a
// missing folder, 75 for a folder, 70 when it may not be read, and so on.
std::string ReadFileContents(const std::filesystem::path& host);

// The file opened for reading, with the same errors; the caller closes the
// descriptor. `size` is its length in bytes.
int OpenForReading(const std::filesystem::path& host, std::int64_t& size);
// Up to `count` bytes from `offset` on; fewer only at the end of the file.
// Raises vb::Error for a failed read.
std::size_t ReadAt(int fd, std::int64_t offset, char* into, std::size_t count);

// Puts `bytes` in the place of `host` through "<name>.tmp" beside it, so a
// failed write never leaves a half-written file: the old one stays as it was
// and the temporary is removed. Raises vb::Error: 76 for a missing folder,
// 70 when the file may not be made, 61 for a full disk, and so on.
void ReplaceFileContents(const std::filesystem::path& host, std::string_view bytes);

// "" when the file can be opened for reading, else why not as the runtime
// says it ("File not found", "Path not found", "Path/File access error"...).
std::string UnreadableReason(std::string_view windowsPath);

}  // namespace qvl::files
