#include <gtest/gtest.h>

#include <algorithm>

#include "BoardText.h"
#include "RecordingOwner.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

using test::BoardText;
using test::OwnerEvent;
using test::RecordingOwner;
using Type = OwnerEvent::Type;

constexpr std::int64_t White = static_cast<std::int64_t>(CellColor::White);
constexpr std::int64_t Blue = static_cast<std::int64_t>(CellColor::Blue);
constexpr std::int64_t Green = static_cast<std::int64_t>(CellColor::Green);
constexpr std::int64_t Board = static_cast<std::int64_t>(RedrawRequest::RedrawBoard);

int countPhase(const Playfield& playfield, CellPhase phase)
{
    int count = 0;
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            count += playfield.cellAt(column, row)->phase == phase ? 1 : 0;
    return count;
}

// Which runs make a line, how many lines and how many cells end up marked.
TEST(FindMatches, OnlyRunsOfFourOrMoreOfOneColourAreLines)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        bool found;
        std::vector<std::int64_t> sounds;
        int marked;
    };
    const Case cases[] = {
        {"empty bottle", {}, false, {}, 0},
        {"three in a row", {"w-w-w-.........."}, false, {}, 0},
        {"three in a column", {"b-", "b-", "b-"}, false, {}, 0},
        {"four in a row at the left wall", {"w-w-w-w-........"}, true, {White}, 4},
        {"four in a row at the right wall", {"........G.g-g-g-"}, true, {Green}, 4},
        {"a full row is one line", {"b-b-B.b-b-b-B.b-"}, true, {Blue}, 8},
        {"a column of eight to the bottom is one line",
         {"g-", "g-", "g-", "G.", "g-", "g-", "g-", "g-"},
         true,
         {Green},
         8},
        {"another colour breaks the run", {"w-w-b-w-w-w-...."}, false, {}, 0},
        {"a gap breaks the run", {"w-w-..w-w-w-...."}, false, {}, 0},
        {"viruses and halves line up together", {"W.w>w<W........."}, true, {White}, 4},
        // Vertical lines are heard first, then horizontal ones row by row.
        {"sounds in scan order", {"..b-......", "..b-......", "..b-......", "g-b-g-g-g-g-"}, true, {Blue, Green}, 8},
        {"two lines in one column", {"w-", "w-", "w-", "w-", "b-", "b-", "b-", "b-"}, true, {White, Blue}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows;
        for (const std::string& row : c.rows)
            rows.push_back(row + std::string(16 - row.size(), '.'));
        Playfield playfield;
        RecordingOwner owner;
        playfield.setOwner(&owner);
        BoardText::load(playfield, rows);
        EXPECT_EQ(playfield.findMatches(0), c.found);
        EXPECT_EQ(owner.valuesOf(Type::Sound), c.sounds);
        EXPECT_EQ(countPhase(playfield, CellPhase::Marked), c.marked);
        // Every pass scores, found or not.
        EXPECT_EQ(owner.valuesOf(Type::Score).size(), 1u);
    }
}

