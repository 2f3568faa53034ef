/* libunlha32.so: the LHA library the archive layer binds by name at run time,
 * reading archives through libarchive or liblhasa (archive/unlha32/reader.h).
 * C linkage, the functions of the common archiver library interface with the
 * prefix "Unlha". Paths are UTF-8; member names in UnlhaIndividualInfo are the
 * stored bytes (CP932), "/" as the folder separator. */
#ifndef TAMIKAZE_UNLHA32_H
#define TAMIKAZE_UNLHA32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct UnlhaArchive* HARC;

#define UNLHA_FNAME_MAX32 512

/* The library's member record, 558 bytes, laid out without padding. */
#pragma pack(push, 1)
typedef struct UnlhaIndividualInfo {
  uint32_t dwOriginalSize;
  uint32_t dwCompressedSize;
  uint32_t dwCRC;
  uint32_t uFlag;
  uint32_t uOSType;
  uint16_t wRatio; /* compressed size per mille of the original */
  uint16_t wDate;  /* MS-DOS date and time of the last write */
  uint16_t wTime;
  char szFileName[UNLHA_FNAME_MAX32 + 1]; /* bytes 26 to 538 */
  char dummy1[3];
  char szAttribute[8];
  char szMode[8]; /* the method, e.g. "-lh5-" */
} UnlhaIndividualInfo;
#pragma pack(pop)

/* CheckArchive modes (low bits). */
#define UNLHA_CHECK_RAPID 0 /* the first headers */
#define UNLHA_CHECK_BASIC 1 /* every header */
#define UNLHA_CHECK_FULL 2  /* every header and every member's data (CRC) */

/* Result codes of Unlha (0 = success) and FindFirst/FindNext (-1 = no more),
 * and the reasons UnlhaGetLastError gives. */
#define UNLHA_ERROR_UNKNOWN_TYPE 0x8008 /* a header level no decoder reads ("level 4 header") */
#define UNLHA_ERROR_METHOD 0x8009       /* a method no decoder knows; the reason is the method */
#define UNLHA_ERROR_FILE_CRC 0x800C     /* a member's data does not match its CRC */
#define UNLHA_ERROR_FILE_OPEN 0x800D
#define UNLHA_ERROR_MAKEDIRECTORY 0x8012
#define UNLHA_ERROR_CANNOT_WRITE 0x8013
#define UNLHA_ERROR_HEADER_CRC 0x8016    /* a header does not match its checksum or CRC */
#define UNLHA_ERROR_HEADER_BROKEN 0x8017 /* a header that cannot be read, a cut archive */
#define UNLHA_ERROR_ARC_FILE_OPEN 0x8018
#define UNLHA_ERROR_NOT_ARC_FILE 0x8019
#define UNLHA_ERROR_FILE_STYLE 0x801B /* a member refused: "..", absolute path, link */
#define UNLHA_ERROR_COMMAND_NAME 0x801C
#define UNLHA_ERROR_ENOUGH_MEMORY 0x801E /* the memory ran short */
#define UNLHA_ERROR_USER_CANCEL 0x8020   /* the stop callback asked to stop */
#define UNLHA_ERROR_HARC_ISNOT_OPENED 0x8021
#define UNLHA_ERROR_NOT_FIND_ARC_FILE 0x8029
#define UNLHA_ERROR_RESPONSE_READ 0x802A
#define UNLHA_ERROR_COMMAND_LINE 0x802C /* unbalanced quotes, missing archive */

#define UNLHA_API __attribute__((visibility("default")))

/* Runs a command line: "x [switches] "archive" "dest/" [names...]". Output text
 * (may be empty) goes to `output` when `size` > 0. */
