#include "ai/PlacementSearch.h"

#include <algorithm>
#include <bitset>
#include <limits>

#include "ai/QuickReach.h"

namespace quindel {

namespace {

// A landing's own worth: what it cleared, and the bottle it leaves, unless
// that ends the level either way. What the next capsule would clear counts
// a little less than the same now: it may never come to that.
std::int64_t worth(const Evaluator& evaluator, const BitBottle& after, const BitBottle::Outcome& outcome, bool& final,
                   bool later = false)
{
    final = true;
    const std::int64_t now = evaluator.outcome(outcome);
    const std::int64_t cleared = later ? now - now / 8 : now;
    if (after.virusCount() == 0)
        return Evaluator::LevelCleared + cleared;
    if (after.entryBlocked())
        return Evaluator::Lost;
    final = false;
    return cleared + evaluator.position(after);
}

}  // namespace

PlacementSearch::PlacementSearch(const Evaluator& evaluator, int lookAhead, int keysPerFall)
    : evaluator(evaluator), lookAhead(lookAhead), keysPerFall(keysPerFall)
{}

BitBottle PlacementSearch::landed(const BitBottle& bottle, CapsulePose pose, int first, int second)
{
    BitBottle after = bottle;
    const int colourA = pose.firstInA() ? first : second;
    const int colourB = pose.firstInA() ? second : first;
    after.lock(pose.column, pose.row, colourA, pose.columnB(), pose.rowB(), colourB);
    return after;
}

std::int64_t PlacementSearch::bestFollowUp(const BitBottle& bottle, int first, int second) const
{
    std::int64_t best = std::numeric_limits<std::int64_t>::min();
    QuickReach reach(bottle, keysPerFall, first == second);
    reach.forEachLanding([&](CapsulePose pose) {
        BitBottle after = landed(bottle, pose, first, second);
        const BitBottle::Outcome outcome = after.resolve();
        bool final = false;
        best = std::max(best, worth(evaluator, after, outcome, final, true));
    });
    // A capsule that cannot even enter lands where it is, and the game ends.
    return best == std::numeric_limits<std::int64_t>::min() ? Evaluator::Lost : best;
}

std::vector<PlacementSearch::Choice> PlacementSearch::rank(const BitBottle& bottle,
                                                           const std::vector<CapsulePose>& resting, int first,
                                                           int second, int nextFirst, int nextSecond) const
{
    std::vector<Choice> choices;
    std::vector<BitBottle> afters;
    std::vector<bool> finals;
    // Equal colours make the two ways round the same landing.
    std::bitset<CapsulePose::Count> seen;
    for (const CapsulePose pose : resting) {
        const CapsulePose same = first == second ? CapsulePose{pose.column, pose.row, pose.turn % 2} : pose;
        if (seen[static_cast<std::size_t>(same.index())])
            continue;
        seen[static_cast<std::size_t>(same.index())] = true;
        BitBottle after = landed(bottle, pose, first, second);
        const BitBottle::Outcome outcome = after.resolve();
        bool final = false;
        const std::int64_t value = worth(evaluator, after, outcome, final);
        choices.push_back({pose, value});
        afters.push_back(after);
        finals.push_back(final);
    }

    std::vector<std::size_t> order(choices.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Ties go to the earlier pose, so the choice never depends on the sort.
    const auto better = [&](std::size_t a, std::size_t b) {
        return choices[a].value != choices[b].value ? choices[a].value > choices[b].value : a < b;
    };
    std::sort(order.begin(), order.end(), better);

    const std::size_t tried = std::min<std::size_t>(order.size(), static_cast<std::size_t>(std::max(lookAhead, 0)));
    if (tried > 0) {
        for (std::size_t k = 0; k < tried; ++k) {
            const std::size_t i = order[k];
            if (finals[i]) {
                // Clearing the level now beats clearing it with the next one.
                if (choices[i].value > 0)
                    choices[i].value += Evaluator::LevelCleared;
                continue;
            }
            const std::int64_t own = choices[i].value - evaluator.position(afters[i]);
            choices[i].value = own + bestFollowUp(afters[i], nextFirst, nextSecond);
        }
        // The ones tried with the next capsule come first, in their new order.
        std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(tried), better);
    }

    std::vector<Choice> ranked;
    ranked.reserve(order.size());
    for (const std::size_t i : order)
        ranked.push_back(choices[i]);
    return ranked;
}

}  // namespace quindel
