#pragma once
// The one-time notice that Tamikaze runs in Wine without a Japanese locale:
// Wine then takes a Western code page and Tamikaze's Japanese text comes out
// garbled. The notice is remembered by a file beside Tamnet.ini (which stays
// five lines), so it is shown once per user.

#include <string>

#include "app/environment.h"

namespace tamikaze {

inline constexpr const char* kNoJapaneseLocale =
    "このコンピューターには日本語のロケール（ja_JP.UTF-8）がインストールされていないため、"
    "「Tamikaze」の日本語が正しく表示されない（文字化けする）ことがあります。\n\n"
    "Debian や Ubuntu などでは、端末で次のように実行してインストールできます。\n"
    "  sudo apt-get install locales\n"
    "  sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen\n"
    "  sudo locale-gen\n"
    "（「sudo dpkg-reconfigure locales」で「ja_JP.UTF-8 UTF-8」を選んでも同じです。）\n\n"
    "インストールしたあとは、「Tamikaze」を日本語のロケールで起動します。"
    "このメッセージは、次からは表示しません。";

// The file that says the notice was shown: beside Tamnet.ini.
std::string LocaleNoticeMarkPath(const Environment& env);

// True until RememberLocaleNotice has run for this user.
bool LocaleNoticeDue(const Environment& env);

// Makes the mark (and the settings folder, when missing). A mark that cannot
// be written only means the notice comes again.
void RememberLocaleNotice(const Environment& env);

}  // namespace tamikaze
