#pragma once
// Race and horse records of the two 競馬道 formats for the converter tests,
// written field by field at the positions of the record tables (given here
// on their own, so that a wrong position in the converter's table shows).

#include <map>
#include <string>
#include <vector>

#include "convert/kol/converters.h"
#include "tests/convert/jra_current_records.h"  // the state and line helpers

namespace tamikaze::testing {

struct KolTestFormat {
  const char* name;
  RaceConverter convert;
  void (*addPastRace)(ConvertState&, int);
  int raceSize, horseSize, slotStride;
  std::map<std::string, int> race, horse, slot;  // field -> 1-based byte (slot 1 for a slot)
  const char* distance;                          // a distance of the format's width
  DistanceDigits digits;
};

// clang-format off
inline const KolTestFormat kKd2{
    "KD2", ConvertKd2Race, AddKd2PastRace, 779, 5166, 590,
    {{"venue", 1}, {"number", 11}, {"year", 15}, {"steeplechase", 25}, {"name", 29},
     {"surface", 105}, {"course", 107}, {"distance", 109}, {"runners", 337}, {"key", 501}},
    {{"key", 1}, {"name", 8}, {"birthYear", 80}, {"sex", 95}},
    {{"venue", 1065}, {"yearMonth", 1079}, {"skip", 1090}, {"surface", 1180}, {"distance", 1184},
     {"going", 1194}, {"finish", 1435}, {"time", 1439}, {"closing", 1452}, {"passing", 1457}},
    "1600", DistanceDigits::Four};

inline const KolTestFormat kOlder{
    "older", ConvertKolRace, AddKolPastRace, 1537, 2247, 235,
    {{"venue", 1}, {"number", 11}, {"year", 15}, {"name", 26}, {"surface", 56}, {"course", 58},
     {"distance", 60}, {"runners", 64}, {"steeplechase", 66}, {"key", 160}},
    {{"key", 1}, {"name", 8}, {"birthYear", 40}, {"sex", 55}},
    {{"venue", 433}, {"yearMonth", 447}, {"skip", 455}, {"finish", 464}, {"time", 502},
     {"closing", 515}, {"passing", 520}, {"surface", 563}, {"distance", 567}, {"going", 574}},
    "16", DistanceDigits::Two};
// clang-format on

inline const KolTestFormat* const kKolFormats[] = {&kKd2, &kOlder};

// Field name -> text, written into a record by the format's positions.
using KolFields = std::map<std::string, std::string>;

inline RecordBuilder& PutFields(RecordBuilder& record, const std::map<std::string, int>& at,
                                const KolFields& fields, int shift = 0) {
  for (const auto& [field, text] : fields) record.Put(at.at(field) + shift, text);
  return record;
}

// A race without a name at 東京 (4), race 11, year 09, turf, no runners,
// race key "KEY0001"; `fields` overwrite these.
inline std::string KolRace(const KolTestFormat& f, const KolFields& fields = {}) {
  RecordBuilder race(f.raceSize);
  const KolFields defaults = {{"venue", "04"},   {"number", "11"},  {"year", "09"},
                              {"surface", "1"},  {"course", "1"},   {"distance", f.distance},
                              {"runners", "00"}, {"key", "KEY0001"}};
  return PutFields(PutFields(race, f.race, defaults), f.race, fields).Str();
}

// A colt born in 05 named "ウマ" with every past-race slot blank, then
// `fields`; `slots` are written into each of slots 1 to 5 that they hold.
inline std::string KolHorse(const KolTestFormat& f, const std::string& key,
                            const KolFields& fields = {},
                            const std::map<int, KolFields>& slots = {}) {
  RecordBuilder horse(f.horseSize);
  PutFields(horse, f.horse,
            {{"key", key}, {"name", "ウマ　　　　　　　"_sj}, {"birthYear", "05"}, {"sex", "0"}});
  PutFields(horse, f.horse, fields);
  for (const auto& [slot, slotFields] : slots)
    PutFields(horse, f.slot, slotFields, f.slotStride * (slot - 1));
  return horse.Str();
}

// A usable past race at 東京 (4), turf, October 2004, good going, first.
inline KolFields UsableSlot(const KolTestFormat& f) {
  return {{"venue", "04"},          {"yearMonth", "0410"}, {"skip", "0"},    {"surface", "1"},
          {"distance", f.distance}, {"going", "0"},        {"finish", "01"}, {"time", "1335"},
          {"closing", "345"},       {"passing", "030302"}};
}

}  // namespace tamikaze::testing
