#pragma once
// The per-company settings: one record per client company, kept in the
// settings file "c:\temp\QvJE_Control.csv" from one start of the tool to the
// next. The window reads the file when it loads, puts a company's record into
// its controls when the company is chosen, and at close stores the controls
// into the record of the company then chosen and writes the file again.
//
// File format: one line per company, no header; the 20 fields below in this
// order, each as a double quote, the value and a double quote, separated by
// single commas, the line ended by CR LF. Numbers are signed decimal text;
// texts are written as they are.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

class QvLedgerloom;

inline constexpr std::string_view kControlFile = "c:\\temp\\QvJE_Control.csv";
// The companies the window keeps; company list position p is table position p.
inline constexpr int kMaxCompanies = 50;

struct CompanySettings {
  std::string CoNum;        // the company number as typed: the record's key
  int FinPacIndex = 0;      // package list index; -1 when none was selected
  std::string InputFile;
  std::string OutputPath;
  std::string PeriodEnd;
  std::string MiscDate;
  int DateYY = 0;           // option buttons: -1 selected, 0 not
  int DateYYYY = 0;
  int ClearN = 0;
  int ClearY = 0;
  int Period13 = 0;         // check boxes: their value (1 checked, 0 clear)
  std::string FiscMon;
  int JobCode = 0;
  std::string Delim;
  int AssignClass = 0;
  int ParseNames = 0;
  int ParseLoc = 0;
  int ApplyOverhead = 0;
  std::string OverheadPct;
  std::string FacilityCode;

  bool operator==(const CompanySettings&) const = default;
};

// One line of the file (without its line end), read on its own: values the
// line lacks are empty, extra values are ignored, and a number that does not
// read as a 16-bit whole number is 0.
CompanySettings ParseSettingsLine(std::string_view line);
// The record's line, without its line end.
std::string SettingsLine(const CompanySettings& record);

// What the window keeps of the settings file while it lives.
struct CompanySettingsFile {
  // A record whose CoNum is empty is free.
  std::array<CompanySettings, kMaxCompanies> CompanySettingsTable;
  // The file's companies past those the table keeps, as read; they are
  // written back unchanged.
  std::vector<std::string> linesPastTable;
  // Why the file could not be read when it exists but was unreadable at
  // load; such a file is never written over.
  std::optional<std::string> unreadable;
};

// The main window's load and unload handlers and the company list's
// handlers. Loading reads the file, applies the first company and lays the
// window out through the package list's Click handler; unloading stores the
// chosen company's values and replaces the file.
void Form_Load(QvLedgerloom& window);
void Form_Unload(QvLedgerloom& window);
void cmboCoNum_Click(QvLedgerloom& window);
// A company number typed into the company box and not yet listed becomes a
// new company (with an empty record) and is chosen at once.
void cmboCoNum_LostFocus(QvLedgerloom& window);

}  // namespace qvl
