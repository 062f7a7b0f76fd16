#pragma once
// The program's windows on the desktop: one view per form, each shown and
// hidden as its form is. When the main form unloads, the other forms unload
// too and the application quits.
#include <memory>
#include <vector>

#include "platform/forms/form.h"
#include "platform/qt/form_view.h"

namespace qvl::qt {

class Desktop {
 public:
  explicit Desktop(forms::Form& mainForm);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // A further window (an about box), drawn when its form shows.
  void Add(forms::Form& form);
  FormView& View(const forms::Form& form) const;
  FormView& MainView() const { return *views_.front(); }

 private:
  forms::Form& main_;
  int subscription_ = 0;
  bool mainLoaded_ = false;
  std::vector<std::unique_ptr<FormView>> views_;
};

}  // namespace qvl::qt
