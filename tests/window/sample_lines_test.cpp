// The sample lines the window shows for every package, line by line and
// character by character: the operator reads them to learn what the
// package's journal looks like, so a dropped comma or blank is a fault.
// Where a line holds a bank's own identifier, only its parts are fixed.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/packages.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

std::string PadTo(std::string_view text, std::size_t width) {
  std::string padded(text);
  padded.resize(width < padded.size() ? padded.size() : width, ' ');
  return padded;
}

// Values each between double quotes, separated by commas.
std::string QuotedValues(std::initializer_list<std::string_view> values) {
  std::string line;
  for (std::string_view value : values) {
    if (!line.empty()) line += ',';
    line += '"';
    line += value;
    line += '"';
  }
  return line;
}

// One piece of a sample line given by its parts.
struct Part {
  enum Kind { Text, Digits, Quoted } kind;
  std::string text;
  std::size_t width = 0;
};
Part Text(std::string text) { return {Part::Text, std::move(text), 0}; }
Part Digits(std::size_t width) { return {Part::Digits, {}, width}; }
Part AnyQuoted() { return {Part::Quoted, {}, 0}; }

// A sample line: its exact text, or the pattern of its parts.
struct Sample {
  Sample(const char* line) : text(line), exact(true) {}
  Sample(std::string line) : text(std::move(line)), exact(true) {}
  Sample(std::initializer_list<Part> parts) : exact(false) {
    for (const Part& part : parts) {
      switch (part.kind) {
        case Part::Text:
          for (char c : part.text) {
            if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
            pattern += c;
          }
          text += part.text;
          break;
        case Part::Digits:
          pattern += "[0-9]{" + std::to_string(part.width) + "}";
          text += "<" + std::to_string(part.width) + " digits>";
          break;
        case Part::Quoted:
          pattern += "\"[^\"]+\"";
          text += "<a quoted value>";
          break;
      }
    }
  }
  bool Matches(const std::string& line) const {
    return exact ? line == text : std::regex_match(line, std::regex(pattern));
  }
  std::string text;  // the exact text, or the parts spelled out
  std::string pattern;
  bool exact;
};

using Samples = std::vector<Sample>;

// "AccPac (new)" and "AccPac (old)": the lines after the first differ only
// in the entry number, the account and the amount.
std::string AccPacNew(int entry, std::string_view account, std::string_view amount) {
  return "9,1," + std::to_string(entry) + "," + QuotedValues({account, amount, "SP", "USD", "RES. SALARIES February, 2002",
                                                                 "NG-2002-02", "02/07/02", "GL", "JE", ""});
}
std::string AccPacOld(int entry, std::string_view account, std::string_view amount) {
  return "2,9,1," + std::to_string(entry) + "," +
         QuotedValues({account, amount, " 2", "SP", "USD", "1", "RES. SALARIES February, 2002", "NG-2002-02", "02/07/02",
                       "GL", "JE"});
}

// "PeachTree": the account in 15 characters, 160 blanks between two commas,
// the amount in 14, and the quoted job code in 20.
std::string PeachTree(std::string_view account, std::string_view amount, std::string_view jobCode) {
  return "09/06/01,Quorvanta Payroll   ,,6," + PadTo(account, 15) + "," + Blanks(160) + "," + PadTo(amount, 14) + "," +
         PadTo("\"" + std::string(jobCode) + "\"", 20) + ",,,";
}

