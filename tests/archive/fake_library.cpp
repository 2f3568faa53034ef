// A stand-in archiver library for the loader tests: Unlha copies the command
// line it receives into the output buffer. It offers no other function, so
// any other operation finds a required function missing.

#include <cstring>

#include "archive/unlha32/unlha32.h"

extern "C" UNLHA_API int Unlha(void*, const char* commandLine, char* output, uint32_t size) {
  if (output != nullptr && size > 0) {
    std::strncpy(output, commandLine, size - 1);
    output[size - 1] = '\0';
  }
  return 0;
}
