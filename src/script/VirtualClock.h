#pragma once

#include <cstdint>
#include <functional>

#include "core/TimeSource.h"
#include "messages/Clock.h"

namespace quindel {

// The scripted run's time: milliseconds that pass only when told to, and the
// calendar seconds derived from them. Waiting never sleeps; it moves the
// clock on at once (an animation frame of 150 ms is 150 ms later, now).
class VirtualClock final : public Clock, public TimeSource {
public:
    std::uint32_t now() const override { return static_cast<std::uint32_t>(ms); }
    void waitUntil(std::uint32_t deadline) override;

    // The clock only ever goes forward.
    void advanceTo(std::uint64_t target);
    // Told before the clock moves on, with where it stands and where it
    // goes: a replay watched in the window lets that much real time pass
    // there, so the game plays at its own speed. None by default: the
    // scripted run never waits.
    using Pace = std::function<void(std::uint64_t from, std::uint64_t to)>;
    void setPace(Pace value) { pace = std::move(value); }
    std::uint64_t elapsed() const { return ms; }
    // Turns a deadline of the 32-bit clock into the running 64-bit count.
    std::uint64_t absolute(std::uint32_t deadline) const;

    // Seconds since 1970 that seed the generator: base + whole seconds passed.
    std::int64_t seconds() const override;
    void setBase(std::int64_t seconds) { base = seconds; }
    std::int64_t baseSeconds() const { return base; }

private:
    std::uint64_t ms = 0;
    std::int64_t base = 0;
    Pace pace;
};

}  // namespace quindel
