#include "messages/TimerSet.h"

#include <algorithm>

#include "messages/Deadline.h"

namespace quindel {

void TimerSet::set(std::uint32_t id, std::uint32_t period, std::uint32_t now)
{
    // A zero period would fire on every pass of the pump.
    const std::uint32_t safePeriod = std::max<std::uint32_t>(period, 1);
    kill(id);
    timers.push_back(Timer{id, safePeriod, now + safePeriod});
}

void TimerSet::kill(std::uint32_t id)
{
    std::erase_if(timers, [id](const Timer& timer) { return timer.id == id; });
}

bool TimerSet::isRunning(std::uint32_t id) const
{
    return periodOf(id).has_value();
}

std::optional<std::uint32_t> TimerSet::periodOf(std::uint32_t id) const
{
    for (const Timer& timer : timers)
        if (timer.id == id)
            return timer.period;
    return std::nullopt;
}

std::optional<std::uint32_t> TimerSet::nextDeadline() const
{
    std::optional<std::uint32_t> nearest;
    for (const Timer& timer : timers)
        if (!nearest || !isAtOrBefore(*nearest, timer.deadline))
            nearest = timer.deadline;
    return nearest;
}

std::optional<std::uint32_t> TimerSet::takeDue(std::uint32_t now)
{
    Timer* earliest = nullptr;
    for (Timer& timer : timers)
        if (isAtOrBefore(timer.deadline, now)
            && (earliest == nullptr || !isAtOrBefore(earliest->deadline, timer.deadline)))
            earliest = &timer;
    if (earliest == nullptr)
        return std::nullopt;
    earliest->deadline += earliest->period;
    if (isAtOrBefore(earliest->deadline, now))
        earliest->deadline = now + earliest->period;
    return earliest->id;
}

}  // namespace quindel
