#pragma once
// The program's temp folder, TempDir. Imports decode archives straight into
// memory and extract nothing there any more; earlier versions extracted into
// sub-folders of it, each held with flock while its import lived. The
// start-up still creates the folder and removes such sub-folders that no
// running program holds.

#include <string>

namespace tamikaze {

// Creates `tempDir` with its parents when missing. Throws std::runtime_error
// (a UTF-8 message naming the folder and the reason) when it cannot.
void CreateTempDir(const std::string& tempDir);

// Start-up clean-up: removes every sub-folder of `tempDir` that no process
// holds (left by a run that crashed). Files and links there are left alone;
// failures are ignored.
void RemoveUnheldTempFolders(const std::string& tempDir);

}  // namespace tamikaze
