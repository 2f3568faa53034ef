// Launching Tamikaze.exe: through wine when it is on PATH, else directly when
// executable; refused, with nothing started, when the file is missing or
// nothing can run it. Wine runs in the prefix that holds the program, in the
// Japanese locale when one is installed.

#include "app/launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// A shell script that writes its working folder, its arguments and the Wine
// settings of its environment to `log`.
std::string Recorder(const fs::path& log) {
  const std::string to = "'" + log.string() + "'";
  return "#!/bin/sh\n{ pwd; echo \"$@\"; echo \"WINEPREFIX=${WINEPREFIX-unset} "
         "LANG=${LANG-unset} LC_ALL=${LC_ALL-unset} LC_CTYPE=${LC_CTYPE-unset} "
         "LANGUAGE=${LANGUAGE-unset}\"; } > " +
         to + ".tmp; mv " + to + ".tmp " + to + "\n";
}

bool AppearsWithin(const fs::path& path, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(path) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return fs::exists(path);
}

TEST(LaunchTest, OutcomeFollowsWhatCanRunTheProgram) {
  const std::string inherited = "LANG=C LC_ALL=C LC_CTYPE=C LANGUAGE=en";
  struct Case {
    const char* name;
    bool exePresent, exeExecutable, winePresent;
    const char* folder;  // the Tamikaze folder in the scratch folder
    const char* japaneseLocale;
    LaunchOutcome expected;
    std::string settings;  // the Wine settings the program sees
  };
  const Case cases[] = {
      {"missing", false, false, true, "Tamikaze", "", LaunchOutcome::Missing, ""},
      {"nothing runs it", true, false, false, "Tamikaze", "", LaunchOutcome::CannotStart, ""},
      {"directly", true, true, false, "Tamikaze", "", LaunchOutcome::Started,
       "WINEPREFIX=/elsewhere " + inherited},
      {"through wine", true, false, true, "Tamikaze", "", LaunchOutcome::StartedWithoutJapanese,
       "WINEPREFIX=/elsewhere " + inherited},
      {"in a prefix", true, false, true, "keiba/drive_c/Program Files (x86)/Tamikaze",
       "ja_JP.UTF-8", LaunchOutcome::Started,
       "WINEPREFIX=@/keiba LANG=ja_JP.UTF-8 LC_ALL=unset LC_CTYPE=unset LANGUAGE=unset"},
      {"in a prefix, no Japanese locale", true, false, true, "keiba/drive_c/Program Files/Tamikaze",
       "", LaunchOutcome::StartedWithoutJapanese, "WINEPREFIX=@/keiba " + inherited},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder tmp;
    const fs::path tamikaze = tmp.Folder(c.folder);
    const fs::path exe = tamikaze / "Tamikaze.exe";
    const fs::path log = tmp.Path() / "log";
    if (c.exePresent) WriteBytes(exe, Recorder(log));
    if (c.exeExecutable) chmod(exe.c_str(), 0755);
    if (c.winePresent) chmod(tmp.File("bin/wine", Recorder(log)).c_str(), 0755);
    LaunchContext context;
    context.pathEnv = tmp.Folder("empty").string() + ":" + tmp.Folder("bin").string();
    context.environment = {"PATH=/usr/bin:/bin", "LANG=C",      "LC_ALL=C",
                           "LC_CTYPE=C",         "LANGUAGE=en", "WINEPREFIX=/elsewhere"};
    context.japaneseLocale = c.japaneseLocale;

    EXPECT_EQ(LaunchTamikaze(tamikaze.string(), context), c.expected);
    if (c.expected == LaunchOutcome::Missing || c.expected == LaunchOutcome::CannotStart) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      EXPECT_FALSE(fs::exists(log));
      continue;
    }
    // The program runs in its own folder; wine gets the program's path.
    std::string settings = c.settings;
    if (const auto at = settings.find('@'); at != std::string::npos) {
      settings.replace(at, 1, tmp.Path().string());
    }
    ASSERT_TRUE(AppearsWithin(log, std::chrono::seconds(5)));
    EXPECT_EQ(ReadBytes(log), tamikaze.string() + "\n" + (c.winePresent ? exe.string() : "") +
                                  "\n" + settings + "\n");
  }
}

}  // namespace
}  // namespace tamikaze
