#include "convert/race_file_name.h"

#include "racefile/abbreviate.h"

namespace tamikaze {

void SetRaceFileName(ConvertState& state, const std::string& raceName,
                     const std::string& unnamedName) {
  state.RaceFileName = raceName;
  if (!state.RaceFileName.empty()) AbbreviateRaceName(state.RaceFileName);
  if (state.RaceFileName.empty()) state.RaceFileName = unnamedName;
}

}  // namespace tamikaze
