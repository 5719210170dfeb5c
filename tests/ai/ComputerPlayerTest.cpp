#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "BoardText.h"
#include "FixedTimeSource.h"
#include "ai/ComputerDriver.h"
#include "ai/ComputerPlayer.h"
#include "ai/TrialRun.h"
#include "core/Capsule.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

constexpr CellColor W = CellColor::White;
constexpr CellColor B = CellColor::Blue;
constexpr CellColor G = CellColor::Green;

// Where a capsule came to rest and what the player pressed on the way.
struct Landing {
    Capsule at;
    int keys = 0;
    std::uint32_t ms = 0;
};

// One capsule steered by the player with the game's timing: asked every
// 50 ms, a tick every interval that a Drop restarts, until the capsule lands.
Landing steer(ComputerPlayer& player, const Playfield& bottle, Capsule capsule, const Capsule& next,
              std::uint32_t interval)
{
    Landing landing;
    std::uint32_t tickDue = interval;
    for (std::uint32_t now = ComputerPlayer::PressInterval; now < 60'000; now += ComputerPlayer::PressInterval) {
        // A tick due before this turn comes first.
        while (tickDue < now) {
            if (!dropCapsule(capsule, bottle)) {
                landing.at = capsule;
                landing.ms = tickDue;
                return landing;
            }
            tickDue += interval;
        }
        const PlayerAction action = player.next(bottle, capsule, next, interval, tickDue - now);
        landing.keys += action == PlayerAction::None ? 0 : 1;
        switch (action) {
        case PlayerAction::MoveLeft:
            moveLeft(capsule, bottle);
            break;
        case PlayerAction::MoveRight:
            moveRight(capsule, bottle);
            break;
        case PlayerAction::TurnLeft:
            turnLeft(capsule, bottle);
            break;
        case PlayerAction::TurnRight:
            turnRight(capsule, bottle);
            break;
        case PlayerAction::Drop:
            if (!dropCapsule(capsule, bottle)) {
                landing.at = capsule;
                landing.ms = now;
                return landing;
            }
            tickDue = now + interval;
            break;
        case PlayerAction::None:
            break;
        }
    }
    ADD_FAILURE() << "the capsule never landed";
    return landing;
}

std::string squares(const Capsule& c)
{
    return "(" + std::to_string(c.columnA) + "," + std::to_string(c.rowA) + ")(" + std::to_string(c.columnB) + ","
        + std::to_string(c.rowB) + ")";
}

struct PlacementCase {
    const char* name;
    std::vector<std::string> rows;
    CellColor first;
    CellColor second;
    std::uint32_t interval;
    // Where the capsule has to land, halves A and B with their colours.
    std::string squares;
    CellColor colorA;
    CellColor colorB;
};

// The one landing that clears, found and reached at every strength and at
// the slowest and fastest ticks, where the way there needs a turn in the
// right order, against a wall or under an overhang.
TEST(ComputerPlayer, FindsAndReachesTheLandingThatClears)
{
    const std::vector<PlacementCase> cases = {
        {"three white viruses in a column: stand white below on them",
         {"..........B.....", "..........G.....", "W.........B.....", "W...........G...", "W.....G.....B..."},
         B,
         W,
         700,
         "(0,12)(0,11)",
         W,
         B},
        {"a line along the floor: lie turned round, blue on the right, next to it",
         {"..B.............", "..W.G.....B.B.B."},
         B,
         G,
         700,
         "(3,15)(4,15)",
         G,
         B},
        {"down a shaft by the right wall and turned against it into the gap under the wall",
         {"............B...", "............G...", "............B...", "............G...", "............B...",
          "............G...", "............B...", "............G...", "............B...", "............G...",
          "............B...", "....B.G.G.G....."},
         G,
         G,
         700,
         "(6,15)(7,15)",
         G,
         G},
        {"the same shaft at a tick of 300 ms",
         {"............B...", "............G...", "............B...", "............G...", "............B...",
          "............G...", "............B...", "............G...", "............B...", "............G...",
          "............B...", "....B.G.G.G....."},
         G,
         G,
         300,
         "(6,15)(7,15)",
         G,
         G},
        {"down the left column and turned under the overhang beside it",
         {"..B.............", "..G.............", "..B.............", "..G.............", "..B.............",
          "..G.............", "..B.............", "..G.............", "..B.............", "..G.............",
          "..B.............", "..G.............", "..B.............", "....W.W.W.G....."},
         W,
         B,
         700,
         "(0,15)(1,15)",
         B,
         W},
    };
    for (int strength = ComputerPlayer::WeakestStrength; strength <= ComputerPlayer::StrongestStrength; ++strength)
        for (const PlacementCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " at strength " << strength);
            Playfield bottle;
            test::BoardText::load(bottle, c.rows);
            bottle.setVirusCount(static_cast<std::uint32_t>(test::countViruses(bottle)));
            ComputerPlayer player(strength);
            const Landing landing = steer(player, bottle, Capsule(c.first, c.second), Capsule(W, W), c.interval);
            EXPECT_EQ(squares(landing.at), c.squares);
            EXPECT_EQ(landing.at.colorA, c.colorA);
            EXPECT_EQ(landing.at.colorB, c.colorB);
        }
}

