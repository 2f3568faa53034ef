#pragma once
// The command line of Unlha: "x [switches] "archive" ["dest/"] [names...]".

#include <string>
#include <vector>

namespace tamikaze::unlha {

struct Command {
  char letter = 0;          // 'x' (extract with folders) or 'e' (without)
  bool keepFolders = true;  // -x0 turns folders off
  std::string archive;
  std::string destination;         // ends in "/"; empty = the current folder
  std::vector<std::string> names;  // empty = every member
};

// Splits at blanks outside double quotes; quotes group and are removed.
// False when a quote is not closed.
bool SplitCommandLine(const std::string& line, std::vector<std::string>& tokens);

// Result 0 or a library error code (unbalanced quote, no archive, unknown
// command, unreadable response file "@file").
int ParseCommand(const std::string& line, Command& command);

}  // namespace tamikaze::unlha
