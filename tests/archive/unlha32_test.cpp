// libunlha32.so through TArchiveFile: real archives check, list in stored
// order with the stored name bytes, and extract; anything else fails the
// check.

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

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

class Unlha32Test : public TempFolderTest {};

// Archives made by an LHA archiver, and stored archives whose names have a
// 0x5C trail byte ("ソ", "表") that must not be split as folders.
TEST_F(Unlha32Test, ArchivesCheckListInStoredOrderAndExtract) {
  const Lh0Member race{"RACE.DAT", RaceDat()},
      note{"sub/NOTE.TXT", Repeat("note in a folder\r\n", 4)};
  const Lh0Member keiba{"競馬.txt"_sj, Repeat("shift-jis named member\r\n", 3)};
  const std::vector<Lh0Member> stored = {{"z.txt", "last letter first"},
                                         {"ソフト表.DAT"_sj, std::string("\0\x01\x02", 3)},
                                         {"folder/a.txt", ""},
                                         {"A.TXT", std::string(5000, 'x')}};
  WriteLh0Archive(root_ / "stored0.lzh", stored, 0);
  WriteLh0Archive(root_ / "stored2.lzh", stored, 2);
  const std::pair<fs::path, std::vector<Lh0Member>> cases[] = {
      {Fixture("lh5_level0.lzh"), {race, note}},
      {Fixture("lh7_level1.lzh"), {race, note}},
      {Fixture("lh5_level2_sjis.lzh"), {keiba, race, note}},
      {root_ / "stored0.lzh", stored},
      {root_ / "stored2.lzh", stored},
  };
  const fs::path dest = root_ / "out folder";
  for (const auto& [path, members] : cases) {
    SCOPED_TRACE(path.filename());
    TArchiveFile archive(UNLHA32_PATH);
    archive.SetFileName(path.string());
    archive.Options() = ProgramOptions();
    EXPECT_NE(archive.CheckArchive(2) & 0x7FFF, 0);
    std::vector<std::string> expectedNames;
    for (const Lh0Member& m : members) expectedNames.push_back(m.name);
    EXPECT_EQ(ListMembers(archive), expectedNames);
    EXPECT_EQ(archive.ExtractFiles(nullptr, nullptr, dest.string(), {nullptr}), 0);
    for (const Lh0Member& m : members)
      EXPECT_EQ(ReadBytes(dest / Cp932ToUtf8(m.name)), m.data) << m.name;
    EXPECT_EQ(FilesBelow(dest).size(), members.size());
    fs::remove_all(dest);
  }
}

std::string Flipped(std::string bytes, std::size_t at) {
  bytes.at(at) = static_cast<char>(bytes[at] ^ 0xFF);
  return bytes;
}

// A level-0 archive whose first member's CRC field (after its name) is off by
// one, its header checksum made right again: only the data check can tell.
std::string WrongCrc(std::string bytes) {
  const std::size_t crc = 22 + static_cast<unsigned char>(bytes[21]);
  bytes[crc] = static_cast<char>(bytes[crc] ^ 1);
  unsigned sum = 0;
  for (std::size_t i = 2; i < 2u + static_cast<unsigned char>(bytes[0]); ++i)
    sum += static_cast<unsigned char>(bytes[i]);
  bytes[1] = static_cast<char>(sum);
  return bytes;
}

// The rapid check reads the first header only: a link after it passes there,
// and is refused by the basic check that reads every header.
TEST_F(Unlha32Test, TheRapidCheckReadsTheFirstHeaderOnly) {
  WriteBytes(root_ / "a.lzh",
             MakeLh0Archive({{"A.DAT", "abc"}, {"l|/etc", "", 0120777, "-lhd-"}}, 2));
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName((root_ / "a.lzh").string());
  EXPECT_NE(archive.CheckArchive(0) & 0x7FFF, 0);
  EXPECT_EQ(archive.CheckArchive(1) & 0x7FFF, 0);
}

