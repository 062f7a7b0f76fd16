#include "platform/qt/desktop.h"

#include <QApplication>
#include <stdexcept>

namespace qvl::qt {

Desktop::Desktop(forms::Form& mainForm) : main_(mainForm) {
  views_.push_back(std::make_unique<FormView>(mainForm));
  mainLoaded_ = mainForm.Loaded();
  subscription_ = main_.Subscribe([this](forms::Form& form) {
    const bool unloaded = mainLoaded_ && !form.Loaded();
    mainLoaded_ = form.Loaded();
    if (!unloaded) return;
    for (std::size_t i = 1; i < views_.size(); ++i) views_[i]->Model().Unload();
    QApplication::quit();
  });
}

Desktop::~Desktop() { main_.Unsubscribe(subscription_); }

void Desktop::Add(forms::Form& form) { views_.push_back(std::make_unique<FormView>(form)); }

FormView& Desktop::View(const forms::Form& form) const {
  for (const auto& view : views_) {
    if (&view->Model() == &form) return *view;
  }
  throw std::logic_error("form has no view");
}

}  // namespace qvl::qt
