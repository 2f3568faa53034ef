#include "convert/record_key_index.h"

#include "text/record_field.h"

namespace tamikaze {
namespace {

bool BuiltFor(const RecordKeyIndex& index, TextOffset length, const RecordKeyLayout& layout) {
  return index.built && index.length == length && index.recordSize == layout.recordSize &&
         index.keyPos1 == layout.keyPos1 && index.keyWidth == layout.keyWidth;
}

void Build(RecordKeyIndex& index, const std::string& text, TextOffset length,
           const RecordKeyLayout& layout) {
  index.firstOffset.clear();
  if (layout.recordSize > 0 && length > 0) {
    index.firstOffset.reserve(static_cast<std::size_t>(length / layout.recordSize) + 1);
    for (TextOffset offset = 0; offset < length; offset += layout.recordSize) {
      // emplace keeps the offset already stored: the first record of a key wins.
      index.firstOffset.emplace(
          RecordField(text, static_cast<std::size_t>(offset), layout.keyPos1, layout.keyWidth),
          offset);
    }
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
  const auto found = index.firstOffset.find(key);
  return found == index.firstOffset.end() ? -1 : found->second;
}

}  // namespace tamikaze
