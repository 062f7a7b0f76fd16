#include "writers/classes/mas500.h"

#include <initializer_list>

#include "engine/catalog.h"
#include "platform/vb/clock.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

// A value in double quotes at its fixed width.
Field Fixed(std::string_view text, std::size_t width, Align align = Align::Left) {
  return Quoted(AtWidth(text, width, align));
}

std::string Record(std::initializer_list<Field> fields) { return JoinFields(fields, ","); }

std::string PeriodDescription(const QvLedgerloom& window) {
  return "Payroll Period Ending " + window.pdEndDate.Text();
}

std::vector<std::string> Header(QvLedgerloom& window) {
  const MAS500& object = RunObjectAs<MAS500>(window);
  return {object.GetBatchHeader() + "\r\n" + object.GetJournalHeader()};
}

std::vector<std::string> Trailer(QvLedgerloom& window) {
  const MAS500& object = RunObjectAs<MAS500>(window);
  return {object.GetJournalFooter(), object.GetBatchFooter()};
}

}  // namespace

MAS500::MAS500(QvLedgerloom& window) : ClassWriter(window, {.zeroText = ".00"}) {}

std::string MAS500::GetBatchHeader() const {
  return Record({Fixed("@HDR", 4), Fixed("BATCH", 5), Fixed(vb::Format(PeriodEnd(), "yyyymmdd"), 8),
                 Fixed(PeriodDescription(window()), 40)});
}

std::string MAS500::GetJournalHeader() const {
  return Record({Fixed("@HDR", 4), Fixed("JOURNAL", 7), Fixed("JE", 2), Fixed(" ", 1)});
}

std::string MAS500::GetJournalFooter() const { return Record({Fixed("@END", 4), Fixed("JOURNAL", 7)}); }

std::string MAS500::GetBatchFooter() const { return Record({Fixed("@END", 4), Fixed("BATCH", 5)}); }

void MAS500::StartRun() {
  const vb::Date periodEnd = PeriodEnd();
  fields_.fiscalYear = vb::Format(periodEnd, "yyyy");
  fields_.fiscalPeriod = "000" + vb::Format(periodEnd, "mm");
  fields_.today = vb::Format(vb::Today(), "yyyymmdd");
  fields_.description = PeriodDescription(window());
  fields_.companyId = vb::Left(window().txtFacility.Text(), 3);
  lineNumber_ = 0;
}

void MAS500::WriteLine(bool) {
  ++lineNumber_;
  const vb::Currency net = Net();
  const std::string amount = vb::Format(net, "#.00");
  Output({
      Fixed(Account(), 100),
      Fixed("", 40),
      Fixed(fields_.fiscalYear, 5),
      Fixed(fields_.fiscalPeriod, 5),
      Fixed(fields_.today, 8),
      Fixed("PR", 2),
      Fixed("", 10),
      Fixed(vb::Format(lineNumber_, "00000000#"), 9),
      Fixed("GL", 3),
      Fixed(fields_.description, 40),
      Fixed("USD", 3),
      Fixed(amount, 16, Align::Right),
      Fixed("1.00", 16, Align::Right),
      Fixed("USD", 3),
      Fixed(amount, 16, Align::Right),
      Fixed("0.00000000", 18, Align::Right),
      Fixed("", 20),
      Fixed(net < vb::Currency() ? "C" : "D", 1),
      Fixed(fields_.companyId, 3),
  });
}

layout::Layout MAS500::WindowLayout() const {
  using namespace layout;
  const std::string description = "Payroll Period Ending 10/5/2009         ";
  const auto detail = [&](std::string_view account, std::string_view line, std::string_view amount,
                          std::string_view amountAgain, std::string_view side) {
    return Record({Fixed(account, 100), Quoted(vb::Space(40)), Quoted("2009 "), Quoted("00010"), Quoted("20091026"),
                   Quoted("PR"), Quoted(vb::Space(10)), Quoted(std::string(line)), Quoted("GL "), Quoted(description),
                   Quoted("USD"), Quoted(std::string(amount)), Quoted("            1.00"), Quoted("USD"),
                   Quoted(std::string(amountAgain)), Quoted("        0.00000000"), Quoted(vb::Space(20)),
                   Quoted(std::string(side)), Quoted("123")});
  };
  return {
      Show({"lblMSG"}),
      HideOptions(),
      Caption("lblFacility", "Company ID"),
      Show({"lblFacility", "txtFacility"}),
      Samples({
          Record({Quoted("@HDR"), Quoted("BATCH"), Quoted("20091005"), Quoted(description)}),
          Record({Quoted("@HDR"), Quoted("JOURNAL"), Quoted("JE"), Quoted(" ")}),
          detail("1000", "000000001", "        -5984.92", "        -5984.92", "C"),
          // The display shows the first amount one character short.
          detail("6110", "000000002", "         191.50", "          191.50", "D"),
          Record({Quoted("@END"), Quoted("JOURNAL")}),
          Record({Quoted("@END"), Quoted("BATCH")}),
      }),
  };
}

void RegisterMAS500(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("MAS500");
  hooks.makeWriter = MakeWriter<MAS500>;
  hooks.header = Header;
  hooks.trailer = Trailer;
}

}  // namespace qvl
