// The archive layer without a real archive: command lines (seen through a
// library that echoes them), archiver types, loader errors, the library's
// location.

#include <gtest/gtest.h>

#include <tuple>

#include "archive/library_location.h"
#include "tests/archive/archive_test_support.h"

namespace tamikaze::testing {
namespace {

// What reaches the library for an extraction, or the message refusing it.
// A null options pointer means the archive's own Options() (set to the
// program's options here).
TEST(ArchiveCommandLine, ExtractionCommandLinesOrRefusal) {
  const TArchiverOptions program = ProgramOptions();
  TArchiverOptions noJso = program, noJse = program;
  noJso.jso = -1;
  noJse.jse = -1;
  struct Case {
    std::string archive, dest;
    std::vector<const char*> files;
    const TArchiverOptions* options;
    std::string sent;
  };
  const std::string arc = "/a/b.lzh", head = "x -+ -n1 -x1 -jse1 -jso1  \"/a/b.lzh\" ";
  const std::string cwd = fs::current_path().string();
  // Relative paths go as absolute ones: "-" at their start is no switch.
  const std::string relative =
      "x -+ -n1 -x1 -jse1 -jso1  \"" + cwd + "/-b.lzh\" \"" + cwd + "/-t/\"";
  const Case cases[] = {
      {"-b.lzh", "-t", {nullptr}, &program, relative},
      {arc, "/tmp/t", {nullptr}, &program, head + "\"/tmp/t/\""},
      {arc, "/tmp/t/", {nullptr}, nullptr, head + "\"/tmp/t/\""},
      {arc, "/tmp/t", {nullptr, "A.DAT", nullptr}, &program, head + "\"/tmp/t/\" A.DAT"},
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

TEST(ArchiverType, FromTheFileName) {
  const std::tuple<int, const char*, int> cases[] = {
      {kArchiverTypeByContent, "X.LZH", kArchiverTypeLha},
      {kArchiverTypeLha, "x.exe", kArchiverTypeByContent},
      {kArchiverTypeByContent, "x.txt", kArchiverTypeByContent},
      {kArchiverTypeLha, "x.dat", kArchiverTypeLha},
  };
  for (const auto& [before, name, after] : cases) {
    TArchiveFile archive(UNLHA32_ECHO_PATH);
    archive.SetArchiverType(before);
    archive.SetFileName(name);
    EXPECT_EQ(archive.ArchiverType(), after) << name;
  }
}

TEST(ArchiverType, UnusableTypesRaise) {
  TArchiveFile archive(UNLHA32_ECHO_PATH);  // type 0, but no archiver made yet
  EXPECT_EQ(MessageOf<EArchiver>([&] { archive.CheckArchive(2); }), "書庫の形式を判別できません。");
  EXPECT_EQ(MessageOf<EArchiver>([&] { archive.SetFileName("x.zip"); }), kMsgTypeNotBuilt);
  for (int type : {-1, 15}) {
    EXPECT_EQ(MessageOf<EArchiver>([&] { archive.SetArchiverType(type); }),
              "書庫の形式を特定できませんでした。");
  }
  EXPECT_EQ(archive.ArchiverType(), kArchiverTypeLha);
}

TEST(ArchiverLoader, MissingLibraryOrRequiredFunction) {
  for (const char* path : {"/nonexistent/libunlha32.so", "libunlha32.so", ""}) {
    TArchiveFile archive(path);
    EXPECT_EQ(MessageOf<ENoArchiverDLL>([&] { archive.SetFileName("x.lzh"); }),
              "LHA 形式書庫 を扱うには libunlha32.so が 必要です。")
        << path;
  }
  TArchiveFile echo(UNLHA32_ECHO_PATH);  // offers Unlha alone
  echo.SetFileName("x.lzh");
  EXPECT_EQ(MessageOf<EEntryNotFound>([&] { echo.OpenArchive(nullptr, 0); }),
            std::string(UNLHA32_ECHO_PATH) + " に UnlhaOpenArchive のエントリが見つかりません。");
}

class LibraryLocation : public TempFolderTest {};

TEST_F(LibraryLocation, BesideTheProgramElseInstalledElseNone) {
  const fs::path app = scratch_.Folder("bin"), installed = scratch_.Folder("lib");
  auto found = [&] { return ArchiverLibraryPathIn(app.string(), installed.string()); };
  EXPECT_EQ(found(), "");
  WriteBytes(installed / "libunlha32.so", "");
  EXPECT_EQ(found(), (installed / "libunlha32.so").string());
  WriteBytes(app / "libunlha32.so", "");
  EXPECT_EQ(found(), (app / "libunlha32.so").string());
}

}  // namespace
}  // namespace tamikaze::testing
