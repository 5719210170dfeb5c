#include "ai/CapsuleMoves.h"

#include "core/Capsule.h"

namespace quindel {

CapsuleMoves::CapsuleMoves(const BitBottle& bottle)
{
    const BottleBits occupied = bottle.occupied();
    for (int column = 0; column < 8; ++column)
        taken[static_cast<std::size_t>(column)] = BitBottle::columnOf(occupied, column);
}

bool CapsuleMoves::canFall(CapsulePose pose) const
{
    if (pose.lying())
        return isFree(pose.column, pose.row + 1) && isFree(pose.column + 1, pose.row + 1);
    return isFree(pose.column, pose.row + 1);
}

CapsulePose CapsuleMoves::after(CapsulePose pose, PlayerAction action) const
{
    const int c = pose.column;
    const int r = pose.row;
    const int clockwise = (pose.turn + 1) % 4;
    const int counter = (pose.turn + 3) % 4;
    if (pose.lying()) {
        switch (action) {
        case PlayerAction::MoveLeft:
            return isFree(c - 1, r) ? CapsulePose{c - 1, r, pose.turn} : pose;
        case PlayerAction::MoveRight:
            return isFree(c + 2, r) ? CapsulePose{c + 1, r, pose.turn} : pose;
        case PlayerAction::TurnLeft:
            return isFree(c, r - 1) ? CapsulePose{c, r, counter} : pose;
        case PlayerAction::TurnRight:
            if (r == 0)
                return pose;
            // No room above the right half: the halves swap where they lie.
            if (!isFree(c + 1, r - 1))
                return CapsulePose{c, r, (pose.turn + 2) % 4};
            return CapsulePose{c + 1, r, clockwise};
        case PlayerAction::Drop:
            return canFall(pose) ? CapsulePose{c, r + 1, pose.turn} : pose;
        case PlayerAction::None:
            return pose;
        }
        return pose;
    }
    switch (action) {
    case PlayerAction::MoveLeft:
        return isFree(c - 1, r) && isFree(c - 1, r - 1) ? CapsulePose{c - 1, r, pose.turn} : pose;
    case PlayerAction::MoveRight:
        return isFree(c + 1, r) && isFree(c + 1, r - 1) ? CapsulePose{c + 1, r, pose.turn} : pose;
    case PlayerAction::TurnLeft:
        // Against the right wall the capsule lies one column in.
        if (c == 7)
            return isFree(6, r) ? CapsulePose{6, r, counter} : pose;
        return isFree(c + 1, r) ? CapsulePose{c, r, counter} : pose;
    case PlayerAction::TurnRight:
        // Against the left wall it lies in the upper half's row.
        if (c == 0)
            return isFree(1, r - 1) ? CapsulePose{0, r - 1, clockwise} : pose;
        return isFree(c - 1, r) ? CapsulePose{c - 1, r, clockwise} : pose;
    case PlayerAction::Drop:
        return canFall(pose) ? CapsulePose{c, r + 1, pose.turn} : pose;
    case PlayerAction::None:
        return pose;
    }
    return pose;
}

bool CapsuleMoves::poseOf(const Capsule& capsule, CellColor first, CellColor second, CapsulePose& pose)
{
    const bool lying = capsule.isHorizontal();
    const bool sameWay = capsule.colorA == first && capsule.colorB == second;
    const bool otherWay = capsule.colorA == second && capsule.colorB == first;
    if (!sameWay && !otherWay)
        return false;
    // A lies as it came when it shows the first colour; standing, turn 1
    // has the second colour below. Equal colours read as turns 0 and 1.
    int turn = 0;
    if (lying)
        turn = sameWay ? 0 : 2;
    else
        turn = otherWay ? 1 : 3;
    pose = CapsulePose{capsule.columnA, capsule.rowA, turn};
    return true;
}

}  // namespace quindel
