// The special registrations' season (data type 6): 1,000 races of 60 to 100
// entries (JRACTOK1.DAT) and 50,000 horse records of 2,881 bytes
// (JRACUMAJ.DAT, about 144 MB), packed with jlha (method lh5) as a pair named
// by the "TT" rule, TT091231.lzh + T1091231.lzh. The whole import runs
// through ImportArchive, its peak memory measured; bsdtar extracts the same
// two archives for comparison. Each reports its CPU time (cpu_s): on a busy
// machine the wall times say more about the other processes. Part of
// build/import_bench; filter with --benchmark_filter=Special.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "bench/jra_registration_data.h"
#include "convert/jravan/registrations.h"

namespace tamikaze::bench {
namespace {

constexpr int kRaces = 1000;
constexpr int kFewestEntries = 60;
constexpr int kMostEntries = 100;
constexpr int kHorses = 50000;

// The generated season: its two archives, and its record files kept beside
// them for the conversion in memory. The texts are not held in memory, so
// that the process's peak memory is the import's.
class SpecialSeason {
 public:
  static SpecialSeason& Get() {
    static SpecialSeason season;
    return season;
  }

  const fs::path& Folder() const { return folder_.Path(); }
  fs::path Data() const { return Folder() / "data"; }
  fs::path First() const { return Folder() / "TT091231.lzh"; }
  fs::path Second() const { return Folder() / "T1091231.lzh"; }
  double RecordMegabytes() const {
    return static_cast<double>(fs::file_size(Data() / "JRACTOK1.DAT") +
                               fs::file_size(Data() / "JRACUMAJ.DAT")) /
           1e6;
  }

 private:
  SpecialSeason() {
    const JraFiles files = Tok1Season(kRaces, kFewestEntries, kMostEntries, kHorses);
    fs::create_directories(Data());
    WriteMemberFile(Data(), "JRACTOK1.DAT", files.races);
    WriteMemberFile(Data(), "JRACUMAJ.DAT", files.horses);
    PackWithJlha(Data(), First(), {"JRACTOK1.DAT"});
    PackWithJlha(Data(), Second(), {"JRACUMAJ.DAT"});
  }

  BenchFolder folder_;
};

std::int64_t ArchiveBytes(const SpecialSeason& season) {
  return static_cast<std::int64_t>(fs::file_size(season.First()) + fs::file_size(season.Second()));
}

// The process's peak resident memory (VmHWM) in megabytes; `reset` first sets
// the peak back to what is resident now.
double PeakMegabytes(bool reset) {
  if (reset) std::ofstream("/proc/self/clear_refs") << "5";
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024 / 1e6;
  }
  return 0;
}

// User and system time of this process (`who` RUSAGE_SELF, all its threads)
// or of its waited-for children (RUSAGE_CHILDREN), in seconds.
double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The whole import, with the peak memory of the process while it runs next
// to the bytes of the two record files, and the CPU time of all its threads
// (the full check runs beside the extraction).
void BM_ImportSpecialSeason(benchmark::State& state) {
  SpecialSeason& season = SpecialSeason::Get();
  int files = 0;
  double peak = 0, cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    PeakMegabytes(/*reset=*/true);
    const double cpuBefore = CpuSeconds(RUSAGE_SELF);
    state.ResumeTiming();
    files = ImportOnce(season.Folder(), season.First());
    state.PauseTiming();
    cpu += CpuSeconds(RUSAGE_SELF) - cpuBefore;
    if (files < 0) state.SkipWithError("the import did not finish");
    peak = std::max(peak, PeakMegabytes(/*reset=*/false));
    fs::remove_all(season.Folder() / "out");
    sync();  // what this run left to write back does not slow the next
    state.ResumeTiming();
  }
  state.counters["race_files"] = files;
  state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.counters["peak_MB"] = peak;
  state.counters["records_MB"] = season.RecordMegabytes();
  state.counters["peak_per_record_byte"] = peak / season.RecordMegabytes();
  state.SetBytesProcessed(state.iterations() * ArchiveBytes(season));
}
BENCHMARK(BM_ImportSpecialSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BsdtarExtractSpecialSeason(benchmark::State& state) {
  SpecialSeason& season = SpecialSeason::Get();
  const fs::path into = season.Folder() / "bsdtar";
  double cpu = 0;
  for (auto _ : state) {
    const double cpuBefore = CpuSeconds(RUSAGE_CHILDREN);
    BsdtarExtract({season.Second(), season.First()}, into);
    state.PauseTiming();
    cpu += CpuSeconds(RUSAGE_CHILDREN) - cpuBefore;
    fs::remove_all(into);
    sync();
    state.ResumeTiming();
  }
  state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * ArchiveBytes(season));
}
BENCHMARK(BM_BsdtarExtractSpecialSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

// The conversion alone, in memory: every race of the season, the key index
// built afresh as in each import.
void BM_ConvertSpecialSeasonInMemory(benchmark::State& state) {
  const fs::path data = SpecialSeason::Get().Data();
  ConvertState convert;
  convert.DenText = testing::ReadBytes(data / "JRACTOK1.DAT");
  convert.UmaText = testing::ReadBytes(data / "JRACUMAJ.DAT");
  convert.UmaLength = static_cast<TextOffset>(convert.UmaText.size());
  convert.RaceCount = static_cast<int>(convert.DenText.size()) / kTok1RaceRecordSize;
  for (auto _ : state) {
    ConvertEveryRace(convert, ConvertTok1Race);
    benchmark::DoNotOptimize(convert.SaveLst.FileBytes().data());
  }
}
BENCHMARK(BM_ConvertSpecialSeasonInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tamikaze::bench
