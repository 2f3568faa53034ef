#pragma once
// TIndividualInfo: the member information record that FindFirst and FindNext
// fill, byte for byte: the library's own record (558 bytes, the stored name
// at bytes 26 to 538) extended by the layer with times and 64-bit sizes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "archive/unlha32/unlha32.h"

namespace tamikaze {

#pragma pack(push, 1)
struct TIndividualInfo {
  std::uint32_t dwOriginalSize = 0;
  std::uint32_t dwCompressedSize = 0;
  std::uint32_t dwCRC = 0;
  std::uint32_t uFlag = 0;
  std::uint32_t uOSType = 0;
  std::uint16_t wRatio = 0;
  std::uint16_t wDate = 0;
  std::uint16_t wTime = 0;
  char szFileName[UNLHA_FNAME_MAX32 + 1] = {};
  char dummy1[3] = {};
  char szAttribute[8] = {};
  char szMode[8] = {};
  // Filled by the layer from the library's optional functions.
  std::uint64_t ftLastWriteTime = 0;
  std::uint64_t ftCreationTime = 0;
  std::uint64_t ftLastAccessTime = 0;
  std::uint64_t llOriginalSize = 0;
  std::uint64_t llCompressedSize = 0;

  // The stored name: the bytes before the first NUL, CP932 as stored.
  std::string StoredName() const {
    return std::string(szFileName, strnlen(szFileName, sizeof szFileName));
  }
};
#pragma pack(pop)

static_assert(offsetof(TIndividualInfo, szFileName) == 26);
static_assert(offsetof(TIndividualInfo, ftLastWriteTime) == 558);
static_assert(offsetof(TIndividualInfo, ftCreationTime) == 566);
static_assert(offsetof(TIndividualInfo, ftLastAccessTime) == 574);
static_assert(offsetof(TIndividualInfo, llOriginalSize) == 582);
static_assert(offsetof(TIndividualInfo, llCompressedSize) == 590);
static_assert(sizeof(UnlhaIndividualInfo) == offsetof(TIndividualInfo, ftLastWriteTime));

}  // namespace tamikaze
