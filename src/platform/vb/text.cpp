#include "platform/vb/text.h"

#include <algorithm>

namespace qvl::vb {

namespace {

unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

}  // namespace

std::string LTrim(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && s[b] == ' ') ++b;
  return std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
  std::size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string Left(std::string_view s, std::size_t n) { return std::string(s.substr(0, std::min(n, s.size()))); }

std::string Right(std::string_view s, std::size_t n) {
  n = std::min(n, s.size());
  return std::string(s.substr(s.size() - n));
}

std::string Mid(std::string_view s, std::size_t start) {
  if (start == 0) start = 1;
  if (start > s.size()) return {};
  return std::string(s.substr(start - 1));
}

std::string Mid(std::string_view s, std::size_t start, std::size_t n) {
  if (start == 0) start = 1;
  if (start > s.size()) return {};
  return std::string(s.substr(start - 1, n));
}

std::size_t InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }

std::size_t InStr(std::size_t start, std::string_view s, std::string_view find) {
  if (start == 0) start = 1;
  if (start > s.size() + 1) return 0;
  if (find.empty()) return start;
  auto pos = s.find(find, start - 1);
  return pos == std::string_view::npos ? 0 : pos + 1;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (true) {
    auto p = s.find(find, i);
    if (p == std::string_view::npos) break;
    out.append(s.substr(i, p - i));
    out.append(with);
    i = p + find.size();
  }
  out.append(s.substr(i));
  return out;
}

std::string UCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
  return out;
}

std::string Space(std::size_t n) { return std::string(n, ' '); }
std::string String(std::size_t n, char c) { return std::string(n, c); }

std::string PadRight(std::string_view s, std::size_t width) {
  std::string out(s.substr(0, std::min(width, s.size())));
  out.resize(width, ' ');
  return out;
}

std::string PadLeft(std::string_view s, std::size_t width) {
  if (s.size() >= width) return std::string(s.substr(0, width));
  std::string out(width, ' ');
  out.replace(width - s.size(), s.size(), s);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

}  // namespace qvl::vb