// The built-in layouts, as the package list lays them out.
std::map<int, Samples> BuiltInSamples() {
  std::map<int, Samples> table = {
    {0, {  // "AccPac AdvSeries CE v5.2"
         R"~(RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC,,,)~",
         R"~(RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSREF,TRANSDATE,SRCELDGR,SRCETYPE,COMMENT)~",
         R"~(1,1,1,GL,JE,2004,1,Monthly History,,,)~",
         R"~(2,1,1,20,1024000,-203.48,Monthly History,20040131,GL,JE, )~",
         R"~(2,1,1,40,1110000,-38714.4,Monthly History,20040131,GL,JE, )~",
     }},
    {4, {  // "AccPac Draymor"
         R"~(Journal_Header)~",
         R"~(BATCHID BTCHENTRY   SRCELEDGER  SRCETYPE    JRNLDESC    JRNLDR  JRNLCR  DATEENTRY   SRCDESC)~",
         R"~(001303  00001   GL  JE  Payroll Feb 3, 06   28105.85    28105.85    2/3/2006    G/L Journal Entry)~",
         R"~(Journal_Details)~",
         R"~(BATCHNBR    JOURNALID   TRANSNBR    ACCTID  COMPANYID   TRANSAMT)~",
         R"~(001303  00001   0000000020  2050        13523.07)~",
         R"~(001303  00001   0000000040  2050        -13523.07)~",
     }},
    {7, {  // "ADP/GL"
         R"~(BD00000016870AT1410.1                        PAY INTERFACE OF: 080103080103)~",
         R"~(GC00000829226AT200                           PAY INTERFACE OF: 080103080103)~",
         R"~(BD00000041345AT5010.1                        PAY INTERFACE OF: 080103080103)~",
         R"~(GD00000147965AT522                           PAY INTERFACE OF: 080103080103)~",
         R"~(                                             TO BALANCE        000000000000)~",
     }},
    {10, {  // "AIMsi"
         R"~(        GL Code    Location    Tax    Journal    Dept Code    Ref #      cacctdesc    DR         CR)~",
         R"~(        101-3      1           1      PR         0            PR 05-29                1,000.00)~",
         R"~(        101-3      1           1      PR         0            PR 05-29                           2,000.00)~",
         R"~(        700-11     2           1      PR         9            PR 05-29                3,000.00   4,000.00)~",
     }},
    {12, {  // "Blackbaud"
         R"~(Batch #,Account #,Date,Amount,Journal,Journal Ref,Type)~",
         R"~(6170,01-11110-0000,11/30/2007,541.07,Payroll,Zedirira,Credit)~",
         R"~(6170,01-11110-0000,11/30/2007,726.20,Payroll,Zedirira,Debit)~",
         R"~(6170,01-11110-0000,11/30/2007,1296.25,Payroll,Zedirira,Credit)~",
     }},
    {13, {  // "Blackbaud v7.60"
         R"~(Account number,Post date,Encumbrance status,Type,Amount,Journal,Journal reference,Transaction distribution Project ID,Transaction distribution Endowments)~",
         R"~(01-10005-000,05/02/2008,R,C,139163.52,PR,Payroll,0000)~",
         R"~(01-11580-000,05/02/2008,R,C,288.23,PR,Payroll,0000)~",
         R"~(01-13501-000,05/02/2008,R,D,952.10,PR,Payroll,0050)~",
     }},
    {15, {  // "BMSI"
         R"~(PAYRLL          102 030 405 060R                      10/18/07                10/18/07000034668004D)~",
         R"~(PAYRLL          708 090 XXX 000R                      10/18/07                10/18/07000005564086C)~",
         R"~(PAYRLL          123 456 789 XXXR                      10/18/07                10/18/07000007276090D)~",
     }},
    {19, {  // "CMS"
         R"~(H;4/24/2009;PR;Quorvanta Payroll;)~",
         R"~(D;000002103.00;;C;99.62;)~",
         R"~(D;000002105.00;;C;82.46;)~",
         R"~(D;100005000.00;;D;360.00;)~",
         R"~(D;100005000.00;;D;17672.95)~",
     }},
    {21, {  // "Epicor"
         R"~(12002000000000000   0   -1443921.82     April Payroll   NET PAY EMP CHECKS  71)~",
         R"~(60120215812000000   0   -184.64         April Payroll   AUTO REIMBURSMENT   401)~",
         R"~(60120224311000000   138.48   0          April Payroll   AUTO REIMBURSMENT   31)~",
     }},
    {23, {  // "Falcon"
         R"~(3000    429.00  0806    Payroll 08/18/06    177.07)~",
         R"~(3000    429.00  0806    Payroll 08/18/06    43.65)~",
         R"~(1000    222.00  0806    Payroll 08/18/06    -5259.27)~",
     }},
    {24, {  // "Financial Edge"
         R"~(Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status)~",
         R"~(01-2000-00,2/14/2007,Debit,50.00,Payroll,Payroll, Regular)~",
     }},
    {27, {  // "FTI"
         R"~(328B,20080919,,,,222000,0.00,77724.74,77724.74)~",
         R"~(328B,20080919,,,,222000,0.00,77724.74,77724.74)~",
         R"~(328B,20080919,,,,222400,0.00,792.31,36865.42)~",
         R"~(328B,20080919,,,,226500,0.00,0.00,255075.83)~",
         R"~(328B,20080919,,,,400000 -001,550.75,6730.77,0.00)~",
     }},
    {28, {  // "GreatPlains"
         R"~(Use Integration Assistant or Integration Manager provided by GreatPlains.)~",
     }},
    {30, {  // "GP Payroll Connect"
         R"~("9AL01","00011100000","PR","03062","462.08","","DISBURSEMENT TAXES","","","")~",
         R"~("9AL01","00012300000","PR","03062","-137.37","","LOANS","","","")~",
     }},
    {32, {  // "Intuit Fundware"
         R"~(DIV=33||||||)~",
         R"~(1|PAYRL|07282004||||)~",
         R"~(4|00-00-00-1104|NET PAY EMP CHECKS||||162535.43-)~",
         R"~(4|00-00-00-1203|ACCOUNTS RECEIVABLES||||176.21-)~",
         R"~(4|00-00-00-1251|TRAVEL\PAYROLL ADVANCES||||11045.00-)~",
     }},
    {34, {  // "JD Edwards"
         R"~(Account Number,Amount,Account Description,Subledger,Subledger Type,Subledger Description,Remark,Purchase Order,Purchase Order Suffix,Unit of Measure,Units,Reference,Phase,Pay Item,Asset Number,Posted Code,Check Date,Service/Tax Date,Company,JE Line Number,Line Extension,G/L Date,R V,B C,DOI Sub)~",
         R"~(10001          , 700,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 131,,09/06/2001,,,0)~",
         R"~(10001          , 600,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 132,,09/06/2001,,,0)~",
         R"~(10001          , 41.06,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 133,,09/06/2001,,,0)~",
     }},
    {35, {  // "Jonas"
         R"~(1   0   3002        6/30/2003   54948.72    P/R June payroll)~",
         R"~(1   0   2043        6/30/2003   23000   P/R June payroll)~",
         R"~(1   0   3006        6/30/2003   982.5   P/R June payroll)~",
     }},
    {36, {  // "JURIS"
         R"~("1111","04/02/2004","LEGALPOINT","PR048",1,"0480402",-72.26,"N","N","Summary Posting)~",
         R"~("1501","04/02/2004","LEGALPOINT","PR048",2,"0480402",72.26,"N","N","Summary Posting)~",
     }},
    {37, {  // "Keane Accounting"
         R"~("1100105" 6930.11 "C" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")~",
         R"~("2165100" 642.50 "D" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")~",
         R"~("2165550" 5868.38 "D" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")~",
     }},
    {38, {  // "LASR"
         R"~(ACCOUNT NUMBER  AMOUNT)~",
         R"~(000 000 2050 00  -819.73)~",
         R"~(000 000 2055 00  -112839.86)~",
         R"~(000 000 2102 00  -483.94)~",
     }},
    {39, {  // "MAPICS XA6.0"
         R"~(GJ0108/05/04  08/01/04               2001300         7.48        2001300      2999.82080504)~",
         R"~(GJ0108/05/04  08/01/04               2001700       538.51                            080504)~",
         R"~(GJ0108/05/04  08/01/04                                           2005020        34.77080504)~",
     }},
    {40, {  // "MAS90 v3.2"
         R"~(333300000                              07/01/02PR0805001PRMONTHLY PAYROLL JULY                    0000000068.49)~",
         R"~(100200000                              07/01/02PR0805002PRMONTHLY PAYROLL JULY                    -000164642.93)~",
         R"~(108300000                              07/01/02PR0805003PRMONTHLY PAYROLL JULY                    -000000043.50)~",
         R"~(202000000                              07/01/02PR0805004PRMONTHLY PAYROLL JULY                    -000020174.85)~",
     }},
    {41, {  // "MAS90 v4.3"
         R"~(001061000,,09/17/04,PR,1,1,PR,PR09,22.00)~",
         R"~(002050000,,09/17/04,PR,1,2,PR,PR09,-770.02)~",
         R"~(002055000,,09/17/04,PR,1,3,PR,PR09,-111005.21)~",
     }},
    {42, {  // "MAS90 v4.2"
         R"~("50110-01","20080418","ZY","75301","Y","8054.13",""","11111-01","PAYROLL")~",
         R"~("50110-01","20080418","ZY","75301","Y","691.92","","11111-01","PAYROLL")~",
     }},
    {43, {  // "MAS90 v4.x"
         R"~(8-0101-100400,,2002-02-07,PR,PR0207,00000000000001,PR,,-311507.96,Quorvanta Payroll)~",
         R"~(8-0101-150300,,2002-02-07,PR,PR0207,00000000000002,PR,,5950.56,Quorvanta Payroll)~",
     }},
    {44, {  // "MAS90 v5.0"
         R"~(20000000    PE 7-30-07  -75.30)~",
         R"~(20160000    PE 7-30-07 -28.6)~",
         R"~(51135031    PE 7-30-07  12.49)~",
         R"~(51325031    PE 7-30-07  24.63)~",
     }},
    {45, {  // "MAS90 SageBW v8.0"
         R"~(Seq #,Posting Date,Journal ID,Reference,Description,Account ID,Debit or Credit Amount)~",
         R"~(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002050.000,-0000819.73)~",
         R"~(/U,5/12/2008,2,"PR-0512","PAYROLL PPE 5/12/2008",00002055.000,-0112839.86)~",
     }},
    {47, {  // "Meditech"
         R"~(120081027         GL Transactions)~",
         R"~(05BATCHMEDITECH                         20080908GEN1001.1101.0000)~",
         R"~(06BATCHMEDITECH                 2008100320080908GEN1001.1101.0000)~",
         R"~(10222000       000007625230000007625230)~",
         R"~(99)~",
     }},
    {48, {  // "MIP"
         R"~(01-101-40001-101-101-1,Payroll,04/06/2001,CR,-1000.00)~",
         R"~(01-101-11001-101-101-1,Payroll,04/06/2001,DR,1000.00)~",
         R"~(01-101-40001-101-101-1,Payroll,04/06/2001,CR,-1000.00)~",
         R"~(01-101-11001-101-101-1,Payroll,04/06/2001,DR,1000.00)~",
     }},
    {49, {  // "MNP"
         R"~(1,9/29/2006,P/R,092906PR,,8200.050,-85.22)~",
         R"~(1,9/29/2006,P/R,092906PR,,8200.090,-27.34)~",
         R"~(Imported,,,,,,)~",
     }},
    {50, {  // "NetSuite"
         R"~(Account,Debit,Credit,Memo,Entity,Class,Department,Location)~",
     }},
    {52, {  // "Northstar"
         R"~(120106,00-10000,10.0,Cash)~",
         R"~(120106,00-10010,-10.0,Cash-II)~",
         R"~(120106,00-10000,20.0,Cash)~",
         R"~(120106,00-10010,-20.0,Cash-II)~",
     }},
    {53, {  // "NuVision"
         R"~(Jrnl Temp Name,Jrnal Batch Name,Line Number,Account,ACCOUNT NO.,DESCRIPTION,POSTING DATE,Document,Document No.,AMOUNT,Depart Dime,Region,Sales Rep.,DIMENSION 4)~",
         R"~(GENERAL,PAYROLL,730000,G/L ACCOUNT,611100,Regular Earnings,5/6/2010,5/6/2010,UP050610PR,43001.15,1114,XXX,XXX)~",
     }},
    {54, {  // "Oracle"
         R"~(2994,20080611,,,,01,6241,3015,05,000000,00000,0000,452.53,.00,.00)~",
         R"~(2994,20080611,,,,01,6242,3015,05,000000,00000,0000,562.01,.00,.00)~",
         R"~(2994,20080611,,,,01,6202,3015,05,000000,00000,0000,34131.75,.00,.00)~",
         R"~(2994,20080611,,,,01,6202,3015,05,000000,00000,0000,.00,34131.75,.00)~",
         R"~(2994,20080611,,,,01,6203,3015,05,000000,00000,0000,3977.81,.00,.00)~",
         R"~(2994,20080611,,,,01,6203,3015,05,000000,00000,0000,.00,3977.81,.00)~",
     }},
    {55, {  // "Oracle Fringe"
         R"~(01,6299,1200,01,000000,00000     ,0000,4313.46,.00)~",
         R"~(01,6299,1225,01,000000,00000     ,0000,9322.37,.00)~",
         R"~(01,6299,1290,01,000000,00000     ,0000,1871.27,.00)~",
         R"~(01,6299,3015,05,000000,00000,0000,0.00,15507.10)~",
     }},
    {56, {  // "Orion"
         R"~(0009,12,0372,2340                ,,,0000000000.00,-0000002588.40 )~",
         R"~(0010,12,0373,2440                ,,,0000000000.00,-0000000955.64)~",
         R"~(0011,12,0374,5000-104            ,,,0000005500.00,0000000000.00)~",
         R"~(0012,12,0375,5000-105            ,,,0000008010.00,0000000000.00)~",
     }},
    {57, {  // "Pathlinks"
         R"~(QUOR080116  01/16/2008  Payroll-09/28/2007  00100   222080000   0   0   .00 469.21)~",
         R"~(QUOR080116  01/16/2008  Payroll-09/28/2007  00100   222090000   0   0   .00 56.15)~",
         R"~(QUOR080116  01/16/2008  Payroll-09/28/2007  00100   414000000   0   0   6126.26 .00)~",
         R"~(QUOR080116  01/16/2008  Payroll-09/28/2007  00100   414500000   0   0   2730.97 .00)~",
     }},
    {60, {  // "Platinum"
         R"~(ACCT,/T:P01/D:01/07/03,JRNL,DESC)~",
         R"~(10001,1401.42,Dv:1 Br:1 Dp:7,Quorvanta Payroll)~",
         R"~(10099,-7355.72,Dv:1 Br:1 Dp:6,Quorvanta Payroll)~",
         R"~(10099,-6780.26,Dv:1 Br:1 Dp:2,Quorvanta Payroll)~",
         R"~(10099,-826.25,Dv:1 Br:1 Dp:11,Quorvanta Payroll)~",
     }},
    {62, {  // "Produce Pro"
         R"~(20090522,200904,,10650000,1,0,-250247.93)~",
         R"~(20090522,200904,,14050000,1,0,14029.59)~",
         R"~(20090522,200904,,19800000,1,0,-806.81)~",
         R"~(20090522,200904,,20900000,1,0,-13144.14)~",
     }},
    {63, {  // "QuickBooks"
         R"~(!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS)~",
         R"~(!SPL    TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS)~",
         R"~(!ENDTRNS)~",
         R"~(TRNS    215027  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y   2150    Div: Br: Dept:  Payroll from Quorvanta   101)~",
         R"~(TRNS    215028  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10205            1985           09/06/01    Y   2150    Div:1 Br:1 Dept:10  Payroll from Quorvanta   101)~",
         R"~(TRNS    215029  4/29/2002 10:21:47 AM   GENERAL JOURNAL 10213            146.77         09/06/01    Y   2150    Div:1 Br:1 Dept:10  Payroll from Quorvanta   101)~",
         R"~(TRNS    215030  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12002           -60.62          09/06/01    Y   2150    Div:1 Br:1 Dept:6   Payroll from Quorvanta   101)~",
         R"~(TRNS    215032  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12002           -78.54          09/06/01    Y   2150    Div:1 Br:1 Dept:2   Payroll from Quorvanta   101)~",
         R"~(TRNS    215033  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12003           -10             09/06/01    Y   2150    Div:1 Br:1 Dept:5   Payroll from Quorvanta   101)~",
         R"~(TRNS    215034  4/29/2002 10:21:47 AM   GENERAL JOURNAL 12003           -104            09/06/01    Y   2150    Div:1 Br:1 Dept:6   Payroll from Quorvanta   101)~",
         R"~(ENDTRNS)~",
     }},
    {64, {  // "QuickBooks (csv)"
         R"~(QuickBooks CSV)~",
     }},
    {65, {  // "QuickBooks(csv I/O)"
         R"~(QuickBooks CSV Input/Output)~",
     }},
    {66, {  // "QuickBooks 2004"
         R"~(!TRNS   TRNSID  TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS)~",
         R"~(!SPL    SPLID   TIMESTAMP   TRNSTYPE    ACCNT   AMOUNT  DATE    CLEAR   NAME    DOCNUM  MEMO CLASS)~",
         R"~(!ENDTRNS)~",
         R"~(TRNS    SMCL1  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10099           -6266.41        09/06/01    Y       Div: Br: Dept:  Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL2  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10205            1985           09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL3  6/14/2004 10:21:47 AM   GENERAL JOURNAL 10213            146.77         09/06/01    Y       Div:1 Br:1 Dept:10  Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL4  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -60.62          09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL5  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12002           -78.54          09/06/01    Y       Div:1 Br:1 Dept:2   Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL6  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -10             09/06/01    Y       Div:1 Br:1 Dept:5   Payroll from Quorvanta   101)~",
         R"~(SPL    SMCL7  6/14/2004 10:21:47 AM   GENERAL JOURNAL 12003           -104            09/06/01    Y       Div:1 Br:1 Dept:6   Payroll from Quorvanta   101)~",
         R"~(ENDTRNS)~",
     }},
    {68, {  // "QuickBooks PerfPay"
         R"~(QuickBooks CSV)~",
         R"~(!TRNS,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME)~",
         R"~(!SPL,TRNSTYPE,DATE,,CLASS,ACCNT,AMOUNT,NAME)~",
         R"~(!ENDTRNS)~",
         R"~(TRNS,GENERAL JOURNAL,02/15/12,,,,,,0,)~",
         R"~(SPL,GENERAL JOURNAL,02/15/12,,,5000,-42.86,HH666)~",
         R"~(SPL,GENERAL JOURNAL,02/15/12,,,5000,-199.3,RB667)~",
         R"~(SPL,GENERAL JOURNAL,02/15/12,,,2125,477.14,)~",
         R"~(ENDTRNS)~",
     }},
    {69, {  // "Real World (Passport)"
         R"~(   0000000000000000100000000000000020030502       00000000000000000   2003050210391500000010500000-PAYROLL   Payroll Week 1                                N0 N)~",
         R"~(   1000000000000000500000000000000020030502       00000000000000000   2003050210391000000010500000+PAYROLL   Payroll Week 1                                N0 N)~",
     }},
    {72, {  // "Sage BusinessWorks Gold"
         R"~(******REGULAR FORMAT********)~",
         R"~(1  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:7,10001       , 1401.42)~",
         R"~(2  ,09/06/01,13,Quorvanta ,Co:2150 Div:1 Br:1 Dept:6,10099       ,-7355.72)~",
         R"~(******ALTERNATE FORMAT********)~",
         R"~(1,09/06/01,GEN,"PR","WE20010906",10001,1401.42)~",
         R"~(1,09/06/01,GEN,"PR","WE20010906",10099,-7355.72)~",
     }},
    {74, {  // "SAP"
         R"~(N082+,10272006,,,, Debit,80.00,2240.00,)~",
         R"~(N082+,10272006,,,, Debit,80.00,2960.00,)~",
     }},
    {78, {  // "SAP Rev. 1.0"
         R"~(H   0100    Payroll Expense     7/17/2010   7/17/2010   USD)~",
         R"~(I   50  113010  35158.37    /   Quorvanta Payroll)~",
         R"~(I   50  215020  22124.79    /   Quorvanta Payroll)~",
         R"~(I   40  611000  10989.64    321000      Quorvanta Payroll)~",
         R"~(I   50  615200  55.24   500100      Quorvanta Payroll   )~",
     }},
    {79, {  // "SC"
         R"~(GL Acct Acct Name   Project Task    Sub Acct    Ref Nbr Tran Date   Blank   Debit   Credit  Tran Desc)~",
         R"~(10004   Cash - Sterling Payroll Acct            010 PR092006    9/30/2006        -       34,170.49  Sep 2006 Payroll Entry)~",
         R"~(11800   Due from Employees          010 PR092006    9/30/2006        -       180.00     Sep 2006 Payroll Entry)~",
     }},
    {81, {  // "Shelby Systems"
         R"~("00000","00100204PR99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321000012345","-54321","")~",
     }},
    {82, {  // "Shelby Systems 2"
         R"~("00000","001","002","04","PR","99998","000","072005","PAYROLL ENTRY FROM QUORVANTA","","321","000012345","-54321","")~",
     }},
    {83, {  // "Shelby v5"
         R"~(''0'',''00100002CN00001'',''000'',''020599'',''General Fund'','''',''000000010100'',''13500'',''6'')~",
         R"~(''0'',''00100002CN00001'',''000'',''020599'',''99 Budget Fun'','''',''000000040100'',''-9500'',''Christmas Play'')~",
     }},
    {84, {  // "Solomon"
         R"~(Level0,,PJ,N,200209,B,,,,,00815487.86)~",
         R"~(Level1,611000,CR000,PR,09/30/02,Payroll,000003724.73,0,Tax Impound)~",
         R"~(Level1,611000,DT102,PR,09/30/02,Payroll,000004722.14,0,ER Medicare)~",
     }},
    {86, {  // "SOS"
         R"~(    3 output files)~",
         R"~(glbatch.fil)~",
         R"~(glpost1.fil)~",
         R"~(glpost2.fil)~",
     }},
    {90, {  // "Timberline"
         R"~(V326,05/23/2007,,,,100,,,-114.34)~",
         R"~(V326,5/23/2007,,,,230,,,-1062.39)~",
         R"~(V326,5/23/2007,,,,231,,,-753.52)~",
         R"~(V326,5/23/2007,,,,232,,,-426.15)~",
     }},
    {92, {  // "Turning Point"
         R"~(<row >batchid=1 period=06 batchdescription=Payroll journaltype=PR batchnumber=1 batchdate=06/13/2003 batchtype= posted= postdate= cashflow= line=5 account=000 000 2105 00 description= transactiondate=04/15/2007 referencenumber= amount=-82.46 pqty= aqty=.00 project=</row>)~",
     }},
    {94, {  // "Veridian"
         R"~(GL Acct,Debit,Credit,Ref Code,Document,Description,Company)~",
         R"~(000 000 2050 00,0,819.73,,,,2845)~",
         R"~(000 000 2055 00,0,112839.86,,,,2845)~",
     }},
    {95, {  // "WC-GL Generator"
         R"~(6170,20071018,,,,01-65-000-70500,-0.25,7.13,10.75)~",
         R"~(6170,20071018,,,,01-65-000-70910,0.00,355.97,0.00)~",
         R"~(6170,20071018,,,,01-02-000-70940,0.00,47.40,0.00)~",
         R"~(6170,20071018,,,,01-02-000-70940,0.00,43.50,0.00)~",
         R"~(6170,20071018,,,,               ,0.00,0.00,3288.51)~",
     }},
    {97, {  // "Yardi Systems"
         R"~(J,4,,,8/18/2006,6-Aug,0818PR,Payroll Transfer,993E,209.35,7005000000,,,,,0)~",
         R"~(J,4,,,8/18/2006,6-Aug,0818PR,Payroll Transfer,993E,-206.96,1750993000,,,,,0)~",
     }},
    {98, {  // "Yardi csv Input"
         R"~(J,1,,,04/13/2007,04/07,0413PR,PR NetPay DNP,ELPASEO,-1041.35,1120,,,,03/25/2007-04/07/2007,0)~",
         R"~(J,1,,,04/13/2007,04/07,0413PR,PR Federal ,ELPASEO,-108.78,1120,,,,03/25/2007-04/07/2007,0)~",
     }},
    {1, {  // "AccPac (new)"
         R"~(9,1,10,"8-0101-100400","    -311507.96","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")~",
         AccPacNew(20, "8-0101-150300", "       5950.56"),
         AccPacNew(30, "8-0101-366300", "          31.2"),
         AccPacNew(40, "8-0501-750300", "     -27387.75"),
         AccPacNew(50, "8-0501-750400", "     -29114.16"),
         AccPacNew(60, "8-0501-750500", "      -7909.04"),
     }},
    {2, {  // "AccPac (old)"
         R"~(2,9,1,10,"8-0101-100400","    -311507.96"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")~",
         AccPacOld(20, "8-0101-150300", "       5950.56"),
         AccPacOld(30, "8-0101-366300", "          31.2"),
         AccPacOld(40, "8-0501-750300", "     -27387.75"),
         AccPacOld(50, "8-0501-750400", "     -29114.16"),
         AccPacOld(60, "8-0501-750500", "      -7909.04"),
     }},
    {8, {  // "ADP/KVS": the lines of "ADP/GL" but for the balancing line
         R"~(BD00000016870AT1410.1                        PAY INTERFACE OF: 080103080103)~",
         R"~(GC00000829226AT200                           PAY INTERFACE OF: 080103080103)~",
         R"~(BD00000041345AT5010.1                        PAY INTERFACE OF: 080103080103)~",
         R"~(GD00000147965AT522                           PAY INTERFACE OF: 080103080103)~",
         R"~(                                             TO BALANCE        080103080103)~",
     }},
    {9, {  // "AI5": one empty line
         "",
     }},
    {17, {  // "CertiPay Advantage": each line opens a quote it never closes
         R"~("10-6170-000,100.00,07-15-02,1,Comp,Div,Dept)~",
         R"~("10-1000-000,-100.00,07-15-02,2,Comp,Div,Dept)~",
     }},
    {18, {  // "ClubSelect"
         R"~("000","000","1061","000","09","7","5","100","09/17/04","Payroll Entry","M/J/WeeklyPrEntry","22")~",
         QuotedValues({"000", "000", "2050", "000", "09", "7", "5", "100", "09/17/04", "Payroll Entry", "M/J/WeeklyPrEntry", "-770.02"}),
         QuotedValues({"000", "000", "2055", "000", "09", "7", "5", "100", "09/17/04", "Payroll Entry", "M/J/WeeklyPrEntry", "-111005.21"}),
     }},
    {20, {  // "CSA": the description padded inside its quotes
         R"~("PD13  ","053105","","200        ","Imported from Quorvanta                                                                                       ","-918.21")~",
         QuotedValues({"PD13  ", "053105", "", "210        ", PadTo("Imported from Quorvanta", 110), "164.78"}),
     }},
    {25, {  // "Fiserv Freedom FFS"
         R"~(7108101000,00,1000,000000,00,08202004,06172004,745438,PAYROLL   ,To record 6/17/2004 Payroll ,GEN   ,ACCTG   , )~",
     }},
    {26, {  // "Fiserv IF3": the second line begins with the client's bank account
         R"~(HEADER  01/20/06 987654321)~",
         {Digits(16), Text("          40000055392020120060            00   0      Payroll from Quorvanta")},
         R"~(0000000051010001          50000009000010120060            00   0      Payroll from Quorvanta)~",
         R"~(TRAILER 000026000005672576000006000005672576)~",
     }},
    {58, {  // "PeachTree": 248 characters each
         R"~(09/06/01,Quorvanta Payroll   ,,6,10001          ,                                                                                                                                                                , 1401.42      ,"1,1,7"             ,,,)~",
         PeachTree("10099", "-7355.72", "1,1,6"),
         PeachTree("10099", "-6780.26", "1,1,2"),
         PeachTree("10099", "-826.25", "1,1,11"),
         PeachTree("10099", "-1370.03", "1,1,10"),
         PeachTree("10099", "-922.83", "1,1,7"),
     }},
    {61, {  // "Plumas Bank": 100 characters each, with the bank's own numbers
         {Text("FH" + Blanks(3) + "200605010915P"), Digits(10),
          Text("PAYROLL GL" + Blanks(10) + "PAYROLL GL" + Blanks(41) + ".")},
         {Text("HT" + Blanks(3) + "7745089" + Blanks(8)), Digits(9),
          Text("GLA7745089" + Blanks(10) + "20060428D00000574.54PLUMAS BANK" + Blanks(19) + ".")},
         {Text("HT" + Blanks(3) + "7161001" + Blanks(8)), Digits(9),
          Text("GLA7161001" + Blanks(10) + "20060428C00000962.65PLUMAS BANK" + Blanks(19) + ".")},
         "TS   0001790000794801.120001470000397400.560000320000397400.56" + Blanks(37) + ".",
     }},
    {70, {  // "Reynolds & Reynolds": 83 characters each
         "            236   202012/28/2004" + Blanks(25) + "        15.55" + Blanks(13),
         "           2042   202012/28/2004" + Blanks(25) + "       -15.55" + Blanks(13),
         Blanks(32) + "End of File" + Blanks(14) + "         2.00" + Blanks(13),
         Blanks(32) + "Total debit amount" + Blanks(7) + "        15.55" + Blanks(13),
         Blanks(32) + "Total credit amount" + Blanks(6) + "       -15.55" + Blanks(13),
     }},
    {85, {  // "Solomon v6"
         R"~(Level0,,,,,,)~",
         R"~(Level1,0130,1101,"",02/28/07,N,.00,33.00,Payroll)~",
         R"~(Level1 , 2110, 101,"PR",02/28/07, N, 9124.63, .00, Payroll)~",
     }},
    {87, {  // "Sparak": 186 characters each
         "000 000 21000300000000000082200712062007120600000005" + Blanks(80) +
             "000000000000000000000100000000000000000500000000000000",
         "100 000 50004400000000000360200712062007120600000006" + Blanks(80) +
             "000000000000000000000100000000000000000600000000000000",
         "100 149 50004400000000001040200712062007120600000029" + Blanks(80) +
             "000000000000000000000100000000000000002900000000000000",
     }},
    {93, {  // "VADARR": the account in quotes, four blanks, the amount
         R"~("0100-122-5110-2101"    1772.72)~",
         {AnyQuoted(), Text("    796.40")},
         {AnyQuoted(), Text("    1455.92")},
         {AnyQuoted(), Text("    440.35")},
     }},
  };
  table[67] = table[66];  // "QuickBooks 2006" shows the lines of "QuickBooks 2004"
  return table;
}

