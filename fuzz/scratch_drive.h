#pragma once
// Drive c: of the targets that run the window: a folder of their own under
// /tmp, emptied before each input and removed when the fuzzer exits.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string_view>

#include "platform/paths/paths.h"

namespace qvl::fuzz {

#define QVL_FUZZ_CHECK(cond)                                                  \
  do {                                                                        \
    if (!(cond)) {                                                            \
      std::fprintf(stderr, "check failed: %s (line %d)\n", #cond, __LINE__); \
      std::abort();                                                           \
    }                                                                         \
  } while (0)

// The folder behind c:, emptied and holding `folders` (host names below it).
inline std::filesystem::path FreshDriveC(std::initializer_list<std::string_view> folders) {
  namespace fs = std::filesystem;
  // Never freed, so the exit handler that removes it cannot outlive it.
  static const fs::path* root = [] {
    char name[] = "/tmp/qvl-fuzz-XXXXXX";
    QVL_FUZZ_CHECK(::mkdtemp(name) != nullptr);
    auto* path = new fs::path(name);
    QVL_FUZZ_CHECK(std::atexit([] {
                     std::error_code ec;
                     fs::remove_all(*root, ec);
                   }) == 0);
    return path;
  }();
  std::error_code ec;
  fs::remove_all(*root / "c", ec);
  for (std::string_view folder : folders) fs::create_directories(*root / "c" / folder);
  fs::create_directories(*root / "c");
  paths::UnmapAll();
  paths::MapDrive('c', *root / "c");
  return *root / "c";
}

inline void WriteHostFile(const std::filesystem::path& file, std::string_view bytes) {
  std::FILE* f = std::fopen(file.c_str(), "wb");
  QVL_FUZZ_CHECK(f != nullptr);
  QVL_FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
  QVL_FUZZ_CHECK(std::fclose(f) == 0);
}

}  // namespace qvl::fuzz
