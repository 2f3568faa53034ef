#include <gtest/gtest.h>

#include <tuple>

#include "text/numbers.h"
#include "text/record_field.h"
#include "text/search.h"
#include "text/substring.h"

namespace tamikaze {
namespace {

TEST(SubstrAt, FollowsTheSubstringRule) {
  // {pos1, count, result} on "abcdef".
  const std::tuple<long, long, const char*> cases[] = {
      {1, 3, "abc"}, {2, 2, "bc"}, {0, 2, "ab"}, {-5, 1, "a"},  // below 1 counts as 1
      {5, 10, "ef"}, {6, 1, "f"},  {7, 1, ""},   {100, 1, ""},  // cut at the end / beyond
      {2, -1, ""},   {3, 0, ""},
  };
  for (const auto& [pos1, count, result] : cases) {
    EXPECT_EQ(SubstrAt("abcdef", pos1, count), result) << pos1 << "," << count;
  }
}

TEST(BytePos, IsOneBasedAndZeroWhenAbsent) {
  // {what, start (1-based), found} in "abcdcd"; a start of 1 is the plain
  // search, a start below 1 counts as 1, an empty needle is never found.
  const std::tuple<const char*, long, long> rows[] = {{"cd", 1, 3},  {"x", 1, 0},  {"", 1, 0},
                                                      {"cd", 3, 3},  {"cd", 4, 5}, {"cd", 6, 0},
                                                      {"cd", 99, 0}, {"ab", 0, 1}};
  for (const auto& [what, start1, found] : rows) {
    EXPECT_EQ(BytePosFrom(what, "abcdcd", start1), found) << what << " from " << start1;
    EXPECT_EQ(BytePos(what, "abcdcd"), BytePosFrom(what, "abcdcd", 1)) << what;
  }
}

TEST(RecordField, ReadsSpacesBeyondTheText) {
  // {record offset, pos1, width, field} in "0123456789".
  const std::tuple<std::size_t, int, int, const char*> rows[] = {
      {0, 1, 3, "012"}, {5, 2, 3, "678"}, {5, 4, 4, "89  "}, {20, 1, 2, "  "}, {0, 11, 1, " "}};
  for (const auto& [offset, pos1, width, field] : rows) {
    EXPECT_EQ(RecordField("0123456789", offset, pos1, width), field) << offset << "," << pos1;
  }
}

// The in-place readings give what the copied field gives, at every position
// around the end of the text: a field reaching past it is read padded (so
// "-5" cut by the end reads 5, as "-5 " does, not -5).
TEST(RecordField, InPlaceReadingsAgreeWithTheCopiedField) {
  const std::string text = "12 -5";
  for (std::size_t offset = 0; offset <= 6; ++offset) {
    for (int pos1 = 0; pos1 <= 6; ++pos1) {
      for (int width = 0; width <= 4; ++width) {
        SCOPED_TRACE(std::to_string(offset) + "," + std::to_string(pos1) + "," +
                     std::to_string(width));
        const std::string copied = RecordField(text, offset, pos1, width);
        FieldText field(text, offset, pos1, width);
        const FieldText moved(std::move(field));
        EXPECT_EQ(moved.View(), copied);
        EXPECT_EQ(LenientField(text, offset, pos1, width), LenientNumber(copied));
      }
    }
  }
  EXPECT_EQ(LenientField(text, 0, 4, 2), -5);
  EXPECT_EQ(LenientField(text, 0, 4, 3), 5);
}

}  // namespace
}  // namespace tamikaze
