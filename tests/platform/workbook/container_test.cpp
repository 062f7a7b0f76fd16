// The compound file around the workbook stream: what we write, what we read
// back (including other writers' mini streams), and files we refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/workbook/biff.h"
#include "platform/workbook/cfb.h"

namespace qvl::workbook::detail {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  Bytes out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(gen());
  return out;
}

std::string Refusal(const Bytes& file) {
  try {
    ReadWorkbookStream(file);
  } catch (const FormatError& e) {
    return e.what();
  }
  return "";
}

TEST(CompoundFile, ShortStreamIsPaddedToLiveInRegularSectors) {
  Bytes stream = RandomBytes(100, 1);
  Bytes file = WriteCompoundFile(stream);
  // Header, one FAT sector, one directory sector, eight stream sectors.
  EXPECT_EQ(file.size(), 512u * 11);
  EXPECT_EQ(U32At(file, 0), 0xE011CFD0u);
  EXPECT_EQ(U32At(file, 60), 0xFFFFFFFEu);  // no mini FAT
  Bytes back = ReadWorkbookStream(file);
  ASSERT_EQ(back.size(), 4096u);
  EXPECT_TRUE(std::equal(stream.begin(), stream.end(), back.begin()));
  EXPECT_TRUE(std::all_of(back.begin() + 100, back.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(CompoundFile, LargeStreamListsItsAllocationTableInDifatSectors) {
  Bytes stream = RandomBytes(9 * 1024 * 1024 + 7, 2);
  Bytes file = WriteCompoundFile(stream);
  std::uint32_t fatSectors = U32At(file, 44);
  EXPECT_GT(fatSectors, 109u);
  EXPECT_GE(U32At(file, 72), 1u);  // DIFAT sectors
  EXPECT_EQ(ReadWorkbookStream(file), stream);
}

// A file as writers with mini streams lay it out: sector 0 FAT, 1 directory,
// 2 mini FAT, 3 the mini stream holding a 100-byte "Workbook" in two
// 64-byte mini sectors.
Bytes MiniStreamFile(const Bytes& content) {
  Bytes file(512 * 5, 0);
  const std::uint8_t sig[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::memcpy(file.data(), sig, 8);
  file[24] = 0x3E;
  file[26] = 3;
  file[28] = 0xFE;
  file[29] = 0xFF;
  file[30] = 9;
  file[32] = 6;
  PutU32(file, 44, 1);
  PutU32(file, 48, 1);
  PutU32(file, 56, 4096);
  PutU32(file, 60, 2);
  PutU32(file, 64, 1);
  PutU32(file, 68, 0xFFFFFFFE);
  for (int i = 0; i < 109; ++i) PutU32(file, 76 + 4 * i, i == 0 ? 0 : 0xFFFFFFFF);
  auto sector = [](int i) { return 512u * (i + 1); };
  for (int i = 0; i < 128; ++i) PutU32(file, sector(0) + 4 * i, 0xFFFFFFFF);
  PutU32(file, sector(0) + 0, 0xFFFFFFFD);
  PutU32(file, sector(0) + 4, 0xFFFFFFFE);
  PutU32(file, sector(0) + 8, 0xFFFFFFFE);
  PutU32(file, sector(0) + 12, 0xFFFFFFFE);
  for (int i = 0; i < 128; ++i) PutU32(file, sector(2) + 4 * i, 0xFFFFFFFF);
  PutU32(file, sector(2) + 0, 1);
  PutU32(file, sector(2) + 4, 0xFFFFFFFE);
  auto entry = [&](int index, const char16_t* name, std::uint8_t type, std::uint32_t child, std::uint32_t start,
                   std::uint32_t size) {
    std::size_t e = sector(1) + 128u * index;
    std::size_t n = 0;
    for (; name[n]; ++n) {
      file[e + 2 * n] = static_cast<std::uint8_t>(name[n]);
    }
    file[e + 64] = static_cast<std::uint8_t>((n + 1) * 2);
    file[e + 66] = type;
    file[e + 67] = 1;
    PutU32(file, e + 68, 0xFFFFFFFF);
    PutU32(file, e + 72, 0xFFFFFFFF);
    PutU32(file, e + 76, child);
    PutU32(file, e + 116, start);
    PutU32(file, e + 120, size);
  };
  entry(0, u"Root Entry", 5, 1, 3, 128);
  entry(1, u"Workbook", 2, 0xFFFFFFFF, 0, static_cast<std::uint32_t>(content.size()));
  std::copy(content.begin(), content.end(), file.begin() + sector(3));
  return file;
}

TEST(CompoundFile, ReadsAShortStreamFromTheMiniStream) {
  Bytes content = RandomBytes(100, 3);
  EXPECT_EQ(ReadWorkbookStream(MiniStreamFile(content)), content);
}

TEST(CompoundFile, RefusesFilesThatAreNotExcel97Workbooks) {
  Bytes zip = {'P', 'K', 3, 4, 20, 0, 6, 0};
  zip.resize(2000, 0);
  EXPECT_NE(Refusal(zip).find(".xlsx"), std::string::npos);

  std::string csv = "Account,Debit,Credit\r\n1010,100.00,.00\r\n";
  EXPECT_NE(Refusal(Bytes(csv.begin(), csv.end())), "");
  EXPECT_NE(Refusal({}), "");
  EXPECT_NE(Refusal(RandomBytes(5000, 4)), "");

  // An Excel 5.0/95 file keeps its data in a stream called "Book".
  Bytes old = MiniStreamFile(RandomBytes(100, 5));
  const char16_t* book = u"Book\0\0\0\0";
  for (int i = 0; i < 8; ++i) old[1024 + 128 + 2 * i] = static_cast<std::uint8_t>(book[i]);
  old[1024 + 128 + 64] = 10;
  EXPECT_NE(Refusal(old).find("older"), std::string::npos);
}

TEST(CompoundFile, DamagedOrTruncatedContainersFailCleanly) {
  Bytes good = WriteCompoundFile(RandomBytes(20000, 6));
  for (std::size_t cut : {std::size_t{600}, std::size_t{1600}, good.size() / 2, good.size() - 600}) {
    Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_NE(Refusal(truncated), "") << "cut at " << cut;
  }
  // Sector size other than 512 or 4096 bytes.
  Bytes badShift = good;
  badShift[30] = 20;
  EXPECT_NE(Refusal(badShift), "");
  // The directory's chain points back at itself: no endless loop.
  Bytes loop = good;
  std::uint32_t dir = U32At(good, 48);
  PutU32(loop, 512 + 4 * dir, dir);
  EXPECT_NE(Refusal(loop), "");
  // The DIFAT chain of a large file runs in a circle.
  Bytes big = WriteCompoundFile(RandomBytes(8 * 1024 * 1024, 7));
  std::uint32_t difat = U32At(big, 68);
  PutU32(big, 512 * (difat + 1) + 508, difat);
  EXPECT_NE(Refusal(big), "");
  // The mini stream holding a short workbook claims 4 GB.
  Bytes mini = MiniStreamFile(RandomBytes(100, 8));
  PutU32(mini, 1024 + 120, 0xFFFFFF00);
  EXPECT_NE(Refusal(mini), "");
  // A stream that claims more than the file holds.
  Bytes huge = good;
  PutU32(huge, 512 * (dir + 1) + 128 + 120, 0x7FFFFFFF);
  EXPECT_NE(Refusal(huge), "");
}

}  // namespace
}  // namespace qvl::workbook::detail
