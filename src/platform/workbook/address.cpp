#include "platform/workbook/address.h"

#include <algorithm>

#include "platform/workbook/model.h"

namespace qvl::workbook::detail {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters of a column ("B", "iv"); 0 when not a column of the sheet.
int ReadColumn(std::string_view text, std::size_t& pos) {
  int column = 0;
  std::size_t start = pos;
  while (pos < text.size() && IsLetter(text[pos]) && pos - start < 3) {
    column = column * 26 + ((text[pos] | 0x20) - 'a' + 1);
    ++pos;
  }
  if (pos == start || column > kMaxColumns || (pos < text.size() && IsLetter(text[pos]))) {
    pos = start;
    return 0;
  }
  return column;
}

int ReadRow(std::string_view text, std::size_t& pos) {
  long row = 0;
  std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos]) && pos - start < 6) row = row * 10 + (text[pos++] - '0');
  if (pos == start || row < 1 || row > kMaxRows || (pos < text.size() && IsDigit(text[pos]))) {
    pos = start;
    return 0;
  }
  return static_cast<int>(row);
}

}  // namespace

std::string ColumnName(int column) {
  std::string name;
  for (; column > 0; column = (column - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
  return name;
}

std::string CellName(const CellRef& ref) {
  std::string name;
  if (ref.absColumn) name += '$';
  name += ColumnName(ref.column);
  if (ref.absRow) name += '$';
  name += std::to_string(ref.row);
  return name;
}

std::optional<CellRef> ReadCellRef(std::string_view text, std::size_t& pos) {
  std::size_t start = pos;
  CellRef ref;
  if (pos < text.size() && text[pos] == '$') {
    ref.absColumn = true;
    ++pos;
  }
  ref.column = ReadColumn(text, pos);
  if (ref.column != 0 && pos < text.size() && text[pos] == '$') {
    ref.absRow = true;
    ++pos;
  }
  if (ref.column != 0) ref.row = ReadRow(text, pos);
  if (ref.column == 0 || ref.row == 0) {
    pos = start;
    return std::nullopt;
  }
  return ref;
}

std::optional<Area> ParseAddress(std::string_view address) {
  std::size_t colon = address.find(':');
  std::string_view first = address.substr(0, colon);
  std::string_view second = colon == std::string_view::npos ? first : address.substr(colon + 1);
  auto strip = [](std::string_view s) {
    std::string out;
    for (char c : s) {
      if (c != '$') out += c;
    }
    return out;
  };
  std::string a = strip(first), b = strip(second);
  Area area;
  std::size_t pa = 0, pb = 0;
  if (auto ra = ReadCellRef(a, pa); ra && pa == a.size()) {
    auto rb = ReadCellRef(b, pb);
    if (!rb || pb != b.size()) return std::nullopt;
    area = {ra->row, ra->column, rb->row, rb->column};
  } else if (colon == std::string_view::npos) {
    return std::nullopt;
  } else if (int c1 = ReadColumn(a, pa = 0); c1 && pa == a.size()) {
    int c2 = ReadColumn(b, pb);
    if (!c2 || pb != b.size()) return std::nullopt;
    area = {1, c1, kMaxRows, c2};
  } else if (int r1 = ReadRow(a, pa = 0); r1 && pa == a.size()) {
    int r2 = ReadRow(b, pb);
    if (!r2 || pb != b.size()) return std::nullopt;
    area = {r1, 1, r2, kMaxColumns};
  } else {
    return std::nullopt;
  }
  if (area.row1 > area.row2) std::swap(area.row1, area.row2);
  if (area.column1 > area.column2) std::swap(area.column1, area.column2);
  return area;
}

}  // namespace qvl::workbook::detail
