// The rules of two bottles on one clock, with no window: layouts and
// capsules alike on both sides, what a landing sends and where it falls,
// how rounds and matches end, and the pause that holds both.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "BoardText.h"
#include "FixedTimeSource.h"
#include "core/BoardNotation.h"
#include "versus/SentHalves.h"
#include "versus/VersusListener.h"
#include "versus/VersusMatch.h"

namespace quindel {
namespace {

using Phase = VersusSide::Phase;
constexpr CellColor W = CellColor::White;
constexpr CellColor B = CellColor::Blue;
constexpr CellColor G = CellColor::Green;

struct Heard final : VersusListener {
    void clearSound(CellColor color) override { sounds.push_back(color); }
    void halvesSent(int from, const std::vector<CellColor>& halves) override { sent.emplace_back(from, halves); }
    void roundStarted(int round) override { started.push_back(round); }
    void roundEnded(std::optional<int> winner, bool matchOver) override { ended.emplace_back(winner, matchOver); }

    std::vector<CellColor> sounds;
    std::vector<std::pair<int, std::vector<CellColor>>> sent;
    std::vector<int> started;
    std::vector<std::pair<std::optional<int>, bool>> ended;
};

VersusSettings twoPlayers(std::uint32_t levelOne = 0, std::uint32_t levelTwo = 0)
{
    VersusSettings settings;
    settings.computerOpponent = false;
    settings.levels = {levelOne, levelTwo};
    settings.interval = 1100;
    return settings;
}

void load(VersusSide& side, const std::vector<std::string>& rows)
{
    test::BoardText::load(side.bottle(), rows);
    side.bottle().setVirusCount(static_cast<std::uint32_t>(test::countViruses(side.bottle())));
}

// Drops a side's capsule until it lands, then lets the frames play until a
// capsule falls again or the round is over; the time it ends at.
std::uint64_t landAndShow(VersusMatch& match, int side, std::uint64_t now)
{
    const std::size_t landed = match.side(side).landings();
    while (match.isRunning() && match.side(side).landings() == landed)
        match.press(side, PlayerAction::Drop, now);
    while (match.isRunning() && match.side(side).phase() == Phase::Showing) {
        now = match.side(side).dueAt();
        match.advanceTo(now);
    }
    return now;
}

std::vector<std::string> tokens(const Playfield& bottle)
{
    return test::BoardText::dump(bottle);
}

TEST(VersusMatch, BothBottlesStartAlikeAndTakeTheSameCapsules)
{
    test::FixedTimeSource clock;
    Heard heard;
    VersusMatch match(heard);
    struct Levels final {
        std::uint32_t one;
        std::uint32_t two;
    };
    for (const Levels levels : {Levels{4, 4}, Levels{0, 9}, Levels{19, 19}, Levels{12, 3}}) {
        SCOPED_TRACE(std::to_string(levels.one) + " " + std::to_string(levels.two));
        match.start(twoPlayers(levels.one, levels.two), 0);
        EXPECT_EQ(match.side(0).bottle().virusCount(), levels.one * 4 + 4);
        EXPECT_EQ(match.side(1).bottle().virusCount(), levels.two * 4 + 4);
        if (levels.one == levels.two) {
            EXPECT_EQ(tokens(match.side(0).bottle()), tokens(match.side(1).bottle()));
        }
        ++clock.now;
    }

    // Player one lands six capsules, each in a second of its own, spread
    // over the bottle; player two comes to them a minute later and still
    // gets the same colours.
    match.start(twoPlayers(), 0);
    const auto colours = [](const VersusSide& side) {
        return std::pair{side.currentCapsule().colorA, side.currentCapsule().colorB};
    };
    std::vector<std::pair<CellColor, CellColor>> seen[2];
    std::uint64_t now = 0;
    for (const int side : {0, 1}) {
        for (int capsule = 0; capsule < 6; ++capsule) {
            seen[side].push_back(colours(match.side(side)));
            clock.now += side == 0 ? 1 : 60;
            const PlayerAction way = capsule % 2 == 0 ? PlayerAction::MoveLeft : PlayerAction::MoveRight;
            for (int step = 0; step < capsule % 3 + 1; ++step)
                match.press(side, way, now);
            now = landAndShow(match, side, now);
        }
    }
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_NE(std::adjacent_find(seen[0].begin() + 1, seen[0].end(), std::not_equal_to<>()), seen[0].end())
        << "the capsules of different seconds should not all look alike";
}

// Player one's white-blue capsule lands in row 8: its white half completes
// a line in column 3, which frees the halves hanging on column 3 to fall
// into rows 13 to 15 and the blue half to fall down column 4; what the rows
// and column 4 hold below decides how many lines that second pass makes.
std::vector<std::string> chain(const std::string& row13, const std::string& row14, const std::string& row15)
{
    return {
        "................",
        "....g>w<........",
        "....b>w<........",
        "....g>w<........",
        "......B.........",
        row13,
        row14,
        row15,
    };
}

TEST(VersusMatch, TwoLinesOrMoreSendAHalfALineUpToFour)
{
    struct Case final {
        const char* name;
        std::vector<std::string> rows;
        int lines;
        std::vector<CellColor> sent;
    };
    const Case cases[] = {
        {"one line", chain("B.W...G.W.......", "W.G...B.W.......", "B.W...G.W.....W."), 1, {}},
        {"two", chain("G.G...G.W.......", "W.G...B.W.......", "B.W...G.W.....W."), 2, {W, G}},
        {"three", chain("G.G...G.W.......", "B.B...B.W.......", "B.W...G.W.....W."), 3, {W, G, B}},
        {"four", chain("G.G...G.W.......", "B.B...B.W.......", "G.G...G.W.....W."), 4, {W, G, B, G}},
        {"five", chain("G.G...G.B.......", "B.B...B.B.......", "G.G...G.B.....W."), 5, {W, B, G, B}},
    };
    test::FixedTimeSource clock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Heard heard;
        VersusMatch match(heard);
        match.start(twoPlayers(), 0);
        load(match.side(0), c.rows);
        match.side(0).falling()->colorA = W;
        match.side(0).falling()->colorB = B;
        landAndShow(match, 0, 0);
        EXPECT_EQ(heard.sounds.size(), static_cast<std::size_t>(c.lines));
        EXPECT_EQ(match.side(1).incomingCount(), c.sent.size());
        if (c.sent.empty()) {
            EXPECT_TRUE(heard.sent.empty());
        } else {
            ASSERT_EQ(heard.sent.size(), 1u);
            EXPECT_EQ(heard.sent[0].first, 0);
            EXPECT_EQ(heard.sent[0].second, c.sent);
        }
        EXPECT_EQ(match.side(0).phase(), Phase::Falling);
    }
}

TEST(VersusMatch, SentHalvesFallIntoSpreadColumnsOnceTheCapsuleHasLanded)
{
    // Evenly spread, shifted as far as the pattern still fits.
    struct Spread final {
        std::size_t count;
        std::vector<int> unshifted;
        int shifts;
    };
    for (const Spread& s : {Spread{2, {0, 4}, 4}, Spread{3, {0, 2, 5}, 3}, Spread{4, {0, 2, 4, 6}, 2},
                            Spread{8, {0, 1, 2, 3, 4, 5, 6, 7}, 1}}) {
        std::vector<bool> reached(static_cast<std::size_t>(s.shifts), false);
        for (int draw = 0; draw < 100; ++draw) {
            const std::vector<int> columns = spreadColumns(s.count, draw);
            ASSERT_EQ(columns.size(), s.count);
            const int shift = columns[0];
            ASSERT_LT(shift, s.shifts) << s.count;
            reached[static_cast<std::size_t>(shift)] = true;
            for (std::size_t i = 0; i < s.count; ++i)
                EXPECT_EQ(columns[i], s.unshifted[i] + shift) << s.count << " halves, draw " << draw;
        }
        EXPECT_EQ(std::count(reached.begin(), reached.end(), true), s.shifts) << s.count;
    }

    test::FixedTimeSource clock;
    Heard heard;
    VersusMatch match(heard);
    match.start(twoPlayers(), 0);
    // Player two's bottle: column 6 full to the top, a virus to keep the
    // round going; its capsule at the entry.
    load(match.side(1),
         {"............b-..", "............w-..", "............b-..", "............w-..", "............b-..",
          "............w-..", "............b-..", "............w-..", "............b-..", "............w-..",
          "............b-..", "............w-..", "............b-..", "............w-..", "............b-..",
          "W...........w-.."});
    match.side(1).falling()->colorA = W;
    match.side(1).falling()->colorB = B;
    match.side(1).receive({W, B, G, W});
    match.side(1).receive({B, G, W, B});
    // Nothing falls on a falling capsule.
    std::uint64_t now = 0;
    for (int tick = 0; tick < 5; ++tick) {
        now = match.side(1).dueAt();
        match.advanceTo(now);
    }
    EXPECT_EQ(match.side(1).incomingCount(), 8u);
    EXPECT_EQ(match.side(1).falling()->rowA, 5);
    // Landed: first seen at the top, one to a column, then at rest; the
    // column that had no room lost its half.
    while (match.side(1).landings() == 0)
        match.press(1, PlayerAction::Drop, now);
    ASSERT_EQ(match.side(1).phase(), Phase::Showing);
    EXPECT_EQ(test::BoardText::dump(match.side(1).picture())[0], "w-b-g-w-b-g-b-b-");
    EXPECT_EQ(match.side(1).incomingCount(), 0u);
    const std::vector<std::string> rested = test::BoardText::dump(match.side(1).bottle());
    EXPECT_EQ(rested[15], "W.b-g-w>b<g-w-b-");
    EXPECT_EQ(rested[14], "w-....w-b-..b-..");
    while (match.side(1).phase() == Phase::Showing) {
        now = match.side(1).dueAt();
        match.advanceTo(now);
    }
    EXPECT_EQ(match.side(1).phase(), Phase::Falling);
    EXPECT_EQ(test::BoardText::dump(match.side(1).picture()), rested);
}

// A bottle whose falling capsule (white on the left) clears its last viruses
// where it lands, and one where the next landing blocks the entry.
const std::vector<std::string> lastViruses{"......W.........", "......W.........", "......W........."};
std::vector<std::string> nearlyFull()
{
    std::vector<std::string> rows;
    for (int row = 1; row < Playfield::Rows; ++row)
        rows.push_back(row % 2 == 0 ? "......w-b-......" : "......b-w-......");
    rows.back()[0] = 'G';
    rows.back()[1] = '.';
    return rows;
}

TEST(VersusMatch, ARoundGoesToWhoClearsOrNotToWhoIsBlockedAndBothAtOnceDrawIt)
{
    struct Case final {
        const char* name;
        std::vector<std::string> one;
        std::vector<std::string> two;
        std::optional<int> winner;
    };
    const std::vector<std::string> open{"G.......B......."};
    const Case cases[] = {
        {"player one clears", lastViruses, open, 0},
        {"player two clears", open, lastViruses, 1},
        {"player two blocked", open, nearlyFull(), 0},
        {"player one blocked", nearlyFull(), open, 1},
        {"both clear in the same tick", lastViruses, lastViruses, std::nullopt},
        {"both blocked in the same tick", nearlyFull(), nearlyFull(), std::nullopt},
    };
    test::FixedTimeSource clock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Heard heard;
        VersusMatch match(heard);
        match.start(twoPlayers(), 0);
        load(match.side(0), c.one);
        load(match.side(1), c.two);
        for (const int side : {0, 1}) {
            match.side(side).falling()->colorA = W;
            match.side(side).falling()->colorB = G;
        }
        // The ticks alone, the same for both: no key pressed.
        std::uint64_t now = 0;
        while (match.isRunning() && now < 60000)
            match.advanceTo(now += 10);
        ASSERT_EQ(heard.ended.size(), 1u);
        EXPECT_EQ(heard.ended[0].first, c.winner);
        EXPECT_FALSE(heard.ended[0].second);
        EXPECT_EQ(match.phase(), VersusMatch::Phase::RoundOver);
        EXPECT_EQ(match.side(0).wins() + match.side(1).wins(), c.winner ? 1 : 0);
        EXPECT_FALSE(match.nextDeadline().has_value());
        // A drawn round is played again under its number; a decided one
        // makes way for the next.
        match.nextRound(now);
        EXPECT_EQ(match.round(), c.winner ? 2 : 1);
        EXPECT_EQ(heard.started, (std::vector<int>{1, match.round()}));
        EXPECT_EQ(match.side(0).phase(), Phase::Falling);
    }
}

