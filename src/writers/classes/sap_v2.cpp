#include "writers/classes/sap_v2.h"

#include "engine/catalog.h"
#include "platform/vb/format.h"

namespace qvl {

namespace {

// The column-name lines begin with a no-break space (the byte A0).
constexpr std::string_view kNoBreakSpace = "\xA0";

std::vector<Field> ColumnNames(std::initializer_list<std::string_view> names) {
  std::vector<Field> fields;
  for (std::string_view name : names)
    fields.push_back(Plain((fields.empty() ? std::string(kNoBreakSpace) : std::string()) + std::string(name)));
  return fields;
}

std::vector<std::string> Header(QvLedgerloom&) {
  return {JoinFields(ColumnNames({"HEADER / INDICATOR", "HEADER / DOCUMENT DATE", "HEADER / POSTING DATE",
                                  "HEADER / Header Text", "HEADER / REFERENCE DOC NUMBER", "HEADER / CO CODE"}),
                     "\t")};
}

// An input line whose account column holds this is the export's column
// heading.
constexpr std::string_view kHeadingAccount = "acc #";

}  // namespace

SAPv2::SAPv2(QvLedgerloom& window)
    : ClassWriter(window, {.values = TenValueLine::kValues,
                           .debit = TenValueLine::kDebit,
                           .credit = TenValueLine::kCredit,
                           .delimiter = "\t",
                           .zeroText = "0",
                           .split = OffsetSplit::NegatedCreditAboveZero,
                           .emptyAmountsAreZero = true,
                           .trimOffsetAccount = true,
                           .offsetHands = OffsetHands::AmountsAndAccount}) {}

void SAPv2::WriteLine(bool offsetting) {
  if (!offsetting && !documentHeaderWritten_) {
    documentHeaderWritten_ = true;
    OutputHeading({Plain("H"), Plain(vb::Format(PeriodEnd(), "yyyymmdd")), Plain("null"), Plain("na"),
                   Plain("ROVA ADP PAYROLL"), Plain("9-F")});
    OutputHeading(ColumnNames({"DETAIL / INDICATOR", "DETAIL / GL ACCOUNT NUMBER", "DETAIL / DESCRIPTION",
                               "DETAIL / COST CENTER - DPW", "DETAIL / AMOUNT", "DETAIL / FILE"}));
  }
  if (!offsetting && Account() == kHeadingAccount) return;
  Output({
      Plain("D"),
      Plain(Account()),
      Plain("'' ''"),
      Plain(Value(kCostCenter)),
      Plain(Net().ToText()),
  });
}

void SAPv2::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(account, amounts);
  SetValue(kCostCenter, "0");
}

layout::Layout SAPv2::WindowLayout() const {
  return MessageLineLayout(
      "*.csv", {"HEADER/INDICATOR HEADER/DOCUMENT DATE    HEADER/POSTING DATE HEADER/HEADER TEXT  "
                "HEADER/REFERENCE DOC NUMBER HEADER/CO CODE",
                "H   20091119    nullna  ROVA ADP PAYROLL        9-F",
                "DETAIL/INDICATOR DETAIL/GL ACCOUNT NUMBER    DETAIL/DESCRIPTION  DETAIL/COST CENTER - DPW    "
                "DETAIL/AMOUNT   DETAIL/FILE",
                "D    270421  Employee WH Taxes   0   -47216.79", "D   270421  ER Payroll Taxes    0   -15093.52"});
}

void RegisterSAPv2(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("SAP v2");
  hooks.makeWriter = MakeWriter<SAPv2>;
  hooks.header = Header;
}

}  // namespace qvl
