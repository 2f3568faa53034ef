#include "convert/record_key_index.h"

#include <cstring>
#include <string_view>

namespace tamikaze {
namespace {

constexpr TextOffset kEmpty = -1;

// The key of the record at `offset`: in place when it lies wholly inside the
// text, else copied into `spill` with the bytes beyond the end as spaces.
std::string_view KeyAt(const std::string& text, TextOffset offset, const RecordKeyLayout& layout,
                       std::string& spill) {
  const auto start =
      static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(layout.keyPos1 - 1);
  const auto width = static_cast<std::size_t>(layout.keyWidth);
  if (start <= text.size() && width <= text.size() - start) {
    return std::string_view(text).substr(static_cast<std::size_t>(start), width);
  }
  spill.assign(width, ' ');
  if (start < text.size())
    text.copy(spill.data(), text.size() - static_cast<std::size_t>(start),
              static_cast<std::size_t>(start));
  return spill;
}

// FNV-1a over the key, its bits then mixed (MurmurHash3's finaliser): keys
// of digits that differ only in their last characters spread over the whole
// table instead of filling neighbouring slots.
std::uint64_t Hash(std::string_view key) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : key) h = (h ^ c) * 1099511628211ULL;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDULL;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ULL;
  return h ^ (h >> 33);
}

class Table {
 public:
  using Slot = RecordKeyIndex::Slot;

  Table(RecordKeyIndex& index, const std::string& text, const RecordKeyLayout& layout)
      : index_(index), text_(text), layout_(layout) {}

  // The slot holding `key`, or the empty slot where it would go.
  Slot& Find(std::string_view key) {
    const std::size_t mask = index_.table.size() - 1;
    for (std::size_t at = Hash(key) & mask;; at = (at + 1) & mask) {
      Slot& slot = index_.table[at];
      if (slot.offset == kEmpty || KeyOf(slot) == key) return slot;
    }
  }

  // Adds the record at `offset` unless its key is there already: the first
  // record of a key wins.
  void Add(TextOffset offset) {
    std::string own;
    const std::string_view key = KeyAt(text_, offset, layout_, own);
    Slot& slot = Find(key);
    if (slot.offset != kEmpty) return;
    slot.offset = offset;
    if (key.size() <= RecordKeyIndex::kInlineKey) key.copy(slot.key, key.size());
    if (++index_.keys * 2 > index_.table.size()) Grow();
  }

 private:
  void Grow() {
    std::vector<Slot> old(index_.table.size() * 2);
    old.swap(index_.table);
    for (const Slot& moved : old) {
      if (moved.offset == kEmpty) continue;
      Find(KeyOf(moved)) = moved;
    }
  }

  // The key of a slot in use: kept in it, else read from the text.
  std::string_view KeyOf(const Slot& slot) {
    const auto width = static_cast<std::size_t>(layout_.keyWidth);
    if (width <= RecordKeyIndex::kInlineKey) return std::string_view(slot.key, width);
    return KeyAt(text_, slot.offset, layout_, spill_);
  }

  RecordKeyIndex& index_;
  const std::string& text_;
  const RecordKeyLayout& layout_;
  std::string spill_;
};

bool BuiltFor(const RecordKeyIndex& index, TextOffset length, const RecordKeyLayout& layout) {
  return index.built && index.length == length && index.recordSize == layout.recordSize &&
         index.keyPos1 == layout.keyPos1 && index.keyWidth == layout.keyWidth;
}

void Build(RecordKeyIndex& index, const std::string& text, TextOffset length,
           const RecordKeyLayout& layout) {
  index.table.assign(64, RecordKeyIndex::Slot{});
  index.keys = 0;
  if (layout.recordSize > 0 && length > 0) {
    Table table(index, text, layout);
    for (TextOffset offset = 0; offset < length; offset += layout.recordSize) table.Add(offset);
  }
  index.built = true;
  index.length = length;
  index.recordSize = layout.recordSize;
  index.keyPos1 = layout.keyPos1;
  index.keyWidth = layout.keyWidth;
}

}  // namespace

TextOffset FindFirstRecord(RecordKeyIndex& index, const std::string& text, TextOffset length,
                           const RecordKeyLayout& layout, const std::string& key) {
  if (!BuiltFor(index, length, layout)) Build(index, text, length, layout);
  if (key.size() != static_cast<std::size_t>(layout.keyWidth)) return kEmpty;
  return Table(index, text, layout).Find(key).offset;
}

}  // namespace tamikaze
