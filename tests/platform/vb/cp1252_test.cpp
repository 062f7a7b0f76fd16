#include "platform/vb/cp1252.h"

#include <gtest/gtest.h>

namespace qvl::vb {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromUtf16(ToUtf16(all)), all);
}

TEST(Cp1252, TheHighControlRangeMapsToTheWindowsCharacters) {
  EXPECT_EQ(ToUtf16("\x80\x93\x94\x9F"), u"\u20AC\u201C\u201D\u0178");
  EXPECT_EQ(ToUtf16("\xE9"), u"\u00E9");  // Latin-1 range unchanged
  EXPECT_FALSE(IsLatin1(ToUtf16("\x80")));
  EXPECT_TRUE(IsLatin1(ToUtf16("caf\xE9")));
}

TEST(Cp1252, CharactersWithoutAWindowsFormBecomeQuestionMarks) {
  EXPECT_EQ(FromUtf16(u"a\u4E2Db"), "a?b");
  // A surrogate pair is one character, so one question mark.
  EXPECT_EQ(FromUtf16(u"x\U0001F600y"), "x?y");
}

}  // namespace
}  // namespace qvl::vb
