#include "platform/workbook/autofit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qvl::workbook::detail {
namespace {

// Advance widths of Arial in 1/1000 of the em, characters 32 to 126.
constexpr std::array<std::uint16_t, 95> kArial = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                                // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                              // : to @
    667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,                 // A to M
    722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611,                 // N to Z
    278, 278, 278, 469, 556, 333,                                                    // [ to `
    556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,                 // a to m
    556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500,                 // n to z
    334, 260, 334, 584};                                                             // { to ~

constexpr double kEmPixels = 10.0 * 96 / 72;  // 10 points
constexpr double kDigitPixels = 7;            // the widest digit, the unit of column widths
constexpr double kMarginPixels = 5;           // cell margins and grid line
constexpr double kBoldFactor = 1.08;

}  // namespace

double TextPixels(std::string_view text, bool bold) {
  double units = 0;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    units += c >= 32 && c <= 126 ? kArial[c - 32] : 556;
  }
  return units * kEmPixels / 1000 * (bold ? kBoldFactor : 1);
}

std::uint16_t WidthForPixels(double pixels) {
  double characters = std::ceil(pixels) / kDigitPixels;
  return CharactersToWidth(std::min(characters + 0.3, 255.0));
}

double WidthToCharacters(std::uint16_t width) {
  double pixels = std::floor(width / 256.0 * kDigitPixels + 0.5) - kMarginPixels;
  return std::max(0.0, std::round(pixels / kDigitPixels * 100) / 100);
}

std::uint16_t CharactersToWidth(double characters) {
  characters = std::clamp(characters, 0.0, 255.0);
  return static_cast<std::uint16_t>(std::min(65535.0, std::floor((characters * kDigitPixels + kMarginPixels) / kDigitPixels * 256)));
}

}  // namespace qvl::workbook::detail
