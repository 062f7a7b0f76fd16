#pragma once
// The packages whose journal is a one-sheet workbook built straight from the
// comma export: "AIMsi", "Epicor" and "LASR", one file each. None of them
// hands a line to WriteOutputRec: the audit trail holds readable lines of the
// package's own and the run is always in balance. The saved workbook's path
// becomes OUTFile, so the result message names the file to post.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "writers/builtin/workbook_journal.h"

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;
struct FinPacHooks;

void RegisterAIMsiWriter(FinPacCatalog& catalog);
void RegisterEpicorWriter(FinPacCatalog& catalog);
void RegisterLASRWriter(FinPacCatalog& catalog);

// Whole-input writers: each reads every comma line of input file 1.
void AIMsi(QvLedgerloom& window);
void Epicor(QvLedgerloom& window);
void LASR(QvLedgerloom& window);

// --- Steps the three share. ---

// The package's writer, called once per run. Its offsetting branch writes
// nothing: no offsetting entry is asked for (nothing counts toward the
// balance), and none may build a second workbook over the saved one.
void AttachWorkbookJournal(FinPacHooks& hooks, void (*writer)(QvLedgerloom&));

// "LASR": the export's first comma line of nine values. An export without
// a line has nothing to post: the operator is told, the run stops (nullopt),
// and no workbook is made that would be reported ready for posting. ("AIMsi"
// and "Epicor" save their workbook without rows instead.)
std::optional<std::vector<std::string>> FirstExportLine(QvLedgerloom& window);
// `perLine` on the first line, then on every further line, the last one
// included; an error names the input line.
void ForEachExportLine(QvLedgerloom& window, const std::vector<std::string>& first,
                       const std::function<void(const std::vector<std::string>&)>& perLine);

// An amount in its plain number form: 1000 for 1000.00, -819.73, 0.
std::string PlainAmount(std::string_view amountText);

}  // namespace qvl
