#include "engine/call_patterns.h"

#include <stdexcept>

#include "engine/run_errors.h"
#include "engine/run_writer.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/summarize.h"
#include "platform/files/comma_list.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr int kInput = 1;

}  // namespace

void TakeRecord(QvLedgerloom& window, WindowProc writer, std::string_view mergeKey) {
  if (window.Summarized.Value())
    Summarize(window.run, mergeKey);
  else
    writer(window);
}

bool ReadNextRecord(QvLedgerloom& window) {
  RunState& run = window.run;
  if (GetRecord(run.Files, kInput, run.curRec)) return true;
  if (run.Files.LastRecordIncomplete(kInput) && !run.warnedIncompleteRecord) {
    run.warnedIncompleteRecord = true;
    ShowBox(window, std::string(kIncompleteRecordMsg) + "\r\r" + run.INFile);
  }
  return false;
}

std::optional<std::vector<std::string>> ReadCommaValues(QvLedgerloom& window, std::size_t count) {
  RunState& run = window.run;
  std::optional<files::CommaValues> read = run.Files.ReadValues(kInput, count);
  if (!read) return std::nullopt;
  // Too few and too many are told apart, each once per run: they call for
  // different repairs of the export.
  if (!read->Complete()) WarnAboutValueCount(window, count, read->found);
  return std::move(read->values);
}

void WarnAboutValueCount(QvLedgerloom& window, std::size_t expected, std::size_t found) {
  RunState& run = window.run;
  bool& warned = found > expected ? run.warnedTooManyValues : run.warnedTooFewValues;
  if (warned) return;
  warned = true;
  ShowBox(window, ValueCountMessage(expected, found));
}

std::optional<std::string> ReadInputLine(QvLedgerloom& window) {
  while (std::optional<std::string> line = window.run.Files.ReadLine(kInput)) {
    if (line->find_first_not_of(" \t") != std::string::npos) return line;
  }
  return std::nullopt;
}

namespace {

// The work on one line; a run-time error it raises names `place`.
void NamingPlace(const std::function<void()>& work, const std::function<std::string()>& place) {
  try {
    work();
  } catch (const FileError&) {
    throw;
  } catch (const vb::Error& e) {
    throw FileError(place(), e);
  }
}

}  // namespace

void OnInputLine(QvLedgerloom& window, const std::function<void()>& work) {
  NamingPlace(work, [&] { return InputPlace(window); });
}

void OnLineOf(QvLedgerloom& window, int number, std::string_view path, const std::function<void()>& work) {
  NamingPlace(work, [&] { return std::string(path) + ", line " + std::to_string(window.run.Files.LineNumber(number)); });
}

std::string InputPlace(const QvLedgerloom& window) {
  const RunState& run = window.run;
  if (run.Balancing) return "the offsetting entry";
  if (run.curSumLoaded) return SummarizedLinePlace(run.curRec);
  if (!run.Files.IsOpen(kInput) || run.Files.LineNumber(kInput) == 0) return {};
  return run.INFile + (run.Files.ReadsRecords(kInput) ? ", record " : ", line ") +
         std::to_string(run.Files.LineNumber(kInput));
}

void RecordLoop(QvLedgerloom& window, WindowProc writer) {
  while (ReadNextRecord(window)) writer(window);
}

void SummarizingRecordLoop(QvLedgerloom& window, WindowProc writer, const std::function<void()>& onRead) {
  while (ReadNextRecord(window)) {
    if (onRead) onRead();
    TakeRecord(window, writer);
  }
  if (window.Summarized.Value()) SummaryPass(window, writer);
}

void SummaryPass(QvLedgerloom& window, WindowProc writer) {
  RunState& run = window.run;
  const std::int64_t count = run.SumRecs();
  for (run.LoopSum = 1; run.LoopSum <= count; ++run.LoopSum) {
    SumDebitsCredits(run);
    writer(window);
  }
  // Lines written after the pass (closing lines) are none of the merged
  // entries: they count their own amounts.
  run.curSumLoaded = false;
}

void CommaRecordLoop(QvLedgerloom& window, std::size_t count,
                     const std::function<void(const std::vector<std::string>&)>& perLine) {
  while (auto values = ReadCommaValues(window, count)) OnInputLine(window, [&] { perLine(*values); });
}

