#include "platform/files/numbered_files.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/files/whole_files.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace {

constexpr std::size_t kFragmentLength = kRecordLength - 2;  // a record without CR LF
constexpr std::size_t kBlock = std::size_t{1} << 20;

// Tabs count as blanks: an export edited in a spreadsheet or text editor can
// leave lines of tabs, which hold no values any more than empty lines do.
bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

FileTable::Descriptor::Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileTable::Descriptor& FileTable::Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FileTable::Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

void FileTable::Open(int number, std::string_view windowsPath, Mode mode) {
  if (number < 1 || number > kMaxNumber) throw vb::BadFileNameOrNumber();
  Close(number);
  auto host = paths::ToHost(windowsPath);
  if (!host) throw vb::PathNotFound();
  std::int64_t size = 0;
  OpenFile file;
  file.mode = mode;
  file.fd = Descriptor(OpenForReading(*host, size));
  file.size = size;
  files_.emplace(number, std::move(file));
}

void FileTable::OpenText(int number, std::string_view windowsPath) { Open(number, windowsPath, Mode::kText); }

void FileTable::OpenRecords(int number, std::string_view windowsPath) {
  Open(number, windowsPath, Mode::kRecords);
}

bool FileTable::IsOpen(int number) const { return files_.count(number) != 0; }

void FileTable::Close(int number) { files_.erase(number); }

void FileTable::CloseAll() { files_.clear(); }

const FileTable::OpenFile& FileTable::Get(int number) const {
  auto it = files_.find(number);
  if (it == files_.end()) throw vb::BadFileNameOrNumber();
  return it->second;
}

FileTable::OpenFile& FileTable::Get(int number, Mode mode) {
  auto it = files_.find(number);
  if (it == files_.end()) throw vb::BadFileNameOrNumber();
  if (it->second.mode != mode) throw vb::BadFileMode();
  return it->second;
}

bool FileTable::ReadMore(OpenFile& file) {
  std::string& w = file.window;
  const std::int64_t end = file.windowStart + static_cast<std::int64_t>(w.size());
  if (end >= file.size) return false;
  // What was read already goes; a line longer than a block still fits.
  w.erase(0, file.pos);
  file.windowStart += static_cast<std::int64_t>(file.pos);
  file.pos = 0;
  const std::size_t want = std::min<std::size_t>(kBlock, static_cast<std::size_t>(file.size - end));
  const std::size_t had = w.size();
  w.resize(had + want);
  const std::size_t got = ReadAt(file.fd.get(), end, w.data() + had, want);
  w.resize(had + got);
  if (got < want) file.size = end + static_cast<std::int64_t>(got);  // the file was cut short meanwhile
  return got > 0;
}

std::optional<std::string_view> FileTable::NextLine(OpenFile& file) {
  std::size_t end = std::string::npos;
  while (true) {
    const std::string& data = file.window;
    end = file.pos < data.size() ? data.find_first_of("\r\n", file.pos) : std::string::npos;
    // A CR at the end of the block may be the first half of CR LF.
    if (end != std::string::npos && (data[end] == '\n' || end + 1 < data.size())) break;
    if (!ReadMore(file)) {
      end = file.pos < data.size() ? data.find_first_of("\r\n", file.pos) : std::string::npos;
      break;
    }
  }
  const std::string& data = file.window;
  if (file.pos >= data.size()) return std::nullopt;
  if (end == std::string::npos) end = data.size();
  std::string_view line(data.data() + file.pos, end - file.pos);
  ++file.line;
  file.pos = end;
  if (file.pos < data.size()) {
    ++file.pos;
    if (data[end] == '\r' && file.pos < data.size() && data[file.pos] == '\n') ++file.pos;
  }
  return line;
}

std::optional<CommaValues> FileTable::ReadValues(int number, std::size_t count) {
  auto& file = Get(number, Mode::kText);
  while (auto line = NextLine(file)) {
    if (!IsBlank(*line)) return SplitCommaList(*line, count);
  }
  file.eof = true;
  return std::nullopt;
}

CommaValues FileTable::InputValues(int number, std::size_t count) {
  auto values = ReadValues(number, count);
  if (!values) throw vb::InputPastEndOfFile();
  return std::move(*values);
}

std::optional<std::string> FileTable::ReadLine(int number) {
  auto& file = Get(number, Mode::kText);
  auto line = NextLine(file);
  if (!line) {
    file.eof = true;
    return std::nullopt;
  }
  return std::string(*line);
}

void FileTable::LineInput(int number, std::string& target) {
  auto line = ReadLine(number);
  if (!line) throw vb::InputPastEndOfFile();
  target = std::move(*line);
}

std::int64_t FileTable::RecordCount(int number) const {
  const auto size = static_cast<std::uint64_t>(Get(number).size);
  return static_cast<std::int64_t>(size / kRecordLength + (size % kRecordLength >= kFragmentLength ? 1 : 0));
}

bool FileTable::LastRecordIncomplete(int number) const {
  const std::size_t rest = static_cast<std::uint64_t>(Get(number).size) % kRecordLength;
  return rest > 0 && rest < kFragmentLength;
}

bool FileTable::GetRecord(int number, std::string& record) {
  return GetRecord(number, Get(number, Mode::kRecords).nextRecord, record);
}

bool FileTable::GetRecord(int number, std::int64_t recordNumber, std::string& record) {
  auto& file = Get(number, Mode::kRecords);
  if (recordNumber < 1) throw vb::BadRecordNumber();
  file.nextRecord = recordNumber < INT64_MAX ? recordNumber + 1 : recordNumber;
  file.eof = recordNumber > RecordCount(number);
  if (file.eof) return false;
  file.line = recordNumber;
  const auto start = (recordNumber - 1) * static_cast<std::int64_t>(kRecordLength);
  const auto length = static_cast<std::size_t>(std::min<std::int64_t>(kRecordLength, file.size - start));
  const std::int64_t windowEnd = file.windowStart + static_cast<std::int64_t>(file.window.size());
  if (start < file.windowStart || start + static_cast<std::int64_t>(length) > windowEnd) {
    file.windowStart = start;
    file.window.resize(std::max(kBlock / kRecordLength * kRecordLength, kRecordLength));
    const std::size_t got = ReadAt(file.fd.get(), start, file.window.data(), file.window.size());
    file.window.resize(got);
    if (got < length) {
      // The file was cut short since it was opened.
      file.eof = true;
      return false;
    }
  }
  record.assign(file.window, static_cast<std::size_t>(start - file.windowStart), length);
  if (record.size() < kRecordLength) {
    // A last record without (all of) its line end reads as if it had CR LF.
    static constexpr std::string_view kLineEnd = "\r\n";
    record.append(kLineEnd.substr(record.size() - kFragmentLength));
  }
  return true;
}

bool FileTable::Eof(int number) const { return Get(number).eof; }

std::int64_t FileTable::LineNumber(int number) const { return Get(number).line; }

bool FileTable::ReadsRecords(int number) const { return Get(number).mode == Mode::kRecords; }

std::int64_t FileTable::Lof(int number) const { return Get(number).size; }

}  // namespace qvl::files
