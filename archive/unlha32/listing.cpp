// UnlhaOpenArchive, UnlhaFindFirst, UnlhaFindNext, UnlhaCloseArchive and the
// functions that describe the member last found.

#include "archive/unlha32/listing.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/unlha32.h"
#include "text/cp932.h"

struct UnlhaArchive {
  std::vector<tamikaze::unlha::Entry> members;
  std::string wildcard;
  std::size_t next = 0;  // index of the next member to look at
  const tamikaze::unlha::Entry* found = nullptr;
};

namespace tamikaze::unlha {

bool WildcardMatches(const std::string& pattern, const std::string& name) {
  if (pattern.empty() || pattern == "*" || pattern == "*.*") return true;
  return fnmatch(pattern.c_str(), name.c_str(), FNM_NOESCAPE) == 0;
}

namespace {

// Every member whose header reads; a damaged header ends the list there.
bool ReadMembers(const char* path, std::vector<Entry>& members) {
  ClearLastError();
  const std::unique_ptr<LhaReader> reader = OpenLhaReader(path);
  if (!reader) return false;
  for (Entry entry; reader->Next(entry) == LhaReader::Step::Member;) members.push_back(entry);
  return !members.empty();
}

void DosDateTime(std::int64_t unixTime, std::uint16_t& date, std::uint16_t& time) {
  const std::time_t t = static_cast<std::time_t>(unixTime);
  std::tm local{};
  // The MS-DOS form holds the years 1980 to 2107 only; other times leave it 0.
  if (localtime_r(&t, &local) == nullptr || local.tm_year < 80 || local.tm_year > 207) return;
  date = static_cast<std::uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) |
                                    local.tm_mday);
  time =
      static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
}

// How many bytes of a CP932 name fit in `room` without splitting a
// double-byte character.
std::size_t WholeCharsWithin(const std::string& cp932, std::size_t room) {
  if (cp932.size() <= room) return cp932.size();
  std::size_t fit = 0;
  while (fit < cp932.size()) {
    const std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[fit])) ? 2 : 1;
    if (fit + width > room) break;
    fit += width;
  }
  return fit;
}

void FillInfo(const Entry& m, UnlhaIndividualInfo& info) {
  std::memset(&info, 0, sizeof info);
  info.dwOriginalSize = static_cast<std::uint32_t>(m.originalSize);
  info.dwCompressedSize = static_cast<std::uint32_t>(m.compressedSize);
  info.wRatio = m.originalSize == 0 ? 0
                                    : static_cast<std::uint16_t>(std::min<std::uint64_t>(
                                          m.compressedSize * 1000 / m.originalSize, 0xFFFF));
  DosDateTime(m.writeTime, info.wDate, info.wTime);
  // A longer name is cut; the record's last byte stays NUL.
  std::memcpy(info.szFileName, m.storedName.data(),
              WholeCharsWithin(m.storedName, UNLHA_FNAME_MAX32));
  std::memcpy(info.szMode, m.method.data(), std::min<std::size_t>(m.method.size(), 7));
}

int FindFrom(UnlhaArchive* harc, UnlhaIndividualInfo* info) {
  if (harc == nullptr) return UNLHA_ERROR_HARC_ISNOT_OPENED;
  harc->found = nullptr;
  while (harc->next < harc->members.size()) {
    const Entry& m = harc->members[harc->next++];
    if (!WildcardMatches(harc->wildcard, Cp932ToUtf8(m.storedName))) continue;
    harc->found = &m;
    if (info != nullptr) FillInfo(m, *info);
    return 0;
  }
  return -1;
}

constexpr std::uint64_t kFileTimeOf1970 = 116444736000000000ULL;

int PutFileTime(bool known, std::int64_t unixTime, std::uint64_t* out) {
  if (!known || out == nullptr || unixTime < 0) return 0;
  *out = kFileTimeOf1970 + static_cast<std::uint64_t>(unixTime) * 10000000ULL;
  return 1;
}

}  // namespace
}  // namespace tamikaze::unlha

using tamikaze::unlha::PutFileTime;

extern "C" {

HARC UnlhaOpenArchive(void* /*ownerWindow*/, const char* fileName, uint32_t /*mode*/) {
  if (fileName == nullptr) return nullptr;
  return tamikaze::unlha::Guarded(
      [fileName]() -> HARC {
        auto harc = std::make_unique<UnlhaArchive>();
        if (!tamikaze::unlha::ReadMembers(fileName, harc->members)) return nullptr;
        return harc.release();
      },
      HARC{nullptr});
}

int UnlhaCloseArchive(HARC harc) {
  if (harc == nullptr) return UNLHA_ERROR_HARC_ISNOT_OPENED;
  delete harc;
  return 0;
}

int UnlhaFindFirst(HARC harc, const char* wildName, UnlhaIndividualInfo* info) {
  if (harc == nullptr) return UNLHA_ERROR_HARC_ISNOT_OPENED;
  harc->wildcard = wildName ? wildName : "";
  harc->next = 0;
  return tamikaze::unlha::Guarded([&] { return tamikaze::unlha::FindFrom(harc, info); }, -1);
}

int UnlhaFindNext(HARC harc, UnlhaIndividualInfo* info) {
  return tamikaze::unlha::Guarded([&] { return tamikaze::unlha::FindFrom(harc, info); }, -1);
}

int UnlhaGetWriteTimeEx(HARC harc, uint64_t* fileTime) {
  return harc && harc->found ? PutFileTime(true, harc->found->writeTime, fileTime) : 0;
}

int UnlhaGetCreateTimeEx(HARC harc, uint64_t* fileTime) {
  if (harc == nullptr || harc->found == nullptr) return 0;
  return PutFileTime(harc->found->hasCreateTime, harc->found->createTime, fileTime);
}

int UnlhaGetAccessTimeEx(HARC harc, uint64_t* fileTime) {
  if (harc == nullptr || harc->found == nullptr) return 0;
  return PutFileTime(harc->found->hasAccessTime, harc->found->accessTime, fileTime);
}

int UnlhaGetOriginalSizeEx(HARC harc, uint64_t* size) {
  if (harc == nullptr || harc->found == nullptr || size == nullptr) return 0;
  *size = harc->found->originalSize;
  return 1;
}

int UnlhaGetCompressedSizeEx(HARC harc, uint64_t* size) {
  if (harc == nullptr || harc->found == nullptr || size == nullptr) return 0;
  *size = harc->found->compressedSize;
  return 1;
}

}  // extern "C"
