#include "convert/localhtml/page_text.h"

#include "text/numbers.h"

namespace tamikaze {

void BlankDistanceLead(std::string& distance) {
  if (!distance.empty() && LenientNumber(distance.substr(0, 1)) == 0) distance[0] = ' ';
}

}  // namespace tamikaze
