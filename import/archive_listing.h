#pragma once
// What the LHA library says about an archive: its listing, and whether it is
// sound (with the library's reason when it is not).

#include <string>
#include <vector>

#include "import/record_files.h"

namespace tamikaze {

class TArchiveFile;

// The library's answer about an archive.
struct ArchiveAnswer {
  bool sound = false;
  int code = 0;       // the library's error code when not sound
  std::string words;  // the library's reason; for a method it cannot decode, the method
  // "LHA の圧縮ファイルではありません（words）、エラーコード 0x8019" as the
  // command line shows it: the code's meaning in Japanese, the library's own
  // words, the code; "" when sound.
  std::string Reason() const;
};

// The answer for `result`, the code an operation on `archive` returned (0:
// sound), with the reason the library recorded for this thread.
ArchiveAnswer AnswerOf(TArchiveFile& archive, int result);

struct ArchiveListing {
  std::vector<ListedMember> members;  // in stored order
  ArchiveAnswer answer;               // sound when at least one member was listed
};

// The members of the archive `archive` is set to, as FindFirst and FindNext
// give them.
ArchiveListing ListArchive(TArchiveFile& archive);

}  // namespace tamikaze
