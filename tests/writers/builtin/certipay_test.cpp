// "CertiPay Advantage": the amount written for each kind of amount text, the
// line numbers across lines and runs, and the record as the lines leave it.
#include "writers/builtin/certipay.h"

#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;
using CertiPayTest = WritersRunTest;

TEST_F(CertiPayTest, EachAmountTextGivesItsLineOrNone) {
  Prepare("CertiPay Advantage",
          {Record("1000", "100.00", ".00"), Record("1100", " .00", "1,250.50"), Record("1200", "", ""),
           Record("1300", "0.00", "abc"),  // a debit stands as read, a credit that is no number is 0
           Record("1400", "x1", " ")});
  window->cmboCoNum.SetText("12");
  window->pdEndDate.SetText("10/31/2026");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines("12103126.txt"), (Lines{
                                               "122610,1,11-30-26,1000,100.00,Quorvanta 1,123,01,03",
                                               "122610,2,11-30-26,1100,-1250.5,Quorvanta 2,123,01,03",
                                               "122610,3,11-30-26,1300,0.00,Quorvanta 3,123,01,03",
                                               "122610,4,11-30-26,1300,0,Quorvanta 4,123,01,03",
                                               "122610,5,11-30-26,1400,x1,Quorvanta 5,123,01,03",
                                           }));
  // 100 - 1250.50 and nothing more: text that is no number counts as 0.
  EXPECT_EQ(Shown()[0].substr(0, 74), "Journal Entry is OUT OF Balance! | Debits & Credits are off by: -$1,150.50");
  // The amounts and levels are trimmed where they stand.
  EXPECT_EQ(window->run.prevRec.Text().substr(0, 87),
            "123 2026113001    02    03    1400                     1.00x1                          ");
}

TEST_F(CertiPayTest, ASecondRunNumbersFromOneAndADateThatIsNoDateIsRearrangedAsItStands) {
  Prepare("CertiPay Advantage", {Record("1000", "5.00", ".00"), Record("2000", ".00", "5.00")});
  Run();
  Prepare("CertiPay Advantage", {"123 20269931" + Record("3000", "5.00", "5.00").substr(12)});
  Run();
  EXPECT_EQ(JournalLines(), (Lines{"1232611,1,99-31-26,3000,5.00,Quorvanta 1,123,01,03",
                                   "1232611,2,99-31-26,3000,-5,Quorvanta 2,123,01,03"}));
  EXPECT_EQ(LastTitle(), kInBalance);
}

}  // namespace
}  // namespace qvl::test
