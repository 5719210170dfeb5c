#include "ai/MoveSearch.h"

#include <algorithm>

namespace quindel {

namespace {

constexpr PlayerAction Keys[] = {PlayerAction::MoveLeft, PlayerAction::MoveRight, PlayerAction::TurnLeft,
                                 PlayerAction::TurnRight};
// Budgets are kept in a signed byte.
constexpr int MostPresses = 100;

}  // namespace

MoveSearch::MoveSearch(const CapsuleMoves& moves, CapsulePose start, int pressesNow, int pressesPerFall) : origin(start)
{
    left.fill(-1);
    firstKey.fill(PlayerAction::None);
    if (!moves.fits(start))
        return;
    const int perFall = std::clamp(pressesPerFall, 0, MostPresses);

    // Breadth first: each step is a key or a fall, so the first way to reach
    // a pose is a shortest one.
    struct Way {
        std::int16_t pose;
        std::int8_t keysLeft;
        PlayerAction first;
    };
    std::vector<Way> queue;
    queue.reserve(CapsulePose::Count * 2);
    const auto keysAtStart = static_cast<std::int8_t>(std::clamp(pressesNow, 0, MostPresses));
    left[static_cast<std::size_t>(start.index())] = keysAtStart;
    queue.push_back({static_cast<std::int16_t>(start.index()), keysAtStart, PlayerAction::None});
    const auto reach = [&](const Way& from, CapsulePose to, int keysLeft, PlayerAction key) {
        const auto at = static_cast<std::size_t>(to.index());
        if (keysLeft <= left[at])
            return;
        const PlayerAction first = from.first == PlayerAction::None ? key : from.first;
        if (left[at] < 0)
            firstKey[at] = first;
        left[at] = static_cast<std::int8_t>(keysLeft);
        queue.push_back({static_cast<std::int16_t>(to.index()), static_cast<std::int8_t>(keysLeft), first});
    };
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const Way way = queue[head];
        const CapsulePose pose = CapsulePose::ofIndex(way.pose);
        // Keys before the fall: of two equally short ways the one that moves
        // first and drops later is kept, which leaves the most room for a
        // tick that comes sooner than reckoned.
        if (way.keysLeft > 0)
            for (const PlayerAction key : Keys) {
                const CapsulePose next = moves.after(pose, key);
                if (!(next == pose))
                    reach(way, next, way.keysLeft - 1, key);
            }
        if (moves.canFall(pose))
            reach(way, CapsulePose{pose.column, pose.row + 1, pose.turn}, perFall, PlayerAction::Drop);
    }
    for (int index = 0; index < CapsulePose::Count; ++index) {
        const CapsulePose pose = CapsulePose::ofIndex(index);
        if (left[static_cast<std::size_t>(index)] >= 0 && !moves.canFall(pose))
            resting.push_back(pose);
    }
}

PlayerAction MoveSearch::firstStepTo(CapsulePose target) const
{
    if (!reaches(target))
        return PlayerAction::None;
    if (target == origin)
        return PlayerAction::Drop;
    return firstKey[static_cast<std::size_t>(target.index())];
}

}  // namespace quindel
