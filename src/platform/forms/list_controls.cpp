#include "platform/forms/list_controls.h"

#include <utility>

#include "platform/vb/error.h"

namespace qvl::forms {

std::string ListControl::List(int index) const {
  if (index < 0 || index >= ListCount()) return "";
  return items_[static_cast<std::size_t>(index)];
}

void ListControl::SetListIndex(int index) {
  if (index < FirstIndex() || index >= ListCount()) throw vb::InvalidPropertyValue();
  if (index == listIndex_) return;
  listIndex_ = index;
  IndexChanged();
  Changed();
  Fire(onClick);
}

void ListControl::SetSelected(int index, bool selected) {
  if (selected) {
    SetListIndex(index);
  } else if (index == listIndex_) {
    SetListIndex(-1);
  }
}

int ListControl::IndexOf(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text) return static_cast<int>(i);
  }
  return -1;
}

void ListControl::ReplaceItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  Changed();
}

void ListControl::AppendItem(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void ListControl::RemoveAt(int index) {
  if (index < 0 || index >= ListCount()) throw vb::InvalidProcedureCall();
  items_.erase(items_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Changed();
}

void ListControl::SetListIndexQuietly(int index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  Changed();
}

void ComboBox::SetText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  if (ListIndex() >= 0 && List(ListIndex()) != text_) SetListIndexQuietly(-1);
  Changed();
  Fire(onChange);
}

void ComboBox::IndexChanged() {
  if (ListIndex() >= 0) text_ = List(ListIndex());
}

}  // namespace qvl::forms
