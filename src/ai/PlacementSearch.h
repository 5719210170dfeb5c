#pragma once

#include <cstdint>
#include <vector>

#include "ai/BitBottle.h"
#include "ai/CapsulePose.h"
#include "ai/Evaluator.h"

namespace quindel {

// Chooses where the falling capsule should land: every resting pose it can
// reach is landed in an imagined bottle and scored; the best few are then
// tried with every landing of the next capsule as well, and keep the best
// pair's score.
class PlacementSearch final {
public:
    struct Choice {
        CapsulePose pose;
        std::int64_t value = 0;
    };

    // lookAhead: how many of the best landings are tried with the next
    // capsule (0: none); keysPerFall: the keys the next capsule will have
    // per row.
    PlacementSearch(const Evaluator& evaluator, int lookAhead, int keysPerFall);

    // Best first. Colours are codes 0 to 2; first and second are the
    // falling capsule's as it entered, the next capsule's as it will enter.
    std::vector<Choice> rank(const BitBottle& bottle, const std::vector<CapsulePose>& resting, int first, int second,
                             int nextFirst, int nextSecond) const;

    // The bottle after the capsule lands in the pose, before anything clears.
    static BitBottle landed(const BitBottle& bottle, CapsulePose pose, int first, int second);

private:
    std::int64_t bestFollowUp(const BitBottle& bottle, int first, int second) const;

    const Evaluator& evaluator;
    int lookAhead;
    int keysPerFall;
};

}  // namespace quindel
