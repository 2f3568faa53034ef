#include "text/cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace tamikaze {
namespace {

// CP932 form of U+FF1F "？", written for characters that CP932 lacks.
constexpr const char* kCp932Question = "\x81\x48";

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts as much as it can; returns false at a sequence it cannot convert,
  // with `in`/`inLeft` pointing at that sequence.
  bool Convert(char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[4096];
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // start from the initial state
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

std::string Cp932ToUtf8(const std::string& cp932, const std::string& replacement) {
  // Opening a converter costs more than converting a name: one per thread.
  thread_local Iconv cv("UTF-8", "CP932");
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  std::string input = cp932;
  char* in = input.data();
  std::size_t left = input.size();
  while (!cv.Convert(in, left, out)) {
    out += replacement;
    ++in;
    --left;
  }
  return out;
}

std::string Utf8ToCp932(const std::string& utf8) {
  thread_local Iconv cv("CP932", "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  std::string input = utf8;
  char* in = input.data();
  std::size_t left = input.size();
  while (!cv.Convert(in, left, out)) {
    std::size_t skip = Utf8SequenceLength(static_cast<unsigned char>(*in));
    if (skip > left) skip = left;
    out += kCp932Question;
    in += skip;
    left -= skip;
  }
  return out;
}

namespace literals {

namespace {

// The CP932 form of the literal at `utf8`, from the table shared by all
// threads, which converts each text once.
const std::string& Converted(const char* utf8, std::size_t size) {
  static std::mutex mutex;
  static std::unordered_map<std::string, std::string> byText;
  std::string key(utf8, size);
  std::lock_guard<std::mutex> lock(mutex);
  auto found = byText.find(key);
  if (found == byText.end()) found = byText.emplace(key, Utf8ToCp932(key)).first;
  return found->second;
}

}  // namespace

const std::string& operator""_sj(const char* utf8, std::size_t size) {
  // A literal keeps its address for the whole run, so each thread looks it up
  // by address without a lock: first in a small table indexed by the address
  // (the converters use a few dozen literals, millions of times), then in a
  // map of every literal the thread has used.
  struct Recent {
    const char* literal = nullptr;
    const std::string* converted = nullptr;
  };
  thread_local std::array<Recent, 256> recent;
  Recent& slot = recent[(reinterpret_cast<std::uintptr_t>(utf8) >> 2) % recent.size()];
  if (slot.literal == utf8) return *slot.converted;
  thread_local std::unordered_map<const char*, const std::string*> byAddress;
  auto known = byAddress.find(utf8);
  if (known == byAddress.end()) known = byAddress.emplace(utf8, &Converted(utf8, size)).first;
  slot = {utf8, known->second};
  return *known->second;
}

}  // namespace literals
}  // namespace tamikaze
