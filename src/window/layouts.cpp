#include "window/layouts.h"

namespace qvl {

const layout::Layout* BuiltInLayout(int index) {
  static const LayoutTable table = [] {
    LayoutTable built;
    AddLayoutsFirstHalf(built);
    AddLayoutsSecondHalf(built);
    return built;
  }();
  auto it = table.find(index);
  return it == table.end() ? nullptr : &it->second;
}

}  // namespace qvl
