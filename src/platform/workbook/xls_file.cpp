#include "platform/workbook/xls_file.h"

#include <unistd.h>

#include <string>

#include "platform/files/whole_files.h"
#include "platform/vb/error.h"
#include "platform/workbook/biff.h"
#include "platform/workbook/cfb.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/xls_reader.h"
#include "platform/workbook/xls_writer.h"

namespace qvl::workbook::detail {
namespace {

// Larger files are no workbook the system reads; refusing them keeps a
// damaged or wrong file from exhausting memory.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{512} << 20;

}  // namespace

std::vector<std::uint8_t> EncodeXls(BookData& book) { return WriteCompoundFile(BuildWorkbookStream(book)); }

void DecodeXls(std::span<const std::uint8_t> file, const std::shared_ptr<BookData>& book) {
  std::vector<std::uint8_t> stream = ReadWorkbookStream(file);
  try {
    ParseWorkbookStream(stream, book);
  } catch (const std::logic_error&) {
    // Beyond what any workbook holds (cell formats, sheet limits).
    throw FormatError("the workbook's structure is damaged");
  }
}

void SaveXlsFile(BookData& book, const std::filesystem::path& host) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = EncodeXls(book);
  } catch (const std::length_error&) {
    throw vb::Error(kApplicationError, "The workbook uses more different cell formats than an Excel 97-2003 workbook can hold.");
  }
  std::error_code ec;
  std::filesystem::path folder = host.has_parent_path() ? host.parent_path() : std::filesystem::path(".");
  if (!std::filesystem::is_directory(folder, ec)) throw vb::PathNotFound();
  if (std::filesystem::is_directory(host, ec)) throw vb::PathFileAccessError();
  // A read-only workbook is not replaced, as on the system the files come from.
  if (std::filesystem::exists(host, ec) && ::access(host.c_str(), W_OK) != 0) throw vb::PermissionDenied();

  files::ReplaceFileContents(host, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void LoadXlsFile(const std::filesystem::path& host, std::string_view shownPath, const std::shared_ptr<BookData>& book) {
  std::error_code ec;
  auto status = std::filesystem::status(host, ec);
  if (!std::filesystem::exists(status)) throw vb::FileNotFound();
  if (std::filesystem::is_directory(status)) throw vb::PathFileAccessError();
  auto size = std::filesystem::file_size(host, ec);
  if (ec) throw vb::PathFileAccessError();
  auto refuse = [&](const std::string& reason) {
    return vb::Error(kApplicationError, "Cannot open \"" + std::string(shownPath) + "\": " + reason + ".");
  };
  if (size > kMaxFileSize) throw refuse("it is far larger than any Excel workbook");

  const std::string bytes = files::ReadFileContents(host);
  try {
    DecodeXls(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), book);
  } catch (const FormatError& e) {
    throw refuse(e.what());
  }
}

}  // namespace qvl::workbook::detail
