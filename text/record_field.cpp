#include "text/record_field.h"

#include <algorithm>
#include <string_view>

#include "text/numbers.h"

namespace tamikaze {
namespace {

// Where the field starts in `text` when it lies wholly inside it.
bool Inside(const std::string& text, std::size_t recordOffset, int pos1, int width,
            std::size_t& start) {
  if (pos1 < 1 || width <= 0) return false;
  start = recordOffset + static_cast<std::size_t>(pos1 - 1);
  return start <= text.size() && static_cast<std::size_t>(width) <= text.size() - start;
}

}  // namespace

std::string RecordField(const std::string& text, std::size_t recordOffset, int pos1, int width) {
  std::size_t start = 0;
  if (Inside(text, recordOffset, pos1, width, start)) {
    return std::string(text, start, static_cast<std::size_t>(width));
  }
  std::string field(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
  if (pos1 < 1) return field;
  start = recordOffset + static_cast<std::size_t>(pos1 - 1);
  if (start >= text.size()) return field;
  const std::size_t available = text.size() - start;
  text.copy(field.data(), field.size() < available ? field.size() : available, start);
  return field;
}

void PrefetchRecordBytes(const std::string& text, std::int64_t recordOffset, int pos1, int width) {
  if (recordOffset < 0 || pos1 < 1 || width <= 0) return;
  constexpr std::size_t kLine = 64;
  const std::size_t start =
      static_cast<std::size_t>(recordOffset) + static_cast<std::size_t>(pos1 - 1);
  const std::size_t end = std::min(text.size(), start + static_cast<std::size_t>(width));
  for (std::size_t at = start; at < end; at += kLine) __builtin_prefetch(text.data() + at);
}

FieldText::FieldText(const std::string& text, std::size_t recordOffset, int pos1, int width) {
  std::size_t start = 0;
  if (Inside(text, recordOffset, pos1, width, start)) {
    view_ = std::string_view(text).substr(start, static_cast<std::size_t>(width));
  } else {
    padded_ = RecordField(text, recordOffset, pos1, width);
    isPadded_ = true;
    view_ = padded_;
  }
}

FieldText::FieldText(FieldText&& other) noexcept
    : padded_(std::move(other.padded_)),
      isPadded_(other.isPadded_),
      view_(isPadded_ ? std::string_view(padded_) : other.view_) {}

int LenientField(const std::string& text, std::size_t recordOffset, int pos1, int width) {
  std::size_t start = 0;
  if (Inside(text, recordOffset, pos1, width, start)) {
    return LenientNumber(std::string_view(text).substr(start, static_cast<std::size_t>(width)));
  }
  return LenientNumber(RecordField(text, recordOffset, pos1, width));
}

}  // namespace tamikaze
