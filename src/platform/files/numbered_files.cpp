#include "platform/files/numbered_files.h"

#include <cstdint>

#include "platform/files/whole_files.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"

namespace qvl::files {

namespace {

constexpr std::size_t kFragmentLength = kRecordLength - 2;  // a record without CR LF

// The whole file, read at open: inputs are small and this keeps LOF, record
// numbers and line positions trivially consistent.
std::string ReadWholeFile(std::string_view windowsPath) {
  auto host = paths::ToHost(windowsPath);
  if (!host) throw vb::PathNotFound();
  return ReadFileContents(*host);
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

void FileTable::Open(int number, std::string_view windowsPath, Mode mode) {
  if (number < 1 || number > kMaxNumber) throw vb::BadFileNameOrNumber();
  Close(number);
  OpenFile file{mode, ReadWholeFile(windowsPath)};
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

std::optional<std::string_view> FileTable::NextLine(OpenFile& file) {
  const std::string& data = file.data;
  if (file.pos >= data.size()) return std::nullopt;
  std::size_t end = data.find_first_of("\r\n", file.pos);
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
  const auto& file = Get(number);
  const std::size_t size = file.data.size();
  return static_cast<std::int64_t>(size / kRecordLength + (size % kRecordLength >= kFragmentLength ? 1 : 0));
}

bool FileTable::LastRecordIncomplete(int number) const {
  const std::size_t rest = Get(number).data.size() % kRecordLength;
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
  const std::size_t start = static_cast<std::size_t>(recordNumber - 1) * kRecordLength;
  record.assign(file.data, start, kRecordLength);
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

std::int64_t FileTable::Lof(int number) const { return static_cast<std::int64_t>(Get(number).data.size()); }

}  // namespace qvl::files
