#include "platform/workbook/xls_writer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "platform/workbook/biff.h"
#include "platform/vb/cp1252.h"
#include "platform/workbook/number_format.h"

namespace qvl::workbook::detail {
namespace {

constexpr std::uint16_t kFirstCellXf = 21;      // after the built-in style formats
constexpr std::size_t kMaxXfs = 4050;           // what the file format holds
constexpr std::uint16_t kFirstCustomFormat = 164;
constexpr std::uint16_t kStandardColumnWidth = 2340;  // 8.43 characters
constexpr std::uint16_t kDefaultRowHeight = 255;      // twips
constexpr std::uint8_t kAutomaticColor = 64;

// The locale currency formats the application always stores, by id.
constexpr std::array<int, 8> kStoredBuiltIns = {5, 6, 7, 8, 41, 42, 43, 44};

void Record16(ByteWriter& out, std::uint16_t id, std::uint16_t value) {
  ByteWriter b;
  b.U16(value);
  out.Record(id, b);
}

void WriteBof(ByteWriter& out, std::uint16_t substream) {
  ByteWriter b;
  b.U16(0x0600);      // BIFF8
  b.U16(substream);   // 0x0005 globals, 0x0010 worksheet
  b.U16(0x0DBB);      // build
  b.U16(0x07CD);      // year
  b.U32(0x00000009);  // last edited on Windows
  b.U32(0x00000006);  // lowest version that can read it: BIFF8
  out.Record(rec::kBof, b);
}

struct FontKey {
  bool bold = false;
  bool underline = false;
  friend auto operator<=>(const FontKey&, const FontKey&) = default;
};

// What the globals hold for the styles the book uses.
struct StylePlan {
  std::map<std::uint16_t, std::uint16_t> xfOfStyle;  // style id -> XF index
  std::vector<std::uint16_t> cellStyles;             // style ids with an XF of their own, in XF order
  std::map<FontKey, std::uint16_t> fontIndex;        // beyond the four default fonts
  std::map<std::string, std::uint16_t> formatIndex;  // every mask used
  std::vector<std::pair<std::uint16_t, std::string>> customFormats;

