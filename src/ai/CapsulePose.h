#pragma once

#include "core/Capsule.h"

namespace quindel {

// Where the falling capsule stands and which way round, counted from how it
// entered with its colours first and second: turn 0 lies as it came, turn 1
// stands after one clockwise turn (second below), turn 2 lies the other way
// round, turn 3 stands with first below. Square A is the left half lying
// and the lower half standing, as in the game.
struct CapsulePose {
    static constexpr int Count = 8 * 16 * 4;

    int column = Capsule::EntryColumnA;
    int row = 0;
    int turn = 0;

    bool lying() const { return turn % 2 == 0; }
    int columnB() const { return lying() ? column + 1 : column; }
    int rowB() const { return lying() ? row : row - 1; }
    // A dense number for tables of every pose.
    int index() const { return (row * 8 + column) * 4 + turn; }
    static CapsulePose ofIndex(int index) { return {(index / 4) % 8, index / 32, index % 4}; }
    // Which of the entry colours each square shows.
    bool firstInA() const { return turn == 0 || turn == 3; }

    bool operator==(const CapsulePose&) const = default;
};

}  // namespace quindel
