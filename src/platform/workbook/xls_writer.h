#pragma once
// The workbook stream of an Excel 97-2003 file (BIFF8 records) for a book:
// globals (fonts, number formats, cell formats, sheets, shared strings) and
// one substream per sheet (column widths, rows, cells, window settings).
#include <cstdint>
#include <vector>

#include "platform/workbook/model.h"

namespace qvl::workbook::detail {

// Formulas are recalculated first so the file carries their results.
// Throws std::length_error when the book needs more cell formats than the
// file format holds.
std::vector<std::uint8_t> BuildWorkbookStream(BookData& book);

}  // namespace qvl::workbook::detail
