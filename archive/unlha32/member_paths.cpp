#include "archive/unlha32/member_paths.h"

#include <vector>

#include "archive/unlha32/safe_path.h"

namespace tamikaze::unlha {

bool MemberPaths::Add(const Entry& entry) {
  std::vector<std::string> parts;
  if (!SafeComponents(ExtractedName(entry), parts)) return true;  // refused on its own
  std::string path;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    path += parts[i];
    if (!Take(path, Kind::Folder)) return false;
    path += '/';
  }
  path += parts.back();
  return Take(path, entry.kind == EntryKind::Folder ? Kind::Folder : Kind::File);
}

bool MemberPaths::Take(const std::string& path, Kind kind) {
  const auto [at, added] = made_.emplace(path, kind);
  return added || at->second == kind;
}

}  // namespace tamikaze::unlha
