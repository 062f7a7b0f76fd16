#include "engine/choose_finpac.h"

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/run_writer.h"
#include "engine/output_names.h"
#include "engine/packages.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/files/whole_files.h"
#include "platform/vb/clock.h"
#include "platform/vb/date.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

void ChooseFinPac(QvLedgerloom& window) {
  RunState& run = window.run;
  const FinPacCatalog& catalog = CatalogOf(run);

  run.INFile = window.QvInputFile.Text();
  if (!InputFileNameValid(run.INFile)) return RefuseRun(window, kInputFileMsg);
  if (const std::string reason = files::UnreadableReason(run.INFile); !reason.empty())
    return RefuseRun(window, std::string(kInputUnreadableMsg) + "\r\r" + run.INFile + "\r\r" + reason);

  run.Output_Path = OutputPathFromBox(window.QvOutputPath.Text());
  run.ChosenPackage = window.PickFinPac.ListIndex() >= 0 ? window.PickFinPac.Text() : std::string(kNoPackage);
  run.SumArray.Clear();
  run.AuditFile = AuditFilePath(run.Output_Path);
  run.entry = nullptr;

  if (vb::Trim(run.Output_Path).empty() || run.Output_Path == kOutputBoxDesignText)
    return RefuseRun(window, kOutputFolderMsg);
  const std::string company = window.cmboCoNum.Text();
  if (!CompanyNumberValid(company)) return RefuseRun(window, kCompanyNumberMsg);

  const std::string periodEndText = window.pdEndDate.Text();
  if (!PeriodEndValid(periodEndText)) return RefuseRun(window, kPeriodEndFormatMsg);
  if (!SecondDateValid(run.ChosenPackage, window.txtMiscDate.Text()))
    return RefuseRun(window, kSecondDateFormatMsg);
  const vb::Date periodEnd = vb::CDate(periodEndText);
  const vb::Date today = vb::Today();
  if (!FutureCheckPasses(run.ChosenPackage, periodEnd, today)) return RefuseRun(window, kFutureMsg);
  if (PeriodEndTooOld(periodEnd, today)) {
    run.Build_String = std::string(kAgeQuestion);
    if (!AskToProceed(window, run.Build_String)) return;
  }
  if (!ProfitSharingRateValid(run.ChosenPackage, window.txtJourRef.Text()))
    return RefuseRun(window, kProfitSharingRateMsg);

  const FinPacEntry* entry = catalog.Find(run.ChosenPackage);
  if (!FacilityCodeValid(entry, window.txtFacility.Text())) return RefuseRun(window, kFacilityCodeMsg);
  std::string writerExt;
  if (entry != nullptr && entry->extRule == ExtensionRule::WriterFileExt) {
    if (FinPacWriter* object = RunWriterOf(window, *entry)) writerExt = object->FileExt();
  }
  const std::string ext = OutFileExt(entry, window.txtFacility.Text(), writerExt);
  if (!CompanyFitsPackage(entry, company))
    return RefuseRun(window, kCompanyTooLongMsg, PackageTitle(run.ChosenPackage));

  NameInputs names;
  names.outputPath = run.Output_Path;
  names.company = company;
  names.periodEnd = periodEnd;
  names.ext = ext;
  names.namesChecked = window.chkNames.Checked();
  names.halfMonthChecked = window.chk13pd.Checked();
  run.OUTFile = JournalFileName(entry, names);

  run.entry = entry;
  DispatchPackage(window);
}

void DispatchPackage(QvLedgerloom& window) {
  RunState& run = window.run;
  const FinPacEntry* entry = run.entry;
  if (entry == nullptr) return RefuseRun(window, kChoosePackageMsg);
  if (entry->pattern == CallPattern::MessageOnly) return RefuseRun(window, entry->message);
  if (!Available(*entry) ||
      (entry->pattern == CallPattern::WriterObject && RunWriterOf(window, *entry) == nullptr))
    return RefuseRun(window, NotAvailableMessage(entry->text));
  if (entry->hooks.entry != nullptr) return entry->hooks.entry(window);
  RunPattern(window, *entry);
}

}  // namespace qvl
