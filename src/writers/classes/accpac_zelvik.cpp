#include "writers/classes/accpac_zelvik.h"

#include "engine/catalog.h"
#include "platform/vb/convert.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

std::vector<std::string> Header(QvLedgerloom& window) {
  const AccPacZelvik& object = RunObjectAs<AccPacZelvik>(window);
  const vb::Date periodEnd = window.PeriodEnd();
  return {object.GetBatchHeader() + vb::Format(periodEnd, "yyyy") + "," + vb::Format(periodEnd, "m") + ","};
}

}  // namespace

AccPacZelvik::AccPacZelvik(QvLedgerloom& window)
    : ClassWriter(window, {.input = ClassInput::Records, .zeroText = ".00"}) {}

std::string AccPacZelvik::GetBatchHeader() const {
  return "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC\r\n"
         "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSDESC,TRANSDATE\r\n"
         "1,131,1,GL,JE,";
}

void AccPacZelvik::WriteLine(bool) {
  ++details_;
  Output({
      Plain("2"),                                     // RECTYPE
      Plain("131"),                                   // BATCHNBR
      Plain("1"),                                     // JOURNALID
      Plain(vb::CStr(details_ * 20)),                 // TRANSNBR
      Plain(vb::Trim(Account())),                     // ACCTID
      Plain(Net().ToText()),                          // TRANSAMT
      Plain(""),                                      // TRANSDESC
      Plain(vb::Format(PeriodEnd(), "yyyymmdd")),     // TRANSDATE
  });
}

// The offset goes into the record's fixed-width fields.
void AccPacZelvik::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  ClassWriter::TakeOffset(AtRecordWidth(account), AtRecordWidths(amounts));
}

layout::Layout AccPacZelvik::WindowLayout() const {
  using namespace layout;
  return {
      HideOptions(),
      Samples({
          "RecType , BATCHID, BTCHENTRY, SRCELEDGER, SRCETYPE, FSCSYR, FSCSPERD, JRNLDESC",
          "RecType , BatchNbr, JournalID, TransNbr, ACCTID, TransAmt, TRANSDESC, TransDate",
          "1,131,1,GL,JE,2009,10,",
          "2,131,1,20,000002050.00,-819.73,,20091005",
          "2,131,1,40,000002055.00,-112839.86,,20091005",
      }),
  };
}

void RegisterAccPacZelvik(FinPacCatalog& catalog) {
  FinPacHooks& hooks = catalog.HooksOf("AccPac Zelvik");
  hooks.makeWriter = MakeWriter<AccPacZelvik>;
  hooks.header = Header;
}

}  // namespace qvl
