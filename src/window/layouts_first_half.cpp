// The built-in layouts of package list entries 0 to 40 and 42. Each layout
// runs after the list's reset; where several steps touch the same control,
// their order is the order in which the window must see them.
#include "platform/vb/text.h"
#include "window/layouts.h"

namespace qvl {

using namespace layout;

void AddLayoutsFirstHalf(LayoutTable& t) {
  // The company box shows "Batch#" and the journal reference is the batch's.
  const Layout blackbaud = {HideOptions(), Caption("labCoNum", "Batch#"), Show({"lblJourRef", "txtJourRef"})};

  t[0] = {  // "AccPac AdvSeries CE v5.2"
      HideOptions(),
      Samples({
          "RECTYPE,BATCHID,BTCHENTRY,SRCELEDGER,SRCETYPE,FSCSYR,FSCSPERD,JRNLDESC,,,",
          "RECTYPE,BATCHNBR,JOURNALID,TRANSNBR,ACCTID,TRANSAMT,TRANSREF,TRANSDATE,SRCELDGR,SRCETYPE,COMMENT",
          "1,1,1,GL,JE,2004,1,Monthly History,,,",
          "2,1,1,20,1024000,-203.48,Monthly History,20040131,GL,JE, ",
          "2,1,1,40,1110000,-38714.4,Monthly History,20040131,GL,JE, ",
      })};
  t[1] = {  // "AccPac (new)"
      Samples({
          R"(9,1,10,"8-0101-100400","    -311507.96","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
          R"(9,1,20,"8-0101-150300","       5950.56","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
          R"(9,1,30,"8-0101-366300","          31.2","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
          R"(9,1,40,"8-0501-750300","     -27387.75","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
          R"(9,1,50,"8-0501-750400","     -29114.16","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
          R"(9,1,60,"8-0501-750500","      -7909.04","SP","USD","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE","")",
      })};
  t[2] = {  // "AccPac (old)"
      Samples({
          R"(2,9,1,10,"8-0101-100400","    -311507.96"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
          R"(2,9,1,20,"8-0101-150300","       5950.56"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
          R"(2,9,1,30,"8-0101-366300","          31.2"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
          R"(2,9,1,40,"8-0501-750300","     -27387.75"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
          R"(2,9,1,50,"8-0501-750400","     -29114.16"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
          R"(2,9,1,60,"8-0501-750500","      -7909.04"," 2","SP","USD","1","RES. SALARIES February, 2002","NG-2002-02","02/07/02","GL","JE")",
      })};
  t[4] = {  // "AccPac Draymor"
      HideOptions(),
      Samples({
          "Journal_Header",
          "BATCHID BTCHENTRY   SRCELEDGER  SRCETYPE    JRNLDESC    JRNLDR  JRNLCR  DATEENTRY   SRCDESC",
          "001303  00001   GL  JE  Payroll Feb 3, 06   28105.85    28105.85    2/3/2006    G/L Journal Entry",
          "Journal_Details",
          "BATCHNBR    JOURNALID   TRANSNBR    ACCTID  COMPANYID   TRANSAMT",
          "001303  00001   0000000020  2050        13523.07",
          "001303  00001   0000000040  2050        -13523.07",
      })};
  t[7] = {  // "ADP/GL"
      HideOptions(),
      Samples({
          "BD00000016870AT1410.1                        PAY INTERFACE OF: 080103080103",
          "GC00000829226AT200                           PAY INTERFACE OF: 080103080103",
          "BD00000041345AT5010.1                        PAY INTERFACE OF: 080103080103",
          "GD00000147965AT522                           PAY INTERFACE OF: 080103080103",
          "                                             TO BALANCE        000000000000",
      })};
  t[8] = t[7];  // "ADP/KVS": as "ADP/GL" but for the balancing line
  t[8].back().lines.back() = "                                             TO BALANCE        080103080103";
  t[9] = {  // "AI5"
      Samples({
          "",
      })};
  t[10] = {  // "AIMsi"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "        GL Code    Location    Tax    Journal    Dept Code    Ref #      cacctdesc    DR         CR",
          "        101-3      1           1      PR         0            PR 05-29                1,000.00",
          "        101-3      1           1      PR         0            PR 05-29                           2,000.00",
          "        700-11     2           1      PR         9            PR 05-29                3,000.00   4,000.00",
      })};
  t[12] = blackbaud;  // "Blackbaud"
  t[12].push_back(
      Samples({
          "Batch #,Account #,Date,Amount,Journal,Journal Ref,Type",
          "6170,01-11110-0000,11/30/2007,541.07,Payroll,Zedirira,Credit",
          "6170,01-11110-0000,11/30/2007,726.20,Payroll,Zedirira,Debit",
          "6170,01-11110-0000,11/30/2007,1296.25,Payroll,Zedirira,Credit",
      }));
  t[13] = blackbaud;  // "Blackbaud v7.60"
  t[13].push_back(Show({"lblMSG"}));
  t[13].push_back(
      Samples({
          "Account number,Post date,Encumbrance status,Type,Amount,Journal,Journal reference,Transaction distribution Project ID,Transaction distribution Endowments",
          "01-10005-000,05/02/2008,R,C,139163.52,PR,Payroll,0000",
          "01-11580-000,05/02/2008,R,C,288.23,PR,Payroll,0000",
          "01-13501-000,05/02/2008,R,D,952.10,PR,Payroll,0050",
      }));
  t[15] = {  // "BMSI"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "PAYRLL          102 030 405 060R                      10/18/07                10/18/07000034668004D",
          "PAYRLL          708 090 XXX 000R                      10/18/07                10/18/07000005564086C",
          "PAYRLL          123 456 789 XXXR                      10/18/07                10/18/07000007276090D",
      })};
  t[17] = {  // "CertiPay Advantage": each line opens a quote it never closes
      HideOptions(),
      Samples({
          R"("10-6170-000,100.00,07-15-02,1,Comp,Div,Dept)",
          R"("10-1000-000,-100.00,07-15-02,2,Comp,Div,Dept)",
      })};
  t[18] = {  // "ClubSelect"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          R"("000","000","1061","000","09","7","5","100","09/17/04","Payroll Entry","M/J/WeeklyPrEntry","22")",
          R"("000","000","2050","000","09","7","5","100","09/17/04","Payroll Entry","M/J/WeeklyPrEntry","-770.02")",
          R"("000","000","2055","000","09","7","5","100","09/17/04","Payroll Entry","M/J/WeeklyPrEntry","-111005.21")",
      })};
  t[19] = {  // "CMS"
      HideOptions(),
      Samples({
          "H;4/24/2009;PR;Quorvanta Payroll;",
          "D;000002103.00;;C;99.62;",
          "D;000002105.00;;C;82.46;",
          "D;100005000.00;;D;360.00;",
          "D;100005000.00;;D;17672.95",
      })};
  t[20] = {  // "CSA": the description is padded inside its quotes
      HideOptions(), Show({"chk13pd"}),
      Samples({
          Line({R"("PD13  ","053105","","200        ",")", vb::PadRight("Imported from Quorvanta", 110),
                R"(","-918.21")"}),
          Line({R"("PD13  ","053105","","210        ",")", vb::PadRight("Imported from Quorvanta", 110),
                R"(","164.78")"}),
      })};
  t[21] = {  // "Epicor"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "12002000000000000   0   -1443921.82     April Payroll   NET PAY EMP CHECKS  71",
          "60120215812000000   0   -184.64         April Payroll   AUTO REIMBURSMENT   401",
          "60120224311000000   138.48   0          April Payroll   AUTO REIMBURSMENT   31",
      })};
  t[23] = {  // "Falcon"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "3000    429.00  0806    Payroll 08/18/06    177.07",
          "3000    429.00  0806    Payroll 08/18/06    43.65",
          "1000    222.00  0806    Payroll 08/18/06    -5259.27",
      })};
  t[24] = {  // "Financial Edge"
      HideOptions(),
      Samples({
          "Account number,Post date,Type,Amount,Journal Reference,Journal,Encumbrance status",
          "01-2000-00,2/14/2007,Debit,50.00,Payroll,Payroll, Regular",
      })};
  t[25] = {  // "Fiserv Freedom FFS"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "7108101000,00,1000,000000,00,08202004,06172004,745438,PAYROLL   ,To record 6/17/2004 Payroll ,GEN   ,ACCTG   , ",
      })};
  t[26] = {  // "Fiserv IF3": the company box holds the bank's routing number; the
             // second line's bank account shows no client's own account
      HideOptions(), Caption("labCoNum", "9 digit ABA#"),
      Samples({
          "HEADER  01/20/06 987654321",
          "0000000000000000          40000055392020120060            00   0      Payroll from Quorvanta",
          "0000000051010001          50000009000010120060            00   0      Payroll from Quorvanta",
          "TRAILER 000026000005672576000006000005672576",
      })};
  t[27] = {  // "FTI"
      Pattern("*.csv"), HideOptions(), Show({"lblMSG"}),
      Samples({
          "328B,20080919,,,,222000,0.00,77724.74,77724.74",
          "328B,20080919,,,,222000,0.00,77724.74,77724.74",
          "328B,20080919,,,,222400,0.00,792.31,36865.42",
          "328B,20080919,,,,226500,0.00,0.00,255075.83",
          "328B,20080919,,,,400000 -001,550.75,6730.77,0.00",
      })};
  t[28] = {  // "GreatPlains": no journal is written, the options stay
      Samples({
          "Use Integration Assistant or Integration Manager provided by GreatPlains.",
      })};
  t[30] = {  // "GP Payroll Connect": clearing "description field?" also clears
             // "extended date?" (the check box's own handler)
      Pattern("*.csv;*.txt"), HideOptions(),
      Caption("chkNames", "description field?"), Check("chkNames", 0),
      Caption("chkLoc", "extended date?"), Check("chkLoc", 0),
      Show({"chkNames", "chkLoc", "lblMSG"}),
      Samples({
          R"("9AL01","00011100000","PR","03062","462.08","","DISBURSEMENT TAXES","","","")",
          R"("9AL01","00012300000","PR","03062","-137.37","","LOANS","","","")",
      })};
  t[32] = {  // "Intuit Fundware"
      HideOptions(), Caption("labCoNum", "Division"),
      Samples({
          "DIV=33||||||",
          "1|PAYRL|07282004||||",
          "4|00-00-00-1104|NET PAY EMP CHECKS||||162535.43-",
          "4|00-00-00-1203|ACCOUNTS RECEIVABLES||||176.21-",
          R"(4|00-00-00-1251|TRAVEL\PAYROLL ADVANCES||||11045.00-)",
      })};
  t[34] = {  // "JD Edwards"
      Samples({
          "Account Number,Amount,Account Description,Subledger,Subledger Type,Subledger Description,Remark,Purchase Order,Purchase Order Suffix,Unit of Measure,Units,Reference,Phase,Pay Item,Asset Number,Posted Code,Check Date,Service/Tax Date,Company,JE Line Number,Line Extension,G/L Date,R V,B C,DOI Sub",
          "10001          , 700,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 131,,09/06/2001,,,0",
          "10001          , 600,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 132,,09/06/2001,,,0",
          "10001          , 41.06,,,,,,,,,0,,,,,P,09/06/2001,09/06/2001,00001, 133,,09/06/2001,,,0",
      })};
  t[35] = {  // "Jonas": detailed entries only
      Select("Details"),
      Samples({
          "1   0   3002        6/30/2003   54948.72    P/R June payroll",
          "1   0   2043        6/30/2003   23000   P/R June payroll",
          "1   0   3006        6/30/2003   982.5   P/R June payroll",
      })};
  t[36] = {  // "JURIS": the last value's closing quote is missing, as the package shows it
      Samples({
          R"("1111","04/02/2004","LEGALPOINT","PR048",1,"0480402",-72.26,"N","N","Summary Posting)",
          R"("1501","04/02/2004","LEGALPOINT","PR048",2,"0480402",72.26,"N","N","Summary Posting)",
      })};
  t[37] = {  // "Keane Accounting"
      HideOptions(), Caption("lblFacility", "Facility Number"), Show({"lblFacility", "txtFacility"}),
      Samples({
          R"("1100105" 6930.11 "C" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")",
          R"("2165100" 642.50 "D" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")",
          R"("2165550" 5868.38 "D" "Payroll JE               " "RAINT" 200902 04/24/2009 0 "001" "D")",
      })};
  t[38] = {  // "LASR"
      HideOptions(), Show({"lblMSG"}),
      Samples({
          "ACCOUNT NUMBER  AMOUNT",
          "000 000 2050 00  -819.73",
          "000 000 2055 00  -112839.86",
          "000 000 2102 00  -483.94",
      })};
  t[39] = {  // "MAPICS XA6.0"
      HideOptions(),
      Samples({
          "GJ0108/05/04  08/01/04               2001300         7.48        2001300      2999.82080504",
          "GJ0108/05/04  08/01/04               2001700       538.51                            080504",
          "GJ0108/05/04  08/01/04                                           2005020        34.77080504",
      })};
  t[40] = {  // "MAS90 v3.2"
      Samples({
          "333300000                              07/01/02PR0805001PRMONTHLY PAYROLL JULY                    0000000068.49",
          "100200000                              07/01/02PR0805002PRMONTHLY PAYROLL JULY                    -000164642.93",
          "108300000                              07/01/02PR0805003PRMONTHLY PAYROLL JULY                    -000000043.50",
          "202000000                              07/01/02PR0805004PRMONTHLY PAYROLL JULY                    -000020174.85",
      })};
  t[42] = {  // "MAS90 v4.2"
      Show({"lblMSG"}),
      Samples({
          R"("50110-01","20080418","ZY","75301","Y","8054.13",""","11111-01","PAYROLL")",
          R"("50110-01","20080418","ZY","75301","Y","691.92","","11111-01","PAYROLL")",
      })};
}

}  // namespace qvl
