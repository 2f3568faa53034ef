#pragma once
// The two 競馬道 race-card formats: KD2 (KOL_DEN1.KD2 + KOL_UMA.KD2) and the
// older one (KOL_DEN.DAT + KOL_UMA.DAT). They hold the same fields in records
// of other sizes at other places, so one converter reads both and this table
// is the one place that tells them apart. Every position is the 1-based byte
// of a field in its record; a past-race field is given where it lies in slot
// 1, and slot s holds it `slotStride` x (s - 1) bytes further on.

#include <initializer_list>
#include <string_view>

#include "convert/horse_records.h"
#include "racefile/blocks.h"

namespace tamikaze {

struct KolField {
  int pos1;   // 1-based first byte in the record
  int width;  // bytes
};

// Race venue codes of the 競馬道 race records (race venue table).
enum KolVenueCode : int { kKolKyoto = 0, kKolHanshin = 1, kKolNiigata = 7 };

constexpr unsigned KolVenueSet(std::initializer_list<KolVenueCode> venues) {
  unsigned set = 0;
  for (KolVenueCode venue : venues) set |= 1u << venue;
  return set;
}

struct KolRaceFields {
  KolField venue;         // strict number: race venue table
  KolField raceNumber;    // copied into the name of a race without a name
  KolField year;          // strict number: the race's two-digit year
  KolField steeplechase;  // one byte, a steeplechase when it is one of steeplechaseCodes
  KolField name;          // copied up to the first half-width space
  KolField surface;       // "0" dirt, any other byte turf
  KolField course;        // one of innerCourseCodes: the inner course, otherwise the outer
  KolField distance;      // line 1, as the record gives it
  KolField runners;       // lines 5 and 60 as given; strict number: the runners
  KolField key;           // the race key, equal to the key of its first runner's horse record
};

struct KolHorseFields {
  KolField name;       // the horse line's name, as given
  KolField birthYear;  // strict number: two digits
  KolField sex;        // strict number: sex table
};

struct KolSlotFields {   // positions in slot 1
  KolField venue;        // lenient number: past venue table
  KolField yearMonth;    // YYMM behind the venue letter
  KolField skip;         // lenient number: 1 marks the slot unusable
  KolField surface;      // "0" dirt, any other byte turf
  KolField distance;     // as given
  KolField going;        // lenient number: going table
  KolField finish;       // lenient number: usable from 1 to 30
  KolField time;         // as given
  KolField closingTime;  // as given; three spaces become "999"
  KolField passing[3];   // lenient numbers: the three passing points
};

struct KolFormat {
  int raceRecordSize;
  RecordKeyLayout horseKey;  // horse record size and where its race key lies
  KolRaceFields race;
  std::string_view steeplechaseCodes;
  unsigned courseVenues;  // race venues with an inner and an outer turf course
  std::string_view innerCourseCodes;
  KolHorseFields horse;
  int slotStride;
  KolSlotFields slot;
  DistanceDigits placeholderDistance;  // "9999" or "99" in a placeholder block
};

// clang-format off
inline constexpr KolFormat kKd2Format{
    779, kKd2HorseKey,
    {{1, 2}, {11, 2}, {15, 2}, {25, 1}, {29, 30}, {105, 1}, {107, 1}, {109, 4}, {337, 2}, {501, 7}},
    "1", KolVenueSet({kKolKyoto, kKolNiigata, kKolHanshin}), "025",
    {{8, 18}, {80, 2}, {95, 1}},
    590,
    {{1065, 2}, {1079, 4}, {1090, 1}, {1180, 1}, {1184, 4}, {1194, 1}, {1435, 2}, {1439, 4},
     {1452, 3}, {{1457, 2}, {1459, 2}, {1461, 2}}},
    DistanceDigits::Four,
};

inline constexpr KolFormat kKolFormat{
    1537, kKolHorseKey,
    {{1, 2}, {11, 2}, {15, 2}, {66, 1}, {26, 30}, {56, 1}, {58, 1}, {60, 2}, {64, 2}, {160, 7}},
    "089", KolVenueSet({kKolKyoto, kKolNiigata}), "025",
    {{8, 18}, {40, 2}, {55, 1}},
    235,
    {{433, 2}, {447, 4}, {455, 1}, {563, 1}, {567, 2}, {574, 1}, {464, 2}, {502, 4},
     {515, 3}, {{520, 2}, {522, 2}, {524, 2}}},
    DistanceDigits::Two,
};
// clang-format on

static_assert(kKd2Format.race.key.width == kKd2Format.horseKey.keyWidth);
static_assert(kKolFormat.race.key.width == kKolFormat.horseKey.keyWidth);

}  // namespace tamikaze
