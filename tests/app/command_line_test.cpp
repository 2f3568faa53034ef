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
using namespace tamikaze::literals;
using testing::CurrentRace;

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

// A summary line of standard output.
std::string Line(const std::string& archive, int type, int races, int files,
                 const std::string& folder) {
  return archive + "\t" + std::to_string(type) + "\t" + std::to_string(races) + "\t" +
         std::to_string(files) + "\t" + folder + "\n";
}

struct RunResult {
  int status;
  std::string out, err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  // Runs `program args` with the scratch folder as its home (config and cache
  // folders there too).
  RunResult Run(const std::vector<std::string>& args,
                const std::string& program = TAMIKAZE_TEST_CLI) {
    const fs::path& root = scratch_.Path();
    std::string command = "env -i HOME=" + Quoted(root.string()) + " " + Quoted(program);
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

  testing::ArchiveScratchFolder scratch_;
  const std::string out_ = scratch_.Folder("out").string();
};

TEST_F(CommandLineTest, WrongUsageExitsTwo) {
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{}, 2},
      {{"import"}, 2},
      {{"import", "--bogus", "a.lzh"}, 2},
      {{"import", "--help"}, 0},
      {{"--version"}, 0},
  };
  for (const auto& [args, status] : cases) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, status) << ::testing::PrintToString(args);
    EXPECT_FALSE((status == 0 ? r.out : r.err).empty()) << ::testing::PrintToString(args);
  }
}

TEST_F(CommandLineTest, ImportsEachArchiveAndExitsWithTheWorstOutcome) {
  const std::string good = JlhaArchive(
      "JV0101.lzh",
      {{"JRACDEN1.DAT", CurrentRace().Str() + CurrentRace().Str()}, {"JRACUMAJ.DAT", ""}});
  const std::string unknown = scratch_.Archive("misc.lzh", {{"README.TXT", "x"}});
  RunResult r = Run({"import", "-o", out_, good, unknown});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            Line(good, 4, 2, 2, out_ + "/JV0101S") + Line(unknown, 0, 0, 0, out_ + "/miscS"));
  EXPECT_EQ(r.err, std::string(import_texts::kNotRecognised) + "\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(out_), fs::directory_iterator()), 1);
  EXPECT_FALSE(fs::exists(scratch_.Path() / ".config"));  // nothing but race folders made

  // Without -o the settings' output folder, which are only read. The same
  // archive again is refused; a conversion error is worse, and what it ended
  // stays: two race files, the steeplechase between them dropped. Member
  // names are found in any case.
  const fs::path ini = scratch_.Path() / ".config/TamikazeNetData/Tamnet.ini";
  const std::string settings = "0\r\n0\r\n/nowhere\r\n" + out_ + "\r\n/nowhere\r\n";
  testing::WriteBytes(ini, settings);
  const std::string den = CurrentRace().Str() + CurrentRace().Put(137, "51").Str() +
                          CurrentRace().Put(137, "24").Str() + CurrentRace().Put(325, "X1").Str();
  const std::string bad =
      scratch_.Archive("bad.lzh", {{"jracumaj.dat", ""}, {"JracDen1.Dat", den}});
  r = Run({"import", bad, good});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("'X1' は整数ではありません"), std::string::npos);
  EXPECT_NE(r.err.find("すでに存在します"), std::string::npos);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), Line(bad, 4, 4, 2, out_ + "/badS"));
  EXPECT_TRUE(fs::exists(out_ + "/badS/" + Cp932ToUtf8("東京11R"_sj) + "2.uma"));
  EXPECT_EQ(testing::ReadBytes(ini), settings);
  EXPECT_TRUE(fs::is_empty(scratch_.Path() / ".cache/TamikazeNetData/Temp"));
}

// A data set without a converter is refused with its name and exit status 1,
// before its second archive is looked for.
TEST_F(CommandLineTest, DataSetWithoutConverterIsRefused) {
  const std::string first =
      scratch_.Archive("TT100101.lzh", {{"JRA#TOUR.DAT", std::string(2992, '0')}});
  const RunResult r = Run({"import", "-o", out_, first});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("JRA-VAN 特別登録馬（旧形式）"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_empty(out_));
}

TEST_F(CommandLineTest, MissingLibraryPrintsTheNotice) {
  const fs::path alone = scratch_.Folder("alone") / "tamikaze-netdata";
  fs::copy_file(TAMIKAZE_TEST_CLI, alone);
  const RunResult r = Run({"import", "x.lzh"}, alone.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ファイル解凍フリーソフト「libunlha32.so」が\n"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 7);
}

}  // namespace
}  // namespace tamikaze
