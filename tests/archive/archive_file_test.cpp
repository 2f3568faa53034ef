// The archive layer without a real archive: command lines (seen through a
// library that echoes them), archiver types, loader errors, the library's
// location.

#include <gtest/gtest.h>

#include <tuple>

#include "archive/command_line_builder.h"
#include "archive/library_location.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {
namespace {

// What reaches the library for an extraction, or the message refusing it.
// A null options pointer means the archive's own Options() (set to the
// program's options here).
TEST(ArchiveCommandLine, ExtractionCommandLinesOrRefusal) {
  const TArchiverOptions program = ProgramOptions();
  TArchiverOptions user = program, noJso = program, noJse = program;
  user.UserOptions = "-y1";
  user.w = "/work";
  noJso.jso = -1;
  noJse.jse = -1;
  struct Case {
    std::string archive, dest;
    std::vector<const char*> files;
    const TArchiverOptions* options;
    std::string sent;
  };
  const std::string arc = "/a/b.lzh", head = "x -+ -n1 -x1 -jse1 -jso1  \"/a/b.lzh\" ";
  const Case cases[] = {
      {arc, "/tmp/t", {nullptr}, &program, head + "\"/tmp/t/\""},
      {arc, "/tmp/t/", {nullptr}, nullptr, head + "\"/tmp/t/\""},
      {arc, "/tmp/t", {}, &program, head + "\"/tmp/t/\""},
      {arc, "/tmp/t", {nullptr, "A.DAT", nullptr}, &program, head + "\"/tmp/t/\" A.DAT"},
      {arc, "/tmp/t", {"two words.txt"}, &program, head + "\"/tmp/t/\" \"two words.txt\""},
      {arc,
       "/d",
       {nullptr},
       &user,
       "x -+ -n1 \"-w/work/\" -x1 -jse1 -jso1 -y1 \"/a/b.lzh\" \"/d/\""},
      {arc, "/d", {nullptr}, &noJso, "jso オプションが設定されていません。"},
      {arc, "/d", {nullptr}, &noJse, "jse オプションが設定されていません。"},
      {"/a/\"b.lzh", "/d", {nullptr}, &program, kMsgQuoteInPath},
      {arc, "/d\"x", {nullptr}, &program, kMsgQuoteInPath},
  };
  for (const Case& c : cases) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    archive.SetFileName(c.archive);
    archive.SetOutputSize(4096);
    archive.Options() = program;
    std::string sent = MessageOf<EArchiver>(
        [&] { EXPECT_EQ(archive.ExtractFiles(nullptr, c.options, c.dest, c.files), 0); });
    if (sent == "(nothing raised)") sent = archive.Output();
    EXPECT_EQ(sent, c.sent);
  }
}

TEST(ArchiveCommandLine, NumericSwitchesInCommandLineOrder) {
  // clang-format off
#define F(name) std::pair{#name, &TArchiverOptions::name}
  const std::pair<const char*, signed char TArchiverOptions::*> fields[] = {
      F(a), F(c), F(e), F(f), F(h), F(i), F(l), F(m), F(n), F(o), F(p), F(r), F(s), F(t), F(u),
      F(x), F(y), F(z), F(jc), F(jd), F(je), F(jf), F(jh), F(ji), F(jm), F(jn), F(jp), F(jr),
      F(jsb), F(jsc), F(jsd), F(jse), F(jsf), F(jsl), F(jso), F(jss), F(jst), F(jsv), F(jsz),
      F(jw), F(jyc), F(jyd), F(jyk), F(jyn), F(jyo), F(ga), F(gd), F(ge), F(gf), F(gj), F(gm),
      F(gn), F(go), F(gp), F(gs), F(gu), F(gw), F(gya), F(gyc), F(gyo), F(gyq), F(gys), F(gyx)};
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

TEST(ArchiverType, FromTheFileName) {
  const std::tuple<int, const char*, int> cases[] = {
      {kArchiverTypeLha, "x.lzh", kArchiverTypeLha},
      {kArchiverTypeByContent, "X.LZH", kArchiverTypeLha},
      {kArchiverTypeByContent, "/p/x.LzH", kArchiverTypeLha},
      {kArchiverTypeLha, "x.exe", kArchiverTypeByContent},
      {kArchiverTypeByContent, "x.txt", kArchiverTypeByContent},
      {kArchiverTypeLha, "x.dat", kArchiverTypeLha},
      {kArchiverTypeLha, "noextension", kArchiverTypeLha},
  };
  for (const auto& [before, name, after] : cases) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    archive.SetArchiverType(before);
    archive.SetFileName(name);
    EXPECT_EQ(archive.ArchiverType(), after) << name;
  }
}