  std::uint16_t Xf(std::uint16_t style) const {
    auto it = xfOfStyle.find(style);
    return it == xfOfStyle.end() ? kDefaultXf : it->second;
  }
};

StylePlan PlanStyles(const BookData& book) {
  std::set<std::uint16_t> used;
  for (const auto& sheet : book.sheets) {
    for (const Row& row : sheet->rows) {
      if (row.hasStyle) used.insert(row.style);
      for (const Cell& c : row.cells) {
        if (c.Exists()) used.insert(c.style);
      }
    }
    for (const Column& col : sheet->columns) {
      if (col.hasStyle) used.insert(col.style);
    }
  }
  used.erase(0);
  if (used.size() + kFirstCellXf > kMaxXfs) throw std::length_error("more different cell formats than a workbook holds");

  StylePlan plan;
  plan.xfOfStyle[0] = kDefaultXf;
  std::uint16_t next = kFirstCellXf;
  std::uint16_t nextFormat = kFirstCustomFormat;
  for (std::uint16_t id : used) {
    const CellStyle& s = book.styles->Get(id);
    plan.xfOfStyle[id] = next++;
    plan.cellStyles.push_back(id);
    FontKey font{s.bold, s.underline};
    if (font != FontKey{} && !plan.fontIndex.count(font)) {
      // Font index 4 does not exist in the file format.
      plan.fontIndex[font] = static_cast<std::uint16_t>(5 + plan.fontIndex.size());
    }
    if (!plan.formatIndex.count(s.numberFormat)) {
      int builtIn = BuiltInFormatId(s.numberFormat);
      if (builtIn >= 0) {
        plan.formatIndex[s.numberFormat] = static_cast<std::uint16_t>(builtIn);
      } else {
        plan.formatIndex[s.numberFormat] = nextFormat;
        plan.customFormats.emplace_back(nextFormat++, s.numberFormat);
      }
    }
  }
  return plan;
}

void WriteFont(ByteWriter& out, FontKey key) {
  ByteWriter b;
  b.U16(200);  // 10 points
  // The old bold and underline flags too, for readers that still look at them.
  b.U16(static_cast<std::uint16_t>((key.bold ? 0x01 : 0) | (key.underline ? 0x04 : 0)));
  b.U16(0x7FFF);  // automatic colour
  b.U16(key.bold ? 700 : 400);
  b.U16(0);
  b.U8(key.underline ? 1 : 0);
  b.U8(0);  // family
  b.U8(0);  // character set
  b.U8(0);
  WriteUnicodeString(b, "Arial", true);
  out.Record(rec::kFont, b);
}

void WriteFormat(ByteWriter& out, std::uint16_t id, std::string_view mask) {
  ByteWriter b;
  b.U16(id);
  WriteUnicodeString(b, mask);
  out.Record(rec::kFormat, b);
}

struct XfFields {
  std::uint16_t font = 0;
  std::uint16_t format = 0;
  std::uint16_t protection = 0x0001;  // locked; a cell format whose parent is the Normal style
  std::uint8_t horizontal = 0;
  std::uint8_t used = 0;              // which attributes this XF sets itself
  std::array<std::uint8_t, 4> borders{};
};

void WriteXf(ByteWriter& out, const XfFields& f) {
  ByteWriter b;
  b.U16(f.font);
  b.U16(f.format);
  b.U16(f.protection);
  b.U8(static_cast<std::uint8_t>(f.horizontal | 0x20));  // vertical: bottom
  b.U8(0);                                              // rotation
  b.U8(0);                                              // indent, shrink, reading order
  b.U8(f.used);
  auto color = [&](int edge) -> std::uint32_t { return f.borders[edge] ? kAutomaticColor : 0; };
  b.U32(static_cast<std::uint32_t>(f.borders[kEdgeLeft]) | static_cast<std::uint32_t>(f.borders[kEdgeRight]) << 4 |
        static_cast<std::uint32_t>(f.borders[kEdgeTop]) << 8 | static_cast<std::uint32_t>(f.borders[kEdgeBottom]) << 12 |
        color(kEdgeLeft) << 16 | color(kEdgeRight) << 23);
  b.U32(color(kEdgeTop) | color(kEdgeBottom) << 7);
  b.U16(0x20C0);  // no pattern; automatic foreground and background
  out.Record(rec::kXf, b);
}

void WriteStyleFormats(ByteWriter& out) {
  // The cell styles every workbook has: Normal, fourteen outline-level
  // styles, the default cell format, then Comma, Comma [0], Currency,
  // Currency [0] and Percent.
  for (int i = 0; i < 15; ++i) {
    XfFields f;
    f.protection = 0xFFF5;
    f.font = static_cast<std::uint16_t>(i == 0 ? 0 : i <= 2 ? 1 : i <= 4 ? 2 : 0);
    f.used = i == 0 ? 0x00 : 0xF4;
    WriteXf(out, f);
  }
  WriteXf(out, XfFields{});
  for (std::uint16_t format : {43, 41, 44, 42, 9}) {
    XfFields f;
    f.protection = 0xFFF5;
    f.font = 1;
    f.format = format;
    f.used = 0xF8;
    WriteXf(out, f);
  }
}

void WriteStyles(ByteWriter& out) {
  struct BuiltInStyle {
    std::uint16_t xf;
    std::uint8_t style;
  };
  for (auto s : {BuiltInStyle{16, 3}, {17, 6}, {18, 4}, {19, 7}, {0, 0}, {20, 5}}) {
    ByteWriter b;
    b.U16(static_cast<std::uint16_t>(0x8000 | s.xf));
    b.U8(s.style);
    b.U8(0xFF);
    out.Record(rec::kStyle, b);
  }
}

// The texts are the cells' own: the table lives only while the book is written.
struct SharedStrings {
  std::vector<std::string_view> strings;
  std::unordered_map<std::string_view, std::uint32_t> index;
  std::uint32_t total = 0;

