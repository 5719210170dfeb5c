#pragma once

#include <array>
#include <cstdint>

#include "ai/BitBottle.h"
#include "ai/CapsulePose.h"
#include "ai/PlayerAction.h"

namespace quindel {

class Capsule;

// The falling capsule's moves, turns and fall against one bottle, exactly as
// the game allows them: turns that kick off a wall, a clockwise turn that
// swaps the colours where there is no room above, the lift a standing
// capsule gets when turned clockwise against the left wall.
class CapsuleMoves final {
public:
    explicit CapsuleMoves(const BitBottle& bottle);

    bool isFree(int column, int row) const
    {
        return static_cast<unsigned>(column) < 8 && static_cast<unsigned>(row) < 16
            && ((taken[static_cast<std::size_t>(column)] >> row) & 1) == 0;
    }
    bool fits(CapsulePose pose) const { return isFree(pose.column, pose.row) && isFree(pose.columnB(), pose.rowB()); }
    // The pose after the key; the same pose when the game refuses it. Drop
    // is the fall of one row, refused where the capsule would land.
    CapsulePose after(CapsulePose pose, PlayerAction action) const;
    bool canFall(CapsulePose pose) const;

    // The pose of a capsule that entered with the colours first and second;
    // false when the capsule does not show those two colours.
    static bool poseOf(const Capsule& capsule, CellColor first, CellColor second, CapsulePose& pose);

private:
    std::array<std::uint16_t, 8> taken{};
};

}  // namespace quindel
