// Reading record forms other writers use and ours does not (labels, rich and
// phonetic strings split over CONTINUE records, formula texts, the 1904 date
// system), and streams that must be refused.
#include <gtest/gtest.h>

#include <functional>

#include "platform/workbook/biff.h"
#include "platform/workbook/model.h"
#include "platform/workbook/xls_reader.h"

namespace qvl::workbook::detail {
namespace {

using Parts = std::vector<std::span<const std::uint8_t>>;

TEST(ContinuedStrings, CharactersGoOnBehindANewOptionByte) {
  // "Ab" in one byte per character, then the rest in two bytes each.
  std::vector<std::uint8_t> first = {5, 0, 0x00, 'A', 'b'};
  std::vector<std::uint8_t> second = {0x01, 0xAC, 0x20, 'c', 0, 'd', 0};
  ContinuedReader in(Parts{first, second});
  EXPECT_EQ(in.ReadString(), "Ab\x80" "cd");
  EXPECT_TRUE(in.AtEnd());
}

TEST(ContinuedStrings, RunsAndPhoneticDataAreSkippedAcrossRecords) {
  // Rich (2 runs) and phonetic (6 bytes) string "xy", then a plain "z".
  std::vector<std::uint8_t> first = {2, 0, 0x0C, 2, 0, 6, 0, 0, 0, 'x', 'y', 1, 2, 3};
  std::vector<std::uint8_t> second = {4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 1, 0, 0, 'z'};
  ContinuedReader in(Parts{first, second});
  EXPECT_EQ(in.ReadString(), "xy");
  EXPECT_EQ(in.ReadString(), "z");
  EXPECT_TRUE(in.AtEnd());
}

TEST(ContinuedStrings, AStringCutShortIsAnError) {
  std::vector<std::uint8_t> cut = {10, 0, 0, 'a', 'b'};
  ContinuedReader in(Parts{cut});
  EXPECT_THROW(in.ReadString(), FormatError);
  std::vector<std::uint8_t> odd = {2, 0, 1, 'a'};  // half a two-byte character
  ContinuedReader in2(Parts{odd});
  EXPECT_THROW(in2.ReadString(), FormatError);
}

// A small workbook stream built record by record.
class StreamBuilder {
 public:
  StreamBuilder() {
    Bof(0x0005);
    for (int i = 0; i < 4; ++i) Font(400);
    Font(700);
    for (int i = 0; i < 16; ++i) Xf(0, 0);
    Format(164, "dd/mm/yyyy");
    Xf(164, 0);  // 16: a date
    Xf(0, 5);    // 17: the second font (index 4 is skipped)
  }

  void Bof(std::uint16_t type, std::uint16_t version = 0x0600) {
    ByteWriter b;
    b.U16(version);
    b.U16(type);
    b.Zeros(12);
    out.Record(rec::kBof, b);
  }
  void Font(std::uint16_t weight) {
    ByteWriter b;
    b.U16(200);
    b.U16(0);
    b.U16(0x7FFF);
    b.U16(weight);
    b.Zeros(6);
    WriteUnicodeString(b, "Arial", true);
    out.Record(rec::kFont, b);
  }
  void Xf(std::uint16_t format, std::uint16_t font) {
    ByteWriter b;
    b.U16(font);
    b.U16(format);
    b.Zeros(16);
    out.Record(rec::kXf, b);
  }
  void Format(std::uint16_t id, const char* mask) {
    ByteWriter b;
    b.U16(id);
    WriteUnicodeString(b, mask);
    out.Record(rec::kFormat, b);
  }
  void Record(std::uint16_t id, const std::vector<std::uint8_t>& body) { out.Record(id, body); }
  // One sheet whose cells `cells` writes; returns the finished stream.
  std::vector<std::uint8_t> Finish(const std::function<void(ByteWriter&)>& cells, std::uint32_t offset = 0) {
    ByteWriter sheetEntry;
    sheetEntry.U32(0);
    sheetEntry.U8(0);
    sheetEntry.U8(0);
    WriteUnicodeString(sheetEntry, "Data", true);
    std::size_t at = out.size() + 4;
    out.Record(rec::kBoundSheet, sheetEntry);
    out.Record(rec::kEof, ByteWriter());
    out.PatchU32(at, offset ? offset : static_cast<std::uint32_t>(out.size()));
    Bof(0x0010);
    cells(out);
    out.Record(rec::kEof, ByteWriter());
    return out.bytes();
  }

