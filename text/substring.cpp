#include "text/substring.h"

namespace tamikaze {

std::string SubstrAt(const std::string& text, long pos1, long count) {
  if (pos1 < 1) pos1 = 1;
  const long size = static_cast<long>(text.size());
  if (pos1 > size || count < 0) return "";
  const long available = size - pos1 + 1;
  return text.substr(static_cast<std::size_t>(pos1 - 1),
                     static_cast<std::size_t>(count < available ? count : available));
}

}  // namespace tamikaze
