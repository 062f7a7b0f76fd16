// The tab-separated QuickBooks files, and the header and end lines of the
// whole family.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_driver.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "engine/write_output.h"
#include "platform/vb/clock.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/comma_input.h"
#include "writers/builtin/quickbooks.h"

namespace qvl {

namespace {

constexpr std::string_view kJournalType = "GENERAL JOURNAL";
constexpr std::string_view kMemo = "Payroll from Quorvanta";
constexpr std::size_t kAccountColumn = 15;
constexpr std::size_t kAmountColumn = 14;
constexpr std::size_t kTypedAccountField = 30;

bool EndsWithYear(std::string_view package, std::string_view year) {
  return vb::Right(vb::Trim(package), 4) == year;
}

std::vector<std::string> TabHeader(QvLedgerloom& w) {
  const std::string& package = w.run.ChosenPackage;
  const bool splId = EndsWithYear(package, "2004") || EndsWithYear(package, "2006");
  const std::string columns = "TIMESTAMP\tTRNSTYPE\tACCNT\tAMOUNT\tDATE\tCLEAR\tNAME\tDOCNUM\tMEMO\tCLASS";
  return {"!TRNS\tTRNSID\t" + columns, std::string("!SPL\t") + (splId ? "SPLID " : "TRNSID") + "\t" + columns,
          "!ENDTRNS"};
}

std::vector<std::string> CommaHeader(QvLedgerloom&) {
  return {"!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME", "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
          "!ENDTRNS"};
}

std::vector<std::string> EndLine(QvLedgerloom&) { return {"ENDTRNS"}; }

std::string ClearFlag(QvLedgerloom& w) { return w.rdoClrY.Value() ? "Y" : "N"; }

// The reader never hands a record twice, so the loop alone writes every
// record once: there is no closing call for a record the last read left.
void QuickBooksEntry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  SummarizingRecordLoop(w, QuickBooks);
}

// One line of "QuickBooks 2006" from an input line's values (or the
// offsetting record's).
void WriteTypedLine(QvLedgerloom& w, std::string_view company, std::string_view date, std::string_view account,
                    std::string_view debits, std::string_view credits) {
  RunState& run = w.run;
  ++run.RecCount;
  const TypedAccount parts = SplitTypedAccount(account, company, w.txtDelim.Text(), w.chkLoc.Checked(),
                                               w.chkSumClass.Checked(), w.chk13pd.Checked());
  const vb::Currency amount = vb::AmountOf(debits) - vb::AmountOf(credits);
  std::vector<Field> columns;
  for (const std::string& column :
       {std::string(run.RecCount > 1 ? "SPL" : "TRNS"), std::to_string(run.RecCount),
        vb::Format(vb::Today(), "mm/dd/yy"), parts.type, parts.account, amount.ToText(), SlashedDate(vb::Trim(date)),
        ClearFlag(w), parts.name, std::string("PR"), std::string(kMemo), std::string()})
    columns.push_back(Plain(vb::Trim(column)));
  WriteFields(w, "\t", columns);
}

void WriteTypedInputLine(QvLedgerloom& w, const std::string& line) {
  RunState& run = w.run;
  const std::vector<std::string> v = ExportLineValues(line);
  run.curRec = RecordOfExportLine(v);
  run.curRec.SetCompany(v[InputRecord::kCompany]);
  WriteTypedLine(w, v[InputRecord::kCompany], v[InputRecord::kDate], v[InputRecord::kAccount],
                 v[InputRecord::kDebits], v[InputRecord::kCredits]);
}

// The offsetting line, in the layout of the input lines, from the record
// the offsetting entry prepared.
void QuickBooks2006Offset(QvLedgerloom& w) {
  const InputRecord& rec = w.run.curRec;
  WriteTypedLine(w, rec.company(), rec.date(), vb::Trim(rec.account()), rec.debits(), rec.credits());
}

}  // namespace

TabAccount SplitTabAccount(std::string_view account, std::string_view delimiter, bool byClass, bool byName,
                           bool subAccounts) {
  const std::string whole = vb::Trim(account);
  const std::string delim = DelimiterOf(delimiter);
  TabAccount parts;
  parts.account = vb::Left(whole, kAccountColumn);
  const std::size_t p = vb::InStr(whole, delim);
  if (byClass && p > 0) {
    parts.klass = vb::Left(whole, p - 1);
    parts.account = vb::Left(vb::Trim(vb::Mid(whole, p + delim.size())), kAccountColumn);
  }
  if (byName && p > 0) {
    parts.account = vb::Left(whole, std::min(p - 1, kAccountColumn));
    parts.klass = vb::Trim(vb::Mid(whole, p + delim.size()));
  }
  if (subAccounts && vb::Mid(parts.account, 7, 1) == ".") {
    parts.subAccount = vb::Trim(vb::Mid(parts.account, 8, 6));
    parts.account = vb::Left(parts.account, 6);
  }
  return parts;
}

