#pragma once
// The six data sets an archive may hold: one table that recognition, the
// import driver and the converter dispatch all read. A new data set is one
// more row.

#include <string>

#include "convert/convert_state.h"

namespace tamikaze {

struct DataTypeInfo {
  int dataType;              // 1 to 6
  const char* name;          // the data set, as messages and help name it (UTF-8)
  const char* raceCardFile;  // read into DenText
  const char* horseFile;     // read into UmaText; member 0 of the second archive when there is one
  const char* extraFile;     // further extracted file, deleted unread; "" when none
  int recordSize;            // bytes of one race in the race-card file
  // Data sets split over two archives: the first holds the race-card file as
  // member 0 and is recognised by it alone; the second holds the horse file.
  bool secondArchive;
  // Otherwise the race-card and horse files stand among the first
  // `recognisedAmong` members (2 or 3), at two different positions.
  int recognisedAmong;
  RaceConverter converter;  // appends a race's lines; nullptr while there is none
};

// Every row, data type 1 first: the order in which recognition tries them.
extern const DataTypeInfo kDataTypes[6];

// The row of `dataType` (1 to 6). Throws std::out_of_range for other values.
const DataTypeInfo& DataTypeRow(int dataType);

// Member names compare as whole names, ignoring ASCII case only (CP932 bytes
// as stored; a stored folder prefix makes the comparison fail).
bool SameMemberName(const std::string& stored, const std::string& name);

// The data type of an archive whose first three members are m0, m1, m2 ("" for
// a missing member), 0 when none matches. The rows are tried in order.
int RecognizeDataType(const std::string& m0, const std::string& m1, const std::string& m2);

// True when any of the first three members is KOL_DEN1.KD3, the newer 競馬道
// format that the program refuses whatever else the archive holds.
bool HoldsKd3Member(const std::string& m0, const std::string& m1, const std::string& m2);

}  // namespace tamikaze
