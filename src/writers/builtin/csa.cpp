#include "writers/builtin/csa.h"

#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::size_t kReferenceWidth = 6;
constexpr std::size_t kAccountWidth = 11;
constexpr std::size_t kDescriptionWidth = 110;

struct CsaState {
  // The operator's journal reference, asked once per run.
  std::string reference = std::string(kReferenceWidth, ' ');
};
CsaState csa;

void CsaEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  // Cancel leaves the reference blank; the run goes on.
  csa.reference = AtWidth(dialogs::InputBox("JE Reference (up to 6 characters)", "CSA Journal Entry Reference", ""),
                          kReferenceWidth);
  SummarizingRecordLoop(w, CSA);
}

// An amount the package writes: a number that is not zero.
bool Posts(const std::string& amount) { return vb::IsNumeric(amount) && !vb::AmountOf(amount).IsZero(); }

}  // namespace

void CSA(QvLedgerloom& w) {
  InputRecord& rec = w.run.curRec;
  const std::string debits = rec.debits();
  const std::string credits = rec.credits();
  WriteDebitThenCredit(w.run, Posts(debits), Posts(credits), [&](Side side) {
    const std::string amount = side == Side::Debit ? vb::Trim(debits) : (-vb::AmountOf(credits)).ToText();
    WriteFields(w, ",",
                {Quoted(csa.reference), Quoted(vb::Format(w.PeriodEnd(), "mmddyy")), Quoted(""),
                 Quoted(AtWidth(rec.account(), kAccountWidth)),
                 Quoted(AtWidth("Imported from Quorvanta", kDescriptionWidth)),
                 Quoted(vb::Format(amount, "########.00"))});
  });
}

void RegisterCsaWriter(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("CSA");
  hooks.entry = CsaEntry;
  hooks.writer = CSA;
  hooks.balanceWriter = CSA;
}

}  // namespace qvl
