#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

#include "import/data_types.h"
#include "import/second_archive.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

TEST(RecognizeDataTypeTest, FirstThreeMemberNamesInTableOrder) {
  // {member 0, member 1, member 2, data type}
  const std::tuple<const char*, const char*, const char*, int> cases[] = {
      {"JRA#DEN1.DAT", "JRA#UMAJ.DAT", "", 1},
      {"jra#umaj.dat", "Jra#Den1.Dat", "", 1},
      {"KOL_UMA.DAT", "KOL_DEN.DAT", "README.TXT", 2},
      {"JRA#TOUR.DAT", "", "", 3},
      {"README.TXT", "JRA#TOUR.DAT", "", 0},  // only at position 0
      {"jracumaj.dat", "JRACDEN1.DAT", "", 4},
      {"JRACDEN1.DAT", "OTHER.DAT", "JRACUMAJ.DAT", 0},  // 4 needs positions 0 and 1
      {"KOL_UMA.KD2", "KOL_DEN2.KD2", "KOL_DEN1.KD2", 5},
      {"KOL_DEN1.KD2", "KOL_UMA.KD2", "", 5},
      {"KOL_UMA.KD2", "KOL_DEN2.KD2", "OTHER.KD2", 0},  // KOL_DEN1.KD2 at position 3 or later
      {"KOL_DEN1.KD2", "KOL_DEN1.KD2", "", 0},          // the same name twice is not a pair
      {"JRACTOK1.DAT", "JRACUMAJ.DAT", "", 6},
      {"", "", "", 0},
  };
  for (const auto& [m0, m1, m2, dataType] : cases) {
    EXPECT_EQ(RecognizeDataType(m0, m1, m2), dataType) << m0 << " " << m1 << " " << m2;
  }
}

// The files, record sizes and second archive of each data set: a wrong size
// miscounts the races, a dropped second archive leaves UmaText empty.
TEST(DataTypeTableTest, FilesRecordSizesAndSecondArchive) {
  using Row = std::tuple<std::string, std::string, std::string, int, bool>;
  const Row expected[6] = {
      {"JRA#DEN1.DAT", "JRA#UMAJ.DAT", "", 584, false},
      {"KOL_DEN.DAT", "KOL_UMA.DAT", "", 1537, false},
      {"JRA#TOUR.DAT", "JRA#UMAJ.DAT", "", 2992, true},
      {"JRACDEN1.DAT", "JRACUMAJ.DAT", "", 1463, false},
      {"KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN2.KD2", 779, false},
      {"JRACTOK1.DAT", "JRACUMAJ.DAT", "", 5129, true},
  };
  for (int type = 1; type <= 6; ++type) {
    const DataTypeInfo& row = DataTypeRow(type);
    EXPECT_EQ(row.dataType, type);
    EXPECT_EQ(
        Row(row.raceCardFile, row.horseFile, row.extraFile, row.recordSize, row.secondArchive),
        expected[type - 1]);
  }
  EXPECT_THROW(DataTypeRow(0), std::out_of_range);
  EXPECT_THROW(DataTypeRow(7), std::out_of_range);
}

TEST(RecognizeDataTypeTest, Kd3MemberAmongTheFirstThree) {
  EXPECT_TRUE(HoldsKd3Member("KOL_DEN1.KD3", "JRACDEN1.DAT", "JRACUMAJ.DAT"));
  EXPECT_TRUE(HoldsKd3Member("JRACDEN1.DAT", "kol_den1.kd3", ""));
  EXPECT_TRUE(HoldsKd3Member("KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN1.KD3"));
  EXPECT_FALSE(HoldsKd3Member("KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN2.KD3"));
}

TEST(CompanionArchiveTest, TtArchivesTryT1ThenU9) {
  testing::ScratchFolder scratch;
  const std::string dir = scratch.Path().string() + "/";
  EXPECT_EQ(CompanionCandidates(dir + "tt100101.lzh"),
            (std::vector<std::string>{dir + "T1100101.lzh", dir + "U9100101.lzh"}));
  EXPECT_TRUE(CompanionCandidates(dir + "AT100101.lzh").empty());
  EXPECT_TRUE(CompanionCandidates(dir + "T").empty());

  // Neither present is the import driver's dialog case.
  std::string lastTried;
  testing::WriteBytes(dir + "U9100101.lzh", "x");
  EXPECT_EQ(FindCompanionArchive(dir + "TT100101.lzh", lastTried), dir + "U9100101.lzh");
  testing::WriteBytes(dir + "T1100101.lzh", "x");
  EXPECT_EQ(FindCompanionArchive(dir + "TT100101.lzh", lastTried), dir + "T1100101.lzh");
}

}  // namespace
}  // namespace tamikaze
