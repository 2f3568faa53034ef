// The season-sized import: 3,500 races and 50,000 horse records (about
// 145 MB of horse text), packed once with a real LHA archiver (jlha, method
// lh5), then imported whole through ImportArchive and, for comparison,
// extracted with bsdtar. Run by hand, on tmpfs and on disk:
//
//   TMPDIR=/dev/shm build/import_bench --benchmark_min_time=1
//   TMPDIR=/var/tmp build/import_bench --benchmark_min_time=1
//
// Needs jlha and bsdtar on PATH and libunlha32.so beside the executable. The
// special registrations' season is in registration_season_bench.cpp.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "bench/jra_current_data.h"
#include "convert/jravan/jra_current.h"
#include "text/record_field.h"

namespace tamikaze::bench {
namespace {

constexpr int kSeasonRaces = 3500;
constexpr int kSeasonHorses = 50000;

// The generated season: its record texts and its archive in a temp folder
// that lives as long as the benchmark process.
class Season {
 public:
  static Season& Get() {
    static Season season;
    return season;
  }

  const RecordFiles& Files() const { return files_; }
  const fs::path& Folder() const { return folder_.Path(); }
  fs::path Archive() const { return Folder() / "season.lzh"; }

 private:
  Season() : files_(SeasonCards(kSeasonRaces, kSeasonHorses)) {
    const fs::path data = Folder() / "data";
    fs::create_directories(data);
    WriteRecordFiles(files_, data);
    PackWithJlha(data, Archive(), {"JRACDEN1.DAT", "JRACUMAJ.DAT"});
    fs::remove_all(data);
  }

  RecordFiles files_;
  BenchFolder folder_;
};

void BM_ImportSeason(benchmark::State& state) {
  Season& season = Season::Get();
  int files = 0;
  for (auto _ : state) {
    files = ImportOnce(season.Folder(), season.Archive());
    if (files < 0) state.SkipWithError("the import did not finish");
    state.PauseTiming();
    fs::remove_all(season.Folder() / "out");
    state.ResumeTiming();
  }
  state.counters["race_files"] = files;
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(fs::file_size(season.Archive())));
}
BENCHMARK(BM_ImportSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BsdtarExtractSeason(benchmark::State& state) {
  Season& season = Season::Get();
  const fs::path into = season.Folder() / "bsdtar";
  for (auto _ : state) {
    BsdtarExtract({season.Archive()}, into);
    state.PauseTiming();
    fs::remove_all(into);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(fs::file_size(season.Archive())));
}
BENCHMARK(BM_BsdtarExtractSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

// The conversion alone, in memory: every race of the season, the key index
// built afresh as in each import.
void BM_ConvertSeasonInMemory(benchmark::State& state) {
  const RecordFiles& files = Season::Get().Files();
  ConvertState convert;
  convert.DenText = files.den;
  convert.UmaText = files.uma;
  convert.UmaLength = static_cast<TextOffset>(files.uma.size());
  convert.RaceCount = static_cast<int>(files.den.size()) / kJraCurrentRaceRecordSize;
  for (auto _ : state) {
    ConvertEveryRace(convert, ConvertJraCurrent);
    benchmark::DoNotOptimize(convert.SaveLst.FileBytes().data());
  }
}
BENCHMARK(BM_ConvertSeasonInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: the first-runner search as a scan from the start of the
// horse text for every race, as the key index replaces it.
void BM_ScanEveryRaceFromTheStart(benchmark::State& state) {
  const RecordFiles& files = Season::Get().Files();
  const int races = static_cast<int>(files.den.size()) / kJraCurrentRaceRecordSize;
  const int length = static_cast<int>(files.uma.size());
  for (auto _ : state) {
    long long found = 0;
    for (int race = 0; race < races; ++race) {
      const std::string key = RecordField(
          files.den, static_cast<std::size_t>(race) * kJraCurrentRaceRecordSize, 331, 10);
      int offset = 0;
      while (offset < length && files.uma.compare(offset, 10, key) != 0) {
        offset += kJraCurrentHorseRecordSize;
      }
      found += offset;
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_ScanEveryRaceFromTheStart)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tamikaze::bench

BENCHMARK_MAIN();
