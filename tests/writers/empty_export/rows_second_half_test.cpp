// The empty-export rows of the list's second half.
#include "writers/empty_export/empty_export.h"

namespace qvl::test::empty_export {

std::vector<Case> SecondHalf() {
  return {
  };
}

}  // namespace qvl::test::empty_export