// The player keeps to its pace whatever happens in a game: never two keys
// closer than its strength allows, the weakest slowest. The same games give
// the same keys, scores and times to the millisecond.
TEST(ComputerPlayer, KeepsItsPaceAndPlaysTheSameGameTwice)
{
    for (int strength = ComputerPlayer::WeakestStrength; strength <= ComputerPlayer::StrongestStrength; ++strength) {
        TrialSettings settings;
        settings.strength = strength;
        settings.interval = 300;
        settings.firstLevel = 17;
        settings.seed = 1'700'000'000 + strength;
        TrialRun first(settings);
        TrialRun second(settings);
        const TrialGame one = first.playGame();
        const TrialGame other = second.playGame();
        SCOPED_TRACE(testing::Message() << "strength " << strength);
        EXPECT_GT(one.keys, 100);
        EXPECT_GE(one.closestKeys, ComputerPlayer::PressInterval * ComputerPlayer(strength).callsPerKey());
        EXPECT_EQ(one.keys, other.keys);
        EXPECT_EQ(one.score, other.score);
        EXPECT_EQ(one.capsules, other.capsules);
        EXPECT_EQ(one.ms, other.ms);
    }
    EXPECT_GT(ComputerPlayer(1).callsPerKey(), ComputerPlayer(3).callsPerKey());
}

// The driver of a second bottle or a demo may be woken far more often than
// the player may press: asked every millisecond, over a whole capsule and
// a pause, it still answers no faster than the player's own pace.
TEST(ComputerPlayer, ItsDriverKeepsThePaceHoweverOftenItIsWoken)
{
    test::FixedTimeSource clock;
    for (int strength = ComputerPlayer::WeakestStrength; strength <= ComputerPlayer::StrongestStrength; ++strength) {
        SCOPED_TRACE(testing::Message() << "strength " << strength);
        Playfield bottle;
        bottle.placeViruses(9);
        Capsule capsule(W, B);
        const Capsule next(G, G);
        ComputerDriver driver(strength);
        driver.start(1000);
        std::uint64_t tickDue = 1000 + 700;
        std::vector<std::uint64_t> pressed;
        for (std::uint64_t now = 1000; now < 12'000; ++now) {
            if (now == 3000)
                driver.delay(500);  // a pause of half a second
            if (now >= 3000 && now < 3500)
                continue;
            if (now == tickDue) {
                if (!dropCapsule(capsule, bottle))
                    break;
                tickDue = now + 700;
            }
            const PlayerAction action = driver.ask(now, bottle, capsule, next, 700, tickDue);
            if (action == PlayerAction::None)
                continue;
            pressed.push_back(now);
            if (action == PlayerAction::Drop && !dropCapsule(capsule, bottle))
                break;
            if (action == PlayerAction::Drop)
                tickDue = now + 700;
            if (action == PlayerAction::MoveLeft)
                moveLeft(capsule, bottle);
            if (action == PlayerAction::MoveRight)
                moveRight(capsule, bottle);
            if (action == PlayerAction::TurnLeft)
                turnLeft(capsule, bottle);
            if (action == PlayerAction::TurnRight)
                turnRight(capsule, bottle);
        }
        ASSERT_GT(pressed.size(), 2u);
        EXPECT_GE(pressed.front(), 1000 + ComputerPlayer::PressInterval);
        for (std::size_t i = 1; i < pressed.size(); ++i)
            EXPECT_GE(pressed[i] - pressed[i - 1],
                      ComputerPlayer::PressInterval * ComputerPlayer(strength).callsPerKey())
                << "keys at " << pressed[i - 1] << " and " << pressed[i];
        EXPECT_EQ(driver.strength(), strength);
    }
}

// Over the same seeded games the strongest player clears more levels than
// the middle one, and the middle one more than the weakest.
TEST(ComputerPlayer, StrongerPlayersClearMoreLevels)
{
    std::vector<int> levels;
    for (int strength = ComputerPlayer::WeakestStrength; strength <= ComputerPlayer::StrongestStrength; ++strength) {
        TrialSettings settings;
        settings.strength = strength;
        settings.interval = 300;
        settings.firstLevel = 8;
        settings.seed = 77;
        TrialRun run(settings);
        int cleared = 0;
        for (int game = 0; game < 2; ++game)
            cleared += run.playGame().levelsCleared;
        levels.push_back(cleared);
    }
    EXPECT_LT(levels[0], levels[1]);
    EXPECT_LT(levels[1], levels[2]);
}

}  // namespace
}  // namespace quindel
