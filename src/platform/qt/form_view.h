#pragma once
// Draws a forms::Form as a Qt window: one widget per control at its place
// (15 twips to a pixel), values bound both ways, and the operator's actions
// handed to the model's setters, which fire the model's handlers. Option
// buttons are not grouped in Qt: the model keeps them exclusive.
#include <QFont>
#include <QMainWindow>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/forms/form.h"

class QAction;
class QListWidget;
class QMenu;
class QMouseEvent;

namespace qvl::qt {

inline constexpr int kTwipsPerPixel = 15;
int ToPixels(int twips);
// The font every window draws with (the fonts-dejavu-extra package).
QFont WindowFont();

class FormView : public QMainWindow {
  Q_OBJECT

 public:
  explicit FormView(forms::Form& form, QWidget* parent = nullptr);
  ~FormView() override;

  forms::Form& Model() const { return form_; }
  // The widget drawing a control (nullptr for menus and unknown names).
  QWidget* Widget(std::string_view controlName) const;
  // The action of a menu item, or the menu-bar entry of a menu title.
  QAction* Action(std::string_view controlName) const;
  // The area the form's places are measured from.
  QWidget* Client() const { return client_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  QWidget* Create(forms::Control& control, QWidget* parent);
  void Connect(forms::Control& control, QWidget* widget);
  void BuildMenu(forms::MenuItem& item);
  void KeepSelectionAsModelHolds(forms::Control& control, QListWidget* list);
  void OpenFolder(forms::FolderList& folder, const std::string& path);
  // Turns a press on a list's highlighted entry into the list's click.
  void ClickOnHighlightedEntry(QObject* viewport, const QMouseEvent& press);
  void Sync(forms::Control& control);
  void SyncForm();
  // Runs an operator action on the model, then redraws the control (the
  // model may have kept its value), reporting what escapes the handlers.
  void Act(forms::Control& control, const std::function<void()>& action);

  forms::Form& form_;
  QWidget* client_ = nullptr;
  std::unordered_map<forms::Control*, QWidget*> widgets_;
  std::unordered_map<forms::Control*, QAction*> actions_;
  std::unordered_map<forms::Control*, QMenu*> menus_;
  std::vector<std::pair<forms::Control*, int>> subscriptions_;
  int formSubscription_ = 0;
  int shownCount_ = 0;
  bool syncing_ = false;
};

}  // namespace qvl::qt
