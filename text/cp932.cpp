#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>
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

const std::string& operator""_sj(const char* utf8, std::size_t size) {
  // A literal keeps its address for the whole run, so each thread first looks
  // it up by address without a lock; the shared table converts each text once.
  thread_local std::unordered_map<const char*, const std::string*> byAddress;
  if (const auto known = byAddress.find(utf8); known != byAddress.end()) return *known->second;
  static std::mutex mutex;
  static std::unordered_map<std::string, std::string> byText;
  std::string key(utf8, size);
  std::lock_guard<std::mutex> lock(mutex);
  auto found = byText.find(key);
  if (found == byText.end()) found = byText.emplace(key, Utf8ToCp932(key)).first;
  byAddress.emplace(utf8, &found->second);
  return found->second;
}

}  // namespace literals
}  // namespace tamikaze
