// A stand-in archiver library for the loader tests: Unlha copies the command
// line it receives into the output buffer, the list functions find nothing.
// Built twice: complete, and without UnlhaFindNext (a required function).

#include <cstring>

#include "archive/unlha32/unlha32.h"

extern "C" {

UNLHA_API int Unlha(void*, const char* commandLine, char* output, uint32_t size) {
  if (output != nullptr && size > 0) {
    std::strncpy(output, commandLine, size - 1);
    output[size - 1] = '\0';
  }
  return 0;
}

UNLHA_API int UnlhaCheckArchive(const char*, int) {
  return 1;
}
UNLHA_API HARC UnlhaOpenArchive(void*, const char*, uint32_t) {
  static int dummy;
  return reinterpret_cast<HARC>(&dummy);
}
UNLHA_API int UnlhaCloseArchive(HARC) {
  return 0;
}
UNLHA_API int UnlhaFindFirst(HARC, const char*, UnlhaIndividualInfo*) {
  return -1;
}
#ifndef WITHOUT_FIND_NEXT
UNLHA_API int UnlhaFindNext(HARC, UnlhaIndividualInfo*) {
  return -1;
}
#endif
}
