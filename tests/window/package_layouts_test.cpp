// The package list and its layouts, checked against a model written from the
// layout tables: which option controls show, their captions, the values the
// layouts set, the input-file pattern and the number of sample lines.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "window/layout_steps.h"
#include "window/layouts.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

using Names = std::set<std::string>;

// The check boxes the conditional layouts read, as they stand when the
// entry is chosen.
struct Boxes {
  bool cls = false;       // chkClass
  bool names = false;     // chkNames
  bool loc = false;       // chkLoc
  bool job = true;        // chkJobCode (checked by design)
  bool overhead = true;   // chkOverhead (checked by design)
};

enum class Options { Shown, Hidden, PairOnly };  // PairOnly: the pair without its label

struct Expected {
  Options options = Options::Shown;
  Names shown;                                  // besides the company box and its label
  std::map<std::string, std::string> captions;  // captions the layout sets
  std::string pattern = "*.txt";
  int lines = 0;
};

// The option controls: the reset shows the first five and hides the others.
const std::vector<std::string> kOptionControls = {
    "Summarized", "Details",     "lblOptions",  "labCoNum",    "cmboCoNum",       "lblDateFormat",
    "rdoYY",      "rdoYYYY",     "lblSetClearFlag", "rdoClrN", "rdoClrY",         "lblMSG",
    "chk13pd",    "lblFiscMon",  "txtFiscMon",  "chkJobCode",  "lblDelim",        "txtDelim",
    "chkOverhead", "lblOverhead", "txtOverhead", "chkClass",   "chkNames",        "chkLoc",
    "chkSumClass", "lblFacility", "txtFacility", "lblJourRef", "txtJourRef",      "chkCSV",
    "txtMiscDate", "lblMiscDate"};

const Names kDelimiter = {"txtDelim", "lblDelim"};

void Add(Names& to, const Names& more) { to.insert(more.begin(), more.end()); }

