// The empty-export rows of the list's second half.
#include <string>
#include <vector>

#include "engine/run_fixture.h"
#include "platform/workbook/workbook.h"
#include "writers/empty_export/empty_export.h"

namespace qvl::test::empty_export {

namespace {

const std::string kNoRecords = "QvLedgerloom | No records found in file.";

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text.substr(0, width) : text + std::string(width - text.size(), ' ');
}

const std::string kTabHeader =
    "\tTRNSID\tTIMESTAMP\tTRNSTYPE\tACCNT\tAMOUNT\tDATE\tCLEAR\tNAME\tDOCNUM\tMEMO\tCLASS";
const std::string kCommaHeader = Lines({"!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
                                        "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME", "!ENDTRNS"});
const std::string kAccountPrompt = "Creating Header Record | Please enter an Account for the Journal Balance";
// The balancing line of an empty comma interchange run: account 2000, nothing
// to balance.
const std::string kBalancingLine = "TRNS,GENERAL JOURNAL,11/30/26,,,2000,0,";

// The fixed frame of the SyteLine workbook: five sections of rows whose
// accounts and names match nothing in an empty export, so every amount is 0.
Table SyteLineFrame() {
  const std::vector<std::string> salary = {"10", "20", "40", "45", "50",  "60",  "70", "74",
                                           "80", "82", "83", "84", "95", "100", "105", "110"};
  const std::vector<std::string> cost = {"10", "11", "20", "30", "40", "45", "50", "60",  "70",  "74", "75", "76",
                                         "79", "80", "81", "82", "83", "84", "90", "95", "100", "105", "110"};
  const std::vector<std::string> match = {"10", "11", "20", "30", "40", "45", "50", "60", "65",
                                          "70", "73", "74", "75", "76", "79", "80", "81", "82",
                                          "83", "84", "90", "95", "100", "105", "110"};
  const std::vector<std::string> flex = {"10", "11", "20", "30", "40", "45", "50", "60",  "70",  "74", "75", "76",
                                         "79", "80", "81", "82", "83", "84", "90", "95", "105", "100", "110"};
  const std::vector<std::string> purchase = {"10", "45", "83", "84", "90", "95"};
  Table t = {{"T:GENERAL"}, {"T:ENTRY", "", "T:ACCOUNT"}, {"T:NUMBER", "T:DESCRIPTION", "T:NUMBER", "T:DECEMBER"}, {}};
  const auto row = [&t](const std::string& description, const std::string& account) {
    t.push_back({"", "T:" + description, account, "N:0"});
  };
  const auto text = [](const std::string& account) { return "T:" + account; };
  const auto number = [](const std::string& account) { return "N:" + account; };

  t.push_back({"T:AJ12", "T:Salary Payroll"});
  for (const std::string& d : salary) {
    row("Salary Payroll", text("6050-" + d));
    row("Salary Payroll - OT", text("6051-" + d));
  }
  for (const std::string& d : cost) row("Medical", text("6103-" + d));
  row("Salary Payroll", number("1128"));
  row("Salary Payroll", number("1035"));
  row("Salary Payroll", number("1125"));
  row("Misc Deduction", text("6101-10"));
  row("United Way", number("2180"));
  for (const std::string& d : purchase) row("Employee Purchase", text("6101-" + d));
  row("EE Life", number("2215"));
  row("EE DBL", number("2215"));
  row("401(k)", number("2250"));
  row("401(k) Loan", number("2250"));
  row("AFLAC", number("2215"));
  row("Med Flex FSA", number("2218"));
  row("Garnishment", number("2245"));
  row("Child Support", number("2245"));
  row("ER TFB (31)", number("2245"));
  t.push_back({});

  t.push_back({"T:AJ13", "T:Employer Taxes"});
  for (const std::string& d : cost) row("FICA Tax - Salary", text("6113-" + d));
  row("FICA Tax - Salary", number("1035"));
  row("FICA Tax - Salary", number("1128"));
  for (const std::string& d : cost) row("Unemployment Tax - Salary", text("6111-" + d));
  row("Unemployment Tax - Salary", number("1035"));
  row("Unemployment Tax - Salary", number("1128"));
  t.push_back({});

  // The 2450 row holds the sum of the division rows below it: 0.
  t.push_back({"T:AJ14", "T:Profit Sharing"});
  row("Profit Sharing", number("2450"));
  for (const std::string& d : salary) row("Profit Sharing", text("6100-" + d));
  t.push_back({});

  t.push_back({"T:AJ15", "T:Employer 401(k) Match"});
  for (const std::string& d : match) row("Employer 401(k) Match", text("6107-" + d));
  row("Employer 401(k) Match", number("2250"));
  t.push_back({});

  t.push_back({"T:AJ16", "T:Employer Share Flex Plan"});
  for (const std::string& d : flex) row("Employer Share Flex Plan", text("6103-" + d));
  row("Employer Share Flex Plan", number("2218"));
  t.push_back({"T:EOF"});
  return t;
}

// Oracle Fringe's mapping workbook: a heading row and one mapping row.
void WriteFringeMap() {
  const workbook::Application app = workbook::Application::Create();
  const workbook::Worksheet sheet = app.Workbooks().Add().Worksheets(1);
  const std::vector<std::vector<std::string>> rows = {
      {"Seg1", "Seg2", "Seg3", "Seg4", "Seg5", "Seg6", "G", "H", "New1", "New2", "New3", "New4", "New5", "New6"},
      {"'01", "6299", "'1200", "'01", "'000000", "'00000", "", "", "'01", "6299", "'1200", "'01", "'000000",
       "'00000"}};
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t col = 0; col < rows[r].size(); ++col)
      sheet.Cells(static_cast<int>(r + 1), static_cast<int>(col + 1)).Value(rows[r][col]);
  app.ActiveWorkbook().SaveAs("c:\\gl\\GL Map.xls");
  app.Quit();
}

}  // namespace

