// Launching Tamikaze.exe: through wine when it is on PATH, else directly when
// executable; refused, with nothing started, when the file is missing or
// nothing can run it.

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

// A shell script that writes its working folder and arguments to `log`.
std::string Recorder(const fs::path& log) {
  const std::string to = "'" + log.string() + "'";
  return "#!/bin/sh\n{ pwd; echo \"$@\"; } > " + to + ".tmp; mv " + to + ".tmp " + to + "\n";
}

bool AppearsWithin(const fs::path& path, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(path) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return fs::exists(path);
}

TEST(LaunchTest, OutcomeFollowsWhatCanRunTheProgram) {
  struct Case {
    const char* name;
    bool exePresent, exeExecutable, winePresent;
    LaunchOutcome expected;
  };
  const Case cases[] = {
      {"missing", false, false, true, LaunchOutcome::Missing},
      {"nothing runs it", true, false, false, LaunchOutcome::CannotStart},
      {"directly", true, true, false, LaunchOutcome::Started},
      {"through wine", true, false, true, LaunchOutcome::Started},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder tmp;
    const fs::path tamikaze = tmp.Folder("Program Files/Tamikaze");
    const fs::path exe = tamikaze / "Tamikaze.exe";
    const fs::path log = tmp.Path() / "log";
    if (c.exePresent) WriteBytes(exe, Recorder(log));
    if (c.exeExecutable) chmod(exe.c_str(), 0755);
    if (c.winePresent) chmod(tmp.File("bin/wine", Recorder(log)).c_str(), 0755);
    const std::string path = tmp.Folder("empty").string() + ":" + tmp.Folder("bin").string();

    EXPECT_EQ(LaunchTamikaze(tamikaze.string(), path), c.expected);
    if (c.expected != LaunchOutcome::Started) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      EXPECT_FALSE(fs::exists(log));
      continue;
    }
    // The program runs in its own folder; wine gets the program's path.
    ASSERT_TRUE(AppearsWithin(log, std::chrono::seconds(5)));
    EXPECT_EQ(ReadBytes(log),
              tamikaze.string() + "\n" + (c.winePresent ? exe.string() : "") + "\n");
  }
}

}  // namespace
}  // namespace tamikaze
