#pragma once
// Test helpers: a private temporary folder per test, and whole-file byte access.
#include <filesystem>
#include <string>

namespace qvl::test {

// A fresh folder under the system temp area, removed when the object dies.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes the bytes exactly as given (no newline translation).
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// Reads the whole file as bytes; empty when it does not exist.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace qvl::test
