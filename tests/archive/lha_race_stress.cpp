// Many fresh processes, each opening LHA readers on several threads at the
// same instant, as an import does: the full check on one thread while another
// lists the members (with --threads 4, two of each). A decoder table filled lazily by the first
// reader of a process shows up here as a sound archive refused now and then.
//
//   S=build/lha_race_stress F=tests/archive/fixtures
//   $S --library build/libunlha32.so --archive $F/lh5_level2_sjis.lzh --processes 10000
//   $S --library build/libunlha32.so --archive $F/lh5_corrupted.lzh --processes 1000 --damaged
//
// Prints the counts and exits 0 when every sound archive was accepted (or,
// with --damaged, every damaged one refused), 1 otherwise.

#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "archive/archive_file.h"

extern char** environ;

namespace {

struct Options {
  std::string library;
  std::string archive;
  int processes = 1000;
  int threads = 4;
  bool damaged = false;
  bool child = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--library" && hasValue) {
      options.library = argv[++i];
    } else if (arg == "--archive" && hasValue) {
      options.archive = argv[++i];
    } else if (arg == "--processes" && hasValue) {
      options.processes = std::atoi(argv[++i]);
    } else if (arg == "--threads" && hasValue) {
      options.threads = std::atoi(argv[++i]);
    } else if (arg == "--damaged") {
      options.damaged = true;
    } else if (arg == "--child") {
      options.child = true;
    } else {
      return false;
    }
  }
  return !options.library.empty() && !options.archive.empty() && options.processes > 0 &&
         options.threads >= 2;
}

// One thread of a fresh process: the full check (even threads) or the
// listing (odd ones), started with the others at the barrier.
bool ReadsSound(const Options& options, int index, pthread_barrier_t& start) {
  tamikaze::TArchiveFile archive(options.library);
  // Everything but reading an LHA header happens before the barrier (the
  // library loaded, a reader made and a file opened, here one that is no
  // archive), so that the threads reach their first header together.
  archive.SetFileName("/proc/self/exe");
  archive.SetArchiverType(tamikaze::kArchiverTypeLha);
  archive.CheckArchive(0);
  archive.SetFileName(options.archive);
  pthread_barrier_wait(&start);
  bool sound = false;
  if (index % 2 == 0) {
    sound = (archive.CheckArchive(2) & 0x7FFF) != 0;
  } else {
    sound = !archive.OpenArchive(nullptr, 0);
    archive.CloseArchive();
  }
  std::string reason;
  if (!sound && archive.LastError(reason) != 0)
    std::fprintf(stderr, "%s refused: %s\n", index % 2 ? "listing" : "check", reason.c_str());
  return sound;
}

// One fresh process: 0 when every thread found the archive sound.
int RunChild(const Options& options) {
  pthread_barrier_t start;
  pthread_barrier_init(&start, nullptr, static_cast<unsigned>(options.threads));
  std::vector<char> sound(static_cast<std::size_t>(options.threads), 0);
  std::vector<std::thread> others;
  for (int i = 1; i < options.threads; ++i)
    others.emplace_back([&, i] { sound[i] = ReadsSound(options, i, start); });
  sound[0] = ReadsSound(options, 0, start);
  for (std::thread& t : others) t.join();
  pthread_barrier_destroy(&start);
  return std::all_of(sound.begin(), sound.end(), [](char s) { return s != 0; }) ? 0 : 1;
}

// Starts this program again as a fresh child process; its exit status.
int RunFreshProcess(char* name, const Options& options) {
  std::string threads = std::to_string(options.threads);
  std::vector<char*> args = {name,
                             const_cast<char*>("--child"),
                             const_cast<char*>("--library"),
                             const_cast<char*>(options.library.c_str()),
                             const_cast<char*>("--archive"),
                             const_cast<char*>(options.archive.c_str()),
                             const_cast<char*>("--threads"),
                             threads.data(),
                             nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, args.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: %s --library PATH --archive PATH [--processes N] [--threads N] [--damaged]\n",
        argv[0]);
    return 2;
  }
  if (options.child) return RunChild(options);
  int accepted = 0, refused = 0, crashed = 0;
  for (int i = 0; i < options.processes; ++i) {
    const int status = RunFreshProcess(argv[0], options);
    if (status == 0)
      ++accepted;
    else if (status == 1)
      ++refused;
    else
      ++crashed;
  }
  std::printf("%s: %d processes, %d accepted, %d refused, %d did not finish\n",
              options.archive.c_str(), options.processes, accepted, refused, crashed);
  const int wrong = options.damaged ? accepted : refused;
  return wrong == 0 && crashed == 0 ? 0 : 1;
}
