// tamikaze-netdata run as a program, on archives made by a real LHA archiver
// (jlha, method lh5 where it compresses) and by the stored-member writer.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "app/cli/cli_import_ui.h"
#include "app/cli/command_line.h"
#include "import/data_types.h"
#include "import/import_texts.h"
#include "tests/convert/registration_records.h"
#include "tests/import/import_test_support.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using namespace tamikaze::literals;
using testing::CurrentRace;
using testing::Entries;
using testing::RunResult;

// A summary line of standard output.
std::string Line(const std::string& archive, int type, int races, int files,
                 const std::string& folder) {
  return archive + "\t" + std::to_string(type) + "\t" + std::to_string(races) + "\t" +
         std::to_string(files) + "\t" + folder + "\n";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class CommandLineTest : public testing::CommandLineFixture {
 protected:
  std::string JlhaArchive(const std::string& name, const std::vector<testing::Lh0Member>& files) {
    const fs::path dir = scratch_.Folder("jlha-" + name);
    std::string command = "cd '" + dir.string() + "' && jlha ao5q " + name;
    for (const auto& f : files) {
      testing::WriteBytes(dir / f.name, f.data);
      command += " " + f.name;
    }
    // jlha exits 0 even on wrong usage: the archive must exist.
    EXPECT_TRUE(std::system((command + " >/dev/null 2>&1").c_str()) == 0 && fs::exists(dir / name));
    return (dir / name).string();
  }

  std::string GoodArchive() {
    return JlhaArchive("JV0101.lzh", {{"JRACDEN1.DAT", CurrentRace().Str() + CurrentRace().Str()},
                                      {"JRACUMAJ.DAT", ""}});
  }
};

// Wrong usage exits 2 with a Japanese message that names what is wrong; help
// and version exit 0.
TEST_F(CommandLineTest, UsageMessagesAreJapaneseAndNameTheirArgument) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* says;  // on standard error, or on standard output for status 0
  };
  const Case cases[] = {
      {{}, 2, "サブコマンドを指定して下さい"},
      {{"imprt", "a.lzh"}, 2, "「imprt」というサブコマンドはありません（使えるのは import、page）"},
      {{"import"}, 2, "圧縮ファイルを指定して下さい"},
      {{"import", "--bogus", "a.lzh"}, 2, "「--bogus」は使えない指定です"},
      {{"import", "a.lzh", "-o"}, 2, "「-o」の後に値を指定して下さい"},
      {{"import", "-o", "", "a.lzh"}, 2, "「-o」のフォルダが空です"},
      {{"import", "-o", "x", "-o", "y", "a.lzh"}, 2, "「-o」は1回だけ指定できます"},
      {{"import", "--help"}, 0, "使い方: tamikaze-netdata import [-o フォルダ]"},
      {{"page"}, 2, "ページを指定して下さい"},
      {{"page", "--help"}, 0, "使い方: tamikaze-netdata page [-o フォルダ]"},
      {{"--version"}, 0, "バージョン 1."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(Contains(c.status == 0 ? r.out : r.err, c.says)) << r.out << r.err;
    if (c.status != 0) {
      EXPECT_TRUE(Contains(r.err, "--help」をご覧下さい")) << r.err;
    }
  }
}

// Both helps list every data set of the table and every exit status.
TEST_F(CommandLineTest, HelpDescribesDataTypesAndExitStatuses) {
  for (const std::vector<std::string>& help :
       {std::vector<std::string>{"--help"}, {"import", "-h"}}) {
    SCOPED_TRACE(help[0]);
    const RunResult r = Run(help);
    EXPECT_EQ(r.status, 0);
    for (const DataTypeInfo& row : kDataTypes) {
      EXPECT_TRUE(Contains(r.out, std::to_string(row.dataType) + "  " + row.name)) << row.name;
    }
    for (const ExitStatusInfo& status : kExitStatuses) {
      EXPECT_TRUE(Contains(r.out, std::to_string(status.status) + "  " + status.meaning));
    }
  }
  // The page command has exit statuses of its own and no data types; the
  // subcommand list gives each description's first sentence whole.
  const RunResult page = Run({"page", "--help"});
  EXPECT_FALSE(Contains(page.out, DataTypeRow(4).name)) << page.out;
  EXPECT_TRUE(Contains(page.out, "16 MiB")) << page.out;
  EXPECT_TRUE(Contains(Run({"--help"}).out,
                       "  page    保存した地方競馬の出馬表のページ（.html .htm .txt）を、"
                       "レースファイル（.uma）に変換します。\n"));
}

