// Arbitrary race-card and horse texts through the converter of one data type
// (TAMIKAZE_FUZZ_DATA_TYPE), every race in turn, as the import driver calls
// it. A strict number that does not read ends the import and is a normal
// outcome; a crash, a sanitizer report or an empty race file name is a fault.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "import/data_types.h"
#include "racefile/blocks.h"
#include "text/numbers.h"

namespace {

const tamikaze::DataTypeInfo& Row() {
  const tamikaze::DataTypeInfo& row = tamikaze::DataTypeRow(TAMIKAZE_FUZZ_DATA_TYPE);
  if (!row.converter) {
    std::fprintf(stderr, "data type %d has no converter\n", TAMIKAZE_FUZZ_DATA_TYPE);
    std::exit(1);
  }
  return row;
}

// The input is a 4-byte little-endian length n, then n bytes of horse text
// (n is cut at the input's end), then the race-card text: so a seed can be
// made from real record files (scripts/fuzz.sh's seeds, fuzz/corpus/).
void Load(tamikaze::ConvertState& state, const tamikaze::DataTypeInfo& row, const uint8_t* data,
          size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  size_t umaSize = 0;
  for (size_t i = 0; i < 4 && i < size; ++i) umaSize |= static_cast<size_t>(data[i]) << (8 * i);
  const size_t start = size < 4 ? size : 4;
  umaSize = std::min(umaSize, size - start);
  state.DataType = row.dataType;
  state.UmaText.assign(bytes + start, umaSize);
  state.UmaLength = static_cast<tamikaze::TextOffset>(state.UmaText.size());
  state.DenText.assign(bytes + start + umaSize, size - start - umaSize);
  state.RaceCount = static_cast<int>(state.DenText.size() / row.recordSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tamikaze::DataTypeInfo& row = Row();
  tamikaze::ConvertState state;
  Load(state, row, data, size);
  try {
    for (int race = 1; race <= state.RaceCount; ++race) {
      state.SaveLst = {tamikaze::CopyrightLine()};
      row.converter(state, race);
      if (state.RaceFileName.empty()) std::abort();
    }
  } catch (const tamikaze::ENotInteger&) {
  }
  return 0;
}
