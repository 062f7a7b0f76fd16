// The settings file: loading it into the window, choosing and adding
// companies, and writing it back at close.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "window/company_settings.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

namespace fs = std::filesystem;
using Items = std::vector<std::string>;

// Three companies, with lines that hold none: company 0, a blank line and 00.
const std::string kThreeCompanies =
    R"("12","28","c:\in\pay12.txt","c:\out","01/31/2026","02/05/2026","-1","0","0","-1","1","03","1","-","0","1","0","1","25","0007")"
    "\r\n"
    R"("0","5","c:\in\zero.txt","","","","0","0","0","0","0","","0","","0","0","0","0","","")"
    "\r\n"
    "\r\n"
    R"("A12","67","c:\in\a12, payroll.txt","c:\out\a12","02/28/2026","","0","-1","-1","0","0","","0",";","0","1","0","0","23","")"
    "\r\n"
    R"("00","1","","","","","0","0","0","0","0","","0","","0","0","0","0","","")"
    "\r\n"
    R"(" 7 ","50","","","03/31/2026","","0","0","0","0","0","","0","/","0","0","1","0","","")"
    "\r\n";

class CompanySettingsTest : public WiredWindowTest {
 protected:
  fs::path SettingsFile() const { return c / "temp" / "QvJE_Control.csv"; }

  void WriteSettings(const std::string& bytes) {
    fs::create_directories(c / "temp");
    WriteBytes(SettingsFile(), bytes);
  }

  // The operator types into the company box and leaves it.
  void TypeCompany(const std::string& text) {
    window->cmboCoNum.SetText(text);
    window->cmboCoNum.LostFocus();
  }

  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const dialogs::ShownBox& box : boxes.Shown()) prompts.push_back(box.prompt);
    return prompts;
  }
};

TEST_F(CompanySettingsTest, LoadingAppliesTheFirstCompany) {
  fs::create_directories(c / "in");
  fs::create_directories(c / "out" / "a12");
  WriteSettings(kThreeCompanies);
  window->Load();

  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(window->Caption(), "Quorvanta Ledgerloom - v71.0");
  EXPECT_EQ(window->cmboCoNum.Items(), (Items{"12", "A12", " 7 "}));
  EXPECT_EQ(window->cmboCoNum.ListIndex(), 0);
  EXPECT_EQ(window->cmboCoNum.Text(), "12");
  EXPECT_EQ(window->PickFinPac.Text(), "GreatPlains");
  EXPECT_EQ(window->QvInputFile.Text(), "c:\\in\\pay12.txt");
  EXPECT_EQ(window->dirInput.Path(), "c:\\in");
  EXPECT_EQ(window->filInput.Path(), "c:\\in");
  EXPECT_EQ(window->QvOutputPath.Text(), "c:\\out");
  EXPECT_EQ(window->dirOutput.Path(), "c:\\out");
  // The stored period end replaces today's date.
  EXPECT_EQ(window->pdEndDate.Text(), "01/31/2026");
  EXPECT_EQ(window->txtMiscDate.Text(), "02/05/2026");
  EXPECT_TRUE(window->rdoYY.Value());
  EXPECT_FALSE(window->rdoYYYY.Value());
  EXPECT_FALSE(window->rdoClrN.Value());
  EXPECT_TRUE(window->rdoClrY.Value());
  EXPECT_EQ(window->chk13pd.Value(), 1);
  EXPECT_EQ(window->txtFiscMon.Text(), "03");
  EXPECT_EQ(window->chkJobCode.Value(), 1);
  EXPECT_EQ(window->txtDelim.Text(), "-");
  EXPECT_EQ(window->chkClass.Value(), 0);
  EXPECT_EQ(window->chkNames.Value(), 1);
  EXPECT_EQ(window->chkLoc.Value(), 0);
  EXPECT_EQ(window->chkOverhead.Value(), 1);
  EXPECT_EQ(window->txtOverhead.Text(), "25");
  EXPECT_EQ(window->txtFacility.Text(), "0007");
  // Laid out for "GreatPlains": its advice in the sample list, options shown.
  EXPECT_EQ(window->ShowSample.ListCount(), 1);
  EXPECT_TRUE(window->Summarized.Visible());
  EXPECT_FALSE(window->ShowSample.Visible());
  EXPECT_FALSE(window->cmdHideSample.Visible());
}

