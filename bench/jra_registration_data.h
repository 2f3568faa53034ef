#pragma once
// Synthetic JRA-VAN special registrations of both formats with made-up race
// and horse names: the sample pairs of examples/ and a season-sized set of
// the current format for the benchmarks.

#include "bench/jra_old_data.h"

namespace tamikaze::bench {

// Older special registrations: races of more and fewer than 18 entries,
// among them horses missing from the horse file and amounts doubled by the
// race condition, turf at 京都 inner, at 阪神 and a steeplechase.
JraFiles TourSample();

// Current special registrations likewise, with a race whose entries include
// places in its trials (short name 皐月賞), equal amounts ordered by the last
// race, and turf at 阪神 inner.
JraFiles Tok1Sample();

// `races` current special-registration races of `fewest` to `most` entries
// each, drawn from `horses` horse records (one entry in 40 missing from the
// file), with past-race slots full of data the way real records are.
// Deterministic: the same arguments give the same bytes.
JraFiles Tok1Season(int races, int fewest, int most, int horses);

}  // namespace tamikaze::bench
