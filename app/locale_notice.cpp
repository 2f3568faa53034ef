#include "app/locale_notice.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/folders.h"

namespace tamikaze {
namespace fs = std::filesystem;

std::string LocaleNoticeMarkPath(const Environment& env) {
  return ConfigFolder(env) + "/japanese-locale-notice-shown";
}

bool LocaleNoticeDue(const Environment& env) {
  std::error_code ec;
  return !fs::exists(fs::u8path(LocaleNoticeMarkPath(env)), ec);
}

void RememberLocaleNotice(const Environment& env) {
  std::error_code ec;
  fs::create_directories(fs::u8path(ConfigFolder(env)), ec);
  std::ofstream(fs::u8path(LocaleNoticeMarkPath(env)), std::ios::binary | std::ios::app);
}

}  // namespace tamikaze