TEST(VersusMatch, OneClearingAsTheOtherIsBlockedIsNoDraw)
{
    // How long player one's clearing takes is found once; then it is
    // started so that it ends on player two's first tick, which lands a
    // capsule in the entry.
    test::FixedTimeSource clock;
    const std::vector<std::string> open{"G.......B......."};
    const auto setUp = [](VersusMatch& match, const std::vector<std::string>& two) {
        match.start(twoPlayers(), 0);
        load(match.side(0), lastViruses);
        match.side(0).falling()->colorA = W;
        load(match.side(1), two);
    };
    Heard first;
    VersusMatch probe(first);
    setUp(probe, open);
    const std::uint64_t clearing = landAndShow(probe, 0, 0);
    ASSERT_EQ(probe.side(0).phase(), Phase::Cleared);
    const std::uint64_t tick = probe.side(1).tickInterval();
    ASSERT_LT(clearing, tick);

    Heard heard;
    VersusMatch match(heard);
    setUp(match, nearlyFull());
    landAndShow(match, 0, tick - clearing);
    EXPECT_EQ(match.side(0).phase(), Phase::Cleared);
    EXPECT_EQ(match.side(1).phase(), Phase::Blocked);
    ASSERT_EQ(heard.ended.size(), 1u);
    EXPECT_EQ(heard.ended[0].first, 0);
}

