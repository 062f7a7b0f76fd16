// The built-in layouts of package list entries 41 and 43 to 98. Several of
// them read check boxes while they lay the window out, and some set a check
// box, whose own handler then runs at once; the order of the steps is the
// order in which the window must see them.
#include <string>
#include <string_view>

#include "platform/vb/text.h"
#include "window/layouts.h"

namespace qvl {

using namespace layout;

namespace {

// "PeachTree" shows its older layout: the account, a run of 160 blanks, the
// amount and the quoted job code, each padded to its width.
std::string PeachTreeSample(std::string_view account, std::string_view amount, std::string_view jobCode) {
  return Line({"09/06/01,Quorvanta Payroll   ,,6,", vb::PadRight(account, 15), ",", vb::Space(160), ",",
               vb::PadRight(amount, 14), ",", vb::PadRight(Line({"\"", jobCode, "\""}), 20), ",,,"});
}

// The bank's own identifiers are the client's; the samples show none.
constexpr std::string_view kSampleOriginatorId = "0000000000";
constexpr std::string_view kSampleRoutingNumber = "000000000";

std::string PlumasDetailSample(std::string_view account, std::string_view dateSignAmount) {
  return Line({"HT", vb::Space(3), account, vb::Space(8), kSampleRoutingNumber, "GLA", account, vb::Space(10),
               dateSignAmount, "PLUMAS BANK", vb::Space(19), "."});
}

}  // namespace

void AddLayoutsSecondHalf(LayoutTable& t) {
  const Step interchangeSamples =  // "QuickBooks 2004" and "QuickBooks 2006"
      Samples({
          "!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS",
          "!SPL    SPLID   TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS",
          "!ENDTRNS",
          "TRNS    SMCL1  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y       Div: Br: Dept:  Payroll from Quorvanta   101",
          "SPL    SMCL2  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10205            1985           09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101",
          "SPL    SMCL3  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10213            146.77         09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101",
          "SPL    SMCL4  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -60.62          09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101",
          "SPL    SMCL5  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -78.54          09/06/01    Y       Div:1 Br:1 Dept:2   Payroll from Quorvanta   101",
          "SPL    SMCL6  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -10             09/06/01    Y       Div:1 Br:1 Dept:5   Payroll from Quorvanta   101",
          "SPL    SMCL7  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -104            09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101",
          "ENDTRNS",
      });
  const Step showClearFlag = Show({"lblSetClearFlag", "rdoClrN", "rdoClrY"});
  const Step showDelimiter = Show({"txtDelim", "lblDelim"});
  const Step hideDelimiter = Hide({"txtDelim", "lblDelim"});

  t[41] = {  // "MAS90 v4.3"
      Show({"lblMSG"}),
      Samples({
          "001061000,,09/17/04,PR,1,1,PR,PR09,22.00",
          "002050000,,09/17/04,PR,1,2,PR,PR09,-770.02",
          "002055000,,09/17/04,PR,1,3,PR,PR09,-111005.21",
      })};
  t[43] = {  // "MAS90 v4.x"
      Samples({
          "8-0101-100400,,2002-02-07,PR,PR0207,00000000000001,PR,,-311507.96,Quorvanta Payroll",
          "8-0101-150300,,2002-02-07,PR,PR0207,00000000000002,PR,,5950.56,Quorvanta Payroll",
      })};
  t[44] = {  // "MAS90 v5.0"
      Samples({
          "20000000    PE 7-30-07  -75.30",
          "20160000    PE 7-30-07 -28.6",
          "51135031    PE 7-30-07  12.49",
          "51325031    PE 7-30-07  24.63",
      })};
  t[45] = {  // "MAS90 SageBW v8.0"
      Caption("chk13pd", "Include Header?"), Show({"chk13pd"}),
      Samples({
          "Seq #,Posting Date,Journal ID,Reference,Description,Account ID,Debit or Credit Amount",
          R"(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002050.000,-0000819.73)",
          R"(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002055.000,-0112839.86)",
      })};
  t[47] = {  // "Meditech": the batch ID goes into the journal-reference box
      Pattern("*.txt;*.csv"), HideOptions(),
      Caption("lblJourRef", "Batch ID"), Caption("chkNames", "06batchstat rec?"),
      Show({"lblJourRef", "txtJourRef", "chkNames"}),
      Samples({
          "120081027         GL Transactions",
          "05BATCHMEDITECH                         20080908GEN1001.1101.0000",
          "06BATCHMEDITECH                 2008100320080908GEN1001.1101.0000",
          "10222000       000007625230000007625230",
          "99",
      })};
  t[48] = {  // "MIP": the option pair chooses the input's format
      Pattern("*.txt;*.csv"),
      Caption("Summarized", "CSV"), Caption("Details", "ASCII"),
      Caption("lblMSG", "Choose input file format"), Show({"lblMSG"}),
      Samples({
          "01-101-40001-101-101-1,Payroll,04/06/2001,CR,-1000.00",
          "01-101-11001-101-101-1,Payroll,04/06/2001,DR,1000.00",
          "01-101-40001-101-101-1,Payroll,04/06/2001,CR,-1000.00",
          "01-101-11001-101-101-1,Payroll,04/06/2001,DR,1000.00",
      })};
  t[49] = {  // "MNP"
      Pattern("*.txt"), HideOptions(),
      Samples({
          "1,9/29/2006,P/R,092906PR,,8200.050,-85.22",
          "1,9/29/2006,P/R,092906PR,,8200.090,-27.34",
          "Imported,,,,,,",
      })};
  t[50] = {  // "NetSuite"
      Show({"chkLoc"}),
      IfChecked({"chkLoc"}, {showDelimiter}, {hideDelimiter}),
      Samples({
          "Account,Debit,Credit,Memo,Entity,Class,Department,Location",
      })};
  t[52] = {  // "Northstar"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "120106,00-10000,10.0,Cash",
          "120106,00-10010,-10.0,Cash-II",
          "120106,00-10000,20.0,Cash",
          "120106,00-10010,-20.0,Cash-II",
      })};
  t[53] = {  // "NuVision": the option pair chooses the accrual or the regular journal
      Hide({"lblOptions"}), Hide({"Summarized", "Details"}),
      Caption("Summarized", "Accrual"), Caption("Details", "Regular"),
      Show({"Summarized", "Details"}), Show({"lblMSG"}),
      Samples({
          "Jrnl Temp Name,Jrnal Batch Name,Line Number,Account,ACCOUNT NO.,DESCRIPTION,POSTING DATE,Document,Document No.,AMOUNT,Depart Dime,Region,Sales Rep.,DIMENSION 4",
          "GENERAL,PAYROLL,730000,G/L ACCOUNT,611100,Regular Earnings,5/6/2010,5/6/2010,UP050610PR,43001.15,1114,XXX,XXX",
      })};
  t[54] = {  // "Oracle"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "2994,20080611,,,,01,6241,3015,05,000000,00000,0000,452.53,.00,.00",
          "2994,20080611,,,,01,6242,3015,05,000000,00000,0000,562.01,.00,.00",
          "2994,20080611,,,,01,6202,3015,05,000000,00000,0000,34131.75,.00,.00",
          "2994,20080611,,,,01,6202,3015,05,000000,00000,0000,.00,34131.75,.00",
          "2994,20080611,,,,01,6203,3015,05,000000,00000,0000,3977.81,.00,.00",
          "2994,20080611,,,,01,6203,3015,05,000000,00000,0000,.00,3977.81,.00",
      })};
  t[55] = {  // "Oracle Fringe": the facility box holds the segment, the overhead box the rate
      HideOptions(),
      Caption("lblMSG", ""), Caption("lblFacility", "4-Digit Futr2 #"), SetText("txtFacility", "0000"),
      Caption("lblOverhead", "Fringe Benefit%"),
      Show({"lblMSG", "lblFacility", "txtFacility", "lblOverhead", "txtOverhead"}),
      Samples({
          "01,6299,1200,01,000000,00000     ,0000,4313.46,.00",
          "01,6299,1225,01,000000,00000     ,0000,9322.37,.00",
          "01,6299,1290,01,000000,00000     ,0000,1871.27,.00",
          "01,6299,3015,05,000000,00000,0000,0.00,15507.10",
      })};
  t[56] = {  // "Orion"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "0009,12,0372,2340                ,,,0000000000.00,-0000002588.40 ",
          "0010,12,0373,2440                ,,,0000000000.00,-0000000955.64",
          "0011,12,0374,5000-104            ,,,0000005500.00,0000000000.00",
          "0012,12,0375,5000-105            ,,,0000008010.00,0000000000.00",
      })};
  t[57] = {  // "Pathlinks"
      HideOptions(), Show({"chkJobCode"}), Caption("chkJobCode", "Use Entity?"),
      IfChecked({"chkJobCode"}, {Show({"lblDelim", "txtDelim"})}),
      Samples({
          "QUOR080116  01/16/2008  Payroll-09/28/2007  00100   222080000   0   0   .00 469.21",
          "QUOR080116  01/16/2008  Payroll-09/28/2007  00100   222090000   0   0   .00 56.15",
          "QUOR080116  01/16/2008  Payroll-09/28/2007  00100   414000000   0   0   6126.26 .00",
          "QUOR080116  01/16/2008  Payroll-09/28/2007  00100   414500000   0   0   2730.97 .00",
      })};
  t[58] = {  // "PeachTree": its sample lines come first
      Samples({
          PeachTreeSample("10001", " 1401.42", "1,1,7"),
          PeachTreeSample("10099", "-7355.72", "1,1,6"),
          PeachTreeSample("10099", "-6780.26", "1,1,2"),
          PeachTreeSample("10099", "-826.25", "1,1,11"),
          PeachTreeSample("10099", "-1370.03", "1,1,10"),
          PeachTreeSample("10099", "-922.83", "1,1,7"),
      }),
      Caption("labCoNum", "CoNum/Filename"), HideOptions(),
      Show({"lblDateFormat", "rdoYY", "rdoYYYY", "chkJobCode"}),
      IfChecked({"chkJobCode"},
                {Show({"lblDelim", "txtDelim", "chkOverhead"}),
                 IfChecked({"chkOverhead"}, {Show({"lblOverhead", "txtOverhead"})},
                           {Hide({"lblOverhead", "txtOverhead"})})}),
      Check("chkCSV", 0), Show({"chkCSV"}), Show({"chkNames"}), Caption("chkNames", "Parse Desc?")};
  t[60] = {  // "Platinum"
      Samples({
          "ACCT,/T:P01/D:01/07/03,JRNL,DESC",
          "10001,1401.42,Dv:1 Br:1 Dp:7,Quorvanta Payroll",
          "10099,-7355.72,Dv:1 Br:1 Dp:6,Quorvanta Payroll",
          "10099,-6780.26,Dv:1 Br:1 Dp:2,Quorvanta Payroll",
          "10099,-826.25,Dv:1 Br:1 Dp:11,Quorvanta Payroll",
      })};
  t[61] = {  // "Plumas Bank": fixed 100-character records
      HideOptions(),
      Samples({
          Line({"FH", vb::Space(3), "200605010915P", kSampleOriginatorId, "PAYROLL GL", vb::Space(10), "PAYROLL GL",
                vb::Space(41), "."}),
          PlumasDetailSample("7745089", "20060428D00000574.54"),
          PlumasDetailSample("7161001", "20060428C00000962.65"),
          Line({"TS   0001790000794801.120001470000397400.560000320000397400.56", vb::Space(37), "."}),
      })};
  t[62] = {  // "Produce Pro"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "20090522,200904,,10650000,1,0,-250247.93",
          "20090522,200904,,14050000,1,0,14029.59",
          "20090522,200904,,19800000,1,0,-806.81",
          "20090522,200904,,20900000,1,0,-13144.14",
      })};
  t[63] = {  // "QuickBooks"
      showClearFlag, Show({"chkClass"}),
      IfChecked({"chkClass"}, {showDelimiter}),
      Samples({
          "!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS",
          "!SPL    TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS",
          "!ENDTRNS",
          "TRNS    215027  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y   2150    Div: Br: Dept:  Payroll from Quorvanta   101",
          "TRNS    215028  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10205            1985           09/06/01    Y   2150    Div:1 Br:1 Dept:10  Payroll from Quorvanta   101",
          "TRNS    215029  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10213            146.77         09/06/01    Y   2150    Div:1 Br:1 Dept:10  Payroll from Quorvanta   101",
          "TRNS    215030  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12002           -60.62          09/06/01    Y   2150    Div:1 Br:1 Dept:6   Payroll from Quorvanta   101",
          "TRNS    215032  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12002           -78.54          09/06/01    Y   2150    Div:1 Br:1 Dept:2   Payroll from Quorvanta   101",
          "TRNS    215033  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12003           -10             09/06/01    Y   2150    Div:1 Br:1 Dept:5   Payroll from Quorvanta   101",
          "TRNS    215034  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12003           -104            09/06/01    Y   2150    Div:1 Br:1 Dept:6   Payroll from Quorvanta   101",
          "ENDTRNS",
      })};
  t[64] = {  // "QuickBooks (csv)"
      Pattern("*.csv;*.txt"), Show({"chkCSV"}), Check("chkCSV", 1), Show({"chkClass", "chkNames"}),
      IfChecked({"chkClass", "chkNames"}, {showDelimiter}),
      Samples({
          "QuickBooks CSV",
      })};
  t[65] = {  // "QuickBooks(csv I/O)": checking the box runs its handler, which
             // clears "assign Class?" and shows the delimiter
      Caption("chkNames", "Parse Dept?"), Check("chkNames", 1), Show({"chkNames"}), Show({"lblMSG"}),
      IfChecked({"chkNames"}, {showDelimiter}),
      Samples({
          "QuickBooks CSV Input/Output",
      })};
  t[66] = {  // "QuickBooks 2004": class and locations exclude each other
      showClearFlag, Show({"chkClass"}),
      Caption("chkNames", "parse locations?"), Show({"chkNames"}),
      IfChecked({"chkClass"}, {Hide({"chkNames"}), showDelimiter}),
      IfChecked({"chkNames"}, {Hide({"chkClass"}), showDelimiter}),
      Caption("chk13pd", "Use Pd End Date?"), Check("chk13pd", 1), Show({"chk13pd"}),
      Show({"txtJourRef", "lblJourRef"}), Caption("lblJourRef", "EIN"),
      interchangeSamples};
  t[67] = {  // "QuickBooks 2006": clearing "assign Class?" runs its handler
             // before "parse Customer?" is shown, so that one always shows
      Show({"lblMSG"}), HideOptions(), showClearFlag,
      Check("chkClass", 0), Hide({"chkClass"}),
      Show({"chkSumClass"}), Caption("chkSumClass", "parse Customer?"),
      Caption("chkLoc", "parse Type?"), Show({"chkLoc"}),
      Caption("chkNames", "parse Location?"), Show({"chkNames"}),
      Show({"chk13pd"}), Caption("chk13pd", "Trim Account"),
      IfChecked({"chkLoc"}, {Hide({"chkNames"})}, {Show({"chkNames"})}),
      IfChecked({"chkNames"}, {Hide({"chkLoc"})}, {Show({"chkLoc"})}),
      IfChecked({"chkLoc", "chkNames"}, {showDelimiter}, {hideDelimiter}),
      interchangeSamples};
  t[68] = {  // "QuickBooks PerfPay"
      Pattern("*.csv;*.txt"),
      Caption("chkNames", "Parse JOB?"), Show({"chkNames"}),
      Caption("chkLoc", "Parse CLASS?"), Show({"chkLoc"}),
      showDelimiter,
      Samples({
          "QuickBooks CSV",
          "!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
          "!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME",
          "!ENDTRNS",
          "TRNS,GENERAL JOURNAL,02/15/12,,,,,,0,",
          "SPL,GENERAL JOURNAL,02/15/12,,,5000,-42.86,HH666",
          "SPL,GENERAL JOURNAL,02/15/12,,,5000,-199.3,RB667",
          "SPL,GENERAL JOURNAL,02/15/12,,,2125,477.14,",
          "ENDTRNS",
      })};
  t[69] = {  // "Real World (Passport)": the option pair chooses the input's format
      Caption("Summarized", "CSV"), Caption("Details", "ASCII"),
      Caption("lblMSG", "Choose input file format"), Show({"lblMSG"}),
      Caption("lblSetClearFlag", "Use Headers?"), Show({"lblSetClearFlag"}),
      Select("rdoClrY"), Show({"rdoClrY", "rdoClrN"}),
      Samples({
          "   0000000000000000100000000000000020030502       00000000000000000   2003050210391500000010500000-PAYROLL   Payroll Week 1                                N0 N",
          "   1000000000000000500000000000000020030502       00000000000000000   2003050210391000000010500000+PAYROLL   Payroll Week 1                                N0 N",
      })};
  t[70] = {  // "Reynolds & Reynolds": 83-character lines
      HideOptions(), Show({"lblMSG"}),
      Samples({
          Line({"            236   202012/28/2004", vb::Space(25), "        15.55", vb::Space(13)}),
          Line({"           2042   202012/28/2004", vb::Space(25), "       -15.55", vb::Space(13)}),
          Line({vb::Space(32), "End of File", vb::Space(14), "         2.00", vb::Space(13)}),
          Line({vb::Space(32), "Total debit amount", vb::Space(7), "        15.55", vb::Space(13)}),
          Line({vb::Space(32), "Total credit amount", vb::Space(6), "       -15.55", vb::Space(13)}),
      })};
  t[72] = {  // "Sage BusinessWorks Gold": checking the box runs its handler,
             // which shows the delimiter this package does not use
      Check("chkNames", 1), Caption("chkNames", "Alt Format?"), Show({"chkNames"}),
      Hide({"lblDelim", "txtDelim"}),
      Samples({
          "******REGULAR FORMAT********",
          "1  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:7,10001       , 1401.42",
          "2  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:6,10099       ,-7355.72",
          "******ALTERNATE FORMAT********",
          R"(1,09/06/01,GEN,"PR","WE20010906",10001,1401.42)",
          R"(1,09/06/01,GEN,"PR","WE20010906",10099,-7355.72)",
      })};
  t[74] = {  // "SAP"
      Pattern("*.txt"), HideOptions(),
      Samples({
          "N082+,10272006,,,, Debit,80.00,2240.00,",
          "N082+,10272006,,,, Debit,80.00,2960.00,",
      })};
  t[78] = {  // "SAP Rev. 1.0"
      Pattern("*.txt"),
      Samples({
          "H   0100    Payroll Expense     7/17/2010   7/17/2010   USD",
          "I   50  113010  35158.37    /   Quorvanta Payroll",
          "I   50  215020  22124.79    /   Quorvanta Payroll",
          "I   40  611000  10989.64    321000      Quorvanta Payroll",
          "I   50  615200  55.24   500100      Quorvanta Payroll   ",
      })};
  t[79] = {  // "SC"
      Pattern("*.txt"), HideOptions(),
      Samples({
          "GL Acct Acct Name   Project Task    Sub Acct    Ref Nbr Tran Date   Blank   Debit   Credit  Tran Desc",
          "10004   Cash - Sterling Payroll Acct            010 PR092006    9/30/2006        -       34,170.49  Sep 2006 Payroll Entry",
          "11800   Due from Employees          010 PR092006    9/30/2006        -       180.00     Sep 2006 Payroll Entry",
      })};
  t[81] = {  // "Shelby Systems"
      Show({"lblFiscMon", "txtFiscMon"}),
      Samples({
          R"("00000","00100204PR99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321000012345","-54321","")",
      })};
  t[82] = {  // "Shelby Systems 2"
      Show({"lblFiscMon", "txtFiscMon"}),
      Samples({
          R"("00000","001","002","04","PR","99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321","000012345","-54321","")",
      })};
  t[83] = {  // "Shelby v5"
      Show({"lblFiscMon", "txtFiscMon"}),
      Caption("chkNames", "Use 5 digit field 1"), Caption("chkLoc", "Use Dept as Desc."),
      Show({"chkNames", "chkLoc"}),
      Samples({
          "''0'',''00100002CN00001'',''000'',''020599'',''General Fund'','''',''000000010100'',''13500'',''6''",
          "''0'',''00100002CN00001'',''000'',''020599'',''99 Budget Fun'','''',''000000040100'',''-9500'',''Christmas Play''",
      })};
  t[84] = {  // "Solomon"
      Show({"chkCSV"}), Check("chkCSV", 1),
      Samples({
          "Level0,,PJ,N,200209,B,,,,,00815487.86",
          "Level1,611000,CR000,PR,09/30/02,Payroll,000003724.73,0,Tax Impound",
          "Level1,611000,DT102,PR,09/30/02,Payroll,000004722.14,0,ER Medicare",
      })};
  t[85] = {  // "Solomon v6"
      Samples({
          "Level0,,,,,,",
          R"(Level1,0130,1101,"",02/28/07,N,.00,33.00,Payroll)",
          R"(Level1 , 2110, 101,"PR",02/28/07, N, 9124.63, .00, Payroll)",
      })};
  t[86] = {  // "SOS": three fixed output files
      Show({"lblFacility", "txtFacility"}),
      Samples({
          "    3 output files",
          "glbatch.fil",
          "glpost1.fil",
          "glpost2.fil",
      })};
  t[87] = {  // "Sparak": 186-character records
      HideOptions(),
      Samples({
          Line({"000 000 21000300000000000082200712062007120600000005", vb::Space(80),
                "000000000000000000000100000000000000000500000000000000"}),
          Line({"100 000 50004400000000000360200712062007120600000006", vb::Space(80),
                "000000000000000000000100000000000000000600000000000000"}),
          Line({"100 149 50004400000000001040200712062007120600000029", vb::Space(80),
                "000000000000000000000100000000000000002900000000000000"}),
      })};
  t[90] = {  // "Timberline": detailed entries only
      Show({"lblOptions"}), Select("Details"),
      Samples({
          "V326,05/23/2007,,,,100,,,-114.34",
          "V326,5/23/2007,,,,230,,,-1062.39",
          "V326,5/23/2007,,,,231,,,-753.52",
          "V326,5/23/2007,,,,232,,,-426.15",
      })};
  t[92] = {  // "Turning Point"
      Samples({
          "<row >batchid=1 period=06 batchdescription=Payroll journaltype=PR batchnumber=1 batchdate=06/13/2003 batchtype= posted= postdate= cashflow= line=5 account=000 000 2105 00 description= transactiondate=04/15/2007 referencenumber= amount=-82.46 pqty= aqty=.00 project=</row>",
      })};
  t[93] = {  // "VADARR"
      Pattern("*.csv"), HideOptions(), Show({"lblMSG"}),
      Samples({
          R"("0100-122-5110-2101"    1772.72)",
          R"("0100-122-5110-2102"    796.40)",
          R"("0100-122-5110-2103"    1455.92)",
          R"("0100-122-5110-2104"    440.35)",
      })};
  t[94] = {  // "Veridian"
      HideOptions(),
      Samples({
          "GL Acct,Debit,Credit,Ref Code,Document,Description,Company",
          "000 000 2050 00,0,819.73,,,,2845",
          "000 000 2055 00,0,112839.86,,,,2845",
      })};
  t[95] = {  // "WC-GL Generator"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "6170,20071018,,,,01-65-000-70500,-0.25,7.13,10.75",
          "6170,20071018,,,,01-65-000-70910,0.00,355.97,0.00",
          "6170,20071018,,,,01-02-000-70940,0.00,47.40,0.00",
          "6170,20071018,,,,01-02-000-70940,0.00,43.50,0.00",
          "6170,20071018,,,,               ,0.00,0.00,3288.51",
      })};
  t[97] = {  // "Yardi Systems"
      Samples({
          "J,4,,,8/18/2006,6-Aug,0818PR,Payroll Transfer,993E,209.35,7005000000,,,,,0",
          "J,4,,,8/18/2006,6-Aug,0818PR,Payroll Transfer,993E,-206.96,1750993000,,,,,0",
      })};
  t[98] = {  // "Yardi csv Input"
      Show({"lblMSG"}),
      Samples({
          "J,1,,,04/13/2007,04/07,0413PR,PR NetPay DNP,ELPASEO,-1041.35,1120,,,,03/25/2007-04/07/2007,0",
          "J,1,,,04/13/2007,04/07,0413PR,PR Federal ,ELPASEO,-108.78,1120,,,,03/25/2007-04/07/2007,0",
      })};
}

}  // namespace qvl
