// The race lines kept as the race file's bytes: every line, the last too,
// followed by CR LF, and each line read back as it was added.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "racefile/race_lines.h"

namespace tamikaze {
namespace {

TEST(RaceLines, HoldTheRaceFileBytesAndGiveEachLineBack) {
  RaceLines lines;
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(lines.FileBytes(), "");
  const std::string longLine(5000, 'x');  // past the first room the lines take
  lines.push_back("a");
  lines.push_back("");
  lines.PushJoined({"\x93\x8C", "0410", ""});
  lines.insert(lines.end(), 2, "0.0");
  lines.push_back(longLine);
  lines.insert(lines.end(), {"x", "y\rz"});
  EXPECT_EQ(lines.FileBytes(),
            "a\r\n\r\n\x93\x8C"
            "0410\r\n0.0\r\n0.0\r\n" +
                longLine + "\r\nx\r\ny\rz\r\n");
  const std::vector<std::string> each(lines.begin(), lines.end());
  EXPECT_EQ(each, (std::vector<std::string>{"a", "",
                                            "\x93\x8C"
                                            "0410",
                                            "0.0", "0.0", longLine, "x", "y\rz"}));
  EXPECT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines.back(), "y\rz");
  EXPECT_EQ(RaceLines(lines.begin() + 3, lines.begin() + 5), (RaceLines{"0.0", "0.0"}));
  EXPECT_NE(RaceLines{"ab"}, (RaceLines{"a", "b"}));
  EXPECT_THROW(lines.at(8), std::out_of_range);
  EXPECT_THROW(lines.insert(lines.begin(), 1, "not at the end"), std::logic_error);

  lines.clear();
  EXPECT_TRUE(lines.empty());
  lines.push_back("again");
  EXPECT_EQ(lines.FileBytes(), "again\r\n");
  EXPECT_EQ(RaceLines(2, "0"), (RaceLines{"0", "0"}));
}

}  // namespace
}  // namespace tamikaze
