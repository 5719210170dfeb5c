#pragma once

#include <array>
#include <cstdint>

#include "ai/BitBottle.h"
#include "ai/CapsulePose.h"

namespace quindel {

// Where a capsule that has just entered can land, found a whole row at a
// time on bit masks: the 32 poses of a row (turn * 8 + column) are one
// word, and every key is a shift. It is how the player looks one capsule
// ahead cheaply. It leaves out the lift against the left wall, so it may
// miss a landing the exact search finds, but never claims one it cannot.
class QuickReach final {
public:
    // keysPerFall: keys that fit in between two falls (and before the first).
    // Equal colours make turns 2 and 3 the same as 0 and 1, so they are left
    // out of the landings.
    QuickReach(const BitBottle& bottle, int keysPerFall, bool equalColours);

    // The poses of the row where the capsule may land, as turn * 8 + column.
    std::uint32_t landingsIn(int row) const { return landings[static_cast<std::size_t>(row)]; }

    template <typename Visit>
    void forEachLanding(Visit visit) const
    {
        for (int row = 0; row < BitBottle::Rows; ++row)
            for (std::uint32_t bits = landings[static_cast<std::size_t>(row)]; bits != 0; bits &= bits - 1) {
                const int at = __builtin_ctz(bits);
                visit(CapsulePose{at % 8, row, at / 8});
            }
    }

private:
    std::array<std::uint32_t, BitBottle::Rows> landings{};
};

}  // namespace quindel
