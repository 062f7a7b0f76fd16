#include "writers/builtin/workbook_journals.h"

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/input_record.h"
#include "engine/run_messages.h"
#include "engine/output_names.h"
#include "engine/run_errors.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/currency.h"
#include "platform/vb/error.h"
#include "window/qvledgerloom.h"

namespace qvl {

void AttachWorkbookJournal(FinPacHooks& hooks, void (*writer)(QvLedgerloom&)) {
  hooks.writer = writer;
  hooks.balanceWriter = [](QvLedgerloom&) {};
}

std::optional<std::vector<std::string>> FirstExportLine(QvLedgerloom& w) {
  std::optional<std::vector<std::string>> first = ReadCommaValues(w, InputRecord::kValueFields);
  if (!first) RefuseRun(w, kNoRecordsMsg);
  return first;
}

void ForEachExportLine(QvLedgerloom& w, const std::vector<std::string>& first,
                       const std::function<void(const std::vector<std::string>&)>& perLine) {
  OnInputLine(w, [&] { perLine(first); });
  CommaRecordLoop(w, InputRecord::kValueFields, perLine);
}

std::string TypedFromData(std::string_view value) {
  const bool formulaOrQuote = !value.empty() && (value.front() == '=' || value.front() == '\'');
  const bool leadingZeros = value.size() > 1 && value[0] == '0' && value[1] >= '0' && value[1] <= '9';
  if (formulaOrQuote || leadingZeros) return "'" + std::string(value);
  return std::string(value);
}

std::string PlainAmount(std::string_view amountText) { return vb::CStr(vb::AmountOf(amountText)); }

}  // namespace qvl
