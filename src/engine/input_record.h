#pragma once
// The fixed 89-character ledger line every writer works on, and the ways it
// is filled: from an 89-byte record of the fixed file, from a comma line split
// as it stands (LineToDelim), or from the values of a comma-list read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

namespace files {
class FileTable;
}

class InputRecord {
 public:
  enum Field : std::size_t {
    kCompany,
    kDate,
    kDivision,
    kBranch,
    kDepartment,
    kAccount,
    kHours,
    kDebits,
    kCredits,
    kLineEnd,
  };
  static constexpr std::size_t kFieldCount = 10;
  static constexpr std::size_t kValueFields = 9;  // company to credits
  static constexpr std::size_t kLength = 89;

  static constexpr std::size_t Width(Field f) { return kWidths[f]; }
  static constexpr std::size_t Offset(Field f) { return kOffsets[f]; }

  // Every field blank, the line end CR LF.
  InputRecord();

  // The field as stored: always exactly Width(f) characters.
  std::string Get(Field f) const { return std::string(View(f)); }
  std::string_view View(Field f) const { return {bytes_.data() + Offset(f), Width(f)}; }
  // Stores the value left-aligned, blank-padded and cut to the field's width.
  // (A right-aligned value is padded by the caller before it is stored.)
  void Set(Field f, std::string_view value);

  std::string company() const { return Get(kCompany); }
  std::string date() const { return Get(kDate); }
  std::string division() const { return Get(kDivision); }
  std::string branch() const { return Get(kBranch); }
  std::string department() const { return Get(kDepartment); }
  std::string account() const { return Get(kAccount); }
  std::string hours() const { return Get(kHours); }
  std::string debits() const { return Get(kDebits); }
  std::string credits() const { return Get(kCredits); }
  std::string lineEnd() const { return Get(kLineEnd); }

  void SetCompany(std::string_view v) { Set(kCompany, v); }
  void SetDate(std::string_view v) { Set(kDate, v); }
  void SetDivision(std::string_view v) { Set(kDivision, v); }
  void SetBranch(std::string_view v) { Set(kBranch, v); }
  void SetDepartment(std::string_view v) { Set(kDepartment, v); }
  // What the writer objects' curRecAcc / CurRecDebits / CurRecCredits do: the
  // text is stored unchanged (no trimming, no conversion), only cut or padded.
  void SetAccount(std::string_view v) { Set(kAccount, v); }
  void SetHours(std::string_view v) { Set(kHours, v); }
  void SetDebits(std::string_view v) { Set(kDebits, v); }
  void SetCredits(std::string_view v) { Set(kCredits, v); }
  void SetLineEnd(std::string_view v) { Set(kLineEnd, v); }

  // All 89 characters.
  std::string Text() const { return std::string(bytes_.data(), bytes_.size()); }
  // Fills all ten fields from an 89-byte record, line end included.
  void SetText(std::string_view record);

  friend bool operator==(const InputRecord&, const InputRecord&) = default;

 private:
  static constexpr std::array<std::size_t, kFieldCount> kWidths{4, 8, 6, 6, 6, 18, 11, 14, 14, 2};
  static constexpr std::array<std::size_t, kFieldCount> kOffsets{0, 4, 12, 18, 24, 30, 48, 59, 73, 87};

  std::array<char, kLength> bytes_;
};

// Splits one comma line into the nine value fields as the values stand
// between the commas (quotes and blanks kept); credits takes the rest of the
// line after the eighth comma. The line end field is not touched. A line with
// fewer than eight commas throws vb::Error 5 ("Invalid procedure call or
// argument") at the first field without a comma: the fields before it hold
// the new values, it and the fields after it keep what they held.
void LineToDelim(std::string_view line, InputRecord& record);

// Stores the values of a comma-list read into the nine value fields in order;
// a field without a value becomes blank. Extra values are ignored.
void ValuesToRecord(const std::vector<std::string>& values, InputRecord& record);

// The fields of one input line that a writer reading comma values into
// values of its own hands to the current record before WriteOutputRec; the
// fields it does not name are blank, never left over from an earlier line.
struct LineFields {
  std::string_view date = {};
  std::string_view branch = {};
  std::string_view account = {};
  std::string_view debits = {};
  std::string_view credits = {};
};
InputRecord RecordOfLine(const LineFields& line);

// Record reads of a numbered file opened for fixed records: the next record,
// or record `recordNumber` (from 1). False, and the record unchanged, when no
// complete record was there (the file's end of file is then true).
bool GetRecord(files::FileTable& files, int number, InputRecord& record);
bool GetRecord(files::FileTable& files, int number, std::int64_t recordNumber, InputRecord& record);

}  // namespace qvl
