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

void KeyRepeat::setKeysApart(bool on)
{
    apart = on;
    // From many held keys to one: the one pressed last goes on.
    if (!apart && held.size() > 1)
        held.erase(held.begin(), held.end() - 1);
}

void KeyRepeat::press(std::int32_t key, std::uint32_t now)
{
    if (apart)
        std::erase_if(held, [key](const Held& each) { return each.key == key; });
    else
        held.clear();
    Held pressed{key, {}};
    pressed.schedule.start(now);
    held.push_back(pressed);
}

void KeyRepeat::release(std::int32_t key)
{
    std::erase_if(held, [key](const Held& each) { return each.key == key; });
}

std::optional<std::uint32_t> KeyRepeat::nextDeadline() const
{
    std::optional<std::uint32_t> earliest;
    for (const Held& each : held)
        if (!earliest || isEarlier(each.schedule.deadline(), *earliest))
            earliest = each.schedule.deadline();
    return earliest;
}

std::optional<std::int32_t> KeyRepeat::takeDue(std::uint32_t now)
{
    Held* earliest = nullptr;
    for (Held& each : held)
        if (isDue(each.schedule.deadline(), now)
            && (earliest == nullptr || isEarlier(each.schedule.deadline(), earliest->schedule.deadline())))
            earliest = &each;
    if (earliest == nullptr || !earliest->schedule.takeDue(now))
        return std::nullopt;
    return earliest->key;
}

}  // namespace quindel
