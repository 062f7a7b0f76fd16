#pragma once
// The string functions of the original runtime, with its 1-based positions,
// and the field helpers every fixed layout uses. Text is single-byte
// (Windows-1252): one char is one character.
#include <cstddef>
#include <string>
#include <string_view>

namespace qvl::vb {

// Blanks only (not tabs or line ends), as the original trims.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Left(s, n): the first n characters (all when n exceeds the length).
std::string Left(std::string_view s, std::size_t n);
// Right(s, n): the last n characters.
std::string Right(std::string_view s, std::size_t n);
// Mid(s, start): from 1-based start to the end; Mid(s, start, n): at most n
// characters. A start past the end gives "". start must be >= 1.
std::string Mid(std::string_view s, std::size_t start);
std::string Mid(std::string_view s, std::size_t start, std::size_t n);

// InStr(s, find) / InStr(start, s, find): 1-based position of the first
// occurrence at or after start, 0 when absent. An empty find returns start
// (when start <= Len(s) + 1), as the original does.
std::size_t InStr(std::string_view s, std::string_view find);
std::size_t InStr(std::size_t start, std::string_view s, std::string_view find);

// Every occurrence of find replaced, left to right, without rescanning the
// replacement. An empty find leaves the text unchanged. Case-sensitive.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);

// ASCII and the Windows-1252 letters upper-cased as the original's ANSI
// conversion does (à..þ except ÷ to À..Þ, š œ ž ÿ to Š Œ Ž Ÿ).
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

// Space(n), String(n, c).
std::string Space(std::size_t n);
std::string String(std::size_t n, char c);

// Fixed-width fields. PadRight: left-aligned, blank-padded on the right, cut to
// the width from the right (keeps the first `width` characters). PadLeft:
// right-aligned, blank-padded on the left, cut to the width keeping the first
// `width` characters, as a fixed-length string assignment of RSet does.
std::string PadRight(std::string_view s, std::size_t width);
std::string PadLeft(std::string_view s, std::size_t width);

// Case-insensitive equality for Windows-1252 (file names, drive letters).
bool EqualsNoCase(std::string_view a, std::string_view b);
// Whether s begins with prefix, letter case ignored as EqualsNoCase does.
bool StartsWithNoCase(std::string_view s, std::string_view prefix);

}  // namespace qvl::vb