TEST_F(CompanySettingsTest, ChoosingACompanyAppliesItsValuesAndOnlyTheOneChosenAtCloseIsStored) {
  fs::create_directories(c / "in");
  fs::create_directories(c / "out" / "a12");
  WriteSettings(kThreeCompanies);
  window->Load();
  window->txtOverhead.SetText("99");  // company 12's, lost when another is chosen

  window->cmboCoNum.SetListIndex(1);
  EXPECT_EQ(window->PickFinPac.Text(), "QuickBooks 2006");
  EXPECT_EQ(window->QvInputFile.Text(), "c:\\in\\a12, payroll.txt");
  EXPECT_EQ(window->QvOutputPath.Text(), "c:\\out\\a12");
  EXPECT_TRUE(window->rdoYYYY.Value());
  EXPECT_TRUE(window->rdoClrN.Value());
  EXPECT_FALSE(window->rdoClrY.Value());
  EXPECT_EQ(window->txtFacility.Text(), "1");  // its own, empty, facility code
  window->txtDelim.SetText("*");  // lost too

  window->cmboCoNum.SetListIndex(2);
  EXPECT_EQ(window->PickFinPac.Text(), "NetSuite");
  EXPECT_EQ(window->QvInputFile.Text(), "");
  EXPECT_EQ(window->pdEndDate.Text(), "03/31/2026");
  EXPECT_EQ(window->chkLoc.Value(), 1);
  EXPECT_TRUE(window->txtDelim.Visible());
  EXPECT_FALSE(window->rdoYYYY.Value());
  EXPECT_FALSE(window->rdoClrN.Value());

  window->pdEndDate.SetText("04/30/2026");
  window->PickFinPac.SetListIndex(63);  // "QuickBooks"
  window->chkClass.SetValue(1);
  window->txtFacility.SetText("0042");
  window->Unload();

  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(
      ReadBytes(SettingsFile()),
      R"("12","28","c:\in\pay12.txt","c:\out","01/31/2026","02/05/2026","-1","0","0","-1","1","03","1","-","0","1","0","1","25","0007")"
      "\r\n"
      R"("A12","67","c:\in\a12, payroll.txt","c:\out\a12","02/28/2026","","0","-1","-1","0","0","","0",";","0","1","0","0","23","")"
      "\r\n"
      R"(" 7 ","63","","","04/30/2026","","0","0","0","0","0","","0","/","1","0","1","0","","0042")"
      "\r\n");
  EXPECT_FALSE(fs::exists(c / "temp" / "QvJE_Control.csv.tmp"));
}

TEST_F(CompanySettingsTest, ClosingWithNoCompanyChosenWritesTheRecordsAsRead) {
  WriteSettings(kThreeCompanies);
  window->Load();
  window->cmboCoNum.SetText("not yet a company");  // editing the box leaves no company chosen
  ASSERT_EQ(window->cmboCoNum.ListIndex(), -1);
  window->Unload();
  EXPECT_EQ(
      ReadBytes(SettingsFile()),
      R"("12","28","c:\in\pay12.txt","c:\out","01/31/2026","02/05/2026","-1","0","0","-1","1","03","1","-","0","1","0","1","25","0007")"
      "\r\n"
      R"("A12","67","c:\in\a12, payroll.txt","c:\out\a12","02/28/2026","","0","-1","-1","0","0","","0",";","0","1","0","0","23","")"
      "\r\n"
      R"(" 7 ","50","","","03/31/2026","","0","0","0","0","0","","0","/","0","0","1","0","","")"
      "\r\n");
}

TEST_F(CompanySettingsTest, TheStoredPackageIsLaidOutAfterEveryValueIsInPlace) {
  // "QuickBooks 2006" hides "parse Type?" while "parse Location?" is checked;
  // the package is selected before the check boxes are set, so only laying
  // the window out again at the end gets this right.
  WriteSettings(R"("5","67","","","","","0","0","0","0","0","","0","-","0","1","0","0","","")"
                "\r\n");
  window->Load();
  EXPECT_EQ(window->chkNames.Value(), 1);
  EXPECT_TRUE(window->chkNames.Visible());
  EXPECT_FALSE(window->chkLoc.Visible());
  EXPECT_TRUE(window->txtDelim.Visible());
}

TEST_F(CompanySettingsTest, NoSettingsFileIsReportedTodayIsThePeriodEndAndClosingWritesAnEmptyFile) {
  fs::create_directories(c / "temp");
  window->Load();
  EXPECT_EQ(Prompts(), std::vector<std::string>{
                           "No default settings file found.\r\rFile not found\r\rA new one will be created in c:\\temp"});
  EXPECT_EQ(window->pdEndDate.Text(), "12/6/2026");
  EXPECT_EQ(window->PickFinPac.ListIndex(), 0);
  EXPECT_FALSE(window->Summarized.Visible());  // entry 0's layout
  EXPECT_EQ(window->txtFacility.Text(), "1234");
  window->Unload();
  EXPECT_TRUE(fs::exists(SettingsFile()));
  EXPECT_EQ(ReadBytes(SettingsFile()), "");
}

TEST_F(CompanySettingsTest, TheDesignTextOfTheCompanyBoxBecomesACompanyWhenLeft) {
  window->Load();
  window->cmboCoNum.LostFocus();
  EXPECT_EQ(window->cmboCoNum.Items(), Items{"Company Number"});
  window->cmboCoNum.SetText("");
  window->cmboCoNum.LostFocus();
  EXPECT_EQ(window->cmboCoNum.Items(), Items{"Company Number"});
}

