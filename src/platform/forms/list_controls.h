#pragma once
// Controls that hold a list of texts with one selected position.
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace qvl::forms {

// The list part shared by list boxes, combo boxes and file lists. Positions
// are 0-based; -1 means nothing is selected.
class ListControl : public Control {
 public:
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The text at a position ("" outside the list).
  std::string List(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return listIndex_; }
  // Fires onClick when the position changes (to -1 too). A position outside
  // FirstIndex() .. ListCount()-1 is refused (vb::Error 380).
  void SetListIndex(int index);
  // Single selection: selecting a position is setting ListIndex to it;
  // deselecting the selected one sets ListIndex to -1.
  bool Selected(int index) const { return index >= 0 && index == listIndex_; }
  void SetSelected(int index, bool selected);
  // Index of the first entry whose text is exactly `text`, or -1.
  int IndexOf(std::string_view text) const;

  Handler onClick;
  // Whether a click on the entry already selected fires onClick again, as a
  // file or line list does (the operator takes that entry once more). A list
  // whose click lays the window out for a choice leaves it off: the same
  // choice again changes nothing.
  bool clickWhenSelected = true;

 protected:
  ListControl(Form& owner, Kind kind, std::string name)
      : Control(owner, kind, std::move(name)) {}
  // The list changes without events; the selection is lost.
  void ReplaceItems(std::vector<std::string> items);
  void AppendItem(std::string item);
  void RemoveAt(int index);
  // The lowest position the list holds (-1: none selected).
  virtual int FirstIndex() const { return -1; }
  // Runs after ListIndex changed and before onClick fires.
  virtual void IndexChanged() {}
  void SetListIndexQuietly(int index);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& owner, std::string name) : ListControl(owner, Kind::ListBox, std::move(name)) {}
  // The selected entry's text ("" when none).
  std::string Text() const { return List(ListIndex()); }
  void AddItem(std::string item) { AppendItem(std::move(item)); }
  // Removing or clearing fires nothing; removing the selected entry leaves
  // nothing selected.
  void RemoveItem(int index) { RemoveAt(index); }
  void Clear() { ReplaceItems({}); }
};

// A list plus an editable text. Choosing an entry puts its text into the
// edit part (no change event); editing the text so it no longer reads as the
// chosen entry leaves nothing chosen.
class ComboBox : public ListControl {
 public:
  ComboBox(Form& owner, std::string name) : ListControl(owner, Kind::ComboBox, std::move(name)) {}
  const std::string& Text() const { return text_; }
  // Fires onChange when the text changes.
  void SetText(std::string text);
  void AddItem(std::string item) { AppendItem(std::move(item)); }
  void RemoveItem(int index) { RemoveAt(index); }
  void Clear() { ReplaceItems({}); }
  void LostFocus() { Fire(onLostFocus); }

  Handler onChange;
  Handler onLostFocus;

 private:
  void IndexChanged() override;
  std::string text_;
};

}  // namespace qvl::forms
