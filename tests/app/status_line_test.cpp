// What the status line says after each outcome of an import or a page.
#include "app/status_line.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tamikaze {
namespace {

ImportReport Report(ImportOutcome outcome, int files, bool made) {
  ImportReport report;
  report.outcome = outcome;
  report.raceFolder = "/home/u/RaceFile/JC091205S";
  report.filesWritten = files;
  report.raceFolderMade = made;
  return report;
}

TEST(StatusLine, AfterAnArchiveImport) {
  const std::string refusal = "このファイルは、圧縮ファイルではないようです。もしくは、…";
  // Report, refusal shown, error, and the text, tooltip and folder said.
  const std::tuple<ImportReport, std::string, std::string, StatusLine> cases[] = {
      {Report(ImportOutcome::Done, 11, true),
       "",
       "",
       {"レースファイル 11 個を「JC091205S」に書きました。", "/home/u/RaceFile/JC091205S",
        "/home/u/RaceFile/JC091205S"}},
      {Report(ImportOutcome::Cancelled, 3, true),
       "",
       "'1A' は整数ではありません",
       {"エラーで止まりました。それまでのレースファイル 3 個を「JC091205S」に書きました。",
        "/home/u/RaceFile/JC091205S", "/home/u/RaceFile/JC091205S"}},
      {Report(ImportOutcome::Cancelled, 0, false),
       "",
       "書き込めません",
       {"エラーで止まりました。レースファイルは書いていません。", "", ""}},
      {Report(ImportOutcome::Refused, 0, false),
       refusal,
       "",
       {"読み込みませんでした: このファイルは、圧縮ファイルではないようです。", refusal, ""}},
      {Report(ImportOutcome::Cancelled, 0, false), "", "", {}},
  };
  for (const auto& [report, shown, error, expected] : cases) {
    const StatusLine got = ArchiveImportStatus(report, shown, error);
    EXPECT_EQ(std::tie(got.text, got.tooltip, got.folder),
              std::tie(expected.text, expected.tooltip, expected.folder));
  }
}

TEST(StatusLine, AfterAPage) {
  PageImportReport written;
  written.outcome = PageImportOutcome::Written;
  written.raceFile = "/home/u/RaceFile/race.uma";
  const StatusLine got = PageImportStatus(written, "", "", "/home/u/RaceFile");
  EXPECT_EQ(got.text, "「race.uma」を「RaceFile」に書きました。");
  EXPECT_EQ(got.folder, "/home/u/RaceFile");
  PageImportReport notLocal;
  notLocal.outcome = PageImportOutcome::NotLocalPage;
  EXPECT_EQ(PageImportStatus(notLocal, "読み込んだファイルは", "", "/x").folder, "");
  EXPECT_EQ(PageImportStatus(written, "", "エラー", "/x").folder, "");
}

TEST(StatusLine, FirstWordsAreTheFirstSentenceAtMost) {
  EXPECT_EQ(FirstWords("短い。次の文。"), "短い。");
  EXPECT_EQ(FirstWords("文の終わりがない"), "文の終わりがない");
  EXPECT_EQ(FirstWords("あいうえおかきくけこ。", 5), "あいうえお…");
}

}  // namespace
}  // namespace tamikaze
