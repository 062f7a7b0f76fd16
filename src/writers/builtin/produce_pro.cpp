// "Produce Pro": a comma line per ledger line with the period end, the
// posting period, the account in three parts and the net amount.
#include <array>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/self_reading.h"

namespace qvl {

namespace {

// The account's parts before its first dash, between its first two dashes
// and after the second (further dashes stay in the third); a part the
// account lacks is empty, and the third is "0" when empty or "000".
std::array<std::string, 3> AccountParts(const std::string& account) {
  std::array<std::string, 3> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < 3 && start != std::string::npos; ++i) {
    const std::size_t dash = i < 2 ? account.find('-', start) : std::string::npos;
    parts[i] = account.substr(start, dash == std::string::npos ? std::string::npos : dash - start);
    start = dash == std::string::npos ? dash : dash + 1;
  }
  // (Assigned from a character: GCC 12 warns falsely at -O2 on a short literal here.)
  if (parts[2].empty() || parts[2] == "000") parts[2] = std::string(1, '0');
  return parts;
}

void WriteProduceProLine(QvLedgerloom& w, const std::string& line) {
  RunState& run = w.run;
  std::vector<std::string> v = ValuesAsTheyStand(line, InputRecord::kValueFields, "the export");
  for (std::string& value : v) value = vb::Trim(value);
  const std::string& date = v[InputRecord::kDate];
  const std::string& account = v[InputRecord::kAccount];
  const std::string& debits = v[InputRecord::kDebits];
  const std::string& credits = v[InputRecord::kCredits];
  const std::array<std::string, 3> parts = AccountParts(account);
  run.curRec = RecordOfLine({.account = account, .debits = debits, .credits = credits});
  WriteFields(w, ",",
              {Plain(vb::Format(w.PeriodEnd(), "yyyymmdd")),
               Plain(date.substr(0, date.size() < 2 ? 0 : date.size() - 2)),
               Plain(""), Plain(parts[0] + "0000"), Plain(parts[1]), Plain(parts[2]),
               Plain(vb::Format(vb::AmountOf(debits) - vb::AmountOf(credits), "#######.00"))});
}

}  // namespace

void ProducePro(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  EachInputLine(w, [&w](const std::string& line) {
    WriteProduceProLine(w, line);
    return true;
  });
}

void RegisterProduceProWriter(FinPacCatalog& catalog) { catalog.HooksOf("Produce Pro").writer = ProducePro; }

}  // namespace qvl
