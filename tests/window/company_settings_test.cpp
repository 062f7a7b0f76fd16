// The settings file: values that no longer fit, the layout after loading,
// and a file that cannot be read or written, which must never cost the
// operator the settings already stored.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "window/window_fixture.h"

namespace qvl::test {
namespace {

namespace fs = std::filesystem;

const std::string kTwelve =
    R"("12","28","c:\in\pay12.txt","c:\out","01/31/2026","02/05/2026","-1","0","0","-1","1","03","1","-","0","1","0","1","25","0007")"
    "\r\n";
const std::string kSeven =
    R"(" 7 ","50","","","03/31/2026","","0","0","0","0","0","","0","/","0","0","1","0","","")"
    "\r\n";
// A line with company 0 holds no company.
const std::string kNoCompany = R"("0","5","","","","","0","0","0","0","0","","0","","0","0","0","0","","")"
                               "\r\n";

class CompanySettingsTest : public WiredWindowTest {
 protected:
  fs::path SettingsFile() const { return c / "temp" / "QvJE_Control.csv"; }

  void WriteSettings(const std::string& bytes) {
    fs::create_directories(c / "temp");
    WriteBytes(SettingsFile(), bytes);
  }

  // A window of its own for another start of the tool.
  void NewWindow() {
    window = std::make_unique<QvLedgerloom>();
    window->run.catalog = &catalog;
    WirePackageListAndSettings(*window);
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

// A line of the file with the given company number and values of its own,
// so that a line read where it should have been skipped shows in the window.
std::string LineOf(const std::string& coNum, const std::string& outputPath = "c:\\out") {
  return "\"" + coNum + "\"," +
         R"("5","c:\in\pay.txt",")" + outputPath +
         R"(","01/31/2026","02/05/2026","-1","0","0","-1","1","03","1","/","1","0","0","1","25","0099")" + "\r\n";
}

TEST_F(CompanySettingsTest, WithoutASettingsFileThePeriodEndShowsTodayAndDesignValuesStay) {
  const std::pair<vb::Date, std::string> days[] = {
      {*vb::Date::Make(2026, 12, 6, 9, 0, 0), "12/6/2026"},
      {*vb::Date::Make(2027, 1, 31, 23, 59, 59), "1/31/2027"},
  };
  for (const auto& [now, today] : days) {
    vb::ScopedFixedClock at(now);
    NewWindow();
    window->Load();
    EXPECT_EQ(window->pdEndDate.Text(), today);
    EXPECT_EQ(window->cmboCoNum.ListCount(), 0);
    EXPECT_EQ(window->PickFinPac.ListIndex(), 0);
    EXPECT_EQ(window->txtFacility.Text(), "1234");
    EXPECT_EQ(window->txtFiscMon.Text(), "01");
  }
  EXPECT_EQ(boxes.Shown().size(), 2u);  // "No default settings file found." at each start
}

// A file that holds no company puts the empty record into the window, in
// place of the design values; the values of a skipped line never show.
TEST_F(CompanySettingsTest, ASettingsFileWithoutACompanyPutsTheEmptyRecordIntoTheWindow) {
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"company 0", LineOf("0")},
      {"company 00", LineOf("00")},
      {"no company number", LineOf("")},
  };
  for (const auto& [what, bytes] : files) {
    SCOPED_TRACE(what);
    WriteSettings(bytes);
    NewWindow();
    window->Load();
    QvLedgerloom& w = *window;
    EXPECT_EQ(w.cmboCoNum.ListCount(), 0);
    EXPECT_EQ(w.PickFinPac.ListIndex(), 0);
    for (const forms::TextBox* box : {&w.QvInputFile, &w.QvOutputPath, &w.pdEndDate, &w.txtMiscDate, &w.txtFiscMon,
                                      &w.txtDelim, &w.txtOverhead}) {
      EXPECT_EQ(box->Text(), "") << box->Name();
    }
    EXPECT_EQ(w.txtFacility.Text(), "1");
    for (const forms::OptionButton* option : {&w.rdoYY, &w.rdoYYYY, &w.rdoClrN, &w.rdoClrY}) {
      EXPECT_FALSE(option->Value()) << option->Name();
    }
    for (const forms::CheckBox* box : {&w.chk13pd, &w.chkJobCode, &w.chkClass, &w.chkNames, &w.chkLoc, &w.chkOverhead}) {
      EXPECT_EQ(box->Value(), 0) << box->Name();
    }
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

// A company number that is a number equal to 0 holds no company; any other
// is a company, numeric or not, blanks included.
TEST_F(CompanySettingsTest, ACompanyNumberThatIsANumberEqualToZeroIsSkipped) {
  const std::pair<std::string, bool> numbers[] = {
      {"0", false}, {"00", false}, {"", false}, {"A12", true}, {"012", true}, {" 7 ", true}, {"0A", true},
  };
  std::string file;
  std::vector<std::string> taken;
  for (const auto& [number, isCompany] : numbers) {
    file += LineOf(number);
    if (isCompany) taken.push_back(number);
  }
  WriteSettings(file);
  window->Load();
  EXPECT_EQ(window->cmboCoNum.Items(), taken);
}

// Starting up and choosing a company move the output folder list to the
// company's folder, as it is named on disk; a folder that is gone leaves the
// list where it was and the path box as stored.
TEST_F(CompanySettingsTest, TheOutputFolderListFollowsTheChosenCompany) {
  fs::create_directories(c / "out1");
  fs::create_directories(c / "Out Two");
  WriteSettings(LineOf("1", "c:\\out1") + LineOf("2", "c:\\OUT TWO") + LineOf("3", "c:\\gone"));
  window->Load();
  QvLedgerloom& w = *window;
  EXPECT_EQ(w.dirOutput.Path(), "c:\\out1");
  EXPECT_EQ(w.QvOutputPath.Text(), "c:\\out1");

  const std::tuple<int, std::string, std::string> choices[] = {
      {1, "c:\\Out Two", "c:\\Out Two"},
      {2, "c:\\Out Two", "c:\\gone"},
      {0, "c:\\out1", "c:\\out1"},
  };
  for (const auto& [company, folder, box] : choices) {
    w.cmboCoNum.SetListIndex(company);
    EXPECT_EQ(w.dirOutput.Path(), folder) << company;
    EXPECT_EQ(w.QvOutputPath.Text(), box) << company;
  }
}

// A company number of blanks names no company: closing leaves it out of the
// file, whether it was read from the file or typed, so the next start does
// not list it.
TEST_F(CompanySettingsTest, ACompanyNumberOfBlanksIsNotWritten) {
  const std::string twelve = LineOf("12");
  const std::string seven = LineOf("7");
  WriteSettings(twelve + LineOf("   ") + seven);
  window->Load();
  EXPECT_EQ(window->cmboCoNum.Items(), (std::vector<std::string>{"12", "   ", "7"}));
  window->cmboCoNum.SetListIndex(1);
  window->Unload();
  EXPECT_EQ(ReadBytes(SettingsFile()), twelve + seven);

  NewWindow();  // the next session
  window->Load();
  TypeCompany("  ");
  ASSERT_EQ(window->cmboCoNum.ListIndex(), 2);
  window->pdEndDate.SetText("12/31/2026");
  window->Unload();
  EXPECT_EQ(ReadBytes(SettingsFile()), twelve + seven);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(CompanySettingsTest, StoredValuesThatNoLongerFitAreSkipped) {
  WriteSettings(R"("1","120","nofolder.txt","c:\gone","06/30/2026","","0","0","0","0","7","","1","","0","0","0","0","","")"
                "\r\n"
                R"("2","-1","","","07/31/2026","","0","0","0","0","0","","0","","0","0","0","0","","")"
                "\r\n");
  window->Load();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(window->PickFinPac.ListIndex(), 0);  // entry 120 does not exist
  EXPECT_EQ(window->QvInputFile.Text(), "nofolder.txt");
  EXPECT_EQ(window->QvOutputPath.Text(), "c:\\gone");
  EXPECT_EQ(window->chk13pd.Value(), 0);  // only 1 checks it
  EXPECT_EQ(window->chkJobCode.Value(), 1);

  window->PickFinPac.SetListIndex(58);
  window->cmboCoNum.SetListIndex(1);  // no package was chosen for it: the list keeps its entry
  EXPECT_EQ(window->PickFinPac.ListIndex(), 58);
  EXPECT_EQ(window->pdEndDate.Text(), "07/31/2026");
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

// The table holds 50 companies: a 51st would have no record, so its
// settings would silently not be stored.
TEST_F(CompanySettingsTest, AFiftyFirstTypedCompanyIsNotListedAndTheFileIsKept) {
  std::string file;
  for (int n = 1; n <= kMaxCompanies; ++n)
    file += "\"" + std::to_string(n) + R"(","1","","","01/31/2026","","0","0","0","0","0","","0","","0","0","0","0","","1")" + "\r\n";
  WriteSettings(file);
  window->Load();
  TypeCompany("51");
  EXPECT_EQ(window->cmboCoNum.ListCount(), kMaxCompanies);
  EXPECT_EQ(window->cmboCoNum.ListIndex(), -1);
  window->Unload();
  EXPECT_EQ(ReadBytes(SettingsFile()), file);
  EXPECT_TRUE(boxes.Shown().empty());
}

// "h:\gl.txt" lies in the drive's root; "h:" alone would be the drive's
// current folder, here the working folder below the root.
TEST_F(CompanySettingsTest, AnInputFileInADrivesRootMovesTheFolderListToThatRoot) {
  TempDir h;
  fs::create_directories(h / "work" / "sub");
  WriteBytes(h / "gl.txt", "");
  paths::MapDrive('h', h.path());
  struct WorkingFolder {
    fs::path before = fs::current_path();
    explicit WorkingFolder(const fs::path& to) { fs::current_path(to); }
    ~WorkingFolder() { fs::current_path(before); }
  } working(h / "work" / "sub");
  WriteSettings(R"("12","1","h:\gl.txt","c:\","01/31/2026","","0","0","0","0","0","","0","","0","0","0","0","","1")"
                "\r\n");
  window->Load();
  EXPECT_EQ(window->dirInput.Path(), "h:\\");
  EXPECT_EQ(window->QvInputFile.Text(), "h:\\gl.txt");
}

TEST_F(CompanySettingsTest, ClosingWithNoCompanyChosenWritesTheRecordsAsRead) {
  WriteSettings(kTwelve + kNoCompany + kSeven);
  window->Load();
  window->cmboCoNum.SetText("not yet a company");  // editing the box leaves no company chosen
  ASSERT_EQ(window->cmboCoNum.ListIndex(), -1);
  window->Unload();
  EXPECT_EQ(ReadBytes(SettingsFile()), kTwelve + kSeven);
}

TEST_F(CompanySettingsTest, AnUnreadableSettingsFileIsReportedAndNeverWrittenOver) {
  fs::create_directories(SettingsFile());  // a folder where the file belongs
  window->Load();
  EXPECT_EQ(Prompts(),
            std::vector<std::string>{"The settings file c:\\temp\\QvJE_Control.csv could not be read.\r\r"
                                     "Path/File access error\r\r"
                                     "It will be left as it is, and the settings of this session will not be stored."});
  TypeCompany("9");
  window->Unload();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_TRUE(fs::is_directory(SettingsFile()));
  EXPECT_TRUE(fs::is_empty(SettingsFile()));
  EXPECT_FALSE(fs::exists(c / "temp" / "QvJE_Control.csv.tmp"));
}

TEST_F(CompanySettingsTest, AFailedWriteLeavesTheOldFileAndSaysWhy) {
  WriteSettings(kTwelve + kSeven);
  window->Load();
  window->pdEndDate.SetText("09/30/2026");
  fs::create_directories(c / "temp" / "QvJE_Control.csv.tmp");  // the new file cannot be made
  window->Unload();
  EXPECT_EQ(Prompts(), std::vector<std::string>{"Unable to store QvJE_Control Information.Permission denied"});
  EXPECT_EQ(boxes.Shown()[0].title, "QvLedgerloom");
  EXPECT_EQ(ReadBytes(SettingsFile()), kTwelve + kSeven);
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
