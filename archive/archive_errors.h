#pragma once
// The archive layer's exceptions. what() is the message shown to the user
// (UTF-8).

#include <stdexcept>
#include <string>

namespace tamikaze {

// An archive type that cannot be used, an operation without an archiver, or
// a command line that cannot be built.
class EArchiver : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The archiver library could not be loaded: "%0:s を扱うには %1:s が 必要です。"
class ENoArchiverDLL : public EArchiver {
 public:
  ENoArchiverDLL(const std::string& formatDescription, const std::string& libraryName);
};

// A required function is missing from the library: "%0:s に %1:s のエントリが見つかりません。"
class EEntryNotFound : public EArchiver {
 public:
  EEntryNotFound(const std::string& modulePath, const std::string& functionName);
};

// Fixed messages of the layer.
inline constexpr const char* kMsgTypeUnknown = "書庫の形式を特定できませんでした。";
inline constexpr const char* kMsgNoArchiver = "書庫の形式を判別できません。";
inline constexpr const char* kMsgTypeNotBuilt = "この形式の書庫は扱えません。";
inline constexpr const char* kMsgNotSupported = "この書庫形式ではその操作はできません。";
inline constexpr const char* kMsgJsoNotSet = "jso オプションが設定されていません。";
inline constexpr const char* kMsgJseNotSet = "jse オプションが設定されていません。";
inline constexpr const char* kMsgQuoteInPath =
    "パスに二重引用符 (\") が含まれているため、書庫を扱えません。";

}  // namespace tamikaze
