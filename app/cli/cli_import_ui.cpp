#include "app/cli/cli_import_ui.h"

#include "app/import_texts.h"

namespace tamikaze {

std::optional<std::string> CliImportUi::OpenFile(const OpenFileRequest& request) {
  if (request.title != import_texts::kSecondArchiveTitle) return archive_;
  if (secondArchive_.empty()) {
    Message(kNoSecondArchive);
    return std::nullopt;
  }
  return secondArchive_;
}

void CliImportUi::Message(const std::string& text) {
  err_ << text << '\n' << std::flush;
}

}  // namespace tamikaze
