#pragma once
// Message boxes of a run: every answer goes into Response, and a refusal
// ends the run with Ready cleared. The texts of refusals and warnings that
// several run steps share are here.
#include <string>
#include <string_view>

#include "platform/dialogs/dialogs.h"

namespace qvl {

class QvLedgerloom;

// Title of the yes/no questions.
inline constexpr std::string_view kQuestionTitle = "OK to Proceed?";

// The output folder box is empty or still holds its design text.
inline constexpr std::string_view kOutputFolderMsg = "You must enter an output path";
// The input file cannot be read; followed by the path and the reason.
inline constexpr std::string_view kInputUnreadableMsg = "The input file cannot be read:";
// A journal or audit file would replace the input; followed by the path.
inline constexpr std::string_view kOutputIsInputMsg = "The input file cannot be used as an output file:";
// The input ends in a fragment too short to be a record; followed by the path.
inline constexpr std::string_view kIncompleteRecordMsg =
    "The last record of the input file is incomplete and was not read:";
// Lines of a comma input that hold too few or too many values.
std::string ValueCountMessage(std::size_t expected);
// An unexpected failure during a run: the package, the file where one is
// known, and the reason.
std::string RunErrorMessage(std::string_view package, std::string_view path,
                            std::string_view reason);

// Shows a message box and keeps its answer in Response ("1", "2", "6", "7").
int ShowBox(QvLedgerloom& window, std::string_view prompt,
            dialogs::Buttons buttons = dialogs::Buttons::OK, std::string_view title = {});
// Shows the message (OK button) and clears Ready.
void RefuseRun(QvLedgerloom& window, std::string_view message, std::string_view title = {});
// Asks with Yes and No under kQuestionTitle: true on Yes; No clears Ready.
bool AskToProceed(QvLedgerloom& window, std::string_view question);
// "QvLedgerloom - " and the package: the title of a package's own messages.
std::string PackageTitle(std::string_view package);

}  // namespace qvl
