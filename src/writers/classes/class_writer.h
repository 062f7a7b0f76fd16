#pragma once
// What every writer class shares, written once: creating the object readies
// the run state; a run opens the files (where the package's writer opens
// them), reads the payroll export in the form the class reads it and hands
// each line's values to the class, which states its layout; an offsetting
// entry splits the typed amount into a debit and a credit and writes one more
// line in the same layout; the window layout is a list of layout steps.
//
// A class derives from ClassWriter, gives its input shape and its offset
// rule to the constructor, and states:
//   WriteLine(offsetting)  its one line from the line values (Output()),
//   WindowLayout()         its controls, captions, pattern and sample lines,
// and, where it departs from the shared steps, StartRun() (counters and the
// values a run fixes at its start), EndRun() (what it completes after the
// last line) and TakeOffset() (how the typed account and amounts become its
// line values).
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields.h"
#include "engine/input_record.h"
#include "engine/run_writer.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "window/finpac_writer.h"
#include "window/layout_steps.h"

namespace qvl {

class QvLedgerloom;
struct RunState;

// An offsetting amount as the debit and credit texts of a line.
struct OffsetAmounts {
  std::string debit;
  std::string credit;
  friend bool operator==(const OffsetAmounts&, const OffsetAmounts&) = default;
};

// How a class puts the typed offsetting amount into its debit and credit.
// Whatever the rule, the debit minus the credit is the typed amount.
enum class OffsetSplit {
  // Below zero: the credit is the amount with every "-" removed. Otherwise
  // the debit is the amount as typed. The other side is the zero text.
  BySign,
  // Above zero: the credit is the amount negated (a negative credit). Zero or
  // below: the debit is the amount as typed. The other side is the zero text.
  NegatedCreditAboveZero,
  // Not zero: the credit is the amount negated. Zero: the debit is the
  // amount as typed. The other side is the zero text.
  NegatedCreditUnlessZero,
};

// The typed amount counts as its number (0 when it is not one).
OffsetAmounts SplitOffset(std::string_view amount, std::string_view zeroText,
                          OffsetSplit split = OffsetSplit::BySign);

// The form in which a class reads the payroll export (file 1).
enum class ClassInput {
  CommaValues,  // comma lines, `values` values each (one line, however many reads)
  WholeLines,   // whole lines, split into values by the class (SplitLine)
  Records,      // 89-character records; the values are the record's nine fields
};

// The standard comma line holds the nine values of a record, in the
// record's order (company, date, division, branch, department, account,
// hours, debits, credits).
struct ClassShape {
  ClassInput input = ClassInput::CommaValues;
  std::size_t values = InputRecord::kValueFields;  // comma values per line
  // Where the line's account, debit and credit stand among its values.
  std::size_t account = InputRecord::kAccount;
  std::size_t debit = InputRecord::kDebits;
  std::size_t credit = InputRecord::kCredits;
  std::string_view delimiter = ",";
  // The offsetting entry's rule, and the text of its empty side.
  std::string_view zeroText = "0";
  OffsetSplit split = OffsetSplit::BySign;
  // Whether each line's account goes into the current record beside its
  // amounts (a package that hands over its amounts alone leaves it blank).
  bool handsAccount = true;
};

class ClassWriter : public FinPacWriter {
 public:
  // Balancing false: InitFiles (unless the run opened the files), StartRun,
  // then every input line: its values, a fresh current record holding the
  // line's account and amounts (credit, then debit, then account), and
  // WriteLine(false). Balancing true: WriteLine(true) once, on the values
  // TakeOffset set and the other values of the last line read.
  void Process(bool& Balancing) final;
  // Splits the amount by the class's rule, TakeOffset, then Process(true).
  void Balance(const std::string& Account, const std::string& Amount) final;
  // Applies WindowLayout() to the window.
  void FormatUI() final;

 protected:
  // Creating the object readies the run state: Ready and DoBalancing set,
  // RecCount 0.
  ClassWriter(QvLedgerloom& window, ClassShape shape);

  // --- What a class states. ---
  // Writes the line for the values in hand, or nothing where the class
  // skips it. `offsetting`: the one line of an offsetting entry.
  virtual void WriteLine(bool offsetting) = 0;
  virtual layout::Layout WindowLayout() const = 0;
  // At the start of every run, after the files are opened: the class's
  // counters and the values it fixes for the run.
  virtual void StartRun() {}
  // After the last input line, or after a line that failed (the failure is
  // then the one reported): what the class completes once per run.
  virtual void EndRun() {}
  // The offsetting account and amounts into the line values (by default as
  // they are: the account as typed).
  virtual void TakeOffset(const std::string& account, const OffsetAmounts& amounts);
  // Whole-line input: the values of one line.
  virtual std::vector<std::string> SplitLine(const std::string& line) const;

  // --- The line in hand. ---
  const std::string& Value(std::size_t index) const;
  void SetValue(std::size_t index, std::string text);
  const std::string& Account() const { return Value(shape_.account); }
  const std::string& Debit() const { return Value(shape_.debit); }
  const std::string& Credit() const { return Value(shape_.credit); }
  // Debit minus credit; an amount that is empty or no number counts as 0.
  vb::Currency Net() const;

  // --- Engine and window services. ---
  QvLedgerloom& window() const { return window_; }
  RunState& run() const;
  // The current record's account, debits and credits: the text left-aligned,
  // blank-padded and cut at the field's width.
  void curRecAcc(std::string_view text);
  void CurRecDebits(std::string_view text);
  void CurRecCredits(std::string_view text);
  // The line's credit, then its debit, into the current record.
  void HandAmounts();
  // The fields joined with the class's delimiter, through WriteOutputRec.
  void Output(const std::vector<Field>& fields);
  // The period ending date of the window.
  vb::Date PeriodEnd() const;

 private:
  void ReadInput();
  // Whether another input line was read into the line values.
  bool ReadNext();
  void WriteInputLine();

  QvLedgerloom& window_;
  ClassShape shape_;
  std::vector<std::string> values_;
  std::size_t linesRead_ = 0;
};

// Creates the writer object of a class (the catalog's makeWriter).
template <class Writer>
std::unique_ptr<FinPacWriter> MakeWriter(QvLedgerloom& window) {
  return std::make_unique<Writer>(window);
}

// The window's object of the run's package, as its class: what the
// package's header and trailer records ask for.
FinPacWriter& RunObject(QvLedgerloom& window);
template <class Writer>
Writer& RunObjectAs(QvLedgerloom& window) {
  auto* object = dynamic_cast<Writer*>(&RunObject(window));
  if (object == nullptr) throw std::logic_error("the run's writer object is not of its package's class");
  return *object;
}

}  // namespace qvl
