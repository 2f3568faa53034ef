// Many fresh processes, each opening LHA readers on four threads at the same
// instant, as an import does: the full check on two threads while two others
// list the members. A decoder table filled lazily by the first reader of a
// process shows up here as a sound archive refused now and then.
//
//   S=build/lha_race_stress F=tests/archive/fixtures
//   $S build/libunlha32.so $F/lh5_level2_sjis.lzh 10000
//   $S build/libunlha32.so $F/lh5_corrupted.lzh 1000 --damaged
//
// Prints the counts and exits 0 when every sound archive was accepted (or,
// with --damaged, every damaged one refused), 1 otherwise.

#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "archive/archive_file.h"

extern char** environ;

namespace {

constexpr int kThreads = 4;

// One thread of a fresh process: the full check (even threads) or the
// listing (odd ones), started with the others at the barrier.
bool ReadsSound(const char* library, const char* path, int index, pthread_barrier_t& start) {
  tamikaze::TArchiveFile archive(library);
  // Everything but reading an LHA header happens before the barrier (the
  // library loaded, a reader made and a file opened, here one that is no
  // archive), so that the threads reach their first header together.
  archive.SetFileName("/proc/self/exe");
  archive.SetArchiverType(tamikaze::kArchiverTypeLha);
  archive.CheckArchive(0);
  archive.SetFileName(path);
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
int RunChild(const char* library, const char* path) {
  pthread_barrier_t start;
  pthread_barrier_init(&start, nullptr, kThreads);
  bool sound[kThreads] = {};
  std::vector<std::thread> others;
  for (int i = 1; i < kThreads; ++i)
    others.emplace_back([&, i] { sound[i] = ReadsSound(library, path, i, start); });
  sound[0] = ReadsSound(library, path, 0, start);
  for (std::thread& t : others) t.join();
  pthread_barrier_destroy(&start);
  for (bool s : sound)
    if (!s) return 1;
  return 0;
}

// Starts this program again as a fresh child process; its exit status.
int RunFreshProcess(char** argv) {
  char child[] = "--child";
  char* args[] = {argv[0], child, argv[1], argv[2], nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, args, environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--child") return RunChild(argv[2], argv[3]);
  const int processes = argc >= 4 ? std::atoi(argv[3]) : 0;
  const bool damaged = argc == 5 && std::string(argv[4]) == "--damaged";
  if (processes <= 0 || argc > 5 || (argc == 5 && !damaged)) {
    std::fprintf(stderr, "usage: %s LIBRARY ARCHIVE PROCESSES [--damaged]\n", argv[0]);
    return 2;
  }
  int counts[3] = {};  // accepted, refused, did not finish
  for (int i = 0; i < processes; ++i) {
    const int status = RunFreshProcess(argv);
    ++counts[status == 0 || status == 1 ? status : 2];
  }
  std::printf("%s: %d processes, %d accepted, %d refused, %d did not finish\n", argv[2], processes,
              counts[0], counts[1], counts[2]);
  return counts[damaged ? 0 : 1] == 0 && counts[2] == 0 ? 0 : 1;
}