void WholeLineLoop(QvLedgerloom& window, std::string_view title,
                   const std::function<void(const std::string&)>& perLine) {
  std::optional<std::string> line = ReadInputLine(window);
  if (!line) return TellNoRecords(window, title);
  do {
    OnInputLine(window, [&] { perLine(*line); });
  } while ((line = ReadInputLine(window)));
}

void EachInputLine(QvLedgerloom& window, const std::function<bool(const std::string&)>& perLine) {
  bool more = true;
  while (more) {
    const std::optional<std::string> line = ReadInputLine(window);
    if (!line) return;
    OnInputLine(window, [&] { more = perLine(*line); });
  }
}

std::vector<std::string> ValuesAsTheyStand(std::string_view line, std::size_t count, std::string_view layout) {
  std::optional<std::vector<std::string>> values = files::SplitAsItStands(line, count);
  if (!values)
    throw vb::Error(vb::kInvalidProcedureCall, "The line does not hold the " + std::to_string(count) +
                                                   " values of " + std::string(layout) + ".");
  return std::move(*values);
}

std::vector<InputRecord> StoreInput(QvLedgerloom& window, std::vector<std::string>* wholeAccounts) {
  RunState& run = window.run;
  std::vector<InputRecord> records;
  if (InputIsText(window)) {
    while (auto values = ReadCommaValues(window, InputRecord::kValueFields)) {
      ValuesToRecord(*values, run.curRec);
      if (wholeAccounts != nullptr)
        wholeAccounts->push_back(values->size() > InputRecord::kAccount ? (*values)[InputRecord::kAccount] : "");
      records.push_back(run.curRec);
    }
  } else {
    while (ReadNextRecord(window)) records.push_back(run.curRec);
  }
  return records;
}

void WriteStored(QvLedgerloom& window, const std::vector<InputRecord>& records, WindowProc writer,
                 const std::function<void(std::size_t)>& onRecord, const std::vector<std::string>* mergeKeys) {
  for (std::size_t n = 0; n < records.size(); ++n) {
    window.run.curRec = records[n];
    if (onRecord) onRecord(n);
    TakeRecord(window, writer, mergeKeys != nullptr ? std::string_view(mergeKeys->at(n)) : std::string_view());
  }
  if (window.Summarized.Value()) SummaryPass(window, writer);
}

void ProcessWriterObject(QvLedgerloom& window, const FinPacEntry& entry) {
  FinPacWriter* object = RunWriterOf(window, entry);
  if (object == nullptr) throw std::logic_error(NotAvailableMessage(entry.text));
  bool balancing = false;
  object->Process(balancing);
}

bool Available(const FinPacEntry& entry) {
  const FinPacHooks& h = entry.hooks;
  if (entry.hasHeader && h.header == nullptr) return false;
  if (entry.hasTrailer && h.trailer == nullptr) return false;
  if (entry.ownSteps) return h.entry != nullptr;
  switch (entry.pattern) {
    case CallPattern::MessageOnly:
      return true;
    case CallPattern::WriterObject:
      return h.makeWriter != nullptr;
    case CallPattern::RecordLoop:
    case CallPattern::SummarizingRecordLoop:
    case CallPattern::WholeFileWriter:
      return h.writer != nullptr;
    case CallPattern::CommaRecordLoop:
    case CallPattern::StoreThenWrite:
      // These read into values of the package's own: always entry steps.
      return false;
  }
  return false;
}

void RunPattern(QvLedgerloom& window, const FinPacEntry& entry) {
  RunState& run = window.run;
  run.Ready = true;
  if (entry.files == FilesOpenedBy::Entry) InitFiles(window);
  switch (entry.pattern) {
    case CallPattern::RecordLoop:
      RecordLoop(window, entry.hooks.writer);
      break;
    case CallPattern::SummarizingRecordLoop:
      SummarizingRecordLoop(window, entry.hooks.writer);
      break;
    case CallPattern::WholeFileWriter:
      entry.hooks.writer(window);
      break;
    case CallPattern::WriterObject:
      ProcessWriterObject(window, entry);
      break;
    case CallPattern::MessageOnly:
    case CallPattern::CommaRecordLoop:
    case CallPattern::StoreThenWrite:
      break;
  }
}

}  // namespace qvl
