#pragma once
// The steps a package's window layout is made of. A layout is data: an
// ordered list of steps, run against the main window through its controls,
// so every value a step sets fires that control's handler exactly as an
// operator's click would, in the order the steps give. The built-in
// layouts of the package list and the writer classes' FormatUI use the
// same steps.
//
// Controls are named as the window names them ("chkNames", "lblMSG");
// a name the window does not have, or a step that does not fit the
// control's kind, is a programming error (std::logic_error).
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

class QvLedgerloom;

namespace layout {

struct Step;
using Layout = std::vector<Step>;

struct Step {
  enum class Op {
    Pattern,    // the input-file list lists the files matching `text`
    Show,       // every control of `controls` becomes visible
    Hide,       // every control of `controls` is hidden
    Caption,    // the control gets the caption `text`
    Check,      // the check box gets the value `value` (0 clear, 1 checked)
    Select,     // the option button is selected
    SetText,    // the text box gets the text `text`
    Samples,    // `lines` are added to the sample list, first line first
    IfChecked,  // `then` when any of `controls` is checked (a check box at 1,
                // a selected option button), else `otherwise`
  };
  Op op;
  std::vector<std::string> controls;
  std::string text;
  int value = 0;
  std::vector<std::string> lines;
  Layout then;
  Layout otherwise;
};

Step Pattern(std::string pattern);
Step Show(std::initializer_list<std::string_view> controls);
Step Hide(std::initializer_list<std::string_view> controls);
// Hides the entry options: `lblOptions`, `Summarized` and `Details`.
Step HideOptions();
Step Caption(std::string_view control, std::string caption);
Step Check(std::string_view control, int value);
Step Select(std::string_view control);
Step SetText(std::string_view control, std::string text);
Step Samples(std::vector<std::string> lines);
Step IfChecked(std::initializer_list<std::string_view> anyOf, Layout then, Layout otherwise = {});

// Joins `parts`: a readable way to write sample lines with long runs of
// blanks (vb::Space(80)) or padded fields.
std::string Line(std::initializer_list<std::string_view> parts);

// Runs the steps in order.
void Apply(QvLedgerloom& window, const Layout& steps);

}  // namespace layout
}  // namespace qvl
