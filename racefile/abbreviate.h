#pragma once

#include <string>

namespace tamikaze {

// Shortens the race name held in `RaceFileName` (CP932, full-width
// characters) into the race file's name, in place. A name that ends in
// "周年記念" becomes "".
void AbbreviateRaceName(std::string& RaceFileName);

}  // namespace tamikaze
