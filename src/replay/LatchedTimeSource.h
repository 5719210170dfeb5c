#pragma once

#include <cstdint>
#include <optional>

#include "core/TimeSource.h"

namespace quindel {

// The seconds of another time source, held from the first reading until
// released. The recorder releases them before every message the window
// handles, so everything one message seeds (a level's capsule and its
// viruses) is seeded with one second, as the replay, which carries one
// second per message, seeds it: a second that turned between two readings
// microseconds apart would otherwise be lost to it.
class LatchedTimeSource final : public TimeSource {
public:
    explicit LatchedTimeSource(const TimeSource& inner) : inner(inner) {}

    std::int64_t seconds() const override;
    void release() { held.reset(); }
    // The seconds read since the last release, if any were.
    std::optional<std::int64_t> latched() const { return held; }

private:
    const TimeSource& inner;
    mutable std::optional<std::int64_t> held;
};

}  // namespace quindel
