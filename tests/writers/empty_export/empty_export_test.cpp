// Every list entry run over an empty export: the files it leaves, the boxes
// it shows and how the run ends, as each row of the table states them.
#include "writers/empty_export/empty_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "engine/packages.h"
#include "window/main_window_wiring.h"
#include "window/window_fixture.h"

namespace qvl::test::empty_export {

namespace fs = std::filesystem;

void RowRun::WriteFile(const std::string& name, const std::string& bytes) const {
  const fs::path file = gl / name;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string InBalance(const std::string& journal, const std::string& package) {
  return std::string("Journal Entry is in Balance! | Journal Entry:  ") + journal +
         "\ris now ready for Posting to your " + package +
         " General Ledger.\r\ran Audit Trail of the prepared transactions can be found in:\r        "
         "c:\\gl\\Audit_trail.txt";
}

std::string AuditLine(const std::string& account, const std::string& debits, const std::string& credits) {
  auto left = [](std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
  };
  return std::string(18, ' ') + left(account, 18) + left(debits, 14) + left(credits, 14) + "\r\n";
}

Case JournalInBalance(const std::string& package, const std::string& journal, const std::string& bytes,
                      std::function<void(const RowRun&)> prepare, std::vector<std::string> asked) {
  asked.push_back(InBalance("c:\\gl\\" + journal, package));
  return {package, std::move(prepare), {{journal, bytes}, {"Audit_trail.txt", ""}}, std::move(asked),
          Reported::InBalance};
}

namespace {

using Snapshot = std::map<std::string, std::string>;  // path under c:\gl -> bytes

Snapshot FilesUnder(const fs::path& folder) {
  Snapshot files;
  if (!fs::exists(folder)) return files;
  for (const auto& item : fs::recursive_directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    std::ifstream in(item.path(), std::ios::binary);
    files[fs::relative(item.path(), folder).generic_string()] =
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return files;
}

bool IsWorkbook(const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".xls"; }

Reported ReportedBy(const std::vector<std::string>& shown) {
  for (const std::string& box : shown) {
    if (box.rfind("Journal Entry is in Balance! | ", 0) == 0) return Reported::InBalance;
    if (box.rfind("Journal Entry is OUT OF Balance! | ", 0) == 0 ||
        box.rfind("Journal Entry remains OUT of Balance. | ", 0) == 0)
      return Reported::OutOfBalance;
  }
  return Reported::Nothing;
}

const char* NameOf(Reported reported) {
  switch (reported) {
    case Reported::InBalance: return "in balance";
    case Reported::OutOfBalance: return "out of balance";
    default: return "nothing";
  }
}

class EmptyExport : public WindowTest {
 protected:
  // One run of `row` in a window of its own, as a new session would start it.
  void RunRow(const Case& row) {
    SCOPED_TRACE(row.package);
    fs::remove_all(c.path());
    fs::create_directories(c / "gl");
    std::ofstream(c / "gl" / "gl.txt", std::ios::binary);  // the empty export

    dialogs::ScriptedDialogs rowBoxes;
    dialogs::SetCurrent(&rowBoxes);
    window = std::make_unique<QvLedgerloom>();
    window->run.catalog = &catalog;
    WirePackageListAndSettings(*window);
    QvLedgerloom& w = *window;
    w.cmboCoNum.SetText("123");
    ChoosePackage(row.package);
    w.QvInputFile.SetText("c:\\gl\\gl.txt");
    w.QvOutputPath.SetText("c:\\gl");
    w.pdEndDate.SetText("11/30/2026");
    w.txtMiscDate.SetText("");
    w.Details.SetValue(true);

    const RowRun run{w, rowBoxes, c / "gl"};
    if (row.prepare) row.prepare(run);
    const Snapshot before = FilesUnder(run.gl);
    w.cmdInterface.Click();
    const Snapshot after = FilesUnder(run.gl);

    std::vector<std::string> shown;
    for (const dialogs::ShownBox& box : rowBoxes.Shown()) {
      EXPECT_FALSE(box.failed) << box.title << " | " << box.prompt << ": " << box.failure;
      shown.push_back(box.title + " | " + box.prompt);
    }
    EXPECT_EQ(rowBoxes.Pending(), 0u) << "answers the run never asked for";
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(std::string(NameOf(ReportedBy(shown))), NameOf(row.reported));

    std::set<std::string> written;
    for (const auto& [name, bytes] : after) {
      const auto old = before.find(name);
      if (old == before.end() || old->second != bytes) written.insert(name);
    }
    std::set<std::string> expected;
    for (const File& file : row.files) expected.insert(file.name);
    EXPECT_EQ(written, expected) << "the files the run created or changed";
    for (const File& file : row.files) {
      if (!after.count(file.name)) continue;
      if (IsWorkbook(file.name))
        EXPECT_EQ(Trimmed(SheetCells("c:\\gl\\" + file.name)), file.cells) << file.name;
      else
        EXPECT_EQ(after.at(file.name), file.bytes) << file.name;
    }
    window.reset();
    dialogs::SetCurrent(&boxes);
  }
};

TEST_F(EmptyExport, EveryEntryWritesWhatItsLayoutWritesForNoRecord) {
  RegisterWriters(catalog);
  std::vector<Case> rows = FirstHalf();
  for (Case& row : SecondHalf()) rows.push_back(std::move(row));

  std::multiset<std::string> listed;
  for (const Case& row : rows) listed.insert(row.package);
  for (const FinPacEntry& entry : catalog.entries())
    EXPECT_EQ(listed.count(std::string(entry.text)), 1u) << "rows for \"" << entry.text << "\"";
  EXPECT_EQ(rows.size(), catalog.size());

  for (const Case& row : rows) RunRow(row);
}

}  // namespace
}  // namespace qvl::test::empty_export
