// The compound file around the workbook stream: large files, and files we
// refuse.
#include <gtest/gtest.h>

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

TEST(CompoundFile, LargeStreamListsItsAllocationTableInDifatSectors) {
  Bytes stream = RandomBytes(9 * 1024 * 1024 + 7, 2);
  Bytes file = WriteCompoundFile(stream);
  std::uint32_t fatSectors = U32At(file, 44);
  EXPECT_GT(fatSectors, 109u);
  EXPECT_GE(U32At(file, 72), 1u);  // DIFAT sectors
  EXPECT_EQ(ReadWorkbookStream(file), stream);
}

TEST(CompoundFile, RefusesFilesThatAreNotExcel97Workbooks) {
  Bytes zip = {'P', 'K', 3, 4, 20, 0, 6, 0};
  zip.resize(2000, 0);
  EXPECT_NE(Refusal(zip).find(".xlsx"), std::string::npos);

  std::string csv = "Account,Debit,Credit\r\n1010,100.00,.00\r\n";
  EXPECT_NE(Refusal(Bytes(csv.begin(), csv.end())), "");
  EXPECT_NE(Refusal({}), "");
  EXPECT_NE(Refusal(RandomBytes(5000, 4)), "");

}

TEST(CompoundFile, Excel95FilesKeepTheirStreamUnderAnotherName) {
  // Excel 5.0/95 names the stream "Book"; a stream of any other name is no workbook.
  const Bytes stream = RandomBytes(5000, 5);
  for (const auto& [name, found] : {std::pair{u"Book\0\0\0\0", true}, {u"Boo\0\0\0\0\0", false}}) {
    Bytes old = WriteCompoundFile(stream);
    const std::size_t entry = 512 * (U32At(old, 48) + 1) + 128;
    ASSERT_EQ(old[entry], 'W');
    for (int i = 0; i < 8; ++i) old[entry + 2 * i] = static_cast<std::uint8_t>(name[i]);
    old[entry + 64] = 10;
    if (found) {
      EXPECT_EQ(ReadWorkbookStream(old), stream);
    } else {
      EXPECT_NE(Refusal(old).find("without a workbook"), std::string::npos);
    }
  }
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
  // A stream that claims more than the file holds.
  Bytes huge = good;
  PutU32(huge, 512 * (dir + 1) + 128 + 120, 0x7FFFFFFF);
  EXPECT_NE(Refusal(huge), "");
}

}  // namespace
}  // namespace qvl::workbook::detail
