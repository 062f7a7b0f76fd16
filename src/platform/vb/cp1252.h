#pragma once
// Windows-1252 text (the system's own) to and from UTF-16, which the
// workbook file format and the desktop toolkit hold. Bytes 0x80-0x9F are not
// Latin-1 in Windows-1252 (0x80 is the euro sign), so they map through a
// table; the five bytes Windows-1252 leaves undefined keep their value.
#include <string>
#include <string_view>

namespace qvl::vb {

std::u16string ToUtf16(std::string_view text);
// Characters without a Windows-1252 form become "?".
std::string FromUtf16(std::u16string_view text);
// Every character below U+0100: storable as one byte per character.
bool IsLatin1(std::u16string_view text);

}  // namespace qvl::vb
