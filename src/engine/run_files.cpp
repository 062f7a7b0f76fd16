#include "engine/run_files.h"

#include <optional>

#include "engine/catalog.h"
#include "engine/run_errors.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/files/text_stream.h"
#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

bool HasJournal(const FinPacEntry* entry) { return entry == nullptr || entry->journalStream; }
bool HasAudit(const FinPacEntry* entry) { return entry == nullptr || entry->auditStream; }

void RefuseOutputOverInput(QvLedgerloom& window, const std::vector<RunStream>& streams) {
  for (const RunStream& s : streams) {
    if (!paths::SameFile(window.run.INFile, s.path)) continue;
    RefuseRun(window, std::string(kOutputIsInputMsg) + "\r\r" + s.path);
    throw RunStopped();
  }
}

void OpenInput(QvLedgerloom& window) {
  RunState& run = window.run;
  try {
    if (InputIsText(window))
      run.Files.OpenText(1, run.INFile);
    else
      run.Files.OpenRecords(1, run.INFile);
  } catch (const vb::Error& e) {
    throw FileError(run.INFile, e);
  }
}

files::TextStream Create(const std::string& path) {
  try {
    return files::CreateTextFile(path);
  } catch (const vb::Error& e) {
    throw FileError(path, e);
  }
}

void CreateStreams(const std::vector<RunStream>& streams) {
  for (const RunStream& s : streams) *s.stream = Create(s.path);
}

// The streams could not be created because the output folder is missing:
// the operator decides whether it is created. Declining ends the run with
// nothing written.
void CreateMissingFolder(QvLedgerloom& window, std::string_view storeWhat) {
  RunState& run = window.run;
  run.Build_String = "We would like to create the directory \r\r" + run.Output_Path + "\r\rso we can store your " +
                     std::string(storeWhat) + ".";
  if (!AskToProceed(window, run.Build_String)) throw RunStopped();
  CreateFolderPath(run.Output_Path);
}

void WriteRecords(QvLedgerloom& window, RecordLines lines) {
  RunState& run = window.run;
  if (lines == nullptr) return;
  for (std::string& line : lines(window)) {
    run.Build_OutRec = std::move(line);
    run.a.WriteLine(run.Build_OutRec);
  }
}

// Flushes or closes each stream of the run; the journal's and the audit
// trail's failures name their file.
void FinishStreams(RunState& run, void (files::TextStream::*step)()) {
  for (files::TextStream* stream : run.Streams()) {
    try {
      (stream->*step)();
    } catch (const vb::Error& e) {
      if (stream == &run.a) throw FileError(run.OUTFile, e);
      if (stream == &run.b) throw FileError(run.AuditFile, e);
      throw;
    }
  }
}

}  // namespace

bool InputIsText(const QvLedgerloom& window) {
  const FinPacEntry* entry = window.run.entry;
  return entry != nullptr && ReadsText(*entry, window.Summarized.Value(), window.chkCSV.Checked());
}

void CreateFolderPath(std::string_view windowsFolder) {
  std::string folder(windowsFolder);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  std::size_t pos = folder.find('\\');
  while (true) {
    const std::string prefix = pos == std::string::npos ? folder : folder.substr(0, pos);
    // "c:" itself is the drive.
    if (prefix.find('\\') != std::string::npos && !paths::FolderExists(prefix)) {
      try {
        files::CreateFolder(prefix);
      } catch (const vb::Error& e) {
        throw FileError(prefix, e);
      }
    }
    if (pos == std::string::npos) break;
    pos = folder.find('\\', pos + 1);
  }
}

void OpenRunFiles(QvLedgerloom& window, const std::vector<RunStream>& streams, std::string_view storeWhat) {
  RunState& run = window.run;
  RefuseOutputOverInput(window, streams);
  OpenInput(window);
  try {
    CreateStreams(streams);
  } catch (const FileError& e) {
    if (e.number() != vb::kPathNotFound) throw;
    CreateMissingFolder(window, storeWhat);
    CreateStreams(streams);
  }
  // (Built from a character: GCC 12 warns falsely at -O2 on a short literal here.)
  run.quote = std::string(1, '"');
}

void InitFiles(QvLedgerloom& window) {
  RunState& run = window.run;
  std::vector<RunStream> streams;
  if (HasJournal(run.entry)) streams.push_back({&run.a, run.OUTFile});
  if (HasAudit(run.entry)) streams.push_back({&run.b, run.AuditFile});
  OpenRunFiles(window, streams, "Journal Entry");
  if (run.entry != nullptr && run.entry->hasHeader) WriteRecords(window, run.entry->hooks.header);
}

void CloseFiles(QvLedgerloom& window) {
  RunState& run = window.run;
  if (run.entry != nullptr && run.entry->hasTrailer) WriteRecords(window, run.entry->hooks.trailer);
  FinishStreams(run, &files::TextStream::Close);
  run.Files.Close(1);
}

void FlushRunFiles(RunState& run) { FinishStreams(run, &files::TextStream::Flush); }

void CloseRunFilesQuietly(RunState& run) {
  // Dropping a stream closes it and passes over a failure to flush.
  for (files::TextStream* stream : run.Streams()) *stream = files::TextStream();
  run.Files.CloseAll();
}

void WriteJournalLine(QvLedgerloom& window, std::string_view line) { window.run.a.WriteLine(line); }

std::vector<std::vector<std::string>> ReadCommaRows(RunState& run, int number, std::string_view path,
                                                    std::size_t perRow) {
  std::vector<std::vector<std::string>> rows;
  try {
    run.Files.OpenText(number, path);
    while (std::optional<files::CommaValues> row = run.Files.ReadValues(number, perRow))
      rows.push_back(std::move(row->values));
    run.Files.Close(number);
  } catch (const vb::Error&) {
    run.Files.Close(number);
    throw;
  }
  return rows;
}

}  // namespace qvl
