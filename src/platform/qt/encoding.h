#pragma once
// The program's texts are single-byte Windows-1252; Qt's are Unicode.
#include <QString>
#include <string>
#include <string_view>

namespace qvl::qt {

QString ToQString(std::string_view text);
// Characters Windows-1252 cannot hold become "?".
std::string FromQString(const QString& text);

}  // namespace qvl::qt
