#pragma once
// What the import benchmarks share: shell commands, a folder of their own,
// the import run as the command line runs it, and bsdtar for comparison.
//
// Everything goes under $TMPDIR (default /tmp): run once with TMPDIR=/dev/shm
// (tmpfs) and once with a folder on disk.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/activation.h"
#include "archive/archive_file.h"
#include "import/import_driver.h"
#include "racefile/blocks.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze::bench {

namespace fs = std::filesystem;

inline void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

// A fresh folder under $TMPDIR, removed with what it holds when it goes.
using BenchFolder = testing::ScratchFolder;

// Packs `files` (names in `from`) into `archive` with jlha, method lh5.
inline void PackWithJlha(const fs::path& from, const fs::path& archive,
                         const std::vector<std::string>& files) {
  std::string command = "cd '" + from.string() + "' && jlha ao5q '" + archive.string() + "'";
  for (const std::string& f : files) command += " '" + f + "'";
  Run(command + " > /dev/null");
}

inline fs::path ExecutableFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// Answers the open dialog with the archive; any message is a failure.
class BenchUi : public ImportUi {
 public:
  explicit BenchUi(std::string archive) : archive_(std::move(archive)) {}
  std::optional<std::string> OpenFile(const OpenFileRequest&) override { return archive_; }
  void Message(const std::string& text) override { throw std::runtime_error(text); }
  void ShowWait(const std::string&) override {}
  void HideWait() override {}

 private:
  std::string archive_;
};

// The whole import of `archive` (a second archive found by the "TT" rule)
// into `folder`/out, extracting under `folder`/temp; the race folder is
// removed afterwards. Returns the race files written, or -1 when the import
// did not finish.
inline int ImportOnce(const fs::path& folder, const fs::path& archive) {
  ImportState main;
  main.OutputDir = (folder / "out").string();
  main.TempDir = (folder / "temp").string();
  fs::create_directories(main.OutputDir);
  fs::create_directories(main.TempDir);
  TArchiveFile library((ExecutableFolder() / "libunlha32.so").string());
  PrepareArchive(library);
  BenchUi ui(archive.string());
  const ImportReport report = ImportArchive(main, library, ui, ImportSettings{false});
  return report.outcome == ImportOutcome::Done ? report.filesWritten : -1;
}

// bsdtar -xf of each archive into `into`.
inline void BsdtarExtract(const std::vector<fs::path>& archives, const fs::path& into) {
  fs::create_directories(into);
  for (const fs::path& archive : archives)
    Run("bsdtar -xf '" + archive.string() + "' -C '" + into.string() + "'");
}

// Every race of `state` through `converter` as the driver calls it, the key
// index built afresh as in each import.
inline void ConvertEveryRace(ConvertState& state, RaceConverter converter) {
  state.HorseKeyIndex = RecordKeyIndex{};
  for (int race = 1; race <= state.RaceCount; ++race) {
    state.SaveLst.clear();
    state.SaveLst.push_back(CopyrightLine());
    converter(state, race);
  }
}

}  // namespace tamikaze::bench
