// UnlhaCheckArchive: tells a sound LHA archive from anything else.

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/safe_path.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

bool Ignore(const char*, std::size_t) {
  return true;
}

bool CheckMembers(LhaReader& reader, int depth) {
  int members = 0;
  for (Entry entry;;) {
    const LhaReader::Step step = reader.Next(entry);
    if (step == LhaReader::Step::End) break;
    if (step == LhaReader::Step::Failed) return false;
    ++members;
    if (depth == UNLHA_CHECK_RAPID) break;
    // What the extraction refuses, the check refuses already.
    if (const char* refusal = Refusal(entry)) {
      SetLastError(UNLHA_ERROR_FILE_STYLE, std::string(refusal) + ": " + entry.storedName);
      return false;
    }
    if (depth >= UNLHA_CHECK_FULL && !reader.ReadData(Ignore)) return false;
  }
  ClearLastError();
  return members > 0;
}

}  // namespace

// Mode 0 reads the first header; 1 every header, refusing links and names
// that would leave the destination; 2 also every member's data, so that each
// size and CRC is verified.
bool CheckLha(const char* fileName, int mode) {
  ClearLastError();
  const std::unique_ptr<LhaReader> reader = OpenLhaReader(fileName);
  return reader && CheckMembers(*reader, mode & 3);
}

}  // namespace tamikaze::unlha

extern "C" int UnlhaCheckArchive(const char* fileName, int mode) {
  if (fileName == nullptr) return 0;
  return tamikaze::unlha::CheckLha(fileName, mode) ? 1 : 0;
}