  std::uint32_t Add(std::string_view s) {
    ++total;
    auto [it, added] = index.emplace(s, static_cast<std::uint32_t>(strings.size()));
    if (added) strings.push_back(s);
    return it->second;
  }
};

// The shared string table. A string's header never splits across records;
// where its characters run on into a CONTINUE record, that record starts
// with the option byte again. EXTSST then points into every eighth string
// (or more, so that there are at most 128 pointers).
void WriteSharedStrings(ByteWriter& out, const SharedStrings& sst) {
  std::size_t recordStart = out.size();
  std::size_t used = 8;
  out.U16(rec::kSst);
  out.U16(0);
  out.U32(sst.total);
  out.U32(static_cast<std::uint32_t>(sst.strings.size()));
  auto close = [&] { out.PatchU16(recordStart + 2, static_cast<std::uint16_t>(used)); };
  auto next = [&] {
    close();
    recordStart = out.size();
    out.U16(rec::kContinue);
    out.U16(0);
    used = 0;
  };

  std::size_t perBucket = std::max<std::size_t>(8, (sst.strings.size() + 127) / 128);
  std::vector<std::pair<std::uint32_t, std::uint16_t>> buckets;
  for (std::size_t i = 0; i < sst.strings.size(); ++i) {
    std::u16string text = vb::ToUtf16(sst.strings[i]);
    bool compressed = vb::IsLatin1(text);
    std::size_t width = compressed ? 1 : 2;
    if (used + 3 + (text.empty() ? 0 : width) > kMaxRecordData) next();
    if (i % perBucket == 0) buckets.emplace_back(static_cast<std::uint32_t>(out.size()), static_cast<std::uint16_t>(used + 4));
    out.U16(static_cast<std::uint16_t>(text.size()));
    out.U8(compressed ? 0 : 1);
    used += 3;
    for (std::size_t k = 0; k < text.size();) {
      std::size_t room = (kMaxRecordData - used) / width;
      if (room == 0) {
        next();
        out.U8(compressed ? 0 : 1);
        used = 1;
        continue;
      }
      std::size_t take = std::min(room, text.size() - k);
      out.Chars(std::u16string_view(text).substr(k, take), compressed);
      k += take;
      used += take * width;
    }
  }
  close();

  ByteWriter ext;
  ext.U16(static_cast<std::uint16_t>(perBucket));
  for (auto [position, offset] : buckets) {
    ext.U32(position);
    ext.U16(offset);
    ext.U16(0);
  }
  out.Record(rec::kExtSst, ext);
}

// A string record that may run on into CONTINUE records (a formula's text result).
void WriteLongString(ByteWriter& out, std::uint16_t id, const std::string& s) {
  std::u16string text = vb::ToUtf16(s);
  bool compressed = vb::IsLatin1(text);
  std::size_t width = compressed ? 1 : 2;
  ByteWriter body;
  body.U16(static_cast<std::uint16_t>(text.size()));
  body.U8(compressed ? 0 : 1);
  std::size_t k = 0;
  for (bool first = true; first || k < text.size(); first = false) {
    if (!first) {
      body = ByteWriter();
      body.U8(compressed ? 0 : 1);
    }
    std::size_t take = std::min((kMaxRecordData - body.size()) / width, text.size() - k);
    body.Chars(std::u16string_view(text).substr(k, take), compressed);
    k += take;
    out.Record(first ? id : rec::kContinue, body);
  }
}

// A number in the 4-byte form when it survives the trip exactly.
std::optional<std::uint32_t> ToRk(double v) {
  constexpr double kLimit = 1 << 29;
  if (v == std::floor(v) && v >= -kLimit && v < kLimit) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(v)) << 2 | 0x2;
  }
  double hundred = v * 100;
  if (hundred == std::floor(hundred) && hundred >= -kLimit && hundred < kLimit &&
      static_cast<double>(static_cast<std::int32_t>(hundred)) / 100 == v) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(hundred)) << 2 | 0x3;
  }
  auto bits = std::bit_cast<std::uint64_t>(v);
  if ((bits & 0x3FFFFFFFFull) == 0) return static_cast<std::uint32_t>(bits >> 32);
  auto bits100 = std::bit_cast<std::uint64_t>(hundred);
  if ((bits100 & 0x3FFFFFFFFull) == 0 && std::bit_cast<double>(bits100) / 100 == v) {
    return static_cast<std::uint32_t>(bits100 >> 32) | 0x1;
  }
  return std::nullopt;
}

bool IsPlainNumber(const Cell& c) { return c.kind == CellKind::Number && !c.hasFormula && ToRk(c.number); }
bool IsStyledBlank(const Cell& c) { return c.kind == CellKind::Empty && !c.hasFormula && c.style != 0; }

class SheetWriter {
 public:
  SheetWriter(ByteWriter& out, const SheetData& sheet, const StylePlan& plan, const SharedStrings& sst, bool active)
      : out_(out), sheet_(sheet), plan_(plan), sst_(sst), active_(active) {}

