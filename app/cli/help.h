#pragma once
// The Japanese --help and --version of tamikaze-netdata. The help is written
// from what CLI11 holds (the subcommands, their options with descriptions and
// value names, their footers) and from the data-type table, so a new
// subcommand, option or converter shows up in it by itself.

#include <CLI/CLI.hpp>
#include <string>

namespace tamikaze {

class JapaneseHelpFormatter : public CLI::FormatterBase {
 public:
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override;
};

// The line --version prints.
std::string VersionText();

// Columns `text` (UTF-8) takes on a terminal: two for a character of three
// or more bytes (Japanese), one for the others.
int DisplayColumns(const std::string& text);

}  // namespace tamikaze
