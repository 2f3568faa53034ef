// tamikaze-netdata run as a program, on archives made by a real LHA archiver
// (jlha, method lh5 where it compresses) and by the stored-member writer.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/cli/cli_import_ui.h"
#include "app/import_texts.h"
#include "tests/app/app_test_support.h"
#include "tests/convert/jra_current_records.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
namespace texts = import_texts;

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  // Runs `program args` with a home, config and cache folder of the test's own.
  RunResult Run(const std::vector<std::string>& args,
                const std::string& program = TAMIKAZE_TEST_CLI) {
    const fs::path& root = scratch_.Path();
    std::string command = "env -i HOME=" + Quoted(scratch_.Folder("home").string()) +
                          " XDG_CONFIG_HOME=" + Quoted((root / "config").string()) +
                          " XDG_CACHE_HOME=" + Quoted((root / "cache").string()) + " " +
                          Quoted(program);
    for (const std::string& a : args) command += " " + Quoted(a);
    command +=
        " >" + Quoted((root / "stdout").string()) + " 2>" + Quoted((root / "stderr").string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::ReadBytes(root / "stdout"),
            testing::ReadBytes(root / "stderr")};
  }

  std::string JlhaArchive(const std::string& name, const std::vector<testing::Lh0Member>& files) {
    const fs::path dir = scratch_.Folder("jlha-" + name);
    std::string command = "cd " + Quoted(dir.string()) + " && jlha ao5q " + Quoted(name);
    for (const auto& f : files) {
      testing::WriteBytes(dir / f.name, f.data);
      command += " " + Quoted(f.name);
    }
    // jlha exits 0 even on wrong usage: the archive must exist.
    EXPECT_TRUE(std::system((command + " >/dev/null 2>&1").c_str()) == 0 && fs::exists(dir / name));
    return (dir / name).string();
  }

  std::string Out() const { return (scratch_.Path() / "out").string(); }

  testing::ScratchFolder scratch_;
};

std::string Line(const std::string& archive, int type, int races, int files,
                 const std::string& folder) {
  return archive + "\t" + std::to_string(type) + "\t" + std::to_string(races) + "\t" +
         std::to_string(files) + "\t" + folder + "\n";
}

TEST_F(CommandLineTest, WrongUsageExitsTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"import"}, {"frobnicate", "a.lzh"}, {"import", "--bogus", "a.lzh"}};
  for (const auto& args : cases) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_FALSE(r.err.empty());
  }
  const RunResult help = Run({"import", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--second"), std::string::npos);
  const RunResult version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tamikaze-netdata ", 0), 0u);
}

TEST_F(CommandLineTest, ImportsEachArchiveAndExitsWithTheWorstOutcome) {
  fs::create_directories(Out());
  using testing::CurrentRace;
  const std::string good = JlhaArchive(
      "JV0101.lzh",
      {{"JRACDEN1.DAT", CurrentRace().Str() + CurrentRace().Str()}, {"JRACUMAJ.DAT", ""}});
  const std::string unknown = scratch_.Archive("misc.lzh", {{"README.TXT", "x"}});
  RunResult r = Run({"import", "-o", Out(), good, unknown});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            Line(good, 4, 2, 2, Out() + "/JV0101S") + Line(unknown, 0, 0, 0, Out() + "/miscS"));
  EXPECT_EQ(r.err, std::string(texts::kNotRecognised) + "\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(Out()), fs::directory_iterator()), 1);

  // The same archive again is refused; a conversion error is worse.
  const std::string bad = scratch_.Archive(
      "bad.lzh", {{"JRACDEN1.DAT", CurrentRace().Put(325, "X1").Str()}, {"JRACUMAJ.DAT", ""}});
  r = Run({"import", "-o", Out(), bad, good});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("'X1' は整数ではありません"), std::string::npos);
  EXPECT_NE(r.err.find("すでに存在します"), std::string::npos);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), Line(bad, 4, 1, 0, Out() + "/badS"));
  // Nothing but race folders was made, and no extraction folder stays.
  EXPECT_FALSE(fs::exists(scratch_.Path() / "config"));
  EXPECT_TRUE(fs::is_empty(scratch_.Path() / "cache/TamikazeNetData/Temp"));
}

TEST_F(CommandLineTest, OutputFolderFromTheSettingsWhichStayUntouched) {
  const fs::path races = scratch_.Folder("races");
  const fs::path ini = scratch_.Path() / "config/TamikazeNetData/Tamnet.ini";
  const std::string settings = "0\r\n0\r\n/nowhere\r\n" + races.string() + "\r\n/nowhere\r\n";
  testing::WriteBytes(ini, settings);
  const std::string path = scratch_.Archive(
      "JV0102.lzh",
      {{"JRA#UMAJ.DAT", ""}, {"JRA#DEN1.DAT", std::string(600, '0')}, {"JRA#DEN1.TXT", ""}});
  const RunResult r = Run({"import", path});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Line(path, 1, 1, 1, races.string() + "/JV0102S"));
  EXPECT_EQ(testing::ReadBytes(ini), settings);
  // A missing -o folder is not made: the import refuses.
  const RunResult missing = Run({"import", "-o", Out(), path});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, std::string(texts::kNoOutputDir) + "\n");
}

TEST_F(CommandLineTest, SecondArchiveByTheTtRuleOrFromTheOption) {
  fs::create_directories(Out());
  const std::string tour = std::string(2992, '0');
  const std::string first = scratch_.Archive("TT100101.lzh", {{"JRA#TOUR.DAT", tour}});
  RunResult r = Run({"import", "-o", Out(), first});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, std::string(kNoSecondArchive) + "\n");
  EXPECT_TRUE(fs::is_empty(Out()));

  const std::string horses = JlhaArchive("horses.lzh", {{"JRA#UMAJ.DAT", "records"}});
  r = Run({"import", "-o", Out(), "--second", horses, first});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Line(first, 3, 1, 1, Out() + "/TT100101S"));
}

TEST_F(CommandLineTest, MissingLibraryPrintsTheNotice) {
  const fs::path alone = scratch_.Folder("alone") / "tamikaze-netdata";
  fs::copy_file(TAMIKAZE_TEST_CLI, alone);
  fs::permissions(alone, fs::perms::owner_all);
  const RunResult r = Run({"import", "x.lzh"}, alone.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ファイル解凍フリーソフト「libunlha32.so」が\n"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 7);
  EXPECT_TRUE(r.out.empty());
}

}  // namespace
}  // namespace tamikaze
