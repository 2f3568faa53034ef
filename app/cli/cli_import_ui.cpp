#include "app/cli/cli_import_ui.h"

#include <filesystem>

#include "app/cli/interruption.h"
#include "import/import_texts.h"
#include "import/input_file.h"

namespace tamikaze {

void CliImportUi::StartArchive(const std::string& path, int k, int n) {
  archive_ = path;
  k_ = k;
  n_ = n;
  console_.Progress(ProgressPrefix(), /*final=*/true);
}

std::optional<std::string> CliImportUi::OpenFile(const OpenFileRequest& request) {
  if (request.title != import_texts::kSecondArchiveTitle) return archive_;
  if (secondArchive_.empty()) {
    Message(kNoSecondArchive);
    return std::nullopt;
  }
  if (const std::string problem = InputFileProblem(secondArchive_); !problem.empty()) {
    FileMessage(secondArchive_, problem);
    return std::nullopt;
  }
  return secondArchive_;
}

void CliImportUi::Message(const std::string& text) {
  console_.FileMessage(archive_, text);
}

void CliImportUi::FileMessage(const std::string& path, const std::string& text) {
  console_.FileMessage(path, text);
}

void CliImportUi::Progress(int done, int raceCount) {
  console_.Progress(
      ProgressPrefix() + "  " + std::to_string(done) + "/" + std::to_string(raceCount) + " レース",
      done == raceCount);
}

// "[2/5] JV0101.lzh": which archive of the call, by its file name.
std::string CliImportUi::ProgressPrefix() const {
  return "[" + std::to_string(k_) + "/" + std::to_string(n_) + "] " +
         std::filesystem::path(archive_).filename().string();
}

void CliImportUi::FileMessageWithReason(const std::string& path, const std::string& text,
                                        const std::string& reason) {
  FileMessage(path, reason.empty() ? text : text + "（理由: " + reason + "）");
}

int CliImportUi::Interruption() const {
  return CaughtInterruption();
}

}  // namespace tamikaze
