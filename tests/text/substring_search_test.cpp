#include <gtest/gtest.h>

#include "text/record_field.h"
#include "text/search.h"
#include "text/substring.h"

namespace tamikaze {
namespace {

TEST(SubstrAt, FollowsTheSubstringRule) {
  struct Case {
    long pos1, count;
    const char* expected;
  };
  const Case cases[] = {
      {1, 3, "abc"},   {2, 2, "bc"},  {0, 2, "ab"},  {-5, 1, "a"},   // below 1 counts as 1
      {5, 10, "ef"},   {6, 1, "f"},   {7, 1, ""},    {100, 1, ""},  // cut at the end / beyond
      {2, -1, ""},     {3, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SubstrAt("abcdef", c.pos1, c.count), c.expected) << c.pos1 << "," << c.count;
  }
  EXPECT_EQ(SubstrAt("", 1, 1), "");
}

TEST(BytePos, IsOneBasedAndZeroWhenAbsent) {
  EXPECT_EQ(BytePos("cd", "abcdcd"), 3);
  EXPECT_EQ(BytePos("x", "abc"), 0);
  EXPECT_EQ(BytePos("", "abc"), 0);
  EXPECT_EQ(BytePosFrom("cd", "abcdcd", 1), 3);
  EXPECT_EQ(BytePosFrom("cd", "abcdcd", 3), 3);
  EXPECT_EQ(BytePosFrom("cd", "abcdcd", 4), 5);
  EXPECT_EQ(BytePosFrom("cd", "abcdcd", 6), 0);
  EXPECT_EQ(BytePosFrom("cd", "abcdcd", 99), 0);
  EXPECT_EQ(BytePosFrom("ab", "abcdcd", 0), 1);
}

TEST(RecordField, ReadsSpacesBeyondTheText) {
  const std::string text = "0123456789";
  EXPECT_EQ(RecordField(text, 0, 1, 3), "012");
  EXPECT_EQ(RecordField(text, 5, 2, 3), "678");
  EXPECT_EQ(RecordField(text, 5, 4, 4), "89  ");
  EXPECT_EQ(RecordField(text, 20, 1, 2), "  ");
  EXPECT_EQ(RecordField(text, 0, 11, 1), " ");
}

}  // namespace
}  // namespace tamikaze
