#pragma once
// The record layer of the workbook stream: little-endian writing and
// bounds-checked reading of record bodies, the Unicode string forms, and
// reading strings that run on into CONTINUE records.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::workbook::detail {

// A file that is not a workbook this layer can read, or a damaged one.
// The object model turns it into a vb::Error naming the file.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace rec {
inline constexpr std::uint16_t kFormula = 0x0006, kEof = 0x000A, kCalcCount = 0x000C, kCalcMode = 0x000D,
                               kCalcPrecision = 0x000E, kCalcRefMode = 0x000F, kCalcDelta = 0x0010,
                               kCalcIter = 0x0011, kProtect = 0x0012, kPassword = 0x0013, kHeader = 0x0014,
                               kFooter = 0x0015, kWinProtect = 0x0019, kDate1904 = 0x0022,
                               kPrintRowCol = 0x002A, kPrintGrid = 0x002B, kFilePass = 0x002F,
                               kFont = 0x0031, kContinue = 0x003C, kWindow1 = 0x003D, kBackup = 0x0040,
                               kCodePage = 0x0042, kDefColWidth = 0x0055, kWriteAccess = 0x005C,
                               kCalcSaveRecalc = 0x005F, kColInfo = 0x007D, kGuts = 0x0080, kWsBool = 0x0081,
                               kGridSet = 0x0082, kHCenter = 0x0083, kVCenter = 0x0084, kBoundSheet = 0x0085,
                               kCountry = 0x008C, kHideObj = 0x008D, kSetup = 0x00A1, kMulRk = 0x00BD,
                               kMulBlank = 0x00BE, kMms = 0x00C1, kRString = 0x00D6, kDbCell = 0x00D7,
                               kBookBool = 0x00DA, kXf = 0x00E0, kInterfaceHdr = 0x00E1,
                               kInterfaceEnd = 0x00E2, kSst = 0x00FC, kLabelSst = 0x00FD, kExtSst = 0x00FF,
                               kRrTabId = 0x013D, kUsesElfs = 0x0160, kDsf = 0x0161, kProt4Rev = 0x01AF,
                               kRefreshAll = 0x01B7, kProt4RevPass = 0x01BC, kDimensions = 0x0200,
                               kBlank = 0x0201, kNumber = 0x0203, kLabel = 0x0204, kBoolErr = 0x0205,
                               kString = 0x0207, kRow = 0x0208, kIndex = 0x020B, kDefaultRowHeight = 0x0225,
                               kWindow2 = 0x023E, kRk = 0x027E, kStyle = 0x0293, kFormat = 0x041E,
                               kBof = 0x0809;
}  // namespace rec

// Most bytes a record body may hold; longer data goes on in CONTINUE records.
inline constexpr std::size_t kMaxRecordData = 8224;
// The cell format (XF) of a plain cell.
inline constexpr std::uint16_t kDefaultXf = 15;

class ByteWriter {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void F64(double v);
  void Bytes(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  // Characters one byte each when `compressed` (all below U+0100), else two.
  void Chars(std::u16string_view text, bool compressed);
  void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void PatchU16(std::size_t at, std::uint16_t v);
  void PatchU32(std::size_t at, std::uint32_t v);

  // A whole record: header and body. The body must fit one record.
  void Record(std::uint16_t id, const ByteWriter& body);
  void Record(std::uint16_t id, std::span<const std::uint8_t> body);

  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// The string forms: characters stored one byte each when all are below
// U+0100, else two bytes each. The length field is 2 bytes (XLUnicodeString)
// or 1 byte (ShortXLUnicodeString: sheet and font names).
void WriteUnicodeString(ByteWriter& out, std::string_view text, bool shortLength = false);

class DataReader {
 public:
  explicit DataReader(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  double F64();
  std::span<const std::uint8_t> Bytes(std::size_t n);
  void Skip(std::size_t n) { Bytes(n); }
  std::size_t remaining() const { return data_.size() - pos_; }
  std::size_t position() const { return pos_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

// Reads an XLUnicodeString (or the short form) that lies within one record.
std::string ReadUnicodeString(DataReader& in, bool shortLength = false);

// The byte strings of Excel 5.0/95 workbooks, in the code page their
// CODEPAGE record names (Windows-1252 when there is none). Characters
// without a Windows-1252 form, and bytes the code page does not define,
// become "?".
class CodePage {
 public:
  explicit CodePage(std::uint16_t id = 1252);
  ~CodePage();
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;

  std::string Decode(std::span<const std::uint8_t> bytes) const;
  // A string of a 1-byte (`shortLength`) or 2-byte length and its bytes.
  std::string Read(DataReader& in, bool shortLength = false) const;

 private:
  bool windows1252_ = true;
  void* converter_ = nullptr;  // iconv_t, when the code page is another one
};

// A record body followed by its CONTINUE records, read as one run of bytes,
// except that where a string's characters cross into the next record that
// record starts with a fresh option byte (and may switch the character width).
class ContinuedReader {
 public:
  explicit ContinuedReader(std::vector<std::span<const std::uint8_t>> parts) : parts_(std::move(parts)) {}
  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  void Skip(std::size_t n);
  // A whole XLUnicodeRichExtendedString (SST entry or STRING record).
  std::string ReadString();
  bool AtEnd();

 private:
  bool NextPart();
  std::vector<std::span<const std::uint8_t>> parts_;
  std::size_t part_ = 0;
  std::size_t pos_ = 0;
};

}  // namespace qvl::workbook::detail
