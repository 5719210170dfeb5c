#pragma once

#include <cstdint>
#include <memory>

#include "core/CellCodes.h"

namespace quindel {

class Playfield;

// The two-coloured pill the player steers. It is no part of the bottle until
// it is locked: its halves are only positions and colours. Lying, half A is
// the left half; standing, half A is the lower half.
class Capsule final {
public:
    static constexpr std::int32_t EntryColumnA = 3;
    static constexpr std::int32_t EntryColumnB = 4;

    // Random colours, at the entry. Every construction seeds the generator
    // with the whole seconds, so capsules made within one second match.
    Capsule();
    // Given colours, at the entry.
    Capsule(CellColor a, CellColor b);

    std::int32_t columnA = EntryColumnA;
    std::int32_t rowA = 0;
    CellColor colorA = CellColor::White;
    std::int32_t columnB = EntryColumnB;
    std::int32_t rowB = 0;
    CellColor colorB = CellColor::White;

    bool isHorizontal() const { return rowA == rowB; }
};

// The moves of the falling capsule against the bottle. A move that is not
// possible changes nothing (a blocked clockwise turn of a lying capsule swaps
// its colours instead). The Game offers each without arguments.
bool dropCapsule(Capsule& capsule, const Playfield& playfield);
void moveLeft(Capsule& capsule, const Playfield& playfield);
void moveRight(Capsule& capsule, const Playfield& playfield);
void turnLeft(Capsule& capsule, const Playfield& playfield);   // counter-clockwise
void turnRight(Capsule& capsule, const Playfield& playfield);  // clockwise

// Writes the capsule into the bottle as two joined halves, then the next
// capsule becomes current and a new one is made as the next.
void lockCapsule(std::unique_ptr<Capsule>& current, std::unique_ptr<Capsule>& next, Playfield& playfield);

}  // namespace quindel
