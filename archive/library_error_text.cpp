#include "archive/library_error_text.h"

#include <cstdio>

#include "archive/unlha32/unlha32.h"

namespace tamikaze {

std::string LibraryErrorText(int code) {
  switch (code) {
    case UNLHA_ERROR_UNKNOWN_TYPE:
      return "読めない形式のヘッダがあります";
    case UNLHA_ERROR_METHOD:
      return "対応していない圧縮方法です";
    case UNLHA_ERROR_FILE_CRC:
      return "中のファイルのデータが壊れています";
    case UNLHA_ERROR_FILE_OPEN:
      return "展開するファイルを作れません";
    case UNLHA_ERROR_MAKEDIRECTORY:
      return "展開するフォルダを作れません";
    case UNLHA_ERROR_CANNOT_WRITE:
      return "展開するファイルに書き込めません";
    case UNLHA_ERROR_HEADER_CRC:
      return "ヘッダが壊れています";
    case UNLHA_ERROR_HEADER_BROKEN:
      return "ヘッダが壊れているか、途中で切れています";
    case UNLHA_ERROR_ARC_FILE_OPEN:
      return "圧縮ファイルを開けません";
    case UNLHA_ERROR_NOT_ARC_FILE:
      return "LHA の圧縮ファイルではありません";
    case UNLHA_ERROR_FILE_STYLE:
      return "展開できない名前のファイルがあります";
    case UNLHA_ERROR_COMMAND_NAME:
      return "対応していないコマンドです";
    case UNLHA_ERROR_ENOUGH_MEMORY:
      return "メモリが足りません";
    case UNLHA_ERROR_USER_CANCEL:
      return "中断しました";
    case UNLHA_ERROR_HARC_ISNOT_OPENED:
      return "圧縮ファイルが開かれていません";
    case UNLHA_ERROR_NOT_FIND_ARC_FILE:
      return "圧縮ファイルが見つかりません";
    case UNLHA_ERROR_RESPONSE_READ:
      return "レスポンスファイルを読めません";
    case UNLHA_ERROR_COMMAND_LINE:
      return "コマンドラインが正しくありません";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "LHA ライブラリのエラーです（番号 0x%04X）",
                    static_cast<unsigned>(code));
      return text;
    }
  }
}

}  // namespace tamikaze
