#pragma once
// An empty export (a file without a record) run through each of the 99 list
// entries: what each one writes, shows and reports for it. The table's rows
// live beside this header, one file per half of the list; the test itself
// (empty_export_test.cpp) runs them all and checks that every entry of the
// list has exactly one row.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs/scripted_dialogs.h"
#include "window/qvledgerloom.h"
#include "writers/workbook_cells.h"

namespace qvl::test::empty_export {

// What a row's set-up step may touch: the window (options, boxes), the
// dialogs (answers and replies the run's boxes take, queued in order) and the
// input folder c:\gl, which is also the output folder (side files go here).
struct RowRun {
  QvLedgerloom& window;
  dialogs::ScriptedDialogs& boxes;
  std::filesystem::path gl;

  void WriteFile(const std::string& name, const std::string& bytes) const;
};

// A file the run leaves in c:\gl (or a folder below it, "sub\\name" written
// "sub/name"). A text file is compared byte for byte; a workbook (a name
// ending in ".xls") by its first sheet's cells, as `cells` lists them
// (trimmed of empty cells at the ends of rows and of empty rows at the end).
struct File {
  std::string name;
  std::string bytes;
  Table cells = {};
};

// How the run ends, as the operator sees it.
enum class Reported {
  Nothing,      // no result box: the run is not reported in balance or ready for posting
  InBalance,    // "Journal Entry is in Balance!"
  OutOfBalance, // "Journal Entry is OUT OF Balance!" or "... remains OUT of Balance."
};

struct Case {
  std::string package;  // the list text
  // Options, side files and answers; empty when the run needs none. The
  // company is 123, the period end 11/30/2026, input c:\gl\gl.txt (empty),
  // output c:\gl, "Details" selected; the clock reads 12/6/2026 9:00.
  std::function<void(const RowRun&)> prepare;
  // Every file the run creates or changes in c:\gl, and nothing else.
  std::vector<File> files;
  // "title | prompt" of every box the run shows, in order.
  std::vector<std::string> shown;
  Reported reported = Reported::Nothing;
};

// The rows of the list's first half (list order "AccPac AdvSeries CE v5.2"
// to "MNP") and of its second half ("NetSuite" to "Yardi csv Input").
std::vector<Case> FirstHalf();
std::vector<Case> SecondHalf();

// The in-balance report of a run whose journal is `journal` (path as shown).
std::string InBalance(const std::string& journal, const std::string& package);

// One audit-trail line with blank levels: account 18, debits 14, credits 14.
std::string AuditLine(const std::string& account, const std::string& debits, const std::string& credits);

// A run that leaves `journal` (in c:\gl) holding `bytes` and an empty audit
// trail, shows the boxes `asked`, then reports the journal in balance.
Case JournalInBalance(const std::string& package, const std::string& journal, const std::string& bytes,
                      std::function<void(const RowRun&)> prepare = {}, std::vector<std::string> asked = {});

}  // namespace qvl::test::empty_export
