#pragma once
// The import's dialogs answered from the command line: the archive being
// imported, and for the second archive the "TT" rule's failure answered by
// --second (or a refusal when it is absent). Messages go to standard error.

#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "app/import_ui.h"

namespace tamikaze {

// Shown when a special-registration import needs its second archive and the
// command line names none.
inline constexpr const char* kNoSecondArchive =
    "特別登録馬の競走馬ファイル（2つ目の圧縮ファイル）が見つかりません。 --second "
    "で指定して下さい。";

class CliImportUi : public ImportUi {
 public:
  CliImportUi(std::ostream& err, std::string secondArchive)
      : err_(err), secondArchive_(std::move(secondArchive)) {}

  // The archive the next import opens.
  void SetArchive(const std::string& path) { archive_ = path; }

  std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
  void Message(const std::string& text) override;
  void ShowWait(const std::string&) override {}
  void HideWait() override {}

 private:
  std::ostream& err_;
  std::string secondArchive_;
  std::string archive_;
};

}  // namespace tamikaze
