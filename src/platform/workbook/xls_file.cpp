#include "platform/workbook/xls_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files/host_error.h"
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

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

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
  if (size > kMaxFileSize) throw refuse("it is far larger than any Excel 97-2003 workbook");

  Descriptor fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw files::OpenError(errno, files::Access::kRead, host);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw files::IoError(errno);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  try {
    DecodeXls(bytes, book);
  } catch (const FormatError& e) {
    throw refuse(e.what());
  }
}

}  // namespace qvl::workbook::detail
