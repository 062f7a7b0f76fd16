#include "platform/vb/cp1252.h"

#include <gtest/gtest.h>

namespace qvl::vb {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripAndTheHighRangeIsWindowsCharacters) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromUtf16(ToUtf16(all)), all);
  EXPECT_EQ(ToUtf16("\x80\x93\x94\x9F\xE9"), u"\u20AC\u201C\u201D\u0178\u00E9");
  EXPECT_FALSE(IsLatin1(ToUtf16("\x80")));
  EXPECT_TRUE(IsLatin1(ToUtf16("caf\xE9")));
  // Characters without a Windows form become one question mark each, a
  // surrogate pair included.
  EXPECT_EQ(FromUtf16(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(FromUtf16(u"x\U0001F600y"), "x?y");
}

}  // namespace
}  // namespace qvl::vb
