#include "platform/workbook/xls_reader.h"

#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/workbook/biff.h"
#include "platform/workbook/number_format.h"

namespace qvl::workbook::detail {
namespace {

constexpr double kDays1904 = 1462;  // from the 1904 date system to the 1900 one
constexpr double kErrorNum = 0x24;  // #NUM!

struct RecordView {
  std::uint16_t id = 0;
  std::span<const std::uint8_t> data;
};

class RecordCursor {
 public:
  RecordCursor(std::span<const std::uint8_t> stream, std::size_t position) : stream_(stream), pos_(position) {}

  // The next record; false at the end of the stream.
  bool Next(RecordView& r) {
    if (pos_ + 4 > stream_.size()) return false;
    r.id = static_cast<std::uint16_t>(stream_[pos_] | stream_[pos_ + 1] << 8);
    std::size_t length = stream_[pos_ + 2] | stream_[pos_ + 3] << 8;
    if (pos_ + 4 + length > stream_.size()) throw FormatError("the file is truncated");
    r.data = stream_.subspan(pos_ + 4, length);
    pos_ += 4 + length;
    return true;
  }

  // The record and the CONTINUE records that follow it.
  std::vector<std::span<const std::uint8_t>> WithContinues(const RecordView& first) {
    std::vector<std::span<const std::uint8_t>> parts{first.data};
    for (;;) {
      std::size_t before = pos_;
      RecordView r;
      if (!Next(r)) break;
      if (r.id != rec::kContinue) {
        pos_ = before;
        break;
      }
      parts.push_back(r.data);
    }
    return parts;
  }

