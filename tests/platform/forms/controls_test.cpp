// The controls model: option buttons exclude each other per container before
// their click fires; lists fire on every change of selection and keep it
// consistent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/vb/error.h"

namespace qvl::forms {
namespace {

class TestForm : public Form {
 public:
  TestForm() : Form("frmTest", "Test", 3000, 2000) {}
  OptionButton optA{*this, "optA"};
  OptionButton optB{*this, "optB"};
  Frame fraGroup{*this, "fraGroup"};
  OptionButton optC{*this, "optC"};
  OptionButton optD{*this, "optD"};
  ListBox lstItems{*this, "lstItems"};
  ComboBox cboItems{*this, "cboItems"};
};

TEST(OptionButtonTest, ButtonsOfOneContainerExcludeEachOtherBeforeTheClickFires) {
  TestForm form;
  form.optC.SetContainer(&form.fraGroup);
  form.optD.SetContainer(&form.fraGroup);
  std::vector<std::string> clicks;
  for (OptionButton* b : {&form.optA, &form.optB, &form.optC, &form.optD}) {
    b->onClick = [&clicks, b] { clicks.push_back(b->Name()); };
  }
  bool otherStillSelected = false;
  form.optB.onClick = [&] {
    clicks.push_back("optB");
    otherStillSelected = form.optA.Value();
  };

  form.optA.SetValue(true);
  form.optC.SetValue(true);
  EXPECT_TRUE(form.optA.Value());  // another container: untouched
  form.optB.SetValue(true);
  EXPECT_FALSE(otherStillSelected);
  EXPECT_TRUE(form.optC.Value());
  form.optD.Click();
  EXPECT_FALSE(form.optC.Value());
  // Only the buttons that became selected fired; deselected ones fired nothing.
  EXPECT_EQ(clicks, (std::vector<std::string>{"optA", "optC", "optB", "optD"}));
  form.optB.SetValue(true);  // already selected
  form.optB.SetValue(false);
  EXPECT_EQ(clicks.size(), 4u);
  EXPECT_FALSE(form.optA.Value());
  EXPECT_FALSE(form.optB.Value());
}

TEST(ListBoxTest, ClickFiresOnEveryChangeOfIndexAndRemovingKeepsTheSelection) {
  TestForm form;
  auto& list = form.lstItems;
  for (auto item : {"one", "two", "three"}) list.AddItem(item);
  std::vector<int> clicks;
  list.onClick = [&] { clicks.push_back(list.ListIndex()); };
  list.SetListIndex(1);
  list.SetListIndex(1);
  list.SetSelected(2, true);
  list.SetSelected(1, false);  // not the selected one: nothing
  list.SetSelected(2, false);
  EXPECT_EQ(clicks, (std::vector<int>{1, 2, -1}));
  EXPECT_THROW(list.SetListIndex(3), vb::Error);

  // Removing moves the selection without events.
  list.SetListIndex(2);
  list.RemoveItem(0);
  EXPECT_EQ(list.Text(), "three");
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(clicks.size(), 4u);
}

TEST(ComboBoxTest, ChoosingAnEntrySetsTheTextAndEditingDropsTheChoice) {
  TestForm form;
  auto& combo = form.cboItems;
  combo.AddItem("100");
  combo.AddItem("200");
  int changes = 0, clicks = 0;
  combo.onChange = [&] { ++changes; };
  combo.onClick = [&] { ++clicks; };
  combo.SetListIndex(1);
  EXPECT_EQ(combo.Text(), "200");
  combo.SetText("2001");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace qvl::forms
