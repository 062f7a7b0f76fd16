#include "writers/classes/class_writer.h"

#include <optional>
#include <utility>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/input_record.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_state.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr int kInputFile = 1;

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

OffsetAmounts SplitOffset(std::string_view amount, std::string_view zeroText, OffsetSplit split) {
  const vb::Currency value = vb::AmountOf(amount);
  const vb::Currency zero;
  std::string typed(amount);
  std::string empty(zeroText);
  switch (split) {
    case OffsetSplit::BySign:
      if (value < zero) return {std::move(empty), vb::Replace(amount, "-", "")};
      break;
    case OffsetSplit::NegatedCreditAboveZero:
      if (value > zero) return {std::move(empty), (-value).ToText()};
      break;
    case OffsetSplit::NegatedCreditUnlessZero:
      if (!value.IsZero()) return {std::move(empty), (-value).ToText()};
      break;
  }
  return {std::move(typed), std::move(empty)};
}

ClassWriter::ClassWriter(QvLedgerloom& window, ClassShape shape)
    : window_(window), shape_(shape), values_(shape.values) {
  RunState& r = run();
  r.Ready = true;
  r.DoBalancing = true;
  r.RecCount = 0;
}

RunState& ClassWriter::run() const { return window_.run; }

void ClassWriter::Process(bool& Balancing) {
  if (Balancing) {
    WriteLine(true);
    return;
  }
  const FinPacEntry* entry = run().entry;
  if (entry == nullptr || entry->files == FilesOpenedBy::Writer) InitFiles(window_);
  // Nothing of an earlier run's lines reaches this run's lines or its
  // offsetting entries.
  values_.assign(shape_.values, std::string());
  linesRead_ = 0;
  StartRun();
  try {
    ReadInput();
  } catch (...) {
    try {
      EndRun();
    } catch (...) {
      // The line that failed is what the operator is told about.
    }
    throw;
  }
  EndRun();
}

void ClassWriter::Balance(const std::string& Account, const std::string& Amount) {
  TakeOffset(Account, SplitOffset(Amount, shape_.zeroText, shape_.split));
  bool balancing = true;
  Process(balancing);
}

void ClassWriter::FormatUI() { layout::Apply(window_, WindowLayout()); }

void ClassWriter::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  SetValue(shape_.account, account);
  SetValue(shape_.debit, amounts.debit);
  SetValue(shape_.credit, amounts.credit);
}

std::vector<std::string> ClassWriter::SplitLine(const std::string& line) const { return {line}; }

const std::string& ClassWriter::Value(std::size_t index) const {
  static const std::string kNone;
  return index < values_.size() ? values_[index] : kNone;
}

void ClassWriter::SetValue(std::size_t index, std::string text) {
  if (index >= values_.size()) values_.resize(index + 1);
  values_[index] = std::move(text);
}

vb::Currency ClassWriter::Net() const { return vb::AmountOf(Debit()) - vb::AmountOf(Credit()); }

void ClassWriter::curRecAcc(std::string_view text) { run().curRec.SetAccount(text); }
void ClassWriter::CurRecDebits(std::string_view text) { run().curRec.SetDebits(text); }
void ClassWriter::CurRecCredits(std::string_view text) { run().curRec.SetCredits(text); }

void ClassWriter::HandAmounts() {
  CurRecCredits(Credit());
  CurRecDebits(Debit());
}

void ClassWriter::Output(const std::vector<Field>& fields) { WriteFields(window_, shape_.delimiter, fields); }

vb::Date ClassWriter::PeriodEnd() const { return window_.PeriodEnd(); }

void ClassWriter::ReadInput() {
  while (ReadNext()) WriteInputLine();
}

bool ClassWriter::ReadNext() {
  RunState& r = run();
  switch (shape_.input) {
    case ClassInput::CommaValues: {
      std::optional<std::vector<std::string>> values = ReadCommaValues(window_, shape_.values);
      if (!values) return false;
      values_ = std::move(*values);
      break;
    }
    case ClassInput::WholeLines: {
      std::optional<std::string> line;
      do {
        line = r.Files.ReadLine(kInputFile);
      } while (line && Blank(*line));
      if (!line) return false;
      values_ = SplitLine(*line);
      break;
    }
    case ClassInput::Records:
      if (!ReadNextRecord(window_)) return false;
      values_.clear();
      for (std::size_t k = 0; k < InputRecord::kValueFields; ++k)
        values_.push_back(r.curRec.Get(static_cast<InputRecord::Field>(k)));
      break;
  }
  if (values_.size() < shape_.values) values_.resize(shape_.values);
  ++linesRead_;
  return true;
}

void ClassWriter::WriteInputLine() {
  RunState& r = run();
  // The current record holds this line's account and amounts and nothing
  // else: no field is left over from an earlier line or run.
  r.curRec = InputRecord();
  HandAmounts();
  if (shape_.handsAccount) curRecAcc(Account());
  try {
    WriteLine(false);
  } catch (const FileError&) {
    throw;
  } catch (const vb::Error& e) {
    // Where in the input the run stopped.
    const char* unit = shape_.input == ClassInput::Records ? ", record " : ", line ";
    throw FileError(r.INFile + unit + std::to_string(linesRead_), e);
  }
}

FinPacWriter& RunObject(QvLedgerloom& window) {
  const FinPacEntry* entry = window.run.entry;
  FinPacWriter* object = entry != nullptr ? RunWriterOf(window, *entry) : nullptr;
  if (object == nullptr) throw std::logic_error("the run's package has no writer object");
  return *object;
}

}  // namespace qvl
