// Arbitrary bytes as a saved race-card page through the page import. The
// only outcomes are a race file (line 0 alone, or 61 header lines and one
// 42-line block per runner, no line holding a line end that would shift the
// lines after it), the "not a page of the site" lines, and an error with its
// message and nothing to write; anything else, a crash or a sanitizer report
// is a fault.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert/localhtml/page_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tamikaze::LocalPageState state;
  const tamikaze::PageConversion result =
      tamikaze::ConvertLocalPage(state, std::string(reinterpret_cast<const char*>(data), size));
  const std::size_t lines = state.SaveLst.size();
  const std::size_t full = 61 + 42 * static_cast<std::size_t>(state.HorseCount);
  bool sound = false;
  switch (result.outcome) {
    case tamikaze::PageOutcome::RaceFile:
      sound = state.HorseCount >= 0 && lines == full &&
              state.SaveLst[0] == tamikaze::CopyrightLine() &&
              std::none_of(state.SaveLst.begin(), state.SaveLst.end(), [](std::string_view l) {
                return l.find_first_of("\r\n") != std::string::npos;
              });
      break;
    case tamikaze::PageOutcome::NotLocalPage:
      sound = lines == 0;
      break;
    case tamikaze::PageOutcome::Error:
      sound = lines == 0 && !result.error.empty();
      break;
  }
  if (!sound || state.PageLayout < 0 || state.PageLayout > 3) std::abort();
  return 0;
}