TypedAccount SplitTypedAccount(std::string_view account, std::string_view company, std::string_view delimiter,
                               bool byType, bool byCustomer, bool trimAccount) {
  const std::string delim = DelimiterOf(delimiter);
  TypedAccount parts{vb::Left(vb::Trim(account), kTypedAccountField), std::string(kJournalType),
                     std::string(company)};
  if (byType) {
    if (const std::size_t p = vb::InStr(parts.account, delim); p > 0) {
      parts.type = vb::Trim(vb::Mid(parts.account, p + delim.size()));
      parts.account = vb::Left(parts.account, p - 1);
    }
  }
  if (byCustomer) {
    const std::size_t p = vb::InStr(account, "-");
    parts.name = p > 0 ? std::string(account.substr(p)) : std::string();
    if (p > 0 && trimAccount) parts.account = vb::Left(vb::Left(account, p - 1), kTypedAccountField);
  }
  return parts;
}

void QuickBooks(QvLedgerloom& w) {
  RunState& run = w.run;
  InputRecord& rec = run.curRec;
  const bool is2004 = EndsWithYear(run.ChosenPackage, "2004");
  run.MaxAcctLen = w.chkClass.Checked() ? 18 : 15;
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;

  // Names and locations are offered by "QuickBooks 2004" only: for
  // "QuickBooks" the box is hidden, and a check mark another package left
  // there must not split its accounts.
  const TabAccount parts = SplitTabAccount(rec.account(), w.txtDelim.Text(), w.chkClass.Checked(),
                                           is2004 && w.chkNames.Checked(), is2004);
  std::string date = SlashedDate(rec.date());
  std::string name = rec.company();
  if (is2004) {
    name = parts.subAccount;
    if (w.chk13pd.Checked()) date = vb::Format(vb::CDate(w.pdEndDate.Text()), "mm/dd/yy");
  }
  std::string memo(kMemo);
  if (run.ChosenPackage == "QuickBooks 2004" && !vb::Trim(w.txtJourRef.Text()).empty()) memo = w.txtJourRef.Text();

  if (vb::Trim(rec.debits()).empty()) rec.SetDebits(".00");
  if (vb::Trim(rec.credits()).empty()) rec.SetCredits(".00");
  const std::string amount = run.curSumLoaded ? run.SumAmount : NetAmount(rec).ToText();

  WriteFields(w, "\t",
              {Plain(is2004 && run.RecCount > 1 ? "SPL" : "TRNS"),
               Plain(vb::Trim(rec.company()) + std::to_string(run.RecCount)), Plain(vb::CStr(vb::Now())),
               Plain(std::string(kJournalType)), Plain(AtWidth(parts.account, kAccountColumn)),
               Plain(AtWidth(amount, kAmountColumn)), Plain(date), Plain(ClearFlag(w)), Plain(name),
               Plain("Div:" + vb::Trim(rec.division()) + " Br:" + vb::Trim(rec.branch()) +
                     " Dept:" + vb::Trim(rec.department())),
               Plain(memo), Plain(parts.klass)});
}

void QuickBooks2006(QvLedgerloom& w) {
  WholeLineLoop(w, "QvLedgerloom", [&w](const std::string& line) { WriteTypedInputLine(w, line); });
}

void RegisterQuickBooksWriters(FinPacCatalog& catalog) {
  for (const char* text : {"QuickBooks", "QuickBooks 2004"}) {
    FinPacHooks& h = catalog.HooksOf(text);
    h.entry = QuickBooksEntry;
    h.writer = QuickBooks;
    h.header = TabHeader;
    h.trailer = EndLine;
  }
  FinPacHooks& h2006 = catalog.HooksOf("QuickBooks 2006");
  h2006.writer = QuickBooks2006;
  h2006.balanceWriter = QuickBooks2006Offset;
  h2006.header = TabHeader;
  h2006.trailer = EndLine;
  for (const char* text : {"QuickBooks (csv)", "QuickBooks PerfPay"}) {
    FinPacHooks& h = catalog.HooksOf(text);
    h.header = CommaHeader;
    h.trailer = EndLine;
  }
  RegisterQuickBooksCommaWriters(catalog);
}

}  // namespace qvl
