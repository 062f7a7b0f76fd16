#include "platform/qt/form_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <cmath>
#include <exception>

#include "platform/qt/encoding.h"

namespace qvl::qt {

namespace {

using forms::Kind;

// Replaces a list widget's rows only when they differ, so the operator's
// scroll position survives unrelated updates.
void SetRows(QListWidget* list, const QStringList& rows) {
  bool same = list->count() == rows.size();
  for (int i = 0; same && i < rows.size(); ++i) same = list->item(i)->text() == rows[i];
  if (same) return;
  list->clear();
  list->addItems(rows);
}

void SetItems(QComboBox* combo, const QStringList& items) {
  bool same = combo->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = combo->itemText(i) == items[i];
  if (same) return;
  combo->clear();
  combo->addItems(items);
}

QStringList Rows(const std::vector<std::string>& items) {
  QStringList rows;
  for (const auto& item : items) rows << ToQString(item);
  return rows;
}

// The last component of a drive-form folder ("c:\" for the root).
QString FolderName(const std::string& path) {
  const auto cut = path.find_last_of('\\');
  if (cut == std::string::npos || cut + 1 == path.size()) return ToQString(path);
  return ToQString(path.substr(cut + 1));
}

// Leaving a control is focus moving on to another control of the same
// window. Focus lost to another application, a dialog, a menu or the
// control's own drop-down list comes back to the control, so the operator
// has not left it; Qt sends such a control more than one FocusOut while its
// list is open.
bool LeavesTheControl(const QEvent* event, const QWidget* control) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
  const QWidget* next = QApplication::focusWidget();
  return next != nullptr && next->window() == control->window() && next != control &&
         !control->isAncestorOf(next);
}

// A drive list, closed, shows its drive and as much of the drive's folder as
// its box holds, ending in an ellipsis (the open list is as wide as its
// longest entry).
class DriveBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // The style draws the label one pixel in from each side of this field.
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
};

}  // namespace

QFont WindowFont() {
  // The controls' places were laid out for a small, narrow dialog font: at
  // this size every caption the window and the package layouts give a
  // control fits it on one line, or on the lines its height holds.
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans Condensed")});
  font.setPixelSize(10);
  return font;
}

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

FormView::FormView(forms::Form& form, QWidget* parent) : QMainWindow(parent), form_(form) {
  setFont(WindowFont());
  Build();
  formSubscription_ = form_.Subscribe([this](forms::Form&) { SyncForm(); });
  SyncForm();
}

FormView::~FormView() {
  form_.Unsubscribe(formSubscription_);
  for (auto [control, id] : subscriptions_) control->Unsubscribe(id);
}

void FormView::Build() {
  client_ = new QWidget(this);
  client_->setFixedSize(ToPixels(form_.Width()), ToPixels(form_.Height()));
  setCentralWidget(client_);

  // Containers first, so their contents can be placed inside them; then the
  // rest in model order, which is the stacking order.
  for (forms::Control* control : form_.Controls()) {
    if (control->GetKind() == Kind::MenuItem) {
      BuildMenu(static_cast<forms::MenuItem&>(*control));
      continue;
    }
    QWidget* parent = client_;
    if (forms::Control* container = control->Container()) {
      auto found = widgets_.find(container);
      if (found != widgets_.end()) parent = found->second;
    }
    QWidget* widget = Create(*control, parent);
    widgets_[control] = widget;
    Connect(*control, widget);
  }
  for (forms::Control* control : form_.Controls()) {
    subscriptions_.emplace_back(control, control->Subscribe([this](forms::Control& c) { Sync(c); }));
    Sync(*control);
  }
  const int menuHeight = menus_.empty() ? 0 : menuBar()->sizeHint().height();
  if (menus_.empty()) setMenuBar(nullptr);
  setFixedSize(client_->width(), client_->height() + menuHeight);
}

void FormView::BuildMenu(forms::MenuItem& item) {
  if (forms::Control* container = item.Container()) {
    auto menu = menus_.find(container);
    if (menu == menus_.end()) return;
    QAction* action = menu->second->addAction(ToQString(item.Caption()));
    actions_[&item] = action;
    connect(action, &QAction::triggered, this, [this, &item] { Act(item, [&item] { item.Click(); }); });
  } else {
    QMenu* menu = menuBar()->addMenu(ToQString(item.Caption()));
    menus_[&item] = menu;
    actions_[&item] = menu->menuAction();
  }
}

