// The empty-export rows of the list's first half.
#include "writers/empty_export/empty_export.h"

namespace qvl::test::empty_export {

std::vector<Case> FirstHalf() {
  return {
  };
}

}  // namespace qvl::test::empty_export
