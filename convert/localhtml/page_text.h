#pragma once
// Small byte-text helpers of the page import. Positions are 1-based, searches
// are plain byte searches (text/search.h) and substrings follow the shared
// rule (text/substring.h), so a marker missing from a line makes a field fall
// back to the line's start instead of failing.

#include <string>

#include "text/search.h"
#include "text/substring.h"

namespace tamikaze {

// A count that takes a substring to the end of its text.
inline constexpr long kToEnd = 0x7FFFFFFF;

inline bool Contains(const std::string& text, const std::string& needle) {
  return BytePos(needle, text) > 0;
}

// The text from the 1-based byte `pos1` to the end.
inline std::string RestFrom(const std::string& text, long pos1) {
  return SubstrAt(text, pos1, kToEnd);
}

// A distance whose first byte is not a digit 1 to 9 gets a half-width space
// there instead (an 800 m race reads " 800").
void BlankDistanceLead(std::string& distance);

}  // namespace tamikaze
