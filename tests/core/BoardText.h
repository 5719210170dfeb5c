#pragma once

#include <string>
#include <vector>

#include "core/Playfield.h"

namespace quindel::test {

// The bottle as lines of two characters per square, top row first, in the
// notation of the scripted run's `board` lines (without their spaces); given
// lines fill the bottle from the bottom up, rows above them stay empty.
//   ".."  empty
//   "W." "B." "G."  a virus of that colour
//   "w-" "b-" "g-"  a loose capsule half
//   "w>" "w<"  a half whose partner lies to its right / left (a lying capsule)
//   "wv" "w^"  a half whose partner lies below / above (a standing capsule)
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