QWidget* FormView::Create(forms::Control& control, QWidget* parent) {
  switch (control.GetKind()) {
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::TextBox: return new QLineEdit(parent);
    case Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      // The typed text stands exactly as typed: nothing completes it, and
      // neither Enter nor finishing the edit picks a listed entry that
      // resembles it. Only the list itself, or the arrow keys, choose one.
      combo->setCompleter(nullptr);
      QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
      return combo;
    }
    case Kind::ListBox:
    case Kind::FileList:
    case Kind::FolderList: return new QListWidget(parent);
    case Kind::CheckBox: return new QCheckBox(parent);
    case Kind::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);
      return option;
    }
    case Kind::Frame: {
      auto* frame = new QGroupBox(parent);
      frame->setFlat(true);
      return frame;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignCenter);
      picture->setFrameShape(QFrame::Panel);
      picture->setFrameShadow(QFrame::Sunken);
      picture->setStyleSheet(
          "QLabel { background: #1f4e79; color: white; font-weight: bold; font-size: 15px; }");
      return picture;
    }
    case Kind::CommandButton: return new QPushButton(parent);
    case Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case Kind::DriveList: return new DriveBox(parent);
    case Kind::MenuItem: break;
  }
  return new QWidget(parent);
}

void FormView::Connect(forms::Control& control, QWidget* widget) {
  switch (control.GetKind()) {
    case Kind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(control);
      auto* edit = static_cast<QLineEdit*>(widget);
      connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        Act(box, [&box, text] { box.SetText(FromQString(text)); });
      });
      edit->installEventFilter(this);
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<forms::ComboBox&>(control);
      auto* widgetCombo = static_cast<QComboBox*>(widget);
      connect(widgetCombo, &QComboBox::activated, this, [this, &combo](int index) {
        Act(combo, [&combo, index] { combo.SetListIndex(index); });
      });
      connect(widgetCombo->lineEdit(), &QLineEdit::textEdited, this,
              [this, &combo](const QString& text) {
                Act(combo, [&combo, text] { combo.SetText(FromQString(text)); });
              });
      widgetCombo->installEventFilter(this);
      widgetCombo->lineEdit()->installEventFilter(this);
      break;
    }
    case Kind::ListBox:
    case Kind::FileList: {
      auto& list = static_cast<forms::ListControl&>(control);
      auto* widgetList = static_cast<QListWidget*>(widget);
      connect(widgetList, &QListWidget::currentRowChanged, this,
              [this, &list](int row) { Act(list, [&list, row] { list.SetListIndex(row); }); });
      KeepSelectionAsModelHolds(list, widgetList);
      // A click on an entry is the list's click even when the entry is
      // highlighted already, so clicking a file again puts its path back
      // into a box that was edited since. A click on another entry moves the
      // highlight, which fires the click through the model.
      widgetList->viewport()->installEventFilter(this);
      break;
    }
    case Kind::FolderList: {
      auto& folder = static_cast<forms::FolderList&>(control);
      auto* list = static_cast<QListWidget*>(widget);
      connect(list, &QListWidget::currentRowChanged, this, [this, &folder](int row) {
        if (row < 0) return;
        Act(folder, [&folder, row] { folder.SetListIndex(row - folder.AncestorCount()); });
      });
      connect(list, &QListWidget::itemActivated, this, [this, &folder, list](QListWidgetItem* item) {
        const int index = list->row(item) - folder.AncestorCount();
        Act(folder, [this, &folder, index] { OpenFolder(folder, folder.List(index)); });
      });
      KeepSelectionAsModelHolds(folder, list);
      break;
    }
    case Kind::DriveList: {
      auto& drive = static_cast<forms::DriveList&>(control);
      connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this, [this, &drive](int i) {
        Act(drive, [&drive, i] { drive.SetDrive(drive.List(i)); });
      });
      break;
    }
    case Kind::CheckBox: {
      auto& box = static_cast<forms::CheckBox&>(control);
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
              [this, &box] { Act(box, [&box] { box.Click(); }); });
      break;
    }
    case Kind::OptionButton: {
      auto& option = static_cast<forms::OptionButton&>(control);
      connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
              [this, &option] { Act(option, [&option] { option.Click(); }); });
      break;
    }
    case Kind::CommandButton: {
      auto& button = static_cast<forms::CommandButton&>(control);
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, &button] { Act(button, [&button] { button.Click(); }); });
      break;
    }
    default: break;
  }
}

void FormView::Act(forms::Control& control, const std::function<void()>& action) {
  if (syncing_) return;  // a widget echoing a value the model just set
  try {
    action();
  } catch (const std::exception& e) {
    QMessageBox::warning(this, ToQString(form_.Caption()), QString::fromLocal8Bit(e.what()));
  }
  Sync(control);
}

