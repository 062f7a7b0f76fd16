// bench_engine [FOLDER [detailed]]: times whole runs of generated payroll exports through
// "AccPac (new)", from "Generate Journal Entry" to the closed journal and
// audit trail, and prints records per second and each run's peak memory.
// Beside the detailed run of 1,000,000 records it times two yardsticks on the
// same input: the floor (reading the input and writing as many bytes as the
// run wrote) and the same transform as an awk script (accpac_new.awk, run by
// mawk when it is installed). The exports and journals go to a fresh folder
// under FOLDER (default: the system's temporary folder), which is removed
// afterwards. With "detailed" only the detailed run of 1,000,000 records is
// made, in the benchmark's own process, for a profiler to watch.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

#ifndef QVL_BENCH_DIR
#define QVL_BENCH_DIR "."
#endif

namespace {

namespace fs = std::filesystem;
using qvl::QvLedgerloom;
using qvl::vb::PadLeft;
using qvl::vb::PadRight;

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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
  double seconds = 0;
  long peakKb = 0;  // the run's own process
  std::uintmax_t journalBytes = 0;
  std::uintmax_t writtenBytes = 0;  // every file the run wrote
};

std::uintmax_t BytesIn(const fs::path& folder) {
  std::uintmax_t total = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) total += entry.file_size();
  return total;
}

// One run in this process; its seconds and the process's peak memory.
Result Run(bool summarized) {
    qvl::dialogs::ScriptedDialogs boxes;  // the result message is an OK box
    qvl::dialogs::SetCurrent(&boxes);
    Result r;
    {
      QvLedgerloom window;
      window.cmboCoNum.SetText("123");
      window.pdEndDate.SetText("11/30/2026");
      window.txtMiscDate.SetText("");
      window.QvInputFile.SetText("c:\\gl.txt");
      window.QvOutputPath.SetText("c:\\out");
      window.PickFinPac.AddItem("AccPac (new)");
      window.PickFinPac.SetListIndex(0);
      (summarized ? window.Summarized : window.Details).SetValue(true);
      const auto start = std::chrono::steady_clock::now();
      window.cmdInterface.Click();
      r.seconds = Since(start);
    }
    if (boxes.Shown().size() != 1 || boxes.Shown()[0].title != "Journal Entry is in Balance!") {
      std::fprintf(stderr, "unexpected result: %s\n", boxes.Transcript().c_str());
      ::_exit(1);
    }
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    r.peakKb = usage.ru_maxrss;
    return r;
}

// One run in a process of its own, so that its peak memory is its own.
Result TimeRun(const fs::path& dir, bool summarized) {
  fs::remove_all(dir / "out");
  fs::create_directories(dir / "out");
  int channel[2];
  if (::pipe(channel) != 0) std::exit(1);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    const Result r = Run(summarized);
    if (::write(channel[1], &r, sizeof r) != sizeof r) ::_exit(1);
    ::_exit(0);
  }
  ::close(channel[1]);
  Result r;
  const bool got = ::read(channel[0], &r, sizeof r) == sizeof r;
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::exit(1);
  r.journalBytes = fs::file_size(dir / "out" / "123113026.txt");
  r.writtenBytes = BytesIn(dir / "out");
  return r;
}

// What no run can beat: the input read and `bytes` written, in large blocks.
double TimeFloor(const fs::path& input, const fs::path& output, std::uintmax_t bytes) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<char> block(1 << 20);
  const int in = ::open(input.c_str(), O_RDONLY);
  const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0) std::exit(1);
  std::uintmax_t left = bytes;
  while (true) {
    const ssize_t n = ::read(in, block.data(), block.size());
    if (n <= 0) break;
    const std::size_t now = std::min<std::uintmax_t>(left, static_cast<std::size_t>(n));
    if (now > 0 && ::write(out, block.data(), now) != static_cast<ssize_t>(now)) std::exit(1);
    left -= now;
  }
  while (left > 0) {  // the output is larger than the input
    const std::size_t now = std::min<std::uintmax_t>(left, block.size());
    if (::write(out, block.data(), now) != static_cast<ssize_t>(now)) std::exit(1);
    left -= now;
  }
  ::close(in);
  ::close(out);
  return Since(start);
}

bool SameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

bool HaveMawk() { return std::system("command -v mawk >/dev/null 2>&1") == 0; }

double TimeMawk(const fs::path& input, const fs::path& folder) {
  const std::string command = "mawk -v audit='" + (folder / "audit.txt").string() + "' -f '" QVL_BENCH_DIR
                              "/accpac_new.awk' '" + input.string() + "' > '" + (folder / "journal.txt").string() + "'";
  const auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "mawk failed: %s\n", command.c_str());
    std::exit(1);
  }
  return Since(start);
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
  if (argc > 2 && std::string(argv[2]) == "detailed") {
    WriteExport(dir / "gl.txt", 1000000, 500000);
    fs::create_directories(dir / "out");
    const Result r = Run(false);
    std::printf("detailed, 1,000,000 records: %.3f s, peak %.1f MB\n", r.seconds, static_cast<double>(r.peakKb) / 1024.0);
    fs::remove_all(dir);
    return 0;
  }
  const Case cases[] = {{100000, 50000, false}, {1000000, 500000, false}, {100000, 50000, true},
                        {1000000, 50000, true}};
  std::printf("%-12s %10s %10s %10s %12s %12s %10s\n", "AccPac (new)", "records", "keys", "seconds", "records/s",
              "journal MB", "peak MB");
  double detailed = 0, summarized = 0;
  std::uintmax_t written = 0;
  for (const Case& c : cases) {
    WriteExport(dir / "gl.txt", c.records, c.keys);
    const Result r = TimeRun(dir, c.summarized);
    std::printf("%-12s %10ld %10ld %10.3f %12.0f %12.1f %10.1f\n", c.summarized ? "summarized" : "detailed", c.records,
                c.keys, r.seconds, static_cast<double>(c.records) / r.seconds,
                static_cast<double>(r.journalBytes) / 1e6, static_cast<double>(r.peakKb) / 1024.0);
    std::fflush(stdout);
    if (c.records == 1000000) {
      if (c.summarized) {
        summarized = r.seconds;
      } else {
        detailed = r.seconds;
        written = r.writtenBytes;
        // The yardsticks run on this same input.
        fs::create_directories(dir / "yardstick");
        const double floor = TimeFloor(dir / "gl.txt", dir / "yardstick" / "floor.out", written);
        std::printf("\nyardsticks, 1,000,000 records (%.1f MB in, %.1f MB out):\n",
                    static_cast<double>(fs::file_size(dir / "gl.txt")) / 1e6, static_cast<double>(written) / 1e6);
        std::printf("  floor (read the input, write as many bytes)  %8.3f s   run / floor  %6.2f\n", floor,
                    detailed / floor);
        if (HaveMawk()) {
          const double awk = TimeMawk(dir / "gl.txt", dir / "yardstick");
          std::printf("  mawk, the same transform                     %8.3f s   mawk / run   %6.2f  (journal %s)\n", awk,
                      awk / detailed,
                      SameBytes(dir / "out" / "123113026.txt", dir / "yardstick" / "journal.txt") ? "the same bytes"
                                                                                                : "DIFFERS");
        } else {
          std::printf("  mawk: not installed, not timed\n");
        }
        std::printf("\n");
        fs::remove_all(dir / "yardstick");
      }
    }
  }
  std::printf("summarized (50,000 keys) / detailed, 1,000,000 records: %.2f\n", summarized / detailed);
  fs::remove_all(dir);
  return 0;
}