TEST(VersusMatch, TheFirstToItsRoundWinsTakesTheMatch)
{
    test::FixedTimeSource clock;
    Heard heard;
    VersusMatch match(heard);
    VersusSettings settings = twoPlayers();
    settings.roundsToWin = 2;
    match.start(settings, 0);
    std::uint64_t now = 0;
    for (int round = 1; round <= 2; ++round) {
        EXPECT_EQ(match.round(), round);
        load(match.side(1), lastViruses);
        match.side(1).falling()->colorA = W;
        now = landAndShow(match, 1, now);
        match.nextRound(now);
    }
    EXPECT_EQ(match.phase(), VersusMatch::Phase::MatchOver);
    EXPECT_EQ(match.side(1).wins(), 2);
    EXPECT_EQ(match.side(0).wins(), 0);
    EXPECT_EQ(heard.ended.back(), (std::pair<std::optional<int>, bool>{1, true}));
    EXPECT_EQ(match.round(), 2);
    // The scores stay with the match; a new match starts them afresh.
    EXPECT_GT(match.side(1).score(), 0);
    match.start(settings, now);
    EXPECT_EQ(match.side(1).score(), 0);
    EXPECT_EQ(match.side(1).wins(), 0);
    EXPECT_EQ(match.round(), 1);
}

