#pragma once
// Fixed-width record access that never reads outside the text.

#include <cstddef>
#include <string>

namespace tamikaze {

// `width` bytes of the record that starts at the 0-based `recordOffset` of
// `text`, from the record's 1-based byte `pos1`. Bytes beyond the end of the
// text read as half-width spaces, so a short or truncated file still yields a
// field of the full width.
std::string RecordField(const std::string& text, std::size_t recordOffset, int pos1, int width);

}  // namespace tamikaze
