#pragma once
// Starting the analysis program Tamikaze.exe from its folder: through Wine when
// `wine` is on PATH, else directly when the file itself is executable. Wine
// runs in the prefix that holds the Tamikaze folder, and in a Japanese locale
// when one is installed. The window's position and size cannot be passed
// through Wine and are dropped.

#include <string>
#include <vector>

namespace tamikaze {

inline constexpr const char* kTamikazeExeMissing =
    "「Tamikaze."
    "exe」がみつかりません。「Tamikaze」のインストールしてある場所を、設定し直して下さい。";
inline constexpr const char* kTamikazeCannotStart =
    "「Tamikaze.exe」を起動できませんでした。Wine "
    "をインストールするか、「Tamikaze.exe」を実行できるようにして下さい。";

enum class LaunchOutcome {
  Started,                 // the process runs on its own; the program may close
  StartedWithoutJapanese,  // started, in Wine without a Japanese locale (kNoJapaneseLocale)
  Missing,                 // no Tamikaze.exe in the folder (kTamikazeExeMissing)
  CannotStart,             // neither Wine nor an executable file (kTamikazeCannotStart)
};

// What the launch takes from the process, as values.
struct LaunchContext {
  std::string pathEnv;                   // PATH: where `wine` is looked for
  std::vector<std::string> environment;  // "NAME=value", what the program inherits
  std::string japaneseLocale;            // an installed Japanese UTF-8 locale, "" when none

  static LaunchContext FromProcess();
};

// "ja_JP.UTF-8" when that locale is installed on this machine, else "".
std::string InstalledJapaneseUtf8Locale();

// The full path of `name` in the first folder of `pathEnv` (a PATH value) that
// holds it as an executable file, or "".
std::string FindOnPath(const std::string& name, const std::string& pathEnv);

// The command line that starts `exePath`: {wine, exePath} when `wine` is on
// `pathEnv`, else {exePath} when it is executable, else empty.
std::vector<std::string> TamikazeCommand(const std::string& exePath, const std::string& pathEnv);

// The environment Tamikaze gets: `base` with WINEPREFIX = `prefix` when that
// is not empty and, when `japaneseLocale` is not empty, LANG = it with
// LANGUAGE and every LC_ variable dropped (each would override LANG for a
// part of the locale, the character set with LC_CTYPE). The process's own
// environment is never changed.
std::vector<std::string> TamikazeEnvironment(const std::vector<std::string>& base,
                                             const std::string& prefix,
                                             const std::string& japaneseLocale);

// Runs `argv` as a detached process (it outlives this one and is never
// waited for) in `workDir` with `environment`. False when it could not be
// executed.
bool StartDetached(const std::vector<std::string>& argv, const std::string& workDir,
                   const std::vector<std::string>& environment);

// TamikazeBtnClick's launch: `tamikazeDir` + "/Tamikaze.exe" started detached
// with `tamikazeDir` as working folder, in the Wine prefix that holds it.
// Wine without a Japanese locale still starts it, and says so.
LaunchOutcome LaunchTamikaze(const std::string& tamikazeDir, const LaunchContext& context);

}  // namespace tamikaze
