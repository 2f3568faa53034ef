#include "convert/localhtml/page_import.h"

#include "convert/localhtml/page_families.h"
#include "convert/localhtml/page_loading.h"
#include "convert/localhtml/page_text.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

// The first line with "年" before the end marker, or -1.
long FindDateLine(const LocalPageState& state) {
  for (long i = 0; !IsPageEnd(state, i); ++i) {
    if (Contains(PageLine(state, i), "年"_sj)) return i;
  }
  return -1;
}

PageOutcome Convert(LocalPageState& state, const std::string& pageBytes) {
  state.HorseCount = 0;
  state.SaveLst.clear();
  if (!LoadPage(state, pageBytes)) return PageOutcome::NotLocalPage;
  state.SaveLst.push_back(CopyrightLine());
  const long dateLine = FindDateLine(state);
  if (dateLine < 0) return PageOutcome::NotLocalPage;
  const std::string& line = PageLine(state, dateLine);
  if (Contains(line, "<td nowrap colspan=\"2\">")) {
    ConvertNewerPage(state, dateLine);
  } else if (Contains(line, "発走"_sj)) {
    ConvertOlderPage(state, dateLine);
  } else {
    // A race file of line 0 alone would say nothing of any race.
    return PageOutcome::NotLocalPage;
  }
  return PageOutcome::RaceFile;
}

}  // namespace

PageConversion ConvertLocalPage(LocalPageState& state, const std::string& pageBytes) {
  try {
    const PageOutcome outcome = Convert(state, pageBytes);
    if (outcome == PageOutcome::NotLocalPage) state.SaveLst.clear();
    return {outcome, ""};
  } catch (const ENotInteger& e) {
    state.SaveLst.clear();
    return {PageOutcome::Error, e.what()};
  } catch (const PageLineOutOfRange& e) {
    state.SaveLst.clear();
    return {PageOutcome::Error, std::string(kPageCutShort) + "（" + e.what() + "）"};
  }
}

const std::vector<std::string>& NotLocalPageLines() {
  static const std::vector<std::string> lines = {
      "読み込んだファイルは",
      std::string(kLocalRacingSite) + "のファイルではないようです。",
      std::string("もしくは、") + kLocalRacingSite + "の仕様が",
      "変更になった可能性があります。",
  };
  return lines;
}

std::string RaceFileNameOfPage(const std::string& pageFileName) {
  return pageFileName.substr(0, pageFileName.rfind('.')) + ".uma";
}

}  // namespace tamikaze
