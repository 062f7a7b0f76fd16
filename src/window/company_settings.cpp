#include "window/company_settings.h"

#include "platform/dialogs/dialogs.h"
#include "platform/files/comma_list.h"
#include "platform/files/numbered_files.h"
#include "platform/files/text_stream.h"
#include "platform/files/whole_files.h"
#include "platform/paths/paths.h"
#include "platform/vb/clock.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/app_info.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr std::string_view kTempFolder = "C:\\Temp";
constexpr int kSettingsFileNumber = 2;
constexpr std::size_t kFieldCount = 20;

// The window's handlers go on past a statement that fails (a stored value
// that no longer fits, a folder that is gone): that one value is not applied.
template <class Statement>
void Skipping(Statement&& statement) {
  try {
    statement();
  } catch (const vb::Error&) {
  }
}

// The record's fields that controls of their own kind show, in the file's
// order, each with its control. The company, package, input file and output
// folder come before them in the file; the window handles those one by one.
template <class Visit>
void ForEachControlField(Visit&& visit) {
  visit(&CompanySettings::PeriodEnd, &QvLedgerloom::pdEndDate);
  visit(&CompanySettings::MiscDate, &QvLedgerloom::txtMiscDate);
  visit(&CompanySettings::DateYY, &QvLedgerloom::rdoYY);
  visit(&CompanySettings::DateYYYY, &QvLedgerloom::rdoYYYY);
  visit(&CompanySettings::ClearN, &QvLedgerloom::rdoClrN);
  visit(&CompanySettings::ClearY, &QvLedgerloom::rdoClrY);
  visit(&CompanySettings::Period13, &QvLedgerloom::chk13pd);
  visit(&CompanySettings::FiscMon, &QvLedgerloom::txtFiscMon);
  visit(&CompanySettings::JobCode, &QvLedgerloom::chkJobCode);
  visit(&CompanySettings::Delim, &QvLedgerloom::txtDelim);
  visit(&CompanySettings::AssignClass, &QvLedgerloom::chkClass);
  visit(&CompanySettings::ParseNames, &QvLedgerloom::chkNames);
  visit(&CompanySettings::ParseLoc, &QvLedgerloom::chkLoc);
  visit(&CompanySettings::ApplyOverhead, &QvLedgerloom::chkOverhead);
  visit(&CompanySettings::OverheadPct, &QvLedgerloom::txtOverhead);
  visit(&CompanySettings::FacilityCode, &QvLedgerloom::txtFacility);
}

// Every field of the record, in the file's order.
template <class Record, class Visit>
void ForEachStoredField(Record& r, Visit&& visit) {
  visit(r.CoNum);
  visit(r.FinPacIndex);
  visit(r.InputFile);
  visit(r.OutputPath);
  ForEachControlField([&](auto field, auto) { visit(r.*field); });
}

// A field from the file; a number that does not read as a 16-bit whole
// number is 0.
void ReadStored(std::string& field, const std::string& text) { field = text; }
void ReadStored(int& field, const std::string& text) {
  try {
    field = vb::CInt(std::string_view(text));
  } catch (const vb::Error&) {
    field = 0;
  }
}

const std::string& StoredText(const std::string& field) { return field; }
std::string StoredText(int field) { return std::to_string(field); }

// Lines without a company number, or with one that is a number equal to 0
// ("0", "00"), hold no company.
bool HoldsCompany(const std::string& coNum) {
  if (coNum.empty()) return false;
  try {
    return !(vb::IsNumeric(coNum) && vb::CDbl(coNum) == 0.0);
  } catch (const vb::Error&) {
    return true;  // a number too large to convert is not 0
  }
}

bool IsMissing(const vb::Error& error) {
  return error.number() == vb::kFileNotFound || error.number() == vb::kPathNotFound;
}

void SelectPackage(QvLedgerloom& w, int index) {
  if (index < 0 || index >= w.PickFinPac.ListCount()) return;
  w.PickFinPac.SetSelected(index, true);
}

