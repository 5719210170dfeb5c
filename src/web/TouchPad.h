#pragma once

#include <cstdint>

namespace quindel {

// The page's on-screen buttons for touch screens. They play like a gamepad:
// each press and release is queued as a game controller's button event,
// which the platform turns into the key bound to that action at that moment,
// held directions repeating as a pad's do. Enter, which a pad does not have,
// is queued as the Enter key itself.
class TouchPad final {
public:
    // As the page numbers them.
    enum class Button : std::int32_t {
        MoveLeft = 0,
        MoveRight = 1,
        TurnLeft = 2,
        TurnRight = 3,
        Drop = 4,
        Pause = 5,
        Enter = 6,
    };

    // The instance id of the buttons' pad events: SDL numbers real pads from
    // 0 up, so a real pad's held direction and a held button never mix.
    static constexpr std::int32_t PadId = -2;

    // Queues the press or release of the page's button number button. False
    // for a number that names no button, or when SDL's queue refuses it.
    static bool send(std::int32_t button, bool down);
};

}  // namespace quindel
