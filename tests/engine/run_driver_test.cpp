// Runs from the button to the closed files, with writers attached to a
// catalog of the test's own.
#include "engine/run_driver.h"

#include <gtest/gtest.h>

#include "engine/call_patterns.h"
#include "engine/run_files.h"
#include "engine/write_output.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "run_fixture.h"
#include "support/failing_sync.h"

namespace qvl::test {
namespace {

using Lines = std::vector<std::string>;

// Writes the record in hand as one line naming its account.
void EchoWriter(QvLedgerloom& w) {
  w.run.Build_OutRec = "line " + vb::Trim(w.run.curRec.account());
  WriteOutputRec(w);
}
void ThrowAfterOneLine(QvLedgerloom& w) {
  EchoWriter(w);
  throw vb::TypeMismatch();
}
// Fails on the record of account 5000 only.
void FailOn5000(QvLedgerloom& w) {
  if (vb::Trim(w.run.curRec.account()) == "5000") throw vb::Overflow();
  EchoWriter(w);
}
Lines Header(QvLedgerloom&) { return {"HDR"}; }
Lines Trailer(QvLedgerloom&) { return {"TRL"}; }

TEST_F(RunTest, AWriterErrorEndsTheRunWithOneMessageAndNoTrailer) {
  FinPacHooks& h = catalog.HooksOf("QuickBooks 2006");
  h.writer = ThrowAfterOneLine;
  h.header = Header;
  h.trailer = Trailer;
  Prepare("QuickBooks 2006", {Record("4000", "5.00", ".00")});
  Run();
  EXPECT_EQ(Shown(), (Lines{"QvLedgerloom - QuickBooks 2006 | The QuickBooks 2006 Journal Entry was stopped by "
                            "an error:\r\rType mismatch"}));
  // Everything is closed (the buffered line reached the file), nothing more.
  EXPECT_EQ(Journal("123113026.iif"), "HDR\r\nline \r\n");
  EXPECT_FALSE(window->run.Ready);
  EXPECT_FALSE(window->run.Files.IsOpen(1));
  EXPECT_FALSE(boxes.Hourglass());
}

// Any writer's failure inside the record loop names the record it stopped
// at, in the input's own numbering; a merged line names its account.
TEST_F(RunTest, AWriterErrorInTheLoopNamesTheInputRecord) {
  catalog.HooksOf("AccPac (new)").writer = FailOn5000;
  Prepare("AccPac (new)", {Record("4000", "5.00", ".00"), Record("4100", "5.00", ".00"), Record("5000", ".00", "10.00")});
  Run();
  EXPECT_EQ(Shown(), (Lines{"QvLedgerloom - AccPac (new) | The AccPac (new) Journal Entry was stopped by an "
                            "error:\r\rc:\\gl\\gl.txt, record 3\rOverflow"}));
  window->Summarized.SetValue(true);
  Run();
  EXPECT_EQ(Shown().back(), "QvLedgerloom - AccPac (new) | The AccPac (new) Journal Entry was stopped by an "
                            "error:\r\rthe summarized line of account 5000\rOverflow");
}

TEST_F(RunTest, AFileThatCannotBeCreatedIsNamedInTheMessage) {
  catalog.HooksOf("AccPac (new)").writer = EchoWriter;
  Prepare("AccPac (new)", {Record("4000", ".00", ".00")});
  std::filesystem::create_directory(c / "gl" / "123113026.txt");  // a folder in the journal's place
  Run();
  EXPECT_EQ(Shown(), (Lines{"QvLedgerloom - AccPac (new) | The AccPac (new) Journal Entry was stopped by an "
                            "error:\r\rc:\\gl\\123113026.txt\rPermission denied"}));
  EXPECT_FALSE(window->run.Ready);
}

TEST_F(RunTest, AnErrorWhileWritingTheOffsetIsReportedAndNothingClaimsSuccess) {
  FinPacHooks& h = catalog.HooksOf("AccPac (new)");
  h.writer = EchoWriter;
  h.balanceWriter = ThrowAfterOneLine;
  Prepare("AccPac (new)", {Record("4000", "10.00", ".00")});
  QueueOffset("9999", "-10");
  Run();
  const Lines shown = Shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown.back(), "QvLedgerloom - AccPac (new) | The AccPac (new) Journal Entry was stopped by an "
                          "error:\r\rType mismatch");
  EXPECT_EQ(Journal(), "line 4000\r\nline 9999\r\n");
}

TEST_F(RunTest, AnEntryWhoseWriterThisVersionLacksIsRefusedByNameAndCreatesNothing) {
  Prepare("Jonas", {Record("4000", "1.00", ".00")});
  Run();
  EXPECT_EQ(Shown(), Lines{"QvLedgerloom | Jonas is not available in this version."});
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "123113026.txt"));
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "Audit_trail.txt"));
}

