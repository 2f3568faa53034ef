#include "text/search.h"

namespace tamikaze {

long BytePos(const std::string& needle, const std::string& text) {
  return BytePosFrom(needle, text, 1);
}

long BytePosFrom(const std::string& needle, const std::string& text, long start1) {
  if (needle.empty()) return 0;
  if (start1 < 1) start1 = 1;
  if (start1 > static_cast<long>(text.size())) return 0;
  const std::size_t found = text.find(needle, static_cast<std::size_t>(start1 - 1));
  return found == std::string::npos ? 0 : static_cast<long>(found) + 1;
}

}  // namespace tamikaze
