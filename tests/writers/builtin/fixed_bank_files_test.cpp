// The field rules of the bank, multi-file and held-record writers at their
// edges, the amounts their fixed fields cannot hold, the bad lines of their
// comma readers, and a second run in one session.
#include "writers/builtin/fixed_bank_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/run_fixture.h"

namespace qvl::test {
namespace {

// A nine-value comma line dated 12/28/2004.
std::string Line(const std::string& account, const std::string& debits, const std::string& credits) {
  return "123,20041228,01,02,03," + account + ",1.00," + debits + "," + credits + "\r\n";
}

class FixedBankFilesTest : public WritersRunTest {
 protected:
  // A run of the package over the input, with what the package asks for.
  void RunPackage(const std::string& package, const std::vector<std::string>& input) {
    Prepare(package, input);
    if (package == "Plumas Bank") {
      boxes.QueueReply("121000358");
      boxes.QueueReply("123");
    }
    if (package == "SOS") window->txtFacility.SetText("12");
    Run();
  }
  std::string LastPrompt() const { return boxes.Shown().empty() ? std::string() : boxes.Shown().back().prompt; }
  // The message of a run stopped by an error at `where`.
  static std::string Stopped(const std::string& package, const std::string& where, const std::string& reason) {
    return "The " + package + " Journal Entry was stopped by an error:\r\r" + where + "\r" + reason;
  }
};

std::string JournalName(const std::string& package) {
  if (package == "Real World (Passport)") return "1231126.exp";
  if (package == "Reynolds & Reynolds") return "123.PRN";
  if (package == "SOS") return "glpost2.fil";
  return "123113026.txt";
}

TEST_F(FixedBankFilesTest, PlumasBankTypesCleansAndSidesEachDetailRecord) {
  const struct {
    const char* account;
    const char* debits;
    const char* credits;
    std::vector<std::string> details;  // account 15, routing, type, account 17, date, side, amount
    const char* counts;                // trailer from the record count to the credit total
  } rows[] = {
      // The type is decided after the blanks are gone.
      {"11 35Employ9", "5.00", ".00",
       {"11359          121000358DDA11359            20261130D00000005.00"},
       "0000010000000005.000000010000000005.000000000000000000.00"},
      // Cut to 17 first, then to 15 for the first account field.
      {"ABCDEFGHIJKLMNOPQR", ".00", "1.00",
       {"ABCDEFGHIJKLMNO121000358GLAABCDEFGHIJKLMNOPQ20261130C00000001.00"},
       "0000010000000001.000000000000000000.000000010000000001.00"},
      // A negative amount posts to the other side with its size.
      {"4000", "-12.00", "-3.50",
       {"4000           121000358GLA4000             20261130C00000012.00",
        "4000           121000358GLA4000             20261130D00000003.50"},
       "0000020000000015.500000010000000003.500000010000000012.00"},
      {"4000", "abc", ".00", {}, "0000000000000000.000000000000000000.000000000000000000.00"},
      // An amount that exactly fills the 11-character field is written whole.
      {"4000", "99999999.99", ".00",
       {"4000           121000358GLA4000             20261130D99999999.99"},
       "0000010099999999.990000010099999999.990000000000000000.00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.account);
    RunPackage("Plumas Bank", {Record(row.account, row.debits, row.credits)});
    const std::vector<std::string> lines = JournalLines();
    ASSERT_EQ(lines.size(), row.details.size() + 2);
    for (std::size_t i = 0; i < row.details.size(); ++i) {
      EXPECT_EQ(lines[i + 1].size(), 100u);
      EXPECT_EQ(lines[i + 1].substr(5, 64), row.details[i]);
    }
    EXPECT_EQ(lines.back().substr(5, 57), row.counts);
    // Every record has the package's own audit line, written or not: its
    // account (18), debits (14) and credits (14) fields as stored, tab-separated.
    const auto field = [](const std::string& text, std::size_t width) {
      return std::string(text).append(width - text.size(), ' ');
    };
    const auto amount = [](const std::string& text) { return std::string(14 - text.size(), ' ') + text; };
    EXPECT_EQ(Audit(), field(row.account, 18) + "\t" + amount(row.debits) + "\t" + amount(row.credits) + "\r\n");
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

// An amount that just fills its field is written whole; a wider one stops
// the run at its record.
TEST_F(FixedBankFilesTest, AnAmountFillingItsFieldIsWrittenAndAWiderOneStopsTheRunNamingTheRecord) {
  const struct {
    const char* package;
    std::vector<std::string> input;
    const char* where;  // empty: the amount fits
    const char* text;   // why the run stopped, or the account and amount written
  } rows[] = {
      {"SOS", {Record("1000", "1234567890.12", ".00")}, "", "00001000D1234567890.12"},
      {"Reynolds & Reynolds", {Line("1000", "1234567890.12", ".00")}, "", "      1000|1234567890.12"},
      {"Plumas Bank", {Record("1000", "1.00", ".00"), Record("2000", "100000000.00", ".00")}, "c:\\gl\\gl.txt, record 2",
       "The amount 100000000.00 does not fit the journal's 11-character amount field."},
      {"Sparak", {Record("1000", "10000000000.00", ".00")}, "c:\\gl\\gl.txt, record 1",
       "The amount 10000000000.00 does not fit the journal's 12-digit amount field."},
      {"SOS", {Record("1000", "12345678901.23", ".00")}, "c:\\gl\\gl.txt, record 1",
       "The amount 12345678901.23 does not fit the journal's 13-character amount field."},
      {"Reynolds & Reynolds", {Line("1000", "1.00", ".00"), Line("2000", "12345678901.00", ".00")},
       "c:\\gl\\gl.txt, line 2", "The amount 12345678901.00 does not fit the journal's 13-character amount field."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.package);
    boxes = dialogs::ScriptedDialogs();
    if (std::string(row.where).empty()) {
      const bool sos = std::string(row.package) == "SOS";
      // An amount alone leaves the print journal out of balance.
      if (!sos) boxes.QueueAnswer(dialogs::kNo);
      RunPackage(row.package, row.input);
      EXPECT_TRUE(window->run.Ready);
      const std::string line = JournalLines(JournalName(row.package)).at(0);
      EXPECT_EQ(sos ? line.substr(24, 22) : line.substr(12, 10) + "|" + line.substr(57, 13), row.text);
      continue;
    }
    RunPackage(row.package, row.input);
    EXPECT_EQ(LastPrompt(), Stopped(row.package, row.where, row.text));
    EXPECT_FALSE(window->run.Ready);
    // Nothing closes a journal that was cut short: no trailer, no closing
    // lines, no control records, no held records.
    const std::string journal = Journal(JournalName(row.package));
    EXPECT_EQ(journal.find("TS   "), std::string::npos);
    EXPECT_EQ(journal.find("End of File"), std::string::npos);
    if (std::string(row.package) == "SOS") {
      EXPECT_EQ(Journal("glpost1.fil"), "");
    }
  }
}

TEST_F(FixedBankFilesTest, SparakCodesTheSideAndRoundsToCents) {
  const struct {
    const char* debits;
    const char* credits;
    const char* codeTypeAmount;  // empty: no line
  } rows[] = {
      {"100.10", "100.00", "004419000000000010"},
      {"10.005", ".00", "004419000000001001"},
      {"", "", ""},
      {"5.00", "5", ""},
      {"abc", "2.00", "000718000000000200"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.debits) + "/" + row.credits);
    boxes = dialogs::ScriptedDialogs();
    if (std::string(row.codeTypeAmount).empty() == false) boxes.QueueAnswer(dialogs::kNo);
    RunPackage("Sparak", {Record(" 12345 ", row.debits, row.credits)});
    const std::vector<std::string> lines = JournalLines();
    if (std::string(row.codeTypeAmount).empty()) {
      EXPECT_TRUE(lines.empty());
      continue;
    }
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 186u);
    EXPECT_EQ(lines[0].substr(0, 28), std::string("0000012345") + row.codeTypeAmount);
    // The filler is blanks.
    EXPECT_EQ(lines[0].substr(52, 80), std::string(80, ' '));
  }
}

TEST_F(FixedBankFilesTest, SOSWritesTheFacilityInFourDigitsOrRefusesItBeforeAnyFile) {
  const struct {
    const char* facility;
    const char* written;  // empty: refused with `message`
    const char* message;
  } rows[] = {
      {"0", "0000", ""},
      {"12", "0012", ""},
      {" 7 ", "0007", ""},
      {"1234", "1234", ""},
      {"", "", "Facility Number must be a number."},
      {"1.5", "", "Facility Number must be a number."},
      {"-1", "", "Facility Number must be a number."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.facility);
    std::filesystem::remove_all(c / "gl" / "glpost2.fil");
    boxes = dialogs::ScriptedDialogs();
    Prepare("SOS", {Record("4000", "1.00", ".00")});
    window->txtFacility.SetText(row.facility);
    Run();
    if (std::string(row.written).empty()) {
      EXPECT_EQ(LastPrompt(), row.message);
      EXPECT_FALSE(std::filesystem::exists(c / "gl" / "glpost2.fil"));
      continue;
    }
    EXPECT_EQ(Journal("glpost2.fil").substr(6, 4), row.written);
    EXPECT_EQ(LastTitle(), kInBalance);
  }
}

TEST_F(FixedBankFilesTest, SOSSplitsTheAccountIntoSegmentsAndAnAccountPart) {
  const struct {
    const char* account;
    const char* segments;  // second segment, first segment, account part
  } rows[] = {
      {"ABCDE-FGHIJ", "FGHIABCD00000000"},
      {"1-2-3", "02-3000100000000"},
      {"", "0000000000000000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.account);
    RunPackage("SOS", {Record(row.account, ".00", "250.00")});
    EXPECT_EQ(Journal("glpost2.fil").substr(16, 30), std::string(row.segments) + "C0000000250.00");
  }
}

TEST_F(FixedBankFilesTest, SOSWithoutRecordsWritesControlRecordsOfZero) {
  RunPackage("SOS", {});
  EXPECT_EQ(Journal("glpost2.fil"), "");
  EXPECT_EQ(Journal("glbatch.fil"), "11/30/2026112026" + std::string(10, '0') + ".00" + std::string(10, '0') + ".00\r\n");
  EXPECT_EQ(Journal("glpost1.fil"), "000001" + std::string(10, '0') + ".00" + std::string(10, '0') + ".00\r\n");
  EXPECT_EQ(LastTitle(), kInBalance);
}

TEST_F(FixedBankFilesTest, RealWorldHoldsEveryRecordBeyondTwoThousand) {
  Prepare("Real World (Passport)", std::vector<std::string>(2001, Record("100-200-3000-400", "1.00", ".00")));
  window->rdoClrY.SetValue(true);
  Run();
  const std::vector<std::string> lines = JournalLines("1231126.exp");
  ASSERT_EQ(lines.size(), 2002u);
  EXPECT_EQ(lines[0].substr(98, 6), "002001");
  // The three-character number keeps its first three digits; the sequence
  // field carries the whole number.
  EXPECT_EQ(lines[1000].substr(0, 3), "100");
  EXPECT_EQ(lines[1000].substr(78, 6), "001000");
  EXPECT_EQ(lines[2001].substr(0, 3), "200");
  EXPECT_EQ(lines[2001].substr(78, 6), "002001");
}

TEST_F(FixedBankFilesTest, RealWorldStopsAtALineWithoutItsNineValuesNamingIt) {
  Prepare("Real World (Passport)", {Line("100-200-3000-400", "1.00", ".00"), "123,20041228,01,1.00\r\n"});
  window->Summarized.SetValue(true);
  Run();
  EXPECT_EQ(LastPrompt(), Stopped("Real World (Passport)", "c:\\gl\\gl.txt, line 2",
                                  "The line does not hold the nine values of the export."));
  EXPECT_FALSE(window->run.Ready);
  EXPECT_EQ(Journal("1231126.exp"), "");
}

TEST_F(FixedBankFilesTest, ReynoldsSplitsTheAccountAndTakesAnEmptyAmountAsNone) {
  const struct {
    const char* account;
    const char* debits;
    std::vector<std::string> lines;  // fields 1 and 2, then amount and field 6
  } rows[] = {
      {"236-2020-10", "15.55", {"        2020       236|        15.55          10"}},
      {"236-2020", "15.55", {"                   236|        15.55            "}},
      {" 4000 ", "15.55", {"                  4000|        15.55            "}},
      {"1-2-3-4", "15.55", {"           2         1|        15.55         3-4"}},
      {"4000", "", {}},
      {"4000", " .00 ", {}},
      {"4000", "abc", {"                  4000|          .00            "}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.account) + "/" + row.debits);
    boxes = dialogs::ScriptedDialogs();
    // An unbalanced amount is left out of balance.
    boxes.QueueAnswer(dialogs::kNo);
    RunPackage("Reynolds & Reynolds", {Line(row.account, row.debits, "")});
    const std::vector<std::string> lines = JournalLines("123.PRN");
    ASSERT_EQ(lines.size(), row.lines.size() + 3);
    for (std::size_t i = 0; i < row.lines.size(); ++i)
      EXPECT_EQ(lines[i].substr(0, 22) + "|" + lines[i].substr(57), row.lines[i]);
    EXPECT_EQ(lines[row.lines.size()].substr(57, 13), row.lines.empty() ? "          .00" : "         1.00");
  }
}

// An export without a record is no failure: the journal holds what the
// package writes for none. Where the package tells the operator "No records
// found in file." that is the run's last word: nothing is reported ready for
// posting after it.
TEST_F(FixedBankFilesTest, EmptyExportsWriteTheirClosingRecordsOfNone) {
  const std::string control = std::string(80, ' ') + std::string(17, '0') + "+000000" + std::string(52, ' ') + "0" +
                              std::string(50, ' ') + "\r\n";
  const auto closing = [](const std::string& text) {
    return std::string(32, ' ') + text + std::string(25 - text.size(), ' ') + std::string(10, ' ') + ".00" +
           std::string(12, ' ') + "\r\n";
  };
  const std::string noRecords = "No records found in file.";
  const struct {
    const char* package;
    bool csv;
    bool headers;
    std::string journal;
    std::string shown;  // the one box of the run: title | prompt
  } rows[] = {
      {"Real World (Passport)", true, true, control, "QvLedgerloom | " + noRecords},
      {"Real World (Passport)", true, false, "", "QvLedgerloom | " + noRecords},
      {"Real World (Passport)", false, true, control,
       std::string(kInBalance) + " | Journal Entry:  c:\\gl\\1231126.exp\ris now ready for Posting to your Real "
                                 "World (Passport) General Ledger.\r\ran Audit Trail of the prepared transactions "
                                 "can be found in:\r        c:\\gl\\Audit_trail.txt"},
      {"Real World (Passport)", false, false, "", std::string(kInBalance) + " | Journal Entry:  c:\\gl\\1231126.exp"},
      {"Reynolds & Reynolds", false, false,
       closing("End of File") + closing("Total debit amount") + closing("Total credit amount"),
       "QvLedgerloom - Reynolds & Reynolds | " + noRecords},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.package) + (row.csv ? " CSV" : "") + (row.headers ? " headers" : ""));
    // An earlier journal of the same name is replaced.
    WriteBytes(c / "gl" / JournalName(row.package), "old\r\n");
    Prepare(row.package, {});
    window->Summarized.SetValue(row.csv);
    (row.headers ? window->rdoClrY : window->rdoClrN).SetValue(true);
    const RunOutput out = RunOnce(JournalName(row.package));
    EXPECT_EQ(out.journal, row.journal);
    EXPECT_EQ(out.audit, "");
    ASSERT_EQ(out.shown.size(), 1u);
    EXPECT_EQ(out.shown[0].substr(0, row.shown.size()), row.shown);
  }
}

// Whatever a run keeps (counters, totals, held records, the facility code)
// starts again with the next run.
TEST_F(FixedBankFilesTest, ASecondRunInOneSessionWritesWhatTheFirstDid) {
  const std::vector<std::string> records = {Record("1135 Office 01", "12.00", ".00"), Record("12-345", ".00", "2.00"),
                                            Record("5000", "3.00", "13.00")};
  const std::vector<std::string> lines = {Line("236-2020-10", "12.00", ".00"), Line("4000", ".00", "2.00"),
                                          Line("5000", "3.00", "13.00")};
  for (const char* package : {"Plumas Bank", "Real World (Passport)", "Reynolds & Reynolds", "SOS", "Sparak"}) {
    SCOPED_TRACE(package);
    const bool comma = std::string(package) == "Reynolds & Reynolds";
    RunPackage(package, comma ? lines : records);
    const std::string first = Journal(JournalName(package));
    const std::string firstAudit = Audit();
    const std::string firstBatch = std::string(package) == "SOS" ? Journal("glbatch.fil") : "";
    ASSERT_FALSE(first.empty());
    RunPackage(package, comma ? lines : records);
    EXPECT_EQ(Journal(JournalName(package)), first);
    EXPECT_EQ(Audit(), firstAudit);
    if (std::string(package) == "SOS") {
      EXPECT_EQ(Journal("glbatch.fil"), firstBatch);
    }
  }
}

TEST_F(FixedBankFilesTest, OffsettingEntriesRepeatTheFirstRun) {
  const auto offset = [this] { QueueOffset("9999", "10"); };
  Prepare("Sparak", {Record("1000", ".00", "10.00")});
  ExpectSecondRunRepeatsFirst("123113026.txt", offset);
  EXPECT_EQ(LastTitle(), kInBalance);
  Prepare("Reynolds & Reynolds", {Line("1000", ".00", "10.00")});
  ExpectSecondRunRepeatsFirst("123.PRN", offset);
  EXPECT_EQ(LastTitle(), kInBalance);
  EXPECT_EQ(JournalLines("123.PRN").size(), 2u + 3u);
}

}  // namespace
}  // namespace qvl::test
