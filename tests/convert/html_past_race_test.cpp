// The past-race parsers of saved pages: one cell each, its eight lines.
#include <gtest/gtest.h>

#include <array>

#include "convert/localhtml/past_race.h"
#include "tests/convert/local_page_builder.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

using Parser = void (*)(LocalPageState&, int);
const Parser kNewerParsers[] = {nullptr, AddHtmlPastRace1, AddHtmlPastRace2, AddHtmlPastRace3};
const std::string kPlaceholder = "無|9999|東0000|0000| 0 0 0|999|良|99";
const std::string kUsual = "ダ|1600|大0912|1423| 3 3 2|385|良| 3";

// Lines in UTF-8 joined by "|".
std::string Joined(const RaceLines& lines) {
  std::string joined;
  for (std::string_view line : lines) {
    joined += (joined.empty() ? "" : "|") + Cp932ToUtf8(std::string(line));
  }
  return joined;
}

LocalPageState StateOf(const PageLines& lines, int cardYear, int cardMonth, bool end = true) {
  LocalPageState state;
  for (const std::string& line : lines) state.BufferLst.push_back(Utf8ToCp932(line));
  if (end) state.BufferLst.push_back(kPageEnd);
  state.CardYear = cardYear;
  state.CardMonth = cardMonth;
  return state;
}

std::string NewerBlock(int parser, const std::string& cell, const std::string& position,
                       const std::string& time) {
  LocalPageState state = StateOf(NewerCell(parser, cell, position, time), 9, 12);
  kNewerParsers[parser](state, 0);
  return Joined(state.SaveLst);
}

std::array<std::string, 3> Same(const std::string& block) {
  return {block, block, block};
}

// Each case changes the usual cell in one field, or shows where the three
// parsers part; the blocks are those of parsers 1, 2 and 3.
TEST(AddHtmlPastRaceNewer, ReadsEachFieldAsItsParserDoes) {
  const std::string cell = "大井12.13　良　ダ1600", position = " 3/12</span>",
                    time = "1423（0.5）　3-3-2　38.5";
  const struct {
    std::string cell, position, time;
    std::array<std::string, 3> blocks;
  } cases[] = {
      {cell, position, time, Same(kUsual)},
      {cell, "<b>3/12</span>", time, {kPlaceholder, kPlaceholder, kUsual}},
      {cell, "10/12</span>", time, Same("ダ|1600|大0912|1423| 3 3 2|385|良|10")},
      {cell, " 0/12</span>", time, Same(kPlaceholder)},
      {"大井12.13　良　障3000", position, time, Same(kPlaceholder)},
      {"大井12.13　稍　芝1200", position, time, Same("芝|1200|大0912|1423| 3 3 2|385|稍| 3")},
      {"川崎11.30　不　ナ　ダ900", " 2/11</span>", "594（0.3）　7-5-4-3　37.2",
       Same("ダ| 900|川0911|0594| 5 4 3|372|不| 2")},
      {"大　井12.13　良　ダ1600",
       position,
       time,
       {"ダ|1600|大0912|1423| 3 3 2|385|井| 3", kUsual, kUsual}},
      {cell, position, "1423（0.5）　10-8　00.0", Same("ダ|1600|大0912|1423|1010 8|999|良| 3")},
      {cell, position, "  1423（0.5）　7　\t", Same("ダ|1600|大0912|1423| 7 7 7|999|良| 3")},
      {cell, position, "1423（0.5）　12　38.5", Same("ダ|1600|大0912|1423|121212|385|良| 3")},
      {cell, position, "（0.5）　　--.-", Same("ダ|1600|大0912|0000| 0 0 0|999|良| 3")},
      {cell,
       position,
       "1:58.7",
       {"ダ|1600|大0912|0000| 0 0 0|587|良| 3", "ダ|1600|大0912|0000| 0 0 0|587|良| 3",
        "ダ|1600|大0912|0000| :58.7|587|良| 3"}},
      {cell,
       position,
       "1423（0.5）　3-3-2 <b>38.5",
       {kUsual, kUsual, "ダ|1600|大0912|1423|b>38.5|385|良| 3"}},
      {cell,
       position,
       "1423（0.5）　3-3-2",
       {"ダ|1600|大0912|1423| 0 0 0|999|良| 3", "ダ|1600|大0912|1423| 0 0 0|999|良| 3",
        "ダ|1600|大0912|1423| 3 3 2|999|良| 3"}},
  };
  for (const auto& c : cases) {
    for (int parser = 1; parser <= 3; ++parser) {
      EXPECT_EQ(NewerBlock(parser, c.cell, c.position, c.time), c.blocks[parser - 1])
          << "parser " << parser << ": " << c.cell << " / " << c.position << " / " << c.time;
    }
  }
}

// The letter of each venue name, for parsers 1, 2 and 3.
TEST(AddHtmlPastRaceNewer, VenueLetters) {
  const std::pair<const char*, const char*> venues[] = {
      {"Ｊ中京", "名名名"}, {"Ｊ東京", "東東東"}, {"名古屋", "屋屋屋"}, {"中　京", "中名名"},
      {"福　山", "福山山"}, {"高　知", "高知知"}, {"中　津", "中津津"}, {"ＵＡＥ", "アアア"},
      {"ＵＳＡ", "米米米"}, {"ＳＩＮ", "シシシ"}, {"中京", "中名名"},   {"名古", "名屋屋"},
      {"福山", "山山山"},   {"高知", "知知知"},   {"中津", "津津津"},   {"大　井", "大大大"},
  };
  for (const auto& [venue, letters] : venues) {
    std::string got;
    for (int parser = 1; parser <= 3; ++parser) {
      const std::string block = NewerBlock(parser, venue + std::string("12.13　良　ダ1600"),
                                           " 3/12</span>", "1423（0.5）　3-3-2　38.5");
      got += block.substr(block.find("|", block.find("|") + 1) + 1, 3);
    }
    EXPECT_EQ(got, letters) << venue;
  }
}

