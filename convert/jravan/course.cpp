#include "convert/jravan/course.h"

#include <initializer_list>

#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

bool IsOneOf(const std::string& code, std::initializer_list<const char*> codes) {
  for (const char* c : codes) {
    if (code == c) return true;
  }
  return false;
}

bool HasInnerAndOuterCourse(const std::string& venue) {
  return venue == "京都"_sj || venue == "新潟"_sj || venue == "阪神"_sj;
}

// The older formats know no inner and outer course at 阪神.
bool HasOldInnerAndOuterCourse(const std::string& venue) {
  return venue == "京都"_sj || venue == "新潟"_sj;
}

bool IsInnerCourse(int trackCode) {
  for (int inner : {11, 14, 15, 17, 20, 21}) {
    if (trackCode == inner) return true;
  }
  return false;
}

}  // namespace

RaceCourse CurrentRaceCourse(int venueCode, const std::string& trackCode) {
  RaceCourse course{VenueName(venueCode), IsOneOf(trackCode, {"23", "24"}) ? "ダ"_sj : "芝"_sj};
  if (course.surface == "芝"_sj && HasInnerAndOuterCourse(course.venue)) {
    const bool inner = IsOneOf(trackCode, {"11", "14", "15", "17", "20", "21"});
    course.venue += inner ? "(内)"_sj : "(外)"_sj;
  }
  // std::string compares bytes as unsigned char: "A1" and "5A" sort after "51".
  if (trackCode.compare("51") >= 0) course.surface = "障"_sj;
  return course;
}

std::string OldVenue(const std::string& venueCode2) {
  const std::string& name = VenueName(StrictNumber(venueCode2));
  return name.empty() ? venueCode2 : name;
}

RaceCourse OldRaceCourse(const std::string& venue, int trackCode) {
  RaceCourse course{venue, trackCode == 23 || trackCode == 24 ? "ダ"_sj : "芝"_sj};
  if (course.surface == "芝"_sj && HasOldInnerAndOuterCourse(venue)) {
    course.venue += IsInnerCourse(trackCode) ? "(内)"_sj : "(外)"_sj;
  }
  if (trackCode > 50) course.surface = "障"_sj;
  return course;
}

}  // namespace tamikaze
