#include "app/launch.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "app/folders.h"
#include "app/wine_prefixes.h"

extern char** environ;

namespace tamikaze {
namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::u8path(path), ec) && access(path.c_str(), X_OK) == 0;
}

// In the grandchild: enter the folder and run the program; on failure report
// errno through `reportFd` (closed on a successful exec).
[[noreturn]] void ExecInFolder(char* const argv[], char* const envp[], const char* workDir,
                               int reportFd) {
  int error = 0;
  if (chdir(workDir) != 0) {
    error = errno;
  } else {
    execve(argv[0], argv, envp);
    error = errno;
  }
  ssize_t written = write(reportFd, &error, sizeof error);
  (void)written;
  _exit(127);
}

// The C strings of `strings`, ended by a null pointer, for exec.
std::vector<char*> NullTerminated(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const auto& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

bool IsVariable(const std::string& entry, const std::string& name) {
  return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 &&
         entry[name.size()] == '=';
}

// LANGUAGE and every LC_ variable: each would override LANG for some part of
// the locale.
bool IsLocaleVariable(const std::string& entry) {
  return IsVariable(entry, "LANG") || IsVariable(entry, "LANGUAGE") ||
         (entry.compare(0, 3, "LC_") == 0 && entry.find('=') != std::string::npos);
}

}  // namespace

LaunchContext LaunchContext::FromProcess() {
  LaunchContext context;
  if (const char* path = std::getenv("PATH")) context.pathEnv = path;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    context.environment.emplace_back(*entry);
  }
  context.japaneseLocale = InstalledJapaneseUtf8Locale();
  return context;
}

std::string InstalledJapaneseUtf8Locale() {
  const char* name = "ja_JP.UTF-8";
  const locale_t locale = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return "";
  freelocale(locale);
  return name;
}

std::string FindOnPath(const std::string& name, const std::string& pathEnv) {
  std::istringstream folders(pathEnv);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const std::string candidate = JoinFolder(folder, name);
    // Absolute, since the program runs in another working folder.
    if (IsExecutableFile(candidate)) return fs::absolute(fs::u8path(candidate)).u8string();
  }
  return "";
}

std::vector<std::string> TamikazeCommand(const std::string& exePath, const std::string& pathEnv) {
  const std::string wine = FindOnPath("wine", pathEnv);
  if (!wine.empty()) return {wine, exePath};
  if (IsExecutableFile(exePath)) return {exePath};
  return {};
}

std::vector<std::string> TamikazeEnvironment(const std::vector<std::string>& base,
                                             const std::string& prefix,
                                             const std::string& japaneseLocale) {
  std::vector<std::string> environment;
  for (const std::string& entry : base) {
    const bool replaced = (!prefix.empty() && IsVariable(entry, "WINEPREFIX")) ||
                          (!japaneseLocale.empty() && IsLocaleVariable(entry));
    if (!replaced) environment.push_back(entry);
  }
  if (!prefix.empty()) environment.push_back("WINEPREFIX=" + prefix);
  if (!japaneseLocale.empty()) environment.push_back("LANG=" + japaneseLocale);
  return environment;
}

bool StartDetached(const std::vector<std::string>& argv, const std::string& workDir,
                   const std::vector<std::string>& environment) {
  if (argv.empty()) return false;
  // Everything the child needs is prepared before fork: after it, only
  // async-signal-safe calls are made.
  std::vector<char*> args = NullTerminated(argv);
  std::vector<char*> envp = NullTerminated(environment);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    // The intermediate child starts a new session and leaves at once, so the
    // program is adopted by init and never becomes our zombie.
    close(report[0]);
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) ExecInFolder(args.data(), envp.data(), workDir.c_str(), report[1]);
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(report[1]);
  int status = 0;
  waitpid(child, &status, 0);
  int error = 0;
  ssize_t got;
  do {
    got = read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  const bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return forked && got == 0;
}

LaunchOutcome LaunchTamikaze(const std::string& tamikazeDir, const LaunchContext& context) {
  std::error_code ec;
  const std::string exePath =
      fs::absolute(fs::u8path(JoinFolder(tamikazeDir, "Tamikaze.exe")), ec).u8string();
  if (!fs::is_regular_file(fs::u8path(exePath), ec)) return LaunchOutcome::Missing;
  const auto command = TamikazeCommand(exePath, context.pathEnv);
  const auto environment =
      TamikazeEnvironment(context.environment, WinePrefixOf(tamikazeDir), context.japaneseLocale);
  if (command.empty() || !StartDetached(command, tamikazeDir, environment)) {
    return LaunchOutcome::CannotStart;
  }
  const bool inWine = command.size() > 1;
  return inWine && context.japaneseLocale.empty() ? LaunchOutcome::StartedWithoutJapanese
                                                  : LaunchOutcome::Started;
}

}  // namespace tamikaze
