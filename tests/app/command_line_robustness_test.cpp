// tamikaze-netdata as a child process under what users meet outside the happy
// path: signals in the middle of an import, a killed run, a file-size limit,
// a full standard output and an archive path that looks like a switch.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

#include "import/race_folder.h"
#include "tests/import/import_test_support.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::ChildProcess;
using testing::CurrentRace;
using testing::Entries;
using testing::RunResult;

// Races enough that converting and writing them takes long after the race
// folder was begun, so a signal sent then always finds the import at work.
constexpr int kManyRaces = 10000;

class CommandLineRobustnessTest : public testing::CommandLineFixture {
 protected:
  // Waits until `ready` holds, or false when the child ends first.
  static bool WaitUntil(ChildProcess& child, const std::function<bool()>& ready) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      if (ready()) return true;
      if (!child.Running()) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  bool WritingRaces() const {
    const std::vector<std::string> names = Entries(out_);
    return std::any_of(names.begin(), names.end(), IsRaceFolderUnderConstruction);
  }
};

// Interrupted while it decodes (the race cards beside a member of 1 GiB that
// takes seconds to decode) or while it writes race files, the import removes
// all it made and says so in one line, with 128 + the signal; the archives
// after it in the call are not looked at.
TEST_F(CommandLineRobustnessTest, InterruptedImportLeavesNothing) {
  const std::string many = scratch_.Cards("many.lzh", kManyRaces);
  std::string slow =
      testing::MakeLh0Archive({{"JRACDEN1.DAT", CurrentRace().Str()}, {"JRACUMAJ.DAT", ""}});
  slow.pop_back();  // the end mark: the member of the fixture and its end mark follow
  slow += testing::ReadBytes(fs::path(ARCHIVE_FIXTURES) / "lh5_zeros_1gib.lzh");
  const std::string slowPath = (scratch_.Path() / "slow.lzh").string();
  testing::WriteBytes(slowPath, slow);
  const std::pair<int, bool> cases[] = {
      // signal, sent while decoding (else writing)
      {SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGINT, true}, {SIGTERM, true},
  };
  for (const auto& [signal, decoding] : cases) {
    SCOPED_TRACE(std::string(strsignal(signal)) + (decoding ? " decoding" : " writing"));
    const ChildOptions options = Options();
    const std::string next = (scratch_.Path() / "next.lzh").string();  // missing: it would be said
    const auto child = Start({"import", "-o", out_, decoding ? slowPath : many, next}, options);
    if (decoding) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    } else {
      ASSERT_TRUE(WaitUntil(*child, [&] { return WritingRaces(); }));
    }
    child->Signal(signal);
    EXPECT_EQ(child->Wait(), 128 + signal);
    const std::string err = testing::ReadBytes(options.stderrPath);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("中断しました"), std::string::npos) << err;
    EXPECT_EQ(testing::ReadBytes(options.stdoutPath), "");
    EXPECT_EQ(Entries(out_), std::vector<std::string>{});
  }
}

// A killed import leaves its race folder under the temporary name only. The
// next import into the output folder spares it while its import still runs,
// and removes it once that import is gone.
TEST_F(CommandLineRobustnessTest, KilledImportLeavesOnlyALeftoverThatTheNextImportRemoves) {
  const auto child =
      Start({"import", "-o", out_, scratch_.Cards("many.lzh", kManyRaces)}, Options());
  ASSERT_TRUE(WaitUntil(*child, [&] { return WritingRaces(); }));
  EXPECT_EQ(Run({"import", "-o", out_, scratch_.Cards("one.lzh", 1)}).status, 0);
  std::vector<std::string> names = Entries(out_);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[1], "oneS");
  const std::string leftover = names[0];
  EXPECT_TRUE(IsRaceFolderUnderConstruction(leftover)) << leftover;

  child->Signal(SIGKILL);
  EXPECT_EQ(child->Wait(), 128 + SIGKILL);
  EXPECT_EQ(Entries(out_), (std::vector<std::string>{leftover, "oneS"}));
  EXPECT_EQ(Run({"import", "-o", out_, scratch_.Cards("two.lzh", 1)}).status, 0);
  EXPECT_EQ(Entries(out_), (std::vector<std::string>{"oneS", "twoS"}));
}

// A file-size limit below the race file: the message names the race file
// and says why, and no race folder appears.
TEST_F(CommandLineRobustnessTest, FileSizeLimitIsReportedAndLeavesNothing) {
  // Five runners make a race file of some 1,500 bytes; the message takes less.
  std::string horses;
  for (int i = 0; i < 5; ++i) horses += testing::CurrentHorse("H000000001", "ウマ").Str();
  const std::string cards = scratch_.Archive(
      "limit.lzh", {{"JRACDEN1.DAT", CurrentRace().Put(325, "05").Put(331, "H000000001").Str()},
                    {"JRACUMAJ.DAT", horses}});
  const RunResult r = Run({"import", "-o", out_, cards}, Options(1000));
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, cards + ": レースファイル " + out_ + "/limitS/" + "東京11R" +
                       ".uma を書き込めません（ファイルが大きすぎます）\n");
  EXPECT_EQ(Entries(out_), std::vector<std::string>{});
}

// The race folder is made whole; only the summary is lost, and the status says so.
TEST_F(CommandLineRobustnessTest, FullStandardOutputFailsTheCall) {
  ChildOptions options = Options();
  options.stdoutPath = "/dev/full";
  const RunResult r = Run({"import", "-o", out_, scratch_.Cards("JV0101.lzh", 2)}, options);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "標準出力に書き込めません（ディスクに空きがありません）\n");
  EXPECT_EQ(Entries(out_ + "/JV0101S").size(), 2u);
}

// A relative archive path that starts with "-" reaches the LHA library as an
// archive, not as a switch.
TEST_F(CommandLineRobustnessTest, ArchiveNamedLikeASwitch) {
  ChildOptions options = Options();
  options.workDir = fs::path(scratch_.Cards("-JV0101.lzh", 2)).parent_path().string();
  const RunResult r = Run({"import", "-o", out_, "--", "-JV0101.lzh"}, options);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Entries(out_ + "/-JV0101S").size(), 2u);
}

}  // namespace
}  // namespace tamikaze
