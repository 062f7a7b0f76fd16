#include "platform/workbook/cfb.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "platform/vb/text.h"
#include "platform/workbook/biff.h"

namespace qvl::workbook::detail {
namespace {

constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
constexpr std::uint32_t kDifSect = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

constexpr std::size_t kSector = 512;
constexpr std::size_t kEntriesPerSector = kSector / 4;
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kMiniCutoff = 4096;
constexpr std::size_t kMiniSector = 64;

constexpr std::array<std::uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// The class of an Excel 97-2003 workbook, stored on the root storage.
constexpr std::array<std::uint8_t, 16> kWorkbookClass = {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

std::size_t CeilDiv(std::size_t a, std::size_t b) { return (a + b - 1) / b; }

void PutU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, static_cast<std::uint16_t>(v));
  PutU16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

std::uint32_t GetU32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

void WriteDirectoryEntry(std::uint8_t* e, std::u16string_view name, std::uint8_t type, std::uint32_t child,
                         std::uint32_t start, std::uint32_t size) {
  for (std::size_t i = 0; i < name.size(); ++i) PutU16(e + 2 * i, name[i]);
  PutU16(e + 64, static_cast<std::uint16_t>((name.size() + 1) * 2));
  e[66] = type;
  e[67] = 1;  // black: a one-entry tree per level is trivially balanced
  PutU32(e + 68, kNoStream);
  PutU32(e + 72, kNoStream);
  PutU32(e + 76, child);
  PutU32(e + 116, start);
  PutU32(e + 120, size);
}

}  // namespace

std::vector<std::uint8_t> WriteCompoundFile(std::span<const std::uint8_t> workbook) {
  std::size_t streamSize = std::max(workbook.size(), kMiniCutoff);
  if (streamSize > 0xFFFFFFFFu - kSector) throw std::length_error("workbook too large to save");
  std::size_t streamSectors = CeilDiv(streamSize, kSector);
  const std::size_t dirSectors = 1;

  // The allocation table also maps its own sectors and the DIFAT sectors
  // that list it once it outgrows the header's 109 slots.
  std::size_t fatSectors = 0, difatSectors = 0;
  for (;;) {
    std::size_t total = streamSectors + dirSectors + fatSectors + difatSectors;
    std::size_t needFat = CeilDiv(total, kEntriesPerSector);
    std::size_t needDifat = needFat > kHeaderDifat ? CeilDiv(needFat - kHeaderDifat, kEntriesPerSector - 1) : 0;
    if (needFat == fatSectors && needDifat == difatSectors) break;
    fatSectors = needFat;
    difatSectors = needDifat;
  }
  const std::size_t firstDifat = fatSectors;
  const std::size_t dirSector = fatSectors + difatSectors;
  const std::size_t firstStream = dirSector + dirSectors;
  const std::size_t totalSectors = firstStream + streamSectors;

  std::vector<std::uint8_t> file(kSector * (1 + totalSectors), 0);
  auto sector = [&](std::size_t i) { return file.data() + kSector * (i + 1); };

  // Header.
  std::uint8_t* h = file.data();
  std::memcpy(h, kSignature.data(), kSignature.size());
  PutU16(h + 24, 0x003E);  // minor version
  PutU16(h + 26, 0x0003);  // major version 3: 512-byte sectors
  PutU16(h + 28, 0xFFFE);  // little-endian
  PutU16(h + 30, 9);       // sector size 2^9
  PutU16(h + 32, 6);       // mini sector size 2^6
  PutU32(h + 44, static_cast<std::uint32_t>(fatSectors));
  PutU32(h + 48, static_cast<std::uint32_t>(dirSector));
  PutU32(h + 56, kMiniCutoff);
  PutU32(h + 60, kEndOfChain);  // no mini FAT
  PutU32(h + 64, 0);
  PutU32(h + 68, difatSectors ? static_cast<std::uint32_t>(firstDifat) : kEndOfChain);
  PutU32(h + 72, static_cast<std::uint32_t>(difatSectors));
  for (std::size_t i = 0; i < kHeaderDifat; ++i) {
    PutU32(h + 76 + 4 * i, i < fatSectors ? static_cast<std::uint32_t>(i) : kFreeSect);
  }

  // DIFAT sectors: 127 FAT sector numbers each, then the next DIFAT sector.
  for (std::size_t d = 0; d < difatSectors; ++d) {
    std::uint8_t* s = sector(firstDifat + d);
    for (std::size_t j = 0; j < kEntriesPerSector - 1; ++j) {
      std::size_t fat = kHeaderDifat + d * (kEntriesPerSector - 1) + j;
      PutU32(s + 4 * j, fat < fatSectors ? static_cast<std::uint32_t>(fat) : kFreeSect);
    }
    PutU32(s + 4 * (kEntriesPerSector - 1),
           d + 1 < difatSectors ? static_cast<std::uint32_t>(firstDifat + d + 1) : kEndOfChain);
  }

  // FAT.
  std::vector<std::uint32_t> fat(fatSectors * kEntriesPerSector, kFreeSect);
  for (std::size_t i = 0; i < fatSectors; ++i) fat[i] = kFatSect;
  for (std::size_t i = 0; i < difatSectors; ++i) fat[firstDifat + i] = kDifSect;
  fat[dirSector] = kEndOfChain;
  for (std::size_t i = 0; i < streamSectors; ++i) {
    fat[firstStream + i] = i + 1 < streamSectors ? static_cast<std::uint32_t>(firstStream + i + 1) : kEndOfChain;
  }
  for (std::size_t i = 0; i < fat.size(); ++i) {
    PutU32(sector(i / kEntriesPerSector) + 4 * (i % kEntriesPerSector), fat[i]);
  }

  // Directory: the root storage holding the one stream; two unused entries.
  std::uint8_t* dir = sector(dirSector);
  WriteDirectoryEntry(dir, u"Root Entry", 5, 1, kEndOfChain, 0);
  std::memcpy(dir + 80, kWorkbookClass.data(), kWorkbookClass.size());
  WriteDirectoryEntry(dir + 128, u"Workbook", 2, kNoStream, static_cast<std::uint32_t>(firstStream),
                      static_cast<std::uint32_t>(streamSize));
  for (std::uint8_t* e : {dir + 256, dir + 384}) {
    PutU32(e + 68, kNoStream);
    PutU32(e + 72, kNoStream);
    PutU32(e + 76, kNoStream);
  }

  std::copy(workbook.begin(), workbook.end(), sector(firstStream));
  return file;
}

namespace {

class CompoundReader {
 public:
  explicit CompoundReader(std::span<const std::uint8_t> file) : file_(file) {
    sectorSize_ = std::size_t{1} << GetU16(file, 30);
    sectorCount_ = (file.size() - std::min(file.size(), sectorSize_) + sectorSize_ - 1) / sectorSize_;
    ReadFat();
  }