void FormView::KeepSelectionAsModelHolds(forms::Control& control, QListWidget* list) {
  // A list holds exactly the selection its model holds: Ctrl+click on the
  // highlighted entry would clear Qt's selection while the model, and so a
  // run, still holds that entry.
  connect(list, &QListWidget::itemSelectionChanged, this, [this, &control] {
    if (!syncing_) Sync(control);
  });
}

void FormView::OpenFolder(forms::FolderList& folder, const std::string& path) {
  const bool again = path == folder.Path();
  folder.SetPath(path);
  if (!again) return;
  // Opening the open folder fires no change, but the operator asks for the
  // disk to be read again: the folder's files too, where a list shows them.
  for (forms::Control* control : form_.Controls()) {
    if (control->GetKind() != Kind::FileList) continue;
    auto* files = static_cast<forms::FileList*>(control);
    if (files->Path() == folder.Path()) files->Refresh();
  }
}

void FormView::ClickOnHighlightedEntry(QObject* viewport, const QMouseEvent& press) {
  if (press.button() != Qt::LeftButton) return;
  for (auto& [control, widget] : widgets_) {
    const Kind kind = control->GetKind();
    if (kind != Kind::ListBox && kind != Kind::FileList) continue;
    auto* list = static_cast<QListWidget*>(widget);
    if (list->viewport() != viewport) continue;
    auto* model = static_cast<forms::ListControl*>(control);
    const int row = list->indexAt(press.position().toPoint()).row();
    if (row >= 0 && row == model->ListIndex() && model->clickWhenSelected) {
      Act(*model, [model] {
        if (model->onClick) model->onClick();
      });
    }
    return;
  }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    ClickOnHighlightedEntry(watched, *static_cast<QMouseEvent*>(event));
  }
  if (event->type() != QEvent::FocusOut) return QMainWindow::eventFilter(watched, event);
  for (auto& [control, widget] : widgets_) {
    const bool isCombo = control->GetKind() == Kind::ComboBox;
    if (widget != watched && !(isCombo && static_cast<QComboBox*>(widget)->lineEdit() == watched)) {
      continue;
    }
    if (!LeavesTheControl(event, widget)) break;
    if (control->GetKind() == Kind::TextBox) {
      auto* box = static_cast<forms::TextBox*>(control);
      Act(*box, [box] { box->LostFocus(); });
    } else if (isCombo) {
      auto* box = static_cast<forms::ComboBox*>(control);
      Act(*box, [box] { box->LostFocus(); });
    }
    break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormView::closeEvent(QCloseEvent* event) {
  // The model decides: unloading runs the form's unload handler and then
  // hides this view through SyncForm.
  event->ignore();
  if (form_.Loaded()) {
    try {
      form_.Unload();
    } catch (const std::exception& e) {
      QMessageBox::warning(this, ToQString(form_.Caption()), QString::fromLocal8Bit(e.what()));
    }
  } else {
    hide();
  }
}

void FormView::SyncForm() {
  setWindowTitle(ToQString(form_.Caption()));
  const bool wasVisible = isVisible();
  setVisible(form_.Visible());
  if (form_.ShowCount() == shownCount_) return;
  shownCount_ = form_.ShowCount();
  if (wasVisible && form_.Visible()) {
    // Shown again while open, perhaps behind another window: to the front.
    raise();
    activateWindow();
  }
}

QWidget* FormView::Widget(std::string_view controlName) const {
  forms::Control* control = form_.Find(controlName);
  auto found = control ? widgets_.find(control) : widgets_.end();
  return found == widgets_.end() ? nullptr : found->second;
}

QAction* FormView::Action(std::string_view controlName) const {
  forms::Control* control = form_.Find(controlName);
  auto found = control ? actions_.find(control) : actions_.end();
  return found == actions_.end() ? nullptr : found->second;
}

void FormView::Sync(forms::Control& control) {
  const bool wasSyncing = syncing_;
  syncing_ = true;
  if (auto action = actions_.find(&control); action != actions_.end()) {
    action->second->setText(ToQString(control.Caption()));
    action->second->setVisible(control.Visible());
    action->second->setEnabled(control.Enabled());
    syncing_ = wasSyncing;
    return;
  }
  auto found = widgets_.find(&control);
  if (found == widgets_.end()) {
    syncing_ = wasSyncing;
    return;
  }
  QWidget* widget = found->second;
  const QSignalBlocker blocker(widget);
  const forms::Rect& place = control.Place();
  widget->setGeometry(ToPixels(place.left), ToPixels(place.top), ToPixels(place.width),
                      ToPixels(place.height));
  widget->setEnabled(control.Enabled());
  widget->setToolTip(ToQString(control.ToolTipText()));
  if (control.GetKind() != Kind::Picture) {
    QFont font = widget->font();
    font.setBold(control.FontBold());
    widget->setFont(font);
  }
  const QString caption = ToQString(control.Caption());

  switch (control.GetKind()) {
    case Kind::Label:
    case Kind::Picture: {
      auto* label = static_cast<QLabel*>(widget);
      if (label->text() != caption) {
        label->setText(caption);
        // Progress text must show at once, while a run holds the thread.
        label->repaint();
      }
      break;
    }
    case Kind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(control);
      auto* edit = static_cast<QLineEdit*>(widget);
      edit->setMaxLength(box.MaxLength() > 0 ? static_cast<int>(box.MaxLength()) : 32767);
      const QString text = ToQString(box.Text());
      if (edit->text() != text) {
        edit->setText(text);
        // A text the window puts in reads from its first character, as a
        // long sample line must; typing never comes here (the texts agree).
        edit->setCursorPosition(0);
      }
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<forms::ComboBox&>(control);
      auto* widgetCombo = static_cast<QComboBox*>(widget);
      const QSignalBlocker editBlocker(widgetCombo->lineEdit());
      SetItems(widgetCombo, Rows(combo.Items()));
      const QString text = ToQString(combo.Text());
      // Editing a listed entry drops the model's list position. Moving the
      // widget's position to none would empty and refill the edit line under
      // the operator's caret, so it follows only when the text changes too.
      const bool editing = combo.ListIndex() < 0 && widgetCombo->currentText() == text;
      if (!editing && widgetCombo->currentIndex() != combo.ListIndex()) {
        widgetCombo->setCurrentIndex(combo.ListIndex());
      }
      if (widgetCombo->currentText() != text) widgetCombo->setEditText(text);
      break;
    }
    case Kind::ListBox:
    case Kind::FileList: {
      auto& list = static_cast<forms::ListControl&>(control);
      auto* widgetList = static_cast<QListWidget*>(widget);
      SetRows(widgetList, Rows(list.Items()));
      widgetList->setCurrentRow(list.ListIndex());
      break;
    }
    case Kind::FolderList: {
      auto& folder = static_cast<forms::FolderList&>(control);
      auto* widgetList = static_cast<QListWidget*>(widget);
      QStringList rows;
      for (int i = -1; i >= -folder.AncestorCount(); --i) {
        rows.prepend(QString(folder.AncestorCount() + i, QChar(' ')) + FolderName(folder.List(i)));
      }
      const QString indent(folder.AncestorCount() + 1, QChar(' '));
      for (const auto& name : folder.Items()) rows << indent + ToQString(name);
      SetRows(widgetList, rows);
      const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
      const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
      for (int row = 0; row < widgetList->count(); ++row) {
        widgetList->item(row)->setIcon(row < folder.AncestorCount() ? open : closed);
      }
      widgetList->setCurrentRow(folder.ListIndex() + folder.AncestorCount());
      break;
    }
    case Kind::DriveList: {
      auto& drive = static_cast<forms::DriveList&>(control);
      auto* combo = static_cast<QComboBox*>(widget);
      SetItems(combo, Rows(drive.Items()));
      combo->setCurrentIndex(drive.ListIndex());
      break;
    }
    case Kind::CheckBox: {
      auto& box = static_cast<forms::CheckBox&>(control);
      auto* check = static_cast<QCheckBox*>(widget);
      check->setText(caption);
      check->setTristate(box.Value() == 2);
      check->setCheckState(box.Value() == 1   ? Qt::Checked
                           : box.Value() == 2 ? Qt::PartiallyChecked
                                              : Qt::Unchecked);
      break;
    }
    case Kind::OptionButton: {
      auto* option = static_cast<QRadioButton*>(widget);
      option->setText(caption);
      option->setChecked(static_cast<forms::OptionButton&>(control).Value());
      break;
    }
    case Kind::Frame: static_cast<QGroupBox*>(widget)->setTitle(caption); break;
    case Kind::CommandButton: static_cast<QPushButton*>(widget)->setText(caption); break;
    case Kind::Line:
    case Kind::MenuItem: break;
  }
  widget->setVisible(control.Visible());
  syncing_ = wasSyncing;
}

}  // namespace qvl::qt
