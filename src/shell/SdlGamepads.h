#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <SDL.h>

#include "shell/PadInput.h"
#include "shell/StickAxis.h"

namespace quindel {

// The game controllers SDL knows, opened as they are plugged in and closed
// as they go, and their events turned into pad actions: d-pad and left
// stick left, right and down move and drop, A turns right, B turns left,
// Start is Start.
class SdlGamepads final {
public:
    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    static bool isPadEvent(const SDL_Event& event);
    // A controller event at now (ms of the pump's clock): the action to
    // deliver at once, if any.
    std::optional<PadAction> handle(const SDL_Event& event, std::uint32_t now);

    std::optional<std::uint32_t> nextDeadline() const { return input.nextDeadline(); }
    std::optional<PadAction> takeDue(std::uint32_t now) { return input.takeDue(now); }
    std::size_t openCount() const { return pads.size(); }
    // Before SDL's controller subsystem goes.
    void closeAll();

private:
    struct Pad final {
        SDL_JoystickID id = -1;
        SDL_GameController* controller = nullptr;
        StickAxis x;
        StickAxis y;
    };
    Pad& padOf(SDL_JoystickID id);
    std::optional<PadAction> stick(Pad& pad, Uint8 axis, int value, std::uint32_t now);
    std::optional<PadAction> side(Pad& pad, PadAction action, bool held, std::uint32_t now);

    std::vector<Pad> pads;
    PadInput input;
};

}  // namespace quindel
