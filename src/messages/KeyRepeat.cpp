#include "messages/KeyRepeat.h"

#include "messages/Deadline.h"

namespace quindel {

bool RepeatSchedule::takeDue(std::uint32_t now)
{
    if (!isDue(next, now))
        return false;
    next += RepeatPace::Period;
    if (isDue(next, now))
        next = now + RepeatPace::Period;
    return true;
}

void KeyRepeat::press(std::int32_t key, std::uint32_t now)
{
    held = key;
    schedule.start(now);
}

void KeyRepeat::release(std::int32_t key)
{
    if (held == key)
        held.reset();
}

std::optional<std::uint32_t> KeyRepeat::nextDeadline() const
{
    if (!held)
        return std::nullopt;
    return schedule.deadline();
}

std::optional<std::int32_t> KeyRepeat::takeDue(std::uint32_t now)
{
    if (!held || !schedule.takeDue(now))
        return std::nullopt;
    return held;
}

}  // namespace quindel
