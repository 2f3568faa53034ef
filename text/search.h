#pragma once
// Plain byte searches with 1-based results; 0 means "not found".

#include <string>

namespace tamikaze {

// 1-based position of the first occurrence of `needle` in `text`, 0 when absent
// (an empty needle is never found).
long BytePos(const std::string& needle, const std::string& text);

// The first occurrence at or after the 1-based byte `start1`, 0 when none.
// A start of 1 is the plain search; a start below 1 counts as 1.
long BytePosFrom(const std::string& needle, const std::string& text, long start1);

}  // namespace tamikaze
