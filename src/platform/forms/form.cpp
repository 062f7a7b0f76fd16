#include "platform/forms/form.h"

#include <algorithm>
#include <utility>

#include "platform/vb/text.h"

namespace qvl::forms {

Form::Form(std::string name, std::string caption, int width, int height)
    : name_(std::move(name)), caption_(std::move(caption)), width_(width), height_(height) {}

Form::~Form() = default;

void Form::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad) onLoad();
  Changed();
}

void Form::Show() {
  Load();
  if (!loaded_) return;  // the load handler may have unloaded it
  visible_ = true;
  ++showCount_;
  Changed();
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Changed();
}

void Form::Unload() {
  if (!loaded_) return;
  if (onUnload) onUnload();
  loaded_ = false;
  visible_ = false;
  Changed();
}

Control* Form::Find(std::string_view name) const {
  auto found = std::find_if(controls_.begin(), controls_.end(), [name](const Control* c) {
    return vb::EqualsNoCase(c->Name(), name);
  });
  return found == controls_.end() ? nullptr : *found;
}

void Form::Register(Control& control) { controls_.push_back(&control); }

void Form::Unregister(Control& control) { std::erase(controls_, &control); }

}  // namespace qvl::forms
