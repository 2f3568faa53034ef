// The archive layer without a real archive: command lines (seen through a
// library that echoes them), archiver types, loader errors, the library's
// location.

#include <gtest/gtest.h>

#include "archive/command_line_builder.h"
#include "archive/library_location.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {
namespace {

// The command line TArchiveFile sends for an extraction.
std::string SentCommandLine(const std::string& archivePath, const TArchiverOptions& options,
                            const std::string& dest, const std::vector<const char*>& fileList) {
  TArchiveFile archive(UNLHA32_ECHO_PATH);
  archive.SetFileName(archivePath);
  archive.SetOutputSize(4096);
  EXPECT_EQ(archive.ExtractFiles(nullptr, &options, dest, fileList), 0);
  return archive.Output();
}

TEST(ArchiveCommandLine, ExtractionCommandLines) {
  TArchiverOptions user = ProgramOptions();
  user.UserOptions = "-y1";
  user.w = "/work";
  const char* name = "A.DAT";
  const char* spaced = "two words.txt";
  struct Case {
    std::string dest;
    std::vector<const char*> files;
    TArchiverOptions options;
    std::string expected;
  };
  const std::string head = "x -+ -n1 -x1 -jse1 -jso1  \"/a/b.lzh\" ";
  const Case cases[] = {
      {"/tmp/t", {nullptr}, ProgramOptions(), head + "\"/tmp/t/\""},
      {"/tmp/t/", {nullptr}, ProgramOptions(), head + "\"/tmp/t/\""},
      {"/tmp/t", {}, ProgramOptions(), head + "\"/tmp/t/\""},
      {"/tmp/t", {nullptr, name, nullptr}, ProgramOptions(), head + "\"/tmp/t/\" A.DAT"},
      {"/tmp/t", {spaced}, ProgramOptions(), head + "\"/tmp/t/\" \"two words.txt\""},
      {"/d", {nullptr}, user, "x -+ -n1 \"-w/work/\" -x1 -jse1 -jso1 -y1 \"/a/b.lzh\" \"/d/\""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SentCommandLine("/a/b.lzh", c.options, c.dest, c.files), c.expected);
}

// The numeric switches in the order the archiver expects them.
TEST(ArchiveCommandLine, NumericSwitchesInCommandLineOrder) {
  // clang-format off
#define F(name) std::pair{#name, &TArchiverOptions::name}
  const std::pair<const char*, signed char TArchiverOptions::*> fields[] = {
      F(a), F(c), F(e), F(f), F(h),
      F(i), F(l), F(m), F(n), F(o),
      F(p), F(r), F(s), F(t), F(u),
      F(x), F(y), F(z), F(jc), F(jd),
      F(je), F(jf), F(jh), F(ji), F(jm),
      F(jn), F(jp), F(jr), F(jsb), F(jsc),
      F(jsd), F(jse), F(jsf), F(jsl), F(jso),
      F(jss), F(jst), F(jsv), F(jsz), F(jw),
      F(jyc), F(jyd), F(jyk), F(jyn), F(jyo),
      F(ga), F(gd), F(ge), F(gf), F(gj),
      F(gm), F(gn), F(go), F(gp), F(gs),
      F(gu), F(gw), F(gya), F(gyc), F(gyo),
      F(gyq), F(gys), F(gyx),
  };
#undef F
  // clang-format on
  TArchiverOptions options;
  EXPECT_EQ(OptionSwitches(options), "");
  std::string expected;
  int value = 0;
  for (const auto& [name, field] : fields) {
    options.*field = static_cast<signed char>(value % 10);
    expected += std::string(" -") + name + std::to_string(value++ % 10);
  }
  EXPECT_EQ(OptionSwitches(options), expected);
}

TEST(ArchiveCommandLine, RefusedBeforeReachingTheLibrary) {
  TArchiverOptions noJso = ProgramOptions();
  noJso.jso = -1;
  TArchiverOptions noJse = ProgramOptions();
  noJse.jse = -1;
  struct Case {
    std::string archive;
    TArchiverOptions options;
    std::string dest;
    const char* message;
  };
  const Case cases[] = {
      {"/a/b.lzh", noJso, "/d", "jso オプションが設定されていません。"},
      {"/a/b.lzh", noJse, "/d", "jse オプションが設定されていません。"},
      {"/a/\"b.lzh", ProgramOptions(), "/d", kMsgQuoteInPath},
      {"/a/b.lzh", ProgramOptions(), "/d\"x", kMsgQuoteInPath},
  };
  for (const Case& c : cases) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    archive.SetFileName(c.archive);
    try {
      archive.ExtractFiles(nullptr, &c.options, c.dest, {nullptr});
      ADD_FAILURE() << "no exception for " << c.message;
    } catch (const EArchiver& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

// Without an options object the archive's own Options() are used.
TEST(ArchiveCommandLine, OwnOptionsWhenNoneGiven) {
  TArchiveFile archive(UNLHA32_ECHO_PATH);
  archive.SetFileName("/a/b.lzh");
  archive.SetOutputSize(256);
  archive.Options() = ProgramOptions();
  archive.ExtractFiles(nullptr, nullptr, "/d", {nullptr});
  EXPECT_EQ(archive.Output(), "x -+ -n1 -x1 -jse1 -jso1  \"/a/b.lzh\" \"/d/\"");
}

TEST(ArchiverType, FromTheFileName) {
  struct Case {
    int before;
    const char* name;
    int after;
  };
  const Case cases[] = {
      {kArchiverTypeLha, "x.lzh", kArchiverTypeLha},
      {kArchiverTypeByContent, "X.LZH", kArchiverTypeLha},
      {kArchiverTypeByContent, "/p/x.LzH", kArchiverTypeLha},
      {kArchiverTypeLha, "x.exe", kArchiverTypeByContent},
      {kArchiverTypeByContent, "x.txt", kArchiverTypeByContent},
      {kArchiverTypeLha, "x.dat", kArchiverTypeLha},
      {kArchiverTypeLha, "noextension", kArchiverTypeLha},
  };
  for (const Case& c : cases) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    archive.SetArchiverType(c.before);
    archive.SetFileName(c.name);
    EXPECT_EQ(archive.ArchiverType(), c.after) << c.name;
    EXPECT_EQ(archive.FileName(), c.name);
  }
}

TEST(ArchiverType, UnusableTypesRaise) {
  const std::pair<int, const char*> byType[] = {{1, kMsgTypeNotBuilt},
                                                {8, kMsgTypeNotBuilt},
                                                {-1, "書庫の形式を特定できませんでした。"},
                                                {15, "書庫の形式を特定できませんでした。"}};
  for (const auto& [type, message] : byType) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    try {
      archive.SetArchiverType(type);
      ADD_FAILURE() << type;
    } catch (const EArchiver& e) {
      EXPECT_STREQ(e.what(), message);
      EXPECT_EQ(archive.ArchiverType(), kArchiverTypeLha);
    }
  }
  TArchiveFile archive(UNLHA32_ECHO_PATH);
  EXPECT_THROW(archive.SetFileName("x.zip"), EArchiver);
  TArchiveFile fresh(UNLHA32_ECHO_PATH);  // type 0, but no archiver made yet
  try {
    fresh.CheckArchive(2);
    ADD_FAILURE();
  } catch (const EArchiver& e) {
    EXPECT_STREQ(e.what(), "書庫の形式を判別できません。");
  }
}

class ArchiverTypeByContent : public TempFolderTest {};

// ".exe": decided at the first operation; only LHA can be told here.
TEST_F(ArchiverTypeByContent, ExeIsDecidedByTheContent) {
  const fs::path lha = root_ / "sfx.exe";
  const fs::path other = root_ / "other.exe";
  WriteLh0Archive(lha, {{"A.DAT", "a"}});
  WriteBytes(other, "MZ not an archive");
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName(lha.string());
  EXPECT_NE(archive.CheckArchive(2), 0);
  EXPECT_EQ(archive.ArchiverType(), kArchiverTypeLha);
  archive.SetFileName(other.string());
  EXPECT_THROW(archive.CheckArchive(2), EArchiver);
  EXPECT_EQ(archive.ArchiverType(), kArchiverTypeByContent);
}

TEST(ArchiverLoader, MissingLibrary) {
  for (const char* path : {"/nonexistent/libunlha32.so", "libunlha32.so", ""}) {
    TArchiveFile archive(path);
    try {
      archive.SetFileName("x.lzh");
      ADD_FAILURE() << path;
    } catch (const ENoArchiverDLL& e) {
      EXPECT_STREQ(e.what(), "LHA 形式書庫 を扱うには libunlha32.so が 必要です。");
    }
  }
}

TEST(ArchiverLoader, MissingRequiredFunction) {
  TArchiveFile archive(UNLHA32_PARTIAL_PATH);
  archive.SetFileName("x.lzh");
  EXPECT_FALSE(archive.OpenArchive(nullptr, 0));
  TIndividualInfo info;
  EXPECT_NE(archive.FindFirst("*.*", info), 0);  // present: no member
  try {
    archive.FindNext(info);
    ADD_FAILURE();
  } catch (const EEntryNotFound& e) {
    EXPECT_EQ(std::string(e.what()),
              std::string(UNLHA32_PARTIAL_PATH) + " に UnlhaFindNext のエントリが見つかりません。");
  }
  archive.CloseArchive();
}

class LibraryLocation : public TempFolderTest {};

TEST_F(LibraryLocation, BesideTheProgramElseInstalledElseNone) {
  const fs::path app = root_ / "bin";
  const fs::path installed = root_ / "lib";
  fs::create_directories(app);
  fs::create_directories(installed);
  EXPECT_EQ(ArchiverLibraryPathIn(app.string(), installed.string()), "");
  WriteBytes(installed / "libunlha32.so", "");
  EXPECT_EQ(ArchiverLibraryPathIn(app.string(), installed.string()),
            (installed / "libunlha32.so").string());
  WriteBytes(app / "libunlha32.so", "");
  EXPECT_EQ(ArchiverLibraryPathIn(app.string(), installed.string()),
            (app / "libunlha32.so").string());
  // The build tree holds the real library beside the test programs.
  const std::string built = ArchiverLibraryPath(fs::path(UNLHA32_PATH).parent_path().string());
  EXPECT_TRUE(fs::equivalent(built, UNLHA32_PATH));
}

}  // namespace
}  // namespace tamikaze::testing
