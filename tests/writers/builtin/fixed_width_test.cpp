// The fixed-width writers' field rules at their edges, the runs they refuse,
// and a second run in one session, which must owe nothing to the first.
#include <gtest/gtest.h>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

class FixedWidthTest : public WritersRunTest {
 protected:
  // A run of the package over the records, with what the package asks for.
  void RunPackage(const std::string& package, const std::vector<std::string>& records) {
    Prepare(package, records);
    if (package == "Fiserv IF3") {
      window->cmboCoNum.SetText("123456789");
      boxes.QueueReply("");
    }
    if (package == "Keane Accounting") window->txtFacility.SetText("7");
    if (package == "Meditech") boxes.QueueReply("GEN");
    Run();
  }
  std::string JournalOf(const std::string& package) {
    if (package == "Fiserv IF3") return Journal("123456789113026.txt");
    if (package == "Keane Accounting") return Journal("RA261130.007");
    return Journal();
  }
  // The last box's text: the run's result or the reason it stopped.
  std::string LastPrompt() const { return boxes.Shown().empty() ? std::string() : boxes.Shown().back().prompt; }
};

// The detail record of one ADP line: record type, code, amount and account.
std::string AdpStart(const std::string& journal, std::size_t line) { return journal.substr(line * 78, 45); }

TEST_F(FixedWidthTest, AdpCodesAndAmountsFollowTheSignOfTheNet) {
  const struct {
    const char* account;
    const char* debits;
    const char* credits;
    const char* start;  // type, code, amount, account (45 characters)
  } rows[] = {
      {"AT1410.1", "100.00", "30.00", "BD00000007000AT1410.1                        "},
      {"AT1410.1", "30.00", "100.00", "BC00000007000AT1410.1                        "},
      {"AT1410.1", "50.00", "50.00", "BD00000000000AT1410.1                        "},
      {"AT1410.02", ".00", "12.34", "GC00000001234AT1410.02                       "},
      {"AT522", ".00", "-8.00", "GD00000000800AT522                           "},
      // A T200 line posts its debits whatever it carries; T88 posts nothing.
      {"AT200", ".00", "75.00", "GD00000000000AT200                           "},
      {"T88", "1000000000.00", ".00", "GD00000000000T88                             "},
      // Only an "A" after the first character names a second account.
      {"AT1410.1 522", "1.00", ".00", "BD00000000100AT1410.1                        "},
  };
  for (const auto& row : rows) {
    RunPackage("ADP/GL", {Record(row.account, row.debits, row.credits)});
    const std::string journal = Journal();
    ASSERT_EQ(journal.size(), 78u + 76u) << row.account;
    EXPECT_EQ(AdpStart(journal, 0), row.start) << row.account << " " << row.debits << " " << row.credits;
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(FixedWidthTest, AdpWithoutRecordsWritesOnlyTheClosingRecordOfZero) {
  RunPackage("ADP/GL", {});
  EXPECT_EQ(Journal(), "GC00000000000T200                            TO BALANCE        000000000000 ");
}

TEST_F(FixedWidthTest, AnAmountTooLargeForItsFieldStopsTheRunWithoutAResult) {
  const struct {
    const char* package;
    const char* debits;
    const char* reason;
  } rows[] = {
      {"ADP/GL", "1000000000.00", "The amount 1000000000.00 does not fit the journal's 11-digit amount field."},
      {"AI5", "1000000000.00", "The amount 1000000000.00 does not fit the journal's 11-digit amount field."},
      {"Fiserv IF3", "100000000.00", "The amount 100000000.00 does not fit the journal's 10-digit amount field."},
      {"Fiserv IF3", "-1.00", "The amount -1.00 cannot be written: the journal's 10-digit amount field has no sign."},
      {"Meditech", "10000000000.00", "The amount 10000000000.00 does not fit the journal's 12-digit amount field."},
  };
  for (const auto& row : rows) {
    boxes = dialogs::ScriptedDialogs();
    RunPackage(row.package, {Record("1000", "1.00", ".00"), Record("2000", row.debits, ".00")});
    EXPECT_EQ(LastPrompt(), "The " + std::string(row.package) +
                                " Journal Entry was stopped by an error:\r\rc:\\gl\\gl.txt, record 2\r" + row.reason)
        << row.package;
    EXPECT_FALSE(window->run.Ready) << row.package;
    // The trailer of a journal that was cut short is not written.
    EXPECT_EQ(JournalOf(row.package).find("TRAILER"), std::string::npos);
  }
}

// The detail record's two 12-digit fields are zero-filled and unsigned: a
// negative debit or credit cannot be written, so the run stops naming the
// record, and nothing is reported in balance or ready for posting.
TEST_F(FixedWidthTest, MeditechStopsAtANegativeAmountNamingTheRecord) {
  const struct {
    const char* debits;
    const char* credits;
    const char* amount;
  } rows[] = {{"-1.00", ".00", "-1.00"}, {".00", "-25.50", "-25.50"}, {"10.00", "-0.01", "-0.01"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.debits) + " / " + row.credits);
    boxes = dialogs::ScriptedDialogs();
    RunPackage("Meditech", {Record("1000", "1.00", ".00"), Record("2000", row.debits, row.credits)});
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 2u);  // the mnemonic, then the stop
    EXPECT_EQ(shown[1], "QvLedgerloom - Meditech | The Meditech Journal Entry was stopped by an error:\r\r"
                        "c:\\gl\\gl.txt, record 2\rThe amount " +
                            std::string(row.amount) +
                            " cannot be written: the journal's 12-digit amount field has no sign.");
    EXPECT_FALSE(window->run.Ready);
    // No end record closes a journal that was cut short.
    EXPECT_EQ(Journal().find("\r\n99"), std::string::npos);
  }
}

