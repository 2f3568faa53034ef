#pragma once
// A member's name as its LHA header stores it, read from the header's raw
// bytes the same way whichever decoder reads the archive: CP932 bytes kept,
// folders joined with "/" ("\" and 0xFF separators, but never the second byte
// of a double-byte character).

#include <cstddef>
#include <string>

namespace tamikaze::unlha {

struct HeaderName {
  std::string name;  // "/" between folders; a folder entry without its final "/"
  // The name began with a separator. MS-DOS and Windows archivers write one
  // for names taken from the root they were given (LHMelt's "use root dir"):
  // the separator is dropped from `name` and `absolute` stays false. Written
  // anywhere else, it makes an absolute name.
  bool absolute = false;
  bool valid = false;  // the header held a readable name
};

// `header`: `size` bytes from the header's first byte, its extended headers
// included (a chain reaching past `size` is read as far as it goes).
HeaderName ReadHeaderName(const unsigned char* header, std::size_t size);

}  // namespace tamikaze::unlha
