#pragma once
// tamikaze-netdata: the import of archives from the command line.

#include <ostream>

#include "app/environment.h"

namespace tamikaze {

// Exit status, the worst outcome of the call.
enum ExitStatus {
  kExitDone = 0,     // every file converted
  kExitRefused = 1,  // a foreseen failure, its message shown
  kExitUsage = 2,    // wrong usage
  kExitError = 3,    // an error during the conversion
};

struct ExitStatusInfo {
  int status;
  const char* meaning;  // as --help says it (UTF-8)
};

inline constexpr ExitStatusInfo kExitStatuses[] = {
    {kExitDone, "すべて変換した"},
    {kExitRefused,
     "取り込めなかったファイルがある（理由はメッセージのとおり、何も書いていません）"},
    {kExitUsage, "コマンドラインの指定が正しくない"},
    {kExitError, "変換中にエラーが起きた（それまでに書いたレースファイルは残ります）"},
};

// What the table leaves out: a failed write, a lost standard output, and a
// signal, which ends the call with 128 + its number as shells report it.
inline constexpr const char* kExitStatusNotes =
    "ファイルを書き込めなかったとき（ディスクがいっぱいなど）は 3 で、何も残しません。\n"
    "標準出力に書けなかったときは 1 です。\n"
    "SIGINT（Ctrl+C）、SIGTERM、SIGHUP で中断したときは 128 + シグナルの番号で、\n"
    "作りかけのレースフォルダは残しません。";

// The same for the page command, whose refusals and errors are its own.
inline constexpr ExitStatusInfo kPageExitStatuses[] = {
    {kExitDone, "すべてのページのレースファイルを書いた"},
    {kExitRefused,
     "取り込めなかったページがある（地方競馬情報サイトのページではない、同じ名前の\n"
     "レースファイルがある、開けない、16 MiB を超える、レースファイルを書く場所がない）"},
    {kExitUsage, "コマンドラインの指定が正しくない"},
    {kExitError, "変換中にエラーが起きた（読めない数字、途中で切れたページ。何も書いていません）"},
};
inline constexpr const char* kPageExitStatusNotes =
    "SIGINT（Ctrl+C）、SIGTERM、SIGHUP で中断したときは 128 + シグナルの番号で、\n"
    "それまでに書いたレースファイルは残ります。";

// Runs `tamikaze-netdata page [-o DIR] [-q] PAGE...` (app/cli/page_command.h)
// or `tamikaze-netdata import [-o DIR] [--second FILE] [-q] ARCHIVE.lzh...`:
// messages to `err`, one tab-separated summary line per archive to `out`
// (archive path, DataType, RaceCount, race files written, race folder), and
// a progress line on `err` when `errIsTerminal`.
int RunCommandLine(int argc, char** argv, const Environment& env, std::ostream& out,
                   std::ostream& err, bool errIsTerminal = false);

}  // namespace tamikaze
