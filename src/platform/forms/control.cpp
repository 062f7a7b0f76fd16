#include "platform/forms/control.h"

#include <utility>

#include "platform/forms/form.h"
#include "platform/vb/error.h"

namespace qvl::forms {

Control::Control(Form& owner, Kind kind, std::string name)
    : owner_(&owner), kind_(kind), name_(std::move(name)) {
  owner.Register(*this);
}

Control::~Control() { owner_->Unregister(*this); }

void Control::SetContainer(Control* container) {
  if (container_ == container) return;
  container_ = container;
  Changed();
}

void Control::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::SetFontBold(bool bold) {
  if (fontBold_ == bold) return;
  fontBold_ = bold;
  Changed();
}

void Control::SetToolTipText(std::string tip) {
  if (toolTip_ == tip) return;
  toolTip_ = std::move(tip);
  Changed();
}

void Control::SetPlace(Rect place) {
  if (place_ == place) return;
  place_ = place;
  Changed();
}

void SetVisible(std::initializer_list<Control*> controls, bool visible) {
  for (Control* control : controls) control->SetVisible(visible);
}

void TextBox::SetText(std::string text) {
  if (maxLength_ > 0 && text.size() > maxLength_) text.resize(maxLength_);
  if (text_ == text) return;
  text_ = std::move(text);
  Changed();
  Fire(onChange);
}

void TextBox::SetMaxLength(std::size_t maxLength) {
  if (maxLength_ == maxLength) return;
  maxLength_ = maxLength;
  Changed();
}

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) throw vb::InvalidPropertyValue();
  if (value_ == value) return;
  value_ = value;
  Changed();
  Fire(onClick);
}

void OptionButton::SetValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  if (value) {
    for (Control* other : Owner().Controls()) {
      auto* option = dynamic_cast<OptionButton*>(other);
      if (option && option != this && option->Container() == Container() && option->value_) {
        option->value_ = false;
        option->Changed();
      }
    }
  }
  Changed();
  if (value) Fire(onClick);
}

}  // namespace qvl::forms
