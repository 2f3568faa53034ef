#include "text/two_column.h"

namespace tamikaze {

std::string TwoColumn(int value) {
  const std::string digits = std::to_string(value);
  return value < 10 ? " " + digits : digits;
}

}  // namespace tamikaze
