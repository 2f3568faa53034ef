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
  RaceFile,      // state.SaveLst holds the race file
  NotLocalPage,  // a file too short for the layout test, no line with "年"
                 // before the end, or a first such line of neither family:
                 // NotLocalPageLines() is said
  Error,         // a strict number that does not read, or a page cut short (a
                 // line beyond the buffer): nothing is to be written
};

struct PageConversion {
  PageOutcome outcome = PageOutcome::Error;
  std::string error;  // the error's UTF-8 message
};

// Loads `pageBytes` into `state` (PageLayout, BufferLst with its "END") and
// builds the race file in state.SaveLst, line 0 first. HorseCount is the
// number of runners found. For no page of the site and on an error SaveLst is
// left empty; a page cut short says so, with the list index of the line it
// lacked.
PageConversion ConvertLocalPage(LocalPageState& state, const std::string& pageBytes);

// Said of a page that ends before what it announced (a runner count that
// promised more runners than the page holds), with the list index after it.
inline constexpr const char* kPageCutShort =
    "ページが途中で切れているようです。ブラウザでページ全体を保存し直して下さい。";

// The four lines of the message window for a file that is not a page of the
// site (UTF-8).
const std::vector<std::string>& NotLocalPageLines();

// The race file's name for a page file's name (UTF-8, no folder): the text
// from its last "." replaced by ".uma", or ".uma" appended when it has none.
std::string RaceFileNameOfPage(const std::string& pageFileName);

}  // namespace tamikaze
