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

std::string FirstArchiveOf(const std::string& horseArchive) {
  const fs::path horse(horseArchive);
  const std::string name = horse.filename().string();
  if (name.compare(0, 2, "T1") != 0 && name.compare(0, 2, "U9") != 0) return "";
  return (horse.parent_path() / ("TT" + name.substr(2))).string();
}

bool IsCompanionOf(const std::string& horseArchive, const std::string& first) {
  std::error_code ec;
  for (const std::string& candidate : CompanionCandidates(first)) {
    if (fs::path(candidate).filename() != fs::path(horseArchive).filename()) continue;
    const fs::path a = fs::weakly_canonical(fs::absolute(candidate, ec), ec);
    const fs::path b = fs::weakly_canonical(fs::absolute(horseArchive, ec), ec);
    if (!ec && a == b) return true;
  }
  return false;
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
