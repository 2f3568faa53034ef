#pragma once
// The pieces of an archiver command line: the switch part (every set option
// of TArchiverOptions in command-line order, each preceded by a space), the
// folder and the quoting of an item.

#include <string>

#include "archive/archiver_options.h"

namespace tamikaze {

// " -n1 -x1 -jse1 -jso1" for n = x = jse = jso = 1. Text options are one
// quoted item ("-jo<text>"), the folder option w gets a trailing "/", the
// list option jx one quoted item per name.
std::string OptionSwitches(const TArchiverOptions& options);

// `folder` with a trailing "/" ensured ("" stays "").
std::string WithTrailingSlash(const std::string& folder);

// `item` between double quotes, one item of the command line.
std::string Quoted(const std::string& item);

}  // namespace tamikaze