// A board found in an earlier pass of the same chain, then the board scored.
TEST(FindMatches, ScoresAsTheChainAndTheSpeedSay)
{
    const std::vector<std::string> virusLine = {"W.", "w-", "w-", "w-"};
    const std::vector<std::string> halvesLine = {"b-b-b-b-........"};
    struct Case {
        const char* name;
        std::uint32_t level;
        std::uint32_t interval;
        std::vector<std::string> earlierPass;  // pass 0, when not empty
        std::uint32_t passIndex;
        std::vector<std::string> rows;
        std::int64_t score;
    };
    const Case cases[] = {
        {"a virus and three halves", 0, 700, {}, 0, {"w-", "w-", "w-", "W."}, 5},
        {"two lines crossing in a virus", 4, 300, {}, 0, {"......w-", "......w-", "......w-", "w-w-w-W."}, 266},
        {"halves alone score nothing", 0, 700, {}, 0, {"b-b-b-b-b-......"}, 0},
        {"a later pass after a virus", 0, 700, virusLine, 1, halvesLine, 9},
        {"a later pass in a chain that hit no virus", 0, 700, halvesLine, 1, halvesLine, 0},
        {"a new chain forgets the last one's virus", 0, 700, virusLine, 0, halvesLine, 0},
        {"a line of five: a point for the fifth", 0, 700, {}, 0, {"W.w-w-w-w-......"}, 8},
        // The whole pass counts once a virus is hit in it, also the lines
        // of halves scanned before it.
        {"halves scanned before the virus line",
         0,
         700,
         {},
         0,
         {"g-........w-", "g-........w-", "g-........w-", "g-........W."},
         20},
        // The remainder is dropped once, from the whole product.
        {"one division at the end", 19, 1100, {}, 0, {"b-b-B.b-........"}, 72},
        {"nothing found", 3, 100, {}, 0, {"W.W.W..........."}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Playfield playfield;
        RecordingOwner owner;
        owner.level = c.level;
        owner.interval = c.interval;
        playfield.setOwner(&owner);
        const auto load = [&](const std::vector<std::string>& rows) {
            std::vector<std::string> wide;
            for (const std::string& row : rows)
                wide.push_back(row + std::string(16 - row.size(), '.'));
            BoardText::load(playfield, wide);
        };
        if (!c.earlierPass.empty()) {
            load(c.earlierPass);
            playfield.findMatches(0);
        }
        load(c.rows);
        owner.events.clear();
        playfield.findMatches(c.passIndex);
        EXPECT_EQ(owner.valuesOf(Type::Score), std::vector<std::int64_t>{c.score});
    }
}

TEST(ClearMarked, ACellInTwoLinesIsClearedAndCountedOnce)
{
    Playfield playfield;
    RecordingOwner owner;
    playfield.setOwner(&owner);
    BoardText::load(playfield,
                    {
                        "......w-........",
                        "......w-........",
                        "......w-........",
                        "w-w-w-W.......B.",
                    });
    playfield.setVirusCount(2);
    ASSERT_TRUE(playfield.findMatches(0));
    EXPECT_EQ(countPhase(playfield, CellPhase::Marked), 7);

    // Each frame shows the next burst phase; the fourth shows the squares empty.
    std::vector<int> shown;
    owner.onRedraw = [&] {
        shown.push_back(countPhase(playfield, CellPhase::Burst1) * 1000 + countPhase(playfield, CellPhase::Burst2) * 100
                        + countPhase(playfield, CellPhase::Burst3) * 10 + test::countViruses(playfield));
    };
    owner.events.clear();
    playfield.clearMarked();
    EXPECT_EQ(shown, (std::vector<int>{7002, 702, 72, 1}));
    EXPECT_EQ(playfield.virusCount(), 1u);
    EXPECT_EQ(test::brokenInvariant(playfield), "");
    EXPECT_EQ(owner.valuesOf(Type::Wait), (std::vector<std::int64_t>{150, 150, 150, 150}));
    EXPECT_TRUE(owner.valuesOf(Type::Score).empty());  // viruses are left: no bonus
}

// The frames of a pass without anything left to fall: four of 150 ms for the
// clearing, one still frame of 120 ms, then the pass that finds nothing.
TEST(Resolve, OneLineDrawsFourClearingFramesAndOneStillOne)
{
    Playfield playfield;
    RecordingOwner owner;
    playfield.setOwner(&owner);
    BoardText::load(playfield, {"w-w-w-W.......B."});
    playfield.setVirusCount(2);
    playfield.resolve();
    // pointSum 2 + 3 = 5 at level 0 and 700 ms: 4000 / 700 = 5.
    std::vector<OwnerEvent> want = {{Type::Sound, White}, {Type::Score, 5}};
    for (int frame = 0; frame < 4; ++frame) {
        want.push_back({Type::Redraw, Board});
        want.push_back({Type::Wait, 150});
    }
    want.push_back({Type::Redraw, Board});
    want.push_back({Type::Wait, 120});
    want.push_back({Type::Score, 0});
    want.push_back({Type::SpeedUp, 0});
    EXPECT_EQ(owner.events, want);
}

TEST(Resolve, ALandingWithoutALineStillSpeedsUpOnceAndDrawsNothing)
{
    Playfield playfield;
    RecordingOwner owner;
    playfield.setOwner(&owner);
    BoardText::load(playfield, {"w-w-B.W.b>g<..B."});
    playfield.resolve();
    EXPECT_EQ(owner.events, (std::vector<OwnerEvent>{{Type::Score, 0}, {Type::SpeedUp, 0}}));
}

// The last virus goes in the first clearing; a loose half then falls into a
// second line. The bonus follows each clearing, and the game speeds up once.
TEST(Resolve, AChainScoresMoreAndRepeatsTheLevelBonus)
{
    Playfield playfield;
    RecordingOwner owner;
    owner.level = 1;
    playfield.setOwner(&owner);
    BoardText::load(playfield,
                    {
                        "b-..............",
                        "w-..............",
                        "w-..............",
                        "w-..............",
                        "W.b-b-b-........",
                    });
    playfield.setVirusCount(1);
    playfield.resolve();

    // Pass 0: 2 * 1 * 1 * 5 * 800 / 700 = 11; pass 1: 2 * 1 * 2 * 4 * 800 / 700 = 18.
    EXPECT_EQ(owner.valuesOf(Type::Score), (std::vector<std::int64_t>{11, 16, 18, 16, 0}));
    EXPECT_EQ(owner.valuesOf(Type::Sound), (std::vector<std::int64_t>{White, Blue}));
    EXPECT_EQ(owner.valuesOf(Type::SpeedUp).size(), 1u);
    // Two clearings of four frames; the blue half falls four rows (five
    // frames), then one still frame after the second clearing.
    const std::vector<std::int64_t> waits = owner.valuesOf(Type::Wait);
    EXPECT_EQ(std::count(waits.begin(), waits.end(), 150), 8);
    EXPECT_EQ(std::count(waits.begin(), waits.end(), 120), 6);
    EXPECT_EQ(owner.valuesOf(Type::Redraw).size(), waits.size());
    EXPECT_EQ(playfield.virusCount(), 0u);
    EXPECT_EQ(test::countViruses(playfield), 0);
    EXPECT_EQ(test::brokenInvariant(playfield), "");
}

TEST(Resolve, AHalfWhosePartnerWasClearedFallsAlone)
{
    Playfield playfield;
    RecordingOwner owner;
    playfield.setOwner(&owner);
    BoardText::load(playfield,
                    {
                        "....gv..........",
                        "G.b-b^b-b-......",
                    });
    playfield.setVirusCount(1);
    playfield.resolve();
    std::vector<std::string> expected(16, "................");
    expected[15] = "G...g-..........";
    EXPECT_EQ(BoardText::dump(playfield), expected);
    EXPECT_EQ(test::brokenInvariant(playfield), "");
}

// The renderer's copy of the board has no owner: the rules still run.
TEST(Resolve, ABottleWithoutAnOwnerResolvesQuietly)
{
    Playfield playfield;
    BoardText::load(playfield,
                    {
                        "b-..........gv..",
                        "w-..........g^..",
                        "w-..............",
                        "w-..............",
                        "W.b-b-b-........",
                    });
    playfield.setVirusCount(1);
    playfield.resolve();
    std::vector<std::string> expected(16, "................");
    expected[14] = "............gv..";
    expected[15] = "............g^..";
    EXPECT_EQ(BoardText::dump(playfield), expected);
    EXPECT_EQ(playfield.virusCount(), 0u);
}

}  // namespace
}  // namespace quindel