TEST_F(FixedWidthTest, AI5ReferencesTheBatchDateAndWritesNothingForAZeroOffset) {
  Prepare("AI5", {Dated(Record("1000", "5.00", ".00"), "20260105"), Record("2000", ".00", "4.00")});
  QueueOffset("9999", "0");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  const std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "AI501       JAN0526       010526212JAN05202601052026                          X1");
  EXPECT_EQ(lines[2], "AI5011000        PR010550000000050{010526                                     02");
  EXPECT_EQ(lines[3].substr(0, 35), "AI5012000        PR010550000000040}");
  EXPECT_EQ(Shown().back().substr(0, 38), "Journal Entry remains OUT of Balance. ");
}

TEST_F(FixedWidthTest, FiservMatchesOnlyATypedBankAccountAndCountsFromZeroEachRun) {
  // No bank account typed: a blank account is an ordinary account.
  RunPackage("Fiserv IF3", {Record("", "1.00", ".00")});
  const std::string journal = Journal("123456789113026.txt");
  ASSERT_EQ(journal.size(), 3u * 150u + 2u * 2u);
  EXPECT_EQ(journal.substr(152 + 26, 3), "500");
  EXPECT_EQ(journal.substr(304, 44), "TRAILER 000001000000000100000000000000000000");

  RunPackage("Fiserv IF3", {});
  EXPECT_EQ(Journal("123456789113026.txt"),
            "HEADER  11/30/26 123456789" + std::string(124, ' ') + "\r\nTRAILER " + std::string(36, '0') +
                std::string(106, ' '));
}

TEST_F(FixedWidthTest, FiservRefusesATrailerTotalWiderThanItsField) {
  // Each amount fits its record; 101 of them do not fit the trailer's total.
  RunPackage("Fiserv IF3", std::vector<std::string>(101, Record("5000", "99999999.99", ".00")));
  EXPECT_EQ(LastPrompt(),
            "The Fiserv IF3 Journal Entry was stopped by an error:\r\rThe debit total in cents 1009999999899 does not "
            "fit its 12-digit field.");
  EXPECT_FALSE(window->run.Ready);
  EXPECT_EQ(JournalOf("Fiserv IF3").find("TRAILER"), std::string::npos);
}

