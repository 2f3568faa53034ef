// The season-sized imports of three data sets, each run as users run it,
// `tamikaze-netdata import` in a process of its own, beside `bsdtar -xf` of
// the same archives:
//
//   Cards4  JRA-VAN race cards (type 4): 3,500 races, 50,000 horse records of
//           2,881 bytes (about 149 MB of record text), one archive
//   Kd2     競馬道 KD2 race cards (type 5): 3,500 races, 50,000 horse records
//           of 5,166 bytes (about 261 MB), one archive
//   Special JRA-VAN special registrations (type 6): 1,000 races of 60 to 100
//           entries, the horses of type 4 (about 149 MB), two archives
//
// The record files are written by make_jra_current, make_kol and
// make_jra_registrations and packed once with a real LHA archiver (jlha,
// method lh5). Each run reports the wall time (the benchmark's time), its
// process's CPU time (user and system, cpu_s) and peak resident memory
// (peak_MiB, and against the record bytes, peak_per_record_byte). StopAfter*
// sends SIGINT a given time into an import and reports how long the process
// takes to end (stop_ms). Everything goes under $TMPDIR. Run by hand, on
// tmpfs and on disk, on both cores and on one (the children inherit the
// benchmark's processor):
//
//   TMPDIR=/dev/shm build/season_import_bench --benchmark_repetitions=5
//   TMPDIR=/var/tmp build/season_import_bench --benchmark_repetitions=5
//   TMPDIR=/dev/shm taskset -c 0 build/season_import_bench --benchmark_repetitions=5
//
// Needs jlha and bsdtar on PATH, and the generators, tamikaze-netdata and
// libunlha32.so beside the executable; not part of the test suite.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <thread>

#include "bench/bench_support.h"
#include "bench/child_process.h"

namespace tamikaze::bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// One generated season: its archives and the bytes of its record files.
class Season {
 public:
  struct Recipe {
    const char* generator;                           // beside this executable
    std::vector<std::vector<std::string>> archives;  // the files each archive packs
    std::vector<std::string> archiveNames;           // the first is the one imported
    std::vector<std::string> recordFiles;            // the files the import reads
    const char* raceFolder;                          // what the import makes
  };

  explicit Season(const Recipe& recipe) : recipe_(recipe) {
    const fs::path data = Folder() / "data";
    fs::create_directories(data);
    RunChild({(ExecutableFolder() / recipe.generator).string(), "season", data.string()});
    for (const std::string& file : recipe.recordFiles) {
      recordBytes_ += static_cast<double>(fs::file_size(data / file));
    }
    for (std::size_t i = 0; i < recipe.archives.size(); ++i) {
      PackWithJlha(data, Folder() / recipe.archiveNames[i], recipe.archives[i]);
    }
    fs::remove_all(data);
  }

  const fs::path& Folder() const { return folder_.Path(); }
  double RecordBytes() const { return recordBytes_; }
  fs::path Imported() const { return Folder() / recipe_.archiveNames.front(); }
  fs::path RaceFolder() const { return Folder() / "out" / recipe_.raceFolder; }
  std::vector<std::string> BsdtarArchives() const {
    std::vector<std::string> paths;
    for (const std::string& name : recipe_.archiveNames)
      paths.push_back((Folder() / name).string());
    return paths;
  }

  // The import's command line, and its settings and cache under $TMPDIR.
  std::vector<std::string> ImportCommand() const {
    return {(ExecutableFolder() / "tamikaze-netdata").string(),
            "import",
            "-q",
            "-o",
            (Folder() / "out").string(),
            Imported().string()};
  }
  std::map<std::string, std::string> ImportEnvironment() const {
    const fs::path home = Folder() / "home";
    return {{"HOME", home.string()},
            {"XDG_CONFIG_HOME", (home / "config").string()},
            {"XDG_CACHE_HOME", (home / "cache").string()}};
  }

 private:
  Recipe recipe_;
  BenchFolder folder_;
  double recordBytes_ = 0;
};

Season& Cards4() {
  static Season season({"make_jra_current",
                        {{"JRACDEN1.DAT", "JRACUMAJ.DAT"}},
                        {"season.lzh"},
                        {"JRACDEN1.DAT", "JRACUMAJ.DAT"},
                        "seasonS"});
  return season;
}

Season& Kd2() {
  static Season season({"make_kol",
                        {{"KOL_DEN1.KD2", "KOL_DEN2.KD2", "KOL_UMA.KD2"}},
                        {"season.lzh"},
                        {"KOL_DEN1.KD2", "KOL_UMA.KD2"},
                        "seasonS"});
  return season;
}