// Only a sound LHA archive passes the check; a refused one says why through
// the library's error code (0: any), and for some the words of the reason.
TEST_F(Unlha32Test, CheckFailsForAnythingButASoundLhaArchiveWithItsReason) {
  const std::string stored = MakeLh0Archive({{"A.DAT", "0123456789"}, {"B.DAT", "abc"}});
  const std::string lh5 = ReadBytes(Fixture("lh5_level0.lzh"));
  // A folder entry claiming 64 bytes of data, cut short after the first.
  const std::string folder = MakeLh0Archive({{"dir", std::string(64, '\0'), 040755, "-lhd-"}}, 2);
  const std::size_t firstData = 24 + 5;  // level 0 header with the name "A.DAT"
  std::string level4 = MakeLh0Archive({{"A.DAT", "abc"}}, 2);
  level4[20] = 4;
  const Lh0Member dir{"d", "", 040755, "-lhd-"}, sub{"a/b", "", 040755, "-lhd-"};
  const std::string lz4 = MakeLh0Archive({{"A.DAT", "abc", 0, "-lz4-"}});
  const int kSound = -1, kAny = 0, kStyle = UNLHA_ERROR_FILE_STYLE, kCrc = UNLHA_ERROR_FILE_CRC;
  const std::tuple<const char*, std::string, int, const char*> cases[] = {
      {"sound stored", stored, kSound, nullptr},
      // A name that does not convert from CP932 is kept as its stored bytes.
      {"name not CP932", MakeLh0Archive({{"\x81\x7F.DAT", "x"}}), kSound, nullptr},
      {"empty file", "", kAny, nullptr},
      {"text file", "JRA#DEN.DAT is not an archive\r\n", UNLHA_ERROR_NOT_ARC_FILE, nullptr},
      {"empty zip", "PK\x05\x06" + std::string(18, '\0'), kAny, nullptr},
      {"truncated lh5", lh5.substr(0, lh5.size() / 2), kAny, nullptr},
      {"stored data damaged: only the CRC tells", Flipped(stored, firstData + 3), kCrc, nullptr},
      {"header checksum damaged", Flipped(stored, 1), kAny, nullptr},
      {"damaged lh5 fixture", ReadBytes(Fixture("lh5_corrupted.lzh")), kAny, nullptr},
      {"folder entry cut short", folder.substr(0, folder.size() - 60), kAny, nullptr},
      {"unknown method", MakeLh0Archive({{"A.DAT", "abc", 0, "-lh9-"}}), UNLHA_ERROR_METHOD,
       "-lh9-"},
      {"unknown header level", level4, UNLHA_ERROR_UNKNOWN_TYPE, "level 4 header"},
      {"a link", MakeLh0Archive({{"l|/etc", "", 0120777, "-lhd-"}}, 2), kStyle,
       "リンクです: l|/etc"},
      // Read by liblhasa ("-lz4-", stored): its CRC and its end are checked too.
      {"liblhasa: sound", lz4, kSound, nullptr},
      {"liblhasa: a CRC that does not match", WrongCrc(lz4), kCrc, nullptr},
      {"liblhasa: garbage for the end mark", lz4.substr(0, lz4.size() - 1) + "garbage!", kAny,
       nullptr},
      // Names in the reason are UTF-8, whatever the archive stores.
      {"a name leaving the folder", MakeLh0Archive({{"a/../../" + "馬"_sj + "\x81\x7F", "x"}}),
       kStyle, "展開先のフォルダの外を指す名前です: a/../../馬\xEF\xBF\xBD\x7F"},
      // What the extraction could not make.
      {"a name starting with NUL", MakeLh0Archive({{std::string("\0x", 2), "x"}}, 2), kStyle,
       nullptr},
      {"a folder named with NUL", MakeLh0Archive({{std::string("\0d", 2), "", 040755, "-lhd-"}}, 2),
       kAny, nullptr},
      {"a folder, then a file of its name", MakeLh0Archive({dir, {"d", "x"}}, 2), kStyle,
       "フォルダとファイルが同じ名前です: d"},
      {"a file, then a folder of its name", MakeLh0Archive({{"d", "x"}, dir}, 2), kStyle, nullptr},
      {"a file, then a file inside it", MakeLh0Archive({{"d", "x"}, {"d/y", "y"}}), kStyle,
       nullptr},
      {"a file inside, then the file", MakeLh0Archive({{"d/y", "y"}, {"d", "x"}}), kStyle, nullptr},
      {"a file on a folder's way", MakeLh0Archive({{"a", "x"}, sub}, 2), kStyle, nullptr},
      // An updated archive holds a file twice: the later one wins.
      {"a file twice", MakeLh0Archive({{"d", "x"}, {"d", "y"}}), kSound, nullptr},
      {"a folder and a file in it", MakeLh0Archive({dir, {"d/y", "y"}}, 2), kSound, nullptr},
  };
  TArchiveFile archive(UNLHA32_PATH);
  for (const auto& [what, bytes, code, words] : cases) {
    SCOPED_TRACE(what);
    WriteBytes(root_ / "a.lzh", bytes);
    archive.SetFileName((root_ / "a.lzh").string());
    EXPECT_EQ((archive.CheckArchive(2) & 0x7FFF) != 0, code == kSound);
    std::string reason;
    const int error = archive.LastError(reason);
    if (code != kAny) {
      EXPECT_EQ(error, code == kSound ? 0 : code) << reason;
    }
    if (words) {
      EXPECT_EQ(reason, words);
    }
    // Decoding into memory gives the check's answer and reason.
    std::vector<UnlhaMemoryMember> none;
    const int decoded = archive.ExtractToMemory(none);
    EXPECT_EQ(decoded == 0, code == kSound);
    EXPECT_EQ(decoded, error);
  }
  archive.SetFileName((root_ / "missing.lzh").string());
  EXPECT_EQ(archive.CheckArchive(2), 0);
}

