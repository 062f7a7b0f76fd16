// The package list and its layouts, checked against a model written from the
// layout tables and the writer classes' own layouts: which option controls
// show, their captions, the values the layouts set, the input-file pattern
// and the number of sample lines.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/packages.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

using Names = std::set<std::string>;
using Captions = std::map<std::string, std::string>;

// The check boxes the conditional layouts read, as they stand when the
// entry is chosen; "use JobCode?" and "overhead?" are checked by design.
struct Boxes {
  bool cls = false, names = false, loc = false, job = true, overhead = true;
  bool operator==(const Boxes&) const = default;
};

// The entry options: shown, hidden, or the pair shown without its label.
enum Options { S, H, PairOnly };

struct Expected {
  Expected(Options o = S, int n = 0, Names s = {}, Captions c = {}, std::string p = "*.txt")
      : options(o), lines(n), shown(std::move(s)), captions(std::move(c)), pattern(std::move(p)) {}
  Options options;
  int lines;
  Names shown;  // besides the company box and its label
  Captions captions;
  std::string pattern;
};

// The layout tables, row by row, and the writer classes' own layouts.
const std::map<int, Expected> kLayouts = {
    {0, {H, 5}}, {1, {S, 6}}, {2, {S, 6}}, {3, {H, 5}}, {4, {H, 7}},
    {5, {H, 4, {"lblMSG", "txtMiscDate", "lblMiscDate"}, {}, "*txt"}},
    {6, {H, 3, {"lblMSG"}, {}, "*txt"}},
    {7, {H, 5}}, {8, {H, 5}}, {9, {S, 1}},
    {10, {H, 4, {"lblMSG"}}},
    {11, {H, 3, {"lblMSG"}}},
    {12, {H, 4, {"lblJourRef", "txtJourRef"}, {{"labCoNum", "Batch#"}}}},
    {13, {H, 4, {"lblJourRef", "txtJourRef", "lblMSG"}, {{"labCoNum", "Batch#"}}}},
    {14, {H, 4, {"lblMSG", "lblJourRef", "txtJourRef"}, {}, "*.csv"}},
    {15, {H, 3, {"lblMSG"}}},
    {16, {H, 4, {}, {}, "*.csv"}},
    {17, {H, 2}}, {18, {H, 3, {"lblMSG"}}}, {19, {H, 5}}, {20, {H, 2, {"chk13pd"}}},
    {21, {H, 3, {"lblMSG"}}}, {22, {H, 5}}, {23, {H, 3, {"lblMSG"}}}, {24, {H, 2}}, {25, {H, 1, {"lblMSG"}}},
    {26, {H, 4, {}, {{"labCoNum", "9 digit ABA#"}}}},
    {27, {H, 5, {"lblMSG"}, {}, "*.csv"}},
    {28, {S, 1}},
    {29, {H, 3, {"lblMSG"}}},
    {30, {H, 2, {"lblMSG", "chkNames", "chkLoc"}, {{"chkNames", "description field?"}, {"chkLoc", "extended date?"}},
          "*.csv;*.txt"}},
    {31, {H, 3, {"lblMSG"}, {}, "*.csv"}},
    {32, {H, 5, {}, {{"labCoNum", "Division"}}}},
    {33, {H, 4, {"lblMSG"}}},
    {34, {S, 4}}, {35, {S, 3}}, {36, {S, 2}},
    {37, {H, 3, {"lblFacility", "txtFacility"}, {{"lblFacility", "Facility Number"}}}},
    {38, {H, 4, {"lblMSG"}}}, {39, {H, 3}}, {40, {S, 4}}, {41, {S, 3, {"lblMSG"}}}, {42, {S, 2, {"lblMSG"}}},
    {43, {S, 2}}, {44, {S, 4}},
    {45, {S, 3, {"chk13pd"}, {{"chk13pd", "Include Header?"}}}},
    {46, {H, 6, {"lblMSG", "lblFacility", "txtFacility"}, {{"lblFacility", "Company ID"}}}},
    {47, {H, 5, {"lblJourRef", "txtJourRef", "chkNames"}, {{"lblJourRef", "Batch ID"}, {"chkNames", "06batchstat rec?"}},
          "*.txt;*.csv"}},
    {48, {S, 4, {"lblMSG"}, {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"}},
          "*.txt;*.csv"}},
    {49, {H, 3}},
    {50, {S, 1, {"chkLoc"}}},
    {51, {H, 4}},
    {52, {H, 4, {"lblMSG"}}},
    {53, {PairOnly, 2, {"lblMSG"}, {{"Summarized", "Accrual"}, {"Details", "Regular"}}}},
    {54, {H, 6, {"lblMSG"}}},
    {55, {H, 4, {"lblMSG", "lblFacility", "txtFacility", "lblOverhead", "txtOverhead"},
          {{"lblMSG", ""}, {"lblFacility", "4-Digit Futr2 #"}, {"lblOverhead", "Fringe Benefit%"}}}},
    {56, {H, 4, {"lblMSG"}}},
    {57, {H, 4, {"chkJobCode"}, {{"chkJobCode", "Use Entity?"}}}},
    {58, {H, 6, {"lblDateFormat", "rdoYY", "rdoYYYY", "chkJobCode", "chkCSV", "chkNames"},
          {{"labCoNum", "CoNum/Filename"}, {"chkNames", "Parse Desc?"}}}},
    {59, {H, 7}},
    {60, {S, 5}}, {61, {H, 4}}, {62, {H, 4, {"lblMSG"}}},
    {63, {S, 11, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chkClass"}}},
    {64, {S, 1, {"chkCSV", "chkClass", "chkNames"}, {}, "*.csv;*.txt"}},
    {65, {S, 1, {"chkNames", "lblMSG", "txtDelim", "lblDelim"}, {{"chkNames", "Parse Dept?"}}}},
    {66, {S, 11, {"lblSetClearFlag", "rdoClrN", "rdoClrY", "chk13pd", "txtJourRef", "lblJourRef"},
          {{"chkNames", "parse locations?"}, {"chk13pd", "Use Pd End Date?"}, {"lblJourRef", "EIN"}}}},
    {67, {H, 11, {"lblMSG", "lblSetClearFlag", "rdoClrN", "rdoClrY", "chkSumClass", "chk13pd"},
          {{"chkSumClass", "parse Customer?"}, {"chkLoc", "parse Type?"}, {"chkNames", "parse Location?"},
           {"chk13pd", "Trim Account"}}}},
    {68, {S, 9, {"chkNames", "chkLoc", "txtDelim", "lblDelim"}, {{"chkNames", "Parse JOB?"}, {"chkLoc", "Parse CLASS?"}},
          "*.csv;*.txt"}},
    {69, {S, 2, {"lblMSG", "lblSetClearFlag", "rdoClrY", "rdoClrN"},
          {{"Summarized", "CSV"}, {"Details", "ASCII"}, {"lblMSG", "Choose input file format"},
           {"lblSetClearFlag", "Use Headers?"}}}},
    {70, {H, 5, {"lblMSG"}}},
    {71, {H, 3, {"lblMSG"}}},
    {72, {S, 6, {"chkNames"}, {{"chkNames", "Alt Format?"}}}},
    {73, {H, 4, {"lblMSG"}}},
    {74, {H, 2}},
    {75, {H, 5, {"lblMSG"}, {}, "*.csv"}},
    {76, {H, 6}},
    {77, {H, 4, {"lblMSG"}, {}, "*.csv"}},
    {78, {S, 5}}, {79, {H, 3}},
    {80, {H, 4, {"lblMSG"}, {}, "*.txt;*.csv"}},
    {81, {S, 1, {"lblFiscMon", "txtFiscMon"}}}, {82, {S, 1, {"lblFiscMon", "txtFiscMon"}}},
    {83, {S, 2, {"lblFiscMon", "txtFiscMon", "chkNames", "chkLoc"},
          {{"chkNames", "Use 5 digit field 1"}, {"chkLoc", "Use Dept as Desc."}}}},
    {84, {S, 3, {"chkCSV"}}}, {85, {S, 3}}, {86, {S, 4, {"lblFacility", "txtFacility"}}}, {87, {H, 3}},
    {88, {H, 3, {"lblMSG"}, {}, "*.txt;*.csv"}},
    {89, {H, 6, {"lblMSG", "lblJourRef", "txtJourRef"}, {{"lblJourRef", "Profit Share Rate"}}}},
    {90, {S, 4}},
    {91, {H, 4, {"lblMSG"}, {}, "*.csv"}},
    {92, {S, 1}}, {93, {H, 4, {"lblMSG"}, {}, "*.csv"}}, {94, {H, 3}}, {95, {H, 5, {"lblMSG"}}},
    {96, {H, 5, {"lblMSG"}, {}, "*.csv"}},
    {97, {S, 2}}, {98, {S, 2, {"lblMSG"}}},
};

// A layout row, with the controls its conditional steps show under `b`.
Expected ExpectedLayout(int index, const Boxes& b) {
  const auto row = kLayouts.find(index);
  Expected e = row == kLayouts.end() ? Expected{} : row->second;
  const auto add = [&](bool when, const Names& more) {
    if (when) e.shown.insert(more.begin(), more.end());
  };
  const Names delimiter = {"txtDelim", "lblDelim"};
  switch (index) {
    case 50: add(b.loc, delimiter); break;
    case 57: add(b.job, delimiter); break;
    case 58:
      add(b.job, {"lblDelim", "txtDelim", "chkOverhead"});
      add(b.job && b.overhead, {"lblOverhead", "txtOverhead"});
      break;
    case 63: add(b.cls, delimiter); break;
    case 64: add(b.cls || b.names, delimiter); break;
    case 66:
      add(!b.names, {"chkClass"});
      add(!b.cls, {"chkNames"});
      add(b.cls || b.names, delimiter);
      break;
    case 67:
      add(!b.names, {"chkLoc"});
      add(!b.loc, {"chkNames"});
      add(b.loc || b.names, delimiter);
      break;
    default: break;
  }
  return e;
}

// The option controls: the reset shows the first five and hides the others.
const std::vector<std::string> kOptionControls = {
    "Summarized", "Details", "lblOptions", "labCoNum", "cmboCoNum", "lblDateFormat", "rdoYY", "rdoYYYY",
    "lblSetClearFlag", "rdoClrN", "rdoClrY", "lblMSG", "chk13pd", "lblFiscMon", "txtFiscMon", "chkJobCode",
    "lblDelim", "txtDelim", "chkOverhead", "lblOverhead", "txtOverhead", "chkClass", "chkNames", "chkLoc",
    "chkSumClass", "lblFacility", "txtFacility", "lblJourRef", "txtJourRef", "chkCSV", "txtMiscDate", "lblMiscDate"};

// What the reset captions, and the design captions no reset restores.
const Captions kResetCaptions = {{"Summarized", "Summarized"},
                                 {"Details", "Details"},
                                 {"labCoNum", "1. Company Number"},
                                 {"lblMSG", "Expecting comma delimited input file"},
                                 {"chkLoc", "parse Location?"}};
const Captions kDesignCaptions = {
    {"chkNames", "parse Names?"},     {"chk13pd", "13 period client?"}, {"chkJobCode", "use JobCode?"},
    {"chkSumClass", "Sum by Class?"}, {"lblJourRef", "Journal Ref"},    {"lblFacility", "Facility Code"},
    {"lblOverhead", "overhead %"},    {"lblSetClearFlag", "Set Clear Flag?"}};

// The values the layouts set, as the window is designed before any.
struct Values {
  Boxes boxes;
  int csv = 0, period13 = 0;
  bool summarized = false, details = false, clearYes = false;
  std::string facility = "1234", jourRef;
};

std::string Text(const Values& v) {
  const Boxes& b = v.boxes;
  std::ostringstream out;
  out << "class " << b.cls << " names " << b.names << " loc " << b.loc << " job " << b.job << " overhead "
      << b.overhead << " csv " << v.csv << " 13pd " << v.period13 << " summarized " << v.summarized << " details "
      << v.details << " clear " << v.clearYes << " facility " << v.facility << " journal ref \"" << v.jourRef << "\"";
  return out.str();
}

// The values a layout sets (with what the check boxes' own handlers do).
void ApplyValueChanges(int index, Values& v) {
  switch (index) {
    case 30: v.boxes.names = v.boxes.loc = false; break;
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
    case 89: v.jourRef = ".07"; break;
    default: break;
  }
}

class PackageLayoutsTest : public WiredWindowTest {
 protected:
  // The class entries lay the window out through their writer objects.
  void SetUp() override {
    WiredWindowTest::SetUp();
    RegisterWriters(catalog);
  }

  forms::Control& Named(const std::string& name) {
    forms::Control* control = window->Find(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  bool Checked(const char* name) { return window->Find<forms::CheckBox>(name)->Value() == 1; }

  Values CurrentValues() {
    QvLedgerloom& w = *window;
    return {{Checked("chkClass"), Checked("chkNames"), Checked("chkLoc"), Checked("chkJobCode"), Checked("chkOverhead")},
            w.chkCSV.Value(), w.chk13pd.Value(), w.Summarized.Value(), w.Details.Value(), w.rdoClrY.Value(),
            w.txtFacility.Text(), w.txtJourRef.Text()};
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
    ASSERT_TRUE(CurrentValues().boxes == b);
  }

  // Every difference between the window and what `e` says, one per line.
  std::string Differences(const Expected& e) {
    std::ostringstream out;
    Names shown = e.shown;
    shown.insert({"labCoNum", "cmboCoNum"});
    if (e.options != H) shown.insert({"Summarized", "Details"});
    if (e.options == S) shown.insert("lblOptions");
    for (const std::string& name : kOptionControls) {
      if (Named(name).Visible() != (shown.count(name) != 0)) out << name << (shown.count(name) ? " hidden\n" : " shown\n");
    }
    Captions captions = kResetCaptions;
    for (const auto& [name, caption] : e.captions) captions[name] = caption;
    for (const auto& [name, caption] : captions) {
      if (Named(name).Caption() != caption) out << name << " caption \"" << Named(name).Caption() << "\"\n";
    }
    if (window->filInput.Pattern() != e.pattern) out << "pattern " << window->filInput.Pattern() << "\n";
    if (window->ShowSample.ListCount() != e.lines) out << window->ShowSample.ListCount() << " sample lines\n";
    if (!window->txtSample.Text().empty()) out << "sample text not emptied\n";
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

TEST_F(PackageLayoutsTest, EveryEntryAfterEveryOther) {
  const std::vector<int> walk = EveryPairWalk(99);
  ASSERT_EQ(walk.size(), 99u * 99u + 1u);
  ASSERT_EQ(kLayouts.size(), 99u);

  Values values;
  Captions lasting = kDesignCaptions;
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

    std::string diff = Differences(e);
    if (Text(CurrentValues()) != Text(values)) diff += Text(CurrentValues()) + ", expected " + Text(values) + "\n";
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

TEST_F(PackageLayoutsTest, ConditionalLayoutsUnderEveryStateOfTheirCheckBoxes) {
  for (int index : {50, 57, 58, 63, 64, 66, 67}) {
    for (int state = 0; state < 32; ++state) {
      const Boxes before{(state & 1) != 0, (state & 2) != 0, (state & 4) != 0, (state & 8) != 0, (state & 16) != 0};
      SetBoxes(before);
      Choose(index);
      EXPECT_EQ(Differences(ExpectedLayout(index, before)), "") << index << " with check box state " << state;
    }
  }
}

TEST_F(PackageLayoutsTest, NoEntrySelectedLeavesTheNeutralState) {
  Choose(58);
  window->txtSample.SetText("a sample line");
  window->PickFinPac.SetListIndex(-1);
  EXPECT_EQ(Differences(Expected{}), "");
}

TEST_F(PackageLayoutsTest, BanksOwnNumbersShowAsZerosInTheSamples) {
  Choose(26);  // "Fiserv IF3"
  EXPECT_EQ(window->ShowSample.List(1).substr(0, 16), std::string(16, '0'));
  Choose(61);  // "Plumas Bank"
  EXPECT_EQ(window->ShowSample.List(0).substr(18, 10), std::string(10, '0'));
  EXPECT_EQ(window->ShowSample.List(1).substr(20, 9), std::string(9, '0'));
}

}  // namespace
}  // namespace qvl::test
