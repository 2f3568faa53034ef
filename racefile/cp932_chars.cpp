#include "racefile/cp932_chars.h"

#include "text/cp932.h"

namespace tamikaze {
namespace {

// True when `count` bytes from the boundary `pos` end on a boundary too, so a
// match never takes half of a character at its end.
bool SpansWholeChars(const std::string& text, std::size_t pos, std::size_t count) {
  const std::size_t end = pos + count;
  while (pos < end) pos += Cp932CharLength(text, pos);
  return pos == end;
}

// Like FindChars, from the character boundary `from` on.
std::size_t FindCharsFrom(const std::string& text, const std::string& what, std::size_t from) {
  if (what.empty()) return from <= text.size() ? from : std::string::npos;
  for (std::size_t pos = from; pos + what.size() <= text.size();
       pos += Cp932CharLength(text, pos)) {
    if (text.compare(pos, what.size(), what) == 0 && SpansWholeChars(text, pos, what.size())) {
      return pos;
    }
  }
  return std::string::npos;
}

}  // namespace

std::size_t Cp932CharLength(const std::string& text, std::size_t pos) {
  return IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t FindChars(const std::string& text, const std::string& what) {
  return FindCharsFrom(text, what, 0);
}

bool ContainsChars(const std::string& text, const std::string& what) {
  return FindChars(text, what) != std::string::npos;
}

void ReplaceFirstChars(std::string& text, const std::string& what, const std::string& by) {
  const std::size_t pos = FindChars(text, what);
  if (pos != std::string::npos) text.replace(pos, what.size(), by);
}

void DeleteFirstChars(std::string& text, const std::string& what) {
  ReplaceFirstChars(text, what, std::string());
}

void CutThroughChars(std::string& text, const std::string& what) {
  const std::size_t pos = FindChars(text, what);
  if (pos != std::string::npos) text.erase(0, pos + what.size());
}

void DeleteAllChars(std::string& text, const std::string& what) {
  if (what.empty()) return;
  // Matches start on character boundaries and span whole characters, so after
  // an erase `pos` is still a boundary.
  for (std::size_t pos = FindCharsFrom(text, what, 0); pos != std::string::npos;
       pos = FindCharsFrom(text, what, pos)) {
    text.erase(pos, what.size());
  }
}

std::size_t LastCharOffset(const std::string& text) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) last = pos;
  return last;
}

std::string LastChar(const std::string& text) {
  return text.substr(LastCharOffset(text));
}

std::string WithoutLastChar(const std::string& text) {
  return text.substr(0, LastCharOffset(text));
}

}  // namespace tamikaze
