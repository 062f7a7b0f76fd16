// bench_engine [FOLDER]: times whole runs of generated payroll exports through
// "AccPac (new)", from "Generate Journal Entry" to the closed journal and
// audit trail, and prints records per second. The exports and journals go to
// a fresh folder under FOLDER (default: the system's temporary folder), which
// is removed afterwards.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace {

namespace fs = std::filesystem;
using qvl::QvLedgerloom;
using qvl::vb::PadLeft;
using qvl::vb::PadRight;

// `count` records over `keys` accounts. Each pass over the accounts debits
// them or, on the next pass, credits them the same amount, so the journal
// balances whether or not it is summarized.
void WriteExport(const fs::path& file, long count, long keys) {
  std::ofstream out(file, std::ios::binary);
  std::string record;
  for (long i = 0; i < count; ++i) {
    const long key = i % keys;
    const bool debit = (i / keys) % 2 == 0;
    const std::string amount = std::to_string(1 + key % 997) + ".25";
    record = PadRight("123", 4) + "20261130" + PadRight("01", 6) + PadRight("02", 6) + PadRight("03", 6) +
             PadRight("5000-" + std::to_string(key), 18) + PadLeft("8.00", 11) + PadLeft(debit ? amount : ".00", 14) +
             PadLeft(debit ? ".00" : amount, 14) + "\r\n";
    out << record;
  }
}

struct Result {
  double seconds;
  std::uintmax_t journalBytes;
};

Result TimeRun(const fs::path& dir, bool summarized) {
  qvl::dialogs::ScriptedDialogs boxes;  // the result message is an OK box
  qvl::dialogs::SetCurrent(&boxes);
  QvLedgerloom window;
  window.cmboCoNum.SetText("123");
  window.pdEndDate.SetText("11/30/2026");
  window.txtMiscDate.SetText("");
  window.QvInputFile.SetText("c:\\gl.txt");
  window.QvOutputPath.SetText("c:\\out");
  window.PickFinPac.AddItem("AccPac (new)");
  window.PickFinPac.SetListIndex(0);
  (summarized ? window.Summarized : window.Details).SetValue(true);
  fs::create_directories(dir / "out");

  const auto start = std::chrono::steady_clock::now();
  window.cmdInterface.Click();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

  if (boxes.Shown().size() != 1 || boxes.Shown()[0].title != "Journal Entry is in Balance!") {
    std::fprintf(stderr, "unexpected result: %s\n", boxes.Transcript().c_str());
    std::exit(1);
  }
  qvl::dialogs::SetCurrent(nullptr);
  return {took.count(), fs::file_size(dir / "out" / "123113026.txt")};
}

}  // namespace

int main(int argc, char* argv[]) {
  const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  const fs::path dir = base / ("qvl-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  qvl::paths::UnmapAll();
  qvl::paths::MapDrive('c', dir);
  qvl::vb::SetFixedClock(*qvl::vb::Date::Make(2026, 12, 6, 9));

  struct Case {
    long records;
    long keys;
    bool summarized;
  };
  const Case cases[] = {{100000, 50000, false}, {1000000, 500000, false}, {100000, 50000, true},
                        {1000000, 50000, true}};
  std::printf("%-12s %10s %10s %12s %14s %12s\n", "AccPac (new)", "records", "keys", "seconds", "records/s",
              "journal MB");
  for (const Case& c : cases) {
    WriteExport(dir / "gl.txt", c.records, c.keys);
    const Result r = TimeRun(dir, c.summarized);
    std::printf("%-12s %10ld %10ld %12.3f %14.0f %12.1f\n", c.summarized ? "summarized" : "detailed", c.records,
                c.keys, r.seconds, static_cast<double>(c.records) / r.seconds,
                static_cast<double>(r.journalBytes) / 1e6);
  }
  fs::remove_all(dir);
  return 0;
}
