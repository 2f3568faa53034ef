#include "convert/jravan/jra_current.h"

#include "convert/jravan/slot_reader.h"
#include "racefile/blocks.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

// Past-race fields of slot 1 (1-based byte in the horse record); slot s lies
// 215 x (s - 1) bytes further on.
constexpr int kSlotDistance = 215;
constexpr int kYearMonthPos1 = 907;
constexpr int kVenuePos1 = 913;
constexpr int kDistancePos1 = 961;
constexpr int kTrackPos1 = 965;
constexpr int kGoingPos1 = 983;
constexpr int kPassingPos1 = 1029;  // three two-byte positions in a row
constexpr int kClosingTimePos1 = 1038;
constexpr int kTimePos1 = 1041;
constexpr int kFinishPos1 = 1048;
constexpr int kSecondFinishPos1 = 1050;

constexpr int kFirstSteeplechaseTrack = 51;

// Passing positions, read leniently.
std::string PassingPositions(const SlotReader& slot) {
  return PassingPositionsLine(slot.Lenient(kPassingPos1, 2), slot.Lenient(kPassingPos1 + 2, 2),
                              slot.Lenient(kPassingPos1 + 4, 2));
}

// The closing time; "000" is written "999".
void AppendClosingTime(RaceLines& lines, const SlotReader& slot) {
  const FieldText time = slot.Field(kClosingTimePos1, 3);
  lines.push_back(time.View() == "000" ? std::string_view("999") : time.View());
}

// The going's name, or its code as read when it has none.
void AppendGoing(RaceLines& lines, const SlotReader& slot) {
  const FieldText code = slot.Field(kGoingPos1, 1);
  const std::string& going = GoingName(LenientNumber(code));
  lines.push_back(going.empty() ? code.View() : std::string_view(going));
}

}  // namespace

void AddPastRace(ConvertState& state, int slot) {
  const SlotReader reader(state, slot, kSlotDistance);
  const std::string& letter = VenueLetter(reader.Field(kVenuePos1, 2));
  const int track = reader.Lenient(kTrackPos1, 2);
  int finish = reader.Lenient(kFinishPos1, 2);
  if (finish == 0) finish = reader.Lenient(kSecondFinishPos1, 2);

  RaceLines& lines = state.SaveLst;
  if (letter.empty() || track >= kFirstSteeplechaseTrack || finish == 0) {
    AppendPlaceholderBlock(lines, DistanceDigits::Four);
    return;
  }
  lines.push_back(track == 23 || track == 24 ? "ダ"_sj : "芝"_sj);
  lines.push_back(reader.Field(kDistancePos1, 4));
  lines.PushJoined({letter, reader.Field(kYearMonthPos1, 4)});
  lines.push_back(reader.Field(kTimePos1, 4));
  lines.push_back(PassingPositions(reader));
  AppendClosingTime(lines, reader);
  AppendGoing(lines, reader);
  lines.push_back(TwoColumn(finish));
}

}  // namespace tamikaze
