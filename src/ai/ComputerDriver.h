#pragma once

#include <cstdint>

#include "ai/ComputerPlayer.h"
#include "ai/PlayerAction.h"

namespace quindel {

class Capsule;
class Playfield;

// Presses the computer player's keys at the pace of whoever drives a
// bottle with it (a second bottle, a demo): it asks the player once every
// PressInterval on the driver's own clock of milliseconds and hands back
// what to press. What the answer moves, and when the bottle's tick comes,
// stays the driver's business.
class ComputerDriver final {
public:
    explicit ComputerDriver(int strength) : player(strength) {}

    // Asking begins a whole interval after now: a new bottle, a new round.
    void start(std::uint64_t now) { askDue = now + ComputerPlayer::PressInterval; }
    // Everything waits while the bottle's game is paused.
    void delay(std::uint64_t by) { askDue += by; }
    std::uint64_t nextAsk() const { return askDue; }

    // The key to press at now (None waits); when now is not yet the time to
    // ask, the player is not asked at all. Every ask sets the next one a
    // whole interval later, so a clearing that kept the driver busy never
    // makes it press faster afterwards.
    PlayerAction ask(std::uint64_t now, const Playfield& bottle, const Capsule& current, const Capsule& next,
                     std::uint32_t tickInterval, std::uint64_t nextTick);

    int strength() const { return player.strength(); }

private:
    ComputerPlayer player;
    std::uint64_t askDue = ComputerPlayer::PressInterval;
};

}  // namespace quindel