std::vector<Case> SecondHalf() {
  const std::string plumasTrailer = "TS   000000" "0000000000.00" "000000" "0000000000.00" "000000" "0000000000.00" +
                                    std::string(37, ' ') + ".";
  const std::string controlRecord = std::string(80, ' ') + "00000000000000000+" + "000000" + std::string(52, ' ') +
                                    "0" + std::string(50, ' ');
  const auto closing = [](const std::string& text, const std::string& amount) {
    return std::string(32, ' ') + Padded(text, 25) + std::string(13 - amount.size(), ' ') + amount +
           std::string(12, ' ');
  };
  const std::string nuVisionTitles[] = {"Jrnl Temp Name", "Jrnal Batch Name", "Line Number", "Account",
                                         "ACCOUNT NO.",    "DESCRIPTION",      "POSTING DATE", "Document",
                                         "Document No.",   "AMOUNT",           "Depart Dime",  "Region",
                                         "Sales Rep.",     "DIMENSION 4"};
  std::vector<std::string> nuVisionRow;
  for (const std::string& title : nuVisionTitles) nuVisionRow.push_back("T:" + title);

  return {
      JournalInBalance("NetSuite", "123113026.csv", Lines({"Account,Debit,Credit,Memo,Entity,Class,Department,Location"})),
      JournalInBalance("NetSuite Release 2", "123113026.csv",
                    Lines({"Account,Debit,Credit,Memo,Entity,Class,Department,Location"})),
      JournalInBalance("Northstar", "123113026.csv", ""),
      // The workbook of the mapped lines holds its header row alone; no
      // journal text stream is created for it, and the audit trail the
      // result names stays empty.
      {"NuVision",
       [](const RowRun& run) {
         run.WriteFile("GLMap.csv", "611100,Regular Earnings\r\n");
         run.boxes.QueueReply("c:\\gl\\GLMap.csv");
       },
       {{"NuVision_123_Nov3026.xls", "", {nuVisionRow}}, {"Audit_trail.txt", ""}},
       {"QvLedgerloom | Please enter the name of the REGULAR GL Mapping file.",
        InBalance("c:\\gl\\NuVision_123_Nov3026.xls", "NuVision")},
       Reported::InBalance},
      JournalInBalance("Oracle", "123.txt", "", [](const RowRun& run) { run.boxes.QueueReply("0000"); },
                     {"Quorvanta Ledgerloom | Please Enter 4 Digit Segment\r\nDefault is 0000"}),
      // Nothing to map: the closing line alone, with a total of nothing.
      {"Oracle Fringe",
       [](const RowRun& run) {
         WriteFringeMap();
         run.boxes.QueueReply("GL Map.xls");
         run.boxes.QueueAnswer(dialogs::kYes);
       },
       {{"123113026.txt", Lines({"01,6299,3015,05,000000,00000,0000,0.00,.00"})},
        {"Audit_trail.txt", AuditLine("01,6299,3015,05,00", ".00", ".00")}},
       {"QvLedgerloom | Please enter the name of the Oracle Fringe GL Mapping File located in the same location as "
        "your input file:",
        "OK to Proceed? | Qv Ledgerloom must read the GL Mapping file.\rDepending on the number of records in the GL "
        "Mapping file\rthis may take a moment.",
        InBalance("c:\\gl\\123113026.txt", "Oracle Fringe")},
       Reported::InBalance},
      {"Orion", {}, {{"123113026.txt", ""}, {"Audit_trail.txt", ""}}, {kNoRecords}, Reported::Nothing},
      JournalInBalance("Pathlinks", "123113026.txt", ""),
      JournalInBalance("PeachTree", "123.csv", ""),
      JournalInBalance("PEM", "123113026.csv", ""),
      JournalInBalance("Platinum", "123113026.txt", Lines({"ACCT,/T:P11/D:11/30/26,JRNL,DESC"})),
      JournalInBalance(
          "Plumas Bank", "123113026.txt",
          Lines({"FH   202611300900Z" + std::string(6, ' ') + "4567" + "PAYROLL GL" + std::string(10, ' ') +
                     "PAYROLL GL" + std::string(41, ' ') + ".",
                 plumasTrailer}),
          [](const RowRun& run) {
            run.boxes.QueueReply("123456789");
            run.boxes.QueueReply("4567");
          },
          {"Plumas Bank module | Please provide a Routing Number:",
           "Plumas Bank module - assigned by the ODFI | Please provide an Originator ID:"}),
      JournalInBalance("Produce Pro", "123113026.csv", ""),
      JournalInBalance("QuickBooks", "123113026.iif",
                    Lines({"!TRNS" + kTabHeader, "!SPL\tTRNSID\tTIMESTAMP\tTRNSTYPE\tACCNT\tAMOUNT\tDATE\tCLEAR\tNAME\t"
                                                 "DOCNUM\tMEMO\tCLASS",
                           "!ENDTRNS", "ENDTRNS"})),
      // The balancing line balances a transaction of no split: its amount is
      // 0, and it posts (an audit line) to the account asked for.
      {"QuickBooks (csv)", [](const RowRun& run) { run.boxes.QueueReply("2000"); },
       {{"123.iif", kCommaHeader + Lines({kBalancingLine, "ENDTRNS"})},
        {"Audit_trail.txt", AuditLine("2000", "0", ".00")}},
       {kAccountPrompt, InBalance("c:\\gl\\123.iif", "QuickBooks (csv)")},
       Reported::InBalance},
      {"QuickBooks(csv I/O)", [](const RowRun& run) { run.boxes.QueueReply("2000"); },
       {{"123.iif", Lines({kBalancingLine})}, {"Audit_trail.txt", AuditLine("2000", "0", ".00")}},
       {kAccountPrompt,
        "QvLedgerloom | 0 records processed.\r\rJournal Entry:  c:\\gl\\123.iif\ris now ready for Posting to your "
        "QuickBooks(csv I/O) General Ledger.\r\ran Audit Trail of the prepared transactions can be found in:\r"
        "        c:\\gl\\Audit_trail.txt"},
       Reported::Nothing},
      JournalInBalance("QuickBooks 2004", "123113026.iif",
                    Lines({"!TRNS" + kTabHeader, "!SPL\tSPLID \tTIMESTAMP\tTRNSTYPE\tACCNT\tAMOUNT\tDATE\tCLEAR\tNAME\t"
                                                 "DOCNUM\tMEMO\tCLASS",
                           "!ENDTRNS", "ENDTRNS"})),
      // Told there is no record, not reported; the journal still gets its
      // header and end lines.
      {"QuickBooks 2006",
       {},
       {{"123113026.iif",
         Lines({"!TRNS" + kTabHeader,
                "!SPL\tSPLID \tTIMESTAMP\tTRNSTYPE\tACCNT\tAMOUNT\tDATE\tCLEAR\tNAME\tDOCNUM\tMEMO\tCLASS", "!ENDTRNS",
                "ENDTRNS"})},
        {"Audit_trail.txt", ""}},
       {kNoRecords},
       Reported::Nothing},
      {"QuickBooks PerfPay", [](const RowRun& run) { run.boxes.QueueReply("2000"); },
       {{"123.iif", kCommaHeader + Lines({kBalancingLine, "ENDTRNS"})},
        {"Audit_trail.txt", AuditLine("2000", "0", ".00")}},
       {kAccountPrompt, InBalance("c:\\gl\\123.iif", "QuickBooks PerfPay")},
       Reported::InBalance},
      // The comma form ("CSV") with "Use Headers?" Yes: the control record
      // counts no record.
      {"Real World (Passport)", [](const RowRun& run) { run.window.Summarized.SetValue(true); },
       {{"1231126.exp", Lines({controlRecord})}, {"Audit_trail.txt", ""}},
       {kNoRecords},
       Reported::Nothing},
      {"Reynolds & Reynolds",
       {},
       {{"123.PRN", Lines({closing("End of File", ".00"), closing("Total debit amount", ".00"),
                           closing("Total credit amount", ".00")})},
        {"Audit_trail.txt", ""}},
       {"QvLedgerloom - Reynolds & Reynolds | No records found in file."},
       Reported::Nothing},
      {"RMS 6.10.03",
       {},
       {{"123_Nov3026.xls", "", {}}, {"Audit_trail.txt", ""}},
       {InBalance("c:\\gl\\123_Nov3026.xls", "RMS 6.10.03")},
       Reported::InBalance},
      JournalInBalance("Sage BusinessWorks Gold", "123113026.txt", ""),
      JournalInBalance("SamPro", "123113026.txt", ""),
      JournalInBalance("SAP", "123113026.csv", ""),
      JournalInBalance("SAP v2", "123113026.txt",
                    Lines({"\xA0HEADER / INDICATOR\tHEADER / DOCUMENT DATE\tHEADER / POSTING DATE\tHEADER / Header "
                           "Text\tHEADER / REFERENCE DOC NUMBER\tHEADER / CO CODE"})),
      {"SAP v7.1",
       {},
       {{"SAP_GL_123_Nov302026.xls", "", {}}, {"Audit_trail.txt", ""}},
       {InBalance("c:\\gl\\SAP_GL_123_Nov302026.xls", "SAP v7.1")},
       Reported::InBalance},
      JournalInBalance("SAP (Island)", "123113026.txt",
                    Lines({"Doc Date,Currency,Posting Date,Ref Doc,Header Txt,GL Account,C/D indicator,Amount,Cost "
                           "Center,Text"})),
      JournalInBalance("SAP Rev. 1.0", "lsmw_pyrllexp.txt",
                    Lines({"H\t0100\tPayroll Expense\t\t11/30/2026\t11/30/2026\tUSD"})),
      // The workbook of the title row; the text journal and the audit trail
      // are created and stay empty.
      {"SC",
       {},
       {{"SC_123_Nov3026.xls",
         "",
         {{"T:GL Acct", "T:Project", "T:Task", "T:Sub Acct", "T:Ref Nbr", "T:Tran Date", "T:Blank", "T:Debit",
           "T:Credit", "T:Tran Desc"}}},
        {"123113026.txt", ""},
        {"Audit_trail.txt", ""}},
       {InBalance("c:\\gl\\SC_123_Nov3026.xls", "SC")},
       Reported::InBalance},
      JournalInBalance("Seven Hills", "123113026.csv", Lines({"GL,PR,d1,d2,Amt"})),
      JournalInBalance("Shelby Systems", "GLTRN2000.txt", ""),
      JournalInBalance("Shelby Systems 2", "GLTRN2000.txt", ""),
      JournalInBalance("Shelby v5", "GLTRN2000.TXT", ""),
      JournalInBalance("Solomon", "123113026.txt", Lines({"Level0,,PJ,N,,B,,,,,0"})),
      JournalInBalance("Solomon v6", "123113026.txt", Lines({"Level0,,,,,,"})),
      // Three files: the posting file stays empty, the two control records
      // carry no total.
      {"SOS",
       {},
       {{"glbatch.fil", Lines({"11/30/2026112026" "0000000000.00" "0000000000.00"})},
        {"glpost1.fil", Lines({"000001" "0000000000.00" "0000000000.00"})},
        {"glpost2.fil", ""},
        {"Audit_trail.txt", ""}},
       {InBalance("c:\\gl\\glpost2.fil", "SOS")},
       Reported::InBalance},
      JournalInBalance("Sparak", "123113026.txt", ""),
      JournalInBalance("Sunderland", "123113026.txt", ""),
      // The full frame of fixed rows, every amount 0.
      {"SyteLine",
       {},
       {{"SyteLine_Nov3026.xls", "", SyteLineFrame()}, {"Audit_trail.txt", ""}},
       {InBalance("c:\\gl\\SyteLine_Nov3026.xls", "SyteLine")},
       Reported::InBalance},
      JournalInBalance("Timberline", "123113026.txt", ""),
      JournalInBalance("Trident", "123113026.txt", ""),
      JournalInBalance("Turning Point", "123113026.csv",
                    Lines({"batchid,year,period,batchdescription,journaltype,batchnumber,batchdate,batchtype,posted,"
                           "postdate,cashflow,line,account,description,transactiondate,referencenumber,amount,pqty,"
                           "aqty,project"})),
      JournalInBalance("VADARR", "123113026.txt", ""),
      // The column-title line goes to the journal only.
      JournalInBalance("Veridian", "123113026.csv", Lines({"GL Acct,Debit,Credit,Ref Code,Document,Description,Company"})),
      // Every line would carry the company and date of an export record that
      // was never read (the closing line too): none is written.
      JournalInBalance("WC-GL Generator", "123113026.txt", "",
                     [](const RowRun& run) {
                       run.WriteFile("GL Tag Info.csv", "1,2,01-65-000-70500\r\n");
                       run.WriteFile("WC File.txt", "x,1,2" + std::string(13, ',') + "12.50\r\n");
                     }),
      JournalInBalance("Y-Vision", "importgl.txt", ""),
      JournalInBalance("Yardi Systems", "123113026.csv", "", [](const RowRun& run) { run.boxes.QueueReply("11/01/2026"); },
                     {"QvLedgerloom - Yardi Systems | Please Enter the Period Start Date (mm/dd/yyyy)"}),
      // The export's name carries its payroll date.
      JournalInBalance("Yardi csv Input", "123113026.csv", "",
                     [](const RowRun& run) {
                       run.WriteFile("PR113026.txt", "");
                       run.window.QvInputFile.SetText("c:\\gl\\PR113026.txt");
                       run.boxes.QueueReply("11/01/2026");
                     },
                     {"QvLedgerloom - Yardi csv Input | Please Enter the Period Start Date (mm/dd/yyyy)"}),
  };
}

}  // namespace qvl::test::empty_export