  void Write() {
    WriteBof(out_, 0x0010);
    for (std::size_t r = 0; r < sheet_.rows.size(); ++r) {
      const Row& row = sheet_.rows[r];
      if (row.hasStyle || std::any_of(row.cells.begin(), row.cells.end(), [](const Cell& c) { return c.Exists(); })) {
        rowList_.push_back(static_cast<int>(r));
      }
    }
    std::vector<std::vector<int>> blocks;
    for (int r : rowList_) {
      if (blocks.empty() || blocks.back().front() / 32 != r / 32) blocks.emplace_back();
      blocks.back().push_back(r);
    }
    int firstColumn = kMaxColumns, lastColumn = -1;
    for (int r : rowList_) {
      auto [first, last] = ColumnSpan(sheet_.rows[static_cast<std::size_t>(r)]);
      if (last > first) {
        firstColumn = std::min(firstColumn, first);
        lastColumn = std::max(lastColumn, last);
      }
    }
    std::uint32_t rowMic = rowList_.empty() ? 0 : static_cast<std::uint32_t>(rowList_.front());
    std::uint32_t rowMac = rowList_.empty() ? 0 : static_cast<std::uint32_t>(rowList_.back() + 1);

    std::size_t indexAt = out_.size() + 4;
    ByteWriter index;
    index.U32(0);
    index.U32(rowMic);
    index.U32(rowMac);
    index.U32(0);  // position of DEFCOLWIDTH, patched below
    for (std::size_t i = 0; i < blocks.size(); ++i) index.U32(0);
    out_.Record(rec::kIndex, index);

    WriteSheetSettings();
    std::size_t defColWidthAt = out_.size();
    Record16(out_, rec::kDefColWidth, 8);
    WriteColumns();

    ByteWriter dims;
    dims.U32(rowMic);
    dims.U32(rowMac);
    dims.U16(static_cast<std::uint16_t>(lastColumn < 0 ? 0 : firstColumn));
    dims.U16(static_cast<std::uint16_t>(lastColumn < 0 ? 0 : lastColumn));
    dims.U16(0);
    out_.Record(rec::kDimensions, dims);

    out_.PatchU32(indexAt + 12, static_cast<std::uint32_t>(defColWidthAt));
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      out_.PatchU32(indexAt + 16 + 4 * i, static_cast<std::uint32_t>(WriteBlock(blocks[i])));
    }