// The writer classes' own layouts.
std::map<int, Samples> ClassSamples() {
  return {
    {11, {  // "aswa"
         R"~(trans #,acct,dept,deb+/cred-)~",
         R"~(1,103000,1,-9000)~",
         R"~(2,73801,1,69261)~",
     }},
    {77, {  // "SAP (Island)"
         R"~(Doc Date,Currency,Posting Date,Ref Doc,Header Txt,GL Account,C/D indicator,Amount,Cost Center,Text)~",
         R"~(9/18/2009,USD,9/17/2009,PR September 17 2009,PAYROLL September 17 2009,113000,H,526272.93,,Payroll week ending September 13 2009)~",
         R"~(9/18/2009,USD,9/17/2009,PR September 17 2009,PAYROLL September 17 2009,141070,H,178.71,,Payroll week ending September 13 2009)~",
         R"~(9/18/2009,USD,9/17/2009,PR September 17 2009,PAYROLL September 17 2009,215080,H,638.22,,Payroll week ending September 13 2009)~",
     }},
    {3, {  // "AccPac Zelvik"
         R"~(RecType , BATCHID, BTCHENTRY, SRCELEDGER, SRCETYPE, FSCSYR, FSCSPERD, JRNLDESC)~",
         R"~(RecType , BatchNbr, JournalID, TransNbr, ACCTID, TransAmt, TRANSDESC, TransDate)~",
         R"~(1,131,1,GL,JE,2009,10,)~",
         R"~(2,131,1,20,000002050.00,-819.73,,20091005)~",
         R"~(2,131,1,40,000002055.00,-112839.86,,20091005)~",
     }},
    {31, {  // "Infinium"
         R"~(1000                                ,-5984.92,Payroll Period Ending 09/15/2009)~",
         R"~(6110                                ,191.5,Payroll Period Ending 09/15/2009)~",
         R"~(6571                                ,2590,Payroll Period Ending 09/15/2009)~",
     }},
    {71, {  // "RMS 6.10.03"
         R"~(MNL1|    2009|   10| 1006|   0|  90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    -363.86)~",
         R"~(MNL1|    2009|   10| 1010|   0|  90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    -59043.34)~",
         R"~(MNL1|    2009|   10| 2110|   13| 90| pr we 100309|   10/9/2009|  10/8/2009|  Payco 10/8/2009|    -99.43)~",
     }},
    {14, {  // "Blackbaud v7.80"
         R"~(Account Number,Debit/Credit,Amount,Post Date,Journal,Journal Reference,Batch Number)~",
         R"~(01-1001-000,Debit,500,7/1/2009,Journal Entry,Beginning Balance,1)~",
         R"~(01-1026-000,Debit,9987.46,7/1/2009,Journal Entry,Beginning Balance,1)~",
         R"~(01-1027-000,Debit,933187.98,7/1/2009,Journal Entry,Beginning Balance,1)~",
     }},
    {33, {  // "IPS"
         R"~(07-09-2009,123456,789011,149066.83,C,Payroll,Federal Reserve)~",
         R"~(07-09-2009,234567,891011,1792.02,C,Payroll,Aflac)~",
         R"~(07-09-2009,345678,901112,1961.54,C,Payroll,Non-Qual Def Comp)~",
         R"~(07-09-2009,456789,101112,8002.06,D,Payroll,401 - K)~",
     }},
    {75, {  // "SAP v2"
         R"~(HEADER/INDICATOR HEADER/DOCUMENT DATE    HEADER/POSTING DATE HEADER/HEADER TEXT  HEADER/REFERENCE DOC NUMBER HEADER/CO CODE)~",
         R"~(H   20091119    nullna  ROVA ADP PAYROLL        9-F)~",
         R"~(DETAIL/INDICATOR DETAIL/GL ACCOUNT NUMBER    DETAIL/DESCRIPTION  DETAIL/COST CENTER - DPW    DETAIL/AMOUNT   DETAIL/FILE)~",
         R"~(D    270421  Employee WH Taxes   0   -47216.79)~",
         R"~(D   270421  ER Payroll Taxes    0   -15093.52)~",
     }},
    {51, {  // "NetSuite Release 2"
         R"~(Account  Debit   Credit  Memo        Entity  Class   Department  Location)~",
         R"~(4495     31.58       0   02-18-2010 Payroll)~",
         R"~(5000     31941.69    0   02-18-2010 Payroll          ADMIN)~",
         R"~(5100     55.93       0   02-18-2010 Payroll          SALES)~",
     }},
    {96, {  // "Y-Vision"
         R"~(01-0101-0100,Jan. Payroll,Payroll recap,02/01/2010,-132.94,)~",
         R"~(01-0101-0200,Jan. Payroll,Payroll recap,02/01/2010,-17.78,)~",
         R"~(01-0101-2110,Jan. Payroll,Payroll recap,02/01/2010,7322.00,)~",
         R"~(01-0101-2115,Jan. Payroll,Payroll recap,02/01/2010,1393.71,)~",
         R"~(01-0101-2140,Jan. Payroll,Payroll recap,02/01/2010,782.80,)~",
     }},
    {59, {  // "PEM"
         R"~(*.csv)~",
         R"~("1000-00-0000-000","040910","-217862.74")~",
         R"~("2320-00-0000-000","040910","-410.96")~",
         R"~("2325-00-0000-000","040910","-13479.28")~",
         R"~("2340-00-0000-000","040910","-16290.40")~",
         R"~("2350-00-0000-000","040910","-2592.90")~",
         R"~("5005-11-1000-000","040910","15516.48")~",
     }},
    {91, {  // "Trident"
         R"~(01-1027-000,Debit,82.91,5/14/10,Journal Entry,,1)~",
         R"~(01-2401-000,Credit,7987.34,5/14/10,Journal Entry,,1)~",
         R"~(01-2402-000,Credit,5698.3,5/14/10,Journal Entry,,1)~",
         R"~(01-2403-000,Credit,3098.34,5/14/10,Journal Entry,,1)~",
     }},
    {73, {  // "SamPro"
         R"~(PERIOD ENDING DATE|12/27/2008|PAY DATE|01/02/2009)~",
         R"~(5000||0.00|913.22|Net Pay - Direct Deposits)~",
         R"~(5000-104-10|104-10|13.22|0.00|01/02/2009)~",
         R"~(5100-100-10|100-10|900.00|0.00|01/02/2009)~",
     }},
    {6, {  // "ADP"
         R"~("1","","2","01/06/2011","Quorvanta Payroll","1103","","-136636.57","","","","","","","","","")~",
         R"~("1","","2","01/06/2011","Quorvanta Payroll","5102-03","","316.25","","","","","","","","","")~",
         R"~("1","","2","01/06/2011","Quorvanta Payroll","5903-70","","29.87","","","","","","","","","")~",
     }},
    {5, {  // "Acknowledge"
         R"~(ACCKNOWLEDGE JOURNAL ENTRY)~",
         R"~(JAN-31-2008 DESCRIPTION)~",
         R"~(506 JE  2200.99 C   Detail Description)~",
         R"~(19  JE  888.99  D   Detail Description)~",
     }},
    {88, {  // "Sunderland"
         R"~(093011  -117686.72  1   01101000    09/30/2011  9   2011    GJ  PAYROLL ADP PAYROLL ENTRIES         Y               )~",
         R"~(093011  12451.00    1   04310001    09/30/2011  9   2011    GJ  PAYROLL ADP PAYROLL ENTRIES         Y               )~",
         R"~(093011  5949.52 1   04310002    09/30/2011  9   2011    GJ  PAYROLL ADP PAYROLL ENTRIES         Y               )~",
     }},
    {16, {  // "Corrand"
         R"~(GLT,380-00-00-1099.00,1/6/2012,,,CAR,Cash - 401K,0.00,633.12)~",
         R"~(GLT,380-00-00-1099.00,1/6/2012,,,CAR,Cash-ER Tax,0.00,22017.44)~",
         R"~(GLT,380-00-00-1599.00,1/6/2012,,,CAR,COmmission,324.00,0.00)~",
         R"~(GLT,380-70-72-6111.00,1/6/2012,,,CAR,Hourly Pay  ,1752.27,0.00)~",
     }},
    {29, {  // "GlobalShop"
         R"~(123456789012345 01/01/2012  99999999.99     )~",
         R"~(987654321054321 03/27/2012  5.50        )~",
         R"~(151515151515151 03/27/2012  -85.50        )~",
     }},
    {80, {  // "Seven Hills"
         R"~(GL,PR,d1,d2,Amt)~",
         R"~(25060,151200,5/10/2012,5/10/2012,-22.72)~",
         R"~(25060,301450,5/10/2012,5/10/2012,-48.17)~",
         R"~(51010,801150,5/10/2012,5/10/2012,359.70)~",
     }},
    {22, {  // "Enterprise"
         R"~(Reference Number    Reference Date  Description Period  Year    Journal ID  Reverse Entry   Account Activity ID Line Description    Debit   Credit)~",
         R"~(1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-6690-00        PR Import   1,095.46    )~",
         R"~(1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-6690-00        PR Import       712.52)~",
         R"~(1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0900-2120-01        PR Import       6,914.83)~",
         R"~(1011Nimbrel 10/31/2011  OctPR   10  2011    GL  NO  0040-6000-02        PR Import   20,077.97)~",
     }},
    {89, {  // "SyteLine"
         R"~(NUMBER  DESCRIPTION NUMBER  MAY)~",
         R"~(AJ12    Salary Payroll      )~",
         R"~(    Salary Payroll  6050-10 16,211.01 )~",
         R"~(    Salary Payroll - OT 6051-10 0.00 )~",
         R"~(    Salary Payroll  6050-20 2,269.02 )~",
         R"~(    Salary Payroll - OT 6051-20 0.00)~",
     }},
    {46, {  // "MAS500": each value between double quotes
         QuotedValues({"@HDR", "BATCH", "20091005", "Payroll Period Ending 10/5/2009         "}),
         QuotedValues({"@HDR", "JOURNAL", "JE", " "}),
         QuotedValues({PadTo("1000", 100), Blanks(40), "2009 ", "00010", "20091026", "PR", Blanks(10), "000000001", "GL ",
                       "Payroll Period Ending 10/5/2009         ", "USD", "        -5984.92", "            1.00", "USD",
                       "        -5984.92", "        0.00000000", Blanks(20), "C", "123"}),
         QuotedValues({PadTo("6110", 100), Blanks(40), "2009 ", "00010", "20091026", "PR", Blanks(10), "000000002", "GL ",
                       "Payroll Period Ending 10/5/2009         ", "USD", "         191.50", "            1.00", "USD",
                       "          191.50", "        0.00000000", Blanks(20), "D", "123"}),
         QuotedValues({"@END", "JOURNAL"}),
         QuotedValues({"@END", "BATCH"}),
     }},
    {76, {  // "SAP v7.1": each padded with blanks to 98 characters
         PadTo("FV501   115101000020    PR  1211    -12503.62   401K", 98),
         PadTo("FV501   420000205110    PR  1211    3210.07     HOURLY WAGES", 98),
         PadTo("FV501   430000203110    PR  1211    3496.35     SALARIES", 98),
         PadTo("FV501   434000205210    PR  1211    688.8       Hourly Vacation", 98),
         PadTo("FV501   115101000020    PR  1211    -12503.62   HOURLY WAGES", 98),
         PadTo("FV501   447012204010    PR  1211    374.13      ER MATCH", 98),
     }},
  };
}

