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
// values a run fixes at its start), TakeLine() (values it changes as soon as
// a line is read), TakeOffset() (how the typed account and amounts become its
// line values), ReadInput() (a class that stores the input before it writes)
// and EndRun() (after the last line).
#include <cstddef>
#include <memory>
#include <optional>
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

// What an offsetting pass hands to the current record (which BalanceJE
// prepared) before the class writes its line.
enum class OffsetHands {
  Nothing,            // the record stands as BalanceJE prepared it
  Amounts,            // the line's credit, then its debit
  AmountsAndAccount,  // the same, then the line's account
};

// The form in which a class reads the payroll export (file 1).
enum class ClassInput {
  CommaValues,  // comma lines, `values` values each (one line, however many reads)
  WholeLines,   // whole lines, split into values by the class (SplitLine); a line
                // it cannot split is skipped and reported
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
  // An empty debit or credit read becomes "0" before anything uses it.
  bool emptyAmountsAreZero = false;
  // The offsetting account loses its surrounding blanks.
  bool trimOffsetAccount = false;
  OffsetHands offsetHands = OffsetHands::Nothing;
};

// Comma lines that carry `own` values of the package's own after the
// department (numbered from InputRecord::kAccount), then hours, debit and
// credit; the account is the own value numbered `account`. The rest of the
// shape is `shape`'s.
ClassShape OwnValues(std::size_t own, std::size_t account, ClassShape shape = {});

// A comma line of ten values: the record's values up to the account, a
// column of the package's own, then hours, debit and credit.
struct TenValueLine {
  static constexpr std::size_t kOwnColumn = InputRecord::kHours;
  static constexpr std::size_t kHours = kOwnColumn + 1;
  static constexpr std::size_t kDebit = kOwnColumn + 2;
  static constexpr std::size_t kCredit = kOwnColumn + 3;
  static constexpr std::size_t kValues = kCredit + 1;
};

class ClassWriter : public FinPacWriter {
 public:
  // Balancing false: InitFiles (unless the run opened the files), StartRun,
  // then every input line: its values, a fresh current record holding the
  // line's account and amounts (credit, then debit, then account), and
  // WriteLine(false); then EndRun. Balancing true: what the shape's
  // offsetHands says into the current record, then WriteLine(true) once, on
  // the values TakeOffset set and the other values of the last line read.
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
  // Whole-line input: the values of one line, or nothing when the line
  // holds too few of them.
  virtual std::optional<std::vector<std::string>> SplitLine(const std::string& line) const;
  // A line's values as soon as they are read, before the current record
  // takes them.
  virtual void TakeLine() {}
  // Every line read in turn: its values, then WriteInputLine().
  virtual void ReadInput();

  // --- The input. ---
  // Whether another line was read into the line values.
  bool ReadNext();
  // The line values into a fresh current record (credit, debit, account),
  // then WriteLine(false). A failure names the line `lineNumber`.
  void WriteInputLine(std::size_t lineNumber);
  // The number of the input line (or record) last read.
  std::size_t LineNumber() const { return linesRead_; }

  // The layout most classes have: no entry options, the message line shown,
  // the input files that `pattern` matches listed, then the sample lines.
  static layout::Layout MessageLineLayout(std::string pattern, std::vector<std::string> samples);

  // --- The line in hand. ---
  const std::string& Value(std::size_t index) const;
  void SetValue(std::size_t index, std::string text);
  const std::vector<std::string>& Values() const { return values_; }
  const ClassShape& Shape() const { return shape_; }
  void SetValues(std::vector<std::string> values);
  const std::string& Account() const { return Value(shape_.account); }
  // The account the current record names for the line, as read: the
  // account value unless the class reads its account in parts.
  virtual std::string LineAccount() const { return Account(); }
  const std::string& Debit() const { return Value(shape_.debit); }
  const std::string& Credit() const { return Value(shape_.credit); }
  // Debit minus credit; an amount that is empty or no number counts as 0.
  vb::Currency Net() const;

  // --- Texts several layouts share. ---
  // An amount without its sign, in plain decimal text (9987.46, 500, 0).
  static std::string Unsigned(vb::Currency amount);
  // An export date "yyyymmdd" rewritten as month, day and year joined with
  // `separator`, character by character (no check that it is a date).
  static std::string RecordDate(std::string_view yyyymmdd, std::string_view separator);
  // A date text through `mask` when it is a valid date, else as RecordDate.
  static std::string DateText(std::string_view text, std::string_view mask, std::string_view separator);
  // An offset as an input record holds it: the account in its 18-character
  // field, the amounts in their 14-character fields (blank-padded, cut).
  static std::string AtRecordWidth(std::string_view account);
  static OffsetAmounts AtRecordWidths(const OffsetAmounts& amounts);

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
  // For a class that leaves out the lines that net to zero: whether the
  // line is written. An offsetting line always is.
  bool NonZeroOrOffset(bool offsetting) const;
  // The fields joined with the class's delimiter, through WriteOutputRec.
  void Output(const std::vector<Field>& fields);
  // The same, to the journal only: a heading line that carries no amount
  // counts nothing and has no audit line.
  void OutputHeading(const std::vector<Field>& fields);
  // The period ending date of the window.
  vb::Date PeriodEnd() const;

 private:
  // Tells the operator which input lines could not be split, once a run.
  void ReportSkippedLines();

  QvLedgerloom& window_;
  ClassShape shape_;
  std::vector<std::string> values_;
  std::size_t linesRead_ = 0;
  // Whole-line input: lines skipped so far, and blank lines not yet known
  // to stand before more data (blank lines at the end are no fault).
  std::vector<std::size_t> skippedLines_;
  std::vector<std::size_t> blankLines_;
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
