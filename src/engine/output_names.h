#pragma once
// The run's parameter checks and the names of its output, as pure functions
// of what the operator entered (and of "today", passed in). The run step
// decides the order of the checks and shows their messages (run_messages.h).
#include <string>
#include <string_view>

#include "engine/catalog.h"
#include "platform/vb/date.h"

namespace qvl {

// --- Checks: true when the value passes. ---

// The input path names a file on a drive: it holds a ":" and a ".".
bool InputFileNameValid(std::string_view inFile);
// The company number can stand in a file name: not empty once trimmed, no
// path separator, no character a file name cannot hold, no "..".
bool CompanyNumberValid(std::string_view company);
// The period ending date (or the second date) is a date.
bool PeriodEndValid(std::string_view periodEndText);
// The second date: empty, not examined for "JD Edwards", otherwise a date.
bool SecondDateValid(std::string_view package, std::string_view secondDateText);
// A period end later than today is refused except for the packages that
// post ahead ("Yardi Systems", "MAS90 v4.x").
bool FutureCheckPasses(std::string_view package, const vb::Date& periodEnd, const vb::Date& today);
// More than 60 days before today: the operator is asked whether to go on.
bool PeriodEndTooOld(const vb::Date& periodEnd, const vb::Date& today);
// "SyteLine" takes its profit-sharing rate from the journal-reference box.
bool ProfitSharingRateValid(std::string_view package, std::string_view rateText);
// A package whose extension is the facility code needs a code of digits
// (blanks around allowed).
bool FacilityCodeValid(const FinPacEntry* entry, std::string_view facility);
// The trimmed company number fits the package's file name ("ClubSelect": 2).
bool CompanyFitsPackage(const FinPacEntry* entry, std::string_view company);

// --- Names. ---

// The output folder as the run keeps it: the box's text, without the "\" its
// trimmed text ends in.
std::string OutputPathFromBox(std::string_view boxText);
std::string AuditFilePath(std::string_view outputPath);

// The journal file's extension, always 4 characters (padded with blanks or
// cut). `entry` is null when no list entry has the package text; `writerFileExt`
// is the FileExt of the package's writer object, for the entry that takes it.
std::string OutFileExt(const FinPacEntry* entry, std::string_view facility,
                       std::string_view writerFileExt = {});

struct NameInputs {
  std::string_view outputPath;  // Output_Path
  std::string_view company;     // the company-number box's text, as typed
  vb::Date periodEnd;
  std::string_view ext;         // OutFileExt
  bool namesChecked = false;    // "description field?" (GP Payroll Connect)
  bool halfMonthChecked = false;  // chk13pd (CSA)
};

// The name the journal stream is created under.
std::string JournalFileName(const FinPacEntry* entry, const NameInputs& in);
// The name a workbook package saves its workbook under, which then replaces
// the journal name; empty for every other package.
std::string WorkbookFileName(const FinPacEntry& entry, const NameInputs& in);

}  // namespace qvl