TEST_F(CommandLineTest, ImportsEachArchiveAndExitsWithTheWorstOutcome) {
  const std::string good = GoodArchive();
  const std::string unknown = scratch_.Archive("misc.lzh", {{"README.TXT", "x"}});
  RunResult r = Run({"import", "-o", out_, good, unknown});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, Line(good, 4, 2, 2, out_ + "/JV0101S") + Line(unknown, 0, 0, 0, ""));
  EXPECT_EQ(r.err, unknown + ": " + import_texts::kNotRecognised + "\n");
  EXPECT_EQ(Entries(out_).size(), 1u);
  EXPECT_FALSE(fs::exists(scratch_.Path() / ".config"));  // nothing but race folders made

  // Without -o the settings' output folder, which are only read. The same
  // archive again is refused; a conversion error is worse, names the race
  // and its record file, and what it ended stays: two race files, the
  // steeplechase between them dropped. Member names are found in any case.
  const fs::path ini = scratch_.Path() / ".config/TamikazeNetData/Tamnet.ini";
  const std::string settings = "0\r\n0\r\n/nowhere\r\n" + out_ + "\r\n/nowhere\r\n";
  testing::WriteBytes(ini, settings);
  const std::string den = CurrentRace().Str() + CurrentRace().Put(137, "51").Str() +
                          CurrentRace().Put(137, "24").Str() + CurrentRace().Put(325, "X1").Str();
  const std::string bad =
      scratch_.Archive("bad.lzh", {{"jracumaj.dat", ""}, {"JracDen1.Dat", den}});
  r = Run({"import", bad, good});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(Contains(r.err, bad + ": 'X1' は整数ではありません（JRACDEN1.DAT のレース 4）\n"))
      << r.err;
  EXPECT_TRUE(Contains(r.err, good + ": " + import_texts::kRaceFolderExists1)) << r.err;
  EXPECT_EQ(r.out, Line(bad, 4, 4, 2, out_ + "/badS") + Line(good, 0, 0, 0, ""));
  EXPECT_TRUE(fs::exists(out_ + "/badS/" + Cp932ToUtf8("東京11R"_sj) + "2.uma"));
  EXPECT_EQ(testing::ReadBytes(ini), settings);
  EXPECT_FALSE(fs::exists(scratch_.Path() / ".cache"));  // nothing but race folders
}

// A downloads folder holds both archives of a special-registration pair:
// the horse archive is read with its partner, not refused on its own. Named
// without its partner, it says which archive to read instead.
TEST_F(CommandLineTest, AHorseArchiveIsReadWithItsPartnerInTheCall) {
  const testing::OneEntrySample sample = testing::SpecialSample(6);
  const DataTypeInfo& row = DataTypeRow(6);
  const std::string horses = scratch_.Archive("U9100106.lzh", {{row.horseFile, sample.horses}});
  const std::string races = scratch_.Archive("TT100106.lzh", {{row.raceCardFile, sample.races}});
  RunResult r = Run({"import", "-o", out_, horses, races});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Line(horses, 0, 0, 0, "") + Line(races, 6, 1, 1, out_ + "/TT100106S"));
  EXPECT_TRUE(Contains(r.err, horses + ": 特別登録馬の競走馬ファイルなので、" + races)) << r.err;

  r = Run({"import", "-o", scratch_.Folder("alone").string(), horses});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, horses + ": " + import_texts::HorseArchiveAlone("TT100106.lzh") + "\n");
  EXPECT_TRUE(Entries(scratch_.Path() / "alone").empty());
}

