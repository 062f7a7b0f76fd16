#include "platform/qt/encoding.h"

#include <array>

namespace qvl::qt {

namespace {
// Bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined (it then
// stands for the C1 control of the same number, as Windows converts it).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString ToQString(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char16_t unit = byte;
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0) unit = kHigh[byte - 0x80];
    out.append(QChar(unit));
  }
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar qc : text) {
    const char16_t unit = qc.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      out += static_cast<char>(unit);
      continue;
    }
    char byte = '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] == unit || (kHigh[i] == 0 && unit == 0x80 + i)) {
        byte = static_cast<char>(0x80 + i);
        break;
      }
    }
    out += byte;
  }
  return out;
}

}  // namespace qvl::qt
