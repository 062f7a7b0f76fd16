#pragma once
// The built-in window layouts of the package list: for every entry without a
// writer class, the steps that lay the main window out for that package
// after the list's reset (which controls show, their captions and values,
// the input-file pattern, and the sample lines of the package's journal).
#include <map>

#include "window/layout_steps.h"

namespace qvl {

// The layout of package list entry `index`; nullptr for an entry that its
// writer class lays out, and for no entry at all (-1).
const layout::Layout* BuiltInLayout(int index);

// The two halves of the table, each in its own file.
using LayoutTable = std::map<int, layout::Layout>;
void AddLayoutsFirstHalf(LayoutTable& table);   // entries 0 to 40 and 42
void AddLayoutsSecondHalf(LayoutTable& table);  // entries 41 and 43 to 98

}  // namespace qvl