TEST_F(FixedWidthTest, KeaneWritesTheNetWithoutSignAndTheFacilityCodeInThreeDigits) {
  const struct {
    const char* facility;
    const char* file;
    const char* code;
  } rows[] = {{"12", "RA261130.012", "\"012\""}, {"1234", "RA261130.txt", "\"1234\""}, {" 7", "RA261130.007", "\"007\""}};
  for (const auto& row : rows) {
    Prepare("Keane Accounting", {Record("2165100123456789", "100.00", "250.00"), Record("9", "150.00", ".00")});
    window->txtFacility.SetText(row.facility);
    Run();
    const std::vector<std::string> lines = JournalLines(row.file);
    ASSERT_EQ(lines.size(), 2u) << row.facility;
    EXPECT_EQ(lines[0], std::string(R"("5100123456789" 150.00 "C" "Payroll JE               " "RAINT" 202611 )") +
                            "11/30/2026 0 " + row.code + " \"D\"");
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(FixedWidthTest, KeaneTakesNoOffsettingEntryAndStaysOutOfBalance) {
  Prepare("Keane Accounting", {Record("1000", "10.00", ".00")});
  window->txtFacility.SetText("7");
  QueueOffset("2000", "-10");
  boxes.QueueAnswer(dialogs::kNo);
  Run();
  EXPECT_EQ(JournalLines("RA261130.007").size(), 1u);
  const std::vector<std::string> shown = Shown();
  // The question, the two prompts and the confirmation come before.
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_EQ(shown[5].substr(0, 40), "Journal Entry is OUT OF Balance! | Debit");
  EXPECT_EQ(shown[4], "QvLedgerloom | Unknown software package.\r\rEntry NOT ADDED to Journal.");
  EXPECT_EQ(LastTitle(), "Journal Entry remains OUT of Balance.");
}

TEST_F(FixedWidthTest, MeditechWritesALongMnemonicWholeAndNoStatusRecordsUnlessAsked) {
  Prepare("Meditech", {Record("222000", "1.00", ".00")});
  window->txtJourRef.SetText("B1");
  boxes.QueueReply("GENERAL-0001");
  Run();
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{
      "0120261206GL TRANSACTIONS                    ",
      "05BATCHB1" + std::string(23, ' ') + "2026113020261130GENERAL-0001",
      "10222000                   000000000100000000000000",
      "99",
  }));
  RunPackage("Meditech", {});
  // Without records the batch has no first date.
  EXPECT_EQ(JournalLines()[1], "05BATCHB1" + std::string(23 + 8, ' ') + "20261130GEN       ");
  EXPECT_EQ(JournalLines().size(), 3u);
}

// Whatever a run keeps (counters, totals, dates, remembered amounts) starts
// again with the next run.
TEST_F(FixedWidthTest, ASecondRunInOneSessionWritesWhatTheFirstDid) {
  const std::vector<std::string> records = {
      Dated(Record("AT200", "12.00", ".00"), "20261015"), Record("AT1410.1 AT522", ".00", "12.00"),
      Record("5000 1", "3.00", "1.00"), Record("6000", ".00", "2.00")};
  for (const char* package :
       {"ADP/GL", "ADP/KVS", "AI5", "Fiserv IF3", "Keane Accounting", "MAPICS XA6.0", "Meditech"}) {
    RunPackage(package, records);
    const std::string first = JournalOf(package);
    const std::string firstAudit = Audit();
    ASSERT_FALSE(first.empty()) << package;
    RunPackage(package, records);
    EXPECT_EQ(JournalOf(package), first) << package;
    EXPECT_EQ(Audit(), firstAudit) << package;
  }
}

}  // namespace
}  // namespace qvl::test
