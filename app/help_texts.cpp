#include "app/help_texts.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "app/folders.h"

namespace tamikaze {
namespace fs = std::filesystem;

const HelpItem& HelpItemOf(const std::string& menuItem) {
  for (const auto& item : kHelpItems) {
    if (menuItem == item.menuItem) return item;
  }
  throw std::out_of_range("no help item " + menuItem);
}

std::string DataFilePath(const std::string& appDir, const std::string& relative) {
  const std::string beside = JoinFolder(appDir, relative);
  const std::string installed =
      JoinFolder(JoinFolder(JoinFolder(appDir, ".."), "share/TamikazeNetData"), relative);
  std::error_code ec;
  if (!fs::exists(fs::u8path(beside), ec) && fs::exists(fs::u8path(installed), ec)) {
    return fs::u8path(installed).lexically_normal().u8string();
  }
  return beside;
}

std::string HelpFilePath(const std::string& appDir, const HelpItem& item) {
  return DataFilePath(appDir, JoinFolder("Tamdata", item.file));
}

std::string LoadHelpText(const std::string& path) {
  std::ifstream in(fs::u8path(path), std::ios::binary);
  if (!in) throw std::runtime_error("ファイル「" + path + "」を開けません。");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("ファイル「" + path + "」を読めません。");
  return text;
}

}  // namespace tamikaze
