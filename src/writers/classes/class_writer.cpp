#include "writers/classes/class_writer.h"

#include <optional>
#include <utility>

#include "engine/call_patterns.h"
#include "engine/catalog.h"
#include "engine/input_record.h"
#include "engine/run_errors.h"
#include "engine/run_files.h"
#include "engine/run_messages.h"
#include "engine/run_state.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

constexpr int kInputFile = 1;

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

constexpr std::string_view kSkippedLinesMsg = "These lines of the input file hold too few values and were not written:";

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

ClassShape OwnValues(std::size_t own, std::size_t account, ClassShape shape) {
  const std::size_t hours = InputRecord::kAccount + own;
  shape.values = hours + 3;
  shape.account = account;
  shape.debit = hours + 1;
  shape.credit = hours + 2;
  return shape;
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
    if (shape_.offsetHands != OffsetHands::Nothing) HandAmounts();
    if (shape_.offsetHands == OffsetHands::AmountsAndAccount) curRecAcc(Account());
    WriteLine(true);
    return;
  }
  const FinPacEntry* entry = run().entry;
  if (entry == nullptr || entry->files == FilesOpenedBy::Writer) InitFiles(window_);
  // Nothing of an earlier run's lines reaches this run's lines or its
  // offsetting entries.
  values_.assign(shape_.values, std::string());
  linesRead_ = 0;
  skippedLines_.clear();
  blankLines_.clear();
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

layout::Layout ClassWriter::MessageLineLayout(std::string pattern, std::vector<std::string> samples) {
  using namespace layout;
  return {HideOptions(), Show({"lblMSG"}), Pattern(std::move(pattern)), Samples(std::move(samples))};
}

void ClassWriter::TakeOffset(const std::string& account, const OffsetAmounts& amounts) {
  SetValue(shape_.account, shape_.trimOffsetAccount ? vb::Trim(account) : account);
  SetValue(shape_.debit, amounts.debit);
  SetValue(shape_.credit, amounts.credit);
}

std::optional<std::vector<std::string>> ClassWriter::SplitLine(const std::string& line) const {
  return std::vector<std::string>{line};
}

const std::string& ClassWriter::Value(std::size_t index) const {
  static const std::string kNone;
  return index < values_.size() ? values_[index] : kNone;
}

void ClassWriter::SetValue(std::size_t index, std::string text) {
  if (index >= values_.size()) values_.resize(index + 1);
  values_[index] = std::move(text);
}

void ClassWriter::SetValues(std::vector<std::string> values) {
  values_ = std::move(values);
  if (values_.size() < shape_.values) values_.resize(shape_.values);
}

vb::Currency ClassWriter::Net() const { return vb::AmountOf(Debit()) - vb::AmountOf(Credit()); }

std::string ClassWriter::Unsigned(vb::Currency amount) {
  return (amount < vb::Currency() ? -amount : amount).ToText();
}

std::string ClassWriter::RecordDate(std::string_view yyyymmdd, std::string_view separator) {
  std::string text = vb::Mid(yyyymmdd, 5, 2);
  text += separator;
  text += vb::Mid(yyyymmdd, 7, 2);
  text += separator;
  text += vb::Left(yyyymmdd, 4);
  return text;
}

std::string ClassWriter::DateText(std::string_view text, std::string_view mask, std::string_view separator) {
  if (const std::optional<vb::Date> date = vb::ParseDate(text)) return vb::Format(*date, mask);
  return RecordDate(text, separator);
}

std::string ClassWriter::AtRecordWidth(std::string_view account) {
  return vb::PadRight(account, InputRecord::Width(InputRecord::kAccount));
}

OffsetAmounts ClassWriter::AtRecordWidths(const OffsetAmounts& amounts) {
  return {vb::PadRight(amounts.debit, InputRecord::Width(InputRecord::kDebits)),
          vb::PadRight(amounts.credit, InputRecord::Width(InputRecord::kCredits))};
}

