// The computer player against the clock: the whole choice for one new
// capsule at each strength (its reach, every landing scored and, at the top
// strength, the next capsule's answers), on bottles from its own play, and
// one ordinary call while it steers.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "ai/ComputerPlayer.h"
#include "core/Capsule.h"
#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"
#include "core/TimeSource.h"

namespace {

using namespace quindel;

class Seconds final : public TimeSource {
public:
    std::int64_t seconds() const override { return now; }
    std::int64_t now = 1'700'000'000;
};

class SilentOwner final : public PlayfieldOwner {
public:
    std::uint32_t levelIndex() const override { return 9; }
    std::uint32_t tickInterval() const override { return 700; }
    void addScore(std::int32_t) override {}
    void playClearSound(CellColor) override {}
    void speedUp() override {}
    void requestRedraw(RedrawRequest) override {}
    void waitFrame(std::uint32_t) override {}
};

// Bottles in the middle of a level: its viruses and a few dozen capsules
// placed by the player itself, as a game leaves them.
struct Position {
    Playfield bottle;
    Capsule current{CellColor::White, CellColor::Blue};
    Capsule next{CellColor::Green, CellColor::Green};
};

std::vector<std::unique_ptr<Position>> positions(std::uint32_t levelIndex)
{
    Seconds clock;
    setTimeSource(&clock);
    SilentOwner owner;
    std::vector<std::unique_ptr<Position>> made;
    for (int k = 0; k < 8; ++k) {
        auto position = std::make_unique<Position>();
        Playfield& bottle = position->bottle;
        bottle.setOwner(&owner);
        clock.now += 97;
        bottle.placeViruses(levelIndex);
        std::unique_ptr<Capsule> falling = std::make_unique<Capsule>();
        std::unique_ptr<Capsule> following = std::make_unique<Capsule>();
        ComputerPlayer player(2);
        int landed = 0;
        // A tick: the capsule falls a row or lands.
        const auto tick = [&] {
            if (dropCapsule(*falling, bottle))
                return;
            clock.now += landed % 2;
            lockCapsule(falling, following, bottle);
            bottle.resolve();
            ++landed;
        };
        // Asked every 50 ms, with a tick every 700 ms that a Drop restarts.
        for (std::uint32_t untilTick = 700; landed < 10 + 4 * k && !bottle.entryBlocked() && bottle.virusCount() > 0;) {
            if (untilTick == 0) {
                tick();
                untilTick = 700;
            }
            switch (player.next(bottle, *falling, *following, 700, untilTick)) {
            case PlayerAction::MoveLeft:
                moveLeft(*falling, bottle);
                break;
            case PlayerAction::MoveRight:
                moveRight(*falling, bottle);
                break;
            case PlayerAction::TurnLeft:
                turnLeft(*falling, bottle);
                break;
            case PlayerAction::TurnRight:
                turnRight(*falling, bottle);
                break;
            case PlayerAction::Drop:
                tick();
                untilTick = 750;
                break;
            case PlayerAction::None:
                break;
            }
            untilTick -= 50;
        }
        bottle.clearOwner();
        position->current = *falling;
        position->next = *following;
        made.push_back(std::move(position));
    }
    setTimeSource(nullptr);
    return made;
}

void BM_ChoiceForANewCapsule(benchmark::State& state)
{
    const auto bottles = positions(static_cast<std::uint32_t>(state.range(1)));
    ComputerPlayer player(static_cast<int>(state.range(0)));
    std::size_t k = 0;
    for (auto _ : state) {
        // A different bottle at every call: a new capsule to place each time.
        const Position& position = *bottles[k++ % bottles.size()];
        benchmark::DoNotOptimize(player.next(position.bottle, position.current, position.next, 700, 650));
    }
}
// Strength, then the level index: an open bottle of level 5, a busy one of
// level 10 and a crowded one of level 20.
BENCHMARK(BM_ChoiceForANewCapsule)->ArgsProduct({{1, 2, 3}, {4, 9, 19}})->Unit(benchmark::kMicrosecond);

void BM_StepWhileSteering(benchmark::State& state)
{
    const auto bottles = positions(9);
    ComputerPlayer player(3);
    const Position& position = *bottles[3];
    player.next(position.bottle, position.current, position.next, 700, 650);
    for (auto _ : state)
        benchmark::DoNotOptimize(player.next(position.bottle, position.current, position.next, 700, 650));
}
BENCHMARK(BM_StepWhileSteering)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
