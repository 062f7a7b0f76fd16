#include "engine/input_record.h"

#include <algorithm>

#include "platform/files/numbered_files.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"

namespace qvl {

static_assert(InputRecord::kLength == files::kRecordLength);

InputRecord::InputRecord() {
  bytes_.fill(' ');
  SetLineEnd("\r\n");
}

namespace {

// The value cut to the width, or blank-padded on the right up to it.
void StorePadded(char* to, std::size_t width, std::string_view value) {
  const std::size_t n = std::min(width, value.size());
  std::copy_n(value.data(), n, to);
  std::fill(to + n, to + width, ' ');
}

}  // namespace

void InputRecord::Set(Field f, std::string_view value) { StorePadded(bytes_.data() + Offset(f), Width(f), value); }

void InputRecord::SetText(std::string_view record) { StorePadded(bytes_.data(), kLength, record); }

void LineToDelim(std::string_view line, InputRecord& record) {
  std::size_t start = 0;
  for (std::size_t k = 0; k < InputRecord::kValueFields; ++k) {
    const auto field = static_cast<InputRecord::Field>(k);
    if (field == InputRecord::kCredits) {
      record.Set(field, line.substr(start));
      break;
    }
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) throw vb::InvalidProcedureCall();
    record.Set(field, line.substr(start, comma - start));
    start = comma + 1;
  }
}

void ValuesToRecord(const std::vector<std::string>& values, InputRecord& record) {
  for (std::size_t k = 0; k < InputRecord::kValueFields; ++k) {
    record.Set(static_cast<InputRecord::Field>(k), k < values.size() ? std::string_view(values[k]) : "");
  }
}

InputRecord RecordOfLine(const LineFields& line) {
  InputRecord record;
  record.SetDate(line.date);
  record.SetBranch(line.branch);
  record.SetAccount(line.account);
  record.SetDebits(line.debits);
  record.SetCredits(line.credits);
  return record;
}

bool GetRecord(files::FileTable& files, int number, InputRecord& record) {
  thread_local std::string bytes;  // kept: one record at a time, read very often
  if (!files.GetRecord(number, bytes)) return false;
  record.SetText(bytes);
  return true;
}

bool GetRecord(files::FileTable& files, int number, std::int64_t recordNumber, InputRecord& record) {
  std::string bytes;
  if (!files.GetRecord(number, recordNumber, bytes)) return false;
  record.SetText(bytes);
  return true;
}

}  // namespace qvl
