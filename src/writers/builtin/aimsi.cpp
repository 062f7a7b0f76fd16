// "AIMsi": one workbook row per comma line under a title row, the GL code,
// location and department taken from the account around its first ".";
// three readable audit lines per ledger line.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_state.h"
#include "platform/vb/convert.h"
#include "platform/vb/currency.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/workbook_journals.h"

namespace qvl {

namespace {

constexpr std::size_t kAccountWidth = 10;
constexpr std::string_view kAmountMask = "$#,##0.00";
constexpr const char* kTitles[] = {"GL Code", "Location", "Tax", "Journal", "Dept Code", "Ref #", "cacctdesc",
                                   "DR", "CR"};
constexpr int kFirstColumn = 3;
constexpr int kDebitColumn = 10;
constexpr int kCreditColumn = 11;

// The account's pieces around its first ".": the character after it (the
// account's first character when it has none) and the one before it. A
// position the account does not have, or a padding blank, leaves the piece
// empty.
struct AccountParts {
  std::string location;
  std::string department;
};

AccountParts SplitAtPoint(const std::string& account) {
  const std::size_t point = vb::InStr(account, ".");
  AccountParts parts;
  if (point == 0) {
    parts.location = vb::Left(account, 1);
  } else {
    parts.location = vb::Mid(account, point + 1, 1);
    if (point > 1) parts.department = vb::Mid(account, point - 1, 1);
  }
  parts.location = vb::Trim(parts.location);
  return parts;
}

// A debit or credit cell: only an amount above zero is written.
void AmountCell(const workbook::Worksheet& sheet, int row, int column, vb::Currency amount) {
  if (amount <= vb::Currency()) return;
  sheet.Cells(row, column).NumberFormat(kAmountMask);
  sheet.Cells(row, column).Value(amount);
}

// The debits as the line carries them: a number in its plain form, or the
// text as read when it is not a number.
std::string DebitsAsRead(const std::string& debits) {
  return vb::IsNumeric(debits) ? PlainAmount(debits) : debits;
}

void WriteRow(QvLedgerloom& w, const workbook::Worksheet& sheet, int row, const std::vector<std::string>& v) {
  const std::string account = AtWidth(v[InputRecord::kAccount], kAccountWidth);
  const std::string& date = v[InputRecord::kDate];
  const AccountParts parts = SplitAtPoint(account);
  const std::vector<std::string> texts = {
      TypedFromData(vb::Left(account, 6)),
      TypedFromData(parts.location),
      "1",
      "PR",
      TypedFromData(parts.department),
      "PR " + vb::Mid(date, 5, 2) + "-" + vb::Mid(date, 7, 2),
  };
  int column = kFirstColumn;
  for (const std::string& text : texts) sheet.Cells(row, column++).Value(text);
  AmountCell(sheet, row, kDebitColumn, vb::AmountOf(v[InputRecord::kDebits]));
  AmountCell(sheet, row, kCreditColumn, vb::AmountOf(v[InputRecord::kCredits]));

  w.run.b.Write("Account Number: " + account + ", " + "Date: " + date + "\r\n" + "Debits: " +
                DebitsAsRead(vb::Trim(v[InputRecord::kDebits])) + ", Credits: " +
                PlainAmount(v[InputRecord::kCredits]) + "\r\n\r\n");
}

}  // namespace

// An export without a line still gets its workbook, the title row alone.
void AIMsi(QvLedgerloom& w) {
  const JournalWorkbook journal;
  const workbook::Worksheet sheet = journal.FirstSheet();
  int column = kFirstColumn;
  for (const char* title : kTitles) sheet.Cells(1, column++).Value(title);

  int row = 2;
  CommaRecordLoop(w, InputRecord::kValueFields,
                  [&](const std::vector<std::string>& v) { WriteRow(w, sheet, row++, v); });

  sheet.Columns().AutoFit();
  journal.SaveAsJournal(w);
}

void RegisterAIMsiWriter(FinPacCatalog& catalog) {
  AttachWorkbookJournal(catalog.HooksOf("AIMsi"), AIMsi);
}

}  // namespace qvl
