#include "text/system_error_text.h"

#include <cerrno>
#include <system_error>

namespace tamikaze {

std::string SystemErrorText(int errnum) {
  switch (errnum) {
    case ENOENT:
      return "見つかりません";
    case ENOTDIR:
      return "途中にフォルダではないものがあります";
    case EACCES:
    case EPERM:
      return "アクセスが許可されていません";
    case EISDIR:
      return "フォルダです";
    case ENOSPC:
      return "ディスクに空きがありません";
    case EDQUOT:
      return "ディスクの使用量の上限を超えました";
    case EROFS:
      return "読み取り専用の場所です";
    case EFBIG:
      return "ファイルが大きすぎます";
    case EEXIST:
      return "すでに存在します";
    case ENAMETOOLONG:
      return "名前が長すぎます";
    case ELOOP:
      return "シンボリックリンクが多すぎます";
    case EIO:
      return "入出力エラーが発生しました";
    default:
      return std::generic_category().message(errnum);  // strerror() is not thread-safe
  }
}

}  // namespace tamikaze
