// The help texts as built and where the program finds them.

#include "app/help_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tests/gui/gui_fixture.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

// Every menu item has its file beside the program, in CP932 that converts
// back without a loss.
TEST(HelpTextsTest, EveryHelpFileIsBuiltAsShiftJis) {
  const std::string appDir = QCoreApplication::applicationDirPath().toStdString();
  for (const HelpItem& item : kHelpItems) {
    SCOPED_TRACE(item.file);
    const std::string text = LoadHelpText(HelpFilePath(appDir, item));
    ASSERT_GT(text.size(), 200u);
    const std::string utf8 = Cp932ToUtf8(text);
    EXPECT_EQ(utf8.find(kReplacementChar), std::string::npos);
    EXPECT_NE(utf8, text) << "not converted to CP932";
  }
}

TEST(HelpTextsTest, DataFilesBesideTheProgramWinOverTheInstalledOnes) {
  test::TempFolder tmp;
  const std::string bin = tmp.Folder("prefix/bin");
  const std::string installed = tmp.File("prefix/share/TamikazeNetData/Tamdata/Hint.dat", "x");
  EXPECT_EQ(HelpFilePath(bin, HelpItemOf("HintMnu")), installed);
  const std::string beside = tmp.File("prefix/bin/Tamdata/Hint.dat", "y");
  EXPECT_EQ(HelpFilePath(bin, HelpItemOf("HintMnu")), beside);
  // Neither holds it: the path beside the program, which then fails to load.
  EXPECT_EQ(DataFilePath(bin, "Readme.txt"), bin + "/Readme.txt");
  EXPECT_THROW(LoadHelpText(bin + "/Readme.txt"), std::runtime_error);
}

}  // namespace
}  // namespace tamikaze
