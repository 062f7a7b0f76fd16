#pragma once
// The ways a run drives a package's writer, written once for every package.
// An entry that is its pattern alone is run by RunPattern; an entry with
// steps of its own calls the same drivers from its steps.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalog.h"
#include "engine/input_record.h"

namespace qvl {

class QvLedgerloom;

// --- Reading the input (file 1). ---

// The next 89-character record into curRec. False at the end of the input
// (curRec unchanged); a final fragment too short to be a record is not read,
// and the operator is told so once per run.
bool ReadNextRecord(QvLedgerloom& window);
// The next comma line's `count` values, or nullopt at the end of the input.
// A line holding fewer or more values is taken as it is (missing values
// empty) and the operator is told once per run.
std::optional<std::vector<std::string>> ReadCommaValues(QvLedgerloom& window, std::size_t count);
// Tells the operator, once per run for each of the two kinds, that a line
// held fewer or more values than the layout has.
void WarnAboutValueCount(QvLedgerloom& window, std::size_t expected, std::size_t found);
// The next line that is not blank, whole and as it stands, or nullopt at the
// end of the input (blank lines at the end end it quietly).
std::optional<std::string> ReadInputLine(QvLedgerloom& window);
// A writer's work on the input line just read: a run-time error it raises
// stops the run with one message naming the input file and that line.
void OnInputLine(QvLedgerloom& window, const std::function<void()>& work);
// The same for a line just read from another numbered file of the run.
void OnLineOf(QvLedgerloom& window, int number, std::string_view path, const std::function<void()>& work);
// Where the run stands in its input, for an error message: the input path
// and the last line or record read ("c:\gl\gl.txt, record 7"), the merged
// line being written, or the offsetting entry; empty before the first read.
std::string InputPlace(const QvLedgerloom& window);

// --- Loop drivers. ---

// One record in curRec: merged when "Summarized" is chosen, else written.
void TakeRecord(QvLedgerloom& window, WindowProc writer, std::string_view mergeKey = {});

// The writer once per record, in file order.
void RecordLoop(QvLedgerloom& window, WindowProc writer);
// As RecordLoop; when "Summarized" is chosen the records are merged instead
// and the writer is called once per merged line (SummaryPass). `onRead`, when
// given, works on each record just read, before it is merged or written.
void SummarizingRecordLoop(QvLedgerloom& window, WindowProc writer,
                           const std::function<void()>& onRead = {});
// For each merged line in the order its key first appeared: SumDebitsCredits,
// then the writer.
void SummaryPass(QvLedgerloom& window, WindowProc writer);
// `perLine` once per comma line of `count` values, the last line included;
// an error names the line (OnInputLine).
void CommaRecordLoop(QvLedgerloom& window, std::size_t count,
                     const std::function<void(const std::vector<std::string>&)>& perLine);
// `perLine` once per input line that is not blank, whole and as it stands,
// the last line included; an error names the line (OnInputLine). An input
// without such a line is told so under `title` (TellNoRecords).
void WholeLineLoop(QvLedgerloom& window, std::string_view title,
                   const std::function<void(const std::string&)>& perLine);
// `perLine` once per input line that is not blank, whole and as it stands,
// the last line included, until it returns false; an error names the line
// (OnInputLine). An input without such a line writes nothing.
void EachInputLine(QvLedgerloom& window, const std::function<bool(const std::string&)>& perLine);
// A whole input line split at its commas into `count` values as they stand
// (blanks and quotes kept; the last value is the rest of the line). A line
// holding fewer raises vb::Error 5 naming the count and `layout`.
std::vector<std::string> ValuesAsTheyStand(std::string_view line, std::size_t count, std::string_view layout);
// Store then write: every input record (89-character records, or comma
// lines of nine values when the package reads text) read into memory first;
// `wholeAccounts`, when given, receives each comma line's account value
// whole (the record's field keeps its first 18 characters)...
std::vector<InputRecord> StoreInput(QvLedgerloom& window, std::vector<std::string>* wholeAccounts = nullptr);
// ...then written: the writer once per stored record, or, when "Summarized"
// is chosen, once per merged line of the stored records. `onRecord(n)`, when
// given, runs once stored record n (from 0) is the current record, before it
// is merged or written; `mergeKeys`, when given, holds beside each record a
// part of its merge key that its fields cannot hold (Summarize).
void WriteStored(QvLedgerloom& window, const std::vector<InputRecord>& records, WindowProc writer,
                 const std::function<void(std::size_t)>& onRecord = {},
                 const std::vector<std::string>* mergeKeys = nullptr);
// Process(False) of the package's writer object.
void ProcessWriterObject(QvLedgerloom& window, const FinPacEntry& entry);

// --- Dispatch. ---

// Whether this version has everything the entry needs to run.
bool Available(const FinPacEntry& entry);
// The entry's pattern with its writer: Ready; InitFiles where the run opens
// the files; then the loop, the whole-file writer or the writer object.
void RunPattern(QvLedgerloom& window, const FinPacEntry& entry);

}  // namespace qvl
