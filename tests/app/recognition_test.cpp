#include <gtest/gtest.h>

#include "app/data_types.h"
#include "app/record_files.h"
#include "app/second_archive.h"
#include "tests/app/app_test_support.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;

TEST(RecognizeDataTypeTest, FirstThreeMemberNamesInTableOrder) {
  struct Case {
    const char* m0;
    const char* m1;
    const char* m2;
    int dataType;
  };
  const Case cases[] = {
      {"JRA#DEN1.DAT", "JRA#UMAJ.DAT", "", 1},
      {"jra#umaj.dat", "Jra#Den1.Dat", "", 1},
      {"KOL_UMA.DAT", "KOL_DEN.DAT", "README.TXT", 2},
      {"JRA#TOUR.DAT", "", "", 3},
      {"README.TXT", "JRA#TOUR.DAT", "", 0},  // only at position 0
      {"jracumaj.dat", "JRACDEN1.DAT", "", 4},
      {"JRACDEN1.DAT", "OTHER.DAT", "JRACUMAJ.DAT", 0},  // 4 needs positions 0 and 1
      {"KOL_UMA.KD2", "KOL_DEN2.KD2", "KOL_DEN1.KD2", 5},
      {"KOL_DEN1.KD2", "KOL_UMA.KD2", "", 5},
      {"x", "kol_den1.kd2", "kol_uma.kd2", 5},
      {"KOL_UMA.KD2", "KOL_DEN2.KD2", "OTHER.KD2", 0},  // KOL_DEN1.KD2 at position 3 or later
      {"KOL_DEN1.KD2", "KOL_DEN1.KD2", "", 0},          // the same name twice is not a pair
      {"JRACTOK1.DAT", "JRACUMAJ.DAT", "", 6},
      {"DATA/JRACDEN1.DAT", "JRACUMAJ.DAT", "", 0},  // a folder prefix fails
      {"JRACDEN1.DAT ", "JRACUMAJ.DAT", "", 0},
      {"", "", "", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RecognizeDataType(c.m0, c.m1, c.m2), c.dataType)
        << c.m0 << " " << c.m1 << " " << c.m2;
  }
}

TEST(RecognizeDataTypeTest, Kd3MemberAmongTheFirstThree) {
  EXPECT_TRUE(HoldsKd3Member("KOL_DEN1.KD3", "JRACDEN1.DAT", "JRACUMAJ.DAT"));
  EXPECT_TRUE(HoldsKd3Member("JRACDEN1.DAT", "kol_den1.kd3", ""));
  EXPECT_TRUE(HoldsKd3Member("KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN1.KD3"));
  EXPECT_FALSE(HoldsKd3Member("KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN2.KD3"));
}

TEST(CompanionArchiveTest, TtArchivesTryT1ThenU9) {
  testing::ScratchFolder scratch;
  const fs::path dir = scratch.Path();
  const std::string first = (dir / "tt100101.lzh").string();
  EXPECT_EQ(
      CompanionCandidates(first),
      (std::vector<std::string>{(dir / "T1100101.lzh").string(), (dir / "U9100101.lzh").string()}));
  EXPECT_TRUE(CompanionCandidates((dir / "AT100101.lzh").string()).empty());
  EXPECT_TRUE(CompanionCandidates((dir / "T").string()).empty());

  // Neither and both present are covered by the import driver tests; U9 alone here.
  std::string lastTried;
  testing::WriteBytes(dir / "U9100101.lzh", "x");
  EXPECT_EQ(FindCompanionArchive(first, lastTried), (dir / "U9100101.lzh").string());
}

TEST(RecordFilesTest, ExactCaseWinsOverOtherCases) {
  testing::ScratchFolder scratch;
  const std::string dir = scratch.Path().string();
  testing::WriteBytes(scratch.Path() / "jracden1.dat",
                      "lower\x1A"
                      "rest");
  testing::WriteBytes(scratch.Path() / "JRACDEN1.DAT", "upper");
  EXPECT_EQ(ReadMemberFile(dir, "JRACDEN1.DAT"), "upper");
  EXPECT_EQ(ReadMemberFile(dir, "JracDen1.dat"), "upper");  // else the first in name order
  DeleteMemberFile(dir, "jracden1.DAT");
  EXPECT_EQ(ReadMemberFile(dir, "jracden1.DAT"), "lower");
  EXPECT_THROW(ReadMemberFile(dir, "JRACUMAJ.DAT"), std::runtime_error);
}

}  // namespace
}  // namespace tamikaze
