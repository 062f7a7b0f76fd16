#pragma once
// Reads the workbook stream of an Excel 97-2003 file into a book: our own
// files with everything they carry (values, formulas, number formats, fonts,
// alignment, borders, column widths, row and column formats, several
// sheets), and the values of files other programs wrote (shared strings with
// CONTINUE records, RK and MULRK numbers, labels, blanks, booleans and
// errors, formulas by their cached results, dates by their cells' formats).
// Excel 5.0/95 workbooks (BIFF5 and BIFF7) are read for their values alone:
// byte strings in the workbook's code page, LABEL and RSTRING cells, the
// same numbers, and formulas by their cached results.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/workbook/model.h"

namespace qvl::workbook::detail {

// Fills an empty book. Throws FormatError for a stream that is not a BIFF5,
// BIFF7 or BIFF8 workbook or is damaged; reading is bounded by the stream's
// size.
void ParseWorkbookStream(std::span<const std::uint8_t> stream, const std::shared_ptr<BookData>& book);

}  // namespace qvl::workbook::detail
