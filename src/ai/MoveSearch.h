#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ai/CapsuleMoves.h"
#include "ai/CapsulePose.h"
#include "ai/PlayerAction.h"

namespace quindel {

// Every pose the falling capsule can still reach, with the shortest way
// there, given how many keys fit in before it falls a row. A fall, by the
// tick or by a Drop, always gives the full number of keys again (a Drop
// restarts the tick). The search goes a step at a time and drops every way
// that comes to a pose no sooner and with no more keys left than one
// before it: it can reach nothing the earlier one cannot.
class MoveSearch final {
public:
    // pressesNow: keys that fit in before the capsule next falls;
    // pressesPerFall: keys that fit in between two falls.
    MoveSearch(const CapsuleMoves& moves, CapsulePose start, int pressesNow, int pressesPerFall);

    bool reaches(CapsulePose pose) const { return left[static_cast<std::size_t>(pose.index())] >= 0; }
    // The reached poses where the capsule cannot fall: where it may land.
    const std::vector<CapsulePose>& restingPoses() const { return resting; }
    // The first key on the way to the pose: Drop lands at once when the
    // capsule already rests there, None when the pose is out of reach.
    PlayerAction firstStepTo(CapsulePose target) const;

private:
    CapsulePose origin;
    // The most keys any way has had left at each pose, -1 where none came.
    std::array<std::int8_t, CapsulePose::Count> left{};
    // The first key of the shortest way to each pose. A way may pass a pose
    // twice (a capsule lifted at the left wall and falling back has more
    // keys the second time), so only its first key is kept.
    std::array<PlayerAction, CapsulePose::Count> firstKey{};
    std::vector<CapsulePose> resting;
};

}  // namespace quindel
