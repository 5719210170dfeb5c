#include "sdl/SdlGamepads.h"

#include <algorithm>

namespace quindel {

namespace {

std::optional<PadAction> actionOfButton(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadAction::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadAction::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadAction::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadAction::Up;
    case SDL_CONTROLLER_BUTTON_BACK:
        return PadAction::Back;
    case SDL_CONTROLLER_BUTTON_A:
        return PadAction::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadAction::B;
    case SDL_CONTROLLER_BUTTON_START:
        return PadAction::Start;
    default:
        return std::nullopt;
    }
}

}  // namespace

SdlGamepads::~SdlGamepads()
{
    closeAll();
}

void SdlGamepads::closeAll()
{
    for (const Pad& pad : pads)
        if (pad.controller != nullptr)
            SDL_GameControllerClose(pad.controller);
    pads.clear();
}

bool SdlGamepads::isPadEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
        return true;
    default:
        return false;
    }
}

SdlGamepads::Pad& SdlGamepads::padOf(SDL_JoystickID id)
{
    const auto found = std::find_if(pads.begin(), pads.end(), [id](const Pad& pad) { return pad.id == id; });
    if (found != pads.end())
        return *found;
    // A pad whose arrival we did not see (it came before we listened) still
    // plays; it is only not ours to close.
    pads.push_back(Pad{id, nullptr, {}, {}, freeSlot()});
    return pads.back();
}

int SdlGamepads::freeSlot() const
{
    int slot = 0;
    while (std::any_of(pads.begin(), pads.end(), [slot](const Pad& pad) { return pad.slot == slot; }))
        ++slot;
    return slot;
}

int SdlGamepads::slotOf(SDL_JoystickID id) const
{
    const auto found = std::find_if(pads.begin(), pads.end(), [id](const Pad& pad) { return pad.id == id; });
    return found != pads.end() ? found->slot : 0;
}

std::optional<SdlGamepads::Press> SdlGamepads::pressOf(SDL_JoystickID id, std::optional<PadAction> action) const
{
    if (!action)
        return std::nullopt;
    return Press{*action, slotOf(id)};
}

std::optional<SdlGamepads::Press> SdlGamepads::takeDue(std::uint32_t now)
{
    const auto due = input.takeDueWithPad(now);
    if (!due)
        return std::nullopt;
    return Press{due->action, slotOf(due->pad)};
}

std::uint32_t SdlGamepads::nextPoll() const
{
    if (pads.empty())
        return lastPoll + PollNone;
    const bool inUse = lastUse && lastPoll - *lastUse < InUseFor;
    return lastPoll + (inUse ? PollInUse : PollIdle);
}

std::optional<SdlGamepads::Press> SdlGamepads::handle(const SDL_Event& event, std::uint32_t now)
{
    if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP
        || event.type == SDL_CONTROLLERAXISMOTION)
        lastUse = now;
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        // which is the device index here, an instance id everywhere else.
        SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
        if (controller == nullptr)
            return std::nullopt;
        const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
        Pad& pad = padOf(id);
        if (pad.controller != nullptr)
            SDL_GameControllerClose(pad.controller);  // opened twice: SDL counts references
        pad.controller = controller;
        return std::nullopt;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        const SDL_JoystickID id = event.cdevice.which;
        input.removePad(id);
        const auto found = std::find_if(pads.begin(), pads.end(), [id](const Pad& pad) { return pad.id == id; });
        if (found != pads.end()) {
            if (found->controller != nullptr)
                SDL_GameControllerClose(found->controller);
            pads.erase(found);
        }
        return std::nullopt;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const auto action = actionOfButton(event.cbutton.button);
        if (!action)
            return std::nullopt;
        if (event.type == SDL_CONTROLLERBUTTONDOWN) {
            padOf(event.cbutton.which);
            return pressOf(event.cbutton.which, input.press(event.cbutton.which, PadSource::Buttons, *action, now));
        }
        input.release(event.cbutton.which, PadSource::Buttons, *action);
        return std::nullopt;
    }
    case SDL_CONTROLLERAXISMOTION:
        return pressOf(event.caxis.which, stick(padOf(event.caxis.which), event.caxis.axis, event.caxis.value, now));
    default:
        return std::nullopt;
    }
}

std::optional<PadAction> SdlGamepads::stick(Pad& pad, Uint8 axis, int value, std::uint32_t now)
{
    if (axis == SDL_CONTROLLER_AXIS_LEFTX) {
        const StickAxis::Side before = pad.x.side();
        const StickAxis::Side after = pad.x.update(value);
        if (after == before)
            return std::nullopt;
        // Straight from one side to the other: let go of the first, press the second.
        const auto right = side(pad, PadAction::Right, after == StickAxis::Side::Positive, now);
        const auto left = side(pad, PadAction::Left, after == StickAxis::Side::Negative, now);
        return left ? left : right;
    }
    if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        const StickAxis::Side before = pad.y.side();
        const StickAxis::Side after = pad.y.update(value);
        if (after == before)
            return std::nullopt;
        // Straight from one side to the other: let go of the first, press the second.
        const auto down = side(pad, PadAction::Down, after == StickAxis::Side::Positive, now);
        const auto up = side(pad, PadAction::Up, after == StickAxis::Side::Negative, now);
        return up ? up : down;
    }
    return std::nullopt;
}

std::optional<PadAction> SdlGamepads::side(Pad& pad, PadAction action, bool held, std::uint32_t now)
{
    if (held)
        return input.press(pad.id, PadSource::Stick, action, now);
    input.release(pad.id, PadSource::Stick, action);
    return std::nullopt;
}

}  // namespace quindel
