#pragma once
// The sample archives of examples/ through the whole import (libunlha32.so
// and the import driver), as the command line runs it.

#include <string>

#include "app/activation.h"
#include "app/import_driver.h"
#include "archive/archive_file.h"
#include "tests/app/app_test_support.h"

namespace tamikaze::testing {

// Imports examples/`name` into the folder out/ of `scratch`; `ui` answers the
// open dialog with the archive and records what is shown.
inline ImportReport ImportExample(const ScratchFolder& scratch, const std::string& name,
                                  FakeImportUi& ui) {
  Main main;
  main.OutputDir = scratch.Folder("out").string();
  main.TempDir = (scratch.Path() / "temp").string();
  TArchiveFile archive(TAMIKAZE_TEST_UNLHA32);
  PrepareArchive(archive);
  ui.answers = {std::string(TAMIKAZE_EXAMPLES_DIR) + "/" + name};
  return ImportArchive(main, archive, ui, ImportSettings{false});
}

}  // namespace tamikaze::testing
