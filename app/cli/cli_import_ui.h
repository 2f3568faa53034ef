#pragma once
// The import's dialogs answered from the command line: the archive being
// imported, and for the second archive the "TT" rule's failure answered by
// --second (or a refusal when it is absent). Messages start with the path of
// the archive they are about; the conversion's progress goes to the console's
// progress line.

#include <optional>
#include <string>
#include <utility>

#include "app/cli/console.h"
#include "import/import_ui.h"

namespace tamikaze {

// Shown when a special-registration import needs its second archive and the
// command line names none.
inline constexpr const char* kNoSecondArchive =
    "特別登録馬の競走馬ファイル（2つ目の圧縮ファイル）が見つかりません。 --second "
    "で指定して下さい。";

class CliImportUi : public ImportUi {
 public:
  CliImportUi(Console& console, std::string secondArchive)
      : console_(console), secondArchive_(std::move(secondArchive)) {}

  // The archive the next import opens, the `k`-th of `n` (1-based).
  void StartArchive(const std::string& path, int k, int n);

  std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
  void Message(const std::string& text) override;
  void FileMessage(const std::string& path, const std::string& text) override;
  // The message about `path`, then the library's reason behind it.
  void FileMessageWithReason(const std::string& path, const std::string& text,
                             const std::string& reason) override;
  void ShowWait(const std::string&) override {}
  void HideWait() override {}
  void Progress(int done, int raceCount) override;
  int Interruption() const override;

 private:
  std::string ProgressPrefix() const;

  Console& console_;
  std::string secondArchive_;
  std::string archive_;
  int k_ = 0;
  int n_ = 0;
};

}  // namespace tamikaze
