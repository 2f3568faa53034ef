// Launching Tamikaze.exe: through wine when it is on PATH, else directly when
// executable; refused when the file is missing or nothing can run it.

#include "app/launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>

#include "tests/gui/gui_fixture.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;

// A shell script that writes its working folder and arguments to `log`.
std::string Recorder(const std::string& log) {
  return "#!/bin/sh\n{ pwd; echo \"$@\"; } > '" + log + ".tmp'\nmv '" + log + ".tmp' '" + log +
         "'\n";
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
    test::TempFolder tmp;
    const std::string tamikaze = tmp.Folder("Program Files/Tamikaze");
    const std::string log = (tmp.path() / "log").string();
    const std::string exe = tamikaze + "/Tamikaze.exe";
    if (c.exePresent) tmp.File("Program Files/Tamikaze/Tamikaze.exe", Recorder(log));
    if (c.exeExecutable) chmod(exe.c_str(), 0755);
    if (c.winePresent) chmod(tmp.File("bin/wine", Recorder(log)).c_str(), 0755);

    const std::string path = tmp.Folder("empty") + ":" + tmp.Folder("bin");
    EXPECT_EQ(LaunchTamikaze(tamikaze, path), c.expected);
    if (c.expected != LaunchOutcome::Started) {
      EXPECT_FALSE(fs::exists(log));
      continue;
    }
    // The program runs in its own folder; wine gets the program's path.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(log); }, 3000));
    std::ifstream in(log);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              tamikaze + "\n" + (c.winePresent ? exe : "") + "\n");
  }
}

}  // namespace
}  // namespace tamikaze
