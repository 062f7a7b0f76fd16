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

std::string PlainAmount(std::string_view amountText) { return vb::CStr(vb::AmountOf(amountText)); }

}  // namespace qvl
