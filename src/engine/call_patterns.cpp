#include "engine/call_patterns.h"

#include <stdexcept>

#include "engine/run_errors.h"
#include "engine/run_writer.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "engine/summarize.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr int kInput = 1;

// One input record: merged when "Summarized" is chosen, else written.
void TakeRecord(QvLedgerloom& window, WindowProc writer, std::string_view mergeKey = {}) {
  if (window.Summarized.Value())
    Summarize(window.run, mergeKey);
  else
    writer(window);
}

}  // namespace

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
  if (!read->Complete() && !run.warnedValueCount) {
    run.warnedValueCount = true;
    ShowBox(window, ValueCountMessage(count));
  }
  return std::move(read->values);
}

std::optional<std::string> ReadInputLine(QvLedgerloom& window) {
  while (std::optional<std::string> line = window.run.Files.ReadLine(kInput)) {
    if (line->find_first_not_of(" \t") != std::string::npos) return line;
  }
  return std::nullopt;
}

void OnInputLine(QvLedgerloom& window, const std::function<void()>& work) {
  RunState& run = window.run;
  try {
    work();
  } catch (const FileError&) {
    throw;
  } catch (const vb::Error& e) {
    throw FileError(run.INFile + ", line " + std::to_string(run.Files.LineNumber(kInput)), e);
  }
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
  if (!line) return RefuseRun(window, kNoRecordsMsg, title);
  do {
    OnInputLine(window, [&] { perLine(*line); });
  } while ((line = ReadInputLine(window)));
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
