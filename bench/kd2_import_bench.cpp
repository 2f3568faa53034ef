// The KD2 season: 3,500 races of about 14 runners and 50,000 horse records of
// 5,166 bytes (some 260 MB of record text), written by make_kol and packed
// once with a real LHA archiver (jlha, method lh5). The whole import runs as
// users run it, `tamikaze-netdata import` in a process of its own, beside
// `bsdtar -xf` of the same archive; each run reports its process's peak
// resident memory and CPU time. Everything goes under $TMPDIR. Run by hand:
//
//   TMPDIR=/dev/shm build/kd2_import_bench --benchmark_repetitions=3
//   TMPDIR=/var/tmp build/kd2_import_bench --benchmark_repetitions=3
//
// Needs jlha and bsdtar on PATH, and make_kol, tamikaze-netdata and
// libunlha32.so beside the executable; not part of the test suite. It is a
// program of its own because the kernel counts the spawning process's own
// peak memory into its child's: this one never holds record text.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <map>

#include "bench/bench_support.h"

extern char** environ;

namespace tamikaze::bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

struct ChildUsage {
  double peakBytes;   // peak resident memory
  double cpuSeconds;  // user and system time
};

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs `argv` with `env` added to this process's environment and its output
// thrown away.
ChildUsage RunChild(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& env = {}) {
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (env.count(entry.substr(0, entry.find('='))) == 0) environment.push_back(entry);
  }
  for (const auto& [name, value] : env) environment.push_back(name + "=" + value);
  std::vector<char*> args, envp;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  for (const std::string& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  args.push_back(nullptr);
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(argv[0] + " failed");
  return {static_cast<double>(usage.ru_maxrss) * 1024.0,  // ru_maxrss counts KiB
          Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

// The season's archive, and the bytes of the race-card and horse files the
// import reads.
class Kd2Season {
 public:
  static Kd2Season& Get() {
    static Kd2Season season;
    return season;
  }

  const fs::path& Folder() const { return folder_.Path(); }
  fs::path Archive() const { return Folder() / "season.lzh"; }
  double RecordBytes() const { return recordBytes_; }

 private:
  Kd2Season() {
    const fs::path data = Folder() / "data";
    fs::create_directories(data);
    RunChild({(ExecutableFolder() / "make_kol").string(), "season", data.string()});
    recordBytes_ = static_cast<double>(fs::file_size(data / "KOL_DEN1.KD2") +
                                       fs::file_size(data / "KOL_UMA.KD2"));
    PackWithJlha(data, Archive(), {"KOL_DEN1.KD2", "KOL_DEN2.KD2", "KOL_UMA.KD2"});
    fs::remove_all(data);
  }

  BenchFolder folder_;
  double recordBytes_ = 0;
};

// One command per iteration, the folder it wrote removed between them, with
// the largest peak memory and the mean CPU time of its processes.
template <typename Command>
void RunEachIteration(benchmark::State& state, const fs::path& written, Command command) {
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
  const double recordBytes = Kd2Season::Get().RecordBytes();
  state.counters["peak_MiB"] = peak / kMiB;
  state.counters["peak_per_record_byte"] = peak / recordBytes;
  state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(recordBytes));
}

void BM_Kd2ImportSeason(benchmark::State& state) {
  const Kd2Season& season = Kd2Season::Get();
  const fs::path output = season.Folder() / "out", home = season.Folder() / "home";
  const fs::path races = output / "seasonS";
  fs::create_directories(output);
  // The settings and the private extraction folder lie under $TMPDIR too.
  const std::map<std::string, std::string> env = {{"HOME", home.string()},
                                                  {"XDG_CONFIG_HOME", (home / "config").string()},
                                                  {"XDG_CACHE_HOME", (home / "cache").string()}};
  const std::vector<std::string> argv = {(ExecutableFolder() / "tamikaze-netdata").string(),
                                         "import", "-o", output.string(),
                                         season.Archive().string()};
  double files = 0;
  RunEachIteration(state, races, [&] {
    const ChildUsage usage = RunChild(argv, env);
    files = static_cast<double>(std::distance(fs::directory_iterator(races), {}));
    return usage;
  });
  state.counters["race_files"] = files;
}
BENCHMARK(BM_Kd2ImportSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Kd2BsdtarExtractSeason(benchmark::State& state) {
  const Kd2Season& season = Kd2Season::Get();
  const fs::path into = season.Folder() / "bsdtar";
  const std::vector<std::string> argv = {"bsdtar", "-xf", season.Archive().string(), "-C",
                                         into.string()};
  RunEachIteration(state, into, [&] {
    fs::create_directories(into);
    return RunChild(argv);
  });
}
BENCHMARK(BM_Kd2BsdtarExtractSeason)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tamikaze::bench

BENCHMARK_MAIN();