// An offset typed as zero is a debit, written as typed with ".00" on the
// credit side, and leaves the journal as far off as it was.
TEST_F(RunTest, AnOffsetOfZeroIsADebitAsTyped) {
  catalog.HooksOf("AccPac (new)").writer = EchoWriter;
  Prepare("AccPac (new)", {Record("4000", "10.00", ".00")});
  for (const std::string typed : {"0", "0.00"}) {
    QueueOffset("9999", typed);
    boxes.QueueAnswer(dialogs::kNo);
    const RunOutput out = RunOnce();
    EXPECT_EQ(SplitLines(out.audit).back(), "0     0     0     9999              " + vb::PadLeft(typed, 14) +
                                                ".00           ");
    ASSERT_EQ(out.shown.size(), 6u);
    EXPECT_EQ(out.shown[3], "OK to Proceed? | Account: 9999\r\rAmount: $0.00\r\rContinue with this entry?");
    EXPECT_EQ(out.shown[4], out.shown[0]);
  }
}

TEST_F(RunTest, TheInputIsNeverWrittenOver) {
  catalog.HooksOf("AccPac (new)").writer = EchoWriter;
  Prepare("AccPac (new)", {});
  const std::string input = Record("4000", "1.00", ".00");
  WriteBytes(c / "gl" / "Audit_trail.txt", input);
  window->QvInputFile.SetText("c:\\gl\\AUDIT_TRAIL.TXT");  // found whatever its case
  Run();
  EXPECT_EQ(Shown(), Lines{"QvLedgerloom | The input file cannot be used as an output file:\r\rc:\\gl\\Audit_trail.txt"});
  EXPECT_EQ(ReadBytes(c / "gl" / "Audit_trail.txt"), input);
  EXPECT_FALSE(std::filesystem::exists(c / "gl" / "123113026.txt"));
}

TEST_F(RunTest, AnIncompleteLastRecordIsLeftOutWithOneWarning) {
  catalog.HooksOf("AccPac (new)").writer = EchoWriter;
  Prepare("AccPac (new)", {Record("1000", "1.00", ".00"), Record("2000", ".00", "1.00"), std::string(40, '9')});
  Run();
  EXPECT_EQ(Journal(), "line 1000\r\nline 2000\r\n");
  const Lines shown = Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "QvLedgerloom | The last record of the input file is incomplete and was not read:\r\rc:\\gl\\gl.txt");
  EXPECT_EQ(boxes.Shown()[1].title, kInBalance);
}

TEST_F(RunTest, AnOffsetForAPackageWithoutABalancingWriterIsNotAddedAndAskedAgain) {
  FinPacHooks& h = catalog.HooksOf("Keane Accounting");  // a whole-file writer that opens its own files
  h.writer = [](QvLedgerloom& w) {
    InitFiles(w);
    RecordLoop(w, EchoWriter);
  };
  Prepare("Keane Accounting", {Record("4000", "10.00", ".00")});
  window->txtFacility.SetText("7");
  QueueOffset("9999", "-10");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const Lines shown = Shown();
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_EQ(shown[4], "QvLedgerloom | Unknown software package.\r\rEntry NOT ADDED to Journal.");
  EXPECT_EQ(shown[5], shown[0]);  // the same difference again
  EXPECT_EQ(boxes.Shown()[6].title, "Journal Entry remains OUT of Balance.");
  EXPECT_EQ(ReadBytes(c / "gl" / "RA261130.007"), "line 4000\r\n");
}

TEST_F(RunTest, APackageThatDoesNotSummarizeCountsItsOwnAmountsWithSummarizedSelected) {
  RegisterWriters(catalog);
  Prepare("AccPac AdvSeries CE v5.2", {Record("4000", "10.00", ".00")});
  window->Summarized.SetValue(true);
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(Shown()[0], "Journal Entry is OUT OF Balance! | Debits & Credits are off by: $10.00\r\rWould you like "
                        "to create entries to Balance this Journal?");
}

// A journal the disk refuses, at a write or only when it is put on disk at
// close, ends the run with the file and the reason, never with the balance
// result: the operator would otherwise post a file that is not there.
TEST_F(RunTest, AFileTheDiskRefusesIsReportedInsteadOfTheBalance) {
  RegisterWriters(catalog);
  Prepare("AccPac (new)", {Record("5000", "10.00", ".00"), Record("2100", ".00", "10.00")});
  const std::string stopped = "QvLedgerloom - AccPac (new) | The AccPac (new) Journal Entry was stopped by an error:\r\r";
  const struct {
    const char* failing;
    int error;
    const char* reason;
  } rows[] = {
      {"123113026.txt", ENOSPC, "c:\\gl\\123113026.txt\rDisk full"},
      {"Audit_trail.txt", EIO, "c:\\gl\\Audit_trail.txt\rDevice I/O error"},
  };
  for (const auto& row : rows) {
    FailingSync failing(row.failing, row.error);
    EXPECT_EQ(RunOnce().shown, Lines{stopped + row.reason}) << row.failing;
    EXPECT_FALSE(window->run.Ready);
    EXPECT_FALSE(window->run.a.IsOpen());
    EXPECT_FALSE(window->run.b.IsOpen());
  }
  // A device on which every write fails as on a full disk: the failure shows
  // before the balance is even checked.
  if (!std::filesystem::exists("/dev/full")) return;
  std::filesystem::remove(c / "gl" / "123113026.txt");
  std::filesystem::create_symlink("/dev/full", c / "gl" / "123113026.txt");
  Run();  // (the journal is not read back: the device never ends)
  EXPECT_EQ(Shown().back(), stopped + "c:\\gl\\123113026.txt\rDisk full");
  EXPECT_EQ(boxes.Shown().size(), 3u);
}

}  // namespace
}  // namespace qvl::test
