#pragma once
// The toolkit-independent controls of a window. A control holds the values the
// program reads and sets (caption or text, value, visibility, list contents,
// place); a front end draws it and feeds the operator's actions back through
// the same setters. Setting a value from code fires the control's handler
// synchronously, once, before the setter returns, and only when the value
// actually changes: the window's handlers rely on that order.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvl::forms {

class Form;

enum class Kind {
  Label,
  TextBox,
  ComboBox,
  ListBox,
  CheckBox,
  OptionButton,
  Frame,
  Picture,
  CommandButton,
  MenuItem,
  Line,
  DriveList,
  FolderList,
  FileList,
};

// A place in twips (1/1440 inch), measured from the top left corner of the
// control's container: the form's inner area, or a frame.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

using Handler = std::function<void()>;

// The listeners of one control or form, told after any of its properties
// changed (front ends redraw).
template <class T>
class Listeners {
 public:
  using Listener = std::function<void(T&)>;

  // The id to unsubscribe with.
  int Subscribe(Listener listener) {
    list_.emplace_back(++nextId_, std::move(listener));
    return nextId_;
  }
  void Unsubscribe(int id) {
    std::erase_if(list_, [id](const auto& entry) { return entry.first == id; });
  }
  void Tell(T& changed) const {
    // A listener may unsubscribe while being told; work on a copy.
    auto listeners = list_;
    for (auto& [id, listener] : listeners) listener(changed);
  }

 private:
  int nextId_ = 0;
  std::vector<std::pair<int, Listener>> list_;
};

class Control {
 public:
  using Listener = Listeners<Control>::Listener;

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  Form& Owner() const { return *owner_; }
  // The frame (or menu) that holds this control; nullptr: the form itself.
  Control* Container() const { return container_; }
  void SetContainer(Control* container);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool bold);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string tip);
  const Rect& Place() const { return place_; }
  void SetPlace(Rect place);

  int Subscribe(Listener listener) { return listeners_.Subscribe(std::move(listener)); }
  void Unsubscribe(int id) { listeners_.Unsubscribe(id); }

 protected:
  Control(Form& owner, Kind kind, std::string name);
  // Tells the listeners that something changed.
  void Changed() { listeners_.Tell(*this); }
  static void Fire(const Handler& handler) {
    if (handler) handler();
  }

 private:
  Form* owner_;
  Kind kind_;
  std::string name_;
  Control* container_ = nullptr;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool fontBold_ = false;
  std::string toolTip_;
  Rect place_;
  Listeners<Control> listeners_;
};

// Shows or hides every control of the list.
void SetVisible(std::initializer_list<Control*> controls, bool visible);

class Label : public Control {
 public:
  Label(Form& owner, std::string name) : Control(owner, Kind::Label, std::move(name)) {}
};

// A frame groups controls (and option buttons into one group).
class Frame : public Control {
 public:
  Frame(Form& owner, std::string name) : Control(owner, Kind::Frame, std::move(name)) {}
};

// A picture: the caption stands for the image (what a front end shows).
class Picture : public Control {
 public:
  Picture(Form& owner, std::string name) : Control(owner, Kind::Picture, std::move(name)) {}
};

// A decorative line; its place gives the two ends' bounding box.
class Line : public Control {
 public:
  Line(Form& owner, std::string name) : Control(owner, Kind::Line, std::move(name)) {}
};

class CommandButton : public Control {
 public:
  CommandButton(Form& owner, std::string name)
      : Control(owner, Kind::CommandButton, std::move(name)) {}
  // The operator's click (or a click from code).
  void Click() { Fire(onClick); }
  Handler onClick;
};

// A menu title (no container) or an item of the menu given as its container.
class MenuItem : public Control {
 public:
  MenuItem(Form& owner, std::string name) : Control(owner, Kind::MenuItem, std::move(name)) {}
  void Click() { Fire(onClick); }
  Handler onClick;
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, std::string name) : Control(owner, Kind::TextBox, std::move(name)) {}
  const std::string& Text() const { return text_; }
  // A text longer than MaxLength is cut to it, typed or set from code.
  void SetText(std::string text);
  // 0: no limit.
  std::size_t MaxLength() const { return maxLength_; }
  void SetMaxLength(std::size_t maxLength);
  // The operator leaves the box.
  void LostFocus() { Fire(onLostFocus); }

  Handler onChange;
  Handler onLostFocus;

 private:
  std::string text_;
  std::size_t maxLength_ = 0;
};

// Value 0 clear, 1 checked, 2 grayed.
class CheckBox : public Control {
 public:
  CheckBox(Form& owner, std::string name) : Control(owner, Kind::CheckBox, std::move(name)) {}
  int Value() const { return value_; }
  bool Checked() const { return value_ == 1; }
  // Fires onClick when the value changes. Values other than 0, 1, 2 are
  // refused (vb::Error 380).
  void SetValue(int value);
  // The operator's click: clear becomes checked, anything else clear.
  void Click() { SetValue(value_ == 1 ? 0 : 1); }
  Handler onClick;

 private:
  int value_ = 0;
};

// Option buttons of one container exclude each other: selecting one
// deselects the others of its container, which fire nothing.
class OptionButton : public Control {
 public:
  OptionButton(Form& owner, std::string name)
      : Control(owner, Kind::OptionButton, std::move(name)) {}
  bool Value() const { return value_; }
  // Fires onClick when the button becomes selected; deselecting fires nothing.
  void SetValue(bool value);
  void Click() { SetValue(true); }
  Handler onClick;

 private:
  bool value_ = false;
};

}  // namespace qvl::forms
