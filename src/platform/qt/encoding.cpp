#include "platform/qt/encoding.h"

#include "platform/vb/cp1252.h"

namespace qvl::qt {

QString ToQString(std::string_view text) {
  const std::u16string wide = vb::ToUtf16(text);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQString(const QString& text) {
  return vb::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

}  // namespace qvl::qt
