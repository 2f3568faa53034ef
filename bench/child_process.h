#pragma once
// A command of the benchmarks run as a process of its own, as users run it,
// with what the kernel counted for it: its peak resident memory and its CPU
// time. The benchmark process never holds record text, so the kernel's count
// of the child's peak is the child's own.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace tamikaze::bench {

struct ChildUsage {
  double peakBytes = 0;   // peak resident memory
  double cpuSeconds = 0;  // user and system time
  int status = 0;         // wait status
};

class Child {
 public:
  // Starts `argv` with `env` added to this process's environment and its
  // output thrown away.
  explicit Child(const std::vector<std::string>& argv,
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
    // The signals the stop benchmarks send act, even where the benchmark
    // itself runs with them ignored (started in the background by a script).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const int spawned =
        posix_spawnp(&pid_, args[0], &actions, &attributes, args.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
  }

  void Signal(int signal) const { kill(pid_, signal); }

  // Waits for the process; its usage.
  ChildUsage Wait() const {
    int status = 0;
    rusage usage{};
    if (wait4(pid_, &status, 0, &usage) != pid_) throw std::runtime_error("wait4 failed");
    const auto seconds = [](const timeval& t) {
      return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {static_cast<double>(usage.ru_maxrss) * 1024.0,  // ru_maxrss counts KiB
            seconds(usage.ru_utime) + seconds(usage.ru_stime), status};
  }

 private:
  pid_t pid_ = 0;
};

// Runs `argv` to its end; throws unless it exits with 0.
inline ChildUsage RunChild(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& env = {}) {
  const ChildUsage usage = Child(argv, env).Wait();
  if (!WIFEXITED(usage.status) || WEXITSTATUS(usage.status) != 0)
    throw std::runtime_error(argv[0] + " failed");
  return usage;
}

}  // namespace tamikaze::bench
