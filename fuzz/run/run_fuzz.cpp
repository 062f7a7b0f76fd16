// A whole run over any bytes: the first byte chooses a package of the
// catalog (every entry a writer serves), the second its options (the input
// form among them), the third how the boxes are answered; the rest is the
// payroll export and every mapping and cross-reference file the packages
// read. The run goes through the window as an operator's would, twice in one
// session, with every box answered, and must end without a crash, a hang or
// a sanitizer finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_drive.h"
#include "engine/call_patterns.h"
#include "engine/packages.h"
#include "platform/dialogs/dialogs.h"
#include "platform/vb/clock.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/workbook/workbook.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

namespace {

using namespace qvl;

// Boxes a run may show before the operator gives up; a loop that asks again
// and again (an offset prompt, a file name) ends there.
constexpr int kMaxBoxes = 40;

// Questions answered Yes or No by the bits of `pattern`, input boxes given
// short replies in turn (the offered text, nothing, Cancel, a number, a
// piece of the input).
class ScriptedOperator : public dialogs::Dialogs {
 public:
  ScriptedOperator(std::uint8_t pattern, std::string piece) : pattern_(pattern), piece_(std::move(piece)) {}

 protected:
  int ShowMessage(const std::string&, dialogs::Buttons buttons, const std::string&) override {
    const int n = Next();
    if (buttons == dialogs::Buttons::OK) return dialogs::kOK;
    if (buttons == dialogs::Buttons::YesNoCancel && n % 5 == 4) return dialogs::kCancel;
    return (pattern_ >> (n % 8)) & 1 ? dialogs::kYes : dialogs::kNo;
  }
  dialogs::InputReply ShowInput(const std::string&, const std::string&, const std::string& defaultText) override {
    switch ((Next() + pattern_) % 5) {
      case 0: return {defaultText, false};
      case 1: return {"", false};
      case 2: return {"", true};
      case 3: return {"1", false};
      default: return {piece_, false};
    }
  }
  void ShowHourglass(bool) override {}

 private:
  int Next() {
    if (++shown_ > kMaxBoxes) throw dialogs::UnexpectedDialog("the operator gave up");
    return shown_;
  }

  std::uint8_t pattern_;
  std::string piece_;
  int shown_ = 0;
};

const std::vector<const FinPacEntry*>& RunnablePackages() {
  static const std::vector<const FinPacEntry*> list = [] {
    std::vector<const FinPacEntry*> out;
    for (const FinPacEntry& e : Packages().entries()) {
      if (e.pattern != CallPattern::MessageOnly && Available(e)) out.push_back(&e);
    }
    QVL_FUZZ_CHECK(!out.empty());
    return out;
  }();
  return list;
}

// The payload's lines as rows of comma-separated cells of a saved workbook,
// so that map workbooks hold rows the packages look up.
void SaveAsWorkbook(std::string_view payload, const std::string& path) {
  auto app = workbook::Application::Create();
  workbook::Workbook book = app.Workbooks().Add();
  workbook::Worksheet sheet = book.Worksheets(1);
  int row = 1;
  for (std::size_t at = 0; at < payload.size() && row <= 60; ++row) {
    std::size_t end = payload.find('\n', at);
    if (end == std::string_view::npos) end = payload.size();
    std::string_view line = payload.substr(at, end - at);
    int column = 1;
    for (std::size_t from = 0; from <= line.size() && column <= 16; ++column) {
      std::size_t comma = line.find(',', from);
      if (comma == std::string_view::npos) comma = line.size();
      std::string cell(line.substr(from, comma - from));
      if (!cell.empty() && cell.back() == '\r') cell.pop_back();
      try {
        sheet.Cells(row, column).Value(cell);
      } catch (const vb::Error&) {
      }
      from = comma + 1;
    }
    at = end + 1;
  }
  book.SaveAs(path);
  book.Close();
}

void Type(forms::TextBox& box, const std::string& text) {
  box.SetText(text);
  box.LostFocus();
}

void Run(const FinPacEntry& entry, std::uint8_t options) {
  QvLedgerloom w;
  WirePackageListAndSettings(w);
  w.Load();
  w.cmboCoNum.SetText("123");
  w.cmboCoNum.LostFocus();
  w.PickFinPac.SetListIndex(entry.index);
  Type(w.QvInputFile, "c:\\GL\\input.txt");
  Type(w.QvOutputPath, "c:\\GL");
  Type(w.pdEndDate, "11/30/2026");
  Type(w.txtMiscDate, "12/01/2026");
  Type(w.txtOverhead, "23");
  Type(w.txtFacility, "0001");
  Type(w.txtFiscMon, "11");
  Type(w.txtJourRef, "JE1");
  w.chkCSV.SetValue(options & 0x01 ? 1 : 0);
  if (options & 0x02) {
    w.Summarized.Click();
  } else {
    w.Details.Click();
  }
  w.chkNames.SetValue(options & 0x04 ? 1 : 0);
  w.chkLoc.SetValue(options & 0x08 ? 1 : 0);
  w.chkClass.SetValue(options & 0x10 ? 1 : 0);
  w.chkJobCode.SetValue(options & 0x20 ? 1 : 0);
  w.chkOverhead.SetValue(options & 0x40 ? 1 : 0);
  w.cmdInterface.Click();
  w.cmdInterface.Click();  // a second run in the same session
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const auto& packages = RunnablePackages();
  const FinPacEntry& entry = *packages[data[0] % packages.size()];
  const std::uint8_t options = data[1];
  const std::string_view payload(reinterpret_cast<const char*>(data) + 3, size - 3);

  vb::SetFixedClock(*vb::Date::Make(2026, 12, 6, 9, 0, 0));
  const auto drive = fuzz::FreshDriveC({"temp", "GL", "WC"});
  for (const char* name : {"input.txt", "GLMap.csv", "Accrual GLMap.csv", "Desc_xref.txt", "CoNum_xref.txt",
                           "Locations.txt", "GL Tag Info.csv", "WC File.txt"}) {
    fuzz::WriteHostFile(drive / "GL" / name, payload);
  }
  fuzz::WriteHostFile(drive / "WC" / "input.txt", payload);
  if (options & 0x80) {
    SaveAsWorkbook(payload, "c:\\GL\\GL Map.xls");
  } else {
    fuzz::WriteHostFile(drive / "GL" / "GL Map.xls", payload);
  }

  ScriptedOperator boxes(data[2], std::string(payload.substr(0, 8)));
  dialogs::SetCurrent(&boxes);
  try {
    Run(entry, options);
  } catch (const dialogs::UnexpectedDialog&) {
    // The operator gave up.
  }
  dialogs::SetCurrent(nullptr);
  return 0;
}
