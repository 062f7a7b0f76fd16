// Excel 5.0/95 workbooks, made record by record, opened through the object
// model as every package opens its map workbooks; and the older files that
// are still refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/fixtures.h"
#include "platform/workbook/biff.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/excel95_builder.h"

namespace qvl::workbook {
namespace {

namespace x95 = detail::excel95;
using detail::ByteWriter;
using detail::FormatError;
namespace rec = detail::rec;

class Excel95 : public test::DriveCTest {
 protected:
  Workbook Open(const std::vector<std::uint8_t>& file) {
    test::WriteBytes(Host("old.xls"), std::string(file.begin(), file.end()));
    return Application::Create().Workbooks().Open("c:\\old.xls");
  }
  // The description of the error opening the file raises; empty when it opens.
  std::string Refusal(const std::vector<std::uint8_t>& file) {
    try {
      Open(file);
    } catch (const vb::Error& e) {
      return e.description();
    }
    return "";
  }
};

TEST_F(Excel95, EveryCellFormReadsBackThroughTheObjectModel) {
  struct Case {
    x95::Version version;
    bool date1904;
  };
  for (const Case& c : {Case{x95::Version::Excel5, false}, Case{x95::Version::Excel95, false},
                        Case{x95::Version::Excel5, true}, Case{x95::Version::Excel95, true}}) {
    SCOPED_TRACE(testing::Message() << (c.version == x95::Version::Excel5 ? "Excel 5.0" : "Excel 95")
                                    << (c.date1904 ? ", 1904 dates" : ""));
    x95::Builder b(c.version, 1252, c.date1904);
    const double dateShift = c.date1904 ? 1462 : 0;  // the same day in the 1904 system
    int wages = b.Sheet("L\xF6hne \x80");
    b.Label(wages, 0, 0, "Acct \x80\x93\xFF");
    b.RString(wages, 0, 1, "R\xE9sum\xE9");
    b.Number(wages, 1, 0, 1234.5);
    b.Rk(wages, 1, 1, x95::RkWhole(-42));
    b.Rk(wages, 1, 2, x95::RkHundredths(1999));
    b.MulRk(wages, 2, 0, {x95::RkWhole(1), x95::RkHundredths(250), x95::RkWhole(536870911)});
    b.NumberFormula(wages, 3, 0, 7.25);
    b.TextFormula(wages, 3, 1, "Caf\xE9");
    b.BooleanFormula(wages, 3, 2, true);
    b.Number(wages, 4, 0, 40847 - dateShift, x95::kBuiltInDate);
    b.Rk(wages, 4, 1, x95::RkWhole(static_cast<std::int32_t>(40847 - dateShift)), x95::kOwnDate);
    b.Number(wages, 4, 2, 1234.5, x95::kAmount);
    int second = b.Sheet("Summary");
    b.Label(second, 0, 0, "second");
    b.Sheet("Leer \xDF");
    b.ActiveTab(1);

    Workbook book = Open(b.File());
    ASSERT_EQ(book.Worksheets().Count(), 3);
    EXPECT_EQ(book.Worksheets(1).Name(), "L\xF6hne \x80");
    EXPECT_EQ(book.Worksheets(3).Name(), "Leer \xDF");
    EXPECT_EQ(book.ActiveSheet().Name(), "Summary");
    Worksheet s = book.Worksheets(1);
    const std::vector<std::pair<const char*, CellValue>> cells = {
        {"A1", CellValue::Text("Acct \x80\x93\xFF")}, {"B1", CellValue::Text("R\xE9sum\xE9")},
        {"A2", CellValue::Number(1234.5)},          {"B2", CellValue::Number(-42)},
        {"C2", CellValue::Number(19.99)},           {"A3", CellValue::Number(1)},
        {"B3", CellValue::Number(2.5)},             {"C3", CellValue::Number(536870911)},
        {"A4", CellValue::Number(7.25)},            {"B4", CellValue::Text("Caf\xE9")},
        {"C4", CellValue::Boolean(true)},           {"A5", CellValue::Date(40847)},
        {"B5", CellValue::Date(40847)},             {"D1", CellValue()},
    };
    for (const auto& [address, value] : cells) EXPECT_EQ(s.Range(address).Value(), value) << address;
    EXPECT_EQ(s.Range("A5").Text(), "10/31/2011");
    EXPECT_EQ(s.Range("B5").Text(), "31/10/2011");
    EXPECT_EQ(s.Range("C5").Text(), "1,234.50");
    EXPECT_EQ(book.Worksheets(2).Cells(1, 1).Value(), CellValue::Text("second"));
    EXPECT_TRUE(book.Worksheets(3).Cells(1, 1).Value().IsEmpty());
    book.Close();
  }
}

TEST_F(Excel95, TextIsReadInTheWorkbooksCodePage) {
  struct Case {
    std::uint16_t codePage;
    std::string bytes;
    std::string text;  // Windows-1252
  };
  const std::vector<Case> cases = {
      {1252, "\x80\x9F\xE4", "\x80\x9F\xE4"},
      {850, "\x81\x9C\x90", "\xFC\xA3\xC9"},         // u umlaut, pound, E acute
      {437, "Nr. \xF8", "Nr. \xB0"},                 // degree sign
      {32768, "\x8E\xA5", "\xE9\x95"},               // Macintosh: e acute, bullet
      {1251, "\xC0\xE1 ok", "?? ok"},                // Cyrillic has no Windows-1252 form
      {932, "A\x82\xA0Z", "A?Z"},                    // a double-byte character
      {12345, "plain \xE9", "plain ?"},              // an unknown code page: ASCII alone is certain
  };
  for (const Case& c : cases) {
    x95::Builder b(x95::Version::Excel95, c.codePage);
    int sheet = b.Sheet(c.bytes.substr(0, 31));
    b.Label(sheet, 0, 0, c.bytes);
    b.TextFormula(sheet, 1, 0, c.bytes);
    Workbook book = Open(b.File());
    EXPECT_EQ(book.Worksheets(1).Name(), c.text) << c.codePage;
    EXPECT_EQ(book.Worksheets(1).Cells(1, 1).Value(), CellValue::Text(c.text)) << c.codePage;
    EXPECT_EQ(book.Worksheets(1).Cells(2, 1).Value(), CellValue::Text(c.text)) << c.codePage;
    book.Close();
  }
}

// A workbook stream whose first record is the given BOF.
std::vector<std::uint8_t> StreamWithBof(std::uint16_t id, std::uint16_t version) {
  ByteWriter bof;
  bof.U16(version);
  bof.U16(0x0005);
  bof.Zeros(4);
  ByteWriter out;
  out.Record(id, bof);
  out.Record(rec::kEof, ByteWriter());
  return out.bytes();
}

TEST_F(Excel95, OlderWorkbooksAreRefusedByName) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
  };
  const std::vector<Case> cases = {
      {"BIFF5 BOF of version 0x0400", x95::Builder::InBookStream(StreamWithBof(rec::kBof, 0x0400))},
      {"BIFF5 BOF of version 0x0300", x95::Builder::InBookStream(StreamWithBof(rec::kBof, 0x0300))},
      {"BIFF5 BOF of version 0x0200", x95::Builder::InBookStream(StreamWithBof(rec::kBof, 0x0200))},
      {"BIFF5 BOF of version 0x0002", x95::Builder::InBookStream(StreamWithBof(rec::kBof, 0x0002))},
      {"Excel 4.0 BOF in a compound file", x95::Builder::InBookStream(StreamWithBof(0x0409, 0x0000))},
      {"Excel 4.0 workbook file", StreamWithBof(0x0409, 0x0000)},
      {"Excel 3.0 file", StreamWithBof(0x0209, 0x0000)},
      {"Excel 2.1 file", StreamWithBof(0x0009, 0x0002)},
      {"bare stream of a later version", StreamWithBof(rec::kBof, 0x0500)},
  };
  for (const Case& c : cases) {
    EXPECT_NE(Refusal(c.file).find("older format than Excel 5.0/95"), std::string::npos) << c.what << ": " << Refusal(c.file);
  }
  // A stream from a later version with a BOF version no Excel wrote.
  EXPECT_NE(Refusal(x95::Builder::InBookStream(StreamWithBof(rec::kBof, 0x0700))), "");
}