class SampleLinesTest : public WiredWindowTest {
 protected:
  void SetUp() override {
    WiredWindowTest::SetUp();
    RegisterWriters(catalog);
  }

  // Every difference between the sample list of entry `index` and `expected`.
  std::string Differences(int index, const Samples& expected) {
    Choose(index);
    std::string diff;
    const int count = window->ShowSample.ListCount();
    if (count != static_cast<int>(expected.size())) {
      diff += std::to_string(count) + " lines, expected " + std::to_string(expected.size()) + "\n";
    }
    for (int i = 0; i < count && i < static_cast<int>(expected.size()); ++i) {
      const std::string line = window->ShowSample.List(i);
      const Sample& sample = expected[static_cast<std::size_t>(i)];
      if (!sample.Matches(line)) {
        diff += "line " + std::to_string(i + 1) + ":\n  shown    [" + line + "] (" + std::to_string(line.size()) +
                ")\n  expected [" + sample.text + "]" +
                (sample.exact ? " (" + std::to_string(sample.text.size()) + ")" : std::string()) + "\n";
      }
    }
    return diff;
  }

  void ExpectSamples(const std::map<int, Samples>& table) {
    for (const auto& [index, expected] : table) {
      const std::string diff = Differences(index, expected);
      EXPECT_EQ(diff, "") << window->PickFinPac.List(index) << " (" << index << ")";
    }
  }
};

