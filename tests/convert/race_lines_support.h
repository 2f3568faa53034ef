#pragma once
// Expected race lines built from others.

#include <string_view>

#include "racefile/race_lines.h"

namespace tamikaze::testing {

// `lines` with line `index` replaced by `line`.
inline RaceLines Replaced(const RaceLines& lines, std::size_t index, std::string_view line) {
  RaceLines replaced;
  for (std::size_t i = 0; i < lines.size(); ++i) replaced.push_back(i == index ? line : lines[i]);
  return replaced;
}

}  // namespace tamikaze::testing
