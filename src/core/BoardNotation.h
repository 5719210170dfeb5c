#pragma once

#include <string>

#include "core/Cell.h"

namespace quindel {

// A square of the bottle as two characters, the notation the scripted run's
// `board` lines and the tests write the bottle in:
//   ".."  empty
//   "W." "B." "G."  a virus of that colour
//   "w>" "b<" "gv" "w^"  a capsule half and where its partner lies (right,
//                        left, below, above); "w-" a half on its own
// A colour the game does not have shows as "?".
std::string cellToken(const Cell& cell);

}  // namespace quindel
