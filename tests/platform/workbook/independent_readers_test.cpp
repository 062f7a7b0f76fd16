// Our workbooks opened by readers that share no code with ours (xlrd,
// FreeXL, LibreOffice), and a workbook LibreOffice wrote, opened by ours.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

#if __has_include(<freexl.h>)
#include <freexl.h>
#define QVL_HAVE_FREEXL_HEADER 1
#endif

#include "platform/fixtures.h"
#include "platform/vb/convert.h"
#include "platform/vb/cp1252.h"
#include "platform/workbook/workbook.h"

// Where every reader is meant to be installed (CI sets QVL_REQUIRE_READERS=1),
// a missing one fails the test instead of skipping it, so the comparison
// cannot quietly stop happening.
#define QVL_READER_MISSING(why)                                  \
  do {                                                           \
    const char* required = std::getenv("QVL_REQUIRE_READERS");   \
    if (required != nullptr && std::string_view(required) == "1") \
      FAIL() << (why);                                           \
    GTEST_SKIP() << (why);                                       \
  } while (false)

namespace qvl::workbook {
namespace {

constexpr int kRows = 301;
constexpr std::array<double, 12> kNumbers = {0, -1, 536870911, -536870912, 536870912, 1099511627776.0, -7.25,
                                            0.01, 5368709.11, 1e-300, 1.7976931348623157e308, 0.1 + 0.2};
constexpr int kColumns = 6;

// A journal sheet with what the readers must agree on: bold, underlined and
// centred titles, text kept with leading zeros, amounts under a mask, typed
// dates, text in one- and two-byte characters (enough for the shared string
// table to run into CONTINUE records), a total formula; a second sheet with
// a long text; an empty third sheet.
Workbook BuildSample(Application& app) {
  Workbook book = app.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  s.Name("Journal Entry");
  const char* titles[kColumns] = {"GL Acct", "Amount", "Tran Date", "Tran Desc", "Rate", "Code"};
  for (int c = 0; c < kColumns; ++c) s.Cells(1, c + 1).Value(titles[c]);
  s.Range("A1:F1").Font().Bold(true);
  s.Range("A1:F1").Font().Underline(true);
  s.Range("A1:F1").HorizontalAlignment(xlCenter);
  s.Range("B2:B400").NumberFormat("#,##0.00;(#,##0.00);0.00");
  s.Columns(6).NumberFormat("@");
  for (int r = 2; r < kRows; ++r) {
    s.Cells(r, 1).Value("'0" + std::to_string(1000 + r));
    s.Cells(r, 2).Value(vb::CStr(r * 12.25 - 1999.99));
    s.Cells(r, 3).Value(std::to_string(r % 12 + 1) + "/" + std::to_string(r % 28 + 1) + "/20" + std::to_string(10 + r % 15));
    s.Cells(r, 4).Value("Sep 2006 Payroll Entry \x80 \x93" + std::to_string(r) + "\x94 " + std::string(r % 50, 'z'));
    s.Cells(r, 5).Value(r % 2 ? std::to_string(r % 9) + ".5%" : "$" + std::to_string(r) + ",000.25");
    s.Cells(r, 6).Value("000" + std::to_string(r));
  }
  s.Cells(kRows, 2).Value("=SUM(B2:B300)");
  s.Columns().AutoFit();
  Worksheet second = book.Worksheets(2);
  second.Cells(1, 1).Value(3.14159);
  second.Cells(2, 1).Value("'" + std::string(10000, 'w'));
  second.Cells(3, 1).Value("TRUE");
  // Numbers in each of the file's number forms: whole, hundredths, the short
  // floating form, and full doubles.
  for (std::size_t i = 0; i < kNumbers.size(); ++i) second.Cells(static_cast<int>(i) + 4, 1).Value(kNumbers[i]);
  s.Activate();
  return book;
}

std::string Utf8(std::string_view cp1252) {
  std::string out;
  for (char16_t c : vb::ToUtf16(cp1252)) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

struct CommandResult {
  int status = -1;
  std::string output;
};

// Runs a shell command, collecting what it prints on standard output.
CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string Quote(const std::filesystem::path& p) {
  std::string out = "'";
  for (char c : p.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Unhex(const std::string& h) {
  std::string out;
  for (std::size_t i = 0; i + 1 < h.size(); i += 2) out += static_cast<char>(std::stoi(h.substr(i, 2), nullptr, 16));
  return out;
}

class IndependentReaders : public test::DriveCTest {
 protected:
  void SetUp() override {
    DriveCTest::SetUp();
    book_ = BuildSample(app_);
    book_.SaveAs("c:\\sample.xls");
  }

  Application app_ = Application::Create();
  Workbook book_;
};

// ---- xlrd ----------------------------------------------------------------------

constexpr const char* kXlrdScript = R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
for sheet in book.sheets():
    print('S', sheet.name.encode('cp1252').hex(), sheet.nrows, sheet.ncols, sep='\t')
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY or (cell.ctype == xlrd.XL_CELL_BLANK):
                continue
            value = cell.value.encode('cp1252').hex() if cell.ctype == xlrd.XL_CELL_TEXT else repr(float(cell.value))
            xf = book.xf_list[sheet.cell_xf_index(r, c)]
            font = book.font_list[xf.font_index]
            fmt = book.format_map[xf.format_key].format_str
            print('C', r, c, cell.ctype, value, font.weight, font.underline_type, xf.alignment.hor_align,
                  fmt.encode('cp1252').hex(), sep='\t')
    for c, info in sorted(sheet.colinfo_map.items()):
        print('W', c, info.width, sep='\t')
)";

struct XlrdCounts {
  int sheets = 0, cells = 0, widths = 0;
};

// Reads the saved `book` at `file` with xlrd and compares every cell (value,
// type, bold, underline, centring, number format) and column width.
XlrdCounts CompareWithXlrd(const Workbook& book, const std::filesystem::path& script, const std::filesystem::path& file) {
  XlrdCounts n;
  auto result = RunCommand("/usr/bin/python3 " + Quote(script) + " " + Quote(file));
  EXPECT_EQ(result.status, 0) << result.output;
  std::istringstream lines(result.output);
  std::string line;
  Worksheet sheet;
  while (std::getline(lines, line)) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string x; std::getline(fields, x, '\t');) f.push_back(x);
    if (f[0] == "S") {
      sheet = book.Worksheets(++n.sheets);
      EXPECT_EQ(Unhex(f[1]), sheet.Name());
      continue;
    }
    if (f[0] == "W") {
      int c = std::stoi(f[1]) + 1;
      if (c <= kColumns) {
        ++n.widths;
        EXPECT_NEAR(std::stod(f[2]) / 256, sheet.Columns(c).ColumnWidth() + 5.0 / 7, 0.02);
      }
      continue;
    }
    EXPECT_EQ(f.size(), 9u) << line;
    if (f.size() != 9) continue;
    Range cell = sheet.Cells(std::stoi(f[1]) + 1, std::stoi(f[2]) + 1);
    SCOPED_TRACE(sheet.Name() + " " + cell.Address());
    ++n.cells;
    const CellValue v = cell.Value();
    // xlrd's cell types: 1 text, 2 number, 3 date, 4 boolean.
    const std::map<CellValue::Type, int> types = {{CellValue::Type::Text, 1}, {CellValue::Type::Number, 2},
                                                  {CellValue::Type::Date, 3}, {CellValue::Type::Boolean, 4}};
    if (!types.count(v.type())) {
      ADD_FAILURE() << "unexpected cell " << line;
      continue;
    }
    EXPECT_EQ(std::stoi(f[3]), types.at(v.type()));
    if (v.type() == CellValue::Type::Text) {
      EXPECT_EQ(Unhex(f[4]), v.text());
    } else {
      EXPECT_EQ(std::stod(f[4]), v.number());
    }
    EXPECT_EQ(f[5] == "700", cell.Font().Bold());
    EXPECT_EQ(f[6] == "1", cell.Font().Underline());
    EXPECT_EQ(f[7] == "2", cell.HorizontalAlignment() == xlCenter);
    std::string mask = Unhex(f[8]);
    if (mask != "m/d/yy") {  // xlrd's own name for the built-in date
      EXPECT_EQ(mask, cell.NumberFormat());
    }
  }
  return n;
}

class Xlrd : public IndependentReaders {
 protected:
  void SetUp() override {
    if (RunCommand("/usr/bin/python3 -c 'import xlrd' 2>/dev/null").status != 0) {
      QVL_READER_MISSING("python3-xlrd is not installed (/usr/bin/python3 cannot import xlrd)");
    }
    IndependentReaders::SetUp();
    std::ofstream(Host("read.py")) << kXlrdScript;
  }
};

TEST_F(Xlrd, ReadsEveryCellAndFormat) {
  XlrdCounts n = CompareWithXlrd(book_, Host("read.py"), Host("sample.xls"));
  EXPECT_EQ(n.sheets, 3);
  EXPECT_EQ(n.cells, kColumns * (kRows - 1) + 1 + 3 + static_cast<int>(kNumbers.size()));
  EXPECT_EQ(n.widths, kColumns);
}

TEST_F(Xlrd, ReadsStringsSplitAtEveryKindOfRecordBoundary) {
  // The shared string table starts with 8 bytes of counts. In turn: a string
  // leaving 2 bytes (the next header cannot start there), one leaving
  // 3 bytes (a header but no character: the next string moves on whole), a
  // two-byte string whose last characters continue behind an option byte,
  // a long one-byte string over three records, an empty string, and more
  // two-byte strings that leave an odd byte at the end of a record.
  std::vector<std::string> texts = {std::string(8211, 'a'), std::string(8218, 'b'), std::string(4112, '\x80'),
                                    std::string(20000, 'c'), ""};
  for (int i = 0; i < 40; ++i) texts.push_back(std::string(101 + i, '\x93') + std::to_string(i));
  Workbook book = app_.Workbooks().Add();
  Worksheet s = book.Worksheets(1);
  for (std::size_t i = 0; i < texts.size(); ++i) s.Cells(static_cast<int>(i) + 1, 1).Value(CellValue::Text("'" + texts[i]));
  book.SaveAs("c:\\strings.xls");
  XlrdCounts n = CompareWithXlrd(book, Host("read.py"), Host("strings.xls"));
  EXPECT_EQ(n.cells, static_cast<int>(texts.size()));
}

// ---- FreeXL --------------------------------------------------------------------

#ifdef QVL_HAVE_FREEXL_HEADER
// FreeXL is loaded at run time, so the tests build and skip where it is absent.
struct FreeXl {
  void* lib = nullptr;
  decltype(&freexl_open) open = nullptr;
  decltype(&freexl_close) close = nullptr;
  decltype(&freexl_get_info) info = nullptr;
  decltype(&freexl_select_active_worksheet) select = nullptr;
  decltype(&freexl_worksheet_dimensions) dimensions = nullptr;
  decltype(&freexl_get_cell_value) cell = nullptr;
  decltype(&freexl_get_worksheet_name) name = nullptr;

