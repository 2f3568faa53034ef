// The command line's progress line: drawn on a terminal only, an archive's
// first and last lines always, those between at most every 100 ms, and
// cleared before any message or summary line.

#include "app/cli/console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tamikaze {
namespace {

using std::chrono::milliseconds;

struct Update {
  int atMs;  // when, on the test's clock
  const char* line;
  bool final;
};

TEST(ConsoleTest, ProgressIsPacedByTheClock) {
  const std::string erase = "\r\x1b[K";
  struct Case {
    const char* name;
    std::vector<Update> updates;
    std::string shown;  // the lines drawn, in order, each after `erase`
  };
  const Case cases[] = {
      {"same instant: only first and last",
       {{0, "a", true}, {0, "b", false}, {0, "c", false}, {0, "d", true}},
       "a|d"},
      {"100 ms apart: every one",
       {{0, "a", true}, {100, "b", false}, {200, "c", false}, {200, "d", true}},
       "a|b|c|d"},
      {"the pace counts from the last drawn",
       {{0, "a", true},
        {60, "b", false},
        {120, "c", false},
        {150, "d", false},
        {219, "e", false},
        {220, "f", false}},
       "a|c|f"},
      {"a first update is drawn whatever the time", {{0, "a", false}, {10, "b", false}}, "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::chrono::steady_clock::time_point start{};
    milliseconds now{0};
    std::ostringstream out, err;
    Console console(out, err, /*errIsTerminal=*/true, /*quiet=*/false, [&] { return start + now; });
    for (const Update& u : c.updates) {
      now = milliseconds(u.atMs);
      console.Progress(u.line, u.final);
    }
    std::string expected;
    for (const char ch : std::string(c.shown)) {
      if (ch != '|') expected += erase + ch;
    }
    EXPECT_EQ(err.str(), expected);
    EXPECT_EQ(out.str(), "");
  }
}

// A message or summary line first clears the progress line; not on a
// terminal, or quiet, nothing but messages is written to standard error.
TEST(ConsoleTest, ProgressIsClearedAndOnlyOnATerminal) {
  const std::string erase = "\r\x1b[K";
  struct Case {
    bool terminal, quiet;
    std::string err, out;
  };
  for (const Case& c :
       {Case{true, false, erase + "1/2" + erase + "a.lzh: bad\n", "a\\tb\n"},
        Case{false, false, "a.lzh: bad\n", "a\\tb\n"}, Case{true, true, "a.lzh: bad\n", ""}}) {
    SCOPED_TRACE(std::to_string(c.terminal) + std::to_string(c.quiet));
    std::ostringstream out, err;
    Console console(out, err, c.terminal, c.quiet);
    console.Progress("1/2", true);
    console.FileMessage("a.lzh", "bad");
    console.Summary({"a\tb"});
    console.ClearProgress();
    EXPECT_EQ(err.str(), c.err);
    EXPECT_EQ(out.str(), c.out);
  }
}

}  // namespace
}  // namespace tamikaze
