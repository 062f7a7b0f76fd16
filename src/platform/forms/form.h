#pragma once
// A window: its caption, its inner area, and the controls it owns. Controls
// are members of the derived window class and register themselves here, so
// each is reachable both as a typed member and by its name. Controls
// registered later lie on top of earlier ones where places overlap.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/disk_lists.h"
#include "platform/forms/list_controls.h"

namespace qvl::forms {

class Form {
 public:
  using Listener = Listeners<Form>::Listener;

  Form(std::string name, std::string caption, int width, int height);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The inner area in twips.
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Loading runs onLoad once, before the form first shows; Show loads a form
  // that is not loaded and makes it visible. Unload runs onUnload and hides
  // the form; a later Show loads it afresh. Show on a form that is already
  // visible brings it to the front: front ends raise the form each time
  // ShowCount grows.
  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  int ShowCount() const { return showCount_; }
  void Load();
  void Show();
  void Hide();
  void Unload();

  Handler onLoad;
  Handler onUnload;

  // Every control, in the order registered.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control of that name (case-insensitive), or nullptr.
  Control* Find(std::string_view name) const;
  template <class T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(Find(name));
  }

  int Subscribe(Listener listener) { return listeners_.Subscribe(std::move(listener)); }
  void Unsubscribe(int id) { listeners_.Unsubscribe(id); }

 private:
  friend class Control;
  void Register(Control& control);
  void Unregister(Control& control);
  void Changed() { listeners_.Tell(*this); }

  std::string name_;
  std::string caption_;
  int width_;
  int height_;
  bool loaded_ = false;
  bool visible_ = false;
  int showCount_ = 0;
  std::vector<Control*> controls_;
  Listeners<Form> listeners_;
};

}  // namespace qvl::forms
