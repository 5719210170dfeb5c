#pragma once

#include "messages/SteadyClock.h"

namespace quindel {

// The real game's millisecond clock. Its animation waits sleep to the
// deadline (never spin) and pump the desktop's events into SDL's queue on the
// way, so the window stays answered while nothing of the game runs.
class SdlClock final : public Clock {
public:
    std::uint32_t now() const override { return steady.now(); }
    void waitUntil(std::uint32_t deadline) override;
    // To the deadline's exact millisecond, without pumping (for the last
    // millisecond or two before a timer).
    void sleepUntil(std::uint32_t deadline) { steady.waitUntil(deadline); }

private:
    SteadyClock steady;
};

}  // namespace quindel
