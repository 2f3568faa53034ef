#include "import/archive_listing.h"

#include <cstdio>

#include "archive/archive_file.h"
#include "archive/library_error_text.h"

namespace tamikaze {

std::string ArchiveAnswer::Reason() const {
  if (sound || code == 0) return "";
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(code));
  const std::string meaning = LibraryErrorText(code);
  const bool ownWords = words.empty() || words == meaning;
  return meaning + (ownWords ? "" : "（" + words + "）") + "、エラーコード " + hex;
}

ArchiveAnswer AnswerOf(TArchiveFile& archive, int result) {
  ArchiveAnswer answer;
  answer.sound = result == 0;
  if (!answer.sound) answer.code = archive.LastError(answer.words);
  if (!answer.sound && answer.code == 0) answer.code = result;
  return answer;
}

ArchiveListing ListArchive(TArchiveFile& archive) {
  ArchiveListing listing;
  if (archive.OpenArchive(nullptr, 0)) {
    listing.answer = AnswerOf(archive, UNLHA_ERROR_NOT_ARC_FILE);
    return listing;
  }
  TIndividualInfo info;
  for (int found = archive.FindFirst("*.*", info); found == 0; found = archive.FindNext(info)) {
    listing.members.push_back(
        {info.StoredName(), info.llOriginalSize, std::string(info.szMode) == "-lhd-"});
  }
  archive.CloseArchive();
  listing.answer.sound = true;
  return listing;
}

}  // namespace tamikaze
