#include "messages/PadInput.h"

#include <algorithm>


namespace quindel {

bool PadInput::isHeld(PadAction action) const
{
    return std::any_of(holds.begin(), holds.end(), [action](const Hold& hold) { return hold.action == action; });
}

std::optional<PadAction> PadInput::press(std::int32_t pad, PadSource source, PadAction action, std::uint32_t now)
{
    if (!isDirection(action))
        return action;
    const bool already = isHeld(action);
    const bool same = std::any_of(holds.begin(), holds.end(), [&](const Hold& hold) {
        return hold.pad == pad && hold.source == source && hold.action == action;
    });
    if (!same)
        holds.push_back(Hold{pad, source, action});
    // The stick pushed further while the d-pad holds the same way is still
    // one press.
    if (already)
        return std::nullopt;
    repeating = action;
    schedule.start(now);
    return action;
}

void PadInput::release(std::int32_t pad, PadSource source, PadAction action)
{
    std::erase_if(holds,
                  [&](const Hold& hold) { return hold.pad == pad && hold.source == source && hold.action == action; });
    if (repeating && !isHeld(*repeating))
        repeating.reset();
}

void PadInput::removePad(std::int32_t pad)
{
    std::erase_if(holds, [pad](const Hold& hold) { return hold.pad == pad; });
    if (repeating && !isHeld(*repeating))
        repeating.reset();
}

std::optional<std::uint32_t> PadInput::nextDeadline() const
{
    if (!repeating)
        return std::nullopt;
    return schedule.deadline();
}

std::optional<PadAction> PadInput::takeDue(std::uint32_t now)
{
    if (!repeating || !schedule.takeDue(now))
        return std::nullopt;
    return repeating;
}

}  // namespace quindel
