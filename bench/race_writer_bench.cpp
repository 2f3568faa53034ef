// Many races of one name: X.uma, X2.uma ... X3500.uma. Each race file is
// created exclusively in its free slot; one writer per import remembers the
// next slot of each name, while a writer per file (as every race file was
// written before) tries every taken slot again, so its cost grows with the
// square of the count. Distinct names are the baseline. Run by hand, on tmpfs
// (/dev/shm) and on disk (the system's temp folder):
//
//   build/race_writer_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "racefile/writer.h"

namespace tamikaze::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kRaces = 3500;

// A race file of 14 runners: 61 header lines and 42 lines a runner.
RaceLines TypicalRace() {
  return RaceLines(61 + 14 * 42, "0123456789");
}

// A fresh folder on tmpfs or on disk.
fs::path FreshFolder(bool onDisk) {
  const fs::path base = onDisk ? fs::temp_directory_path() : fs::path("/dev/shm");
  std::string pattern = (base / "tamikaze-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
  return pattern;
}

enum Mode { kWriterPerFile, kOneWriter, kDistinctNames };

void WriteRaces(Mode mode, const fs::path& folder, const RaceLines& race) {
  RaceFolderWriter writer(folder);
  for (int i = 0; i < kRaces; ++i) {
    switch (mode) {
      case kWriterPerFile:
        SaveNewRaceFile(race, folder, "X");
        break;
      case kOneWriter:
        writer.Save(race, "X");
        break;
      case kDistinctNames:
        writer.Save(race, "X" + std::to_string(i) + "R");
        break;
    }
  }
}

void BM_WriteRaces(benchmark::State& state) {
  const Mode mode = static_cast<Mode>(state.range(0));
  const bool onDisk = state.range(1) != 0;
  const RaceLines race = TypicalRace();
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path folder = FreshFolder(onDisk);
    state.ResumeTiming();
    WriteRaces(mode, folder, race);
    state.PauseTiming();
    fs::remove_all(folder);
    state.ResumeTiming();
  }
  state.SetLabel(std::string(mode == kWriterPerFile ? "one name, a writer per file"
                             : mode == kOneWriter   ? "one name, one writer"
                                                    : "distinct names") +
                 (onDisk ? ", disk" : ", tmpfs"));
}
BENCHMARK(BM_WriteRaces)
    ->ArgsProduct({{kWriterPerFile, kOneWriter, kDistinctNames}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tamikaze::bench

BENCHMARK_MAIN();
