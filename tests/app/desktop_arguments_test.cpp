// The desktop program's command line and the kinds of file it opens.

#include "app/desktop_arguments.h"

#include <gtest/gtest.h>

namespace tamikaze {
namespace {

using Action = DesktopArguments::Action;

TEST(DesktopArgumentsTest, ActionAndFile) {
  struct Case {
    std::vector<std::string> args;
    Action action;
    std::string file;
  };
  const Case cases[] = {
      {{}, Action::Run, ""},
      {{"race.lzh"}, Action::Run, "race.lzh"},
      {{"-"}, Action::Run, "-"},
      {{"--", "-odd.lzh"}, Action::Run, "-odd.lzh"},
      {{"--", "--help"}, Action::Run, "--help"},
      // --help and --version win over what else is wrong: Qt's own options
      // are still in the words when they are first looked at.
      {{"-platform", "offscreen", "--help"}, Action::Help, ""},
      {{"a.lzh", "b.lzh", "-h"}, Action::Help, ""},
      {{"--version", "--help"}, Action::Help, ""},
      {{"-v", "--unknown"}, Action::Version, ""},
      {{"--unknown"}, Action::Usage, ""},
      // Qt's own options, with their values, are the toolkit's.
      {{"-platform", "offscreen", "race.lzh"}, Action::Run, "race.lzh"},
      {{"--style=fusion", "-reverse", "-display", ":1", "a.htm"}, Action::Run, "a.htm"},
      {{"-platform"}, Action::Run, ""},
      {{"-bogus", "race.lzh"}, Action::Usage, ""},
      {{"a.lzh", "b.lzh"}, Action::Usage, ""},
      {{"a.lzh", "--", "b.lzh"}, Action::Usage, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const DesktopArguments parsed = ParseDesktopArguments(c.args);
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.file, c.file);
    EXPECT_EQ(parsed.error.empty(), c.action != Action::Usage);
  }
}

TEST(DesktopArgumentsTest, KindOfDocumentByExtensionWhateverItsCase) {
  const std::pair<const char*, DocumentKind> cases[] = {
      {"/d/JC091205.lzh", DocumentKind::Archive}, {"/d/JC091205.LZH", DocumentKind::Archive},
      {"race.html", DocumentKind::Page},          {"race.HTM", DocumentKind::Page},
      {"source.txt", DocumentKind::Page},         {"archive.lha", DocumentKind::Other},
      {"race.html.zip", DocumentKind::Other},     {"/d/lzh", DocumentKind::Other},
      {"/d.lzh/notes", DocumentKind::Other},      {".lzh", DocumentKind::Other},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(KindOfDocument(path), kind) << path;
}

}  // namespace
}  // namespace tamikaze
