#pragma once
// The saved-page import without any window: a race-card page of the
// local-racing site, saved by the user, becomes the lines of one race file.

#include <string>
#include <vector>

#include "convert/localhtml/page_state.h"

namespace tamikaze {

// The site the pages come from, as dialogs and messages name it (UTF-8).
inline constexpr const char* kLocalRacingSite = "地方競馬情報サイト";

enum class PageOutcome {
  RaceFile,      // state.SaveLst holds the race file (line 0 alone for a page
                 // whose date line belongs to neither family)
  NotLocalPage,  // no line with "年" before the end: NotLocalPageLines() is said
  Error,         // a strict number that does not read, or a line beyond the
                 // buffer: nothing is to be written
};

struct PageConversion {
  PageOutcome outcome = PageOutcome::Error;
  std::string error;  // the error's UTF-8 message
};

// Loads `pageBytes` into `state` (PageLayout, BufferLst with its "END") and
// builds the race file in state.SaveLst, line 0 first. HorseCount is the
// number of runners found. On an error SaveLst is left empty.
PageConversion ConvertLocalPage(LocalPageState& state, const std::string& pageBytes);

// The four lines of the message window for a file that is not a page of the
// site (UTF-8).
const std::vector<std::string>& NotLocalPageLines();

// The race file's name for a page file's name (UTF-8, no folder): the text
// from its last "." replaced by ".uma", or ".uma" appended when it has none.
std::string RaceFileNameOfPage(const std::string& pageFileName);

}  // namespace tamikaze
