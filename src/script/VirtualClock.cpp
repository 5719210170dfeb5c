#include "script/VirtualClock.h"

#include <limits>

#include "messages/Deadline.h"

namespace quindel {

void VirtualClock::waitUntil(std::uint32_t deadline)
{
    advanceTo(absolute(deadline));
}

void VirtualClock::advanceTo(std::uint64_t target)
{
    if (target > ms)
        ms = target;
}

std::uint64_t VirtualClock::absolute(std::uint32_t deadline) const
{
    // Deadlines lie within ±24 days of now, so the signed distance is exact.
    const auto distance = millisecondsUntil(deadline, now());
    if (distance < 0 && static_cast<std::uint64_t>(-static_cast<std::int64_t>(distance)) > ms)
        return 0;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(ms) + distance);
}

std::int64_t VirtualClock::seconds() const
{
    // A base near the end of the 64-bit seconds stays there rather than
    // wrapping around as the clock goes on.
    const auto passed = static_cast<std::int64_t>(ms / 1000);
    if (base > std::numeric_limits<std::int64_t>::max() - passed)
        return std::numeric_limits<std::int64_t>::max();
    return base + passed;
}

}  // namespace quindel