  bool Load() {
    for (const char* soname : {"libfreexl.so.1", "libfreexl.so"}) {
      if ((lib = ::dlopen(soname, RTLD_NOW))) break;
    }
    if (!lib) return false;
    auto get = [&](auto& fn, const char* symbol) { fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(lib, symbol)); };
    get(open, "freexl_open");
    get(close, "freexl_close");
    get(info, "freexl_get_info");
    get(select, "freexl_select_active_worksheet");
    get(dimensions, "freexl_worksheet_dimensions");
    get(cell, "freexl_get_cell_value");
    get(name, "freexl_get_worksheet_name");
    return open && close && info && select && dimensions && cell && name;
  }
  ~FreeXl() {
    if (lib) ::dlclose(lib);
  }
};
#endif

TEST_F(IndependentReaders, FreeXlReadsEveryValue) {
#ifndef QVL_HAVE_FREEXL_HEADER
  QVL_READER_MISSING("freexl.h is not installed (libfreexl-dev)");
#else
  FreeXl x;
  if (!x.Load()) QVL_READER_MISSING("libfreexl cannot be loaded (libfreexl1 is not installed)");
  const void* handle = nullptr;
  ASSERT_EQ(x.open(Host("sample.xls").c_str(), &handle), FREEXL_OK);
  unsigned int sheets = 0;
  ASSERT_EQ(x.info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets), FREEXL_OK);
  EXPECT_EQ(sheets, 3u);
  int compared = 0;
  for (unsigned short i = 0; i < sheets; ++i) {
    Worksheet sheet = book_.Worksheets(i + 1);
    const char* name = nullptr;
    x.name(handle, i, &name);
    EXPECT_EQ(std::string(name), Utf8(sheet.Name()));
    x.select(handle, i);
    unsigned int rows = 0;
    unsigned short columns = 0;
    x.dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; r < rows; ++r) {
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue v;
        ASSERT_EQ(x.cell(handle, r, c, &v), FREEXL_OK);
        Range cell = sheet.Cells(static_cast<int>(r) + 1, c + 1);
        SCOPED_TRACE(sheet.Name() + " " + cell.Address());
        CellValue ours = cell.Value();
        if (!cell.Formula().empty() && cell.Formula()[0] == '=') continue;  // FreeXL leaves formula cells empty
        ++compared;
        switch (v.type) {
          case FREEXL_CELL_NULL:
            EXPECT_TRUE(ours.IsEmpty());
            break;
          case FREEXL_CELL_INT:
            EXPECT_EQ(static_cast<double>(v.value.int_value), ours.number());
            break;
          case FREEXL_CELL_DOUBLE:
            EXPECT_EQ(v.value.double_value, ours.number());
            break;
          case FREEXL_CELL_TEXT:
          case FREEXL_CELL_SST_TEXT:
            EXPECT_EQ(std::string(v.value.text_value), Utf8(ours.text()));
            break;
          case FREEXL_CELL_DATE: {
            ASSERT_EQ(ours.type(), CellValue::Type::Date);
            vb::Date d = vb::Date::FromSerial(ours.number());
            char expected[16];
            std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", d.Year(), d.Month(), d.Day());
            EXPECT_EQ(std::string(v.value.text_value), expected);
            break;
          }
          default:
            ADD_FAILURE() << "unexpected FreeXL cell type " << static_cast<int>(v.type);
        }
      }
    }
  }
  EXPECT_GE(compared, kRows * kColumns);
  x.close(handle);