// A stored value into its control: option buttons keep -1 for selected,
// check boxes their value.
void Apply(forms::OptionButton& option, int stored) {
  Skipping([&] { option.SetValue(false); });
  if (stored == -1) Skipping([&] { option.SetValue(true); });
}

void Apply(forms::CheckBox& box, int stored) {
  Skipping([&] { box.SetValue(0); });
  if (stored == 1) Skipping([&] { box.SetValue(1); });
}

void Apply(forms::TextBox& box, const std::string& text) {
  Skipping([&] { box.SetText(text); });
}

void Store(int& stored, const forms::OptionButton& option) { stored = option.Value() ? -1 : 0; }
void Store(int& stored, const forms::CheckBox& box) { stored = box.Value(); }
void Store(std::string& stored, const forms::TextBox& box) { stored = box.Text(); }

// The folder that holds `path` ("" when the path names none); a file in a
// drive's root lies in that root, not in the drive's current folder.
std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.rfind('\\');
  if (cut == std::string::npos) return "";
  std::string folder = path.substr(0, cut);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

// Puts a company's record into the window, in the order in which the
// controls' own handlers must see the values. A chosen company also moves
// the input folder list to its input file's folder.
void ApplyRecord(QvLedgerloom& w, const CompanySettings& r, bool movesInputFolder) {
  Skipping([&] { SelectPackage(w, r.FinPacIndex); });
  Apply(w.QvInputFile, r.InputFile);
  if (movesInputFolder) {
    const std::string folder = FolderOf(r.InputFile);
    if (!folder.empty() && paths::FolderExists(folder)) {
      // Moving the folder list writes the folder into the input box.
      Skipping([&] { w.dirInput.SetPath(folder); });
      Apply(w.QvInputFile, r.InputFile);
    }
  }
  Apply(w.QvOutputPath, r.OutputPath);
  if (!r.OutputPath.empty() && paths::FolderExists(r.OutputPath)) {
    Skipping([&] { w.dirOutput.SetPath(r.OutputPath); });
  }
  // Every company has its own facility code; an empty one is shown as "1".
  CompanySettings shown = r;
  if (shown.FacilityCode.empty()) shown.FacilityCode = "1";
  ForEachControlField([&](auto field, auto control) { Apply(w.*control, shown.*field); });
}

// The record of the company chosen in the company list takes the window's
// values; with no company chosen the table stays as it was read.
void StoreChosenCompany(QvLedgerloom& w) {
  const int p = w.cmboCoNum.ListIndex();
  if (p < 0 || p >= kMaxCompanies) return;
  CompanySettings& r = w.companySettings.CompanySettingsTable[static_cast<std::size_t>(p)];
  r.CoNum = w.cmboCoNum.Text();
  r.FinPacIndex = w.PickFinPac.ListIndex();
  r.InputFile = w.QvInputFile.Text();
  r.OutputPath = w.QvOutputPath.Text();
  ForEachControlField([&](auto field, auto control) { Store(r.*field, w.*control); });
}

// The records take the place of the old file in one step: a write that fails
// leaves the old file as it was.
void StoreLines(std::string_view path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  const auto host = paths::ToHost(path);
  if (!host) throw vb::PathNotFound();
  files::ReplaceFileContents(*host, bytes);
}

}  // namespace

CompanySettings ParseSettingsLine(std::string_view line) {
  const std::vector<std::string> values = files::SplitCommaList(line, kFieldCount).values;
  CompanySettings r;
  std::size_t i = 0;
  ForEachStoredField(r, [&](auto& field) { ReadStored(field, values[i++]); });
  return r;
}

std::string SettingsLine(const CompanySettings& r) {
  std::string line;
  ForEachStoredField(r, [&](const auto& field) {
    if (!line.empty()) line += ',';
    line += '"';
    line += StoredText(field);
    line += '"';
  });
  return line;
}

