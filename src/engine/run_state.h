#pragma once
// The state one run shares between the engine and every writer: what the run
// works on, where its output goes, and its running totals. The main window
// owns one RunState for its whole life; only StartRun() resets part of it, the
// rest keeps what the previous run left until the new run sets it.
// Values that belong to one package live with that package's writer.
#include <array>
#include <cstdint>
#include <string>

#include "engine/input_record.h"
#include "engine/summarize.h"
#include "platform/files/numbered_files.h"
#include "platform/files/text_stream.h"
#include "platform/vb/currency.h"

namespace qvl {

class FinPacCatalog;
struct FinPacEntry;

struct RunState {
  // What the run works on.
  std::string ChosenPackage;  // exact list text; "Nothing" when no entry is selected
  std::string INFile;         // the payroll export
  std::string Output_Path;    // output folder, without a trailing "\"
  std::string OUTFile;        // the journal file
  std::string AuditFile;      // the audit trail
  // The run may go on; cleared by a failed check or a writer that gives up.
  bool Ready = false;

  // Totals.
  vb::Currency Audit_Total;    // debits minus credits of the lines counted; 0 is in balance
  vb::Currency Debit_Amount;   // of the last line counted
  vb::Currency Credit_Amount;  // of the last line counted
  std::int64_t RecCount = 0;   // records processed, counted by the writers
  bool Balancing = false;      // an offsetting entry is being written
  bool DoBalancing = true;     // whether a written line counts toward Audit_Total
  bool MsgOnce = false;        // the account-length warning was shown this run
  std::int64_t MaxAcctLen = 0; // longest account the chosen package takes

  // The current record, and a copy of the last one written.
  InputRecord curRec;
  InputRecord prevRec;

  // Summarization.
  SumTable SumArray;
  std::int64_t SumRecs() const { return SumArray.Count(); }
  std::int64_t LoopSum = 0;      // the entry SumDebitsCredits loads (from 1)
  vb::Currency curDebit;         // amounts of the record in hand
  vb::Currency curCredit;
  std::string SumAmount;         // curDebit - curCredit as "######.00"
  vb::Currency curSumAmount;     // SumAmount as an amount
  // curSumAmount belongs to the line being written: set when a summarized
  // entry is loaded, cleared at the start of a run and by an offsetting entry.
  bool curSumLoaded = false;
  // The loaded entry's amount has been counted: a second line written from
  // the same entry adds nothing more.
  bool curSumCounted = false;

  // The run's files: input file 1 (and any further numbered file a writer
  // opens), the journal `a`, the audit trail `b`, and the two further files
  // `a1` and `a2` of the package that writes three.
  files::FileTable Files;
  files::TextStream a;
  files::TextStream b;
  files::TextStream a1;
  files::TextStream a2;
  // The four streams, for what is done to all of them.
  std::array<files::TextStream*, 4> Streams() { return {&a, &b, &a1, &a2}; }

  // The catalog entry of ChosenPackage for this run (null when the text is
  // no entry's), set once the checks have passed.
  const FinPacEntry* entry = nullptr;
  // The catalog the run dispatches on; null: the program's own (Packages()).
  // Tests put a catalog of their own here.
  const FinPacCatalog* catalog = nullptr;

  // Warnings about the input that are shown once per run.
  bool warnedIncompleteRecord = false;
  bool warnedTooFewValues = false;
  bool warnedTooManyValues = false;
  // The operator has been told the input holds no record: the run still
  // closes its files as any other, but is not reported in balance or ready
  // for posting.
  bool noRecordsTold = false;


  // Scratch shared by the engine and the writers.
  std::string Build_OutRec;  // the line handed to WriteOutputRec
  std::string Build_String;  // message texts
  std::string Response;      // the last message-box answer: "1", "2", "6" or "7"
  std::string quote;         // one double-quote character

  // The resets every run starts with.
  void StartRun();
};

}  // namespace qvl