void ClassWriter::curRecAcc(std::string_view text) { run().curRec.SetAccount(text); }
void ClassWriter::CurRecDebits(std::string_view text) { run().curRec.SetDebits(text); }
void ClassWriter::CurRecCredits(std::string_view text) { run().curRec.SetCredits(text); }

void ClassWriter::HandAmounts() {
  CurRecCredits(Credit());
  CurRecDebits(Debit());
}

bool ClassWriter::NonZeroOrOffset(bool offsetting) const { return offsetting || !Net().IsZero(); }

void ClassWriter::Output(const std::vector<Field>& fields) { WriteFields(window_, shape_.delimiter, fields); }

void ClassWriter::OutputHeading(const std::vector<Field>& fields) {
  WriteJournalLine(window_, JoinFields(fields, shape_.delimiter));
}

vb::Date ClassWriter::PeriodEnd() const { return window_.PeriodEnd(); }

void ClassWriter::ReadInput() {
  while (ReadNext()) WriteInputLine(linesRead_);
}

bool ClassWriter::ReadNext() {
  RunState& r = run();
  switch (shape_.input) {
    case ClassInput::CommaValues: {
      std::optional<std::vector<std::string>> values = ReadCommaValues(window_, shape_.values);
      if (!values) return false;
      values_ = std::move(*values);
      ++linesRead_;
      break;
    }
    case ClassInput::WholeLines:
      for (;;) {
        std::optional<std::string> line = r.Files.ReadLine(kInputFile);
        if (!line) {
          ReportSkippedLines();
          return false;
        }
        ++linesRead_;
        if (Blank(*line)) {
          blankLines_.push_back(linesRead_);
          continue;
        }
        // Blank lines with data after them are gaps in the input.
        skippedLines_.insert(skippedLines_.end(), blankLines_.begin(), blankLines_.end());
        blankLines_.clear();
        std::optional<std::vector<std::string>> values = SplitLine(*line);
        if (!values) {
          skippedLines_.push_back(linesRead_);
          continue;
        }
        values_ = std::move(*values);
        break;
      }
      break;
    case ClassInput::Records:
      if (!ReadNextRecord(window_)) return false;
      values_.clear();
      for (std::size_t k = 0; k < InputRecord::kValueFields; ++k)
        values_.push_back(r.curRec.Get(static_cast<InputRecord::Field>(k)));
      ++linesRead_;
      break;
  }
  if (values_.size() < shape_.values) values_.resize(shape_.values);
  if (shape_.emptyAmountsAreZero) {
    for (std::size_t amount : {shape_.debit, shape_.credit})
      if (values_[amount].empty()) values_[amount] = "0";
  }
  TakeLine();
  return true;
}

void ClassWriter::WriteInputLine(std::size_t lineNumber) {
  RunState& r = run();
  // The current record holds this line's account and amounts and nothing
  // else: no field is left over from an earlier line or run.
  const std::string account = LineAccount();
  r.curRec = RecordOfLine({.account = account, .debits = Debit(), .credits = Credit()});
  try {
    WriteLine(false);
  } catch (const FileError&) {
    throw;
  } catch (const vb::Error& e) {
    // Where in the input the run stopped.
    const char* unit = shape_.input == ClassInput::Records ? ", record " : ", line ";
    throw FileError(r.INFile + unit + std::to_string(lineNumber), e);
  }
}

void ClassWriter::ReportSkippedLines() {
  if (skippedLines_.empty()) return;
  std::string where = run().INFile + (skippedLines_.size() == 1 ? ", line " : ", lines ");
  for (std::size_t k = 0; k < skippedLines_.size(); ++k) {
    if (k > 0) where += ", ";
    where += std::to_string(skippedLines_[k]);
  }
  skippedLines_.clear();
  ShowBox(window_, std::string(kSkippedLinesMsg) + "\r\r" + where);
}

FinPacWriter& RunObject(QvLedgerloom& window) {
  const FinPacEntry* entry = window.run.entry;
  FinPacWriter* object = entry != nullptr ? RunWriterOf(window, *entry) : nullptr;
  if (object == nullptr) throw std::logic_error("the run's package has no writer object");
  return *object;
}

}  // namespace qvl
