#pragma once
// The trial races whose first places are ranked ahead of every registration
// ranked by amount.

#include <cstdint>
#include <string>

namespace tamikaze {

// The priority of a horse whose most recent race, `trial` (a three-character
// short race name, CP932), it finished in `position`, for the race `target`
// (likewise): for example 9999999 - 1 for the winner of 弥生賞 entered for
// 皐月賞. 0 when the pair of races and the position are not in the table.
int TrialPriority(const std::string& target, const std::string& trial, std::uint8_t position);

}  // namespace tamikaze
