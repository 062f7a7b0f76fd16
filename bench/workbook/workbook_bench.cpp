// A journal workbook of 100,000 rows by 10 columns, typed in as the writers
// type (texts converted as typed), saved as an Excel 97-2003 file, opened
// again and every value read back. A worksheet of that format holds 65,536
// rows, so the rows fill a second sheet, as they would in the application.
// When LibreOffice is installed its conversion of the same texts (as a CSV
// file) to the same file format is timed too, as a yardstick. Both clocks
// start with the texts already in memory.
//
//   bench_workbook [rows]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/paths/paths.h"
#include "platform/vb/convert.h"
#include "platform/workbook/workbook.h"

namespace wb = qvl::workbook;

namespace {

constexpr int kColumns = 10;
constexpr int kSheetRows = 65536;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The texts a writer types into row r, column c.
std::string Typed(long r, int c) {
  switch (c) {
    case 1: return std::string(1, '\'') + std::to_string(100000 + r % 9000);   // account kept as text
    case 2: return "PR Import " + std::to_string(r % 50);                        // repeated description
    case 3: return std::to_string(r % 12 + 1) + "/" + std::to_string(r % 28 + 1) + "/2011";  // date
    case 4: return qvl::vb::CStr((r % 100000) / 100.0 - 250);                    // amount
    case 5: return std::to_string(r);                                            // line number
    case 6: return "GL";
    case 7: return "Line " + std::to_string(r) + " of the journal";               // unique text
    case 8: return qvl::vb::CStr(r * 1.0001);                                     // amount, full double
    case 9: return "1011Nimbrel";
    default: return std::to_string(r % 7) + ".5";
  }
}

bool HaveSoffice() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

// LibreOffice converting the texts, written as a CSV file, to an Excel 97-2003
// file. Its own profile folder keeps it apart from any desktop session; a
// first conversion (untimed) sets that profile up.
double TimeSoffice(const std::filesystem::path& dir, const std::string& csv) {
  const std::filesystem::path profile = dir / "soffice-profile";
  const std::string convert = "soffice -env:UserInstallation=file://" + profile.string() +
                              " --headless --convert-to xls --outdir '" + dir.string() + "' ";
  {
    std::ofstream warm(dir / "warm.csv", std::ios::binary);
    warm << "1,2\n";
  }
  if (std::system((convert + "'" + (dir / "warm.csv").string() + "' >/dev/null 2>&1").c_str()) != 0) return -1;
  auto start = std::chrono::steady_clock::now();
  {
    std::ofstream out(dir / "data.csv", std::ios::binary);
    out << csv;
  }
  if (std::system((convert + "'" + (dir / "data.csv").string() + "' >/dev/null 2>&1").c_str()) != 0) return -1;
  double took = Seconds(start);
  if (!std::filesystem::exists(dir / "data.xls")) return -1;
  return took;
}

}  // namespace

int main(int argc, char** argv) {
  long rows = argc > 1 ? std::atol(argv[1]) : 100000;
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("qvl-bench-workbook-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  qvl::paths::MapDrive('c', dir);

  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(rows) * kColumns);
  for (long r = 0; r < rows; ++r)
    for (int c = 1; c <= kColumns; ++c) texts.push_back(Typed(r, c));

  auto start = std::chrono::steady_clock::now();
  auto app = wb::Application::Create();
  app.DisplayAlerts(false);
  wb::Workbook book = app.Workbooks().Add();
  book.Worksheets(1).Range("A1:J1").Font().Bold(true);
  book.Worksheets(1).Columns(4).NumberFormat("#,##0.00;(#,##0.00);0.00");
  for (long r = 0; r < rows; ++r) {
    wb::Worksheet sheet = book.Worksheets(static_cast<int>(r / kSheetRows) + 1);
    int row = static_cast<int>(r % kSheetRows) + 1;
    for (int c = 1; c <= kColumns; ++c) sheet.Cells(row, c).Value(texts[static_cast<std::size_t>(r * kColumns + c - 1)]);
  }
  book.Worksheets(1).Columns().AutoFit();
  double typed = Seconds(start);

  start = std::chrono::steady_clock::now();
  book.SaveAs("c:\\bench.xls");
  double saved = Seconds(start);
  auto size = std::filesystem::file_size(dir / "bench.xls");
  app.Quit();

  start = std::chrono::steady_clock::now();
  auto reader = wb::Application::Create();
  wb::Workbook back = reader.Workbooks().Open("c:\\bench.xls");
  double opened = Seconds(start);
  start = std::chrono::steady_clock::now();
  long cells = 0, wrong = 0;
  for (long r = 0; r < rows; ++r) {
    wb::Worksheet sheet = back.Worksheets(static_cast<int>(r / kSheetRows) + 1);
    int row = static_cast<int>(r % kSheetRows) + 1;
    for (int c = 1; c <= kColumns; ++c) {
      wb::CellValue v = sheet.Cells(row, c).Value();
      ++cells;
      if (c == 5 && v.number() != static_cast<double>(r)) ++wrong;
      if (c == 7 && v.text() != texts[static_cast<std::size_t>(r * kColumns + 6)]) ++wrong;
    }
  }
  double read = Seconds(start);

  double soffice = -1;
  const bool haveSoffice = HaveSoffice();
  if (haveSoffice) {
    std::string csv;
    for (long r = 0; r < rows; ++r) {
      for (int c = 1; c <= kColumns; ++c) {
        if (c > 1) csv += ',';
        csv += texts[static_cast<std::size_t>(r * kColumns + c - 1)];
      }
      csv += '\n';
    }
    soffice = TimeSoffice(dir, csv);
  }
  std::filesystem::remove_all(dir);

  std::printf("rows %ld x %d columns (%d sheets), file %.1f MB\n", rows, kColumns,
              static_cast<int>((rows + kSheetRows - 1) / kSheetRows), size / 1048576.0);
  std::printf("type in  %7.3f s\nsave     %7.3f s\nopen     %7.3f s\nread all %7.3f s  (%ld cells, %ld wrong)\n", typed,
              saved, opened, read, cells, wrong);
  const double total = typed + saved + opened + read;
  std::printf("total    %7.3f s\n", total);
  if (!haveSoffice) {
    std::printf("LibreOffice: soffice not installed, not timed\n");
  } else if (soffice < 0) {
    std::printf("LibreOffice: the conversion failed, not timed\n");
  } else {
    std::printf("LibreOffice CSV to .xls %7.3f s   LibreOffice / total %6.2f\n", soffice, soffice / total);
  }
  return wrong == 0 ? 0 : 1;
}
