// Any bytes as the settings file: the window loads it, every listed company
// is chosen in turn, and closing writes the file again; the written file is
// loaded and closed once more. Nothing may crash, hang or leave the
// window's lists and table out of step.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "scratch_drive.h"
#include "platform/dialogs/dialogs.h"
#include "platform/dialogs/scripted_dialogs.h"
#include "window/company_settings.h"
#include "window/main_window_wiring.h"
#include "window/qvledgerloom.h"

namespace {

using namespace qvl;

// Every box answered: OK-only ones by OK, questions by No.
class AnyAnswer : public dialogs::Dialogs {
 protected:
  int ShowMessage(const std::string&, dialogs::Buttons buttons, const std::string&) override {
    return buttons == dialogs::Buttons::OK ? dialogs::kOK : dialogs::kNo;
  }
  dialogs::InputReply ShowInput(const std::string&, const std::string&, const std::string&) override {
    return {"", true};
  }
  void ShowHourglass(bool) override {}
};

void LoadChooseEachAndClose() {
  QvLedgerloom w;
  WirePackageListAndSettings(w);
  w.Load();
  const int companies = w.cmboCoNum.ListCount();
  QVL_FUZZ_CHECK(companies >= 0 && companies <= kMaxCompanies);
  for (int p = 0; p < companies; ++p) {
    w.cmboCoNum.SetListIndex(p);
    QVL_FUZZ_CHECK(w.cmboCoNum.ListIndex() == p);
  }
  w.Exit.Click();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static AnyAnswer boxes;
  dialogs::SetCurrent(&boxes);
  const auto drive = fuzz::FreshDriveC({"temp"});
  fuzz::WriteHostFile(drive / "temp" / "QvJE_Control.csv",
                      std::string_view(reinterpret_cast<const char*>(data), size));
  LoadChooseEachAndClose();
  LoadChooseEachAndClose();
  return 0;
}
