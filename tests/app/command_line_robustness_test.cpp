// tamikaze-netdata as a child process under what users meet outside the happy
// path: signals in the middle of an import, a killed run, a file-size limit,
// a full standard output and an archive path that looks like a switch.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

#include "app/race_folder.h"
#include "tests/app/app_test_support.h"
#include "tests/convert/jra_current_records.h"
#include "tests/support/child_process.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::ChildProcess;
using testing::CurrentRace;

// Races enough that converting and writing them takes long after the race
// folder was begun, so a signal sent then always finds the import at work.
constexpr int kManyRaces = 10000;

struct RunResult {
  int status;
  std::string out, err;
};

std::size_t Lines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class CommandLineRobustnessTest : public ::testing::Test {
 protected:
  // The command line with the scratch folder as its home (config and cache
  // folders there too), output to files in it.
  ChildOptions Options(rlim_t fileSizeLimit = RLIM_INFINITY) const {
    ChildOptions options;
    options.env = {"HOME=" + scratch_.Path().string()};
    options.stdoutPath = (scratch_.Path() / "stdout").string();
    options.stderrPath = (scratch_.Path() / "stderr").string();
    options.fileSizeLimit = fileSizeLimit;
    return options;
  }

  std::unique_ptr<ChildProcess> Start(const std::vector<std::string>& args,
                                      const ChildOptions& options) const {
    std::vector<std::string> argv = {TAMIKAZE_TEST_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    return std::make_unique<ChildProcess>(argv, options);
  }

  RunResult Run(const std::vector<std::string>& args, const ChildOptions& options) const {
    const int status = Start(args, options)->Wait();
    const bool file = fs::is_regular_file(options.stdoutPath);
    return {status, file ? testing::ReadBytes(options.stdoutPath) : "",
            testing::ReadBytes(options.stderrPath)};
  }

  RunResult Import(const std::string& archive, const ChildOptions& options) const {
    return Run({"import", "-o", out_, archive}, options);
  }

  // A data set of `races` races without runners, all named 東京11R.
  std::string Cards(const std::string& name, int races) const {
    const std::string race = CurrentRace().Str();
    std::string den;
    for (int i = 0; i < races; ++i) den += race;
    return scratch_.Archive(name, {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}});
  }

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

  std::vector<std::string> Entries(const fs::path& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  bool Extracting() const { return !Entries(tempDir_).empty(); }
  bool WritingRaces() const {
    const std::vector<std::string> names = Entries(out_);
    return std::any_of(names.begin(), names.end(), IsRaceFolderUnderConstruction);
  }

  testing::ArchiveScratchFolder scratch_;
  const std::string out_ = scratch_.Folder("out").string();
  const fs::path tempDir_ = scratch_.Path() / ".cache/TamikazeNetData/Temp";
};

// Interrupted while it extracts or while it writes race files, the import
// removes all it made and says so in one line, with 128 + the signal.
TEST_F(CommandLineRobustnessTest, InterruptedImportLeavesNothing) {
  const std::string many = Cards("many.lzh", kManyRaces);
  const std::pair<int, bool> cases[] = {
      // signal, sent while extracting (else writing)
      {SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGINT, true}, {SIGTERM, true},
  };
  for (const auto& [signal, extracting] : cases) {
    SCOPED_TRACE(std::string(strsignal(signal)) + (extracting ? " extracting" : " writing"));
    const ChildOptions options = Options();
    const auto child = Start({"import", "-o", out_, many}, options);
    ASSERT_TRUE(
        WaitUntil(*child, [&, e = extracting] { return e ? Extracting() : WritingRaces(); }));
    child->Signal(signal);
    EXPECT_EQ(child->Wait(), 128 + signal);
    const std::string err = testing::ReadBytes(options.stderrPath);
    EXPECT_EQ(Lines(err), 1u) << err;
    EXPECT_NE(err.find("中断しました"), std::string::npos) << err;
    EXPECT_EQ(testing::ReadBytes(options.stdoutPath), "");
    EXPECT_EQ(Entries(out_), std::vector<std::string>{});
    EXPECT_EQ(Entries(tempDir_), std::vector<std::string>{});
  }
}

// A killed import leaves its race folder under the temporary name only. The
// next import into the output folder spares it while its import still runs,
// and removes it once that import is gone.
TEST_F(CommandLineRobustnessTest, KilledImportLeavesOnlyALeftoverThatTheNextImportRemoves) {
  const std::string many = Cards("many.lzh", kManyRaces);
  const auto child = Start({"import", "-o", out_, many}, Options());
  ASSERT_TRUE(WaitUntil(*child, [&] { return WritingRaces(); }));
  EXPECT_EQ(Import(Cards("one.lzh", 1), Options()).status, 0);
  std::vector<std::string> names = Entries(out_);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[1], "oneS");
  const std::string leftover = names[0];
  EXPECT_TRUE(IsRaceFolderUnderConstruction(leftover)) << leftover;

  child->Signal(SIGKILL);
  EXPECT_EQ(child->Wait(), 128 + SIGKILL);
  EXPECT_EQ(Entries(out_), (std::vector<std::string>{leftover, "oneS"}));
  EXPECT_EQ(Import(Cards("two.lzh", 1), Options()).status, 0);
  EXPECT_EQ(Entries(out_), (std::vector<std::string>{"oneS", "twoS"}));
}

// A file-size limit below the horse file: the extraction cannot write it, and
// the message says so instead of naming a private file that is gone.
TEST_F(CommandLineRobustnessTest, FileSizeLimitIsReportedAndLeavesNothing) {
  const std::string cards = scratch_.Archive(
      "limit.lzh",
      {{"JRACDEN1.DAT", CurrentRace().Str()}, {"JRACUMAJ.DAT", std::string(64 * 1024, ' ')}});
  const RunResult r = Import(cards, Options(32 * 1024));
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, cards + ": 作業フォルダ " + tempDir_.string() +
                       " に JRACUMAJ.DAT を展開できません（ファイルが大きすぎます）\n");
  EXPECT_EQ(Entries(out_), std::vector<std::string>{});
  EXPECT_EQ(Entries(tempDir_), std::vector<std::string>{});
}

// The race folder is made whole; only the summary is lost, and the status says so.
TEST_F(CommandLineRobustnessTest, FullStandardOutputFailsTheCall) {
  ChildOptions options = Options();
  options.stdoutPath = "/dev/full";
  const RunResult r = Import(Cards("JV0101.lzh", 2), options);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "標準出力に書き込めません（ディスクに空きがありません）\n");
  EXPECT_EQ(Entries(out_ + "/JV0101S").size(), 2u);
}

// A relative archive path that starts with "-" reaches the LHA library as an
// archive, not as a switch.
TEST_F(CommandLineRobustnessTest, ArchiveNamedLikeASwitch) {
  const fs::path archive = Cards("-JV0101.lzh", 2);
  ChildOptions options = Options();
  options.workDir = archive.parent_path().string();
  const RunResult r = Run({"import", "-o", out_, "--", "-JV0101.lzh"}, options);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Entries(out_ + "/-JV0101S").size(), 2u);
}

}  // namespace
}  // namespace tamikaze
