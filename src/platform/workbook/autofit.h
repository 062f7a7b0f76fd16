#pragma once
// Column widths fitted to text, estimated from the advance widths of the
// standard font (Arial, 10 points): a column is as wide as the widest text
// its cells show, plus the cell margins.
#include <cstdint>
#include <string_view>

namespace qvl::workbook::detail {

// Screen pixels the text takes at 96 dots per inch.
double TextPixels(std::string_view text, bool bold);

// A column width (in 1/256 of a character, as the file stores it) that
// shows text of that many pixels in full.
std::uint16_t WidthForPixels(double pixels);

// Column widths in characters, as a program sets and reads them, and in
// file units: the stored width includes the cell margins.
double WidthToCharacters(std::uint16_t width);
std::uint16_t CharactersToWidth(double characters);

}  // namespace qvl::workbook::detail
