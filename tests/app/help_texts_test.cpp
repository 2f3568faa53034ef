// The help texts as built: every menu item's file is there as CP932, and
// the paths they and the read-me write start with a half-width "~", which
// copies into a shell as the home folder.

#include "app/help_texts.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

TEST(HelpTextsTest, BuiltFilesWriteHomePathsWithAHalfWidthTilde) {
  std::vector<std::pair<std::string, std::string>> texts;  // name, UTF-8 text
  for (const HelpItem& item : kHelpItems) {
    texts.emplace_back(item.file,
                       Cp932ToUtf8(LoadHelpText(HelpFilePath(TAMIKAZE_TEST_DATA_DIR, item))));
  }
  texts.emplace_back("Readme.txt",
                     testing::ReadBytes(DataFilePath(TAMIKAZE_TEST_DATA_DIR, "Readme.txt")));
  for (const auto& [name, text] : texts) {
    SCOPED_TRACE(name);
    EXPECT_GT(text.size(), 100u);
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << "not CP932";
    EXPECT_EQ(text.find("～/"), std::string::npos);
  }
}

}  // namespace
}  // namespace tamikaze
