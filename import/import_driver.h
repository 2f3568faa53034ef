#pragma once
// The import of one archive: from a picked .lzh file to a folder of race files.

#include <string>

#include "import/import_state.h"
#include "import/import_ui.h"

namespace tamikaze {

class TArchiveFile;

enum class ImportOutcome {
  Done,         // the race folder was made and every race converted
  Cancelled,    // the user cancelled a dialog: nothing said, nothing written
  Refused,      // a foreseen failure: its message was shown, nothing written
  Interrupted,  // a signal asked it to stop: nothing written, nothing said
};

struct ImportReport {
  ImportOutcome outcome = ImportOutcome::Cancelled;
  std::string archivePath;      // UTF-8
  std::string raceFolder;       // UTF-8, set once known
  int dataType = 0;             // DataType once recognised
  int raceCount = 0;            // RaceCount once the race-card file was read
  int filesWritten = 0;         // race files published (steeplechases are not)
  bool raceFolderMade = false;  // this import published raceFolder
  int convertingRace = 0;       // the race whose converter runs (1-based), 0 outside it
};

struct ImportSettings {
  // The window checks for Tamikaze.exe before anything else; the command line skips it.
  bool requireTamikaze = true;
  // An existing race folder is replaced by the new one once the import is
  // clean (the command line's --replace); otherwise it refuses the import.
  bool replaceRaceFolder = false;
};

// LoadBtnClick's logic, from the folder checks to the last race file. Messages, dialogs and the
// wait window go through `ui`. The race folder is built under a temporary name and appears under
// its final name only when the import ends: whole, or with the races written before a conversion
// error. Errors after the wait window was shown (a file that cannot be read or written, a strict
// number that does not read) propagate as exceptions whose what() is the UTF-8 message to show. A
// file that cannot be written leaves no race folder; a strict number that does not read leaves the
// races written before it. The wait window is hidden and the private extraction folder is removed
// whatever ends the import. The import asks `ui` between races whether a signal asked it to stop.
ImportReport ImportArchive(ImportState& main, TArchiveFile& archive, ImportUi& ui,
                           const ImportSettings& settings = {});

// The same, filling `report` as the import goes: a caller that catches the
// error still knows how far it came (race folder, files written).
void ImportArchive(ImportState& main, TArchiveFile& archive, ImportUi& ui,
                   const ImportSettings& settings, ImportReport& report);

}  // namespace tamikaze
