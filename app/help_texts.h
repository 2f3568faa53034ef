#pragma once
// The help texts of the menu (Tamdata/*.dat, CP932) and the read-me, which
// lie beside the executable in the build tree and under
// <prefix>/share/TamikazeNetData when installed.

#include <array>
#include <string>

namespace tamikaze {

struct HelpItem {
  const char* menuItem;  // component name of the menu item
  const char* caption;   // its caption (UTF-8)
  const char* file;      // file name under "Tamdata"
};

inline constexpr std::array<HelpItem, 6> kHelpItems{{
    {"HajimeteMnu", "初めて使う方", "Hajimete.dat"},
    {"HintMnu", "使いこなすためのヒント", "Hint.dat"},
    {"Jravan", "JRA-VANの使い方", "Download.dat"},
    {"Keibadou", "競馬道OnLineの使い方", "Download3.dat"},
    {"N3", "馬券の買い方について", "Baken.dat"},
    {"OmakeHelpMenu", "おまけの説明（必ずお読みください）", "Omake.dat"},
}};

// The item of the menu component `menuItem`; throws std::out_of_range when
// there is none.
const HelpItem& HelpItemOf(const std::string& menuItem);

// Where the data file `relative` ("Readme.txt", "Tamdata/Hint.dat") lies:
// beside the executable in `appDir` when it is there, else in the installed
// data folder <appDir>/../share/TamikazeNetData. The path beside the
// executable when neither holds it.
std::string DataFilePath(const std::string& appDir, const std::string& relative);

// The path of a help file of the menu.
std::string HelpFilePath(const std::string& appDir, const HelpItem& item);

// The whole file as it is (CP932 bytes). Throws std::runtime_error with a
// UTF-8 message naming the file when it cannot be read.
std::string LoadHelpText(const std::string& path);

}  // namespace tamikaze
