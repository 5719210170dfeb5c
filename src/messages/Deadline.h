#pragma once

#include <cstdint>

namespace quindel {

// The millisecond clocks are 32 bits wide and wrap after 49 days: times are
// compared by their signed distance, never by their raw values, so a deadline
// just past the wrap still counts as later.
constexpr std::int32_t millisecondsUntil(std::uint32_t deadline, std::uint32_t now)
{
    return static_cast<std::int32_t>(deadline - now);
}

// Whether time a is b or comes before it.
constexpr bool isAtOrBefore(std::uint32_t a, std::uint32_t b)
{
    return millisecondsUntil(a, b) <= 0;
}

// Whether the deadline has come at now.
constexpr bool isDue(std::uint32_t deadline, std::uint32_t now)
{
    return isAtOrBefore(deadline, now);
}

// Whether time a comes before time b.
constexpr bool isEarlier(std::uint32_t a, std::uint32_t b)
{
    return millisecondsUntil(a, b) < 0;
}

}  // namespace quindel
