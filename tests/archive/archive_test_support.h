#pragma once
// Shared pieces of the archive tests: a fixture with a scratch folder, the
// fixture archives, listing an archive, and the messages of raised errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "archive/archive_file.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze::testing {

class TempFolderTest : public ::testing::Test {
 protected:
  ScratchFolder scratch_;
  const fs::path root_ = scratch_.Path();
};

inline fs::path Fixture(const char* name) {
  return fs::path(ARCHIVE_FIXTURES) / name;
}

// The options the program sets: jse and jso at activation, n and x before
// extracting.
inline TArchiverOptions ProgramOptions() {
  TArchiverOptions options;
  options.jse = options.jso = options.n = options.x = 1;
  return options;
}

// The stored names matching `wildcard`, in the order FindFirst/FindNext give them.
inline std::vector<std::string> ListMembers(TArchiveFile& archive, const char* wildcard = "*.*") {
  std::vector<std::string> names;
  archive.OpenArchive(nullptr, 0);
  TIndividualInfo info;
  for (int r = archive.FindFirst(wildcard, info); r == 0; r = archive.FindNext(info))
    names.push_back(info.StoredName());
  archive.CloseArchive();
  return names;
}

// The regular files below `folder`, as paths relative to it.
inline std::vector<std::string> FilesBelow(const fs::path& folder) {
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(fs::relative(e.path(), folder).string());
  std::sort(files.begin(), files.end());
  return files;
}

// The message of the `E` that `call` raises, or "(nothing raised)".
template <typename E, typename Call>
std::string MessageOf(Call call) {
  try {
    call();
  } catch (const E& e) {
    return e.what();
  }
  return "(nothing raised)";
}

}  // namespace tamikaze::testing
