// The conversion alone, in memory, of a season of each data set that the
// season imports read (season_import_bench.cpp): every race converted as the
// import driver converts it, the horse-key index built afresh as in each
// import. For comparison, the first-runner search as a scan from the start of
// the horse text for every race, which the key index replaces. Run by hand:
//
//   build/conversion_bench
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "bench/jra_current_data.h"
#include "bench/jra_registration_data.h"
#include "bench/kol_data.h"
#include "convert/jravan/jra_current.h"
#include "convert/jravan/registrations.h"
#include "convert/kol/converters.h"
#include "text/record_field.h"

namespace tamikaze::bench {
namespace {

constexpr int kRaces = 3500;
constexpr int kHorses = 50000;
constexpr int kSpecialRaces = 1000;

ConvertState Loaded(std::string den, std::string uma, int recordSize) {
  ConvertState state;
  state.DenText = std::move(den);
  state.UmaText = std::move(uma);
  state.UmaLength = static_cast<TextOffset>(state.UmaText.size());
  state.RaceCount = static_cast<int>(state.DenText.size() / static_cast<std::size_t>(recordSize));
  return state;
}

void Convert(benchmark::State& state, ConvertState& convert, RaceConverter converter) {
  for (auto _ : state) {
    ConvertEveryRace(convert, converter);
    benchmark::DoNotOptimize(convert.SaveLst.FileBytes().data());
  }
  state.counters["races"] = convert.RaceCount;
}

void BM_ConvertCards4InMemory(benchmark::State& state) {
  static RecordFiles files = SeasonCards(kRaces, kHorses);
  ConvertState convert = Loaded(files.den, files.uma, kJraCurrentRaceRecordSize);
  Convert(state, convert, ConvertJraCurrent);
}
BENCHMARK(BM_ConvertCards4InMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConvertKd2InMemory(benchmark::State& state) {
  static KolRecordFiles files = Kd2SeasonCards(kRaces, kHorses);
  ConvertState convert = Loaded(files.den, files.uma, kKd2RaceRecordSize);
  Convert(state, convert, ConvertKd2Race);
}
BENCHMARK(BM_ConvertKd2InMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConvertSpecialInMemory(benchmark::State& state) {
  static JraFiles files = Tok1Season(kSpecialRaces, 60, 100, kHorses);
  ConvertState convert = Loaded(files.races, files.horses, kTok1RaceRecordSize);
  Convert(state, convert, ConvertTok1Race);
}
BENCHMARK(BM_ConvertSpecialInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScanEveryRaceFromTheStart(benchmark::State& state) {
  static RecordFiles files = SeasonCards(kRaces, kHorses);
  const int races = static_cast<int>(files.den.size()) / kJraCurrentRaceRecordSize;
  const std::size_t length = files.uma.size();
  for (auto _ : state) {
    std::size_t found = 0;
    for (int race = 0; race < races; ++race) {
      const std::string key = RecordField(
          files.den, static_cast<std::size_t>(race) * kJraCurrentRaceRecordSize, 331, 10);
      std::size_t offset = 0;
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
