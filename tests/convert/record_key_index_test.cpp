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
class RandomRecords {
 public:
  explicit RandomRecords(const RecordKeyLayout& layout) : layout_(layout) {}

  std::string Key(std::mt19937& random) const {
    std::string key;
    for (int i = 0; i < layout_.keyWidth; ++i) key += i < 2 ? "AB "[random() % 3] : 'A';
    return key;
  }

  std::string Text(std::mt19937& random) const {
    const int records = static_cast<int>(random() % 6);
    std::string text(static_cast<std::size_t>(records * layout_.recordSize), 'x');
    for (int r = 0; r < records; ++r) {
      text.replace(static_cast<std::size_t>(r * layout_.recordSize + layout_.keyPos1 - 1),
                   static_cast<std::size_t>(layout_.keyWidth), Key(random));
    }
    if (!text.empty()) text.resize(text.size() - random() % (layout_.recordSize + 1));
    return text;
  }

 private:
  RecordKeyLayout layout_;
};

TEST(RecordKeyIndex, FindsWhatTheScanFindsForEveryHorseRecordLayout) {
  std::mt19937 random(20240601);
  std::vector<RecordKeyLayout> layouts(std::begin(kHorseKeyLayouts), std::end(kHorseKeyLayouts));
  layouts.push_back({5, 2, 4});  // records shorter than a key's end
  for (const RecordKeyLayout& layout : layouts) {
    const RandomRecords records(layout);
    for (int round = 0; round < 100; ++round) {
      const std::string text = records.Text(random);
      const int length = static_cast<int>(text.size()) - static_cast<int>(random() % 3);
      RecordKeyIndex index;
      for (int k = 0; k < 6; ++k) {
        const std::string key = k == 0 ? std::string(layout.keyWidth, ' ') : records.Key(random);
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

}  // namespace
}  // namespace tamikaze
