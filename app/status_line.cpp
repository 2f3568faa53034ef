#include "app/status_line.h"

#include <filesystem>

namespace tamikaze {
namespace {

std::string NameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

StatusLine Written(int files, const std::string& folder, const std::string& before) {
  return {before + "レースファイル " + std::to_string(files) + " 個を「" + NameOf(folder) +
              "」に書きました。",
          folder, folder};
}

StatusLine Refused(const std::string& refusal) {
  return {"読み込みませんでした: " + FirstWords(refusal), refusal, ""};
}

// The bytes the first `count` UTF-8 characters of `text` take.
std::size_t CharactersBytes(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t n = 0; end < text.size() && n < count; ++n) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return end;
}

}  // namespace

std::string FirstWords(const std::string& message, std::size_t characters) {
  std::string sentence = message.substr(0, message.find("。"));
  const std::size_t bytes = CharactersBytes(sentence, characters);
  if (bytes < sentence.size()) return sentence.substr(0, bytes) + "…";
  return sentence.size() < message.size() ? sentence + "。" : sentence;
}

StatusLine ArchiveImportStatus(const ImportReport& report, const std::string& refusal,
                               const std::string& error) {
  if (!error.empty()) {
    if (report.raceFolderMade) {
      return Written(report.filesWritten, report.raceFolder, "エラーで止まりました。それまでの");
    }
    return {"エラーで止まりました。レースファイルは書いていません。", "", ""};
  }
  switch (report.outcome) {
    case ImportOutcome::Done:
      return Written(report.filesWritten, report.raceFolder, "");
    case ImportOutcome::Refused:
      return Refused(refusal);
    case ImportOutcome::Cancelled:
    case ImportOutcome::Interrupted:
      break;
  }
  return {};
}

StatusLine PageImportStatus(const PageImportReport& report, const std::string& refusal,
                            const std::string& error, const std::string& outputDir) {
  if (!error.empty()) return {"エラーで止まりました。レースファイルは書いていません。", "", ""};
  switch (report.outcome) {
    case PageImportOutcome::Written:
      return {"「" + NameOf(report.raceFile) + "」を「" + NameOf(outputDir) + "」に書きました。",
              outputDir, outputDir};
    case PageImportOutcome::Refused:
    case PageImportOutcome::NotLocalPage:
      return Refused(refusal);
    case PageImportOutcome::Cancelled:
      break;
  }
  return {};
}

}  // namespace tamikaze
