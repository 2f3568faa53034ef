#include "import/second_archive.h"

#include <filesystem>
#include <system_error>

namespace tamikaze {
namespace fs = std::filesystem;

std::vector<std::string> CompanionCandidates(const std::string& firstArchive) {
  const fs::path first(firstArchive);
  const std::string name = first.filename().string();
  if (name.size() < 2 || (name[0] != 'T' && name[0] != 't') || (name[1] != 'T' && name[1] != 't')) {
    return {};
  }
  std::vector<std::string> candidates;
  for (const char* prefix : {"T1", "U9"}) {
    candidates.push_back((first.parent_path() / (prefix + name.substr(2))).string());
  }
  return candidates;
}

std::string FindCompanionArchive(const std::string& firstArchive, std::string& lastTried) {
  for (const std::string& candidate : CompanionCandidates(firstArchive)) {
    lastTried = candidate;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return "";
}

}  // namespace tamikaze
