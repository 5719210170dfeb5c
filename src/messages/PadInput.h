#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "messages/KeyRepeat.h"

namespace quindel {

// What a gamepad's player pressed: the four directions of the d-pad or the
// left stick and four buttons. In play they become the keys bound to their
// actions (left and right move, down drops, A turns right, B turns left,
// Start pauses); in the menu and the dialogs they move and choose.
enum class PadAction : std::int32_t {
    Left = 0,
    Right = 1,
    Down = 2,
    A = 3,
    B = 4,
    Start = 5,
    Up = 6,
    Back = 7,
};

// Which part of a pad holds a direction: the d-pad and the stick may both
// hold the same one.
enum class PadSource : std::int32_t {
    Buttons = 0,
    Stick = 1,
};

// The pads' presses and the repeat of a held direction, on the pump's clock.
// A direction held down repeats like a held key: once at the press, again
// after a delay, then at a steady rate, until every source holding it lets
// go. Only the direction pressed last repeats, as with a keyboard. Buttons
// act once per press. With the pads apart (two players, one to a pad) all
// of that holds for each pad on its own: each pad's last direction repeats
// whatever the other pad does.
class PadInput final {
public:
    static constexpr std::uint32_t RepeatDelay = RepeatPace::Delay;
    static constexpr std::uint32_t RepeatPeriod = RepeatPace::Period;

    static bool isDirection(PadAction action)
    {
        return action == PadAction::Left || action == PadAction::Right || action == PadAction::Down
            || action == PadAction::Up;
    }

    // The action to deliver now, if any: a button, or a direction that no
    // source held yet.
    std::optional<PadAction> press(std::int32_t pad, PadSource source, PadAction action, std::uint32_t now);
    void release(std::int32_t pad, PadSource source, PadAction action);
    // A pad unplugged lets go of everything it held.
    void removePad(std::int32_t pad);
    // Everything let go: the window lost the focus, and with it the pads'
    // releases.
    void releaseAll()
    {
        holds.clear();
        repeats.clear();
    }
    // Every pad a player of its own, or all pads one player.
    void setPadsApart(bool on);

    // When a held direction repeats next; none while nothing repeats.
    std::optional<std::uint32_t> nextDeadline() const;
    // The direction to deliver again when its repeat is due at now. A repeat
    // that fell behind (the game was busy) comes once, not once per period.
    std::optional<PadAction> takeDue(std::uint32_t now);
    // The same, with the pad whose direction it is.
    struct Due final {
        std::int32_t pad = 0;
        PadAction action = PadAction::Left;
    };
    std::optional<Due> takeDueWithPad(std::uint32_t now);

private:
    struct Hold final {
        std::int32_t pad = 0;
        PadSource source = PadSource::Buttons;
        PadAction action = PadAction::Left;
    };
    struct Repeat final {
        std::int32_t pad = 0;
        PadAction action = PadAction::Left;
        RepeatSchedule schedule;
    };
    // Whether the pad (any pad, unless they are apart) still holds it.
    bool isHeld(std::int32_t pad, PadAction action) const;
    void dropReleasedRepeats();

    std::vector<Hold> holds;
    // One at most, unless the pads are apart: then one for each pad.
    std::vector<Repeat> repeats;
    bool apart = false;
};

}  // namespace quindel