TEST_F(SampleLinesTest, BuiltInLayoutsShowTheirSampleLinesExactly) {
  const std::map<int, Samples> table = BuiltInSamples();
  ASSERT_EQ(table.size(), 76u);
  ExpectSamples(table);
}

TEST_F(SampleLinesTest, WriterClassesShowTheirSampleLinesExactly) {
  const std::map<int, Samples> table = ClassSamples();
  ASSERT_EQ(table.size(), 23u);
  ExpectSamples(table);
}

// Choosing the entry fills the list whether or not it is shown; choosing it
// again, or after another entry, gives the same lines once.
TEST_F(SampleLinesTest, ChoosingAnEntryAgainShowsItsLinesOnce) {
  const std::map<int, Samples> builtIn = BuiltInSamples();
  const std::map<int, Samples> classes = ClassSamples();
  for (int index : {68, 46, 70}) {
    const Samples& expected = builtIn.count(index) ? builtIn.at(index) : classes.at(index);
    EXPECT_EQ(Differences(index, expected), "") << index;
    EXPECT_EQ(Differences(index, expected), "") << index << " chosen again";
  }
  window->cmdShowSample.Click();
  ASSERT_TRUE(window->ShowSample.Visible());
  EXPECT_EQ(Differences(65, builtIn.at(65)), "");
  EXPECT_EQ(Differences(61, builtIn.at(61)), "");
}

}  // namespace
}  // namespace qvl::test
