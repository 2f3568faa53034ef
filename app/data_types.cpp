#include "app/data_types.h"

#include <stdexcept>

namespace tamikaze {
namespace {

const DataTypeInfo kRows[] = {
    {1, "JRA#DEN1.DAT", "JRA#UMAJ.DAT", "", 584},
    {2, "KOL_DEN.DAT", "KOL_UMA.DAT", "", 1537},
    {3, "JRA#TOUR.DAT", "JRA#UMAJ.DAT", "", 2992},
    {4, "JRACDEN1.DAT", "JRACUMAJ.DAT", "", 1463},
    {5, "KOL_DEN1.KD2", "KOL_UMA.KD2", "KOL_DEN2.KD2", 779},
    {6, "JRACTOK1.DAT", "JRACUMAJ.DAT", "", 5129},
};

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// a and b are the two names, in either order.
bool PairIs(const std::string& x, const std::string& y, const char* a, const char* b) {
  return (SameMemberName(x, a) && SameMemberName(y, b)) ||
         (SameMemberName(x, b) && SameMemberName(y, a));
}

}  // namespace

const DataTypeInfo& DataTypeRow(int dataType) {
  if (dataType < 1 || dataType > 6) throw std::out_of_range("data type out of range");
  return kRows[dataType - 1];
}

bool SameMemberName(const std::string& stored, const std::string& name) {
  if (stored.size() != name.size()) return false;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (AsciiUpper(stored[i]) != AsciiUpper(name[i])) return false;
  }
  return true;
}

int RecognizeDataType(const std::string& m0, const std::string& m1, const std::string& m2) {
  int dataType = 0;
  if (PairIs(m0, m1, "JRA#DEN1.DAT", "JRA#UMAJ.DAT")) dataType = 1;
  if (PairIs(m0, m1, "KOL_DEN.DAT", "KOL_UMA.DAT")) dataType = 2;
  if (SameMemberName(m0, "JRA#TOUR.DAT")) dataType = 3;
  if (PairIs(m0, m1, "JRACDEN1.DAT", "JRACUMAJ.DAT")) dataType = 4;
  if (PairIs(m0, m1, "KOL_DEN1.KD2", "KOL_UMA.KD2") ||
      PairIs(m0, m2, "KOL_DEN1.KD2", "KOL_UMA.KD2") ||
      PairIs(m1, m2, "KOL_DEN1.KD2", "KOL_UMA.KD2")) {
    dataType = 5;
  }
  if (SameMemberName(m0, "JRACTOK1.DAT")) dataType = 6;
  return dataType;
}

bool HoldsKd3Member(const std::string& m0, const std::string& m1, const std::string& m2) {
  for (const std::string* m : {&m0, &m1, &m2}) {
    if (SameMemberName(*m, "KOL_DEN1.KD3")) return true;
  }
  return false;
}

const char* SecondArchiveHorseFile(int dataType) {
  return dataType == 3 ? "JRA#UMAJ.DAT" : "JRACUMAJ.DAT";
}

}  // namespace tamikaze
