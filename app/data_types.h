#pragma once
// The six data sets an archive may hold, and their recognition from the
// names of the archive's first three members.

#include <string>

namespace tamikaze {

struct DataTypeInfo {
  int dataType;              // 1 to 6
  const char* raceCardFile;  // read into DenText
  const char* horseFile;     // read into UmaText (from the second archive for 3 and 6)
  const char* extraFile;     // further extracted file, deleted unread; "" when none
  int recordSize;            // bytes of one race in the race-card file
};

// The row of `dataType` (1 to 6). Throws std::out_of_range for other values.
const DataTypeInfo& DataTypeRow(int dataType);

// Member names compare as whole names, ignoring ASCII case only (CP932 bytes
// as stored; a stored folder prefix makes the comparison fail).
bool SameMemberName(const std::string& stored, const std::string& name);

// The data type of an archive whose first three members are m0, m1, m2 ("" for
// a missing member), 0 when none matches. The tests run in the table's order.
int RecognizeDataType(const std::string& m0, const std::string& m1, const std::string& m2);

// True when any of the first three members is KOL_DEN1.KD3, the newer 競馬道
// format that the program refuses whatever else the archive holds.
bool HoldsKd3Member(const std::string& m0, const std::string& m1, const std::string& m2);

// The horse file that must be member 0 of the second archive of data type 3 or 6.
const char* SecondArchiveHorseFile(int dataType);

}  // namespace tamikaze
