// Any bytes opened as a workbook: the reader either fills a book or refuses
// the file with FormatError, within bounded time and memory. Whatever it
// reads, every cell can be shown and the book saved and read back again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>

#include "platform/workbook/biff.h"
#include "platform/workbook/model.h"
#include "platform/workbook/number_format.h"
#include "platform/workbook/xls_file.h"

using namespace qvl::workbook::detail;

// Keeps the shown texts from being optimised away.
std::size_t shownCharacters = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto book = std::make_shared<BookData>();
  try {
    DecodeXls(std::span<const std::uint8_t>(data, size), book);
  } catch (const FormatError&) {
    return 0;
  }
  for (auto& sheet : book->sheets) {
    sheet->Recalculate();
    for (const Row& row : sheet->rows) {
      for (const Cell& c : row.cells) {
        const std::string& mask = book->styles->Get(c.style).numberFormat;
        if (c.kind == CellKind::Number) shownCharacters += FormatNumber(c.number, mask).size();
        if (c.kind == CellKind::Text) shownCharacters += FormatText(c.text, mask).size();
      }
    }
  }
  std::vector<std::uint8_t> saved;
  try {
    saved = EncodeXls(*book);
  } catch (const std::length_error&) {
    return 0;  // more cell formats than a workbook holds: refused on saving
  }
  auto again = std::make_shared<BookData>();
  try {
    DecodeXls(saved, again);
  } catch (const FormatError&) {
    __builtin_trap();  // we wrote a file we cannot read
  }
  if (again->sheets.size() != book->sheets.size()) __builtin_trap();
  return 0;
}
