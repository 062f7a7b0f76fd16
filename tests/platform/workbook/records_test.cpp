// Reading strings split over CONTINUE records as other writers split them,
// and workbook streams that must be refused.
#include <gtest/gtest.h>

#include "platform/workbook/biff.h"
#include "platform/workbook/model.h"
#include "platform/workbook/xls_reader.h"

namespace qvl::workbook::detail {
namespace {

using Parts = std::vector<std::span<const std::uint8_t>>;

TEST(ContinuedStrings, ReadAcrossRecordBoundariesOrRefusedWhenCutShort) {
  // "Ab" in one byte per character, then the rest in two bytes each behind
  // a new option byte.
  std::vector<std::uint8_t> first = {5, 0, 0x00, 'A', 'b'};
  std::vector<std::uint8_t> second = {0x01, 0xAC, 0x20, 'c', 0, 'd', 0};
  ContinuedReader in(Parts{first, second});
  EXPECT_EQ(in.ReadString(), "Ab\x80" "cd");
  EXPECT_TRUE(in.AtEnd());

  // Rich (2 runs) and phonetic (6 bytes) string "xy" whose extras run into
  // the next record, then a plain "z".
  std::vector<std::uint8_t> rich = {2, 0, 0x0C, 2, 0, 6, 0, 0, 0, 'x', 'y', 1, 2, 3};
  std::vector<std::uint8_t> rest = {4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 1, 0, 0, 'z'};
  ContinuedReader in2(Parts{rich, rest});
  EXPECT_EQ(in2.ReadString(), "xy");
  EXPECT_EQ(in2.ReadString(), "z");
  EXPECT_TRUE(in2.AtEnd());

  for (std::vector<std::uint8_t> cut : {std::vector<std::uint8_t>{10, 0, 0, 'a', 'b'},
                                        std::vector<std::uint8_t>{2, 0, 1, 'a'}}) {  // half a two-byte character
    ContinuedReader bad(Parts{cut});
    EXPECT_THROW(bad.ReadString(), FormatError);
  }
}

// A small workbook stream built record by record.
class StreamBuilder {
 public:
  StreamBuilder() {
    Bof(0x0005);
    for (int i = 0; i < 4; ++i) Font();
    for (int i = 0; i < 16; ++i) out.Record(rec::kXf, std::vector<std::uint8_t>(20, 0));
  }

  void Bof(std::uint16_t type, std::uint16_t version = 0x0600) {
    ByteWriter b;
    b.U16(version);
    b.U16(type);
    b.Zeros(12);
    out.Record(rec::kBof, b);
  }
  void Font() {
    ByteWriter b;
    b.U16(200);
    b.U16(0);
    b.U16(0x7FFF);
    b.U16(400);
    b.Zeros(6);
    WriteUnicodeString(b, "Arial", true);
    out.Record(rec::kFont, b);
  }
  void Record(std::uint16_t id, const std::vector<std::uint8_t>& body) { out.Record(id, body); }
  // One empty sheet at `offset` (0: where it is written); the finished stream.
  std::vector<std::uint8_t> Finish(std::uint32_t offset = 0) {
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

TEST(WorkbookStream, SmallFilesCannotClaimHugeSheets) {
  EXPECT_EQ(Parse(SheetsWithOneFarCell(3, false))->sheets.size(), 3u);  // a few such sheets are fine
  EXPECT_THROW(Parse(SheetsWithOneFarCell(300, false)), FormatError);
  EXPECT_THROW(Parse(SheetsWithOneFarCell(3, true)), FormatError);
}

TEST(WorkbookStream, StreamsThatAreRefused) {
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
    EXPECT_NE(refused(s.Finish()).find("password"), std::string::npos);
  }
  {
    StreamBuilder s;
    s.out = ByteWriter();
    s.Bof(0x0005, 0x0400);
    EXPECT_NE(refused(s.out.bytes()).find("older"), std::string::npos);
  }
  {
    StreamBuilder s;
    EXPECT_NE(refused(s.Finish(0x7FFFFFF0)), "");  // the sheet lies beyond the stream
  }
  {
    StreamBuilder s;
    auto stream = s.Finish();
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