TEST_F(CompanySettingsTest, AnEmptySettingsFileGivesTheEmptyRecord) {
  WriteSettings("");
  window->Load();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(window->PickFinPac.ListIndex(), 0);
  EXPECT_EQ(window->QvInputFile.Text(), "");
  EXPECT_EQ(window->pdEndDate.Text(), "");
  EXPECT_EQ(window->txtMiscDate.Text(), "");
  EXPECT_EQ(window->txtFacility.Text(), "1");
  EXPECT_EQ(window->cmboCoNum.ListCount(), 0);
}

TEST_F(CompanySettingsTest, StoredValuesThatNoLongerFitAreSkipped) {
  WriteSettings(R"("1","120","nofolder.txt","c:\gone","06/30/2026","","0","0","0","0","7","","1","","0","0","0","0","","")"
                "\r\n"
                R"("2","-1","","","07/31/2026","","0","0","0","0","0","","0","","0","0","0","0","","")"
                "\r\n");
  window->Load();
  EXPECT_EQ(window->PickFinPac.ListIndex(), 0);  // entry 120 does not exist
  EXPECT_EQ(window->QvInputFile.Text(), "nofolder.txt");
  EXPECT_EQ(window->QvOutputPath.Text(), "c:\\gone");
  EXPECT_EQ(window->pdEndDate.Text(), "06/30/2026");
  EXPECT_EQ(window->chk13pd.Value(), 0);  // only 1 checks it
  EXPECT_EQ(window->chkJobCode.Value(), 1);

  window->PickFinPac.SetListIndex(58);
  window->cmboCoNum.SetListIndex(1);  // no package was chosen for it: the list keeps its entry
  EXPECT_EQ(window->PickFinPac.ListIndex(), 58);
  EXPECT_EQ(window->pdEndDate.Text(), "07/31/2026");
}

TEST_F(CompanySettingsTest, ATypedCompanyIsAddedOnceAndStoredOnlyWhenChosenAtClose) {
  WriteSettings(kThreeCompanies);
  window->Load();
  TypeCompany("55");
  EXPECT_EQ(window->cmboCoNum.ListIndex(), 3);
  EXPECT_EQ(window->pdEndDate.Text(), "");  // its empty record
  TypeCompany("56");
  TypeCompany("55");
  TypeCompany("A12");
  TypeCompany("a12");  // not the same text as A12
  EXPECT_EQ(window->cmboCoNum.Items(), (Items{"12", "A12", " 7 ", "55", "56", "a12"}));

  window->cmboCoNum.SetListIndex(4);
  window->pdEndDate.SetText("08/31/2026");
  window->Unload();
  const std::string written = ReadBytes(SettingsFile());
  EXPECT_NE(written.find(R"("56","0","","","08/31/2026")"), std::string::npos) << written;
  EXPECT_EQ(written.find("\"55\""), std::string::npos) << written;
  EXPECT_EQ(written.find("\"a12\""), std::string::npos) << written;
}

TEST_F(CompanySettingsTest, AnUnreadableSettingsFileIsReportedAndNeverWrittenOver) {
  fs::create_directories(SettingsFile());  // a folder where the file belongs
  window->Load();
  EXPECT_EQ(Prompts(),
            std::vector<std::string>{"The settings file c:\\temp\\QvJE_Control.csv could not be read.\r\r"
                                     "Path/File access error\r\r"
                                     "It will be left as it is, and the settings of this session will not be stored."});
  EXPECT_EQ(window->PickFinPac.ListIndex(), 0);
  TypeCompany("9");
  window->Unload();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_TRUE(fs::is_directory(SettingsFile()));
  EXPECT_TRUE(fs::is_empty(SettingsFile()));
  EXPECT_FALSE(fs::exists(c / "temp" / "QvJE_Control.csv.tmp"));
}

TEST_F(CompanySettingsTest, AFailedWriteLeavesTheOldFileAndSaysWhy) {
  WriteSettings(kThreeCompanies);
  window->Load();
  window->pdEndDate.SetText("09/30/2026");
  fs::create_directories(c / "temp" / "QvJE_Control.csv.tmp");  // the new file cannot be made
  window->Unload();
  EXPECT_EQ(Prompts(), std::vector<std::string>{"Unable to store QvJE_Control Information.Permission denied"});
  EXPECT_EQ(boxes.Shown()[0].title, "QvLedgerloom");
  EXPECT_EQ(ReadBytes(SettingsFile()), kThreeCompanies);
  EXPECT_TRUE(fs::is_directory(c / "temp" / "QvJE_Control.csv.tmp"));
}

TEST_F(CompanySettingsTest, NoFolderForTheSettingsFile) {
  WriteBytes(c / "temp", "a file where the folder belongs");
  window->Load();
  TypeCompany("3");
  window->Unload();
  EXPECT_EQ(Prompts(),
            (std::vector<std::string>{
                "No default settings file found.\r\rPath not found\r\rA new one will be created in c:\\temp",
                "Unable to store QvJE_Control Information.Path not found"}));
  EXPECT_EQ(ReadBytes(c / "temp"), "a file where the folder belongs");
}

}  // namespace
}  // namespace qvl::test
