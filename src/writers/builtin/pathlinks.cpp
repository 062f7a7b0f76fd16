#include "writers/builtin/pathlinks.h"

#include <string>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct PathlinksState {
  bool lineWritten = false;  // a line of this run stands in the journal
};
PathlinksState pathlinks;

struct AccountParts {
  std::string entity;
  std::string account;
};

// With "Use Entity?" checked, an account holding the delimiter is split at
// its first one; any other account is written whole in the first part. An
// emptied delimiter box splits nothing.
AccountParts SplitAccount(const QvLedgerloom& w, const std::string& account) {
  const std::string delimiter = w.txtDelim.Text();
  if (!w.chkJobCode.Checked() || delimiter.empty()) return {account, ""};
  const std::size_t at = vb::InStr(account, delimiter);
  if (at == 0) return {account, ""};
  return {vb::Left(account, at - 1), vb::Mid(account, at + delimiter.size())};
}

// The records are written as they are read, each line after the first
// preceded by its line end, so the file needs no counting pass to know which
// line is the last. An empty input writes nothing.
void PathlinksEntry(QvLedgerloom& w) {
  pathlinks = {};
  RunPattern(w, *w.run.entry);
}

}  // namespace

void Pathlinks(QvLedgerloom& w) {
  RunState& run = w.run;
  const vb::Date periodEnd = w.PeriodEnd();
  const AccountParts parts = SplitAccount(w, run.curRec.account());
  if (pathlinks.lineWritten) run.a.Write(kLineEnd);
  WriteFields(w, "\t",
              {Plain("QUOR" + vb::Format(periodEnd, "yymmdd")), Plain(vb::Format(periodEnd, "mm/dd/yyyy")),
               Plain("Payroll-" + SlashedRecordDate(run.curRec)), Plain(vb::Trim(parts.entity)),
               Plain(vb::Trim(parts.account)), Plain("0"), Plain("0"), Plain(vb::Trim(run.curRec.debits())),
               Plain(vb::Trim(run.curRec.credits()))});
  pathlinks.lineWritten = true;
}

void RegisterPathlinksWriter(FinPacCatalog& catalog) {
  FinPacHooks& h = catalog.HooksOf("Pathlinks");
  h.entry = PathlinksEntry;
  h.writer = Pathlinks;
}

}  // namespace qvl
