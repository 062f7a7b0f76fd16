#include "engine/output_names.h"

#include <initializer_list>

#include "platform/vb/convert.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"

namespace qvl {

namespace {

constexpr std::size_t kExtLength = 4;
constexpr std::size_t kLongCompany = 4;  // longer company numbers name the file by month only

std::string Join(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += '\\';
  path += name;
  return path;
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string s;
  for (std::string_view p : parts) s += p;
  return s;
}

// "G", the company as "00000", the month as a letter (January "A"), and the
// half of the month ("1" from the 16th when half months are asked for).
std::string CsaName(const NameInputs& in) {
  const std::string company = vb::PadRight(vb::Format(in.company, "00000"), 5);
  const char month = static_cast<char>('A' + in.periodEnd.Month() - 1);
  const char half = in.halfMonthChecked && in.periodEnd.Day() > 15 ? '1' : '0';
  return Concat({"G", company, std::string_view(&month, 1), std::string_view(&half, 1), in.ext});
}

}  // namespace

bool InputFileNameValid(std::string_view inFile) {
  return vb::InStr(inFile, ":") != 0 && vb::InStr(inFile, ".") != 0;
}

bool CompanyNumberValid(std::string_view company) {
  if (vb::Trim(company).empty()) return false;
  if (company.find("..") != std::string_view::npos) return false;
  for (char c : company) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  return true;
}

bool PeriodEndValid(std::string_view periodEndText) { return vb::IsDate(periodEndText); }

bool SecondDateValid(std::string_view package, std::string_view secondDateText) {
  if (package == "JD Edwards") return true;
  return vb::Trim(secondDateText).empty() || vb::IsDate(secondDateText);
}

bool FutureCheckPasses(std::string_view package, const vb::Date& periodEnd, const vb::Date& today) {
  if (package == "Yardi Systems" || package == "MAS90 v4.x") return true;
  return periodEnd.DatePart() <= today.DatePart();
}

bool PeriodEndTooOld(const vb::Date& periodEnd, const vb::Date& today) {
  return periodEnd.DatePart() < vb::DateAdd(vb::Interval::Day, -60, today.DatePart());
}

bool ProfitSharingRateValid(std::string_view package, std::string_view rateText) {
  return package != "SyteLine" || vb::IsNumeric(rateText);
}

bool FacilityCodeValid(const FinPacEntry* entry, std::string_view facility) {
  if (entry == nullptr || entry->extRule != ExtensionRule::FacilityCode) return true;
  // A whole number of digits: a sign, a decimal point or an exponent would
  // give a rounded or signed code in the file name and on every line.
  const std::string code = vb::Trim(facility);
  return !code.empty() && code.find_first_not_of("0123456789") == std::string::npos;
}

bool CompanyFitsPackage(const FinPacEntry* entry, std::string_view company) {
  return entry == nullptr || entry->companyMaxLen == 0 || vb::Trim(company).size() <= entry->companyMaxLen;
}

std::string OutputPathFromBox(std::string_view boxText) {
  const std::string trimmed = vb::Trim(boxText);
  if (!trimmed.empty() && trimmed.back() == '\\') return trimmed.substr(0, trimmed.size() - 1);
  return std::string(boxText);
}

std::string AuditFilePath(std::string_view outputPath) { return Join(outputPath, "Audit_trail.txt"); }

std::string OutFileExt(const FinPacEntry* entry, std::string_view facility, std::string_view writerFileExt) {
  std::string ext = ".txt";
  if (entry != nullptr) {
    switch (entry->extRule) {
      case ExtensionRule::Fixed:
        ext = entry->ext;
        break;
      case ExtensionRule::FacilityCode:
        // (Built from a character: GCC 12 warns falsely at -O2 on a short literal here.)
        if (facility.size() <= 3) ext = std::string(1, '.').append(vb::Format(facility, "000"));
        break;
      case ExtensionRule::WriterFileExt:
        ext = writerFileExt;
        break;
    }
  }
  return vb::PadRight(ext, kExtLength);
}

std::string JournalFileName(const FinPacEntry* entry, const NameInputs& in) {
  const NameRule rule = entry != nullptr ? entry->name : NameRule::Default;
  const std::string trimmedCompany = vb::Trim(in.company);
  const auto date = [&](std::string_view mask) { return vb::Format(in.periodEnd, mask); };

  switch (rule) {
    case NameRule::KeaneRA:
      return Join(in.outputPath, Concat({"RA", date("yymmdd"), in.ext}));
    case NameRule::Default:
    case NameRule::ClubSelect:
      if (trimmedCompany.size() > kLongCompany)
        return Join(in.outputPath, Concat({in.company, date("mm"), in.ext}));
      if (rule == NameRule::ClubSelect)
        return Join(in.outputPath, Concat({"CCGLTR", trimmedCompany, in.ext}));
      return Join(in.outputPath, Concat({in.company, date("mmddyy"), in.ext}));
    case NameRule::CompanyAndExt:
      return Join(in.outputPath, Concat({in.company, in.ext}));
    case NameRule::CompanyMMDDYYtxt:
      return Join(in.outputPath, Concat({in.company, date("mmddyy"), ".txt"}));
    case NameRule::CompanyMMYYexp:
      return Join(in.outputPath, Concat({in.company, date("mmyy"), ".exp"}));
    case NameRule::CompanyPRN:
      return Join(in.outputPath, Concat({in.company, ".PRN"}));
    case NameRule::GPPayrollConnect:
      if (in.namesChecked) return Join(in.outputPath, "ADP.csv");
      return Join(in.outputPath, Concat({in.company, date("mmddyy"), ".GLI"}));
    case NameRule::CSA:
      return Join(in.outputPath, CsaName(in));
    case NameRule::Fixed:
      return Join(in.outputPath, entry->fixedName);
  }
  return {};
}

std::string WorkbookFileName(const FinPacEntry& entry, const NameInputs& in) {
  if (entry.workbookPrefix.empty()) return {};
  return Join(in.outputPath,
              Concat({entry.workbookPrefix, in.company, "_", vb::Format(in.periodEnd, "mmmddyy"), ".xls"}));
}

}  // namespace qvl