TEST_F(Excel95, DamagedByteStringsAndSheetsAreRefused) {
  x95::Builder good;
  int sheet = good.Sheet("Data");
  good.Label(sheet, 0, 0, "text");
  std::vector<std::uint8_t> stream = good.Stream();
  // The label claims more characters than its record holds.
  std::vector<std::uint8_t> longLabel = stream;
  const std::size_t label = stream.size() - 4 - 12;  // the label's body, before the sheet's EOF
  ASSERT_EQ(longLabel[label - 4], 0x04);
  longLabel[label + 6] = 0xFF;
  EXPECT_NE(Refusal(x95::Builder::InBookStream(longLabel)), "");
  // A sheet of the later version inside an Excel 5.0/95 workbook.
  std::vector<std::uint8_t> mixed = stream;
  const std::size_t sheetBof = label - 4 - 12;
  ASSERT_EQ(mixed[sheetBof], 0x09);
  mixed[sheetBof + 5] = 0x06;
  EXPECT_NE(Refusal(x95::Builder::InBookStream(mixed)), "");
  EXPECT_EQ(Refusal(x95::Builder::InBookStream(stream)), "");
}

// The "GL Map.xls" of the scenario oracle-fringe-excel95-map: an Excel 5.0
// mapping workbook whose rows hold each cell form Excel 5.0 writes (MULRK,
// RK, NUMBER, cached formula results with and without a STRING record,
// labels in the code page) and mean the same map as the other Oracle Fringe
// scenarios' workbook. The committed file must be the one this builds;
// QVL_WRITE_FIXTURES=1 writes it again.
std::vector<std::uint8_t> OracleFringeMap() {
  x95::Builder b(x95::Version::Excel5);
  int map = b.Sheet("GL Map");
  const char* titles[] = {"Co", "Dept", "Acct", "Loc", "Proj", "Futr", "Desc", "Note",
                          "Co", "Dept", "Acct", "Loc", "Proj", "Futr"};
  for (int c = 0; c < 14; ++c) b.Label(map, 0, c, titles[c]);
  auto writes = [&](int row, std::vector<std::string> segments) {
    for (int c = 0; c < 6; ++c) b.Label(map, row, 8 + c, segments[static_cast<std::size_t>(c)]);
  };
  // Row 2: segments in one MULRK record.
  b.MulRk(map, 1, 0, {x95::RkWhole(1), x95::RkWhole(6299), x95::RkWhole(1200), x95::RkWhole(1), x95::RkWhole(0)});
  b.Label(map, 1, 5, "00000");
  b.RString(map, 1, 6, "Wages  Löhne");
  writes(1, {"01", "6299", "1200", "01", "000000", "00000     "});
  // Row 3: single RK and NUMBER cells, formula results.
  b.Rk(map, 2, 0, x95::RkWhole(1));
  b.Number(map, 2, 1, 6299);
  b.NumberFormula(map, 2, 2, 1225);
  b.Rk(map, 2, 3, x95::RkHundredths(100));
  b.Number(map, 2, 4, 0);
  b.TextFormula(map, 2, 5, "00000");
  b.Label(map, 2, 6, "Overtime ½");
  writes(2, {"01", "6299", "1225", "01", "000000", "00000     "});
  // Row 4: the same segments as row 2; the first row that matches wins.
  b.MulRk(map, 3, 0, {x95::RkWhole(1), x95::RkWhole(6299), x95::RkWhole(1200), x95::RkWhole(1), x95::RkWhole(0)});
  b.Label(map, 3, 5, "00000");
  b.Label(map, 3, 6, "Wages again");
  writes(3, {"99", "9999", "9999", "99", "999999", "99999"});
  // Row 5: column A empty ends the map; row 6 is never read.
  b.MulRk(map, 4, 1, {x95::RkWhole(6299), x95::RkWhole(9999), x95::RkWhole(1), x95::RkWhole(0)});
  b.Label(map, 4, 5, "00000");
  b.Label(map, 4, 6, "ends the map");
  writes(4, {"88", "8888", "8888", "88", "888888", "88888"});
  b.MulRk(map, 5, 0, {x95::RkWhole(1), x95::RkWhole(6299), x95::RkWhole(9999), x95::RkWhole(1), x95::RkWhole(0)});
  b.Label(map, 5, 5, "00000");
  b.Label(map, 5, 6, "not read");
  writes(5, {"77", "7777", "7777", "77", "777777", "77777"});
  int notes = b.Sheet("Notizen");
  b.Label(notes, 0, 0, "Stand 30.11.2026  geprü" "ft");
  return b.File();
}

TEST(Excel95Fixture, TheScenariosMapIsTheOneBuiltHere) {
  const std::string file = std::string(QVL_SCENARIOS_DIR) + "/oracle-fringe-excel95-map/c/gl/GL Map.xls";
  const std::vector<std::uint8_t> built = OracleFringeMap();
  const char* write = std::getenv("QVL_WRITE_FIXTURES");
  if (write != nullptr && std::string(write) == "1") {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(built.data()),
                                                static_cast<std::streamsize>(built.size()));
  }
  const std::string committed = test::ReadBytes(file);
  EXPECT_TRUE(committed == std::string(built.begin(), built.end())) << file;
}

}  // namespace
}  // namespace qvl::workbook