Season& Special() {
  static Season season({"make_jra_registrations",
                        {{"JRACTOK1.DAT"}, {"JRACUMAJ.DAT"}},
                        {"TT091231.lzh", "T1091231.lzh"},
                        {"JRACTOK1.DAT", "JRACUMAJ.DAT"},
                        "TT091231S"});
  return season;
}

// One process per iteration, what it wrote removed between them (untimed),
// with the largest peak memory and the mean CPU time of its processes.
template <typename Command>
void Measure(benchmark::State& state, const Season& season, const fs::path& written,
             Command command) {
  double peak = 0, cpu = 0;
  for (auto _ : state) {
    const ChildUsage usage = command();
    peak = std::max(peak, usage.peakBytes);
    cpu += usage.cpuSeconds;
    state.PauseTiming();
    fs::remove_all(written);
    sync();  // what this run left to write back does not slow the next
    state.ResumeTiming();
  }
  state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.counters["peak_MiB"] = peak / kMiB;
  state.counters["peak_per_record_byte"] = peak / season.RecordBytes();
  state.counters["record_MiB"] = season.RecordBytes() / kMiB;
}

void Import(benchmark::State& state, Season& season) {
  fs::create_directories(season.Folder() / "out");
  Measure(state, season, season.RaceFolder(),
          [&] { return RunChild(season.ImportCommand(), season.ImportEnvironment()); });
}

void Bsdtar(benchmark::State& state, Season& season) {
  const fs::path into = season.Folder() / "bsdtar";
  Measure(state, season, into, [&] {
    fs::create_directories(into);
    ChildUsage total;
    for (const std::string& archive : season.BsdtarArchives()) {
      const ChildUsage usage = RunChild({"bsdtar", "-xf", archive, "-C", into.string()});
      total.cpuSeconds += usage.cpuSeconds;
      total.peakBytes = std::max(total.peakBytes, usage.peakBytes);
    }
    return total;
  });
}

// SIGINT `state.range(0)` milliseconds into an import: how long the process
// takes from the signal to its end (it leaves nothing behind).
void StopAfter(benchmark::State& state, Season& season) {
  fs::create_directories(season.Folder() / "out");
  double stopSeconds = 0;
  for (auto _ : state) {
    const Child child(season.ImportCommand(), season.ImportEnvironment());
    std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
    const auto signalled = std::chrono::steady_clock::now();
    child.Signal(SIGINT);
    child.Wait();
    stopSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - signalled).count();
    if (!fs::is_empty(season.Folder() / "out")) state.SkipWithError("the import left something");
  }
  state.counters["stop_ms"] = 1000 * stopSeconds / static_cast<double>(state.iterations());
}

void BM_ImportCards4(benchmark::State& state) {
  Import(state, Cards4());
}
void BM_BsdtarCards4(benchmark::State& state) {
  Bsdtar(state, Cards4());
}
void BM_ImportKd2(benchmark::State& state) {
  Import(state, Kd2());
}
void BM_BsdtarKd2(benchmark::State& state) {
  Bsdtar(state, Kd2());
}
void BM_ImportSpecial(benchmark::State& state) {
  Import(state, Special());
}
void BM_BsdtarSpecial(benchmark::State& state) {
  Bsdtar(state, Special());
}
void BM_StopAfterCards4(benchmark::State& state) {
  StopAfter(state, Cards4());
}
void BM_StopAfterKd2(benchmark::State& state) {
  StopAfter(state, Kd2());
}
void BM_StopAfterSpecial(benchmark::State& state) {
  StopAfter(state, Special());
}

#define SEASON_BENCHMARK(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()
SEASON_BENCHMARK(BM_ImportCards4);
SEASON_BENCHMARK(BM_BsdtarCards4);
SEASON_BENCHMARK(BM_ImportKd2);
SEASON_BENCHMARK(BM_BsdtarKd2);
SEASON_BENCHMARK(BM_ImportSpecial);
SEASON_BENCHMARK(BM_BsdtarSpecial);
SEASON_BENCHMARK(BM_StopAfterCards4)->Arg(300);
SEASON_BENCHMARK(BM_StopAfterKd2)->Arg(300)->Arg(1000);
SEASON_BENCHMARK(BM_StopAfterSpecial)->Arg(300);

}  // namespace
}  // namespace tamikaze::bench

BENCHMARK_MAIN();