void Form_Load(QvLedgerloom& w) {
  CompanySettingsFile& settings = w.companySettings;
  settings = CompanySettingsFile{};
  w.cmboCoNum.Clear();
  w.SetCaption(CaptionWithVersion(kWindowCaption));
  w.pdEndDate.SetText(vb::CStr(vb::Today()));
  w.cmdHideSample.Hide();
  w.ShowSample.Hide();
  w.txtSample.Hide();

  files::FileTable files;
  try {
    files.OpenText(kSettingsFileNumber, kControlFile);
  } catch (const vb::Error& error) {
    if (IsMissing(error)) {
      dialogs::MsgBox("No default settings file found.\r\r" + error.description() +
                      "\r\rA new one will be created in c:\\temp");
    } else {
      settings.unreadable = error.description();
      dialogs::MsgBox("The settings file " + std::string(kControlFile) + " could not be read.\r\r" +
                      error.description() +
                      "\r\rIt will be left as it is, and the settings of this session will not be stored.");
    }
    Skipping([&] { SelectPackage(w, 0); });
    return;
  }

  Skipping([&] { SelectPackage(w, 0); });
  std::size_t taken = 0;
  while (std::optional<std::string> line = files.ReadLine(kSettingsFileNumber)) {
    CompanySettings record = ParseSettingsLine(*line);
    if (!HoldsCompany(record.CoNum)) continue;
    if (taken < settings.CompanySettingsTable.size()) {
      w.cmboCoNum.AddItem(record.CoNum);
      settings.CompanySettingsTable[taken++] = std::move(record);
    } else {
      settings.linesPastTable.push_back(*line);
    }
  }

  ApplyRecord(w, settings.CompanySettingsTable[0], false);
  // Choosing the first company applies its record once more, with its
  // input folder.
  if (w.cmboCoNum.ListCount() > 0) Skipping([&] { w.cmboCoNum.SetListIndex(0); });
  // The layout reads check boxes, so it runs again once every value is in place.
  Skipping([&] {
    if (w.PickFinPac.onClick) w.PickFinPac.onClick();
  });
  files.Close(kSettingsFileNumber);
}

void Form_Unload(QvLedgerloom& w) {
  CompanySettingsFile& settings = w.companySettings;
  // The operator was told at load that a file that could not be read stays as it is.
  if (settings.unreadable) return;
  try {
    files::CreateFolder(kTempFolder);
  } catch (const vb::Error&) {
    // It exists already, or creating the file below reports why it cannot be.
  }
  StoreChosenCompany(w);
  std::vector<std::string> lines;
  for (const CompanySettings& record : settings.CompanySettingsTable) {
    if (!vb::Trim(record.CoNum).empty()) lines.push_back(SettingsLine(record));
  }
  lines.insert(lines.end(), settings.linesPastTable.begin(), settings.linesPastTable.end());
  try {
    StoreLines(kControlFile, lines);
  } catch (const vb::Error& error) {
    dialogs::MsgBox("Unable to store QvJE_Control Information." + error.description());
  }
}

void cmboCoNum_Click(QvLedgerloom& w) {
  const int p = w.cmboCoNum.ListIndex();
  if (p < 0 || p >= kMaxCompanies) return;
  ApplyRecord(w, w.companySettings.CompanySettingsTable[static_cast<std::size_t>(p)], true);
}

void cmboCoNum_LostFocus(QvLedgerloom& w) {
  const std::string typed = w.cmboCoNum.Text();
  if (typed.empty() || w.cmboCoNum.IndexOf(typed) >= 0) return;
  // A new company takes the free record at its list position; past the
  // table's last position there is none.
  if (w.cmboCoNum.ListCount() >= kMaxCompanies) return;
  w.cmboCoNum.AddItem(typed);
  w.cmboCoNum.SetListIndex(w.cmboCoNum.ListCount() - 1);
}

}  // namespace qvl
