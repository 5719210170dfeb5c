#pragma once

#include <cstdint>

#include "ai/BitBottle.h"
#include "ai/CapsulePose.h"
#include "ai/Evaluator.h"
#include "ai/PlayerAction.h"
#include "core/CellCodes.h"

namespace quindel {

class Capsule;
class MoveSearch;
class Playfield;

// The computer player. Its driver calls next whenever a key may be pressed,
// never more often than once every PressInterval, and presses the key bound
// to the action (None waits). For each new capsule it finds every landing
// the capsule can still reach in time, scores them (at the higher strengths
// together with the next capsule's best answer) and then steers towards the
// best one, finding the way again at every call, so a tick that comes
// earlier than it reckoned never leads it astray. It knows nothing but the
// bottle's rules and what it is shown, and the same calls always get the
// same answers.
class ComputerPlayer final {
public:
    static constexpr std::uint32_t PressInterval = 50;
    static constexpr int WeakestStrength = 1;
    static constexpr int StrongestStrength = 3;

    // Strength 1 to 3; anything else is taken as the nearest of them.
    explicit ComputerPlayer(int strength);

    PlayerAction next(const Playfield& bottle, const Capsule& current, const Capsule& next, std::uint32_t tickInterval,
                      std::uint32_t msUntilNextTick);

    int strength() const { return level; }
    // Calls between two keys at this strength: 1 presses at every call.
    int callsPerKey() const { return pace; }

private:
    void choose(const BitBottle& bottle, const MoveSearch& search, CapsulePose from, int keysPerFall);

    int level;
    int pace;
    // How many of the best landings are tried with the next capsule.
    int lookAhead;
    // Every so many choices the weakest player settles for its second best.
    int slipEvery;
    Evaluator evaluator;

    // The capsule being steered: the bottle it falls into, its colours as it
    // entered, the next capsule's, and where it is to land.
    bool steering = false;
    BitBottle bottleSeen;
    CellColor first = CellColor::NoColor;
    CellColor second = CellColor::NoColor;
    CellColor nextFirst = CellColor::NoColor;
    CellColor nextSecond = CellColor::NoColor;
    CapsulePose target;
    int callsSinceKey = 0;
    std::uint32_t choices = 0;
};

}  // namespace quindel