    ByteWriter window;
    window.U16(active_ ? 0x06B6 : 0x00B6);  // grid, headers, zeros, outline symbols; selected when active
    window.U16(0);
    window.U16(0);
    window.U16(kAutomaticColor);
    window.U16(0);
    window.U16(0);
    window.U16(0);
    window.U16(0);
    window.U16(0);
    out_.Record(rec::kWindow2, window);
    out_.Record(rec::kEof, ByteWriter());
  }

 private:
  // First column and one past the last of a row's cells (0-based).
  static std::pair<int, int> ColumnSpan(const Row& row) {
    int first = -1, last = -1;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
      if (!row.cells[c].Exists()) continue;
      if (first < 0) first = static_cast<int>(c);
      last = static_cast<int>(c) + 1;
    }
    return first < 0 ? std::pair{0, 0} : std::pair{first, last};
  }

  void WriteSheetSettings() {
    Record16(out_, rec::kCalcMode, 1);
    Record16(out_, rec::kCalcCount, 100);
    Record16(out_, rec::kCalcRefMode, 1);
    Record16(out_, rec::kCalcIter, 0);
    ByteWriter delta;
    delta.F64(0.001);
    out_.Record(rec::kCalcDelta, delta);
    Record16(out_, rec::kCalcSaveRecalc, 1);
    Record16(out_, rec::kPrintRowCol, 0);
    Record16(out_, rec::kPrintGrid, 0);
    Record16(out_, rec::kGridSet, 1);
    ByteWriter guts;
    guts.Zeros(8);
    out_.Record(rec::kGuts, guts);
    ByteWriter height;
    height.U16(0);
    height.U16(kDefaultRowHeight);
    out_.Record(rec::kDefaultRowHeight, height);
    Record16(out_, rec::kWsBool, 0x04C1);
    out_.Record(rec::kHeader, ByteWriter());
    out_.Record(rec::kFooter, ByteWriter());
    Record16(out_, rec::kHCenter, 0);
    Record16(out_, rec::kVCenter, 0);
    ByteWriter setup;
    setup.U16(1);       // letter paper
    setup.U16(100);     // scale
    setup.U16(1);       // first page number
    setup.U16(1);       // fit width
    setup.U16(1);       // fit height
    setup.U16(0x0006);  // portrait; no printer settings stored
    setup.U16(600);
    setup.U16(600);
    setup.F64(0.5);     // header margin, inches
    setup.F64(0.5);     // footer margin
    setup.U16(1);       // copies
    out_.Record(rec::kSetup, setup);
  }

  void WriteColumns() {
    auto key = [&](int c) {
      const Column& col = sheet_.columns[static_cast<std::size_t>(c)];
      return std::pair<std::uint16_t, std::uint16_t>(col.width, col.hasStyle ? plan_.Xf(col.style) : kDefaultXf);
    };
    auto needed = [&](int c) {
      const Column& col = sheet_.columns[static_cast<std::size_t>(c)];
      return col.width != 0 || col.hasStyle;
    };
    for (int c = 0; c < kMaxColumns;) {
      if (!needed(c)) {
        ++c;
        continue;
      }
      int last = c;
      while (last + 1 < kMaxColumns && needed(last + 1) && key(last + 1) == key(c)) ++last;
      auto [width, xf] = key(c);
      ByteWriter info;
      info.U16(static_cast<std::uint16_t>(c));
      info.U16(static_cast<std::uint16_t>(last));
      info.U16(width ? width : kStandardColumnWidth);
      info.U16(xf);
      info.U16(width ? 0x0002 : 0x0000);  // width set by the program
      info.U16(0);
      out_.Record(rec::kColInfo, info);
      c = last + 1;
    }
  }

  // One block of up to 32 rows: their ROW records, their cells, and the
  // DBCELL that indexes them. Returns the DBCELL's stream position.
  std::size_t WriteBlock(const std::vector<int>& rows) {
    std::size_t firstRowAt = out_.size();
    for (int r : rows) {
      const Row& row = sheet_.rows[static_cast<std::size_t>(r)];
      auto [first, last] = ColumnSpan(row);
      ByteWriter& b = scratch_;
      b.bytes().clear();
      b.U16(static_cast<std::uint16_t>(r));
      b.U16(static_cast<std::uint16_t>(first));
      b.U16(static_cast<std::uint16_t>(last));
      b.U16(kDefaultRowHeight);
      b.U16(0);
      b.U16(0);
      std::uint32_t flags = 0x0100;  // reserved bit, always set
      flags |= row.hasStyle ? 0x80u | static_cast<std::uint32_t>(plan_.Xf(row.style)) << 16
                            : static_cast<std::uint32_t>(kDefaultXf) << 16;
      b.U32(flags);
      out_.Record(rec::kRow, b);
    }
    std::vector<std::size_t> cellStarts;
    for (int r : rows) {
      cellStarts.push_back(out_.size());
      WriteCells(r);
    }
    std::size_t dbCellAt = out_.size();
    ByteWriter db;
    db.U32(static_cast<std::uint32_t>(dbCellAt - firstRowAt));
    std::size_t previous = firstRowAt + 20;  // the end of the first ROW record
    for (std::size_t start : cellStarts) {
      db.U16(static_cast<std::uint16_t>(std::min<std::size_t>(start - previous, 0xFFFF)));
      previous = start;
    }
    out_.Record(rec::kDbCell, db);
    return dbCellAt;
  }

  void CellHeader(ByteWriter& b, int row, int column, const Cell& c) {
    b.U16(static_cast<std::uint16_t>(row));
    b.U16(static_cast<std::uint16_t>(column));
    b.U16(plan_.Xf(c.style));
  }

  void WriteCells(int row) {
    const auto& cells = sheet_.rows[static_cast<std::size_t>(row)].cells;
    const int count = static_cast<int>(cells.size());
    for (int c = 0; c < count;) {
      const Cell& cell = cells[static_cast<std::size_t>(c)];
      if (!cell.Exists()) {
        ++c;
        continue;
      }
      if (cell.hasFormula) {
        WriteFormula(row, c, cell);
        ++c;
        continue;
      }
      ByteWriter& b = scratch_;  // one record body at a time, its storage kept
      b.bytes().clear();
      switch (cell.kind) {
        case CellKind::Text:
          CellHeader(b, row, c, cell);
          b.U32(sst_.index.at(cell.text));
          out_.Record(rec::kLabelSst, b);
          ++c;
          break;
        case CellKind::Number: {
          int last = c;
          while (last + 1 < count && IsPlainNumber(cells[static_cast<std::size_t>(last + 1)])) ++last;
          auto rk = ToRk(cell.number);
          if (!rk) {
            CellHeader(b, row, c, cell);
            b.F64(cell.number);
            out_.Record(rec::kNumber, b);
            ++c;
          } else if (last == c) {
            CellHeader(b, row, c, cell);
            b.U32(*rk);
            out_.Record(rec::kRk, b);
            ++c;
          } else {
            b.U16(static_cast<std::uint16_t>(row));
            b.U16(static_cast<std::uint16_t>(c));
            for (int k = c; k <= last; ++k) {
              const Cell& n = cells[static_cast<std::size_t>(k)];
              b.U16(plan_.Xf(n.style));
              b.U32(*ToRk(n.number));
            }
            b.U16(static_cast<std::uint16_t>(last));
            out_.Record(rec::kMulRk, b);
            c = last + 1;
          }
          break;
        }
        case CellKind::Boolean:
        case CellKind::Error:
          CellHeader(b, row, c, cell);
          b.U8(static_cast<std::uint8_t>(cell.number));
          b.U8(cell.kind == CellKind::Error ? 1 : 0);
          out_.Record(rec::kBoolErr, b);
          ++c;
          break;
        case CellKind::Empty: {
          int last = c;
          while (last + 1 < count && IsStyledBlank(cells[static_cast<std::size_t>(last + 1)])) ++last;
          if (last == c) {
            CellHeader(b, row, c, cell);
            out_.Record(rec::kBlank, b);
          } else {
            b.U16(static_cast<std::uint16_t>(row));
            b.U16(static_cast<std::uint16_t>(c));
            for (int k = c; k <= last; ++k) b.U16(plan_.Xf(cells[static_cast<std::size_t>(k)].style));
            b.U16(static_cast<std::uint16_t>(last));
            out_.Record(rec::kMulBlank, b);
          }
          c = last + 1;
          break;
        }
      }
    }
  }

  void WriteFormula(int row, int column, const Cell& cell) {
    auto it = sheet_.formulas.find(SheetData::FormulaKey(row + 1, column + 1));
    ByteWriter b;
    CellHeader(b, row, column, cell);
    auto special = [&](std::uint8_t type, std::uint8_t value) {
      b.U8(type);
      b.U8(0);
      b.U8(value);
      b.U8(0);
      b.U8(0);
      b.U8(0);
      b.U16(0xFFFF);
    };
    bool textResult = cell.kind == CellKind::Text && !cell.text.empty();
    switch (cell.kind) {
      case CellKind::Number:
        b.F64(cell.number);
        break;
      case CellKind::Text:
        special(textResult ? 0 : 3, 0);
        break;
      case CellKind::Boolean:
        special(1, static_cast<std::uint8_t>(cell.number));
        break;
      case CellKind::Error:
        special(2, static_cast<std::uint8_t>(cell.number));
        break;
      case CellKind::Empty:
        b.F64(0);
        break;
    }
    b.U16(0);
    b.U32(0);
    ByteWriter rgce;
    if (it != sheet_.formulas.end()) EncodeFormula(it->second, rgce);
    b.U16(static_cast<std::uint16_t>(rgce.size()));
    b.Bytes(rgce.bytes());
    out_.Record(rec::kFormula, b);
    if (textResult) WriteLongString(out_, rec::kString, cell.text);
  }

  ByteWriter& out_;
  const SheetData& sheet_;
  const StylePlan& plan_;
  const SharedStrings& sst_;
  ByteWriter scratch_;
  bool active_;
  std::vector<int> rowList_;
};

