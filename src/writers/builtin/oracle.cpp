// "Oracle": a comma line of fifteen values per ledger line: the account's six
// segments, the operator's four-digit segment, the amounts, then the hours.
// A line with more than fourteen values closes the input: it holds two
// postings, each written to its account and against its clearing account.
// Lines go straight to the journal; none counts toward the balance.
#include <string>
#include <vector>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/fields.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"
#include "writers/builtin/self_reading.h"

namespace qvl {

namespace {

constexpr std::size_t kLineValues = 14;
// Company, date, division, branch, department and the six account segments.
constexpr std::size_t kPostingValues = 11;
constexpr std::size_t kSegment7 = 6;  // the account segment a clearing line replaces
constexpr std::string_view kFirstClearing = "6204";
constexpr std::string_view kSecondClearing = "6206";
constexpr std::string_view kZero = ".00";

// The line's values split at its commas, each trimmed; the last is the rest
// of the line. Raises vb::Error 5 for a line holding fewer than `count`.
std::vector<std::string> TrimmedValues(std::string_view text, std::size_t count, std::string_view layout) {
  std::vector<std::string> values = ValuesAsTheyStand(text, count, layout);
  for (std::string& v : values) v = vb::Trim(v);
  return values;
}

// The position just after the line's n-th comma.
std::size_t AfterComma(const std::string& line, std::size_t n) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < n; ++i) at = line.find(',', at) + 1;
  return at;
}

void WriteOracleLine(QvLedgerloom& w, std::vector<std::string> values, const std::string& segment,
                     std::string_view debit, std::string_view credit, std::string_view hours) {
  values.resize(kPostingValues);
  values.push_back(segment);
  values.emplace_back(debit);
  values.emplace_back(credit);
  values.emplace_back(hours);
  std::vector<Field> fields;
  for (std::string& v : values) fields.push_back(Plain(std::move(v)));
  WriteJournalLine(w, JoinFields(fields, ","));
}

// A posting to its account, then the same amount against the clearing account.
void WritePosting(QvLedgerloom& w, const std::vector<std::string>& values, const std::string& amount,
                  const std::string& segment, std::string_view clearing) {
  WriteOracleLine(w, values, segment, amount, kZero, kZero);
  std::vector<std::string> cleared = values;
  cleared[kSegment7] = std::string(clearing);
  WriteOracleLine(w, cleared, segment, kZero, amount, kZero);
}

// One input line; false after the closing line of two postings.
bool WriteOracleLines(QvLedgerloom& w, const std::string& line, const std::string& segment) {
  const std::vector<std::string> v = TrimmedValues(line, kLineValues, "the layout");
  if (v[kLineValues - 1].find(',') == std::string::npos) {
    WriteOracleLine(w, v, segment, v[12], v[13], v[11]);
    return true;
  }
  WritePosting(w, v, v[11], segment, kFirstClearing);
  // The second posting starts right after the first posting's amount.
  const std::vector<std::string> second =
      TrimmedValues(vb::Trim(line.substr(AfterComma(line, kPostingValues + 1))), kPostingValues + 1,
                    "the second posting");
  WritePosting(w, second, second[kPostingValues], segment, kSecondClearing);
  return false;
}

}  // namespace

void Oracle(QvLedgerloom& w) {
  w.run.Ready = true;
  InitFiles(w);
  const std::string segment =
      dialogs::InputBox("Please Enter 4 Digit Segment\r\nDefault is 0000", w.Caption(), "0000");
  EachInputLine(w, [&](const std::string& line) { return WriteOracleLines(w, line, segment); });
}

void RegisterOracleWriter(FinPacCatalog& catalog) { catalog.HooksOf("Oracle").writer = Oracle; }

}  // namespace qvl