// Files that are no archive to read get a message of their own, before the
// archive check; the summary escapes what would break its columns. Root reads
// every file, so as root the program runs as nobody, in a home it may write to.
TEST_F(CommandLineTest, MissingAndSpecialFilesAreNamedAndSummariesStaySplittable) {
  const std::string locked = scratch_.File("locked.lzh", "x").string();
  chmod(locked.c_str(), 0);
  if (geteuid() == 0) {
    program_.insert(program_.begin(),
                    {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    chmod(scratch_.Path().c_str(), 0777);
  }
  const std::string folder = scratch_.Folder("a folder.lzh").string();
  const std::string fifo = (scratch_.Path() / "fifo.lzh").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string odd = scratch_.File("tab\there\nnewline\\back.lzh", "not lha").string();
  const std::string missing = (scratch_.Path() / "missing.lzh").string();
  const RunResult r = Run({"import", "-o", out_, locked, missing, folder, fifo, odd});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, locked + ": ファイルを読めません（アクセスが許可されていません）。\n" + missing +
                       ": ファイルが見つかりません。\n" + folder +
                       ": フォルダです。ファイルを指定して下さい。\n" + fifo +
                       ": 通常のファイルではありません。\n" + odd + ": " +
                       import_texts::kNotAnArchive +
                       "（理由: LHA の圧縮ファイルではありません（no LHA header "
                       "found）、エラーコード 0x8019）\n");
  const std::string escaped = (scratch_.Path() / "tab\\there\\nnewline\\\\back.lzh").string();
  EXPECT_EQ(r.out, Line(locked, 0, 0, 0, "") + Line(missing, 0, 0, 0, "") +
                       Line(folder, 0, 0, 0, "") + Line(fifo, 0, 0, 0, "") +
                       Line(escaped, 0, 0, 0, ""));
  EXPECT_TRUE(fs::is_empty(out_));
}

// An output folder that cannot be used is said once, naming it, and no
// archive is looked at. Without -o, only a folder the settings file names
// will do: with no usable settings file the call is refused, and nothing is
// written anywhere (not on the desktop, not in the home folder).
TEST_F(CommandLineTest, OutputFolderIsCheckedOnce) {
  const std::string good = GoodArchive();
  const std::string gone = (scratch_.Path() / "gone").string();
  const std::string file = scratch_.File("a-file").string();
  const fs::path ini = scratch_.Path() / ".config/TamikazeNetData/Tamnet.ini";
  const std::string noSettings = "設定ファイル " + ini.string() +
                                 " がないか、読めません。レースファイルを展開する場所を -o "
                                 "で指定して下さい。\n";
  const std::tuple<const char*, std::vector<std::string>, const char*, std::string> cases[] = {
      {"-o missing",
       {"-o", gone},
       nullptr,
       gone + ": レースファイルを展開する場所のフォルダが存在しません。-o で、存在するフォルダを"
              "指定して下さい。\n"},
      {"-o a file",
       {"-o", file},
       nullptr,
       file + ": レースファイルを展開する場所がフォルダではありません。-o で、存在するフォルダを"
              "指定して下さい。\n"},
      {"no settings file", {}, nullptr, noSettings},
      {"settings of four lines", {}, "0\r\n0\r\n/\r\n/\r\n", noSettings},
      {"settings naming a missing folder",
       {},
       "0\r\n0\r\n/\r\n/gone\r\n/\r\n",
       "/gone: レースファイルを展開する場所のフォルダが存在しません。-o で指定するか、設定し直して"
       "下さい。\n"},
  };
  fs::create_directories(scratch_.Path() / "Desktop");
  for (const auto& [what, options, settings, message] : cases) {
    SCOPED_TRACE(what);
    fs::remove(ini);
    if (settings) testing::WriteBytes(ini, settings);
    std::vector<std::string> args = {"import"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {good, good, good});
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(fs::is_empty(scratch_.Path() / "Desktop"));
    EXPECT_FALSE(fs::exists(scratch_.Path() / "archivesS"));
  }
}

// A special-registration archive without its second archive is refused, and
// converts with the one given by --second (the companion found beside it by
// the "TT" rule, which needs no dialog, is the import driver's).
TEST_F(CommandLineTest, SecondArchiveByTheTtRuleOrFromTheOption) {
  for (const int type : {3, 6}) {
    const DataTypeInfo& row = DataTypeRow(type);
    const testing::OneEntrySample sample = testing::SpecialSample(type);
    const std::string tag = "10010" + std::to_string(type);
    const std::string first = JlhaArchive("TT" + tag + ".lzh", {{row.raceCardFile, sample.races}});
    RunResult r = Run({"import", "-o", out_, first});
    EXPECT_EQ(r.status, 1) << type;
    EXPECT_EQ(r.err, first + ": " + kNoSecondArchive + "\n") << type;

    const std::string horses =
        JlhaArchive("horses" + tag + ".lzh", {{row.horseFile, sample.horses}});
    r = Run({"import", "-o", out_, "--second", horses, first});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Line(first, type, 1, 1, out_ + "/TT" + tag + "S"));
    const std::string raceFile = "/TT" + tag + "S/" + Cp932ToUtf8("東京11R"_sj) + ".uma";
    EXPECT_EQ(testing::RaceFileLines(out_ + raceFile).at(62), "ダ"_sj) << type;
  }
}

// A refused archive's message is followed by the library's reason: the
// code's meaning in Japanese, the decoder's words and the code (0x8019 for no
// header, above), so that damage can be told apart.
TEST_F(CommandLineTest, ARefusalNamesItsReason) {
  const std::string damaged =
      JlhaArchive("damaged.lzh", {{"JRACDEN1.DAT", std::string(3000, 'a')}});
  std::string bytes = testing::ReadBytes(damaged);
  bytes[bytes.size() - 4] ^= 0x55;  // inside the compressed data
  testing::WriteBytes(damaged, bytes);
  const RunResult r = Run({"import", "-o", out_, damaged});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.err, damaged + ": " + import_texts::kNotAnArchive +
                                  "（理由: 中のファイルのデータが壊れています（"))
      << r.err;
  EXPECT_TRUE(Contains(r.err, "0x800C）\n")) << r.err;
}

