// Every caption the window shows must be readable whole in its control at
// the control's own size, whichever package is chosen and whichever of the
// options a layout depends on are set.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/dialogs/scripted_dialogs.h"
#include "platform/qt/encoding.h"
#include "platform/vb/clock.h"
#include "qt/qt_window_fixture.h"
#include "window/main_window_wiring.h"

namespace qvl::qt {
namespace {

// The text a caption needs against the room its control leaves for text.
struct Fit {
  QString text;
  QSize need;
  QSize room;
  bool Fits() const { return need.width() <= room.width() && need.height() <= room.height(); }
};

QRect TextRoom(QAbstractButton* button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.rect = button->rect();
  return button->style()->subElementRect(element, &option, button);
}

// What the widget's caption needs, measured with the font the widget draws
// with; empty text when the widget shows no caption.
Fit Measure(QWidget* widget) {
  const QFontMetrics metrics(widget->font());
  const int oneLine = Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect need =
        metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX), flags, label->text());
    return {label->text(), need.size(), room.size()};
  }
  if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    return {check->text(), metrics.size(oneLine, check->text()),
            TextRoom(check, QStyle::SE_CheckBoxContents).size()};
  }
  if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    return {option->text(), metrics.size(oneLine, option->text()),
            TextRoom(option, QStyle::SE_RadioButtonContents).size()};
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    return {button->text(), metrics.size(oneLine, button->text()),
            TextRoom(button, QStyle::SE_PushButtonContents).size()};
  }
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    return {frame->title(), metrics.size(oneLine, frame->title()), frame->size()};
  }
  return {};
}

class CaptionTest : public test::QtWindowFixture {
 protected:
  void SetUp() override {
    QtWindowFixture::SetUp();
    MakeWindow(boxes);
    WirePackageListAndSettings(*window);
  }

  // Every caption of a control that is not whole in it, as
  // "control \"caption\" needs WxH in WxH"; hidden controls count only when
  // asked for.
  std::set<std::string> CaptionsCut(bool hiddenToo) {
    std::set<std::string> cut;
    for (forms::Control* control : window->Controls()) {
      QWidget* widget = view->Widget(control->Name());
      if (widget == nullptr || (!hiddenToo && !widget->isVisibleTo(view->Client()))) continue;
      const Fit fit = Measure(widget);
      if (fit.text.isEmpty() || fit.Fits()) continue;
      cut.insert(control->Name() + " \"" + FromQString(fit.text) + "\" needs " +
                 std::to_string(fit.need.width()) + "x" + std::to_string(fit.need.height()) +
                 " in " + std::to_string(fit.room.width()) + "x" +
                 std::to_string(fit.room.height()));
    }
    return cut;
  }

  vb::ScopedFixedClock clock{*vb::Date::Make(2026, 12, 6, 9, 0, 0)};
  dialogs::ScriptedDialogs boxes;
};

TEST_F(CaptionTest, EveryCaptionFitsItsControl) {
  // The design captions, shown or not: every one of them can be shown.
  std::map<std::string, std::string> cut;  // what is cut, and where first
  for (const std::string& line : CaptionsCut(true)) cut.emplace(line, "the design");

  // The options a layout looks at, in every combination, under each entry.
  forms::CheckBox* const deciding[] = {&window->chkLoc, &window->chkJobCode,
                                       &window->chkOverhead, &window->chkClass,
                                       &window->chkNames};
  const int entries = window->PickFinPac.ListCount();
  ASSERT_EQ(entries, 99);
  for (int states = 0; states < 32; ++states) {
    for (int entry = 0; entry < entries; ++entry) {
      for (int box = 0; box < 5; ++box) deciding[box]->SetValue((states >> box) & 1);
      window->PickFinPac.SetListIndex(-1);
      window->PickFinPac.SetListIndex(entry);
      for (const std::string& line : CaptionsCut(false)) {
        cut.emplace(line, "\"" + window->PickFinPac.Text() + "\"");
      }
    }
  }
  EXPECT_FALSE(boxes.Failed());
  for (const auto& [line, where] : cut) ADD_FAILURE() << line << " (" << where << ")";
}

}  // namespace
}  // namespace qvl::qt
