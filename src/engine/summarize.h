#pragma once
// Summarized entries: ledger lines that share company, date, division,
// branch, department and account are merged into one line whose debits and
// credits are the group's sums, and the merged lines are written afterwards
// in the order in which their keys first appeared.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/input_record.h"
#include "platform/vb/currency.h"

namespace qvl {

struct RunState;

// The table of merged lines. Entries are numbered from 1 in first-appearance
// order; a key is found through a hash index, so merging stays linear in the
// number of records however many keys a run brings.
class SumTable {
 public:
  void Clear();
  std::int64_t Count() const { return static_cast<std::int64_t>(rows_.size()); }
  // Entry n (1..Count()); vb::Error 9 "Subscript out of range" otherwise.
  // An entry whose sums are wider than the record's amount fields raises
  // vb::Error 6 naming the amount, as a FileError placed at the entry's
  // summarized line.
  const InputRecord& Entry(std::int64_t n) const;
  // Whether entry n holds two or more records: its amount texts are then
  // the group's sums, not the texts of the record that created it.
  bool Merged(std::int64_t n) const;

  // Merges the record into the entry of its key, or adds it as a new entry
  // (kept as it stands, amount texts included). Returns true when it merged,
  // with the record's own amounts in `debit` and `credit`. `keyText` joins
  // the key: a package that keeps an account longer than the record's field
  // merges on its whole text.
  bool Add(const InputRecord& record, vb::Currency& debit, vb::Currency& credit,
           std::string_view keyText = {});

 private:
  struct Row {
    InputRecord record;
    vb::Currency debits;   // the value of record's debits text
    vb::Currency credits;  // the value of record's credits text
    bool tooWide = false;  // a sum does not fit its field: record keeps older texts
    bool merged = false;   // a second record of the key has been added
  };
  std::vector<Row> rows_;
  std::unordered_map<std::string, std::size_t> index_;
};

// How a run's error names a merged line: by its account.
std::string SummarizedLinePlace(const InputRecord& entry);

// The key of a record: its first six fields exactly as stored (case and
// blanks count).
std::string SumKey(const InputRecord& record);

// Merges `curRec` into `SumArray`. After a merge `curDebit` and `curCredit`
// hold the record's amounts. `keyExtra`: see SumTable::Add.
void Summarize(RunState& run, std::string_view keyExtra = {});

// Loads entry `LoopSum` into `curRec` and sets `curDebit`, `curCredit`,
// `SumAmount` (debits minus credits as "######.00") and `curSumAmount`.
void SumDebitsCredits(RunState& run);

}  // namespace qvl
