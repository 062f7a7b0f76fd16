#pragma once
// A run's files: the payroll export as input file 1, the journal stream `a`
// and the audit trail `b`, with the package's header records after they are
// created and its trailer records before they are closed.
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/text_stream.h"

namespace qvl {

class QvLedgerloom;
struct RunState;

// Opens INFile as file 1 in the form the package reads, creates the journal
// and audit streams the package has (offering to create a missing output
// folder), sets `quote` and writes the header records. Refuses (RunStopped)
// a journal or audit path that is the input file, and a folder the operator
// does not want created; other failures are FileErrors naming the path.
void InitFiles(QvLedgerloom& window);

// One stream a run creates, and where.
struct RunStream {
  files::TextStream* stream;
  std::string path;
};
// What InitFiles does before the header, for a package that creates a set of
// streams of its own: refuses a path that is the input file, opens file 1 in
// the package's form, creates the streams (asking once to create a missing
// output folder "so we can store your " `storeWhat`) and sets `quote`.
void OpenRunFiles(QvLedgerloom& window, const std::vector<RunStream>& streams, std::string_view storeWhat);

// Whether the run opens its input as text lines rather than 89-character
// records: the package's input form, decided by the window's options.
bool InputIsText(const QvLedgerloom& window);

// Hands what the streams hold to the system, so that a failed write is
// known now. A failure of the journal or the audit stream names its path.
void FlushRunFiles(RunState& run);

// Writes the trailer records, then closes `a`, `b` and the numbered files;
// a stream that cannot be put on disk fails as FlushRunFiles does.
void CloseFiles(QvLedgerloom& window);

// Closes every stream and numbered file of the run without trailers,
// ignoring failures: what a run that failed or gave up leaves behind.
void CloseRunFilesQuietly(RunState& run);

// A line of the package's own (batch, header, trailer or closing line)
// straight to the journal stream with its line end: it adds nothing to the
// totals and has no audit line.
void WriteJournalLine(QvLedgerloom& window, std::string_view line);

// Every row of a side file of comma values, `perRow` values each (missing
// ones empty), read as file `number` of the run and closed again. A file
// that cannot be read is closed too and its vb::Error passed on.
std::vector<std::vector<std::string>> ReadCommaRows(RunState& run, int number, std::string_view path,
                                                    std::size_t perRow);

// Creates the folder and every missing folder above it.
void CreateFolderPath(std::string_view windowsFolder);

}  // namespace qvl
