// Feeds arbitrary bytes as an input file to every reader of the payroll
// export: comma-list reads, whole-line reads (and LineToDelim on each line),
// and 89-byte record reads next and by number. Checks that nothing crashes,
// that every read loop ends, and the readers' own promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/input_record.h"
#include "scratch_drive.h"
#include "platform/files/numbered_files.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace {

namespace fs = std::filesystem;
using qvl::InputRecord;
using qvl::files::FileTable;

constexpr const char* kInput = "f:\\INPUT.TXT";

#define CHECK QVL_FUZZ_CHECK

// The folder that drive f: stands for; never freed, so the exit handler that
// removes it cannot outlive it.
const fs::path& Folder() {
  static const fs::path* folder = [] {
    char name[] = "/tmp/qvl-fuzz-XXXXXX";
    CHECK(::mkdtemp(name) != nullptr);
    qvl::paths::MapDrive('f', name);
    return new fs::path(name);
  }();
  static const bool cleanup = [] {
    return std::atexit([] {
      std::error_code ec;
      fs::remove_all(*folder, ec);
    }) == 0;
  }();
  (void)cleanup;
  return *folder;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen((Folder() / "input.txt").c_str(), "wb");
  CHECK(f != nullptr);
  CHECK(std::fwrite(data, 1, size, f) == size);
  CHECK(std::fclose(f) == 0);
}

void CommaLists(FileTable& files, std::size_t count, std::size_t size) {
  files.OpenText(1, kInput);
  std::size_t reads = 0;
  while (auto v = files.ReadValues(1, count)) {
    CHECK(v->values.size() == count);
    CHECK(v->found >= 1);
    CHECK(++reads <= size);  // every read takes at least one byte
    InputRecord r;
    qvl::ValuesToRecord(v->values, r);
    CHECK(r.Text().size() == InputRecord::kLength);
  }
  CHECK(files.Eof(1));
  try {
    files.InputValues(1, count);
    CHECK(false);
  } catch (const qvl::vb::Error& e) {
    CHECK(e.number() == qvl::vb::kInputPastEndOfFile);
  }
}

void WholeLines(FileTable& files, std::size_t size) {
  files.OpenText(1, kInput);
  std::size_t reads = 0, bytes = 0;
  InputRecord r;
  std::string line;
  try {
    files.LineInput(1, line);
  } catch (const qvl::vb::Error&) {
  }
  while (!files.Eof(1)) {
    CHECK(line.find_first_of("\r\n") == std::string::npos);
    bytes += line.size() + 1;
    CHECK(++reads <= size && bytes <= size + 1);
    const std::string before = r.Text();
    try {
      qvl::LineToDelim(line, r);
    } catch (const qvl::vb::Error& e) {
      CHECK(e.number() == qvl::vb::kInvalidProcedureCall);
    }
    CHECK(r.Text().size() == InputRecord::kLength);
    CHECK(r.lineEnd() == before.substr(87));
    try {
      files.LineInput(1, line);
    } catch (const qvl::vb::Error& e) {
      CHECK(e.number() == qvl::vb::kInputPastEndOfFile);
    }
  }
}

void Records(FileTable& files, std::size_t size) {
  files.OpenRecords(1, kInput);
  const std::int64_t count = files.RecordCount(1);
  CHECK(count >= 0 && static_cast<std::size_t>(count) <= size / 88 + 1);
  CHECK(files.Lof(1) == static_cast<std::int64_t>(size));
  InputRecord r;
  std::int64_t seen = 0;
  qvl::GetRecord(files, 1, r);
  while (!files.Eof(1)) {
    CHECK(++seen <= count);
    qvl::GetRecord(files, 1, r);
  }
  CHECK(seen == count);
  for (std::int64_t n = 1; n <= count + 1; ++n) {
    CHECK(qvl::GetRecord(files, 1, n, r) == (n <= count));
    CHECK(r.Text().size() == InputRecord::kLength);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInput(data, size);
  const std::size_t count = size > 0 ? data[0] % 12 + 1 : 9;
  FileTable files;
  CommaLists(files, count, size);
  WholeLines(files, size);
  Records(files, size);
  return 0;
}
