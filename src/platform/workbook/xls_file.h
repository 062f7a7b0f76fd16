#pragma once
// Workbook files: the container around the workbook stream, and the host
// file system's failures as the program's run-time errors.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/workbook/model.h"

namespace qvl::workbook::detail {

// The complete .xls file of a book. Throws std::length_error when the book
// needs more cell formats than the format holds.
std::vector<std::uint8_t> EncodeXls(BookData& book);
// Fills an empty book from a file's bytes. Throws FormatError.
void DecodeXls(std::span<const std::uint8_t> file, const std::shared_ptr<BookData>& book);

// Writes the book over `host` through a temporary file beside it, so a
// failed save never leaves a half-written workbook. Raises vb::Error:
// 76 for a missing folder, 70 for a file or folder that may not be written,
// 75 for a folder in its place, 1004 for a book the format cannot hold, and
// the host's other failures as files::IoError numbers them (61 disk full).
void SaveXlsFile(BookData& book, const std::filesystem::path& host);
// Raises vb::Error: 53 for a missing file, 70/75 when it cannot be read,
// 1004 naming `shownPath` when it is not a readable Excel 97-2003 or 5.0/95
// workbook.
void LoadXlsFile(const std::filesystem::path& host, std::string_view shownPath, const std::shared_ptr<BookData>& book);

}  // namespace qvl::workbook::detail
