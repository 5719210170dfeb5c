// A versus match in the real window on the scripted platform: the dialog and
// its kept choices, whose key or pad moves which bottle, and what dialogs
// and a single game do to a running match.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ScriptSession.h"
#include "base/VirtualKeyCodes.h"
#include "prefs/Preferences.h"
#include "sound/SoundPlayer.h"
#include "store/KeyBindings.h"
#include "store/KeySlot.h"
#include "versus/VersusMatch.h"
#include "widgets/CommandIds.h"

namespace quindel::test {
namespace {

const VersusMatch& matchOf(ScriptSession& session)
{
    const VersusMatch* match = session.window().versusMatch();
    EXPECT_NE(match, nullptr);
    return *match;
}

// The falling capsule's left column on each side.
std::vector<int> columns(ScriptSession& session)
{
    std::vector<int> found;
    for (int side = 0; side < 2; ++side) {
        const Capsule* falling = matchOf(session).side(side).falling();
        found.push_back(falling != nullptr ? falling->columnA : -1);
    }
    return found;
}

TEST(VersusWindow, TheDialogOffersTheKeptChoicesAndKeepsThoseAMatchStartsWith)
{
    ScriptSession session;
    Preferences start;
    start.versusComputer = false;
    start.versusLevelOne = 3;
    start.versusLevelTwo = 7;
    start.versusSpeed = 2;
    start.versusRounds = 2;
    std::vector<Preferences> kept;
    session.window().keepPreferences(start, [&kept](const Preferences& p) { kept.push_back(p); });

    // Cancelled: no match, nothing kept.
    session.feed("dialog 1032\ndialog 2\n");
    session.command(command::VersusGame);
    EXPECT_EQ(session.window().versusMatch(), nullptr);
    EXPECT_TRUE(kept.empty());

    // Taken as offered: the kept choices are the match's.
    session.feed("dialog 1\n");
    session.command(command::VersusGame);
    VersusSettings offered;
    offered.computerOpponent = false;
    offered.strength = 2;
    offered.levels = {2, 6};
    offered.interval = 300;
    offered.roundsToWin = 2;
    EXPECT_EQ(matchOf(session).settings(), offered);
    EXPECT_EQ(session.game().state(), GameState::Title);

    // Changed: the new choices start the match and are kept for next time.
    session.feed("dialog 1032\ndialog 1033 3\ndialog 1034 20\ndialog 1037\ndialog 1040 9\ndialog 1044 j\n"
                 "dialog 1049 ctrl\ndialog 1\n");
    session.command(command::VersusGame);
    const VersusSettings& chosen = matchOf(session).settings();
    EXPECT_TRUE(chosen.computerOpponent);
    EXPECT_EQ(chosen.strength, 3);
    EXPECT_EQ(chosen.levels, (std::array<std::uint32_t, 2>{19, 6}));
    EXPECT_EQ(chosen.interval, 1100u);
    EXPECT_EQ(chosen.roundsToWin, 5);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept.back().versusComputer);
    EXPECT_EQ(kept.back().versusStrength, 3);
    EXPECT_EQ(kept.back().versusLevelOne, 20);
    EXPECT_EQ(kept.back().versusSpeed, 0);
    EXPECT_EQ(kept.back().versusRounds, 5);
    // Player two's keys: the two changed, the four others as they were.
    EXPECT_EQ(kept.back().playerTwoKeys, (std::array<int, 6>{'J', 'D', 'S', 'W', 'X', vk::Control}));
}

TEST(VersusWindow, EachPlayerMovesOnlyTheirOwnBottle)
{
    struct Case final {
        const char* name;
        bool computer;
        // A key, or a pad's action and slot.
        std::optional<int> key;
        PadAction pad = PadAction::Left;
        std::int32_t slot = 0;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {"player one's key", false, vk::Right, {}, 0, {4, 3}},
        {"player two's key", false, 'A', {}, 0, {3, 2}},
        {"the first pad", false, std::nullopt, PadAction::Left, 0, {2, 3}},
        {"the second pad", false, std::nullopt, PadAction::Right, 1, {3, 4}},
        {"a third pad plays no part", false, std::nullopt, PadAction::Left, 2, {3, 3}},
        {"a key both hold is player one's", false, 'Z', {}, 0, {2, 3}},
        {"player two's key against the computer", true, 'A', {}, 0, {3, 3}},
        {"the second pad against the computer", true, std::nullopt, PadAction::Left, 1, {3, 3}},
    };
    for (const Case& c : cases) {
        ScriptSession session;
        Preferences start;
        // Z is player one's move left here, and player two's move right.
        start.playerTwoKeys[1] = 'Z';
        session.window().keepPreferences(start, {});
        session.game().keyBindings().bindByName(KeySlot::MoveLeft, "z");
        session.feed(c.computer ? "dialog 1032\ndialog 1\n" : "dialog 1031\ndialog 1\n");
        session.command(command::VersusGame);
        if (c.key) {
            session.key(*c.key);
        } else {
            session.window().sendMessage(
                Message{MessageTarget::MainWindow, MessageCode::PadPress, static_cast<std::uint32_t>(c.pad), c.slot});
        }
        EXPECT_EQ(columns(session), c.columns) << c.name;
    }
}

TEST(VersusWindow, ADialogMakesTheMatchWaitAndASingleGameEndsIt)
{
    ScriptSession session;
    session.feed("dialog 1\n");
    session.command(command::VersusGame);
    // The sound dialog over the match: both bottles wait while it is open
    // (dump inside it), and go on once it is closed.
    session.feed("dump\ndialog 2\n");
    session.take();
    session.command(command::Sound);
    const std::vector<std::string> inside = session.take();
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_NE(inside[0].find("p1 state=605"), std::string::npos);
    EXPECT_NE(inside[1].find("p2 state=605"), std::string::npos);
    EXPECT_TRUE(matchOf(session).isRunning());

    // Escape pauses both, and the music with them.
    session.key(vk::Escape);
    EXPECT_TRUE(matchOf(session).isPaused());
    EXPECT_TRUE(session.game().soundPlayer().musicPaused());
    session.key(vk::Escape);
    EXPECT_TRUE(matchOf(session).isRunning());

    // A new single game from the menu ends the match; a cancelled one does not.
    session.feed("dialog 2\n");
    session.command(command::NewGame);
    EXPECT_NE(session.window().versusMatch(), nullptr);
    session.feed("dialog 1\n");
    session.command(command::NewGame);
    EXPECT_EQ(session.window().versusMatch(), nullptr);
    EXPECT_EQ(session.game().state(), GameState::Playing);
}

}  // namespace
}  // namespace quindel::test