// Saved pages: one summary line each (page, layout, runners, race file), and
// the worst outcome as the exit status. Files that are no saved race-card
// page (empty, short, or with "年" but no race card) are said to be none,
// without a layout, exit 1; a page cut inside a runner seems cut short, exit 3.
TEST_F(CommandLineTest, PagesConvertWithTheirOwnExitStatus) {
  const std::string sample = testing::ReadBytes(TAMIKAZE_EXAMPLE_PAGES "/layout0.html");
  const std::string good =
      scratch_.File("p/layout2.html", testing::ReadBytes(TAMIKAZE_EXAMPLE_PAGES "/layout2.html"));
  std::string noCard;
  for (int i = 0; i < 900; ++i) noCard += i == 450 ? "2009年の予定\n" : "<p>text</p>\n";
  const std::string notLocal[] = {
      scratch_.File("p/empty.htm", ""),
      scratch_.File("p/one.txt", "a note"),
      scratch_.File("p/three.html", "<html>\n<body>x</body>\n</html>\n"),
      scratch_.File("p/year.html", noCard),
  };
  std::size_t line200 = 0;  // the page cut after 200 lines, inside its third runner
  for (int i = 0; i < 200; ++i) line200 = sample.find('\n', line200) + 1;
  const std::string cut = scratch_.File("p/c.txt", sample.substr(0, line200));
  const std::string notLocalText =
      ": 読み込んだファイルは地方競馬情報サイトのファイルではないようです。もしくは、"
      "地方競馬情報サイトの仕様が変更になった可能性があります。\n";
  RunResult r = Run({"page", "-o", out_, good});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, good + "\t2\t3\t" + out_ + "/layout2.uma\n");
  for (const std::string& page : notLocal) {
    r = Run({"page", "-o", out_, page});
    EXPECT_EQ(r.status, 1) << page;
    EXPECT_EQ(r.out, page + "\t\t0\t\n");
    EXPECT_EQ(r.err, page + notLocalText);
  }
  r = Run({"page", "-o", out_, cut, good});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(Contains(r.err, cut + ": ページが途中で切れているようです。")) << r.err;
  EXPECT_TRUE(Contains(r.err, "（リストのインデックスが範囲を超えています (")) << r.err;
  EXPECT_TRUE(Contains(r.err, good + ": 展開先のファイル「layout2.uma」は、すでに存在します。"));
  EXPECT_EQ(Entries(out_).size(), 1u);
}

TEST_F(CommandLineTest, MissingLibraryPrintsTheNotice) {
  program_ = {(scratch_.Folder("alone") / "tamikaze-netdata").string()};
  fs::copy_file(TAMIKAZE_TEST_CLI, program_[0]);
  const RunResult r = Run({"import", "-o", out_, "x.lzh"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ファイル解凍フリーソフト「libunlha32.so」が\n"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 7);
}

// In the process, to tell it standard error is a terminal: one progress line
// rewritten in place and cleared at the end; none otherwise, and nothing but
// errors with -q.
TEST_F(CommandLineTest, ProgressLineOnlyOnATerminal) {
  const std::string good = GoodArchive();
  Environment env;
  env.home = scratch_.Path().string();
  env.exeDir = fs::path(TAMIKAZE_TEST_UNLHA32).parent_path().string();
  for (const auto& [terminal, quiet] : {std::pair{true, false}, {false, false}, {true, true}}) {
    SCOPED_TRACE(std::to_string(terminal) + std::to_string(quiet));
    fs::remove_all(out_ + "/JV0101S");
    std::vector<std::string> args{"tamikaze-netdata", "import", "-o", out_, good};
    if (quiet) args.push_back("-q");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), env, out, err, terminal),
              0);
    // The archive's first and last lines always show, the pace of those
    // between is the console's (ConsoleTest); the line is cleared at the end.
    const std::string erase = "\r\x1b[K";
    const std::string first = erase + "[1/1] JV0101.lzh" + erase;
    const std::string last = erase + "[1/1] JV0101.lzh  2/2 レース" + erase;
    if (terminal && !quiet) {
      EXPECT_EQ(err.str().substr(0, first.size()), first);
      EXPECT_GE(err.str().size(), first.size() + last.size() - erase.size());
      EXPECT_EQ(err.str().substr(err.str().size() - std::min(err.str().size(), last.size())), last);
    } else {
      EXPECT_EQ(err.str(), "");
    }
    EXPECT_EQ(out.str().empty(), quiet);  // the summary
  }
}

}  // namespace
}  // namespace tamikaze
