// libunlha32.so through TArchiveFile: real archives check, list in stored
// order with the stored name bytes, and extract; anything else fails the
// check.

#include <gtest/gtest.h>

#include <cstdio>

#include "archive/archiver.h"
#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"
#include "text/cp932.h"

namespace tamikaze::testing {
namespace {

using namespace tamikaze::literals;

// The contents the fixtures were made from (see fixtures/README.md).
std::string RaceDat() {
  std::string text;
  char line[64];
  for (int i = 0; i < 12; ++i) {
    std::snprintf(line, sizeof line, "%04d RACE %02d HORSE NAME DATA 0123456789\r\n", i, i % 12);
    text += line;
  }
  return text;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

struct StoredFile {
  std::string storedName;  // CP932
  std::string content;
};

struct FixtureCase {
  const char* file;
  std::vector<StoredFile> members;
};

std::vector<FixtureCase> FixtureCases() {
  const StoredFile race{"RACE.DAT", RaceDat()};
  const StoredFile note{"sub/NOTE.TXT", Repeat("note in a folder\r\n", 4)};
  const StoredFile keiba{"競馬.txt"_sj, Repeat("shift-jis named member\r\n", 3)};
  return {{"lh5_level0.lzh", {race, note}},
          {"lh7_level1.lzh", {race, note}},
          {"lh5_level2_sjis.lzh", {keiba, race, note}}};
}

class Unlha32Test : public TempFolderTest {
 protected:
  // Checks, lists and extracts `archivePath`, comparing with `members`.
  void ExpectReadable(const fs::path& archivePath, const std::vector<StoredFile>& members) {
    TArchiveFile archive(UNLHA32_PATH);
    archive.SetFileName(archivePath.string());
    archive.Options() = ProgramOptions();
    EXPECT_NE(archive.CheckArchive(2) & 0x7FFF, 0);

    std::vector<std::string> expectedNames;
    for (const StoredFile& m : members) expectedNames.push_back(m.storedName);
    EXPECT_EQ(ListMembers(archive), expectedNames);

    const fs::path dest = root_ / "out folder";
    EXPECT_EQ(archive.ExtractFiles(nullptr, nullptr, dest.string(), {nullptr}), 0);
    for (const StoredFile& m : members)
      EXPECT_EQ(ReadBytes(dest / Cp932ToUtf8(m.storedName)), m.content) << m.storedName;
    EXPECT_EQ(FilesBelow(dest).size(), members.size());
  }
};

TEST_F(Unlha32Test, ArchivesMadeByAnLhaArchiverCheckListAndExtract) {
  for (const FixtureCase& c : FixtureCases()) {
    SCOPED_TRACE(c.file);
    ExpectReadable(fs::path(ARCHIVE_FIXTURES) / c.file, c.members);
    fs::remove_all(root_ / "out folder");
  }
}

// Names with a 0x5C trail byte ("ソ", "表") must not be split as folders.
TEST_F(Unlha32Test, StoredArchivesKeepNameBytesAndOrderAtEveryLevel) {
  const std::vector<StoredFile> members = {{"z.txt", "last letter first"},
                                           {"ソフト表.DAT"_sj, std::string("\0\x01\x02", 3)},
                                           {"folder/a.txt", ""},
                                           {"A.TXT", Repeat("x", 5000)}};
  std::vector<Lh0Member> lh0;
  for (const StoredFile& m : members) lh0.push_back({m.storedName, m.content});
  for (int level : {0, 2}) {
    SCOPED_TRACE(level);
    const fs::path path = root_ / ("stored" + std::to_string(level) + ".lzh");
    WriteLh0Archive(path, lh0, level);
    ExpectReadable(path, members);
    fs::remove_all(root_ / "out folder");
  }
}

std::string Flipped(std::string bytes, std::size_t at) {
  bytes.at(at) = static_cast<char>(bytes[at] ^ 0xFF);
  return bytes;
}

// An empty ZIP archive: only its end-of-directory record.
std::string EmptyZip() {
  return "PK\x05\x06" + std::string(18, '\0');
}

TEST_F(Unlha32Test, CheckFailsForAnythingButASoundLhaArchive) {
  const std::string stored = MakeLh0Archive({{"A.DAT", "0123456789"}, {"B.DAT", "abc"}});
  const std::string lh5 = ReadBytes(fs::path(ARCHIVE_FIXTURES) / "lh5_level0.lzh");
  const std::size_t firstData = 24 + 5;  // level 0 header with the name "A.DAT"
  struct Case {
    const char* what;
    std::string bytes;
    int mode;
    bool valid;
  };
  const Case cases[] = {
      {"sound stored", stored, 2, true},
      {"empty file", "", 2, false},
      {"text file", "JRA#DEN.DAT is not an archive\r\n", 2, false},
      {"zip", EmptyZip(), 2, false},
      {"truncated lh5", lh5.substr(0, lh5.size() / 2), 2, false},
      {"truncated stored", stored.substr(0, stored.size() - 4), 2, false},
      {"stored data damaged: only the CRC tells", Flipped(stored, firstData + 3), 2, false},
      {"headers alone do not read the data", Flipped(stored, firstData + 3), 1, true},
      {"header checksum damaged", Flipped(stored, 1), 2, false},
      {"damaged lh5 fixture", ReadBytes(fs::path(ARCHIVE_FIXTURES) / "lh5_corrupted.lzh"), 2,
       false},
  };
  TArchiveFile archive(UNLHA32_PATH);
  for (const Case& c : cases) {
    const fs::path path = root_ / "a.lzh";
    WriteBytes(path, c.bytes);
    archive.SetFileName(path.string());
    EXPECT_EQ((archive.CheckArchive(c.mode) & 0x7FFF) != 0, c.valid) << c.what;
  }
  archive.SetFileName((root_ / "missing.lzh").string());
  EXPECT_EQ(archive.CheckArchive(2), 0);
  EXPECT_TRUE(archive.OpenArchive(nullptr, 0));
}

TEST_F(Unlha32Test, MemberRecordCarriesSizesMethodAndTimes) {
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName((fs::path(ARCHIVE_FIXTURES) / "lh7_level1.lzh").string());
  ASSERT_FALSE(archive.OpenArchive(nullptr, 0));
  TIndividualInfo info;
  ASSERT_EQ(archive.FindFirst("*.*", info), 0);
  EXPECT_EQ(info.llOriginalSize, RaceDat().size());
  EXPECT_EQ(info.dwOriginalSize, RaceDat().size());
  EXPECT_GT(info.llCompressedSize, 0u);
  EXPECT_LT(info.llCompressedSize, info.llOriginalSize);
  EXPECT_STREQ(info.szMode, "-lh7-");
  EXPECT_GT(info.ftLastWriteTime, 116444736000000000ULL);  // after 1970
  ASSERT_EQ(archive.FindNext(info), 0);
  EXPECT_EQ(info.StoredName(), "sub/NOTE.TXT");
  EXPECT_NE(archive.FindNext(info), 0);
  archive.CloseArchive();
}

TEST_F(Unlha32Test, FindFirstHonoursTheWildcard) {
  const fs::path path = root_ / "w.lzh";
  WriteLh0Archive(path, {{"A.DAT", "a"}, {"b.txt", "b"}, {"C.DAT", "c"}, {"noext", "n"}});
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName(path.string());
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"*.*", {"A.DAT", "b.txt", "C.DAT", "noext"}},
      {"*.DAT", {"A.DAT", "C.DAT"}},
      {"b.???", {"b.txt"}},
      {"none", {}},
  };
  for (const auto& [wildcard, expected] : cases) {
    archive.OpenArchive(nullptr, 0);
    std::vector<std::string> names;
    TIndividualInfo info;
    for (int r = archive.FindFirst(wildcard, info); r == 0; r = archive.FindNext(info))
      names.push_back(info.StoredName());
    archive.CloseArchive();
    EXPECT_EQ(names, expected) << wildcard;
  }
}

// Command lines handed to Unlha directly: names select members, unknown
// commands and broken lines fail without writing anything.
TEST_F(Unlha32Test, UnlhaRunsExtractCommandLines) {
  const fs::path arc = root_ / "c.lzh";
  WriteLh0Archive(arc, {{"A.DAT", "a"}, {"dir/b.txt", "b"}, {"C.DAT", "c"}, {"馬.DAT"_sj, "u"}});
  WriteBytes(root_ / "names.lst", "C.DAT\r\ndir/b.txt\r\n");
  const std::string a = "\"" + arc.string() + "\"";
  const std::string d = "\"" + (root_ / "out").string() + "/\"";
  struct Case {
    std::string line;
    bool ok;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {"x -+ -n1 -x1 -jse1 -jso1  " + a + " " + d, true, {"A.DAT", "C.DAT", "dir/b.txt", "馬.DAT"}},
      {"x -+ " + a + " " + d + " *.DAT", true, {"A.DAT", "C.DAT", "馬.DAT"}},
      {"x -+ " + a + " " + d + " " + "馬.DAT"_sj, true, {"馬.DAT"}},
      {"x -+ " + a + " " + d + " 馬.DAT", true, {"馬.DAT"}},
      {"x " + a + " " + d + " \"@" + (root_ / "names.lst").string() + "\"",
       true,
       {"C.DAT", "dir/b.txt"}},
      {"x -x0 " + a + " " + d + " dir/*", true, {"b.txt"}},
      {"e " + a + " " + d, true, {"A.DAT", "C.DAT", "b.txt", "馬.DAT"}},
      {"a -+ " + a + " " + d, false, {}},
      {"l " + a, false, {}},
      {"x -+ " + a + " \"" + (root_ / "out").string() + "/", false, {}},
      {"x -+ \"" + (root_ / "missing.lzh").string() + "\" " + d, false, {}},
      {"x -+ " + d + " " + d, false, {}},
      {"", false, {}},
  };
  auto dll = TLha32::MakeDll(UNLHA32_PATH);
  for (const Case& c : cases) {
    fs::create_directories(root_ / "out");
    EXPECT_EQ(dll->Command(nullptr, c.line, nullptr, 0) == 0, c.ok) << c.line;
    EXPECT_EQ(FilesBelow(root_ / "out"), c.files) << c.line;
    fs::remove_all(root_ / "out");
  }
}

}  // namespace
}  // namespace tamikaze::testing
