#pragma once
// What the benchmarks share: shell commands, a folder of their own, packing
// with a real LHA archiver, and the conversion of every race of a season.
//
// Everything goes under $TMPDIR (default /tmp): run once with TMPDIR=/dev/shm
// (tmpfs) and once with a folder on disk.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/convert_state.h"
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
