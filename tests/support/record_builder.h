#pragma once
// Fixed-width records for tests and sample data, written the way the record
// tables read: each field at its 1-based byte position.
//
//   using namespace tamikaze::literals;
//   std::string race = RecordBuilder(1463).Put(3, "09").Put(18, "中山記念"_sj).Str();

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tamikaze {

class RecordBuilder {
 public:
  // A record of `size` half-width spaces.
  explicit RecordBuilder(std::size_t size) : bytes_(size, ' ') {}

  // Writes `bytes` from the 1-based byte `pos1` on. A field that does not fit
  // in the record is a mistake in the test and throws.
  RecordBuilder& Put(std::size_t pos1, const std::string& bytes) {
    if (pos1 < 1 || pos1 - 1 + bytes.size() > bytes_.size()) {
      throw std::out_of_range("field at byte " + std::to_string(pos1) + " of width " +
                              std::to_string(bytes.size()) + " does not fit in a record of " +
                              std::to_string(bytes_.size()) + " bytes");
    }
    bytes_.replace(pos1 - 1, bytes.size(), bytes);
    return *this;
  }

  // Writes `bytes` repeated `times` times from `pos1` on (a filler such as
  // full-width spaces).
  RecordBuilder& Fill(std::size_t pos1, const std::string& bytes, std::size_t times) {
    std::string run;
    for (std::size_t i = 0; i < times; ++i) run += bytes;
    return Put(pos1, run);
  }

  const std::string& Str() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tamikaze
