#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <SDL.h>

#include "messages/PadInput.h"
#include "messages/StickAxis.h"

namespace quindel {

// The game controllers SDL knows, opened as they are plugged in and closed
// as they go, and their events turned into pad actions: d-pad and left
// stick left, right and down move and drop, A turns right, B turns left,
// Start is Start. Each pad has a slot, the first free from 0 when it came:
// the first pad plugged in is slot 0 (player one in a versus match), the
// second slot 1, and a pad keeps its slot while the other comes and goes.
class SdlGamepads final {
public:
    // An action and the slot of the pad it came from.
    struct Press final {
        PadAction action = PadAction::Left;
        int slot = 0;
    };

    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    static bool isPadEvent(const SDL_Event& event);
    // A controller event at now (ms of the pump's clock): the action to
    // deliver at once, if any.
    std::optional<Press> handle(const SDL_Event& event, std::uint32_t now);

    std::optional<std::uint32_t> nextDeadline() const { return input.nextDeadline(); }

    // SDL's own reading of the pads wakes every millisecond while one is
    // plugged in (3.7 % of a core measured under Xvfb); the platform reads
    // them itself instead, as often as play needs: every few milliseconds
    // while a pad is in use, seldom while one only sits there, and once a
    // second with none, to notice one plugged in.
    static constexpr std::uint32_t PollInUse = 8;
    static constexpr std::uint32_t PollIdle = 100;
    static constexpr std::uint32_t PollNone = 1000;
    // How long after its last press or release a pad still counts as in use.
    static constexpr std::uint32_t InUseFor = 10000;
    std::uint32_t nextPoll() const;
    void polled(std::uint32_t now) { lastPoll = now; }
    std::optional<Press> takeDue(std::uint32_t now);
    // Every pad a player of its own (a versus match), or all pads one.
    void setPadsApart(bool on) { input.setPadsApart(on); }
    std::size_t openCount() const { return pads.size(); }
    // The window lost the focus: SDL sends no more of the pads' events, so
    // nothing held may go on repeating.
    void releaseAll() { input.releaseAll(); }
    // Before SDL's controller subsystem goes.
    void closeAll();

private:
    struct Pad final {
        SDL_JoystickID id = -1;
        SDL_GameController* controller = nullptr;
        StickAxis x;
        StickAxis y;
        int slot = 0;
    };
    Pad& padOf(SDL_JoystickID id);
    int freeSlot() const;
    int slotOf(SDL_JoystickID id) const;
    std::optional<Press> pressOf(SDL_JoystickID id, std::optional<PadAction> action) const;
    std::optional<PadAction> stick(Pad& pad, Uint8 axis, int value, std::uint32_t now);
    std::optional<PadAction> side(Pad& pad, PadAction action, bool held, std::uint32_t now);

    std::vector<Pad> pads;
    PadInput input;
    std::uint32_t lastPoll = 0;
    std::optional<std::uint32_t> lastUse;
};

}  // namespace quindel
