#pragma once
// A scratch folder of the test's own and whole-file reading and writing, for
// every test that touches the disk.
//
//   ScratchFolder scratch;
//   const fs::path in = scratch.File("in/a.dat", "bytes");  // in/ made too
//   EXPECT_EQ(ReadBytes(in), "bytes");

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tamikaze::testing {

namespace fs = std::filesystem;

// Writes `bytes` as the whole file at `path`, making its folder.
inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!(out << bytes)) throw std::runtime_error("cannot write " + path.string());
}

// The whole file at `path`; "" when it cannot be read.
inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder of its own, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tamikaze-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed for " + pattern);
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& Path() const { return path_; }
  // The sub-folder `relative`, created.
  fs::path Folder(const std::string& relative) const {
    fs::create_directories(path_ / relative);
    return path_ / relative;
  }
  // The file `relative` holding `bytes`, written with its folder.
  fs::path File(const std::string& relative, const std::string& bytes = "") const {
    WriteBytes(path_ / relative, bytes);
    return path_ / relative;
  }

 private:
  fs::path path_;
};

}  // namespace tamikaze::testing
