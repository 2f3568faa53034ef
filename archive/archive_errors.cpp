#include "archive/archive_errors.h"

namespace tamikaze {

ENoArchiverDLL::ENoArchiverDLL(const std::string& formatDescription, const std::string& libraryName)
    : EArchiver(formatDescription + " を扱うには " + libraryName + " が 必要です。") {}

EEntryNotFound::EEntryNotFound(const std::string& modulePath, const std::string& functionName)
    : EArchiver(modulePath + " に " + functionName + " のエントリが見つかりません。") {}

}  // namespace tamikaze
