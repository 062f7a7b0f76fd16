// "AccPac Draymor": the saved workbook read back cell by cell, the runs that
// fail, and the writer outside the run that owns its workbook.
#include "writers/builtin/accpac_draymor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "writers/workbook_cells.h"
#include "platform/vb/error.h"
#include "platform/workbook/workbook.h"

namespace qvl::test {
namespace {

std::vector<std::string> SheetNames(const workbook::Workbook& book) {
  std::vector<std::string> names;
  for (int i = 1; i <= book.Worksheets().Count(); ++i) names.push_back(book.Worksheets(i).Name());
  return names;
}

const std::vector<std::string> kHeaderTitles = {"T:BATCHID",  "T:BTCHENTRY", "T:SRCELEDGER",
                                                "T:SRCETYPE", "T:JRNLDESC",  "T:JRNLDR",
                                                "T:JRNLCR",   "T:DATAENTRY", "T:SRCDESC"};
const std::vector<std::string> kDetailTitles = {"T:BATCHNBR", "T:JOURNALID", "T:TRANSNBR",
                                                "T:ACCTID",   "T:COMPANYID", "T:TRANSAMT"};
// 11/30/2026 in the workbook's date system.
constexpr const char* kPeriodEndSerial = "D:46356";

class AccPacDraymorTest : public WritersRunTest {
 protected:
  static workbook::Workbook Saved() { return workbook::GetObject("c:\\gl\\AccPac_123_Nov3026.xls"); }
  std::filesystem::path SavedHost() const { return c / "gl" / "AccPac_123_Nov3026.xls"; }
};

TEST_F(AccPacDraymorTest, TheWorkbookHoldsTheBatchHeaderAndOneDetailRowPerNonZeroAmount) {
  Prepare("AccPac Draymor", {Record("2050", "13523.07", ".00"), Record("2050", ".00", "13523.07"),
                             Record("6100-300", "100.00", "40.00"), Record("7000", ".00", ".00"),
                             Record("=1+1", "abc", "")});
  boxes.QueueReply("001303");
  Run();

  const workbook::Workbook book = Saved();
  // The third sheet of a new workbook stays as the application made it.
  EXPECT_EQ(SheetNames(book), (std::vector<std::string>{"Journal_Headers", "Journal_Details", "Sheet3"}));
  EXPECT_EQ(SheetCells(book.Worksheets("Journal_Headers")),
            (Table{kHeaderTitles,
                   {"T:001303", "T:00001", "T:GL", "T:JE", "T:Payroll Nov 30, 26", "N:13623.07", "N:13563.07",
                    kPeriodEndSerial, "T:G/L Journal Entry"}}));
  EXPECT_EQ(book.Worksheets("Journal_Headers").Cells(2, 8).Text(), "11/30/2026");
  EXPECT_EQ(SheetCells(book.Worksheets("Journal_Details")),
            (Table{kDetailTitles,
                   {"T:001303", "T:00001", "T:0000000020", "T:2050              ", "", "N:13523.07"},
                   {"T:001303", "T:00001", "T:0000000040", "T:2050              ", "", "N:-13523.07"},
                   {"T:001303", "T:00001", "T:0000000060", "T:6100-300          ", "", "N:100"},
                   {"T:001303", "T:00001", "T:0000000080", "T:6100-300          ", "", "N:-40"}}));
  EXPECT_EQ(SheetCells(book.Worksheets("Sheet3")), (Table{{""}}));

  // The text journal stays empty; every record has its audit line; the
  // package counts nothing toward the balance.
  EXPECT_EQ(Journal(), "");
  EXPECT_EQ(Audit(),
            "2050              \t      13523.07\t           .00\r\n"
            "2050              \t           .00\t      13523.07\r\n"
            "6100-300          \t        100.00\t         40.00\r\n"
            "7000              \t           .00\t           .00\r\n"
            "=1+1              \t           abc\t              \r\n");
  EXPECT_EQ(Shown().back(),
            "Journal Entry is in Balance! | Journal Entry:  c:\\gl\\AccPac_123_Nov3026.xls\ris now ready for "
            "Posting to your AccPac Draymor General Ledger.\r\ran Audit Trail of the prepared transactions can "
            "be found in:\r        c:\\gl\\Audit_trail.txt");
}

TEST_F(AccPacDraymorTest, ALaterRunCountsAfreshAndACancelledPromptLeavesTheBatchCellsEmpty) {
  Prepare("AccPac Draymor", {Record("1000", "10.00", ".00"), Record("2000", ".00", "10.00")});
  boxes.QueueReply("111");
  Run();
  Prepare("AccPac Draymor", {Record("3000", ".00", "5.50")});
  boxes.QueueCancel();
  Run();

  const workbook::Workbook book = Saved();
  EXPECT_EQ(SheetCells(book.Worksheets("Journal_Headers"))[1],
            (std::vector<std::string>{"T:", "T:00001", "T:GL", "T:JE", "T:Payroll Nov 30, 26", "N:0", "N:5.5",
                                      kPeriodEndSerial, "T:G/L Journal Entry"}));
  EXPECT_EQ(SheetCells(book.Worksheets("Journal_Details")),
            (Table{kDetailTitles, {"T:", "T:00001", "T:0000000020", "T:3000              ", "", "N:-5.5"}}));
  EXPECT_EQ(Audit(), "3000              \t           .00\t          5.50\r\n");
  // A credit alone, and still no offsetting entry is offered.
  ASSERT_EQ(boxes.Shown().size(), 4u);
  EXPECT_EQ(boxes.Shown()[3].title, kInBalance);
}

TEST_F(AccPacDraymorTest, AFailedSaveIsReportedAndNeverAsReadyForPosting) {
  Prepare("AccPac Draymor", {Record("1000", "10.00", ".00")});
  // A folder where the workbook should go: the save cannot replace it.
  std::filesystem::create_directory(SavedHost());
  boxes.QueueReply("001303");
  Run();

  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].title, "QvLedgerloom - AccPac Draymor");
  EXPECT_EQ(boxes.Shown()[1].prompt.rfind(
                "The AccPac Draymor Journal Entry was stopped by an error:\r\rc:\\gl\\AccPac_123_Nov3026.xls\r", 0),
            0u)
      << boxes.Shown()[1].prompt;
  EXPECT_FALSE(window->run.Ready);
  EXPECT_TRUE(std::filesystem::is_directory(SavedHost()));
}

TEST_F(AccPacDraymorTest, TheWriterRefusesOnceItsWorkbookIsSaved) {
  Prepare("AccPac Draymor", {Record("1000", "10.00", ".00")});
  boxes.QueueReply("001303");
  Run();
  const std::string audit = Audit();

  // What an offsetting entry would hand it: the workbook is saved and closed,
  // so the entry must fail rather than be lost.
  window->run.curRec.SetDebits("25.00");
  try {
    AccPacDraymor(*window);
    ADD_FAILURE() << "the writer wrote into a closed workbook";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.number(), 91);
  }
  EXPECT_EQ(SheetCells(Saved().Worksheets("Journal_Details")).size(), 2u);
  EXPECT_EQ(Audit(), audit);
}

}  // namespace
}  // namespace qvl::test
