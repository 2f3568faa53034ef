#include "import/data_types.h"

#include <iterator>
#include <stdexcept>

#include "convert/jravan/jra_current.h"
#include "convert/jravan/jra_old.h"
#include "convert/jravan/registrations.h"
#include "convert/kol/converters.h"

namespace tamikaze {

// clang-format off
// data type, name, race-card file, horse file, extra file, record size,
// second archive, recognised among the first n members, converter
const DataTypeInfo kDataTypes[6] = {
    {1, "JRA-VAN 出馬表（旧形式）", "JRA#DEN1.DAT", "JRA#UMAJ.DAT", "", kJraOldRaceRecordSize, false, 2,
     ConvertJraOld},
    {2, "競馬道 出馬表（旧形式）", "KOL_DEN.DAT", "KOL_UMA.DAT", "", kKolRaceRecordSize, false, 2,
     ConvertKolRace},
    {3, "JRA-VAN 特別登録馬（旧形式）", "JRA#TOUR.DAT", "JRA#UMAJ.DAT", "", kTourRaceRecordSize, true, 1,
     ConvertTourRace},
    {4, "JRA-VAN 出馬表", "JRACDEN1.DAT", "JRACUMAJ.DAT", "", kJraCurrentRaceRecordSize, false, 2,
     ConvertJraCurrent},
    {5, "競馬道 出馬表（KD2）", "KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN2.KD2", kKd2RaceRecordSize,
     false, 3, ConvertKd2Race},
    {6, "JRA-VAN 特別登録馬", "JRACTOK1.DAT", "JRACUMAJ.DAT", "", kTok1RaceRecordSize, true, 1,
     ConvertTok1Race},
};
// clang-format on

namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The row's files stand among the first members as its recognition asks.
bool Recognises(const DataTypeInfo& row, const std::string (&m)[3]) {
  if (row.secondArchive) return SameMemberName(m[0], row.raceCardFile);
  for (int i = 0; i < row.recognisedAmong; ++i) {
    for (int j = 0; j < row.recognisedAmong; ++j) {
      if (i != j && SameMemberName(m[i], row.raceCardFile) && SameMemberName(m[j], row.horseFile)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

const DataTypeInfo& DataTypeRow(int dataType) {
  if (dataType < 1 || dataType > static_cast<int>(std::size(kDataTypes))) {
    throw std::out_of_range("data type out of range");
  }
  return kDataTypes[dataType - 1];
}

bool SameMemberName(const std::string& stored, const std::string& name) {
  if (stored.size() != name.size()) return false;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (AsciiUpper(stored[i]) != AsciiUpper(name[i])) return false;
  }
  return true;
}

int RecognizeDataType(const std::string& m0, const std::string& m1, const std::string& m2) {
  const std::string members[3] = {m0, m1, m2};
  for (const DataTypeInfo& row : kDataTypes) {
    if (Recognises(row, members)) return row.dataType;
  }
  return 0;
}

bool HoldsKd3Member(const std::string& m0, const std::string& m1, const std::string& m2) {
  for (const std::string* m : {&m0, &m1, &m2}) {
    if (SameMemberName(*m, "KOL_DEN1.KD3")) return true;
  }
  return false;
}

}  // namespace tamikaze
