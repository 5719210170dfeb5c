#pragma once

#include <cstdint>

namespace quindel {

// The millisecond clock that times the timers and the animation frames. A
// steady wall clock, never processor time, and waits sleep instead of
// spinning. The real game gives one, the scripted run a virtual one.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the clock started.
    virtual std::uint32_t now() const = 0;
    // Returns once now() has reached the deadline.
    virtual void waitUntil(std::uint32_t deadline) = 0;

    // One animation frame's wait: ms milliseconds counted from now.
    void waitFor(std::uint32_t ms) { waitUntil(now() + ms); }
};

}  // namespace quindel
