#pragma once
// Excel 5.0/95 workbooks made record by record, as that version lays them
// out: a "Book" stream in a compound file, a BOF of version 0x0500, byte
// strings in the workbook's code page, no shared strings. Cells are given as
// they are stored (RK words, cached formula results), so a test says exactly
// which record form it reads.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/workbook/biff.h"
#include "platform/workbook/cfb.h"

namespace qvl::workbook::detail::excel95 {

// Excel 5.0 and Excel 95 both write BOF version 0x0500; they tell
// themselves apart by the build and year fields.
enum class Version { Excel5, Excel95 };

// Cell formats: the 15 style formats and the plain one, then a date in a
// built-in format, a date in a format of the file's own, and an amount.
inline constexpr std::uint16_t kPlain = 15, kBuiltInDate = 16, kOwnDate = 17, kAmount = 18;

// An RK word: a whole number, or hundredths of one.
inline std::uint32_t RkWhole(std::int32_t v) { return static_cast<std::uint32_t>(v) << 2 | 0x2; }
inline std::uint32_t RkHundredths(std::int32_t v) { return static_cast<std::uint32_t>(v) << 2 | 0x3; }

class Builder {
 public:
  explicit Builder(Version version = Version::Excel5, std::uint16_t codePage = 1252, bool date1904 = false)
      : version_(version), codePage_(codePage), date1904_(date1904) {}

  // A worksheet named by its bytes in the code page; returns its index.
  int Sheet(std::string name) {
    sheets_.push_back({std::move(name), {}});
    return static_cast<int>(sheets_.size()) - 1;
  }

  void Number(int sheet, int row, int column, double v, std::uint16_t xf = kPlain) {
    ByteWriter b = Cell(row, column, xf);
    b.F64(v);
    Add(sheet, rec::kNumber, b);
  }
  void Rk(int sheet, int row, int column, std::uint32_t rk, std::uint16_t xf = kPlain) {
    ByteWriter b = Cell(row, column, xf);
    b.U32(rk);
    Add(sheet, rec::kRk, b);
  }
  // Consecutive cells of one row from `column` on.
  void MulRk(int sheet, int row, int column, const std::vector<std::uint32_t>& rks, std::uint16_t xf = kPlain) {
    ByteWriter b;
    b.U16(static_cast<std::uint16_t>(row));
    b.U16(static_cast<std::uint16_t>(column));
    for (std::uint32_t rk : rks) {
      b.U16(xf);
      b.U32(rk);
    }
    b.U16(static_cast<std::uint16_t>(column + static_cast<int>(rks.size()) - 1));
    Add(sheet, rec::kMulRk, b);
  }
  void Label(int sheet, int row, int column, const std::string& bytes, std::uint16_t xf = kPlain) {
    ByteWriter b = Cell(row, column, xf);
    ByteString(b, bytes, false);
    Add(sheet, rec::kLabel, b);
  }
  // A label with formatting runs (font changes at character positions).
  void RString(int sheet, int row, int column, const std::string& bytes) {
    ByteWriter b = Cell(row, column, kPlain);
    ByteString(b, bytes, false);
    b.U8(2);
    for (std::uint8_t at : {std::uint8_t{0}, std::uint8_t{1}}) {
      b.U8(at);
      b.U8(at == 0 ? 5 : 0);
    }
    Add(sheet, rec::kRString, b);
  }
  // Formulas with their cached results; the tokens are a reference to A1.
  void NumberFormula(int sheet, int row, int column, double cached, std::uint16_t xf = kPlain) {
    ByteWriter result;
    result.F64(cached);
    Formula(sheet, row, column, xf, result);
  }
  void TextFormula(int sheet, int row, int column, const std::string& cached) {
    ByteWriter result;
    result.Zeros(6);
    result.U16(0xFFFF);
    Formula(sheet, row, column, kPlain, result);
    ByteWriter text;
    ByteString(text, cached, false);
    Add(sheet, rec::kString, text);
  }
  void BooleanFormula(int sheet, int row, int column, bool cached) {
    ByteWriter result;
    result.U8(1);
    result.U8(0);
    result.U8(cached ? 1 : 0);
    result.Zeros(3);
    result.U16(0xFFFF);
    Formula(sheet, row, column, kPlain, result);
  }