void WriteGlobals(ByteWriter& out, const BookData& book, const StylePlan& plan, const SharedStrings& sst,
                  std::vector<std::size_t>& sheetOffsetFields) {
  WriteBof(out, 0x0005);
  Record16(out, rec::kInterfaceHdr, 1200);
  Record16(out, rec::kMms, 0);
  out.Record(rec::kInterfaceEnd, ByteWriter());
  ByteWriter access;
  WriteUnicodeString(access, "QvLedgerloom");
  while (access.size() < 112) access.U8(' ');
  out.Record(rec::kWriteAccess, access);
  Record16(out, rec::kCodePage, 1200);  // strings are Unicode
  Record16(out, rec::kDsf, 0);
  ByteWriter tabs;
  for (std::size_t i = 0; i < book.sheets.size(); ++i) tabs.U16(static_cast<std::uint16_t>(i + 1));
  out.Record(rec::kRrTabId, tabs);
  for (std::uint16_t id : {rec::kWinProtect, rec::kProtect, rec::kPassword, rec::kProt4Rev, rec::kProt4RevPass}) {
    Record16(out, id, 0);
  }
  ByteWriter window;
  window.U16(360);
  window.U16(90);
  window.U16(16000);
  window.U16(9000);
  window.U16(0x0038);  // scroll bars and sheet tabs shown
  window.U16(static_cast<std::uint16_t>(book.active));
  window.U16(0);
  window.U16(1);
  window.U16(600);
  out.Record(rec::kWindow1, window);
  Record16(out, rec::kBackup, 0);
  Record16(out, rec::kHideObj, 0);
  Record16(out, rec::kDate1904, 0);
  Record16(out, rec::kCalcPrecision, 1);
  Record16(out, rec::kRefreshAll, 0);
  Record16(out, rec::kBookBool, 0);

  for (int i = 0; i < 4; ++i) WriteFont(out, {});
  std::vector<std::pair<std::uint16_t, FontKey>> fonts;
  for (auto [key, index] : plan.fontIndex) fonts.emplace_back(index, key);
  std::sort(fonts.begin(), fonts.end());
  for (auto [index, key] : fonts) WriteFont(out, key);

  for (int id : kStoredBuiltIns) WriteFormat(out, static_cast<std::uint16_t>(id), BuiltInFormat(id));
  for (const auto& [id, mask] : plan.customFormats) WriteFormat(out, id, mask);

  WriteStyleFormats(out);
  for (std::uint16_t id : plan.cellStyles) {
    const CellStyle& s = book.styles->Get(id);
    XfFields f;
    FontKey font{s.bold, s.underline};
    f.font = font == FontKey{} ? 0 : plan.fontIndex.at(font);
    f.format = plan.formatIndex.at(s.numberFormat);
    f.horizontal = s.horizontal;
    f.borders = s.borders;
    bool bordered = std::any_of(s.borders.begin(), s.borders.end(), [](std::uint8_t b) { return b != 0; });
    f.used = static_cast<std::uint8_t>((f.format ? 0x04 : 0) | (f.font ? 0x08 : 0) | (f.horizontal ? 0x10 : 0) |
                                       (bordered ? 0x20 : 0));
    WriteXf(out, f);
  }
  WriteStyles(out);
  Record16(out, rec::kUsesElfs, 0);

  for (const auto& sheet : book.sheets) {
    ByteWriter b;
    b.U32(0);  // stream position of the sheet's BOF, patched later
    b.U8(0);   // visible
    b.U8(0);   // worksheet
    WriteUnicodeString(b, sheet->name, true);
    sheetOffsetFields.push_back(out.size() + 4);
    out.Record(rec::kBoundSheet, b);
  }
  ByteWriter country;
  country.U16(1);
  country.U16(1);
  out.Record(rec::kCountry, country);
  WriteSharedStrings(out, sst);
  out.Record(rec::kEof, ByteWriter());
}

}  // namespace

