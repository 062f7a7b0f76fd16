#include "writers/builtin/solomon.h"

#include <optional>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "platform/vb/currency.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// A comma line of "Solomon": the export's values without the hours, and a
// description last.
enum SolomonValue : std::size_t {
  kCompany, kDate, kDivision, kBranch, kDepartment, kAccount, kDebits, kCredits, kDescription, kSolomonValues
};

struct SolomonState {
  // The description of the line in hand: its own line's in a detailed comma
  // run, the last line's in a summarized one, and none for fixed records.
  std::string SolomonDesc;
};
SolomonState solomon;

// Every input record, and in the comma form each line's description beside
// it, read before anything is written.
struct StoredInput {
  std::vector<InputRecord> records;
  std::vector<std::string> descriptions;
};

StoredInput StoreCommaLines(QvLedgerloom& w) {
  StoredInput stored;
  while (auto values = ReadCommaValues(w, kSolomonValues)) {
    values->resize(kSolomonValues);
    const std::vector<std::string>& v = *values;
    InputRecord rec;
    rec.SetCompany(v[kCompany]);
    rec.SetDate(v[kDate]);
    rec.SetDivision(v[kDivision]);
    rec.SetBranch(v[kBranch]);
    rec.SetDepartment(v[kDepartment]);
    rec.SetAccount(v[kAccount]);
    rec.SetDebits(v[kDebits]);
    rec.SetCredits(v[kCredits]);
    stored.records.push_back(rec);
    stored.descriptions.push_back(v[kDescription]);
  }
  return stored;
}

// The credits that are numbers, added up.
vb::Currency CreditTotal(const std::vector<InputRecord>& records) {
  vb::Currency total;
  for (const InputRecord& rec : records)
    if (const std::optional<vb::Currency> credit = vb::TryCCur(rec.credits())) total += *credit;
  return total;
}

void SolomonEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  const bool comma = InputIsText(w);
  const StoredInput stored = comma ? StoreCommaLines(w) : StoredInput{StoreInput(w), {}};
  const std::string period = stored.records.empty() ? std::string() : vb::Left(stored.records.front().date(), 6);
  WriteJournalLine(w, "Level0,,PJ,N," + vb::Trim(period) + ",B,,,,," + CreditTotal(stored.records).ToText());
  // Fixed records carry no description: none is left over from a comma run.
  solomon.SolomonDesc.clear();
  WriteStored(w, stored.records, Solomon, [&](std::size_t n) {
    if (comma) solomon.SolomonDesc = stored.descriptions[n];
  });
}

void SolomonV6Entry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  const std::vector<InputRecord> records = StoreInput(w);
  WriteJournalLine(w, "Level0,,,,,,");
  WriteStored(w, records, SolomonV6);
}

}  // namespace

SolomonAccount SplitSolomonAccount(std::string_view account, char separator) {
  const std::string text(account);
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return {vb::Trim(text), ""};
  return {vb::Trim(text.substr(0, at)), vb::Trim(text.substr(at + 1))};
}

void Solomon(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  InputRecord& rec = run.curRec;
  const SolomonAccount account = SplitSolomonAccount(rec.account(), '-');
  const std::string debits = TrimInPlace(rec, InputRecord::kDebits);
  const std::string credits = TrimInPlace(rec, InputRecord::kCredits);
  WriteFields(w, ",",
              {Plain("Level1"), Plain(account.main), Plain(account.sub), Plain("PR"), Plain(SlashedDate(rec.date())),
               Plain("Payroll"), Plain(debits), Plain(credits), Plain(vb::Trim(solomon.SolomonDesc))});
}

void SolomonV6(QvLedgerloom& w) {
  RunState& run = w.run;
  run.DoBalancing = true;
  InputRecord& rec = run.curRec;
  rec.SetAccount(vb::Trim(rec.account()));
  const SolomonAccount account = SplitSolomonAccount(rec.account(), ' ');
  const std::string debits = TrimInPlace(rec, InputRecord::kDebits);
  const std::string credits = TrimInPlace(rec, InputRecord::kCredits);
  WriteFields(w, ",",
              {Plain("Level1"), Plain(account.main), Plain(account.sub), Quoted("PR"), Plain(SlashedDate(rec.date())),
               Plain("N"), Plain(debits), Plain(credits), Plain("Payroll")});
}

void RegisterSolomonWriters(FinPacCatalog& catalog) {
  FinPacHooks& solomonHooks = catalog.HooksOf("Solomon");
  solomonHooks.entry = SolomonEntry;
  solomonHooks.writer = Solomon;
  solomonHooks.balanceWriter = Solomon;
  FinPacHooks& v6 = catalog.HooksOf("Solomon v6");
  v6.entry = SolomonV6Entry;
  v6.writer = SolomonV6;
  v6.balanceWriter = SolomonV6;
}

}  // namespace qvl
