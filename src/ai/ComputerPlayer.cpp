#include "ai/ComputerPlayer.h"

#include <algorithm>

#include "ai/CapsuleMoves.h"
#include "ai/MoveSearch.h"
#include "ai/PlacementSearch.h"
#include "core/Capsule.h"
#include "core/Playfield.h"

namespace quindel {

namespace {

struct Style {
    int pace;
    int lookAhead;
    int slipEvery;
    EvalWeights weights;
};

Style styleOf(int strength)
{
    switch (strength) {
    case 1: {
        // Looks at the falling capsule alone, cares less where the halves go,
        // presses a key every 200 ms and now and then takes its second best.
        EvalWeights careless;
        careless.hole = -10;
        careless.sideBySide = 0;
        careless.chain = 0;
        return {4, 0, 3, careless};
    }
    case 2:
        // Weighs only its two best landings with the next capsule and
        // presses a key every 100 ms.
        return {2, 2, 0, EvalWeights{}};
    default:
        return {1, 12, 0, EvalWeights{}};
    }
}

int colourCode(CellColor color)
{
    return static_cast<int>(color) - static_cast<int>(CellColor::White);
}

// Keys that fit in before a tick ms away, the first one after a wait of
// delay ms, then one every spacing ms. A key due at the very moment of the
// tick is not counted: the tick may come first.
int keysWithin(std::uint32_t ms, std::uint32_t delay, std::uint32_t spacing)
{
    if (ms <= delay)
        return 0;
    return static_cast<int>((ms - delay - 1) / spacing) + 1;
}

}  // namespace

ComputerPlayer::ComputerPlayer(int strength)
    : level(std::clamp(strength, WeakestStrength, StrongestStrength)), pace(styleOf(level).pace),
      lookAhead(styleOf(level).lookAhead), slipEvery(styleOf(level).slipEvery), evaluator(styleOf(level).weights)
{
    callsSinceKey = pace;
}

PlayerAction ComputerPlayer::next(const Playfield& bottle, const Capsule& current, const Capsule& next,
                                  std::uint32_t tickInterval, std::uint32_t msUntilNextTick)
{
    callsSinceKey = std::min(callsSinceKey + 1, pace);
    const BitBottle now = BitBottle::from(bottle);

    // A landing always changes the bottle and brings a new next capsule, so
    // a changed bottle or next capsule, or colours that are not the ones
    // being steered, mean a new capsule to place.
    CapsulePose pose;
    const bool sameCapsule = steering && now == bottleSeen && next.colorA == nextFirst && next.colorB == nextSecond
        && CapsuleMoves::poseOf(current, first, second, pose);
    if (!sameCapsule) {
        first = current.colorA;
        second = current.colorB;
        nextFirst = next.colorA;
        nextSecond = next.colorB;
        bottleSeen = now;
        CapsuleMoves::poseOf(current, first, second, pose);
    }

    const CapsuleMoves moves(now);
    const std::uint32_t spacing = PressInterval * static_cast<std::uint32_t>(pace);
    const std::uint32_t wait = PressInterval * static_cast<std::uint32_t>(pace - callsSinceKey);
    const int keysNow = keysWithin(msUntilNextTick, wait, spacing);
    // After a fall the next key comes a whole spacing later at the earliest.
    const int keysPerFall = tickInterval > spacing ? static_cast<int>((tickInterval - 1) / spacing) : 0;

    MoveSearch search(moves, pose, keysNow, keysPerFall);
    if (!sameCapsule || !search.reaches(target)) {
        steering = true;
        choose(now, search, pose, keysPerFall);
    }
    if (callsSinceKey < pace)
        return PlayerAction::None;
    const PlayerAction action = search.firstStepTo(target);
    if (action != PlayerAction::None)
        callsSinceKey = 0;
    return action;
}

void ComputerPlayer::choose(const BitBottle& bottle, const MoveSearch& search, CapsulePose from, int keysPerFall)
{
    target = from;
    if (search.restingPoses().empty() || !isRealColor(first) || !isRealColor(second))
        return;
    const PlacementSearch placements(evaluator, lookAhead, std::max(keysPerFall, 1));
    const int aheadFirst = isRealColor(nextFirst) ? colourCode(nextFirst) : 0;
    const int aheadSecond = isRealColor(nextSecond) ? colourCode(nextSecond) : 0;
    const std::vector<PlacementSearch::Choice> ranked =
        placements.rank(bottle, search.restingPoses(), colourCode(first), colourCode(second), aheadFirst, aheadSecond);
    ++choices;
    std::size_t pick = 0;
    // The slip never throws away a cleared level or walks into a lost one.
    if (slipEvery > 0 && choices % static_cast<std::uint32_t>(slipEvery) == 0 && ranked.size() > 1
        && ranked[0].value < Evaluator::LevelCleared / 2 && ranked[1].value > Evaluator::Lost / 2)
        pick = 1;
    target = ranked[pick].pose;
}

}  // namespace quindel
