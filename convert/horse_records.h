#pragma once
// The horse record formats of the data sets: how far apart the records stand
// and where the key lies that a race searches them by.

#include "convert/record_key_index.h"

namespace tamikaze {

// JRACUMAJ.DAT, searched by a race card's ten-character horse key.
inline constexpr RecordKeyLayout kJraCurrentHorseKey{2881, 1, 10};
// JRACUMAJ.DAT, searched by a special registration's entry: the key's last
// eight characters.
inline constexpr RecordKeyLayout kJraCurrentHorseKeyTail{2881, 3, 8};
// JRA#UMAJ.DAT, the older JRA-VAN horse file.
inline constexpr RecordKeyLayout kJraOldHorseKey{1825, 1, 8};
// KOL_UMA.KD2 and KOL_UMA.DAT, searched by a 競馬道 race key.
inline constexpr RecordKeyLayout kKd2HorseKey{5166, 1, 7};
inline constexpr RecordKeyLayout kKolHorseKey{2247, 1, 7};

inline constexpr RecordKeyLayout kHorseKeyLayouts[] = {
    kJraCurrentHorseKey, kJraCurrentHorseKeyTail, kJraOldHorseKey, kKd2HorseKey, kKolHorseKey,
};

}  // namespace tamikaze
