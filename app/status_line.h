#pragma once
// What the status line at the foot of the main window says after an import
// or a page conversion: how many race files went into which folder, an error
// after some of them, the first words of a refusal, or nothing after a
// cancelled dialog. Without Qt: the window shows it.

#include <string>

#include "import/import_driver.h"
#include "import/local_page_import.h"

namespace tamikaze {

struct StatusLine {
  std::string text;     // UTF-8; "" clears the line
  std::string tooltip;  // the folder's whole path, or the whole refusal
  std::string folder;   // the folder "フォルダを開く" opens; "" when nothing was written
};

// After an archive import. `refusal` is the message a refused import showed,
// `error` the message of an error that ended it ("" for none).
StatusLine ArchiveImportStatus(const ImportReport& report, const std::string& refusal,
                               const std::string& error);

// After a page conversion, as above; `outputDir` is where its race file goes.
StatusLine PageImportStatus(const PageImportReport& report, const std::string& refusal,
                            const std::string& error, const std::string& outputDir);

// The first words of a message, for a line too short to hold it: its first
// sentence, cut to `characters` characters with "…" when longer.
std::string FirstWords(const std::string& message, std::size_t characters = 40);

}  // namespace tamikaze