  std::vector<std::uint8_t> Stream() const {
    ByteWriter out;
    Bof(out, 0x0005);
    Short(out, rec::kCodePage, codePage_);
    ByteWriter window;
    window.Zeros(10);
    window.U16(static_cast<std::uint16_t>(activeTab_));
    window.Zeros(6);
    out.Record(rec::kWindow1, window);
    Short(out, rec::kDate1904, date1904_ ? 1 : 0);
    for (int i = 0; i < 4; ++i) Font(out);
    ByteWriter format;
    format.U16(164);
    ByteString(format, "dd/mm/yyyy", true);
    out.Record(rec::kFormat, format);
    for (int i = 0; i < 16; ++i) Xf(out, 0);
    Xf(out, 14);   // m/d/yy
    Xf(out, 164);  // the file's own
    Xf(out, 4);    // #,##0.00
    std::vector<std::size_t> offsetFields;
    for (const auto& [name, records] : sheets_) {
      ByteWriter entry;
      offsetFields.push_back(out.size() + 4);
      entry.U32(0);
      entry.U16(0);
      ByteString(entry, name, true);
      out.Record(rec::kBoundSheet, entry);
    }
    out.Record(rec::kEof, ByteWriter());
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
      out.PatchU32(offsetFields[i], static_cast<std::uint32_t>(out.size()));
      Bof(out, 0x0010);
      out.Bytes(sheets_[i].second.bytes());
      out.Record(rec::kEof, ByteWriter());
    }
    return out.bytes();
  }

  // The whole file: the stream in a compound file, named as Excel 5.0/95 names it.
  std::vector<std::uint8_t> File() const { return InBookStream(Stream()); }

  // Any stream as the "Book" stream of a compound file.
  static std::vector<std::uint8_t> InBookStream(const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> file = WriteCompoundFile(stream);
    const std::size_t dirSector = file[48] | file[49] << 8 | file[50] << 16 | static_cast<std::size_t>(file[51]) << 24;
    const std::size_t entry = 512 * (dirSector + 1) + 128;
    const std::u16string name = u"Book";
    for (std::size_t i = 0; i < 32; ++i) file[entry + i] = 0;
    for (std::size_t i = 0; i < name.size(); ++i) file[entry + 2 * i] = static_cast<std::uint8_t>(name[i]);
    file[entry + 64] = static_cast<std::uint8_t>(2 * (name.size() + 1));
    return file;
  }

  void ActiveTab(int index) { activeTab_ = index; }

 private:
  static ByteWriter Cell(int row, int column, std::uint16_t xf) {
    ByteWriter b;
    b.U16(static_cast<std::uint16_t>(row));
    b.U16(static_cast<std::uint16_t>(column));
    b.U16(xf);
    return b;
  }
  static void ByteString(ByteWriter& b, const std::string& bytes, bool shortLength) {
    if (shortLength) {
      b.U8(static_cast<std::uint8_t>(bytes.size()));
    } else {
      b.U16(static_cast<std::uint16_t>(bytes.size()));
    }
    for (char c : bytes) b.U8(static_cast<std::uint8_t>(c));
  }
  static void Short(ByteWriter& out, std::uint16_t id, std::uint16_t v) {
    ByteWriter b;
    b.U16(v);
    out.Record(id, b);
  }
  void Bof(ByteWriter& out, std::uint16_t type) const {
    ByteWriter b;
    b.U16(0x0500);
    b.U16(type);
    b.U16(version_ == Version::Excel5 ? 0x096C : 0x0DBB);  // build
    b.U16(version_ == Version::Excel5 ? 1993 : 1995);      // year
    out.Record(rec::kBof, b);
  }
  static void Font(ByteWriter& out) {
    ByteWriter b;
    b.U16(200);
    b.U16(0);
    b.U16(0x7FFF);
    b.U16(400);
    b.Zeros(6);
    ByteString(b, "Arial", true);
    out.Record(rec::kFont, b);
  }
  static void Xf(ByteWriter& out, std::uint16_t format) {
    ByteWriter b;
    b.U16(0);
    b.U16(format);
    b.U16(0x0001);
    b.Zeros(10);
    out.Record(rec::kXf, b);
  }
  void Formula(int sheet, int row, int column, std::uint16_t xf, const ByteWriter& result) {
    ByteWriter b = Cell(row, column, xf);
    b.Bytes(result.bytes());
    b.U16(0);  // options
    b.U32(0);
    const std::vector<std::uint8_t> tokens = {0x44, 0x00, 0x00, 0x00};  // tRefV A1, 3-byte address
    b.U16(static_cast<std::uint16_t>(tokens.size()));
    b.Bytes(tokens);
    Add(sheet, rec::kFormula, b);
  }
  void Add(int sheet, std::uint16_t id, const ByteWriter& body) {
    sheets_.at(static_cast<std::size_t>(sheet)).second.Record(id, body);
  }

  Version version_;
  std::uint16_t codePage_;
  bool date1904_;
  int activeTab_ = 0;
  std::vector<std::pair<std::string, ByteWriter>> sheets_;
};

}  // namespace qvl::workbook::detail::excel95
