#pragma once
// Shared pieces of the archive tests: a private temporary folder, file
// reading and writing, listing an archive, and the messages of raised errors.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/archive_file.h"

namespace tamikaze::testing {

namespace fs = std::filesystem;

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tam_archive_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

inline fs::path Fixture(const char* name) {
  return fs::path(ARCHIVE_FIXTURES) / name;
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
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
