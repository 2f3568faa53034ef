#pragma once
// A program run as a child process of the test: its own environment, working
// folder and optional file-size limit, standard output and error sent to
// files; the test may signal it while it runs.
//
//   ChildProcess child({"/bin/sleep", "10"}, {});
//   child.Signal(SIGTERM);
//   EXPECT_EQ(child.Wait(), 128 + SIGTERM);

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <string>
#include <vector>

namespace tamikaze::testing {

struct ChildOptions {
  std::vector<std::string> env;  // "NAME=value", the whole environment
  std::string workDir;           // "" keeps the test's
  std::string stdoutPath = "/dev/null";
  std::string stderrPath = "/dev/null";
  rlim_t fileSizeLimit = RLIM_INFINITY;  // bytes
};

class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const ChildOptions& options) {
    // Everything the child needs is made before fork: it only calls what is
    // safe after it.
    std::vector<char*> args = Pointers(argv), env = Pointers(options.env);
    const struct rlimit limit = {options.fileSizeLimit, RLIM_INFINITY};
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ > 0) return;
    const int out = ::open(options.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(options.stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(125);
    if (!options.workDir.empty() && ::chdir(options.workDir.c_str()) != 0) ::_exit(125);
    if (options.fileSizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      ::_exit(125);
    }
    ::execve(args[0], args.data(), env.data());
    ::_exit(127);
  }
  ~ChildProcess() {
    if (pid_ > 0 && Running()) {
      Signal(SIGKILL);
      Wait();
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void Signal(int signal) const { ::kill(pid_, signal); }

  // False once the child has ended (its status is then kept for Wait).
  bool Running() {
    if (status_ >= 0) return false;
    int raw = 0;
    if (::waitpid(pid_, &raw, WNOHANG) == 0) return true;
    status_ = Decode(raw);
    return false;
  }

  // The exit status, or 128 + the signal that ended the child.
  int Wait() {
    int raw = 0;
    if (status_ < 0 && ::waitpid(pid_, &raw, 0) == pid_) status_ = Decode(raw);
    return status_;
  }

 private:
  static std::vector<char*> Pointers(const std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (const std::string& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
    pointers.push_back(nullptr);
    return pointers;
  }
  static int Decode(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw); }

  pid_t pid_ = -1;
  int status_ = -1;
};

}  // namespace tamikaze::testing
