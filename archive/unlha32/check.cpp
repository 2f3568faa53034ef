// UnlhaCheckArchive: tells a sound LHA archive from anything else.

#include "archive/unlha32/archive_pass.h"
#include "archive/unlha32/last_error.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {

// Mode 0 reads the first header; 1 every header, refusing links and names
// that would leave the destination or could not be made there; 2 also every
// member's data, so that each size and CRC is verified.
bool CheckLha(const char* fileName, int mode) {
  ClearLastError();
  const std::unique_ptr<LhaReader> reader = OpenLhaReader(fileName);
  return reader && PassOverArchive(*reader, mode & 3, nullptr);
}

}  // namespace tamikaze::unlha

extern "C" int UnlhaCheckArchive(const char* fileName, int mode) {
  if (fileName == nullptr) return 0;
  return tamikaze::unlha::Guarded([&] { return tamikaze::unlha::CheckLha(fileName, mode) ? 1 : 0; },
                                  0);
}