 private:
  std::span<const std::uint8_t> stream_;
  std::size_t pos_;
};

struct FontInfo {
  bool bold = false;
  bool underline = false;
};

struct XfInfo {
  std::uint16_t font = 0;
  std::uint16_t format = 0;
  std::uint8_t horizontal = 0;
  std::array<std::uint8_t, 4> borders{};
};

struct SheetEntry {
  std::uint32_t offset = 0;
  std::uint8_t type = 0;
  std::string name;
};

struct Globals {
  std::vector<FontInfo> fonts;
  std::map<std::uint16_t, std::string> formats;
  std::vector<XfInfo> xfs;
  std::vector<SheetEntry> sheets;
  std::vector<std::string> strings;
  int activeTab = 0;
  bool date1904 = false;
  // Excel 5.0/95 (BIFF5 and BIFF7): byte strings in the code page, no
  // shared strings, formulas in an older token form.
  bool byteStrings = false;
  std::uint16_t codePage = 1252;
};

constexpr std::uint16_t kBiff5 = 0x0500, kBiff8 = 0x0600;

// The BOF records of Excel 4.0 and earlier files.
bool IsOldBof(std::uint16_t id) { return id == 0x0009 || id == 0x0209 || id == 0x0409; }

// The version of the stream the BOF record begins.
std::uint16_t CheckBof(const RecordView& r, std::uint16_t substream) {
  constexpr const char* kTooOld = "it is a workbook of an older format than Excel 5.0/95";
  if (IsOldBof(r.id)) throw FormatError(kTooOld);
  if (r.id != rec::kBof || r.data.size() < 4) throw FormatError("it is not an Excel workbook");
  DataReader in(r.data);
  std::uint16_t version = in.U16();
  std::uint16_t type = in.U16();
  if (version < kBiff5) throw FormatError(kTooOld);
  if (version != kBiff5 && version != kBiff8) throw FormatError("it is a workbook of a format this program does not know");
  if (type != substream) throw FormatError("the workbook's structure is damaged");
  return version;
}

std::vector<std::string> ReadSharedStrings(std::vector<std::span<const std::uint8_t>> parts) {
  ContinuedReader in(std::move(parts));
  in.U32();  // references to the table
  std::uint32_t unique = in.U32();
  std::vector<std::string> strings;
  while (strings.size() < unique && !in.AtEnd()) strings.push_back(in.ReadString());
  return strings;
}

Globals ReadGlobals(std::span<const std::uint8_t> stream) {
  Globals g;
  RecordCursor cursor(stream, 0);
  RecordView r;
  if (!cursor.Next(r)) throw FormatError("the workbook is empty");
  g.byteStrings = CheckBof(r, 0x0005) == kBiff5;
  // Byte strings are kept as they are until the code page is certain.
  auto text = [&](DataReader& in, bool shortLength) {
    if (!g.byteStrings) return ReadUnicodeString(in, shortLength);
    auto length = shortLength ? in.U8() : in.U16();
    auto bytes = in.Bytes(length);
    return std::string(bytes.begin(), bytes.end());
  };
  for (;;) {
    if (!cursor.Next(r)) throw FormatError("the file is truncated");
    DataReader in(r.data);
    switch (r.id) {
      case rec::kEof:
        if (g.byteStrings) {
          CodePage page(g.codePage);
          auto decode = [&](std::string& s) {
            s = page.Decode(std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
          };
          for (auto& [id, format] : g.formats) decode(format);
          for (SheetEntry& sheet : g.sheets) decode(sheet.name);
        }
        return g;
      case rec::kCodePage:
        g.codePage = in.U16();
        break;
      case rec::kFilePass:
        throw FormatError("it is protected with a password");
      case rec::kWindow1:
        in.Skip(10);
        g.activeTab = in.U16();
        break;
      case rec::kDate1904:
        g.date1904 = in.U16() == 1;
        break;
      case rec::kFont: {
        in.Skip(6);
        FontInfo f;
        f.bold = in.U16() >= 700;
        in.U16();
        f.underline = in.U8() != 0;
        g.fonts.push_back(f);
        break;
      }
      case rec::kFormat: {
        std::uint16_t id = in.U16();
        g.formats[id] = text(in, g.byteStrings);
        break;
      }
      case rec::kXf: {
        XfInfo x;
        x.font = in.U16();
        x.format = in.U16();
        in.U16();
        x.horizontal = in.U8() & 0x07;
        if (g.byteStrings) {
          // Left, right, top, bottom line styles, packed as Excel 5.0 packs them.
          in.Skip(1);
          std::uint32_t fill = in.U32(), lines = in.U32();
          x.borders = {static_cast<std::uint8_t>((lines >> 3) & 7), static_cast<std::uint8_t>((lines >> 6) & 7),
                       static_cast<std::uint8_t>(lines & 7), static_cast<std::uint8_t>((fill >> 22) & 7)};
        } else {
          in.Skip(3);
          std::uint32_t lines = in.U32();
          for (int e = 0; e < 4; ++e) x.borders[static_cast<std::size_t>(e)] = (lines >> (4 * e)) & 0x0F;
        }
        g.xfs.push_back(x);
        break;
      }
      case rec::kBoundSheet: {
        SheetEntry s;
        s.offset = in.U32();
        in.U8();
        s.type = in.U8();
        s.name = text(in, true);
        g.sheets.push_back(std::move(s));
        break;
      }
      case rec::kSst:
        if (g.byteStrings) break;
        g.strings = ReadSharedStrings(cursor.WithContinues(r));
        break;
      default:
        break;
    }
  }
}

// XF indexes of the file to styles of the book.
class StyleMap {
 public:
  StyleMap(const Globals& g, StyleTable& table) : g_(g), table_(table) {}

  std::uint16_t Style(std::uint16_t xf) {
    auto it = ids_.find(xf);
    if (it != ids_.end()) return it->second;
    CellStyle s;
    if (xf < g_.xfs.size()) {
      const XfInfo& x = g_.xfs[xf];
      std::size_t font = x.font < 4 ? x.font : x.font - 1u;
      if (font < g_.fonts.size()) {
        s.bold = g_.fonts[font].bold;
        s.underline = g_.fonts[font].underline;
      }
      s.numberFormat = Format(x.format);
      s.horizontal = x.horizontal;
      s.borders = x.borders;
    }
    std::uint16_t id = table_.Intern(s);
    ids_.emplace(xf, id);
    return id;
  }

  bool IsDate(std::uint16_t style) const { return IsDateFormat(table_.Get(style).numberFormat); }

 private:
  std::string Format(std::uint16_t id) const {
    auto it = g_.formats.find(id);
    if (it != g_.formats.end()) return it->second;
    std::string_view builtIn = BuiltInFormat(id);
    return builtIn.empty() ? "General" : std::string(builtIn);
  }

  const Globals& g_;
  StyleTable& table_;
  std::map<std::uint16_t, std::uint16_t> ids_;
};

double FromRk(std::uint32_t rk) {
  double v = (rk & 0x2) ? static_cast<double>(static_cast<std::int32_t>(rk) >> 2)
                        : std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
  return (rk & 0x1) ? v / 100 : v;
}

// Memory the cells of a book may take, in proportion to its file: a few
// records far down or far right must not make every sheet allocate whole
// empty rows and columns without end.
class Budget {
 public:
  explicit Budget(std::size_t streamSize) : left_((std::size_t{64} << 20) + 64 * streamSize) {}
  void Spend(std::size_t bytes) {
    if (bytes > left_) throw FormatError("the workbook claims far more cells than its file holds");
    left_ -= bytes;
  }

 private:
  std::size_t left_;
};

class SheetReader {
 public:
  SheetReader(std::span<const std::uint8_t> stream, const Globals& g, StyleMap& styles, SheetData& sheet,
              Budget& budget)
      : stream_(stream), g_(g), styles_(styles), sheet_(sheet), budget_(budget), page_(g.byteStrings ? g.codePage : 1252) {}

  void Read(std::uint32_t offset) {
    if (offset >= stream_.size()) throw FormatError("a sheet lies outside the workbook");
    RecordCursor cursor(stream_, offset);
    RecordView r;
    if (!cursor.Next(r)) throw FormatError("the file is truncated");
    if (CheckBof(r, 0x0010) != (g_.byteStrings ? kBiff5 : kBiff8)) {
      throw FormatError("the workbook's structure is damaged");
    }
    int nested = 0;  // charts and other objects embedded in the sheet
    for (;;) {
      if (!cursor.Next(r)) throw FormatError("the file is truncated");
      if (r.id == rec::kBof) {
        ++nested;
        continue;
      }
      if (r.id == rec::kEof) {
        if (nested-- == 0) return;
        continue;
      }
      if (nested > 0) continue;
      if (r.id == rec::kString) {
        ReadFormulaString(cursor.WithContinues(r));
      } else {
        Record(r);
      }
    }
  }

 private:
  // Rows and columns count from 0 here.
  void Reserve(int row, int columns) {
    std::size_t rows = sheet_.rows.size(), grow = 0;
    if (rows <= static_cast<std::size_t>(row)) grow += (static_cast<std::size_t>(row) + 1 - rows) * sizeof(Row);
    std::size_t cells = static_cast<std::size_t>(row) < rows ? sheet_.rows[static_cast<std::size_t>(row)].cells.size() : 0;
    if (cells < static_cast<std::size_t>(columns)) grow += (static_cast<std::size_t>(columns) - cells) * sizeof(Cell);
    budget_.Spend(grow);
  }

  Cell* Place(int row, int column, std::uint16_t xf) {
    if (column >= kMaxColumns) return nullptr;
    Reserve(row, column + 1);
    Cell& c = sheet_.At(row + 1, column + 1);
    c.style = styles_.Style(xf);
    return &c;
  }

  void SetNumber(int row, int column, std::uint16_t xf, double v) {
    Cell* c = Place(row, column, xf);
    if (!c) return;
    if (!std::isfinite(v)) {
      // Not a number any cell can hold: shown as the error it would give.
      c->kind = CellKind::Error;
      c->number = kErrorNum;
      return;
    }
    c->kind = CellKind::Number;
    c->number = g_.date1904 && styles_.IsDate(c->style) ? v + kDays1904 : v;
  }

  void Record(const RecordView& r) {
    DataReader in(r.data);
    switch (r.id) {
      case rec::kColInfo: {
        int first = in.U16(), last = in.U16();
        std::uint16_t width = in.U16(), xf = in.U16();
        std::uint16_t style = xf == kDefaultXf ? 0 : styles_.Style(xf);
        for (int c = first; c <= last && c < kMaxColumns; ++c) {
          Column& col = sheet_.columns[static_cast<std::size_t>(c)];
          col.width = width;
          col.hasStyle = style != 0;
          col.style = style;
        }
        break;
      }
      case rec::kRow: {
        int row = in.U16();
        in.Skip(10);
        std::uint32_t flags = in.U32();
        if (flags & 0x80) {
          std::uint16_t style = styles_.Style(static_cast<std::uint16_t>((flags >> 16) & 0x0FFF));
          if (style != 0) {
            Reserve(row, 0);
            if (sheet_.rows.size() <= static_cast<std::size_t>(row)) sheet_.rows.resize(static_cast<std::size_t>(row) + 1);
            sheet_.rows[static_cast<std::size_t>(row)].hasStyle = true;
            sheet_.rows[static_cast<std::size_t>(row)].style = style;
          }
        }
        break;
      }
      case rec::kNumber: {
        int row = in.U16(), col = in.U16();
        std::uint16_t xf = in.U16();
        SetNumber(row, col, xf, in.F64());
        break;
      }
      case rec::kRk: {
        int row = in.U16(), col = in.U16();
        std::uint16_t xf = in.U16();
        SetNumber(row, col, xf, FromRk(in.U32()));
        break;
      }
      case rec::kMulRk: {
        int row = in.U16(), col = in.U16();
        std::size_t count = (r.data.size() - 6) / 6;
        for (std::size_t i = 0; i < count; ++i) {
          std::uint16_t xf = in.U16();
          SetNumber(row, col + static_cast<int>(i), xf, FromRk(in.U32()));
        }
        break;
      }
      case rec::kLabelSst: {
        int row = in.U16(), col = in.U16();
        std::uint16_t xf = in.U16();
        std::uint32_t index = in.U32();
        SetText(row, col, xf, index < g_.strings.size() ? g_.strings[index] : std::string());
        break;
      }
      case rec::kLabel:
      case rec::kRString: {
        int row = in.U16(), col = in.U16();
        std::uint16_t xf = in.U16();
        SetText(row, col, xf, g_.byteStrings ? page_.Read(in) : ReadUnicodeString(in));
        break;
      }
      case rec::kBlank: {
        int row = in.U16(), col = in.U16();
        Place(row, col, in.U16());
        break;
      }
      case rec::kMulBlank: {
        int row = in.U16(), col = in.U16();
        std::size_t count = (r.data.size() - 6) / 2;
        for (std::size_t i = 0; i < count; ++i) Place(row, col + static_cast<int>(i), in.U16());
        break;
      }
      case rec::kBoolErr: {
        int row = in.U16(), col = in.U16();
        std::uint16_t xf = in.U16();
        std::uint8_t value = in.U8();
        bool error = in.U8() != 0;
        if (Cell* c = Place(row, col, xf)) {
          c->kind = error ? CellKind::Error : CellKind::Boolean;
          c->number = value;
        }
        break;
      }
      case rec::kFormula:
        ReadFormula(in);
        break;
      default:
        break;
    }
  }

  void SetText(int row, int column, std::uint16_t xf, std::string text) {
    if (Cell* c = Place(row, column, xf)) {
      c->kind = CellKind::Text;
      c->text = std::move(text);
    }
  }

  void ReadFormula(DataReader& in) {
    int row = in.U16(), col = in.U16();
    std::uint16_t xf = in.U16();
    auto value = in.Bytes(8);
    in.Skip(6);  // options, reserved
    std::uint16_t size = in.U16();
    auto rgce = in.Bytes(std::min<std::size_t>(size, in.remaining()));
    pendingString_.reset();
    Cell* c = Place(row, col, xf);
    if (!c) return;
    if (value[6] == 0xFF && value[7] == 0xFF) {
      switch (value[0]) {
        case 0:  // text, in the STRING record that follows
          c->kind = CellKind::Text;
          pendingString_ = std::pair{row, col};
          break;
        case 1:
          c->kind = CellKind::Boolean;
          c->number = value[2];
          break;
        case 2:
          c->kind = CellKind::Error;
          c->number = value[2];
          break;
        default:
          c->kind = CellKind::Text;
          break;
      }
    } else {
      DataReader v(value);
      SetNumber(row, col, xf, v.F64());
    }
    // Excel 5.0/95 formulas are read by their results alone.
    if (g_.byteStrings) return;
    if (auto rpn = DecodeFormula(rgce)) {
      sheet_.formulas[SheetData::FormulaKey(row + 1, col + 1)] = std::move(*rpn);
      c->hasFormula = true;
    }
  }

  void ReadFormulaString(std::vector<std::span<const std::uint8_t>> parts) {
    if (!pendingString_) return;
    auto [row, col] = *pendingString_;
    pendingString_.reset();
    std::string text;
    if (g_.byteStrings) {
      DataReader in(parts.front());
      text = page_.Read(in);
    } else {
      ContinuedReader in(std::move(parts));
      text = in.ReadString();
    }
    if (Cell* c = sheet_.Find(row + 1, col + 1)) c->text = std::move(text);
  }

  std::span<const std::uint8_t> stream_;
  const Globals& g_;
  StyleMap& styles_;
  SheetData& sheet_;
  Budget& budget_;
  CodePage page_;
  std::optional<std::pair<int, int>> pendingString_;  // a formula whose text result comes next
};

}  // namespace

void ParseWorkbookStream(std::span<const std::uint8_t> stream, const std::shared_ptr<BookData>& book) {
  Globals g = ReadGlobals(stream);
  StyleMap styles(g, *book->styles);
  Budget budget(stream.size());
  std::set<std::uint32_t> offsets;
  int activeSheet = 0;
  for (std::size_t i = 0; i < g.sheets.size(); ++i) {
    const SheetEntry& entry = g.sheets[i];
    if (entry.type != 0) continue;  // chart sheets, macro sheets, modules
    if (!offsets.insert(entry.offset).second) throw FormatError("two sheets share their data");
    auto sheet = MakeSheet(book, entry.name);
    SheetReader(stream, g, styles, *sheet, budget).Read(entry.offset);
    if (static_cast<int>(i) == g.activeTab) activeSheet = static_cast<int>(book->sheets.size());
    book->sheets.push_back(std::move(sheet));
  }
  if (book->sheets.empty()) throw FormatError("the workbook has no worksheet");
  book->active = activeSheet;
  book->sheetsMade = static_cast<int>(book->sheets.size());
}

}  // namespace qvl::workbook::detail
