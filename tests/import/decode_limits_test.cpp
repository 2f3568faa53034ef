// The limits of what an import decodes, at their edges: a record file may
// declare 1 GiB, not a byte more; the members of an import, over both its
// archives, 2 GiB in all; sizes near 2^64 do not wrap around.
#include <gtest/gtest.h>

#include <tuple>

#include "import/decode_limits.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace tamikaze::literals;

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

TEST(DecodeBudget, RecordFilesAndAllMembersAtTheirLimits) {
  const std::vector<std::string> records = {"JRACDEN1.DAT", "JRACUMAJ.DAT"};
  // Each case: the archives of one import, in turn, and the first refused (-1: none).
  const std::tuple<const char*, std::vector<std::vector<ListedMember>>, int> cases[] = {
      {"record file of 1 GiB", {{{"JRACUMAJ.DAT", kGiB}}}, -1},
      {"record file of 1 GiB + 1", {{{"jracumaj.dat", kGiB + 1}}}, 0},
      {"a folder of that name is no record file", {{{"JRACUMAJ.DAT", kGiB + 1, true}}}, -1},
      {"other member of 1 GiB + 1", {{{"OTHER.DAT", kGiB + 1}}}, -1},
      {"2 GiB in all", {{{"A", kGiB}, {"B", kGiB}}}, -1},
      {"2 GiB + 1 in all", {{{"A", kGiB}, {"B", kGiB + 1}}}, 0},
      {"over both archives", {{{"A", kGiB}}, {{"B", kGiB}, {"C", 1}}}, 1},
      {"sizes that would wrap", {{{"A", UINT64_MAX}, {"B", 2}}}, 0},
  };
  for (const auto& [what, archives, refusedAt] : cases) {
    SCOPED_TRACE(what);
    DecodeBudget budget;
    int refused = -1;
    for (std::size_t k = 0; k < archives.size() && refused < 0; ++k) {
      if (budget.Add(archives[k], records)) refused = static_cast<int>(k);
    }
    EXPECT_EQ(refused, refusedAt);
  }
}

// The message names the largest member in UTF-8, whatever its stored bytes.
TEST(DecodeBudget, TheRefusalNamesTheMemberInUtf8) {
  DecodeBudget budget;
  const auto text = budget.Add({{"馬"_sj + "\x81", 2 * kGiB + 5}, {"A", 1}}, {});
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("「馬\xEF\xBF\xBD」は 2,147,483,653 バイト"), std::string::npos) << *text;
  EXPECT_NE(text->find("全部で 2,147,483,654 バイト"), std::string::npos) << *text;
}

TEST(DecodeBudget, GroupedDigits) {
  EXPECT_EQ(GroupedDigits(0), "0");
  EXPECT_EQ(GroupedDigits(999), "999");
  EXPECT_EQ(GroupedDigits(1000), "1,000");
  EXPECT_EQ(GroupedDigits(UINT64_MAX), "18,446,744,073,709,551,615");
}

}  // namespace
}  // namespace tamikaze
