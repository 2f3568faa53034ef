#pragma once
// The substring rule every subsystem shares: byte positions are 1-based.

#include <string>

namespace tamikaze {

// `count` bytes of `text` from the 1-based byte `pos1`. A `pos1` below 1 counts
// as 1; a `pos1` beyond the end or a negative `count` gives ""; `count` is cut
// at the end of the text.
std::string SubstrAt(const std::string& text, long pos1, long count);

}  // namespace tamikaze
