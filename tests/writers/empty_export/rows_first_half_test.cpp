// The empty-export rows of the list's first half.
#include "writers/empty_export/empty_export.h"

namespace qvl::test::empty_export {

namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The journal every entry with the default name writes for company 123 and
// the period end 11/30/2026.
const std::string kTxt = "123113026.txt";
const std::string kCsv = "123113026.csv";
const std::string kTxtPath = "c:\\gl\\123113026.txt";
const std::string kCsvPath = "c:\\gl\\123113026.csv";

const File kEmptyAudit{"Audit_trail.txt", ""};

}  // namespace

std::vector<Case> FirstHalf() {
  const std::string batchHeader =
      "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC";
  const std::string detailHeader = "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT";
  return {
      {"AccPac AdvSeries CE v5.2",
       {},
       {{kCsv, batchHeader + ",,,\r\n" + detailHeader +
                   ",TRANSREF,TRANSDATE,SRCELDGR,SRCETYPE,COMMENT\r\n"
                   "1,1,1,GL,JE,2026,11,Monthly History,,,\r\n"},
        kEmptyAudit},
       // This entry's in-balance report names no audit trail.
       {"Journal Entry is in Balance! | Journal Entry:  " + kCsvPath +
        "\ris now ready for Posting to your AccPac AdvSeries CE v5.2 General Ledger."},
       Reported::InBalance},
      JournalInBalance("AccPac (new)", kTxt, ""),
      JournalInBalance("AccPac (old)", kTxt, ""),
      JournalInBalance("AccPac Zelvik", kCsv,
            batchHeader + "\r\n" + detailHeader + ",TRANSDESC,TRANSDATE\r\n1,131,1,GL,JE,2026,11,\r\n"),
      {"AccPac Draymor",
       [](const RowRun& run) { run.boxes.QueueReply("001303"); },
       {{"AccPac_123_Nov3026.xls",
         "",
         {{"T:BATCHID", "T:BTCHENTRY", "T:SRCELEDGER", "T:SRCETYPE", "T:JRNLDESC", "T:JRNLDR", "T:JRNLCR",
           "T:DATAENTRY", "T:SRCDESC"},
          {"T:001303", "T:00001", "T:GL", "T:JE", "T:Payroll Nov 30, 26", "N:0", "N:0", "D:46356",
           "T:G/L Journal Entry"}}},
        {kTxt, ""},
        kEmptyAudit},
       {"AccPac Draymor module | Please provide a BatchID:",
        InBalance("c:\\gl\\AccPac_123_Nov3026.xls", "AccPac Draymor")},
       Reported::InBalance},
      {"Acknowledge",
       [](const RowRun& run) { run.window.txtMiscDate.SetText("12/4/2026"); },
       {{kTxt, "ACCKNOWLEDGE JOURNAL ENTRY\r\nDecember-4-2026\tPayroll Ending 11/30/2026\r\n"}, kEmptyAudit},
       {InBalance(kTxtPath, "Acknowledge")},
       Reported::InBalance},
      JournalInBalance("ADP", "GLTran.txt", ""),
      // The closing record alone, without a line end; no "T200" line was
      // read, so it credits nothing.
      {"ADP/GL",
       {},
       {{kTxt, "GC00000000000T200" + Blanks(28) + "TO BALANCE" + Blanks(8) + "000000000000 "},
        {"Audit_trail.txt", AuditLine("T200", ".00", ".00")}},
       {InBalance(kTxtPath, "ADP/GL")},
       Reported::InBalance},
      {"ADP/KVS",
       {},
       {{kTxt, "GC00000000000T200" + Blanks(28) + "TO BALANCE" + Blanks(8) + "113026113026 "},
        {"Audit_trail.txt", AuditLine("T200", ".00", ".00")}},
       {InBalance(kTxtPath, "ADP/KVS")},
       Reported::InBalance},
      // The header record; the batch record takes its date from a first
      // record there is none of, so it is left out.
      JournalInBalance("AI5", kTxt, "DP1" + Blanks(49) + "080" + Blanks(6) + "000" + Blanks(16) + "\r\n"),
      {"AIMsi",
       {},
       {{"AIMsi_123_Nov3026.xls",
         "",
         {{"", "", "T:GL Code", "T:Location", "T:Tax", "T:Journal", "T:Dept Code", "T:Ref #", "T:cacctdesc", "T:DR",
           "T:CR"}}},
        kEmptyAudit},
       {InBalance("c:\\gl\\AIMsi_123_Nov3026.xls", "AIMsi")},
       Reported::InBalance},
      JournalInBalance("aswa", kTxt, "trans #,acct,dept,deb+/cred-\r\n"),
      JournalInBalance("Blackbaud", kCsv, "Batch #,Account #,Date,Amount,Journal,Journal Ref,Type\r\n"),
      // The five closing lines carry the roll-ups, all zero, and no date.
      {"Blackbaud v7.60",
       {},
       {{kCsv,
         "Account number,Post date,Encumbrance status,Type,Amount,Journal,Journal reference,"
         "Transaction distribution Project ID,Transaction distribution Endowments\r\n"
         "01-29520-000,,R,D,0.00,PR,Payroll,0000\r\n"
         "03-29520-000,,R,C,0.00,PR,Payroll,0000\r\n"
         "01-50510-740,,R,D,0.00,PR,Payroll,0000\r\n"
         "01-50515-740,,R,D,0.00,PR,Payroll,0000\r\n"
         "01-59900-740,,R,C,0.00,PR,Payroll,0000\r\n"},
        {"Audit_trail.txt", AuditLine("01-29520-000", "0.00", ".00") + AuditLine("03-29520-000", ".00", "0.00") +
                                AuditLine("01-50510-740", "0.00", ".00") + AuditLine("01-50515-740", "0.00", ".00") +
                                AuditLine("01-59900-740", ".00", "0.00")}},
       {InBalance(kCsvPath, "Blackbaud v7.60")},
       Reported::InBalance},
      JournalInBalance("Blackbaud v7.80", kCsv, ""),
      JournalInBalance("BMSI", "123113026.dat", ""),
      JournalInBalance("Corrand", kCsv, ""),
      JournalInBalance("CertiPay Advantage", kTxt, ""),
      {"ClubSelect",
       [](const RowRun& run) { run.window.cmboCoNum.SetText("12"); },
       {{"CCGLTR12.MAS", ""}, kEmptyAudit},
       {InBalance("c:\\gl\\CCGLTR12.MAS", "ClubSelect")},
       Reported::InBalance},
      JournalInBalance("CMS", kTxt, "H;11/30/2026;PR;Quorvanta Payroll;\r\n"),
      {"CSA",
       [](const RowRun& run) { run.boxes.QueueReply("PD13"); },
       {{"G00123K0.GLT", ""}, kEmptyAudit},
       {"CSA Journal Entry Reference | JE Reference (up to 6 characters)",
        InBalance("c:\\gl\\G00123K0.GLT", "CSA")},
       Reported::InBalance},
      // The cross-reference files are read, then the workbook is saved
      // without a row.
      {"Epicor",
       [](const RowRun& run) {
         run.WriteFile("Desc_xref.txt", "60120,AUTO REIMBURSMENT\r\n");
         run.WriteFile("CoNum_xref.txt", "2243,31\r\n");
         run.boxes.QueueReply("c:\\gl\\Desc_xref.txt");
         run.boxes.QueueReply("c:\\gl\\CoNum_xref.txt");
       },
       {{"Epicor_123_Nov3026.xls", "", {}}, kEmptyAudit},
       {"QvLedgerloom | Please enter the name of the Description Reference file.",
        "QvLedgerloom | Please enter the name of the Company Number Reference file.",
        InBalance("c:\\gl\\Epicor_123_Nov3026.xls", "Epicor")},
       Reported::InBalance},
      {"Enterprise",
       {},
       {{"Enterprise_GL_123_Nov3026.xls",
         "",
         {{"T:Reference Number", "T:Reference Date", "T:Description", "T:Period", "T:Year", "T:Journal ID",
           "T:Reverse Entry", "T:Account", "T:Activity ID", "T:Line Description", "T:Debit", "T:Credit"}}},
        kEmptyAudit},
       {InBalance("c:\\gl\\Enterprise_GL_123_Nov3026.xls", "Enterprise")},
       Reported::InBalance},
      JournalInBalance("Falcon", kTxt, ""),
      JournalInBalance("Financial Edge", kTxt,
            "Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status\r\n"),
      // "No records found in file.": an empty journal, not reported.
      {"Fiserv Freedom FFS",
       {},
       {{kTxt, ""}, kEmptyAudit},
       {"QvLedgerloom | No records found in file."},
       Reported::Nothing},
      {"Fiserv IF3",
       [](const RowRun& run) {
         run.window.cmboCoNum.SetText("123456789");
         run.boxes.QueueReply("51010001");
       },
       {{"123456789113026.txt", "HEADER  11/30/26 123456789" + Blanks(124) + "\r\nTRAILER " +
                                    std::string(36, '0') + Blanks(106)},
        kEmptyAudit},
       {"QvLedgerloom - Fiserv IF3 | Please enter the Bank Account",
        InBalance("c:\\gl\\123456789113026.txt", "Fiserv IF3")},
       Reported::InBalance},
      JournalInBalance("FTI", kTxt, ""),
      {"GreatPlains",
       {},
       {},
       {"QvLedgerloom | Use GreatPlain's Integration Manager or Integration Assistant to import your "
        "Quorvanta Journal Entry."},
       Reported::Nothing},
      JournalInBalance("GlobalShop", kTxt, ""),
      {"GP Payroll Connect",
       {},
       {{"123113026.GLI", ""}, kEmptyAudit},
       {"QvLedgerloom | No records found in file."},
       Reported::Nothing},
      JournalInBalance("Infinium", kCsv, ""),
      // The workers' compensation file beside the export is totalled first;
      // without records no fund line is written, only the two salaries lines.
      {"Intuit Fundware",
       [](const RowRun& run) { run.WriteFile("../WC/WC.txt", "a;b;07-00-00;d;e;f;g;h;i;j;k;l;125.50\r\n"); },
       {{kTxt,
         "DIV=123||||||\r\n1|PAYRL|11302026||||\r\n4|00-00-00-6101|Salaries & Wages||||.00-\r\n"
         "4|00-00-00-6101|Salaries & Wages||||.00+\r\n"},
        kEmptyAudit},
       {"QvLedgerloom | 07-00-00 125.50\rWorkers Comp Total: 125.50", InBalance(kTxtPath, "Intuit Fundware")},
       Reported::InBalance},
      JournalInBalance("IPS", kTxt, ""),
      JournalInBalance("JD Edwards", kTxt,
            "Account Number,Amount,Account Description,Subledger,Subledger Type,Subledger Description,Remark,"
            "Purchase Order,Purchase Order Suffix,Unit of Measure,Units,Reference,Phase,Pay Item,Asset Number,"
            "Posted Code,Check Date,Service/Tax Date,Company,JE Line Number,Line Extension,G/L Date,R V,B C,"
            "DOI Sub\r\n"),
      JournalInBalance("Jonas", kTxt, ""),
      JournalInBalance("JURIS", kTxt, ""),
      {"Keane Accounting",
       [](const RowRun& run) { run.window.txtFacility.SetText("7"); },
       {{"RA261130.007", ""}, kEmptyAudit},
       {InBalance("c:\\gl\\RA261130.007", "Keane Accounting")},
       Reported::InBalance},
      // The heading row alone.
      {"LASR",
       {},
       {{"LASR_123_Nov3026.xls", "", {{"T:ACCT", "D:46356"}}}, kEmptyAudit},
       {InBalance("c:\\gl\\LASR_123_Nov3026.xls", "LASR")},
       Reported::InBalance},
      JournalInBalance("MAPICS XA6.0", kTxt, ""),
      {"MAS90 v3.2",
       [](const RowRun& run) { run.boxes.QueueReply("9"); },
       {{kTxt, ""}, kEmptyAudit},
       {"QvLedgerloom - MAS90 v3.2 | Enter the Maximum Account Length (9 to 15)", InBalance(kTxtPath, "MAS90 v3.2")},
       Reported::InBalance},
      JournalInBalance("MAS90 v4.3", kTxt, ""),
      JournalInBalance("MAS90 v4.2", kTxt, ""),
      JournalInBalance("MAS90 v4.x", kCsv, ""),
      JournalInBalance("MAS90 v5.0", kTxt, ""),
      {"MAS90 SageBW v8.0",
       [](const RowRun& run) { run.window.chk13pd.SetValue(1); },
       {{kCsv, "Seq #,Posting Date,Journal ID,Reference,Description,Account ID,Debit or Credit Amount\r\n"},
        kEmptyAudit},
       {InBalance(kCsvPath, "MAS90 SageBW v8.0")},
       Reported::InBalance},
      JournalInBalance("MAS500", "123113026.del",
            "\"@HDR\",\"BATCH\",\"20261130\",\"Payroll Period Ending 11/30/2026        \"\r\n"
            "\"@HDR\",\"JOURNAL\",\"JE\",\" \"\r\n\"@END\",\"JOURNAL\"\r\n\"@END\",\"BATCH\"\r\n"),
      // The file header, the batch header (no first record gives it a
      // date) and the end record.
      {"Meditech",
       [](const RowRun& run) { run.boxes.QueueReply("GEN1001"); },
       {{kTxt, "0120261206GL TRANSACTIONS" + Blanks(20) + "\r\n05BATCH" + Blanks(25) + Blanks(8) +
                   "20261130GEN1001   \r\n99\r\n"},
        kEmptyAudit},
       {"QvLedgerloom | Please enter your Journal Mnemonic", InBalance(kTxtPath, "Meditech")},
       Reported::InBalance},
      // The comma form ("CSV"): the heading line, then "No records found in
      // file." and no report.
      {"MIP",
       [](const RowRun& run) { run.window.Summarized.SetValue(true); },
       {{kCsv, "Account,Description,Transaction Date,Type,Amount\r\n"}, kEmptyAudit},
       {"QvLedgerloom | No records found in file."},
       Reported::Nothing},
      JournalInBalance("MNP", kCsv, "Imported,,,,,,\r\n"),
  };
}

}  // namespace qvl::test::empty_export
