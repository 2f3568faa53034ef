// Launching Tamikaze.exe: through wine when it is on PATH, else directly when
// executable; refused when the file is missing or nothing can run it.

#include "app/launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "tests/gui/gui_fixture.h"

namespace tamikaze {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

// A shell script that records its working folder and arguments in `log`.
std::string Recorder(const std::string& log) {
  return "#!/bin/sh\npwd > '" + log + ".tmp'\necho \"$@\" >> '" + log + ".tmp'\nmv '" + log +
         ".tmp' '" + log + "'\n";
}

void MakeExecutable(const std::string& path) {
  chmod(path.c_str(), 0755);
}

// What the detached process wrote, once it has written it.
std::string WaitForLog(const fs::path& log) {
  for (int i = 0; i < 300 && !fs::exists(log); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(log);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(LaunchTest, OutcomeFollowsWhatCanRunTheProgram) {
  struct Case {
    const char* name;
    bool exePresent, exeExecutable, winePresent;
    LaunchOutcome expected;
    bool viaWine;
  };
  const Case cases[] = {
      {"missing", false, false, true, LaunchOutcome::Missing, false},
      {"nothing runs it", true, false, false, LaunchOutcome::CannotStart, false},
      {"directly", true, true, false, LaunchOutcome::Started, false},
      {"through wine", true, false, true, LaunchOutcome::Started, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    const std::string tamikaze = tmp.Folder("Program Files/Tamikaze");
    const std::string log = (tmp.path() / "log").string();
    const std::string exe = tamikaze + "/Tamikaze.exe";
    if (c.exePresent) tmp.File("Program Files/Tamikaze/Tamikaze.exe", Recorder(log));
    if (c.exeExecutable) MakeExecutable(exe);
    const std::string bin = tmp.Folder("bin");
    if (c.winePresent) MakeExecutable(tmp.File("bin/wine", Recorder(log)));

    EXPECT_EQ(LaunchTamikaze(tamikaze, tmp.Folder("empty") + ":" + bin), c.expected);
    if (c.expected != LaunchOutcome::Started) {
      EXPECT_FALSE(fs::exists(log));
      continue;
    }
    // The program runs in its own folder; wine gets the program's path.
    const std::string expectedLog = tamikaze + "\n" + (c.viaWine ? exe : "") + "\n";
    EXPECT_EQ(WaitForLog(log), expectedLog);
  }
}

}  // namespace
}  // namespace tamikaze
