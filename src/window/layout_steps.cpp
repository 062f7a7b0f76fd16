#include "window/layout_steps.h"

#include <stdexcept>

#include "window/qvledgerloom.h"

namespace qvl::layout {

namespace {

Step Make(Step::Op op, std::initializer_list<std::string_view> controls, std::string text = {},
          int value = 0) {
  Step step{op, {}, std::move(text), value, {}, {}, {}};
  for (std::string_view name : controls) step.controls.emplace_back(name);
  return step;
}

forms::Control& Named(QvLedgerloom& window, const std::string& name) {
  forms::Control* control = window.Find(name);
  if (control == nullptr) throw std::logic_error("a layout names no control \"" + name + "\"");
  return *control;
}

template <class T>
T& Named(QvLedgerloom& window, const std::string& name, const char* kind) {
  T* control = dynamic_cast<T*>(&Named(window, name));
  if (control == nullptr) throw std::logic_error("a layout takes \"" + name + "\" for a " + kind);
  return *control;
}

const std::string& Only(const Step& step) {
  if (step.controls.size() != 1) throw std::logic_error("a layout step names one control");
  return step.controls.front();
}

bool IsChecked(QvLedgerloom& window, const std::string& name) {
  forms::Control& control = Named(window, name);
  if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) return box->Checked();
  if (auto* option = dynamic_cast<forms::OptionButton*>(&control)) return option->Value();
  throw std::logic_error("a layout tests \"" + name + "\", which is neither check box nor option");
}

}  // namespace

Step Pattern(std::string pattern) { return Make(Step::Op::Pattern, {}, std::move(pattern)); }
Step Show(std::initializer_list<std::string_view> controls) { return Make(Step::Op::Show, controls); }
Step Hide(std::initializer_list<std::string_view> controls) { return Make(Step::Op::Hide, controls); }
Step HideOptions() { return Hide({"lblOptions", "Summarized", "Details"}); }

Step Caption(std::string_view control, std::string caption) {
  return Make(Step::Op::Caption, {control}, std::move(caption));
}

Step Check(std::string_view control, int value) { return Make(Step::Op::Check, {control}, {}, value); }
Step Select(std::string_view control) { return Make(Step::Op::Select, {control}); }

Step SetText(std::string_view control, std::string text) {
  return Make(Step::Op::SetText, {control}, std::move(text));
}

Step Samples(std::vector<std::string> lines) {
  Step step = Make(Step::Op::Samples, {});
  step.lines = std::move(lines);
  return step;
}

Step IfChecked(std::initializer_list<std::string_view> anyOf, Layout then, Layout otherwise) {
  Step step = Make(Step::Op::IfChecked, anyOf);
  step.then = std::move(then);
  step.otherwise = std::move(otherwise);
  return step;
}

std::string Line(std::initializer_list<std::string_view> parts) {
  std::string line;
  for (std::string_view part : parts) line += part;
  return line;
}

void Apply(QvLedgerloom& window, const Layout& steps) {
  for (const Step& step : steps) {
    switch (step.op) {
      case Step::Op::Pattern:
        window.filInput.SetPattern(step.text);
        break;
      case Step::Op::Show:
      case Step::Op::Hide:
        for (const std::string& name : step.controls) Named(window, name).SetVisible(step.op == Step::Op::Show);
        break;
      case Step::Op::Caption:
        Named(window, Only(step)).SetCaption(step.text);
        break;
      case Step::Op::Check:
        Named<forms::CheckBox>(window, Only(step), "check box").SetValue(step.value);
        break;
      case Step::Op::Select:
        Named<forms::OptionButton>(window, Only(step), "option button").SetValue(true);
        break;
      case Step::Op::SetText:
        Named<forms::TextBox>(window, Only(step), "text box").SetText(step.text);
        break;
      case Step::Op::Samples:
        for (const std::string& line : step.lines) window.ShowSample.AddItem(line);
        break;
      case Step::Op::IfChecked: {
        bool any = false;
        for (const std::string& name : step.controls) any = IsChecked(window, name) || any;
        Apply(window, any ? step.then : step.otherwise);
        break;
      }
    }
  }
}

}  // namespace qvl::layout
