#pragma once
// tamikaze-netdata page [-o DIR] [-q] PAGE...: the saved-page import of each
// page, as the bonus menu runs it, with the page dialog answered by the page
// named.

#include <ostream>
#include <string>
#include <vector>

#include "app/environment.h"

namespace CLI {
class App;
}

namespace tamikaze {

struct PageArguments {
  std::string outputDir;
  std::vector<std::string> pages;
  bool quiet = false;
};

// Adds the subcommand "page" to `app`; its values go to `args`.
CLI::App* AddPageCommand(CLI::App& app, PageArguments& args);

// `page` once its command line was read: imports each page in turn, with
// messages on `err` (each starting with its page's path) and one
// tab-separated summary line per page on `out` (page path, PageLayout,
// runners, race file written or ""). Returns the worst outcome: 0 race files
// written, 1 a page refused (not a page of the site, its race file there
// already, a file that cannot be opened or is too large for a page, no
// output folder), 2 wrong usage, 3 a page that ends in an error.
int RunPageCommand(const CLI::App& page, const PageArguments& args, const Environment& env,
                   std::ostream& out, std::ostream& err, bool errIsTerminal);

}  // namespace tamikaze
