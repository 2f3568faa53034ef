#include "archive/unlha32/archive_pass.h"

#include <string>

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/member_paths.h"
#include "archive/unlha32/safe_path.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

bool RefuseMember(const char* why, const Entry& entry) {
  SetLastError(UNLHA_ERROR_FILE_STYLE, std::string(why) + ": " + ExtractedName(entry));
  return false;
}

}  // namespace

bool PassOverArchive(LhaReader& reader, int mode, const SinkFor& sinkFor) {
  static const DataSink kDrop = [](const char*, std::size_t) { return true; };
  std::uint32_t members = 0;
  MemberPaths paths;
  for (Entry entry;; ++members) {
    const LhaReader::Step step = reader.Next(entry);
    if (step == LhaReader::Step::End) break;
    if (step == LhaReader::Step::Failed) return false;
    if (mode == UNLHA_CHECK_RAPID) return true;
    // What the extraction refuses or cannot make, the check refuses already.
    if (const char* refusal = Refusal(entry)) return RefuseMember(refusal, entry);
    if (!paths.Add(entry)) return RefuseMember("フォルダとファイルが同じ名前です", entry);
    if (mode < UNLHA_CHECK_FULL) continue;
    const DataSink* sink = sinkFor ? sinkFor(members) : nullptr;
    if (!reader.ReadData(sink ? *sink : kDrop)) return false;
  }
  ClearLastError();
  return members > 0;
}

}  // namespace tamikaze::unlha