  ByteWriter out;
};

ByteWriter CellAt(int row, int column, int xf) {
  ByteWriter b;
  b.U16(static_cast<std::uint16_t>(row));
  b.U16(static_cast<std::uint16_t>(column));
  b.U16(static_cast<std::uint16_t>(xf));
  return b;
}

std::shared_ptr<BookData> Parse(const std::vector<std::uint8_t>& stream) {
  auto book = std::make_shared<BookData>();
  ParseWorkbookStream(stream, book);
  return book;
}

TEST(ForeignRecords, LabelsBlanksBooleansErrorsAndFormulaTexts) {
  StreamBuilder s;
  auto stream = s.Finish([](ByteWriter& out) {
    ByteWriter label = CellAt(0, 0, 17);
    WriteUnicodeString(label, "Label \x80");
    out.Record(rec::kLabel, label);
    ByteWriter blanks = CellAt(1, 2, 16);
    blanks.U16(17);
    blanks.U16(4);
    out.Record(rec::kMulBlank, blanks);
    ByteWriter boolean = CellAt(2, 0, 15);
    boolean.U8(1);
    boolean.U8(0);
    out.Record(rec::kBoolErr, boolean);
    ByteWriter error = CellAt(2, 1, 15);
    error.U8(0x2A);
    error.U8(1);
    out.Record(rec::kBoolErr, error);
    // A formula with a text result, its text split over a CONTINUE record.
    ByteWriter formula = CellAt(3, 0, 15);
    formula.Bytes(std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0xFF, 0xFF});
    formula.Zeros(6);
    formula.U16(3);
    formula.Bytes(std::vector<std::uint8_t>{0x44, 0, 0});  // a reference cut short: the value is kept alone
    out.Record(rec::kFormula, formula);
    out.Record(rec::kString, std::vector<std::uint8_t>{6, 0, 0, 'a', 'b', 'c'});
    out.Record(rec::kContinue, std::vector<std::uint8_t>{0, 'd', 'e', 'f'});
    // A column beyond the sheet is ignored rather than trusted.
    out.Record(rec::kNumber, [] {
      ByteWriter n = CellAt(4, 300, 15);
      n.F64(1);
      return n.bytes();
    }());
  });
  auto book = Parse(stream);
  ASSERT_EQ(book->sheets.size(), 1u);
  const SheetData& sheet = *book->sheets[0];
  EXPECT_EQ(sheet.name, "Data");
  ASSERT_TRUE(sheet.Find(1, 1));
  EXPECT_EQ(sheet.Find(1, 1)->text, "Label \x80");
  EXPECT_TRUE(book->styles->Get(sheet.Find(1, 1)->style).bold);
  EXPECT_EQ(book->styles->Get(sheet.Find(2, 3)->style).numberFormat, "dd/mm/yyyy");
  EXPECT_TRUE(book->styles->Get(sheet.Find(2, 4)->style).bold);
  EXPECT_EQ(sheet.Find(3, 1)->kind, CellKind::Boolean);
  EXPECT_EQ(sheet.Find(3, 2)->kind, CellKind::Error);
  EXPECT_EQ(sheet.Find(3, 2)->number, 0x2A);
  EXPECT_EQ(sheet.Find(4, 1)->text, "abcdef");
  EXPECT_EQ(sheet.Find(4, 1)->kind, CellKind::Text);
  EXPECT_EQ(sheet.rows.size(), 4u);
}

TEST(ForeignRecords, DatesOfThe1904SystemAreMovedToThe1900One) {
  StreamBuilder s;
  s.Record(rec::kDate1904, {1, 0});
  auto stream = s.Finish([](ByteWriter& out) {
    ByteWriter date = CellAt(0, 0, 16);
    date.F64(38632);  // 10/8/2009 counted from 1904
    out.Record(rec::kNumber, date);
    ByteWriter number = CellAt(0, 1, 15);
    number.F64(38632);
    out.Record(rec::kNumber, number);
  });
  auto book = Parse(stream);
  EXPECT_EQ(book->sheets[0]->Find(1, 1)->number, 40094);
  EXPECT_EQ(book->sheets[0]->Find(1, 2)->number, 38632);
}

TEST(ForeignRecords, NumbersNoCellCanHoldBecomeErrors) {
  StreamBuilder s;
  auto stream = s.Finish([](ByteWriter& out) {
    ByteWriter infinite = CellAt(0, 0, 15);
    infinite.U32(0);
    infinite.U32(0x7FF00000);
    out.Record(rec::kNumber, infinite);
    ByteWriter rk = CellAt(0, 1, 15);
    rk.U32(0x7FF80000);  // not a number, in the four-byte form
    out.Record(rec::kRk, rk);
  });
  auto book = Parse(stream);
  for (int column : {1, 2}) {
    const Cell* c = book->sheets[0]->Find(1, column);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->kind, CellKind::Error);
    EXPECT_EQ(c->number, 0x24);  // #NUM!
  }
}

