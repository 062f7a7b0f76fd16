#include "platform/workbook/biff.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include <iconv.h>

#include "platform/vb/cp1252.h"

namespace qvl::workbook::detail {

void ByteWriter::U16(std::uint16_t v) {
  const std::uint8_t le[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
  bytes_.insert(bytes_.end(), le, le + 2);
}

void ByteWriter::U32(std::uint32_t v) {
  U16(static_cast<std::uint16_t>(v));
  U16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::F64(double v) {
  auto bits = std::bit_cast<std::uint64_t>(v);
  U32(static_cast<std::uint32_t>(bits));
  U32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::Chars(std::u16string_view text, bool compressed) {
  for (char16_t c : text) {
    if (compressed) {
      U8(static_cast<std::uint8_t>(c));
    } else {
      U16(c);
    }
  }
}

void ByteWriter::PatchU16(std::size_t at, std::uint16_t v) {
  bytes_.at(at) = static_cast<std::uint8_t>(v);
  bytes_.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void ByteWriter::PatchU32(std::size_t at, std::uint32_t v) {
  PatchU16(at, static_cast<std::uint16_t>(v));
  PatchU16(at + 2, static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::Record(std::uint16_t id, const ByteWriter& body) { Record(id, body.bytes()); }

void ByteWriter::Record(std::uint16_t id, std::span<const std::uint8_t> body) {
  if (body.size() > kMaxRecordData) throw std::logic_error("record body too long");
  U16(id);
  U16(static_cast<std::uint16_t>(body.size()));
  Bytes(body);
}

void WriteUnicodeString(ByteWriter& out, std::string_view text, bool shortLength) {
  std::u16string wide = vb::ToUtf16(text);
  if (shortLength) {
    out.U8(static_cast<std::uint8_t>(wide.size()));
  } else {
    out.U16(static_cast<std::uint16_t>(wide.size()));
  }
  bool compressed = vb::IsLatin1(wide);
  out.U8(compressed ? 0 : 1);
  out.Chars(wide, compressed);
}

std::span<const std::uint8_t> DataReader::Bytes(std::size_t n) {
  if (n > remaining()) throw FormatError("a record is shorter than its contents require");
  auto out = data_.subspan(pos_, n);
  pos_ += n;
  return out;
}

std::uint8_t DataReader::U8() { return Bytes(1)[0]; }

std::uint16_t DataReader::U16() {
  auto b = Bytes(2);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t DataReader::U32() {
  std::uint32_t lo = U16();
  std::uint32_t hi = U16();
  return lo | hi << 16;
}

double DataReader::F64() {
  std::uint64_t lo = U32();
  std::uint64_t hi = U32();
  return std::bit_cast<double>(lo | hi << 32);
}

std::string ReadUnicodeString(DataReader& in, bool shortLength) {
  std::size_t count = shortLength ? in.U8() : in.U16();
  std::uint8_t flags = in.U8();
  std::uint16_t runs = (flags & 0x08) ? in.U16() : 0;
  std::uint32_t ext = (flags & 0x04) ? in.U32() : 0;
  std::u16string wide;
  wide.reserve(count);
  if (flags & 0x01) {
    auto b = in.Bytes(count * 2);
    for (std::size_t i = 0; i < count; ++i) wide.push_back(static_cast<char16_t>(b[2 * i] | b[2 * i + 1] << 8));
  } else {
    for (std::uint8_t b : in.Bytes(count)) wide.push_back(b);
  }
  // Formatting runs and phonetic data of a string within one record.
  in.Skip(std::min<std::size_t>(static_cast<std::size_t>(runs) * 4, in.remaining()));
  in.Skip(std::min<std::size_t>(ext, in.remaining()));
  return vb::FromUtf16(wide);
}

CodePage::CodePage(std::uint16_t id) {
  // 367 is US-ASCII, 32769 the Windows code page as early versions wrote it.
  if (id == 1252 || id == 367 || id == 32769) return;
  std::string name = id == 32768 ? "MACINTOSH" : "CP" + std::to_string(id);
  iconv_t cd = iconv_open("UTF-16LE", name.c_str());
  // An unknown code page: only its ASCII characters are certain.
  windows1252_ = false;
  if (cd != reinterpret_cast<iconv_t>(-1)) converter_ = cd;
}

CodePage::~CodePage() {
  if (converter_) iconv_close(static_cast<iconv_t>(converter_));
}

std::string CodePage::Decode(std::span<const std::uint8_t> bytes) const {
  if (windows1252_) return std::string(bytes.begin(), bytes.end());
  std::u16string wide;
  if (!converter_) {
    for (std::uint8_t b : bytes) wide.push_back(b < 0x80 ? b : u'?');
    return vb::FromUtf16(wide);
  }
  iconv_t cd = static_cast<iconv_t>(converter_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::vector<char> in(bytes.begin(), bytes.end());
  char* from = in.data();
  std::size_t fromLeft = in.size();
  std::vector<char> out(in.size() * 4 + 8);
  while (fromLeft > 0) {
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t before = fromLeft;
    const bool failed = iconv(cd, &from, &fromLeft, &to, &toLeft) == static_cast<std::size_t>(-1);
    const bool full = failed && errno == E2BIG;
    for (char* c = out.data(); c + 1 < to; c += 2) {
      wide.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(c[0]) | static_cast<std::uint8_t>(c[1]) << 8));
    }
    if (failed && fromLeft > 0 && (!full || fromLeft == before)) {
      // A byte the code page does not define, or a character cut short.
      wide.push_back(u'?');
      ++from;
      --fromLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return vb::FromUtf16(wide);
}

std::string CodePage::Read(DataReader& in, bool shortLength) const {
  std::size_t count = shortLength ? in.U8() : in.U16();
  return Decode(in.Bytes(count));
}

bool ContinuedReader::NextPart() {
  while (part_ < parts_.size() && pos_ >= parts_[part_].size()) {
    ++part_;
    pos_ = 0;
  }
  return part_ < parts_.size();
}

bool ContinuedReader::AtEnd() { return !NextPart(); }

std::uint8_t ContinuedReader::U8() {
  if (!NextPart()) throw FormatError("the shared string table ends inside a string");
  return parts_[part_][pos_++];
}

std::uint16_t ContinuedReader::U16() {
  std::uint16_t lo = U8();
  return static_cast<std::uint16_t>(lo | U8() << 8);
}

std::uint32_t ContinuedReader::U32() {
  std::uint32_t lo = U16();
  return lo | static_cast<std::uint32_t>(U16()) << 16;
}

void ContinuedReader::Skip(std::size_t n) {
  while (n > 0) {
    if (!NextPart()) throw FormatError("the shared string table ends inside a string");
    std::size_t take = std::min(n, parts_[part_].size() - pos_);
    pos_ += take;
    n -= take;
  }
}

std::string ContinuedReader::ReadString() {
  std::size_t count = U16();
  std::uint8_t flags = U8();
  std::uint16_t runs = (flags & 0x08) ? U16() : 0;
  std::uint32_t ext = (flags & 0x04) ? U32() : 0;
  bool wideChars = flags & 0x01;
  std::u16string text;
  text.reserve(count);
  while (text.size() < count) {
    if (part_ < parts_.size() && pos_ >= parts_[part_].size()) {
      // The characters go on in the next record, behind a new option byte.
      if (!NextPart()) break;
      wideChars = U8() & 0x01;
      continue;
    }
    if (part_ >= parts_.size()) break;
    auto part = parts_[part_];
    std::size_t width = wideChars ? 2 : 1;
    std::size_t fit = std::min(count - text.size(), (part.size() - pos_) / width);
    if (fit == 0) throw FormatError("a string character is split between two records");
    for (std::size_t i = 0; i < fit; ++i, pos_ += width) {
      text.push_back(wideChars ? static_cast<char16_t>(part[pos_] | part[pos_ + 1] << 8) : part[pos_]);
    }
  }
  if (text.size() < count) throw FormatError("the shared string table ends inside a string");
  Skip(static_cast<std::size_t>(runs) * 4);
  Skip(ext);
  return vb::FromUtf16(text);
}

}  // namespace qvl::workbook::detail
