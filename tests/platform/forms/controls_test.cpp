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
  TextBox txtName{*this, "txtName"};
  CheckBox chkA{*this, "chkA"};
  OptionButton optA{*this, "optA"};
  OptionButton optB{*this, "optB"};
  Frame fraGroup{*this, "fraGroup"};
  OptionButton optC{*this, "optC"};
  OptionButton optD{*this, "optD"};
  ListBox lstItems{*this, "lstItems"};
  ComboBox cboItems{*this, "cboItems"};
};

TEST(TextBoxTest, ChangeFiresOnceBeforeTheSetterReturnsAndOnlyOnChange) {
  TestForm form;
  std::vector<std::string> seen;
  form.txtName.onChange = [&] { seen.push_back(form.txtName.Text()); };
  form.txtName.SetText("abc");
  EXPECT_EQ(seen, std::vector<std::string>{"abc"});
  form.txtName.SetText("abc");
  EXPECT_EQ(seen.size(), 1u);
  form.txtName.SetText("");
  EXPECT_EQ(seen, (std::vector<std::string>{"abc", ""}));
}

TEST(TextBoxTest, MaxLengthCutsTextSetFromCode) {
  TestForm form;
  form.txtName.SetMaxLength(4);
  form.txtName.SetText("123456");
  EXPECT_EQ(form.txtName.Text(), "1234");
  form.txtName.SetMaxLength(0);
  form.txtName.SetText("123456");
  EXPECT_EQ(form.txtName.Text(), "123456");
}

TEST(TextBoxTest, AChangeHandlerMaySetTheTextAgain) {
  TestForm form;
  int calls = 0;
  form.txtName.onChange = [&] {
    ++calls;
    if (form.txtName.Text().size() > 3) form.txtName.SetText(form.txtName.Text().substr(0, 3));
  };
  form.txtName.SetText("abcdef");
  EXPECT_EQ(form.txtName.Text(), "abc");
  EXPECT_EQ(calls, 2);  // the cut fires once more and finds nothing to do
}

TEST(CheckBoxTest, ClickFiresOnlyWhenTheValueChanges) {
  TestForm form;
  int clicks = 0;
  form.chkA.onClick = [&] { ++clicks; };
  form.chkA.SetValue(0);
  EXPECT_EQ(clicks, 0);
  form.chkA.SetValue(1);
  EXPECT_EQ(clicks, 1);
  form.chkA.SetValue(1);
  EXPECT_EQ(clicks, 1);
  form.chkA.Click();  // the operator's click clears it
  EXPECT_EQ(form.chkA.Value(), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_THROW(form.chkA.SetValue(3), vb::Error);
  EXPECT_EQ(form.chkA.Value(), 0);
}

TEST(OptionButtonTest, ButtonsOfOneContainerExcludeEachOther) {
  TestForm form;
  form.optC.SetContainer(&form.fraGroup);
  form.optD.SetContainer(&form.fraGroup);
  std::vector<std::string> clicks;
  for (OptionButton* b : {&form.optA, &form.optB, &form.optC, &form.optD}) {
    b->onClick = [&clicks, b] { clicks.push_back(b->Name()); };
  }

  form.optA.SetValue(true);
  form.optC.SetValue(true);
  EXPECT_TRUE(form.optA.Value());  // another container: untouched
  form.optB.SetValue(true);
  EXPECT_FALSE(form.optA.Value());
  EXPECT_TRUE(form.optB.Value());
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

TEST(OptionButtonTest, TheSelectedButtonsHandlerSeesTheOthersAlreadyDeselected) {
  TestForm form;
  form.optA.SetValue(true);
  bool otherStillSelected = true;
  form.optB.onClick = [&] { otherStillSelected = form.optA.Value(); };
  form.optB.SetValue(true);
  EXPECT_FALSE(otherStillSelected);
}

TEST(ListBoxTest, ListIndexFiresClickOnEveryChangeIncludingNone) {
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
  EXPECT_EQ(list.Text(), "");
  EXPECT_THROW(list.SetListIndex(3), vb::Error);
  EXPECT_THROW(list.SetListIndex(-2), vb::Error);
}

TEST(ListBoxTest, RemovingAndClearingKeepTheSelectionConsistentWithoutEvents) {
  TestForm form;
  auto& list = form.lstItems;
  for (auto item : {"a", "b", "c"}) list.AddItem(item);
  list.SetListIndex(2);
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.Text(), "c");
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  list.SetListIndex(0);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.List(0), "");
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
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 0);
  combo.SetText("2001");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
}

TEST(FormTest, ControlsAreFoundByNameAndKind) {
  TestForm form;
  EXPECT_EQ(form.Find("txtName"), &form.txtName);
  EXPECT_EQ(form.Find("TXTNAME"), &form.txtName);
  EXPECT_EQ(form.Find<TextBox>("txtName"), &form.txtName);
  EXPECT_EQ(form.Find<CheckBox>("txtName"), nullptr);
  EXPECT_EQ(form.Find("missing"), nullptr);
  EXPECT_EQ(form.Controls().front(), &form.txtName);
  EXPECT_EQ(form.Controls().size(), 9u);
}

TEST(FormTest, LoadRunsOnceAndUnloadLetsTheNextShowLoadAgain) {
  TestForm form;
  std::vector<std::string> log;
  form.onLoad = [&] { log.push_back("load"); };
  form.onUnload = [&] { log.push_back("unload"); };
  form.Show();
  form.Show();
  EXPECT_TRUE(form.Visible());
  form.Unload();
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  form.Unload();
  form.Show();
  EXPECT_EQ(log, (std::vector<std::string>{"load", "unload", "load"}));
}

TEST(FormTest, ListenersHearChangesUntilTheyUnsubscribe) {
  TestForm form;
  int heard = 0;
  const int id = form.chkA.Subscribe([&](Control&) { ++heard; });
  form.chkA.SetCaption("x");
  form.chkA.SetCaption("x");
  form.chkA.Hide();
  form.chkA.SetValue(1);
  EXPECT_EQ(heard, 3);
  form.chkA.Unsubscribe(id);
  form.chkA.Show();
  EXPECT_EQ(heard, 3);
}

}  // namespace
}  // namespace qvl::forms
