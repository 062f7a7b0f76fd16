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

// An amount in its plain number form: 1000 for 1000.00, -819.73, 0.
std::string PlainAmount(std::string_view amountText);

}  // namespace qvl