// Sheets that each hold one number in their last cell, or all point at the
// same data: a small file must not make the reader allocate without end.
std::vector<std::uint8_t> SheetsWithOneFarCell(int sheets, bool shared) {
  StreamBuilder s;
  std::vector<std::size_t> offsetFields;
  for (int i = 0; i < sheets; ++i) {
    ByteWriter entry;
    entry.U32(0);
    entry.U16(0);
    WriteUnicodeString(entry, "S" + std::to_string(i), true);
    offsetFields.push_back(s.out.size() + 4);
    s.out.Record(rec::kBoundSheet, entry);
  }
  s.out.Record(rec::kEof, ByteWriter());
  std::uint32_t first = 0;
  for (int i = 0; i < sheets; ++i) {
    std::size_t field = offsetFields[static_cast<std::size_t>(i)];
    if (shared && i > 0) {
      s.out.PatchU32(field, first);
      continue;
    }
    first = static_cast<std::uint32_t>(s.out.size());
    s.out.PatchU32(field, first);
    s.Bof(0x0010);
    ByteWriter far = CellAt(65535, 255, 15);
    far.U32(0x2);
    s.out.Record(rec::kRk, far);
    s.out.Record(rec::kEof, ByteWriter());
  }
  return s.out.bytes();
}

TEST(ForeignRecords, SmallFilesCannotClaimHugeSheets) {
  EXPECT_EQ(Parse(SheetsWithOneFarCell(3, false))->sheets.size(), 3u);  // a few such sheets are fine
  EXPECT_THROW(Parse(SheetsWithOneFarCell(300, false)), FormatError);
  EXPECT_THROW(Parse(SheetsWithOneFarCell(3, true)), FormatError);
}

TEST(ForeignRecords, StreamsThatAreRefused) {
  auto refused = [](const std::vector<std::uint8_t>& stream) {
    try {
      Parse(stream);
    } catch (const FormatError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  {
    StreamBuilder s;
    s.Record(rec::kFilePass, {0, 0});
    EXPECT_NE(refused(s.Finish([](ByteWriter&) {})).find("password"), std::string::npos);
  }
  {
    StreamBuilder s;
    s.out = ByteWriter();
    s.Bof(0x0005, 0x0500);
    EXPECT_NE(refused(s.out.bytes()).find("older"), std::string::npos);
  }
  {
    StreamBuilder s;
    EXPECT_NE(refused(s.Finish([](ByteWriter&) {}, 0x7FFFFFF0)), "");  // the sheet lies beyond the stream
  }
  {
    StreamBuilder s;
    auto stream = s.Finish([](ByteWriter&) {});
    stream.resize(stream.size() - 4);  // no end to the sheet
    EXPECT_NE(refused(stream), "");
    stream[2] = 0xFF;  // the first record claims more than there is
    EXPECT_NE(refused(stream), "");
  }
  EXPECT_NE(refused({}), "");
  EXPECT_NE(refused({0x09, 0x08, 0x02, 0x00, 0x00, 0x06}), "");
}

}  // namespace
}  // namespace qvl::workbook::detail
