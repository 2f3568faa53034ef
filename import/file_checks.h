#pragma once
// Existence tests that never throw: a path that cannot be looked at counts as
// absent.

#include <string>

namespace tamikaze {

// True when `path` (UTF-8) names an existing folder; "" never does.
bool FolderExists(const std::string& path);

// True when `path` (UTF-8) names an existing regular file.
bool FileExists(const std::string& path);

struct ImportState;

// The check both imports make before their dialog: Tamikaze.exe in its
// folder (when `requireTamikaze`), then the output folder. The message that
// refuses the import, or nullptr when both are there.
const char* MissingFolderMessage(const ImportState& main, bool requireTamikaze);

}  // namespace tamikaze
