#pragma once
// The writer object of a class package: what the window and the run engine
// ask of it. The window holds one object per class package, created the first
// time the operator chooses its entry (creating it readies the run state:
// Ready and DoBalancing set, RecCount 0) and kept while the window lives.
#include <string>

namespace qvl {

class FinPacWriter {
 public:
  virtual ~FinPacWriter();

  // Balancing false: reads the whole input and writes the journal, one line
  // after another through the engine's record output. Balancing true (from
  // Balance): writes the one offsetting line only.
  virtual void Process(bool& Balancing) = 0;
  // One offsetting entry, with the account and the amount as the operator
  // typed them (the amount "0" when it was not a number; a negative amount
  // is a credit): writes the offsetting line through Process(true).
  virtual void Balance(const std::string& Account, const std::string& Amount) = 0;
  // Lays the window out for the package after the package list has put the
  // window back into its neutral state: the controls the package reads,
  // their captions and values, the input-file pattern and the sample lines.
  virtual void FormatUI() = 0;

  // The journal file's extension, for the package that names it itself
  // (empty for every other).
  virtual std::string FileExt() const { return {}; }
};

}  // namespace qvl