  // The first of the `wanted` streams the file holds.
  std::vector<std::uint8_t> Stream(std::initializer_list<std::string_view> wanted) {
    auto dir = ReadChain(GetU32(file_, 48), kNoLimit);
    std::size_t entries = dir.size() / 128;
    std::size_t found = entries;
    for (std::string_view name : wanted) {
      for (std::size_t i = 0; i < entries && found == entries; ++i) {
        std::span<const std::uint8_t> e(dir.data() + 128 * i, 128);
        if (e[66] == 2 && vb::EqualsNoCase(EntryName(e), name)) found = i;
      }
    }
    if (found == entries) {
      throw FormatError("it is a compound document without a workbook (perhaps another Office document)");
    }
    std::span<const std::uint8_t> e(dir.data() + 128 * found, 128);
    std::uint64_t size = GetU32(e, 120);
    if (sectorSize_ == 4096) size |= static_cast<std::uint64_t>(GetU32(e, 124)) << 32;
    if (size > file_.size()) throw FormatError("the workbook stream is larger than the file");
    if (size < GetU32(file_, 56)) return MiniStream(std::span<const std::uint8_t>(dir.data(), 128), GetU32(e, 116), size);
    return ReadChain(GetU32(e, 116), static_cast<std::size_t>(size));
  }

 private:
  static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

