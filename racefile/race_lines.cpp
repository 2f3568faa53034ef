#include "racefile/race_lines.h"

#include <algorithm>
#include <stdexcept>

namespace tamikaze {
namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

RaceLines::RaceLines(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) push_back(line);
}

RaceLines::RaceLines(std::size_t count, std::string_view line) {
  insert(end(), count, line);
}

char* RaceLines::Grow(std::size_t count) {
  if (bytes_.size() - size_ < count)
    bytes_.resize(std::max(2 * bytes_.size(), size_ + count + 4096));
  char* at = bytes_.data() + size_;
  size_ += count;
  return at;
}

void RaceLines::push_back(std::string_view line) {
  starts_.push_back(size_);
  char* out = std::copy(line.begin(), line.end(), Grow(line.size() + kLineEnd.size()));
  std::copy(kLineEnd.begin(), kLineEnd.end(), out);
}

void RaceLines::PushJoined(std::initializer_list<std::string_view> parts) {
  std::size_t size = kLineEnd.size();
  for (std::string_view part : parts) size += part.size();
  starts_.push_back(size_);
  char* out = Grow(size);
  for (std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
  std::copy(kLineEnd.begin(), kLineEnd.end(), out);
}

void RaceLines::insert(const_iterator end, std::size_t count, std::string_view line) {
  CheckAtEnd(end);
  for (std::size_t i = 0; i < count; ++i) push_back(line);
}

void RaceLines::CheckAtEnd(const_iterator at) const {
  if (at != end()) throw std::logic_error("RaceLines: lines are only added at the end");
}

void RaceLines::clear() {
  size_ = 0;
  starts_.clear();
}

const std::string_view RaceLines::operator[](std::size_t index) const {
  const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : size_;
  return FileBytes().substr(starts_[index], end - starts_[index] - kLineEnd.size());
}

const std::string_view RaceLines::at(std::size_t index) const {
  if (index >= size()) throw std::out_of_range("RaceLines: no such line");
  return (*this)[index];
}

std::ostream& operator<<(std::ostream& out, const RaceLines& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) out << (i == 0 ? "" : " | ") << lines[i];
  return out;
}

}  // namespace tamikaze
