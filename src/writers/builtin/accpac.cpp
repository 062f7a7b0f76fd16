#include "writers/builtin/accpac.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_driver.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "window/qvledgerloom.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::string_view kComma = ",";
constexpr std::size_t kAmountWidth = 14;

struct AccPacState {
  // Entries of an AdvSeries batch, numbered through the whole run (the
  // offsetting entry included).
  std::int64_t AccPacCount = 0;
};
AccPacState accpac;

// ---- "AccPac AdvSeries CE v5.2" ----

std::vector<std::string> AccPacV52Header(QvLedgerloom&) {
  return {"RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC,,,",
          "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSREF,TRANSDATE,SRCELDGR,SRCETYPE,COMMENT"};
}

void AccPacV52Entry(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  accpac.AccPacCount = 0;
  const vb::Date periodEnd = w.PeriodEnd();
  WriteJournalLine(w, JoinFields({Plain("1"), Plain("1"), Plain("1"), Plain("GL"), Plain("JE"),
                                  Plain(vb::Format(periodEnd, "yyyy")), Plain(vb::Format(periodEnd, "m")),
                                  Plain("Monthly History"), Plain(""), Plain(""), Plain("")},
                                 kComma));
  RecordLoop(w, AccPacV52);
}

void WriteV52Line(QvLedgerloom& w, const std::string& account, vb::Currency amount, std::string closing) {
  ++accpac.AccPacCount;
  WriteFields(w, kComma,
              {Plain("2"), Plain("1"), Plain("1"), Plain(std::to_string(accpac.AccPacCount * 20)), Plain(account),
               Plain(amount.ToText()), Plain("Monthly History"), Plain(vb::Format(w.PeriodEnd(), "yyyymmdd")),
               Plain("GL"), Plain("JE"), Plain(std::move(closing))});
}

// ---- "AccPac (new)" and "AccPac (old)" ----

struct AccPacNewLine {
  std::string entryNumber;
  std::string account;
  std::string amount;  // 14 characters
  std::string description;
  std::string reference;
  std::string dateText;  // mm/dd/yy
  std::string period;    // 2 characters (old layout)
};

// The amount as the export writes a one-sided debit: two decimals.
std::string DebitForm(vb::Currency amount) { return vb::PadLeft(vb::Format(amount, "#.00"), kAmountWidth); }
// A credit as the layout writes it: negated, plain decimal.
std::string CreditForm(vb::Currency negated) { return vb::PadLeft(negated.ToText(), kAmountWidth); }

std::string AmountText(const RunState& run) {
  if (run.curSumLoaded) return vb::PadLeft(run.SumAmount, kAmountWidth);
  const vb::Currency debit = vb::AmountOf(run.curRec.View(InputRecord::kDebits));
  const vb::Currency credit = vb::AmountOf(run.curRec.View(InputRecord::kCredits));
  if (!debit.IsZero() && !credit.IsZero()) {
    // One amount column: a two-sided record writes its net, so the journal
    // agrees with the reported balance.
    const vb::Currency net = debit - credit;
    return net > vb::Currency() ? DebitForm(net) : CreditForm(net);
  }
  if (!debit.IsZero()) return run.curRec.debits();
  return CreditForm(-credit);
}

// The texts that follow from the record's date alone. An export's records
// mostly share one date, so the texts of the last good date are kept.
void DatedTexts(const std::string& date, AccPacNewLine& line) {
  thread_local std::string lastDate;
  thread_local AccPacNewLine last;
  if (!lastDate.empty() && date == lastDate) {
    line.dateText = last.dateText;
    line.description = last.description;
    line.reference = last.reference;
    return;
  }
  line.dateText = SlashedDate(date);
  // Month and year from the record's date with its four-digit year; a date
  // that is no date is written as the text stands.
  const std::optional<vb::Date> recordDate = vb::DateFromYyyymmdd(date);
  const auto part = [&](std::string_view mask) {
    return recordDate ? vb::Format(*recordDate, mask) : vb::Format(line.dateText, mask);
  };
  const std::string year = part("yyyy");
  line.description = vb::Trim(vb::Left("RES. SALARIES " + part("mmmm") + ", " + year, 35));
  line.reference = vb::Trim(vb::Left("NG-" + year + "-" + part("mm"), 25));
  if (recordDate) {
    lastDate = date;
    last = line;
  }
}

AccPacNewLine BuildAccPacNewLine(QvLedgerloom& w) {
  RunState& run = w.run;
  run.MaxAcctLen = 15;
  CheckMaxLength(w);
  ++run.RecCount;
  run.DoBalancing = true;

  const std::string date = run.curRec.date();  // yyyymmdd
  AccPacNewLine line;
  line.entryNumber = std::to_string(run.RecCount * 10);
  line.account = vb::Trim(vb::Left(run.curRec.account(), 15));
  DatedTexts(date, line);
  line.amount = AmountText(run);
  const std::string month = vb::Mid(date, 5, 2);
  // (Built from a character: GCC 12 warns falsely at -O2 on a short literal here.)
  line.period = month > "09" ? month : std::string(1, ' ').append(vb::Mid(date, 6, 1));
  return line;
}

}  // namespace

void AccPacV52(QvLedgerloom& w) {
  RunState& run = w.run;
  ++run.RecCount;
  const std::string account = vb::Trim(vb::Replace(vb::Replace(run.curRec.account(), "-", ""), " ", ""));
  const vb::Currency debit = vb::AmountOf(run.curRec.debits());
  const vb::Currency credit = vb::AmountOf(run.curRec.credits());
  WriteDebitThenCredit(run, !debit.IsZero(), !credit.IsZero(), [&](Side side) {
    if (side == Side::Debit)
      WriteV52Line(w, account, debit, " ");
    else
      WriteV52Line(w, account, -credit, "");
  });
}

void AccPacNew(QvLedgerloom& w) {
  const AccPacNewLine l = BuildAccPacNewLine(w);
  WriteFields(w, kComma,
              {Plain("9"), Plain("1"), Plain(l.entryNumber), Quoted(l.account), Quoted(l.amount), Quoted("SP"),
               Quoted("USD"), Quoted(l.description), Quoted(l.reference), Quoted(l.dateText), Quoted("GL"),
               Quoted("JE"), Quoted("")});
}

void AccPacOld(QvLedgerloom& w) {
  const AccPacNewLine l = BuildAccPacNewLine(w);
  WriteFields(w, kComma,
              {Plain("2"), Plain("9"), Plain("1"), Plain(l.entryNumber), Quoted(l.account), Quoted(l.amount),
               Quoted(l.period), Quoted("SP"), Quoted("USD"), Quoted("1"), Quoted(l.description),
               Quoted(l.reference), Quoted(l.dateText), Quoted("GL"), Quoted("JE")});
}

void RegisterAccPacWriters(FinPacCatalog& catalog) {
  FinPacHooks& v52 = catalog.HooksOf("AccPac AdvSeries CE v5.2");
  v52.entry = AccPacV52Entry;
  v52.writer = AccPacV52;
  v52.balanceWriter = AccPacV52;
  v52.header = AccPacV52Header;

  FinPacHooks& newer = catalog.HooksOf("AccPac (new)");
  newer.writer = AccPacNew;
  newer.balanceWriter = AccPacNew;

  FinPacHooks& older = catalog.HooksOf("AccPac (old)");
  older.writer = AccPacOld;
  older.balanceWriter = AccPacOld;
}

}  // namespace qvl
