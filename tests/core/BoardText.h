#pragma once

#include <string>
#include <vector>

#include "core/Playfield.h"

namespace quindel::test {

// The bottle as lines of two characters per square, top row first; given
// lines fill the bottle from the bottom up, rows above them stay empty.
//   ".."  empty
//   "W." "B." "G."  a virus of that colour
//   "w." "b." "g."  a loose capsule half
//   "w<" "w>"  the left and right half of a lying capsule
//   "w^" "wv"  the top and bottom half of a standing capsule
// Joined halves are linked to their neighbour as the link says.
class BoardText final {
public:
    static void load(Playfield& playfield, const std::vector<std::string>& rows);
    static std::vector<std::string> dump(const Playfield& playfield);
};

// The invariants every rule keeps, as a message naming the first broken one,
// or empty when the bottle is sound.
std::string brokenInvariant(const Playfield& playfield);
// Nothing hangs over an empty square that gravity would let fall.
std::string unstableSquare(const Playfield& playfield);
int countViruses(const Playfield& playfield);

}  // namespace quindel::test
