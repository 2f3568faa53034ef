#pragma once
// What the import driver and the converters share while an archive converts.

#include <cstdint>
#include <string>
#include <vector>

#include "racefile/race_lines.h"

namespace tamikaze {

// A length of, or an offset into, a record text. 64 bits: whatever a record
// file declares travels here unchanged, never cut to an int.
using TextOffset = std::int64_t;

// The first record of each key in a text of fixed-size records, so that a
// converter finds a horse without scanning the horse text for every race.
// Built on first use for one text and record layout; `FindFirstRecord`
// (convert/record_key_index.h) rebuilds it when the layout or the
// text's length differ from those it was built for. An open-addressing table
// of record offsets with their keys: a lookup reads no record of the text,
// where each would cost a cache miss.
struct RecordKeyIndex {
  bool built = false;
  int recordSize = 0;  // bytes from one record to the next
  int keyPos1 = 0;     // 1-based first byte of the key in a record
  int keyWidth = 0;
  TextOffset length = 0;  // text length it was built for
  static constexpr std::size_t kInlineKey = 16;
  struct Slot {
    TextOffset offset = -1;     // 0-based offset of a key's first record; -1: empty
    char key[kInlineKey] = {};  // the key itself when it is not longer
  };
  std::vector<Slot> table;
  std::size_t keys = 0;  // slots in use
};

struct ConvertState {
  int DataType = 0;           // 0 before recognition, then 1 to 6
  std::string DenText;        // race-card record file, CP932 bytes as read
  std::string UmaText;        // horse record file, CP932 bytes as read
  TextOffset UmaLength = 0;   // bytes read into UmaText
  int RaceCount = 0;          // whole race records in DenText
  std::string RaceFileName;   // CP932 base name of the race file, set by each converter
  TextOffset RaceOffset = 0;  // scratch values of the converters
  TextOffset HorseOffset = 0;
  int HorseCount = 0;
  RaceLines SaveLst;             // lines of the race being built, CP932
  RecordKeyIndex HorseKeyIndex;  // horse records of UmaText by key, built once per import

  // Drops everything the previous import left (the horse-key index included),
  // before new texts are read.
  void ResetForImport() { *this = ConvertState(); }
};

// One converter per data type: appends lines 1 onward of race `race`
// (1-based) to SaveLst and sets RaceFileName.
using RaceConverter = void (*)(ConvertState& state, int race);

}  // namespace tamikaze