UNLHA_API int Unlha(void* ownerWindow, const char* commandLine, char* output, uint32_t size);
/* 1 when `fileName` is a sound LHA archive for `mode`, 0 otherwise. */
UNLHA_API int UnlhaCheckArchive(const char* fileName, int mode);
UNLHA_API HARC UnlhaOpenArchive(void* ownerWindow, const char* fileName, uint32_t mode);
UNLHA_API int UnlhaCloseArchive(HARC archive);
UNLHA_API int UnlhaFindFirst(HARC archive, const char* wildName, UnlhaIndividualInfo* info);
UNLHA_API int UnlhaFindNext(HARC archive, UnlhaIndividualInfo* info);
/* Of the member last found; 1 when filled, 0 when not known. Times are
 * Windows FILETIME values (100 ns since 1601-01-01 UTC). */
UNLHA_API int UnlhaGetWriteTimeEx(HARC archive, uint64_t* fileTime);
UNLHA_API int UnlhaGetCreateTimeEx(HARC archive, uint64_t* fileTime);
UNLHA_API int UnlhaGetAccessTimeEx(HARC archive, uint64_t* fileTime);
UNLHA_API int UnlhaGetOriginalSizeEx(HARC archive, uint64_t* size);
UNLHA_API int UnlhaGetCompressedSizeEx(HARC archive, uint64_t* size);
/* Why the calling thread's last UnlhaCheckArchive, UnlhaOpenArchive or Unlha
 * failed: an error code above (0 after a success), and in `reason` (when
 * `size` > 0) the decoder's own words, NUL-terminated. */
UNLHA_API int UnlhaGetLastError(char* reason, uint32_t size);

/* A member that UnlhaExtractMem64 decodes into the caller's memory. */
typedef struct UnlhaMemoryMember {
  uint32_t index;        /* its position in the listing, 0 for the first member */
  unsigned char* buffer; /* room for `size` bytes */
  uint64_t size;         /* the member's original size, as the listing gives it */
  uint64_t written;      /* out: the bytes decoded into `buffer` */
} UnlhaMemoryMember;

/* Decodes the archive `fileName` once, as UnlhaCheckArchive in mode 2
 * verifies it (every header, every member's size and CRC, the same refusals
 * in the same order): the `count` members named in `members` are decoded into
 * their buffers, every other member is decoded, verified and dropped. 0 for
 * a sound archive, else the reason's error code (UnlhaGetLastError says
 * more); a member decoding to more than its buffer holds is damaged. */
UNLHA_API int UnlhaExtractMem64(void* ownerWindow, const char* fileName, UnlhaMemoryMember* members,
                                uint32_t count);

/* Asks the calling thread's later checks, listings and extractions to stop:
 * `stop(context)` is called before each member and each block of decoded
 * output (at most 64 KiB); when it returns non-zero the call ends at once
 * with UNLHA_ERROR_USER_CANCEL, removing what it had not finished. A null
 * `stop` clears it. */
typedef int (*UnlhaStopFn)(void* context);
UNLHA_API void UnlhaSetStopCallback(UnlhaStopFn stop, void* context);

typedef int (*UnlhaCommandFn)(void*, const char*, char*, uint32_t);
typedef int (*UnlhaCheckArchiveFn)(const char*, int);
typedef HARC (*UnlhaOpenArchiveFn)(void*, const char*, uint32_t);
typedef int (*UnlhaCloseArchiveFn)(HARC);
typedef int (*UnlhaFindFirstFn)(HARC, const char*, UnlhaIndividualInfo*);
typedef int (*UnlhaFindNextFn)(HARC, UnlhaIndividualInfo*);
typedef int (*UnlhaGetTimeFn)(HARC, uint64_t*);
typedef int (*UnlhaGetSizeFn)(HARC, uint64_t*);
typedef int (*UnlhaGetLastErrorFn)(char*, uint32_t);
typedef void (*UnlhaSetStopCallbackFn)(UnlhaStopFn, void*);
typedef int (*UnlhaExtractMem64Fn)(void*, const char*, UnlhaMemoryMember*, uint32_t);

#ifdef __cplusplus
}
#endif

#endif