#endif
}

// ---- LibreOffice ---------------------------------------------------------------

class LibreOffice : public IndependentReaders {
 protected:
  void SetUp() override {
    if (RunCommand("command -v soffice >/dev/null 2>&1").status != 0) {
      QVL_READER_MISSING("LibreOffice (soffice) is not installed (libreoffice-calc-nogui)");
    }
    IndependentReaders::SetUp();
  }

  // soffice with a profile of its own, so parallel runs do not collide.
  CommandResult Convert(const std::string& to, const std::string& input, const std::string& extra = "") {
    std::string profile = "file://" + (dir_.path() / ("lo-profile-" + std::to_string(++runs_))).string();
    return RunCommand("timeout 300 soffice --headless --norestore -env:UserInstallation=" + profile + " " + extra +
                        " --convert-to " + Quote(to) + " --outdir " + Quote(dir_.path()) + " " +
                        Quote(Host(input)) + " 2>&1");
  }

  int runs_ = 0;
};

TEST_F(LibreOffice, ShowsOurCellsAsTheyAreShownHere) {
  // Comma-separated, Windows-1252, cells as shown, first sheet.
  auto result = Convert("csv:Text - txt - csv (StarCalc):44,34,1,1,,0,false,true,true,false,false,1", "sample.xls");
  ASSERT_EQ(result.status, 0) << result.output;
  // Asked for one sheet, it names the file after the sheet.
  std::string csv = test::ReadBytes(Host("sample-Journal Entry.csv"));
  ASSERT_FALSE(csv.empty()) << result.output;
  std::istringstream lines(csv);
  Worksheet sheet = book_.Worksheets(1);
  std::string line;
  int row = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++row;
    std::string expected;
    for (int c = 1; c <= kColumns; ++c) {
      std::string shown = sheet.Cells(row, c).Text();
      if (shown.find_first_of(",\"") != std::string::npos) shown = "\"" + shown + "\"";
      expected += (c > 1 ? "," : "") + shown;
    }
    EXPECT_EQ(line, expected) << "row " << row;
  }
  EXPECT_EQ(row, kRows);
}