TEST(ArchiverType, UnusableTypesRaise) {
  const char* unknown = "書庫の形式を特定できませんでした。";
  const std::pair<int, const char*> byType[] = {
      {1, kMsgTypeNotBuilt}, {8, kMsgTypeNotBuilt}, {-1, unknown}, {15, unknown}};
  for (const auto& c : byType) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    EXPECT_EQ(MessageOf<EArchiver>([&] { archive.SetArchiverType(c.first); }), c.second);
    EXPECT_EQ(archive.ArchiverType(), kArchiverTypeLha);
  }
  TArchiveFile zip(UNLHA32_ECHO_PATH);
  EXPECT_THROW(zip.SetFileName("x.zip"), EArchiver);
  TArchiveFile fresh(UNLHA32_ECHO_PATH);  // type 0, but no archiver made yet
  EXPECT_EQ(MessageOf<EArchiver>([&] { fresh.CheckArchive(2); }), "書庫の形式を判別できません。");
}

class ArchiverTypeByContent : public TempFolderTest {};

// ".exe": decided at the first operation; only LHA can be told here.
TEST_F(ArchiverTypeByContent, ExeIsDecidedByTheContent) {
  WriteLh0Archive(root_ / "sfx.exe", {{"A.DAT", "a"}});
  WriteBytes(root_ / "other.exe", "MZ not an archive");
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName((root_ / "sfx.exe").string());
  EXPECT_NE(archive.CheckArchive(2), 0);
  EXPECT_EQ(archive.ArchiverType(), kArchiverTypeLha);
  archive.SetFileName((root_ / "other.exe").string());
  EXPECT_THROW(archive.CheckArchive(2), EArchiver);
  EXPECT_EQ(archive.ArchiverType(), kArchiverTypeByContent);
}

TEST(ArchiverLoader, MissingLibraryOrRequiredFunction) {
  for (const char* path : {"/nonexistent/libunlha32.so", "libunlha32.so", ""}) {
    TArchiveFile archive(path);
    EXPECT_EQ(MessageOf<ENoArchiverDLL>([&] { archive.SetFileName("x.lzh"); }),
              "LHA 形式書庫 を扱うには libunlha32.so が 必要です。")
        << path;
  }
  TArchiveFile partial(UNLHA32_PARTIAL_PATH);
  partial.SetFileName("x.lzh");
  EXPECT_FALSE(partial.OpenArchive(nullptr, 0));
  TIndividualInfo info;
  EXPECT_NE(partial.FindFirst("*.*", info), 0);  // present: no member
  EXPECT_EQ(MessageOf<EEntryNotFound>([&] { partial.FindNext(info); }),
            std::string(UNLHA32_PARTIAL_PATH) + " に UnlhaFindNext のエントリが見つかりません。");
  partial.CloseArchive();
}

class LibraryLocation : public TempFolderTest {};

TEST_F(LibraryLocation, BesideTheProgramElseInstalledElseNone) {
  const fs::path app = root_ / "bin", installed = root_ / "lib";
  fs::create_directories(app);
  fs::create_directories(installed);
  auto found = [&] { return ArchiverLibraryPathIn(app.string(), installed.string()); };
  EXPECT_EQ(found(), "");
  WriteBytes(installed / "libunlha32.so", "");
  EXPECT_EQ(found(), (installed / "libunlha32.so").string());
  WriteBytes(app / "libunlha32.so", "");
  EXPECT_EQ(found(), (app / "libunlha32.so").string());
  // The build tree holds the real library beside the test programs.
  const std::string built = ArchiverLibraryPath(fs::path(UNLHA32_PATH).parent_path().string());
  EXPECT_TRUE(fs::equivalent(built, UNLHA32_PATH));
}

}  // namespace
}  // namespace tamikaze::testing