std::vector<std::uint8_t> BuildWorkbookStream(BookData& book) {
  for (auto& sheet : book.sheets) {
    if (!sheet->formulas.empty()) sheet->Recalculate();
  }
  StylePlan plan = PlanStyles(book);
  SharedStrings sst;
  std::size_t cells = 0;
  for (const auto& sheet : book.sheets) {
    for (const Row& row : sheet->rows) cells += row.cells.size();
  }
  sst.index.reserve(cells);
  for (const auto& sheet : book.sheets) {
    for (const Row& row : sheet->rows) {
      for (const Cell& c : row.cells) {
        if (c.kind == CellKind::Text && !c.hasFormula) sst.Add(c.text);
      }
    }
  }

  ByteWriter out;
  out.bytes().reserve(cells * 12 + (std::size_t{1} << 16));  // about what a cell takes, plus the globals
  std::vector<std::size_t> offsetFields;
  WriteGlobals(out, book, plan, sst, offsetFields);
  for (std::size_t i = 0; i < book.sheets.size(); ++i) {
    out.PatchU32(offsetFields[i], static_cast<std::uint32_t>(out.size()));
    SheetWriter(out, *book.sheets[i], plan, sst, static_cast<int>(i) == book.active).Write();
  }
  return std::move(out.bytes());
}

}  // namespace qvl::workbook::detail