TEST_F(LibreOffice, WeReadAWorkbookItWrote) {
  // Numbers, dates, quoted texts with leading zeros, one- and two-byte
  // characters and enough text for its shared strings to continue.
  std::string csv;
  for (int r = 1; r <= 400; ++r) {
    csv += std::to_string(r) + "," + vb::CStr(r * 0.75 - 100) + ",10/" + std::to_string(r % 28 + 1) + "/2009,\"00" +
           std::to_string(r) + "\",\"Line \x80 " + std::to_string(r) + " " + std::string(r % 40, 'k') + "\"," +
           std::to_string(r * 100000) + "\r\n";
  }
  test::WriteBytes(Host("lo.csv"), csv);
  auto result = Convert("xls", "lo.csv", "--infilter='Text - txt - csv (StarCalc):44,34,1,1,,1033,true,true'");
  ASSERT_EQ(result.status, 0) << result.output;
  Workbook theirs = Application::Create().Workbooks().Open("c:\\lo.xls");
  Worksheet s = theirs.Worksheets(1);
  EXPECT_EQ(s.UsedRange().Rows().Count(), 400);
  for (int r = 1; r <= 400; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(s.Cells(r, 1).Value(), CellValue::Number(r));
    EXPECT_EQ(s.Cells(r, 2).Value(), CellValue::Number(r * 0.75 - 100));
    CellValue date = s.Cells(r, 3).Value();
    EXPECT_EQ(date.type(), CellValue::Type::Date);
    EXPECT_EQ(date.ToText(), "10/" + std::to_string(r % 28 + 1) + "/2009");
    EXPECT_EQ(s.Cells(r, 4).Value(), CellValue::Text("00" + std::to_string(r)));
    EXPECT_EQ(s.Cells(r, 5).Value(), CellValue::Text("Line \x80 " + std::to_string(r) + " " + std::string(r % 40, 'k')));
    EXPECT_EQ(s.Cells(r, 6).Value(), CellValue::Number(r * 100000.0));
  }
}

}  // namespace
}  // namespace qvl::workbook
