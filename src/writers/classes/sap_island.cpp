#include "writers/classes/sap_island.h"

#include <algorithm>
#include <array>

#include "engine/catalog.h"
#include "platform/vb/clock.h"
#include "platform/vb/convert.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kCash = "115000";
constexpr std::array<std::string_view, 5> kClearing = {"215080", "215200", "215210", "215220", "215240"};
// The indicators of a credit and of a debit line, and so of the two passes.
constexpr std::string_view kCreditSide = "H";
constexpr std::string_view kDebitSide = "S";

std::vector<std::string> Header(QvLedgerloom&) {
  return {"Doc Date,Currency,Posting Date,Ref Doc,Header Txt,GL Account,C/D indicator,Amount,Cost Center,Text"};
}

bool Clearing(const std::string& account) {
  return std::find(kClearing.begin(), kClearing.end(), account) != kClearing.end();
}

// A date as "Sep 17 2009": through the date when the text is one, else
// character by character from "yyyymmdd" (no month name for a month that
// is none).
std::string LongDate(std::string_view text) {
  if (const std::optional<vb::Date> date = vb::ParseDate(text))
    return vb::MonthName(date->Month(), true) + " " + vb::Format(*date, "dd yyyy");
  const double month = vb::Val(vb::Mid(text, 5, 2));
  std::string name = month >= 1 && month <= 12 && month == static_cast<int>(month)
                         ? vb::MonthName(static_cast<int>(month), true) + " "
                         : std::string();
  return name + vb::Right(text, 2) + " " + vb::Left(text, 4);
}

}  // namespace

SAPIsland::SAPIsland(QvLedgerloom& window)
    : ClassWriter(window, OwnValues(2, kAccount, {.input = ClassInput::WholeLines})) {}

// The values as they stand (no quotes removed, nothing trimmed): five, the
// cost center when the line holds exactly ten, three more, then the rest of
// the line as the credit. A line of fewer than nine values is too short.
std::optional<std::vector<std::string>> SAPIsland::SplitLine(const std::string& line) const {
  const std::size_t fields = static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
  std::vector<std::string> values;
  std::size_t at = 0;
  const auto take = [&]() {
    const std::size_t comma = line.find(',', at);
    if (comma == std::string::npos) return false;
    values.push_back(line.substr(at, comma - at));
    at = comma + 1;
    return true;
  };
  for (int k = 0; k < 5; ++k)
    if (!take()) return std::nullopt;
  if (fields == 10) {
    if (!take()) return std::nullopt;
  } else {
    values.emplace_back();
  }
  for (int k = 0; k < 3; ++k)
    if (!take()) return std::nullopt;
  values.push_back(line.substr(at));
  return values;
}

void SAPIsland::ReadInput() {
  table_.clear();
  clearing_ = vb::Currency();
  while (ReadNext()) {
    const std::string& account = Account();
    const bool clearing = Clearing(account);
    if (clearing || account == kCash) clearing_ += Net();
    table_.push_back({Values(), LineNumber()});
    if (clearing) {
      std::vector<std::string> reversed = Values();
      std::swap(reversed[Shape().debit], reversed[Shape().credit]);
      table_.push_back({std::move(reversed), LineNumber()});
    }
  }
  for (std::string_view pass : {kCreditSide, kDebitSide}) {
    pass_ = pass;
    for (const Stored& stored : table_) {
      SetValues(stored.values);
      WriteInputLine(stored.line);
    }
  }
}

void SAPIsland::WriteLine(bool offsetting) {
  // An offsetting entry writes nothing for this package.
  if (offsetting) return;
  vb::Currency net = Net();
  if (Account() == kCash) {
    // The cash account carries the whole clearing net, on its own side.
    net = clearing_;
    const bool credit = net < vb::Currency();
    CurRecDebits(credit ? ".00" : net.ToText());
    CurRecCredits(credit ? Unsigned(net) : ".00");
  }
  const std::string_view indicator = net < vb::Currency() ? kCreditSide : kDebitSide;
  if (indicator != pass_) return;
  const std::string& date = Value(InputRecord::kDate);
  Output({
      Plain(vb::Format(vb::Today(), "mm/dd/yyyy")),
      Plain("USD"),
      Plain(DateText(date, "mm/dd/yyyy", "/")),
      Plain("PR " + LongDate(date)),
      Plain("PAYROLL " + LongDate(date)),
      Plain(Account()),
      Plain(std::string(indicator)),
      Plain(Unsigned(net)),
      Plain(Value(kCostCenter)),
      Plain("Payroll week ending " + LongDate(window().pdEndDate.Text())),
  });
}

layout::Layout SAPIsland::WindowLayout() const {
  using namespace layout;
  const std::string dates = "9/18/2009,USD,9/17/2009,PR September 17 2009,PAYROLL September 17 2009,";
  const std::string text = ",,Payroll week ending September 13 2009";
  return {
      HideOptions(),
      Show({"lblMSG"}),
      Pattern("*.csv"),
      Samples({
          "Doc Date,Currency,Posting Date,Ref Doc,Header Txt,GL Account,C/D indicator,Amount,Cost Center,Text",
          dates + "113000,H,526272.93" + text,
          dates + "141070,H,178.71" + text,
          dates + "215080,H,638.22" + text,
      }),
  };
}

void RegisterSAPIsland(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("SAP (Island)");
  hooks.makeWriter = MakeWriter<SAPIsland>;
  hooks.header = Header;
}

}  // namespace qvl
