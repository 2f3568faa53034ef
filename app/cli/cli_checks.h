#pragma once
// What every subcommand of tamikaze-netdata does around its conversions: the
// checks of its command line that CLI11 cannot make, the settings read, the
// output folder, and the end of the call.

#include <cstddef>
#include <exception>
#include <functional>
#include <ostream>
#include <string>

#include "app/cli/console.h"
#include "app/environment.h"
#include "app/main_state.h"

namespace CLI {
class App;
}

namespace tamikaze {

inline constexpr const char* kProgram = "tamikaze-netdata";

// A wrong command line: what is wrong, and where the help is (`command`'s
// --help). Returns kExitUsage.
int UsageError(std::ostream& err, const std::string& text, const std::string& command);

// A subcommand once its command line was read. Wrong usage: an empty -o, or
// no file named (`noFilesText` says so). Then the settings are read (never
// written), -o replaces their output folder, which must exist (checked once
// for the call), and `run` converts the files on a console that is `quiet`
// or not. An error that escapes `run` is said and gives kExitError.
struct SubcommandCall {
  const CLI::App& subcommand;
  const std::string& outputDir;  // the value of -o
  std::size_t files;             // files named
  const char* noFilesText;
  bool quiet;
};
int RunSubcommand(const SubcommandCall& call, const Environment& env, std::ostream& out,
                  std::ostream& err, bool errIsTerminal,
                  const std::function<int(Main& main, Console& console)>& run);

// One file of a call: a file that cannot be read as input is refused with its
// message; otherwise `convert` runs and gives the exit status, and an error
// that escapes it is said, worded by `errorText`, and gives kExitError.
int ConvertFileAt(Console& console, const std::string& path, const std::function<int()>& convert,
                  const std::function<std::string(const std::exception&)>& errorText);

// The end of a call whose worst outcome was `worst`: an interruption is said
// (with `leftBehind`, what it left) and gives 128 + its signal; otherwise
// summary lines that could not be written fail the call, as coreutils do.
int FinishCall(Console& console, int worst, const std::string& leftBehind);

}  // namespace tamikaze
