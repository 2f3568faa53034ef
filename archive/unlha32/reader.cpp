#include "archive/unlha32/reader.h"

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {

// One decoder reads the whole archive: libarchive when it reads every header
// and decodes every method, else liblhasa. A fuzzing build may fix the
// choice to reach each decoder with any input.
std::unique_ptr<LhaReader> OpenLhaReader(const char* path) {
#if defined(TAMIKAZE_UNLHA_ONLY_LIBARCHIVE)
  return OpenWithLibarchive(path);
#elif defined(TAMIKAZE_UNLHA_ONLY_LHASA)
  return OpenWithLhasa(path);
#else
  if (LibarchiveReadsWhole(path)) return OpenWithLibarchive(path);
  // Told to stop while the headers were looked at: no other try.
  if (LastErrorCode() == UNLHA_ERROR_USER_CANCEL) return nullptr;
  ClearLastError();  // why libarchive could not: no concern of the caller's
  return OpenWithLhasa(path);
#endif
}

}  // namespace tamikaze::unlha
