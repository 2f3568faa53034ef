#pragma once
// The texts the import shows: dialog titles, its filter and its messages
// (UTF-8).

#include <string>

namespace tamikaze::import_texts {

inline constexpr const char* kNoTamikaze =
    "「Tamikaze」本体がインストールされていないか、インストールした場所の設定が間違っています。"
    "「Tamikaze」を作者のホームページから入手してインストールするか、"
    "「Tamikaze」のインストールされている場所を設定し直して下さい。";
inline constexpr const char* kNoOutputDir =
    "レースファイルを展開する場所のフォルダが存在しません。設定し直して下さい。";
inline constexpr const char* kArchiveTitle =
    "「出馬表＋競走馬」（JRA-VAN or 競馬道）圧縮ファイルの読込";
inline constexpr const char* kSecondArchiveTitle =
    "「特別登録馬 競走馬」（JRA-VAN）圧縮ファイルの読込";
inline constexpr const char* kArchiveFilter = "競馬データ圧縮ファイル（.lzh）|*.lzh";
inline constexpr const char* kRaceFolderExists1 = "展開先のフォルダ";
inline constexpr const char* kRaceFolderExists2 = "は、すでに存在します。";
inline constexpr const char* kRaceFolderExists3 =
    "圧縮ファイルのファイル名を変更してから、やり直して下さい。";
inline constexpr const char* kNotAnArchive =
    "このファイルは、圧縮ファイルではないようです。もしくは、ファイルが壊れている可能性があります"
    "。";
// An archive whose method (or header level) the LHA library cannot decode.
inline std::string UnsupportedMethod(const std::string& method) {
  return "この圧縮形式（" + method + "）には対応していません。";
}
inline constexpr const char* kKd3 =
    "選択された圧縮ファイルは、競馬道「第３次データフォーマット(KD3)」ファイルです。"
    "TamikazeNetDataは、競馬道「旧データフォーマット(KD2)」ファイルに対応しています。"
    "競馬道OnLine公式のダウンロードソフト「KOLナビゲーター2」を利用することで、"
    "旧データ（KD2形式）のファイルを現在(2009年12月)もダウンロードすることができますので、"
    "旧データ（KD2形式）のファイルをお使いください。";
inline constexpr const char* kNotRecognised =
    "選択された圧縮ファイルは、「競走馬＋出馬表」ファイル（JRA-"
    "VAN）、「出馬表＋競走馬」ファイル（競馬道）、"
    "「特別登録馬 レース」ファイル（JRA-VAN）のどれでもないようです。"
    "もしくは、ファイルが壊れている可能性があります。";
// A horse archive of the special registrations given on its own: what it is,
// and the archive to convert instead (its name by the "TT" rule when it is
// named T1… or U9…).
inline std::string HorseArchiveAlone(const std::string& partner) {
  const std::string start =
      "選択された圧縮ファイルは、「特別登録馬 競走馬」ファイル（JRA-VAN）で、これだけでは"
      "変換できません。「特別登録馬 レース」ファイル（";
  if (partner.empty()) {
    return start +
           "TT で始まる名前のもの）を読み込み、2つ目の圧縮ファイルを尋ねられたら、"
           "このファイルを選んで下さい。";
  }
  return start + partner +
         "）を読み込んで下さい。このファイルは、その2つ目の圧縮ファイルとして自動的に使われます。";
}
inline constexpr const char* kNotSecondArchive =
    "この圧縮ファイルは、「特別登録馬 競走馬」ファイル（JRA-VAN）ではないようです。"
    "もしくは、ファイルが壊れている可能性があります。";
// A memory shortage, whatever ran short.
inline constexpr const char* kOutOfMemory =
    "メモリが足りないため、読込＆変換を続けられません。ほかのプログラムを終了してから、"
    "やり直して下さい。";
// A recognised data set that this version does not convert yet: refused
// before anything is extracted or written. %1 is the data set's name.
inline constexpr const char* kNoConverter1 = "選択された圧縮ファイルは「";
inline constexpr const char* kNoConverter2 =
    "」のファイルですが、このデータの変換にはまだ対応していません。";
inline constexpr const char* kWait = "データを解凍＆変換しています";

}  // namespace tamikaze::import_texts
