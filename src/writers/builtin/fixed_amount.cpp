#include "writers/builtin/fixed_amount.h"

#include "engine/run_errors.h"
#include "window/qvledgerloom.h"

namespace qvl {

std::string AmountAtWidth(QvLedgerloom& window, std::string_view amount, std::size_t width, Align align,
                          std::int64_t recordNumber) {
  try {
    // AmountInField refuses what does not fit; the alignment is ours.
    AmountInField(amount, width);
  } catch (const vb::Error& e) {
    if (recordNumber <= 0) throw;
    throw FileError(window.run.INFile + ", record " + std::to_string(recordNumber), e);
  }
  return AtWidth(amount, width, align);
}

}  // namespace qvl
