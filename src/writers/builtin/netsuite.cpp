#include "writers/builtin/netsuite.h"

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "window/qvledgerloom.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr int kLocationsFile = 7;

struct NetSuiteState {
  NetLocTable NetLocArray;
};
NetSuiteState netsuite;

std::vector<std::string> NetSuiteHeader(QvLedgerloom&) {
  return {"Account,Debit,Credit,Memo,Entity,Class,Department,Location"};
}

// The locations are read before the journal is created: a run whose table
// cannot be read writes nothing.
void NetSuiteEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  if (w.chkLoc.Checked() && !InitNetLocArray(w)) {
    run.Ready = false;
    return;
  }
  InitFiles(w);
  SummarizingRecordLoop(w, NetSuite);
}

}  // namespace

bool InitNetLocArray(QvLedgerloom& w) {
  RunState& run = w.run;
  const std::string folder = w.dirInput.Path();
  const std::string answer =
      dialogs::InputBox("Please enter the filename containing the Netsuite Locations cross reference table.\r\r" +
                            folder,
                        "QvLedgerloom - Netsuite", "Locations.txt");
  const std::string file = (folder.ends_with('\\') ? folder : folder + "\\") + vb::Trim(answer);
  netsuite.NetLocArray.clear();
  try {
    for (std::vector<std::string>& pair : ReadCommaRows(run, kLocationsFile, file, 2))
      netsuite.NetLocArray.emplace_back(std::move(pair[0]), std::move(pair[1]));
  } catch (const vb::Error&) {
    ShowBox(w, file, dialogs::Buttons::OK, "Trouble with Locations File");
    return false;
  }
  return true;
}

std::string NetLocation(const NetLocTable& table, std::string_view code) {
  const std::string wanted = vb::Trim(code);
  for (const auto& [entryCode, name] : table) {
    if (entryCode.empty()) break;
    if (vb::Trim(entryCode) == wanted) return name;
  }
  return std::string(code);
}

void NetSuite(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  std::string account = run.curRec.account();
  std::string location;
  // An empty delimiter splits nothing: it would be found at the start and
  // leave no account.
  const std::string delimiter = w.txtDelim.Text();
  if (w.chkLoc.Checked() && !delimiter.empty()) {
    if (const std::size_t p = vb::InStr(account, delimiter); p > 0) {
      location = NetLocation(netsuite.NetLocArray, vb::Mid(account, p + delimiter.size()));
      account = vb::Left(account, p - 1);
    }
  }
  WriteFields(w, ",",
              {Plain(vb::Trim(account)), Plain(vb::Trim(run.curRec.debits())), Plain(vb::Trim(run.curRec.credits())),
               Plain("Quorvanta Payroll"), Plain(""), Plain(""), Plain(""), Plain(vb::Trim(location))});
}

void RegisterNetSuiteWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("NetSuite");
  h.entry = NetSuiteEntry;
  h.writer = NetSuite;
  h.header = NetSuiteHeader;
}

}  // namespace qvl
