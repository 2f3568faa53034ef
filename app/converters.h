#pragma once
// The converter of each data type.

#include "convert/convert_state.h"

namespace tamikaze {

// The converter of `dataType` (1 to 6), or nullptr while that data type has
// none yet (its race files then hold line 0 only).
RaceConverter ConverterFor(int dataType);

}  // namespace tamikaze
