#include "text/system_error_text.h"

#include <cerrno>
#include <new>
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
    case EBADF:
      return "ファイルが開かれていません";
    case EPIPE:
      return "読み手のいないパイプです";
    case EMFILE:
      return "このプログラムが開いているファイルが多すぎます";
    case ENFILE:
      return "システム全体で開いているファイルが多すぎます";
    case ENOMEM:
      return "メモリが足りません";
    case EXDEV:
      return "別のファイルシステムへは移せません";
    case EBUSY:
      return "使用中です";
    default:
      return "システムのエラーです（エラー番号 " + std::to_string(errnum) + "）";
  }
}

std::string ErrorMessageText(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
    return "メモリが足りないため、続けられません。ほかのプログラムを終了してから、やり直して下さい"
           "。";
  }
  if (const auto* system = dynamic_cast<const std::system_error*>(&error)) {
    return "システムのエラーです（" + SystemErrorText(system->code().value()) + "）";
  }
  return error.what();
}

}  // namespace tamikaze
