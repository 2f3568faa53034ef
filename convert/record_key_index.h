#pragma once
// Finding the first record with a given key in a text of fixed-size records.

#include <string>

#include "convert/convert_state.h"

namespace tamikaze {

// Where a record's key lies and how far apart the records are.
struct RecordKeyLayout {
  int recordSize;  // bytes from one record to the next
  int keyPos1;     // 1-based first byte of the key in a record
  int keyWidth;
};

// The 0-based offset of the first record whose key equals `key`, or -1 when
// none does. Gives exactly what a scan would: records are tried at offsets 0,
// recordSize, 2 x recordSize ... while the offset is below `length`, and key
// bytes beyond the end of `text` read as half-width spaces. The index is built
// on the first call and reused while the layout and `length` stay the same;
// whoever replaces the text resets it (ConvertState::ResetForImport).
TextOffset FindFirstRecord(RecordKeyIndex& index, const std::string& text, TextOffset length,
                           const RecordKeyLayout& layout, const std::string& key);

}  // namespace tamikaze
