#pragma once

#include <cstdint>

namespace quindel {

// One axis of an analogue stick read as two direction buttons. A dead zone
// keeps a stick at rest from moving anything, and the press and release
// thresholds lie apart so a stick held near the edge of the dead zone does
// not chatter between pressed and released.
class StickAxis final {
public:
    enum class Side : std::int32_t {
        Negative = -1,  // left, or up
        Centre = 0,
        Positive = 1,  // right, or down
    };

    // About half the travel to press; back below about a third to release.
    static constexpr int PressAt = 16384;
    static constexpr int ReleaseBelow = 10923;

    // The side the stick is on once it reads value (-32768 to 32767).
    Side update(int value);
    Side side() const { return current; }

private:
    Side current = Side::Centre;
};

}  // namespace quindel
