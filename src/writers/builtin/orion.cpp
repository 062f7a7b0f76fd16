// "Orion": a numbered comma line of eight values per ledger line, with the
// period month and the amounts in thirteen characters, written straight to
// the journal. No line counts toward the balance.
#include <cstdint>
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

constexpr std::size_t kAccountWidth = 24;
constexpr std::string_view kAmountMask = "0000000000.00";
constexpr std::string_view kNumberMask = "0000";

// A credit is written negative; one the export already signs is written
// without its sign, and ".00" as zero.
std::string OrionCredits(const std::string& credits) {
  if (credits == ".00") return vb::Format(vb::Currency(), kAmountMask);
  if (credits.find('-') != std::string::npos)
    return vb::Format(vb::AmountOf(vb::Replace(credits, "-", "")), kAmountMask);
  return "-" + vb::Format(vb::AmountOf(credits), kAmountMask);
}

}  // namespace

void Orion(QvLedgerloom& w) {
  RunState& run = w.run;
  const std::string month = vb::Format(w.PeriodEnd(), "mm");
  std::int64_t lineNumber = 0;
  WholeLineLoop(w, "QvLedgerloom", [&](const std::string& line) {
    const std::vector<std::string> v = ValuesAsTheyStand(line, InputRecord::kValueFields, "the export");
    const std::string number = vb::Format(++lineNumber, kNumberMask);
    WriteJournalLine(w, JoinFields({Plain(number), Plain(month), Plain(number),
                                    Plain(vb::Trim(AtWidth(v[InputRecord::kAccount], kAccountWidth))), Plain(""),
                                    Plain(""), Plain(vb::Format(vb::AmountOf(v[InputRecord::kDebits]), kAmountMask)),
                                    Plain(OrionCredits(v[InputRecord::kCredits]))},
                                   ","));
    ++run.RecCount;
  });
}

void RegisterOrionWriter(FinPacCatalog& catalog) { catalog.HooksOf("Orion").writer = Orion; }

}  // namespace qvl
