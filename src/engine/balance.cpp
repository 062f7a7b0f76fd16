#include "engine/balance.h"

#include "engine/catalog.h"
#include "engine/run_writer.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/vb/currency.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kInBalanceTitle = "Journal Entry is in Balance!";
constexpr std::string_view kOutOfBalanceTitle = "Journal Entry is OUT OF Balance!";
constexpr std::string_view kRemainsOutTitle = "Journal Entry remains OUT of Balance.";
constexpr std::string_view kMoneyMask = "$#,##0.00";

std::string AuditTrailLines(const RunState& run) {
  return "\r\ran Audit Trail of the prepared transactions can be found in:\r        " + run.AuditFile;
}

std::string ReadyForPosting(const RunState& run) {
  return "Journal Entry:  " + run.OUTFile + "\ris now ready for Posting to your " + run.ChosenPackage +
         " General Ledger.";
}

BalanceReport ReportOf(const RunState& run) {
  return run.entry != nullptr ? run.entry->report : BalanceReport::Standard;
}

// The offsetting record's amount fields from the typed amount: a negative
// amount is a credit, anything else a debit written as typed. An amount that
// is not a number is a credit of 0.
vb::Currency PutAmount(InputRecord& rec, const std::string& typed) {
  const std::size_t width = InputRecord::Width(InputRecord::kDebits);
  const std::optional<vb::Currency> amount = vb::TryCCur(typed);
  if (!amount || *amount < vb::Currency()) {
    const vb::Currency value = amount.value_or(vb::Currency());
    rec.SetCredits(vb::PadLeft((-value).ToText(), width));
    rec.SetDebits(".00");
    return value;
  }
  rec.SetDebits(vb::PadLeft(typed, width));
  rec.SetCredits(".00");
  return *amount;
}

void WriteOffset(QvLedgerloom& window, const std::string& account, const std::string& amountText) {
  RunState& run = window.run;
  const FinPacEntry* entry = run.entry;
  if (entry == nullptr) {
    ShowBox(window, kEntryNotAddedMsg);
    return;
  }
  switch (entry->balance) {
    case BalanceBranch::RaiseRecCountThen:
    case BalanceBranch::WriterProcedure: {
      const WindowProc writer =
          entry->hooks.balanceWriter != nullptr ? entry->hooks.balanceWriter : entry->hooks.writer;
      if (writer == nullptr) break;
      if (entry->balance == BalanceBranch::RaiseRecCountThen) ++run.RecCount;
      writer(window);
      return;
    }
    case BalanceBranch::WriterObject:
      if (FinPacWriter* object = RunWriterOf(window, *entry)) {
        object->Balance(account, amountText);
        return;
      }
      break;
    case BalanceBranch::Nothing:
      return;
    case BalanceBranch::NotAdded:
      ShowBox(window, kEntryNotAddedMsg);
      return;
  }
  ShowBox(window, NotAvailableMessage(entry->text));
}

}  // namespace

BalanceReportBox CheckBalance(QvLedgerloom& window) {
  RunState& run = window.run;
  while (true) {
    const BalanceReport report = ReportOf(run);
    if (report == BalanceReport::RecordCount) {
      run.Build_String = std::to_string(run.RecCount) + " records processed.\r\r" + ReadyForPosting(run) +
                         AuditTrailLines(run);
      return {run.Build_String, ""};
    }
    if (run.Audit_Total.IsZero()) {
      run.Build_String = ReadyForPosting(run);
      if (report != BalanceReport::NoAuditWhenInBalance) run.Build_String += AuditTrailLines(run);
      return {run.Build_String, std::string(kInBalanceTitle)};
    }
    run.Build_String = "Debits & Credits are off by: " + vb::Format(run.Audit_Total, kMoneyMask) +
                       "\r\rWould you like to create entries to Balance this Journal?";
    if (ShowBox(window, run.Build_String, dialogs::Buttons::YesNo, kOutOfBalanceTitle) != dialogs::kYes) {
      run.Build_String = "Out of Balance Journal Entry:  " + run.OUTFile + "\rhas been prepared for posting to your " +
                         run.ChosenPackage + " General Ledger." + AuditTrailLines(run);
      return {run.Build_String, std::string(kRemainsOutTitle)};
    }
    BalanceJE(window);
  }
}

void BalanceJE(QvLedgerloom& window) {
  RunState& run = window.run;
  run.curRec = run.prevRec;
  window.Summarized.SetValue(false);
  run.Balancing = true;
  // The offsetting line is counted as a detailed line.
  run.curSumLoaded = false;

  while (true) {
    const std::string account = dialogs::InputBox("Enter the Account Number to be charged.",
                                                  "Offset Account Number", run.curRec.account());
    run.curRec.SetAccount(account);

    run.Build_String = "Enter the Amount.\r\rNote:  use a negative sign (-) for credits";
    std::string amountText =
        dialogs::InputBox(run.Build_String, "Offset Amount", (-run.Audit_Total).ToText());
    const vb::Currency amount = PutAmount(run.curRec, amountText);
    // (Built from a character: GCC 12 warns falsely at -O2 on a short literal here.)
    if (!vb::TryCCur(amountText)) amountText = std::string(1, '0');

    run.Build_String = "Account: " + account + "\r\rAmount: " + vb::Format(amount, kMoneyMask) +
                       "\r\rContinue with this entry?";
    const int answer = ShowBox(window, run.Build_String, dialogs::Buttons::YesNoCancel, kQuestionTitle);
    run.curRec.SetDivision("0");
    run.curRec.SetBranch("0");
    run.curRec.SetDepartment("0");
    if (answer == dialogs::kNo) continue;
    if (answer == dialogs::kCancel) return;
    WriteOffset(window, account, amountText);
    return;
  }
}

}  // namespace qvl
