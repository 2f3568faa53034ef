// The season-sized import: 3,500 races and 50,000 horse records (about
// 145 MB of horse text), packed once with a real LHA archiver (jlha, method
// lh5), then imported whole through ImportArchive and, for comparison,
// extracted with bsdtar. Run by hand:
//
//   build/import_bench --benchmark_min_time=1
//
// Needs jlha and bsdtar on PATH and libunlha32.so beside the executable.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/activation.h"
#include "app/import_driver.h"
#include "archive/archive_file.h"
#include "bench/jra_current_data.h"
#include "convert/jravan/jra_current.h"
#include "racefile/blocks.h"
#include "text/record_field.h"

namespace tamikaze::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kSeasonRaces = 3500;
constexpr int kSeasonHorses = 50000;

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

// The generated season: its record texts and its archive in a temp folder
// that lives as long as the benchmark process.
class Season {
 public:
  static Season& Get() {
    static Season season;
    return season;
  }
  ~Season() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  const RecordFiles& Files() const { return files_; }
  const fs::path& Folder() const { return folder_; }
  fs::path Archive() const { return folder_ / "season.lzh"; }

 private:
  Season() : files_(SeasonCards(kSeasonRaces, kSeasonHorses)) {
    std::string pattern = (fs::temp_directory_path() / "tamikaze-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temp folder");
    folder_ = pattern;
    const fs::path data = folder_ / "data";
    fs::create_directories(data);
    WriteRecordFiles(files_, data);
    Run("cd '" + data.string() + "' && jlha ao5q " + Archive().string() +
        " JRACDEN1.DAT JRACUMAJ.DAT > /dev/null");
    fs::remove_all(data);
  }

  RecordFiles files_;
  fs::path folder_;
};

// Answers the open dialog with the season archive; any message is a failure.
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

fs::path ExecutableFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

void BM_ImportSeason(benchmark::State& state) {
  Season& season = Season::Get();
  const fs::path output = season.Folder() / "out";
  const fs::path temp = season.Folder() / "temp";
  fs::create_directories(output);
  fs::create_directories(temp);
  int files = 0;
  for (auto _ : state) {
    Main main;
    main.OutputDir = output.string();
    main.TempDir = temp.string();
    TArchiveFile archive((ExecutableFolder() / "libunlha32.so").string());
    PrepareArchive(archive);
    BenchUi ui(season.Archive().string());
    const ImportReport report = ImportArchive(main, archive, ui, ImportSettings{false});
    if (report.outcome != ImportOutcome::Done) state.SkipWithError("the import did not finish");
    files = report.filesWritten;
    state.PauseTiming();
    fs::remove_all(report.raceFolder);
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
    fs::create_directories(into);
    Run("bsdtar -xf '" + season.Archive().string() + "' -C '" + into.string() + "'");
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
  convert.UmaLength = static_cast<int>(files.uma.size());
  convert.RaceCount = static_cast<int>(files.den.size()) / kJraCurrentRaceRecordSize;
  for (auto _ : state) {
    convert.HorseKeyIndex = RecordKeyIndex{};
    for (int race = 1; race <= convert.RaceCount; ++race) {
      convert.SaveLst.clear();
      convert.SaveLst.push_back(CopyrightLine());
      ConvertJraCurrent(convert, race);
    }
    benchmark::DoNotOptimize(convert.SaveLst.data());
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