// The layout tables, row by row; the conditional rows read `before`.
Expected ExpectedLayout(int index, const Boxes& before) {
  const Options H = Options::Hidden;
  const Options S = Options::Shown;
  switch (index) {
    case 0: return {H, {}, {}, "*.txt", 5};
    case 1: return {S, {}, {}, "*.txt", 6};
    case 2: return {S, {}, {}, "*.txt", 6};
    case 4: return {H, {}, {}, "*.txt", 7};
    case 7: return {H, {}, {}, "*.txt", 5};
    case 8: return {H, {}, {}, "*.txt", 5};
    case 9: return {S, {}, {}, "*.txt", 1};
    case 10: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 12: return {H, {"lblJourRef", "txtJourRef"}, {{"labCoNum", "Batch#"}}, "*.txt", 4};
    case 13: return {H, {"lblJourRef", "txtJourRef", "lblMSG"}, {{"labCoNum", "Batch#"}}, "*.txt", 4};
    case 15: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 17: return {H, {}, {}, "*.txt", 2};
    case 18: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 19: return {H, {}, {}, "*.txt", 5};
    case 20: return {H, {"chk13pd"}, {}, "*.txt", 2};
    case 21: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 23: return {H, {"lblMSG"}, {}, "*.txt", 3};
    case 24: return {H, {}, {}, "*.txt", 2};
    case 25: return {H, {"lblMSG"}, {}, "*.txt", 1};
    case 26: return {H, {}, {{"labCoNum", "9 digit ABA#"}}, "*.txt", 4};
    case 27: return {H, {"lblMSG"}, {}, "*.csv", 5};
    case 28: return {S, {}, {}, "*.txt", 1};
    case 30:
      return {H, {"lblMSG", "chkNames", "chkLoc"},
              {{"chkNames", "description field?"}, {"chkLoc", "extended date?"}}, "*.csv;*.txt", 2};
    case 32: return {H, {}, {{"labCoNum", "Division"}}, "*.txt", 5};
    case 34: return {S, {}, {}, "*.txt", 4};
    case 35: return {S, {}, {}, "*.txt", 3};
    case 36: return {S, {}, {}, "*.txt", 2};
    case 37: return {H, {"lblFacility", "txtFacility"}, {{"lblFacility", "Facility Number"}}, "*.txt", 3};
    case 38: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 39: return {H, {}, {}, "*.txt", 3};
    case 40: return {S, {}, {}, "*.txt", 4};
    case 41: return {S, {"lblMSG"}, {}, "*.txt", 3};
    case 42: return {S, {"lblMSG"}, {}, "*.txt", 2};
    case 43: return {S, {}, {}, "*.txt", 2};
    case 44: return {S, {}, {}, "*.txt", 4};
    case 45: return {S, {"chk13pd"}, {{"chk13pd", "Include Header?"}}, "*.txt", 3};
    case 47:
      return {H, {"lblJourRef", "txtJourRef", "chkNames"},
              {{"lblJourRef", "Batch ID"}, {"chkNames", "06batchstat rec?"}}, "*.txt;*.csv", 5};
    case 48:
      return {S, {"lblMSG"},
              {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"}},
              "*.txt;*.csv", 4};
    case 49: return {H, {}, {}, "*.txt", 3};
    case 50: {
      Expected e{S, {"chkLoc"}, {}, "*.txt", 1};
      if (before.loc) Add(e.shown, kDelimiter);
      return e;
    }
    case 52: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 53:
      return {Options::PairOnly, {"lblMSG"}, {{"Summarized", "Accrual"}, {"Details", "Regular"}}, "*.txt", 2};
    case 54: return {H, {"lblMSG"}, {}, "*.txt", 6};
    case 55:
      return {H, {"lblMSG", "lblFacility", "txtFacility", "lblOverhead", "txtOverhead"},
              {{"lblMSG", ""}, {"lblFacility", "4-Digit Futr2 #"}, {"lblOverhead", "Fringe Benefit%"}},
              "*.txt", 4};
    case 56: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 57: {
      Expected e{H, {"chkJobCode"}, {{"chkJobCode", "Use Entity?"}}, "*.txt", 4};
      if (before.job) Add(e.shown, kDelimiter);
      return e;
    }
    case 58: {
      Expected e{H, {"lblDateFormat", "rdoYY", "rdoYYYY", "chkJobCode", "chkCSV", "chkNames"},
                 {{"labCoNum", "CoNum/Filename"}, {"chkNames", "Parse Desc?"}}, "*.txt", 6};
      if (before.job) Add(e.shown, {"lblDelim", "txtDelim", "chkOverhead"});
      if (before.job && before.overhead) Add(e.shown, {"lblOverhead", "txtOverhead"});
      return e;
    }
    case 60: return {S, {}, {}, "*.txt", 5};
    case 61: return {H, {}, {}, "*.txt", 4};
    case 62: return {H, {"lblMSG"}, {}, "*.txt", 4};
    case 63: {
      Expected e{S, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chkClass"}, {}, "*.txt", 11};
      if (before.cls) Add(e.shown, kDelimiter);
      return e;
    }
    case 64: {
      Expected e{S, {"chkCSV", "chkClass", "chkNames"}, {}, "*.csv;*.txt", 1};
      if (before.cls || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 65:
      return {S, {"chkNames", "lblMSG", "txtDelim", "lblDelim"}, {{"chkNames", "Parse Dept?"}}, "*.txt", 1};
    case 66: {
      Expected e{S, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chk13pd", "txtJourRef", "lblJourRef"},
                 {{"chkNames", "parse locations?"}, {"chk13pd", "Use Pd End Date?"}, {"lblJourRef", "EIN"}},
                 "*.txt", 11};
      if (!before.names) e.shown.insert("chkClass");
      if (!before.cls) e.shown.insert("chkNames");
      if (before.cls || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 67: {
      Expected e{H, {"lblMSG", "lblSetClearFlag", "rdoClrN", "rdoClrY", "chkSumClass", "chk13pd"},
                 {{"chkSumClass", "parse Customer?"}, {"chkLoc", "parse Type?"}, {"chkNames", "parse Location?"},
                  {"chk13pd", "Trim Account"}},
                 "*.txt", 11};
      if (!before.names) e.shown.insert("chkLoc");
      if (!before.loc) e.shown.insert("chkNames");
      if (before.loc || before.names) Add(e.shown, kDelimiter);
      return e;
    }
    case 68:
      return {S, {"chkNames", "chkLoc", "txtDelim", "lblDelim"},
              {{"chkNames", "Parse JOB?"}, {"chkLoc", "Parse CLASS?"}}, "*.csv;*.txt", 9};
    case 69:
      return {S, {"lblMSG", "lblSetClearFlag", "rdoClrY", "rdoClrN"},
              {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"},
               {"lblSetClearFlag", "Use Headers?"}},
              "*.txt", 2};
    case 70: return {H, {"lblMSG"}, {}, "*.txt", 5};
    case 72: return {S, {"chkNames"}, {{"chkNames", "Alt Format?"}}, "*.txt", 6};
    case 74: return {H, {}, {}, "*.txt", 2};
    case 78: return {S, {}, {}, "*.txt", 5};
    case 79: return {H, {}, {}, "*.txt", 3};
    case 81: return {S, {"lblFiscMon", "txtFiscMon"}, {}, "*.txt", 1};
    case 82: return {S, {"lblFiscMon", "txtFiscMon"}, {}, "*.txt", 1};
    case 83:
      return {S, {"lblFiscMon", "txtFiscMon", "chkNames", "chkLoc"},
              {{"chkNames", "Use 5 digit field 1"}, {"chkLoc", "Use Dept as Desc."}}, "*.txt", 2};
    case 84: return {S, {"chkCSV"}, {}, "*.txt", 3};
    case 85: return {S, {}, {}, "*.txt", 3};
    case 86: return {S, {"lblFacility", "txtFacility"}, {}, "*.txt", 4};
    case 87: return {H, {}, {}, "*.txt", 3};
    case 90: return {S, {}, {}, "*.txt", 4};
    case 92: return {S, {}, {}, "*.txt", 1};
    case 93: return {H, {"lblMSG"}, {}, "*.csv", 4};
    case 94: return {H, {}, {}, "*.txt", 3};
    case 95: return {H, {"lblMSG"}, {}, "*.txt", 5};
    case 97: return {S, {}, {}, "*.txt", 2};
    case 98: return {S, {"lblMSG"}, {}, "*.txt", 2};
    default: return {};  // the class entries: the reset alone while no writer class exists
  }
}

// What the reset leaves captioned, and the captions the layouts set.
const std::map<std::string, std::string> kResetCaptions = {
    {"Summarized", "Summarized"},
    {"Details", "Details"},
    {"labCoNum", "1. Company Number"},
    {"lblMSG", "Expecting comma delimited input file"},
    {"chkLoc", "parse Location?"}};

// Captions no reset restores, as the window is designed.
const std::map<std::string, std::string> kDesignCaptions = {
    {"chkNames", "parse Names?"},      {"chk13pd", "13 period client?"}, {"chkJobCode", "use JobCode?"},
    {"chkSumClass", "Sum by Class?"},  {"lblJourRef", "Journal Ref"},    {"lblFacility", "Facility Code"},
    {"lblOverhead", "overhead %"},     {"lblSetClearFlag", "Set Clear Flag?"}};

// The values the model follows, as the window is designed.
struct Values {
  Boxes boxes;
  int csv = 0;
  int period13 = 0;
  bool summarized = false;
  bool details = false;
  bool clearYes = false;
  std::string facility = "1234";
};

// The values a layout sets (with what the check boxes' own handlers do).
void ApplyValueChanges(int index, Values& v) {
  switch (index) {
    case 30: v.boxes.names = false; v.boxes.loc = false; break;
    case 35: case 90: v.details = true; v.summarized = false; break;
    case 55: v.facility = "0000"; break;
    case 58: v.csv = 0; break;
    case 64: case 84: v.csv = 1; break;
    case 65: case 72:
      if (!v.boxes.names) v.boxes.cls = false;  // checking "parse Names?" clears "assign Class?"
      v.boxes.names = true;
      break;
    case 66: v.period13 = 1; break;
    case 67: v.boxes.cls = false; break;
    case 69: v.clearYes = true; break;
    default: break;
  }
}

class PackageLayoutsTest : public WiredWindowTest {
 protected:
  forms::Control& Named(const std::string& name) {
    forms::Control* control = window->Find(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  forms::CheckBox& Box(const std::string& name) { return *window->Find<forms::CheckBox>(name); }

  Boxes CurrentBoxes() {
    return {Box("chkClass").Value() == 1, Box("chkNames").Value() == 1, Box("chkLoc").Value() == 1,
            Box("chkJobCode").Value() == 1, Box("chkOverhead").Value() == 1};
  }

  // Puts the check boxes into a state; "GP Payroll Connect" is chosen while
  // doing so, since under it "parse Names?" does not clear "assign Class?".
  void SetBoxes(const Boxes& b) {
    Choose(30);
    window->chkClass.SetValue(b.cls);
    window->chkNames.SetValue(b.names);
    window->chkLoc.SetValue(b.loc);
    window->chkJobCode.SetValue(b.job);
    window->chkOverhead.SetValue(b.overhead);
    const Boxes now = CurrentBoxes();
    ASSERT_EQ(std::tie(now.cls, now.names, now.loc, now.job, now.overhead),
              std::tie(b.cls, b.names, b.loc, b.job, b.overhead));
  }

  // Every difference between the window and what `e` says, one per line.
  std::string Differences(const Expected& e) {
    std::ostringstream out;
    Names shown = e.shown;
    shown.insert({"labCoNum", "cmboCoNum"});
    if (e.options == Options::Shown) shown.insert({"lblOptions", "Summarized", "Details"});
    if (e.options == Options::PairOnly) shown.insert({"Summarized", "Details"});
    for (const std::string& name : kOptionControls) {
      const bool expected = shown.count(name) != 0;
      if (Named(name).Visible() != expected) {
        out << name << (expected ? " hidden, expected shown\n" : " shown, expected hidden\n");
      }
    }
    for (const auto& [name, caption] : kResetCaptions) {
      auto set = e.captions.find(name);
      const std::string want = set != e.captions.end() ? set->second : caption;
      if (Named(name).Caption() != want) out << name << " caption \"" << Named(name).Caption() << "\"\n";
    }
    for (const auto& [name, caption] : e.captions) {
      if (Named(name).Caption() != caption) out << name << " caption \"" << Named(name).Caption() << "\"\n";
    }
    if (window->filInput.Pattern() != e.pattern) out << "pattern " << window->filInput.Pattern() << "\n";
    if (window->ShowSample.ListCount() != e.lines) out << window->ShowSample.ListCount() << " sample lines\n";
    if (!window->txtSample.Text().empty()) out << "sample text not emptied\n";
    return out.str();
  }

  std::string ValueDifferences(const Values& v) {
    std::ostringstream out;
    const Boxes b = CurrentBoxes();
    if (b.cls != v.boxes.cls) out << "chkClass " << b.cls << "\n";
    if (b.names != v.boxes.names) out << "chkNames " << b.names << "\n";
    if (b.loc != v.boxes.loc) out << "chkLoc " << b.loc << "\n";
    if (b.job != v.boxes.job) out << "chkJobCode " << b.job << "\n";
    if (b.overhead != v.boxes.overhead) out << "chkOverhead " << b.overhead << "\n";
    if (window->chkCSV.Value() != v.csv) out << "chkCSV " << window->chkCSV.Value() << "\n";
    if (window->chk13pd.Value() != v.period13) out << "chk13pd " << window->chk13pd.Value() << "\n";
    if (window->Summarized.Value() != v.summarized) out << "Summarized " << window->Summarized.Value() << "\n";
    if (window->Details.Value() != v.details) out << "Details " << window->Details.Value() << "\n";
    if (window->rdoClrY.Value() != v.clearYes) out << "rdoClrY " << window->rdoClrY.Value() << "\n";
    if (window->txtFacility.Text() != v.facility) out << "txtFacility " << window->txtFacility.Text() << "\n";
    return out.str();
  }
};

// A walk through the list in which every ordered pair of entries (an entry
// after itself included) is chosen one right after the other.
std::vector<int> EveryPairWalk(int n) {
  std::vector<std::vector<int>> unused(static_cast<std::size_t>(n));
  for (int from = 0; from < n; ++from) {
    for (int to = n - 1; to >= 0; --to) unused[static_cast<std::size_t>(from)].push_back(to);
  }
  std::vector<int> stack = {0};
  std::vector<int> walk;
  while (!stack.empty()) {
    auto& next = unused[static_cast<std::size_t>(stack.back())];
    if (next.empty()) {
      walk.push_back(stack.back());
      stack.pop_back();
    } else {
      stack.push_back(next.back());
      next.pop_back();
    }
  }
  return {walk.rbegin(), walk.rend()};
}

TEST_F(PackageLayoutsTest, ListHoldsTheCatalogEntriesInOrder) {
  const auto& items = window->PickFinPac.Items();
  ASSERT_EQ(items.size(), 99u);
  for (const FinPacEntry& entry : catalog.entries()) {
    EXPECT_EQ(items[static_cast<std::size_t>(entry.index)], entry.text);
  }
  EXPECT_EQ(window->PickFinPac.ListIndex(), -1);
  EXPECT_EQ(window->PickFinPac.ToolTipText(), "Which Financial Package do you have?");
}

TEST_F(PackageLayoutsTest, EveryEntryHasABuiltInLayoutOrAWriterClass) {
  for (int index = 0; index < 99; ++index) {
    EXPECT_EQ(BuiltInLayout(index) == nullptr, catalog.At(index)->pattern == CallPattern::WriterObject) << index;
  }
  EXPECT_EQ(BuiltInLayout(-1), nullptr);
  EXPECT_EQ(BuiltInLayout(99), nullptr);
}

TEST_F(PackageLayoutsTest, EveryEntryAfterEveryOther) {
  const std::vector<int> walk = EveryPairWalk(99);
  ASSERT_EQ(walk.size(), 99u * 99u + 1u);

  Values values;
  std::map<std::string, std::string> lasting = kDesignCaptions;
  const std::vector<std::string> untouched = {"ShowSample", "txtSample", "cmdShowSample", "cmdHideSample",
                                              "Frame1",     "QvInputFile", "pdEndDate",  "filInput"};
  std::map<std::string, bool> untouchedVisible;
  for (const std::string& name : untouched) untouchedVisible[name] = Named(name).Visible();

  int failures = 0;
  for (std::size_t step = 0; step < walk.size() && failures < 10; ++step) {
    const int index = walk[step];
    const Expected e = ExpectedLayout(index, values.boxes);
    Choose(index);
    ApplyValueChanges(index, values);
    for (const auto& [name, caption] : e.captions) {
      if (lasting.count(name)) lasting[name] = caption;
    }

    std::string diff = Differences(e) + ValueDifferences(values);
    for (const auto& [name, caption] : lasting) {
      if (Named(name).Caption() != caption) diff += name + " caption \"" + Named(name).Caption() + "\"\n";
    }
    for (const auto& [name, visible] : untouchedVisible) {
      if (Named(name).Visible() != visible) diff += name + " visibility changed\n";
    }
    if (!diff.empty()) {
      ++failures;
      ADD_FAILURE() << "step " << step << ": " << window->PickFinPac.Text() << " (" << index << ") after "
                    << (step > 0 ? walk[step - 1] : -1) << ":\n"
                    << diff;
    }
  }
}

TEST_F(PackageLayoutsTest, NoEntrySelectedLeavesTheNeutralState) {
  Choose(58);
  ASSERT_GT(window->ShowSample.ListCount(), 0);
  window->txtSample.SetText("a sample line");
  window->PickFinPac.SetListIndex(-1);
  EXPECT_EQ(Differences(Expected{}), "");
  EXPECT_EQ(window->labCoNum.Caption(), "1. Company Number");
}

TEST_F(PackageLayoutsTest, ConditionalLayoutsUnderEveryStateOfTheirCheckBoxes) {
  for (int index : {50, 57, 58, 63, 64, 66, 67}) {
    for (int state = 0; state < 32; ++state) {
      const Boxes before{(state & 1) != 0, (state & 2) != 0, (state & 4) != 0, (state & 8) != 0,
                         (state & 16) != 0};
      SetBoxes(before);
      Choose(index);
      const std::string diff = Differences(ExpectedLayout(index, before));
      EXPECT_EQ(diff, "") << index << " with chkClass " << before.cls << ", chkNames " << before.names
                          << ", chkLoc " << before.loc << ", chkJobCode " << before.job << ", chkOverhead "
                          << before.overhead;
    }
  }
}

// The fixed-width packages' sample lines, those the layouts write themselves
// included, keep the width of their records.
TEST_F(PackageLayoutsTest, FixedWidthSampleLinesKeepTheirWidths) {
  auto lines = [&](int index) {
    Choose(index);
    return window->ShowSample.Items();
  };
  for (const std::string& line : lines(58)) EXPECT_EQ(line.size(), 248u) << line;  // "PeachTree"
  for (const std::string& line : lines(61)) {                                       // "Plumas Bank"
    EXPECT_EQ(line.size(), 100u) << line;
    EXPECT_EQ(line.back(), '.');
  }
  for (const std::string& line : lines(70)) EXPECT_EQ(line.size(), 83u) << line;   // "Reynolds & Reynolds"
  for (const std::string& line : lines(87)) EXPECT_EQ(line.size(), 186u) << line;  // "Sparak"
}

// The sample lines a layout builds from fields rather than quotes whole, and
// the lists that repeat other lists' lines.
TEST_F(PackageLayoutsTest, BuiltAndSharedSampleLines) {
  const auto B = [](std::size_t count) { return std::string(count, ' '); };
  const std::tuple<int, int, std::string> built[] = {
      // A bank's own numbers show as zeros.
      {26, 1, std::string(16, '0') + "          40000055392020120060            00   0      Payroll from Quorvanta"},
      {61, 0, "FH   200605010915P" + std::string(10, '0') + "PAYROLL GL" + B(10) + "PAYROLL GL" + B(41) + "."},
      {61, 1, "HT   7745089" + B(8) + std::string(9, '0') + "GLA7745089" + B(10) + "20060428D00000574.54PLUMAS BANK" + B(19) + "."},
      {61, 3, "TS   0001790000794801.120001470000397400.560000320000397400.56" + B(37) + "."},
      {70, 0, "            236   202012/28/2004" + B(25) + "        15.55" + B(13)},
      {70, 2, B(32) + "End of File" + B(14) + "         2.00" + B(13)},
      {70, 4, B(32) + "Total credit amount" + B(6) + "       -15.55" + B(13)},
  };
  std::map<int, std::vector<std::string>> shown;
  for (int index : {7, 8, 26, 27, 48, 61, 63, 66, 70}) {
    Choose(index);
    shown[index] = window->ShowSample.Items();
  }
  for (const auto& [index, line, text] : built) {
    ASSERT_LT(static_cast<std::size_t>(line), shown[index].size()) << index;
    EXPECT_EQ(shown[index][static_cast<std::size_t>(line)], text) << index << " line " << line;
  }
  // "FTI" line 2 is line 1, "MIP" 3 and 4 are 1 and 2.
  ASSERT_EQ(shown[27].size(), 5u);
  ASSERT_EQ(shown[48].size(), 4u);
  EXPECT_EQ(shown[27][1], shown[27][0]);
  EXPECT_EQ(shown[48][2], shown[48][0]);
  EXPECT_EQ(shown[48][3], shown[48][1]);
  // "ADP/KVS" repeats the first four lines of "ADP/GL" and has a balancing line of its own.
  ASSERT_EQ(shown[8].size(), 5u);
  EXPECT_EQ(std::vector<std::string>(shown[8].begin(), shown[8].end() - 1),
            std::vector<std::string>(shown[7].begin(), shown[7].end() - 1));
  EXPECT_NE(shown[8].back(), shown[7].back());
  // "QuickBooks": seven "TRNS" lines.
  ASSERT_EQ(shown[63].size(), 11u);
  for (std::size_t line = 3; line < 10; ++line) EXPECT_EQ(shown[63][line].substr(0, 8), "TRNS    ") << line;
  // "QuickBooks 2006" shows the eleven lines of "QuickBooks 2004".
  Choose(67);
  EXPECT_EQ(window->ShowSample.Items(), shown[66]);
}

// A writer object that lays the window out with the layout steps.
class FakeWriter : public FinPacWriter {
 public:
  static inline int made = 0;
  static inline int laidOut = 0;
  explicit FakeWriter(QvLedgerloom& window) : window_(window) { ++made; }
  void Process(bool&) override {}
  void Balance(const std::string&, const std::string&) override {}
  void FormatUI() override {
    ++laidOut;
    layout::Apply(window_, {layout::HideOptions(), layout::Show({"lblMSG"}),
                            layout::Samples({"first line", "second line"})});
  }

 private:
  QvLedgerloom& window_;
};

TEST_F(PackageLayoutsTest, AClassEntryMakesItsWriterObjectOnceAndLaysOutThroughIt) {
  FakeWriter::made = FakeWriter::laidOut = 0;
  catalog.HooksOf("Acknowledge").makeWriter = [](QvLedgerloom& w) -> std::unique_ptr<FinPacWriter> {
    return std::make_unique<FakeWriter>(w);
  };
  EXPECT_EQ(window->writerObjects.Find(5), nullptr);
  Choose(5);
  FinPacWriter* first = window->writerObjects.Find(5);
  ASSERT_NE(first, nullptr);
  Choose(58);
  Choose(5);
  Choose(5);
  EXPECT_EQ(FakeWriter::made, 1);
  EXPECT_EQ(FakeWriter::laidOut, 3);
  EXPECT_EQ(window->writerObjects.Find(5), first);
  EXPECT_EQ(window->ShowSample.Items(), (std::vector<std::string>{"first line", "second line"}));
  EXPECT_FALSE(window->Summarized.Visible());
  EXPECT_TRUE(window->lblMSG.Visible());
  // Leaving the entry resets what the object showed.
  Choose(1);
  EXPECT_FALSE(window->lblMSG.Visible());
  window->writerObjects.ReleaseAll();
  EXPECT_EQ(window->writerObjects.Find(5), nullptr);
}

TEST_F(PackageLayoutsTest, AClassEntryWithoutItsWriterClassOnlyResets) {
  Choose(58);
  Choose(51);  // "NetSuite Release 2"
  EXPECT_EQ(window->writerObjects.Find(51), nullptr);
  EXPECT_EQ(Differences(Expected{}), "");
}

TEST_F(PackageLayoutsTest, LayoutStepsRefuseControlsTheWindowDoesNotHave) {
  EXPECT_THROW(layout::Apply(*window, {layout::Show({"chkNoSuchBox"})}), std::logic_error);
  EXPECT_THROW(layout::Apply(*window, {layout::Check("lblMSG", 1)}), std::logic_error);
  EXPECT_THROW(layout::Apply(*window, {layout::IfChecked({"txtDelim"}, {})}), std::logic_error);
  // A condition holds when any of its boxes is checked; an option button
  // counts when it is selected.
  window->Details.SetValue(true);
  layout::Apply(*window, {layout::IfChecked({"chkSumClass", "Details"}, {layout::Caption("lblMSG", "yes")},
                                            {layout::Caption("lblMSG", "no")})});
  EXPECT_EQ(window->lblMSG.Caption(), "yes");
}

}  // namespace
}  // namespace qvl::test
