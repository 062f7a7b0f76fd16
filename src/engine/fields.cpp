#include "engine/fields.h"

#include "engine/input_record.h"
#include "engine/write_output.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

std::string JoinFields(const std::vector<Field>& fields, std::string_view delimiter) {
  std::string line;
  JoinFieldsInto(fields, delimiter, line);
  return line;
}

void JoinFieldsInto(std::span<const Field> fields, std::string_view delimiter, std::string& line) {
  line.clear();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += delimiter;
    if (fields[i].quoted) line += '"';
    line += fields[i].text;
    if (fields[i].quoted) line += '"';
  }
}

std::string AtWidth(std::string_view text, std::size_t width, Align align) {
  return align == Align::Left ? vb::PadRight(text, width) : vb::PadLeft(text, width);
}

std::string Filled(std::string_view text, std::size_t width, char fill, Align align) {
  if (text.size() >= width) return std::string(text);
  const std::string filling(width - text.size(), fill);
  return align == Align::Left ? std::string(text) + filling : filling + std::string(text);
}

std::string AmountInField(std::string_view amount, std::size_t width, char fill) {
  if (amount.size() > width)
    throw vb::Error(vb::kOverflow, "The amount " + std::string(amount) + " does not fit its field of " +
                                       std::to_string(width) + " characters.");
  return Filled(amount, width, fill, Align::Right);
}

std::string SlashedDate(std::string_view yyyymmdd) {
  return vb::Mid(yyyymmdd, 5, 2) + "/" + vb::Right(yyyymmdd, 2) + "/" + vb::Mid(yyyymmdd, 3, 2);
}

std::string JoinColumns(const std::vector<Column>& columns) {
  std::string line;
  for (const Column& c : columns) line += AtWidth(c.text, c.width, c.align);
  return line;
}

void WriteFields(QvLedgerloom& window, std::string_view delimiter, const std::vector<Field>& fields) {
  JoinFieldsInto(fields, delimiter, window.run.Build_OutRec);
  WriteOutputRec(window);
}

void WriteFields(QvLedgerloom& window, std::string_view delimiter, std::initializer_list<Field> fields) {
  JoinFieldsInto(std::span<const Field>(fields.begin(), fields.size()), delimiter, window.run.Build_OutRec);
  WriteOutputRec(window);
}

void WriteColumns(QvLedgerloom& window, const std::vector<Column>& columns) {
  window.run.Build_OutRec = JoinColumns(columns);
  WriteOutputRec(window);
}

vb::Currency NetAmount(const InputRecord& record) {
  return vb::AmountOf(record.View(InputRecord::kDebits)) - vb::AmountOf(record.View(InputRecord::kCredits));
}

bool HasAmountText(std::string_view trimmed) { return !trimmed.empty() && trimmed != ".00"; }

std::string SlashedRecordDate(const InputRecord& record) {
  const std::string date = record.date();
  return vb::Mid(date, 5, 2) + "/" + vb::Mid(date, 7, 2) + "/" + vb::Left(date, 4);
}

std::string TrimInPlace(InputRecord& record, InputRecord::Field field) {
  std::string trimmed = vb::Trim(record.Get(field));
  record.Set(field, trimmed);
  return trimmed;
}

}  // namespace qvl
