#pragma once
// Message boxes of a run: every answer goes into Response, and a refusal
// ends the run with Ready cleared. The texts of the run's checks, refusals
// and warnings are here.
#include <string>
#include <string_view>

#include "platform/dialogs/dialogs.h"

namespace qvl {

class QvLedgerloom;

// Title of the yes/no questions.
inline constexpr std::string_view kQuestionTitle = "OK to Proceed?";

// --- The checks of the run's parameters, in the order the run makes them. ---
inline constexpr std::string_view kInputFileMsg = "You must enter an input filename";
// The input file cannot be read; followed by the path and the reason.
inline constexpr std::string_view kInputUnreadableMsg = "The input file cannot be read:";
// The output folder box is empty or still holds its design text.
inline constexpr std::string_view kOutputFolderMsg = "You must enter an output path";
inline constexpr std::string_view kCompanyNumberMsg = "Please provide a valid Company Number";
inline constexpr std::string_view kPeriodEndFormatMsg = "Period Ending Date is not formatted properly.";
inline constexpr std::string_view kSecondDateFormatMsg = "ACH Date is not formatted properly.";
inline constexpr std::string_view kFutureMsg = "Period Ending Date cannot be in the future.";
// Asked with Yes and No; No ends the run without a further message.
inline constexpr std::string_view kAgeQuestion =
    "Period Ending Date is more than 60 days old.\rDo you want to continue?";
inline constexpr std::string_view kProfitSharingRateMsg = "Profit Sharing Rate must be a number.";
inline constexpr std::string_view kFacilityCodeMsg = "Facility Number must be a number.";
// Shown under the title "QvLedgerloom - " and the package text.
inline constexpr std::string_view kCompanyTooLongMsg = "The Company Number cannot exceed two characters";

// --- The package. ---
inline constexpr std::string_view kChoosePackageMsg = "Must Choose a Financial package from the list";
// Shown when a package's writer has not been built yet.
std::string NotAvailableMessage(std::string_view packageText);
// Offsetting entry for a package without a balancing writer.
inline constexpr std::string_view kEntryNotAddedMsg = "Unknown software package.\r\rEntry NOT ADDED to Journal.";

// --- The files. ---
// A journal or audit file would replace the input; followed by the path.
inline constexpr std::string_view kOutputIsInputMsg = "The input file cannot be used as an output file:";
// The input ends in a fragment too short to be a record; followed by the path.
inline constexpr std::string_view kIncompleteRecordMsg =
    "The last record of the input file is incomplete and was not read:";
// An input without a line, for the writers that read whole lines themselves.
inline constexpr std::string_view kNoRecordsMsg = "No records found in file.";
// Lines of a comma input that hold fewer or more values than `expected`
// (`found` tells which of the two the message is about).
std::string ValueCountMessage(std::size_t expected, std::size_t found);
// An unexpected failure during a run: the package, the file where one is
// known, and the reason.
std::string RunErrorMessage(std::string_view package, std::string_view path,
                            std::string_view reason);

// Shows a message box and keeps its answer in Response ("1", "2", "6", "7").
int ShowBox(QvLedgerloom& window, std::string_view prompt,
            dialogs::Buttons buttons = dialogs::Buttons::OK, std::string_view title = {});
// Shows the message (OK button) and clears Ready.
void RefuseRun(QvLedgerloom& window, std::string_view message, std::string_view title = {});
// "No records found in file." under `title`, once a run. An input without a
// record is no failure: the run goes on and closes its files with their
// closing lines, but the run driver reports nothing as in balance or ready
// for posting after it.
void TellNoRecords(QvLedgerloom& window, std::string_view title = {});
// Asks with Yes and No under kQuestionTitle: true on Yes; No clears Ready.
bool AskToProceed(QvLedgerloom& window, std::string_view question);
// "QvLedgerloom - " and the package: the title of a package's own messages.
std::string PackageTitle(std::string_view package);

}  // namespace qvl
