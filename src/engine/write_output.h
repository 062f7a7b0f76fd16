#pragma once
// The one place a finished journal line leaves a writer.
#include <functional>

namespace qvl {

class QvLedgerloom;
struct RunState;

// Writes Build_OutRec to the journal in the package's write mode, counts the
// line toward the run totals, writes the audit line of curRec to the audit
// trail and keeps a copy of curRec in prevRec. Afterwards Build_OutRec holds
// the audit line. curRec is not changed.
//
// Totals: a line written from a summarized entry adds the entry's net amount
// (curSumAmount) once, whatever DoBalancing holds; any other line sets
// Debit_Amount and Credit_Amount from curRec's amount texts (empty, ".00" and
// non-numeric texts count as 0) and, while DoBalancing is set, adds debits
// minus credits to Audit_Total.
void WriteOutputRec(QvLedgerloom& window);

// A record that a package writes as a debit line and then a credit line,
// each only where the package writes one: `writeLine` is called for each
// line written, and the record's amounts count toward Audit_Total once, with
// its first line (DoBalancing is cleared after a debit line).
enum class Side { Debit, Credit };
void WriteDebitThenCredit(RunState& run, bool debitLine, bool creditLine,
                          const std::function<void(Side)>& writeLine);

}  // namespace qvl