TEST(VersusMatch, PauseHoldsBothBottlesAndTheComputer)
{
    test::FixedTimeSource clock;
    Heard heard;
    VersusMatch match(heard);
    VersusSettings settings;
    settings.strength = 3;
    match.start(settings, 0);
    match.advanceTo(1000);
    const auto where = [&match] {
        std::vector<int> all;
        for (const int side : {0, 1}) {
            const Capsule& capsule = match.side(side).currentCapsule();
            all.insert(all.end(),
                       {capsule.columnA, capsule.rowA, capsule.columnB, capsule.rowB,
                        static_cast<int>(match.side(side).landings())});
        }
        return all;
    };
    const std::vector<int> before = where();
    const std::optional<std::uint64_t> due = match.nextDeadline();
    ASSERT_TRUE(due.has_value());
    match.pause(1000);
    EXPECT_FALSE(match.nextDeadline().has_value());
    match.advanceTo(61000);
    EXPECT_FALSE(match.press(0, PlayerAction::MoveLeft, 61000));
    EXPECT_FALSE(match.press(0, PlayerAction::Drop, 61000));
    EXPECT_EQ(where(), before);
    match.resume(61000);
    EXPECT_EQ(match.nextDeadline(), *due + 60000);
    match.advanceTo(61000 + 5000);
    EXPECT_NE(where(), before);
}

}  // namespace
}  // namespace quindel
