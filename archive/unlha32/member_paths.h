#pragma once
// The paths an extraction of the whole archive would make, member by member,
// so that the check refuses an archive whose extraction could not make them:
// a folder entry and a file at one path, or a file where another member
// needs a folder on its way. Two files of one name are no conflict: the
// later one replaces the earlier, as an updated archive intends.

#include <string>
#include <unordered_map>

#include "archive/unlha32/reader.h"

namespace tamikaze::unlha {

class MemberPaths {
 public:
  // Adds the paths `entry` makes (its folders on the way, then itself).
  // False when one of them is taken by the other kind already.
  bool Add(const Entry& entry);

 private:
  enum class Kind { File, Folder };
  bool Take(const std::string& path, Kind kind);

  std::unordered_map<std::string, Kind> made_;
};

}  // namespace tamikaze::unlha