  static std::string EntryName(std::span<const std::uint8_t> e) {
    std::size_t chars = std::min<std::size_t>(GetU16(e, 64) / 2, 32);
    std::string name;
    for (std::size_t i = 0; i < chars; ++i) {
      std::uint16_t c = GetU16(e, 2 * i);
      if (c == 0) break;
      name.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return name;
  }

  std::span<const std::uint8_t> Sector(std::uint32_t i) const {
    std::size_t at = (static_cast<std::size_t>(i) + 1) * sectorSize_;
    if (i >= sectorCount_ || at >= file_.size()) throw FormatError("the file is truncated or damaged");
    return file_.subspan(at, std::min(sectorSize_, file_.size() - at));
  }

  void ReadFat() {
    std::size_t perSector = sectorSize_ / 4;
    std::vector<std::uint32_t> fatSectors;
    auto add = [&](std::uint32_t s) {
      if (s == kFreeSect || s == kEndOfChain) return;
      if (s >= sectorCount_ || fatSectors.size() >= sectorCount_) throw FormatError("the file is truncated or damaged");
      fatSectors.push_back(s);
    };
    for (std::size_t i = 0; i < kHeaderDifat; ++i) add(GetU32(file_, 76 + 4 * i));
    std::uint32_t next = GetU32(file_, 68);
    for (std::size_t steps = 0; next != kEndOfChain && next != kFreeSect; ++steps) {
      if (steps > sectorCount_) throw FormatError("the file's sector table runs in a circle");
      auto s = Sector(next);
      if (s.size() < sectorSize_) throw FormatError("the file is truncated or damaged");
      for (std::size_t j = 0; j + 1 < perSector; ++j) add(GetU32(s, 4 * j));
      next = GetU32(s, 4 * (perSector - 1));
    }
    fat_.reserve(fatSectors.size() * perSector);
    for (std::uint32_t fs : fatSectors) {
      auto s = Sector(fs);
      for (std::size_t j = 0; j + 4 <= s.size(); j += 4) fat_.push_back(GetU32(s, j));
    }
  }

  // The sectors of a chain, at most enough for `size` bytes (all when kNoLimit).
  std::vector<std::uint8_t> ReadChain(std::uint32_t start, std::size_t size) {
    if (size != kNoLimit && size > file_.size()) throw FormatError("a stream is larger than the file");
    std::vector<std::uint8_t> out;
    if (size != kNoLimit) out.reserve(size);
    std::size_t steps = 0;
    for (std::uint32_t s = start; s != kEndOfChain && out.size() < size; s = fat_[s]) {
      if (s >= fat_.size() || ++steps > sectorCount_) throw FormatError("the file is truncated or damaged");
      auto data = Sector(s);
      std::size_t take = size == kNoLimit ? data.size() : std::min(data.size(), size - out.size());
      out.insert(out.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
    }
    if (size != kNoLimit && out.size() < size) throw FormatError("the file is truncated");
    return out;
  }

  std::vector<std::uint8_t> MiniStream(std::span<const std::uint8_t> root, std::uint32_t start, std::uint64_t size) {
    auto container = ReadChain(GetU32(root, 116), GetU32(root, 120));
    auto miniFatBytes = ReadChain(GetU32(file_, 60), kNoLimit);
    std::size_t miniCount = miniFatBytes.size() / 4;
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(size));
    std::size_t steps = 0;
    for (std::uint32_t s = start; s != kEndOfChain && out.size() < size; s = GetU32(miniFatBytes, 4 * s)) {
      std::size_t at = static_cast<std::size_t>(s) * kMiniSector;
      if (s >= miniCount || ++steps > miniCount || at >= container.size()) {
        throw FormatError("the file is truncated or damaged");
      }
      std::size_t take = std::min({kMiniSector, container.size() - at, static_cast<std::size_t>(size) - out.size()});
      out.insert(out.end(), container.begin() + static_cast<std::ptrdiff_t>(at),
                 container.begin() + static_cast<std::ptrdiff_t>(at + take));
    }
    if (out.size() < size) throw FormatError("the file is truncated");
    return out;
  }

  std::span<const std::uint8_t> file_;
  std::size_t sectorSize_ = kSector;
  std::size_t sectorCount_ = 0;
  std::vector<std::uint32_t> fat_;
};

}  // namespace

std::vector<std::uint8_t> ReadWorkbookStream(std::span<const std::uint8_t> file) {
  if (file.size() >= 4 && file[0] == 'P' && file[1] == 'K' && file[2] == 3 && file[3] == 4) {
    throw FormatError("it is a zip archive (an Excel 2007 or later .xlsx workbook?), not an Excel 97-2003 or 5.0/95 workbook");
  }
  // Excel 4.0 and earlier wrote the workbook's records as the whole file.
  if (file.size() >= 4 && file[0] == 0x09 && (file[1] == 0x00 || file[1] == 0x02 || file[1] == 0x04 || file[1] == 0x08)) {
    throw FormatError("it is a workbook of an older format than Excel 5.0/95");
  }
  if (file.size() < kSector || !std::equal(kSignature.begin(), kSignature.end(), file.begin())) {
    throw FormatError("it is not an Excel workbook");
  }
  std::uint16_t shift = GetU16(file, 30);
  if (GetU16(file, 28) != 0xFFFE || (shift != 9 && shift != 12) || GetU16(file, 32) != 6) {
    throw FormatError("its compound document header is damaged");
  }
  if (file.size() < (std::size_t{1} << shift)) throw FormatError("the file is truncated");
  // Excel 97 can also save both streams in one file: the newer one holds all.
  return CompoundReader(file).Stream({"Workbook", "Book"});
}

}  // namespace qvl::workbook::detail
