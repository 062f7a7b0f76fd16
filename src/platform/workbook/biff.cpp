#include "platform/workbook/biff.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
