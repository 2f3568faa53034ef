#include "text/record_field.h"

namespace tamikaze {

std::string RecordField(const std::string& text, std::size_t recordOffset, int pos1, int width) {
  std::string field(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
  if (pos1 < 1) return field;
  const std::size_t start = recordOffset + static_cast<std::size_t>(pos1 - 1);
  if (start >= text.size()) return field;
  const std::size_t available = text.size() - start;
  text.copy(field.data(), field.size() < available ? field.size() : available, start);
  return field;
}

}  // namespace tamikaze
