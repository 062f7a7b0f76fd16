#pragma once
// The Compound File container around the workbook stream: a small file
// system of 512-byte sectors with an allocation table (FAT, extended by
// DIFAT sectors for large files) and a directory. We write one stream,
// "Workbook", always at least 4096 bytes so that it lives in regular
// sectors; the reader also follows the mini stream of other writers' files.
#include <cstdint>
#include <span>
#include <vector>

namespace qvl::workbook::detail {

// The complete file holding `workbook` as its "Workbook" stream. Streams
// shorter than 4096 bytes are padded with zeros after their last record.
std::vector<std::uint8_t> WriteCompoundFile(std::span<const std::uint8_t> workbook);

// The workbook stream of a compound file: "Workbook" (Excel 97-2003), else
// "Book" (Excel 5.0/95). Throws FormatError for anything else (a zip-based
// .xlsx, a text file, a damaged or truncated container, an Excel 4.0 or
// older workbook, whose records are the whole file).
std::vector<std::uint8_t> ReadWorkbookStream(std::span<const std::uint8_t> file);

}  // namespace qvl::workbook::detail
