#include "text/two_column.h"

namespace tamikaze {

namespace {

// TwoColumn(value) appended to `out`.
void AppendTwoColumn(std::string& out, int value) {
  if (value >= 0 && value < 100) {
    out += value < 10 ? ' ' : static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
    return;
  }
  if (value < 10) out += ' ';
  out += std::to_string(value);
}

}  // namespace

std::string TwoColumns(std::initializer_list<int> values) {
  std::string out;
  for (int value : values) AppendTwoColumn(out, value);
  return out;
}

std::string TwoColumn(int value) {
  if (value >= 0 && value < 100) {
    const char digits[2] = {value < 10 ? ' ' : static_cast<char>('0' + value / 10),
                            static_cast<char>('0' + value % 10)};
    return std::string(digits, 2);
  }
  const std::string digits = std::to_string(value);
  return value < 10 ? " " + digits : digits;
}

}  // namespace tamikaze