TEST(AddHtmlPastRaceNewer, MonthThatIsNoNumberIsAnError) {
  EXPECT_THROW(NewerBlock(3, "大井1X.13　良　ダ1600", " 3/12</span>", "1423（0.5）"), ENotInteger);
}

// A placeholder cell reads no time line: a page cut after the position line
// fails only for a usable cell.
TEST(AddHtmlPastRace, PlaceholderReadsNoTimeLine) {
  PageLines newer = NewerCell(3, "大井12.13　良　障3000", "3/12</span>", "");
  newer.resize(7);
  LocalPageState state = StateOf(newer, 9, 3, false);
  AddHtmlPastRace3(state, 0);
  EXPECT_EQ(Joined(state.SaveLst), kPlaceholder);
  EXPECT_EQ(state.CardYear * 100 + state.CardMonth, 903);
  state.BufferLst[0] = Utf8ToCp932("<td nowrap rowspan='1' class='dbnote'> 大井12.13　良　ダ1600");
  EXPECT_THROW(AddHtmlPastRace3(state, 0), PageLineOutOfRange);

  state =
      StateOf({"<FONT SIZE=-1>大　井02/01 良　　　直1600</FONT>", "", "<B>３</B>"}, 9, 3, false);
  AddHtmlPastRaceOld(state, 0);
  EXPECT_EQ(Joined(state.SaveLst), kPlaceholder);
  state.BufferLst[0] = Utf8ToCp932("<FONT SIZE=-1>大　井02/01 良　　　右1600</FONT>");
  EXPECT_THROW(AddHtmlPastRaceOld(state, 0), PageLineOutOfRange);
}

// Older cells: the line with the fields before "</FONT>", the finishing
// position two lines below, the time line three below.
TEST(AddHtmlPastRaceOld, ReadsEachField) {
  const std::string cell = "<FONT SIZE=-1>大　井02/01 良　　　右1600</FONT>",
                    position = "<B>３</B>", time = "<BR> 594(0.5)　5  3  5 38.5</FONT>";
  const std::string usual = "ダ|1600|大0902|0594| 5 3 5|385|良| 3";
  const struct {
    std::string cell, position, time, block;
  } cases[] = {
      {cell, position, time, usual},
      {cell, "<B>12</B>", time, "ダ|1600|大0902|0594| 5 3 5|385|良|12"},
      {cell, "<B>１</B>", time, "ダ|1600|大0902|0594| 5 3 5|385|良| 1"},
      {cell, "<B>９</B>", time, "ダ|1600|大0902|0594| 5 3 5|385|良| 9"},
      {cell, "<B>中</B>", time, kPlaceholder},
      {cell, "<B>０</B>", time, kPlaceholder},
      {"<FONT SIZE=-1>大　井02/01 良　　　直1600</FONT>", position, time, kPlaceholder},
      {"<FONT SIZE=-1>大　井02/01 良　　ダ右1600</FONT>", position, time, kPlaceholder},
      {"<FONT SIZE=-1>大　井02/01 良　　芝左1600</FONT>", position, time,
       "芝|1600|大0902|0594| 5 3 5|385|良| 3"},
      {"<FONT SIZE=-1>中京02/01 　稍　　右1600</FONT>", position, time,
       "ダ|1600|名0902|0594| 5 3 5|385|稍| 3"},
      {"<FONT SIZE=-1>浦和 3/01 良　　　右1600</FONT>", position, time,
       "ダ|1600|浦0903|0594| 5 3 5|385|良| 3"},
      {"<TD>名古屋02/01 良　　　右1600</FONT>", position, time,
       "ダ|1600|屋0902|0594| 5 3 5|385|良| 3"},
      {"<TD>高　知02/01 良　　　右1600</FONT>", position, time,
       "ダ|1600|知0902|0594| 5 3 5|385|良| 3"},
      {cell, position, "<BR>1298(0.5) 10  8　  39.1</FONT>",
       "ダ|1600|大0902|1298|10 810|391|良| 3"},
      {cell, position, "<BR>1301(0.5)　　　　 　.0</FONT>", "ダ|1600|大0902|1301| 0 0 0|999|良| 3"},
  };
  for (const auto& c : cases) {
    LocalPageState state = StateOf({c.cell, "-", c.position, c.time}, 9, 3);
    AddHtmlPastRaceOld(state, 0);
    EXPECT_EQ(Joined(state.SaveLst), c.block) << c.cell << " / " << c.position << " / " << c.time;
  }
}

// Five past races of a card of March 09 dated 12, 11, 1, 12 and 12; a card
// of year 00 whose race lies in a later month.
TEST(WalkYear, GoesBackAYearWhenTheMonthRises) {
  LocalPageState state;
  state.CardYear = 9;
  state.CardMonth = 3;
  std::string years;
  for (int month : {12, 11, 1, 12, 12}) years += WalkYear(state, month) + " ";
  EXPECT_EQ(years, "08 08 08 07 07 ");
  state.CardYear = 0;
  state.CardMonth = 3;
  EXPECT_EQ(WalkYear(state, 4), "99");
  // Two digits whatever the year: a card of year 11 walks back to 10 and 09.
  state.CardYear = 11;
  state.CardMonth = 1;
  years.clear();
  for (int month : {2, 3, 1}) years += WalkYear(state, month) + " ";
  EXPECT_EQ(years, "10 09 09 ");
}

}  // namespace
}  // namespace tamikaze::testing
