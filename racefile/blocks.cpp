#include "racefile/blocks.h"

#include "text/cp932.h"

namespace tamikaze {

using namespace literals;

namespace {
constexpr int kBlockLines = 18;
}

const std::string& CopyrightLine() {
  return "Copyright (c) 2026 TamikazeNetData for Linux developers"_sj;
}

void AppendNumberingBlock(RaceLines& lines) {
  for (int n = 1; n <= kBlockLines; ++n) lines.push_back(std::to_string(n));
}

void AppendZeroBlock(RaceLines& lines) {
  lines.insert(lines.end(), kBlockLines, "0");
}

void AppendDecimalZeroBlock(RaceLines& lines) {
  lines.insert(lines.end(), kBlockLines, "0.0");
}

void AppendPlaceholderBlock(RaceLines& lines, DistanceDigits digits) {
  lines.push_back("無"_sj);
  lines.push_back(digits == DistanceDigits::Four ? "9999" : "99");
  lines.push_back("東0000"_sj);
  lines.push_back("0000");
  lines.push_back(" 0 0 0");
  lines.push_back("999");
  lines.push_back("良"_sj);
  lines.push_back("99");
}

}  // namespace tamikaze