// The member record of an lh7 archive; FindFirst's wildcard selects members.
TEST_F(Unlha32Test, MemberRecordAndWildcards) {
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName(Fixture("lh7_level1.lzh").string());
  ASSERT_FALSE(archive.OpenArchive(nullptr, 0));
  TIndividualInfo info;
  ASSERT_EQ(archive.FindFirst("*.*", info), 0);
  // Copies: the record is packed, its fields cannot be bound to references.
  const std::uint64_t original = info.llOriginalSize, compressed = info.llCompressedSize;
  EXPECT_EQ(original, RaceDat().size());
  EXPECT_EQ(std::uint32_t{info.dwOriginalSize}, RaceDat().size());
  EXPECT_GT(compressed, 0u);
  EXPECT_LT(compressed, original);
  EXPECT_STREQ(info.szMode, "-lh7-");
  EXPECT_GT(std::uint64_t{info.ftLastWriteTime}, 116444736000000000ULL);  // after 1970
  archive.CloseArchive();
  EXPECT_EQ(ListMembers(archive, "*.DAT"), std::vector<std::string>{"RACE.DAT"});
}

// A stored name longer than the record's 512 bytes is cut before the first
// character that does not fit whole, and the record stays NUL-terminated.
TEST_F(Unlha32Test, LongNamesAreCutAtAWholeCharacter) {
  const std::string a511(511, 'a'), uma = "馬"_sj;
  const std::pair<std::string, std::string> cases[] = {
      {a511 + "b", a511 + "b"},
      {a511 + "bc", a511 + "b"},
      {a511 + uma, a511},
      {std::string(510, 'a') + uma + "x", std::string(510, 'a') + uma},
      {std::string(300, 'd') + "/" + std::string(300, 'e'),
       std::string(300, 'd') + "/" + std::string(211, 'e')},
  };
  std::vector<Lh0Member> members;
  std::vector<std::string> expected;
  for (const auto& [stored, listed] : cases) {
    members.push_back({stored, "x"});
    expected.push_back(listed);
  }
  WriteLh0Archive(root_ / "long.lzh", members, 2);
  TArchiveFile archive(UNLHA32_PATH);
  archive.SetFileName((root_ / "long.lzh").string());
  EXPECT_EQ(ListMembers(archive), expected);
}

// Command lines handed to Unlha directly: names select members, unknown
// commands and broken lines fail without writing anything.
TEST_F(Unlha32Test, UnlhaRunsExtractCommandLines) {
  const fs::path arc = root_ / "-c.lzh", out = root_ / "-out";
  WriteLh0Archive(arc, {{"A.DAT", "a"}, {"dir/b.txt", "b"}, {"C.DAT", "c"}, {"馬.DAT"_sj, "u"}});
  const std::string a = "\"" + arc.string() + "\"", d = "\"" + out.string() + "/\"";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      // Paths whose names begin with "-", passed absolute as the archive layer does.
      {"x -+ -n1 -x1 -jse1 -jso1  " + a + " " + d, {"A.DAT", "C.DAT", "dir/b.txt", "馬.DAT"}},
      // Relative, such a name is a switch even when quoted: no archive is named.
      {"x -+ \"-c.lzh\" " + d, {}},
      {"x -+ " + a + " " + d + " *.DAT", {"A.DAT", "C.DAT", "馬.DAT"}},
      {"x -+ " + a + " " + d + " " + "馬.DAT"_sj, {"馬.DAT"}},
      // Refused: an unknown command, an unclosed quote, a missing archive, no line.
      {"a -+ " + a + " " + d, {}},
      {"x -+ " + a + " \"" + out.string() + "/", {}},
      {"x -+ \"" + (root_ / "missing.lzh").string() + "\" " + d, {}},
      {"", {}},
  };
  auto dll = TLha32::MakeDll(UNLHA32_PATH);
  for (const auto& [line, files] : cases) {
    fs::create_directories(out);
    EXPECT_EQ(dll->Command(nullptr, line, nullptr, 0) == 0, !files.empty()) << line;
    EXPECT_EQ(FilesBelow(out), files) << line;
    fs::remove_all(out);
  }
}

}  // namespace
}  // namespace tamikaze::testing
