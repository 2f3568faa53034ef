#pragma once
// What the library reads from an LHA header's raw bytes itself, the same way
// whichever decoder reads the archive: the member's name as stored (CP932
// bytes kept, folders joined with "/": "\" and 0xFF separators, but never the
// second byte of a double-byte character), and the 64-bit sizes of the
// extended header 0x42, which not every decoder reads.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tamikaze::unlha {

struct HeaderFields {
  std::string name;  // "/" between folders; a folder entry without its final "/"
  // The name began with a separator. MS-DOS and Windows archivers write one
  // for names taken from the root they were given (LHMelt's "use root dir"):
  // the separator is dropped from `name` and `absolute` stays false. Written
  // anywhere else, it makes an absolute name.
  bool absolute = false;
  bool valid = false;  // the header held a readable name
  // The extended header 0x42: the sizes in 64 bits, in place of the 32-bit
  // fields of the header's fixed part.
  bool hasSize64 = false;
  std::uint64_t compressedSize64 = 0;
  std::uint64_t originalSize64 = 0;
};

// `header`: `size` bytes from the header's first byte, its extended headers
// included (a chain reaching past `size` is read as far as it goes).
HeaderFields ReadHeaderFields(const unsigned char* header, std::size_t size);

}  // namespace tamikaze::unlha
