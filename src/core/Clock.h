#pragma once

#include <cstdint>

namespace quindel {

// The millisecond clock that times the animation frames. A steady wall
// clock, never processor time, and waits sleep instead of spinning.
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

// The real clock, counted from its construction (process start for the game).
class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::uint32_t now() const override;
    void waitUntil(std::uint32_t deadline) override;

private:
    std::int64_t startNanoseconds;
};

}  // namespace quindel
