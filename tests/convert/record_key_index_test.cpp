// The horse-key index against the scan it replaces.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "convert/horse_records.h"
#include "convert/record_key_index.h"

namespace tamikaze {
namespace {

// The scan: the first record at offset 0, size, 2 x size ... below `length`
// whose key matches, key bytes beyond the text reading as spaces.
int ScanForKey(const std::string& text, int length, const RecordKeyLayout& layout,
               const std::string& key) {
  for (int offset = 0; offset < length; offset += layout.recordSize) {
    std::string at;
    for (int i = 0; i < layout.keyWidth; ++i) {
      const std::size_t pos = static_cast<std::size_t>(offset + layout.keyPos1 - 1 + i);
      at += pos < text.size() ? text[pos] : ' ';
    }
    if (at == key) return offset;
  }
  return -1;
}

// Keys drawn from "AB " at the key position of a few records; the text is cut
// anywhere (inside a key too) and `length` may stop short of its end.
TEST(RecordKeyIndex, FindsWhatTheScanFindsForEveryHorseRecordLayout) {
  std::mt19937 random(20240601);
  std::vector<RecordKeyLayout> layouts(std::begin(kHorseKeyLayouts), std::end(kHorseKeyLayouts));
  layouts.push_back({5, 2, 4});  // records shorter than a key's end
  for (const RecordKeyLayout& layout : layouts) {
    const auto randomKey = [&] {
      std::string key;
      for (int i = 0; i < layout.keyWidth; ++i) key += i < 2 ? "AB "[random() % 3] : 'A';
      return key;
    };
    for (int round = 0; round < 100; ++round) {
      const auto records = static_cast<std::size_t>(random() % 6);
      std::string text(records * layout.recordSize, 'x');
      for (std::size_t r = 0; r < records; ++r)
        text.replace(r * layout.recordSize + layout.keyPos1 - 1, layout.keyWidth, randomKey());
      if (!text.empty()) text.resize(text.size() - random() % (layout.recordSize + 1));
      const int length = static_cast<int>(text.size()) - static_cast<int>(random() % 3);
      RecordKeyIndex index;
      for (int k = 0; k < 6; ++k) {
        const std::string key = k == 0 ? std::string(layout.keyWidth, ' ') : randomKey();
        ASSERT_EQ(FindFirstRecord(index, text, length, layout, key),
                  ScanForKey(text, length, layout, key))
            << layout.recordSize << "/" << layout.keyPos1 << " length " << length << " key \""
            << key << '"';
      }
    }
  }
}

TEST(RecordKeyIndex, IsRebuiltForAnotherLengthOrLayout) {
  RecordKeyIndex index;
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 8, {4, 3, 2}, "BB"), 4);
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 4, {4, 3, 2}, "BB"), -1);
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 8, {2, 1, 2}, "BB"), 6);
}

// Lengths past 2 GiB (the records beyond the text read as spaces) are kept
// whole, never cut to an int.
TEST(RecordKeyIndex, LengthsPastTwoGibibytes) {
  constexpr TextOffset kLength = (TextOffset{1} << 31) + 4;
  const RecordKeyLayout layout{1 << 20, 3, 2};
  RecordKeyIndex index;
  EXPECT_EQ(FindFirstRecord(index, "xxAA", kLength, layout, "AA"), 0);
  EXPECT_EQ(FindFirstRecord(index, "xxAA", kLength, layout, "  "), TextOffset{1} << 20);
  EXPECT_EQ(FindFirstRecord(index, "xxAA", kLength, layout, "BB"), -1);
}

}  // namespace
}  // namespace tamikaze
