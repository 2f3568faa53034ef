// UnlhaCheckArchive: tells a sound LHA archive from anything else.

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/member_paths.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/safe_path.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

bool Ignore(const char*, std::size_t) {
  return true;
}

bool RefuseMember(const char* why, const Entry& entry) {
  SetLastError(UNLHA_ERROR_FILE_STYLE, std::string(why) + ": " + ExtractedName(entry));
  return false;
}

bool CheckMembers(LhaReader& reader, int depth) {
  int members = 0;
  MemberPaths paths;
  for (Entry entry;;) {
    const LhaReader::Step step = reader.Next(entry);
    if (step == LhaReader::Step::End) break;
    if (step == LhaReader::Step::Failed) return false;
    ++members;
    if (depth == UNLHA_CHECK_RAPID) break;
    // What the extraction refuses or cannot make, the check refuses already.
    if (const char* refusal = Refusal(entry)) return RefuseMember(refusal, entry);
    if (!paths.Add(entry)) return RefuseMember("フォルダとファイルが同じ名前です", entry);
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
  return tamikaze::unlha::Guarded([&] { return tamikaze::unlha::CheckLha(fileName, mode) ? 1 : 0; },
                                  0);
}
