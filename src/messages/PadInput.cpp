#include "messages/PadInput.h"

#include <algorithm>

#include "messages/Deadline.h"

namespace quindel {

bool PadInput::isHeld(std::int32_t pad, PadAction action) const
{
    return std::any_of(holds.begin(), holds.end(), [this, pad, action](const Hold& hold) {
        return hold.action == action && (!apart || hold.pad == pad);
    });
}

void PadInput::dropReleasedRepeats()
{
    std::erase_if(repeats, [this](const Repeat& repeat) { return !isHeld(repeat.pad, repeat.action); });
}

void PadInput::setPadsApart(bool on)
{
    if (on == apart)
        return;
    apart = on;
    // What repeated for one player must not go on for another.
    repeats.clear();
}

std::optional<PadAction> PadInput::press(std::int32_t pad, PadSource source, PadAction action, std::uint32_t now)
{
    if (!isDirection(action))
        return action;
    const bool already = isHeld(pad, action);
    const bool same = std::any_of(holds.begin(), holds.end(), [&](const Hold& hold) {
        return hold.pad == pad && hold.source == source && hold.action == action;
    });
    if (!same)
        holds.push_back(Hold{pad, source, action});
    // The stick pushed further while the d-pad holds the same way is still
    // one press.
    if (already)
        return std::nullopt;
    // The direction pressed last repeats: the player's last, when each pad
    // is a player of its own.
    if (apart)
        std::erase_if(repeats, [pad](const Repeat& repeat) { return repeat.pad == pad; });
    else
        repeats.clear();
    Repeat repeat{pad, action, {}};
    repeat.schedule.start(now);
    repeats.push_back(repeat);
    return action;
}

void PadInput::release(std::int32_t pad, PadSource source, PadAction action)
{
    std::erase_if(holds,
                  [&](const Hold& hold) { return hold.pad == pad && hold.source == source && hold.action == action; });
    dropReleasedRepeats();
}

void PadInput::removePad(std::int32_t pad)
{
    std::erase_if(holds, [pad](const Hold& hold) { return hold.pad == pad; });
    dropReleasedRepeats();
}

std::optional<std::uint32_t> PadInput::nextDeadline() const
{
    std::optional<std::uint32_t> earliest;
    for (const Repeat& repeat : repeats)
        if (!earliest || isEarlier(repeat.schedule.deadline(), *earliest))
            earliest = repeat.schedule.deadline();
    return earliest;
}

std::optional<PadAction> PadInput::takeDue(std::uint32_t now)
{
    const std::optional<Due> due = takeDueWithPad(now);
    if (!due)
        return std::nullopt;
    return due->action;
}

std::optional<PadInput::Due> PadInput::takeDueWithPad(std::uint32_t now)
{
    Repeat* earliest = nullptr;
    for (Repeat& repeat : repeats)
        if (isDue(repeat.schedule.deadline(), now)
            && (earliest == nullptr || isEarlier(repeat.schedule.deadline(), earliest->schedule.deadline())))
            earliest = &repeat;
    if (earliest == nullptr || !earliest->schedule.takeDue(now))
        return std::nullopt;
    return Due{earliest->pad, earliest->action};
}

}  // namespace quindel
