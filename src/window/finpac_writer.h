#pragma once
// The writer object of a class package. The window holds one object per
// class package, created the first time the operator chooses its entry, and
// asks it to lay the window out each time the entry is chosen again. What
// the run engine asks of the object (processing a run, writing an
// offsetting entry) is added by the writer classes.
namespace qvl {

class FinPacWriter {
 public:
  virtual ~FinPacWriter();
  // Lays the window out for the package after the package list has put the
  // window back into its neutral state: the controls the package reads,
  // their captions and values, the input-file pattern and the sample lines.
  virtual void FormatUI() = 0;
};

}  // namespace qvl
