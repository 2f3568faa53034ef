#pragma once
// What the import driver and the converters share while an archive converts.

#include <string>
#include <vector>

namespace tamikaze {

struct ConvertState {
  int DataType = 0;          // 0 before recognition, then 1 to 6
  std::string DenText;       // race-card record file, CP932 bytes as read
  std::string UmaText;       // horse record file, CP932 bytes as read
  int UmaLength = 0;         // bytes read into UmaText
  int RaceCount = 0;         // whole race records in DenText
  std::string RaceFileName;  // CP932 base name of the race file, set by each converter
  int RaceOffset = 0;        // scratch values of the converters
  int HorseOffset = 0;
  int HorseCount = 0;
  std::vector<std::string> SaveLst;  // lines of the race being built, CP932

  // Drops everything the previous import left, before new texts are read.
  void ResetForImport() { *this = ConvertState(); }
};

// One converter per data type: appends lines 1 onward of race `race`
// (1-based) to SaveLst and sets RaceFileName.
using RaceConverter = void (*)(ConvertState& state, int race);

}  // namespace tamikaze
