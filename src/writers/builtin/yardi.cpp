// "Yardi Systems" and "Yardi csv Input": a 16-value "J" line per amount,
// carrying the period's start date that the operator types at the start of
// the run. "Yardi Systems" numbers its lines by account group from the
// records; "Yardi csv Input" reads an export of its own layout and dates its
// lines from the input file's name.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/self_reading.h"

namespace qvl {

namespace {

constexpr std::string_view kStartDatePrompt = "Please Enter the Period Start Date (mm/dd/yyyy)";
constexpr std::string_view kStartDateMsg = "Format must be mm/dd/yyyy";
constexpr std::string_view kStartDateTitle = "Invalid Start Date";
constexpr std::string_view kFileNameDateMsg =
    "The input file name must end in the payroll date as mmddyy and \".txt\" (for example PR041307.txt):";
constexpr std::size_t kAccountPartWidth = 10;
constexpr std::size_t kExportValues = 6;

struct YardiState {
  std::string YardiStartDate;
  std::int64_t YardiDigit = 0;
  std::string SaveYardiGroup = "START";
  vb::Date fileDate;  // "Yardi csv Input": the date in the input file's name
};
YardiState yardi;

// Asks for the start date; a text that is no date is refused before any file
// is created.
bool AskStartDate(QvLedgerloom& w) {
  yardi.YardiStartDate = dialogs::InputBox(kStartDatePrompt, PackageTitle(w.run.ChosenPackage), "");
  if (vb::IsDate(yardi.YardiStartDate)) return true;
  RefuseRun(w, kStartDateMsg, kStartDateTitle);
  return false;
}

void WriteYardiLine(QvLedgerloom& w, std::vector<std::string> values) {
  std::vector<Field> fields;
  for (std::string& v : values) fields.push_back(Plain(std::move(v)));
  WriteFields(w, ",", fields);
}

void YardiEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  if (!AskStartDate(w)) return;
  InitFiles(w);
  yardi.SaveYardiGroup = "START";
  yardi.YardiDigit = 0;
  SummarizingRecordLoop(w, Yardi);
}

// The six digits before ".txt" at the end of the input file's name, as a
// date mmddyy of this century.
std::optional<vb::Date> FileNameDate(const std::string& path) {
  if (path.size() < 10 || !vb::EqualsNoCase(vb::Right(path, 4), ".txt")) return std::nullopt;
  const std::string digits = path.substr(path.size() - 10, 6);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return vb::ParseDate(digits.substr(0, 2) + "/" + digits.substr(2, 2) + "/20" + digits.substr(4, 2));
}

void YardiCSVinput(QvLedgerloom& w, const std::string& inRec) {
  RunState& run = w.run;
  run.DoBalancing = true;
  const std::vector<std::string> v = ValuesAsTheyStand(inRec, kExportValues, "the export");
  std::string csvCompany;
  std::string csvAccount = v[0];
  if (const std::size_t dash = v[0].find('-'); dash != std::string::npos) {
    csvCompany = vb::Trim(v[0].substr(0, dash));
    csvAccount = vb::Trim(v[0].substr(dash + 1));
  }
  const std::string& csvDebit = v[4];
  const std::string& csvCredit = v[5];
  const std::string additional = vb::Trim(v[1]);
  const vb::Date periodEnd = w.PeriodEnd();
  run.curRec = RecordOfLine({.account = csvAccount, .debits = csvDebit, .credits = csvCredit});
  WriteYardiLine(w, {"J", "1", "", "", vb::Format(yardi.fileDate, "mm/dd/yyyy"), vb::Format(periodEnd, "mm/dd"),
                     vb::Format(yardi.fileDate, "mmdd") + "PR",
                     "PR " + vb::Trim(v[2]) + (additional.empty() ? "" : " " + additional), csvCompany,
                     (vb::AmountOf(csvDebit) - vb::AmountOf(csvCredit)).ToText(), csvAccount, "", "", "",
                     vb::Format(vb::CDate(yardi.YardiStartDate), "mm/dd/yyyy") + "-" +
                         vb::Format(periodEnd, "mm/dd/yyyy"),
                     "0"});
}

void YardiCsvEntry(QvLedgerloom& w) {
  RunState& run = w.run;
  run.Ready = true;
  const std::optional<vb::Date> date = FileNameDate(run.INFile);
  if (!date) return RefuseRun(w, std::string(kFileNameDateMsg) + "\r\r" + run.INFile, PackageTitle(run.ChosenPackage));
  yardi.fileDate = *date;
  if (!AskStartDate(w)) return;
  InitFiles(w);
  EachInputLine(w, [&w](const std::string& line) {
    YardiCSVinput(w, line);
    return true;
  });
}

}  // namespace

void Yardi(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  run.DoBalancing = true;
  for (InputRecord::Field f : {InputRecord::kDebits, InputRecord::kCredits}) {
    const std::string amount = vb::Trim(rec.Get(f));
    rec.Set(f, amount.empty() ? ".00" : amount);
  }
  const std::string amount = vb::Format(NetAmount(rec), ".00");
  if (amount == ".00") return;
  const std::string account = rec.account();
  const std::string group = vb::Trim(vb::Left(account, 5));
  const std::string accountPart = Filled(vb::Trim(vb::Mid(account, 6)), kAccountPartWidth, '0', Align::Right);
  ++run.RecCount;
  if (group != vb::Trim(yardi.SaveYardiGroup)) {
    ++yardi.YardiDigit;
    yardi.SaveYardiGroup = group;
  }
  const vb::Date periodEnd = w.PeriodEnd();
  const std::string date = rec.date();
  WriteYardiLine(w, {"J", std::to_string(yardi.YardiDigit), "", "", SlashedRecordDate(rec),
                     vb::Format(periodEnd, "mm/yy"), vb::Mid(date, 5, 4) + "PR", "Payroll Transfer", group, amount,
                     accountPart, "", "", "", vb::Trim(yardi.YardiStartDate) + "-" + vb::Format(periodEnd, "mm/dd/yyyy"),
                     "0"});
}

void RegisterYardiWriters(FinPacCatalog& catalog) {
  FinPacHooks& systems = catalog.HooksOf("Yardi Systems");
  systems.entry = YardiEntry;
  systems.writer = Yardi;
  catalog.HooksOf("Yardi csv Input").entry = YardiCsvEntry;
}

}  // namespace qvl
