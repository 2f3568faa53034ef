#pragma once

#include <initializer_list>
#include <string>

namespace tamikaze {

// The race file's two-column number: decimal without leading zeros, with one
// half-width space before values below 10 (3 -> " 3", 12 -> "12").
std::string TwoColumn(int value);

// TwoColumn of each value, one after the other.
std::string TwoColumns(std::initializer_list<int> values);

}  // namespace tamikaze
