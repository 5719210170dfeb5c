// The game as a player meets it: the real window procedure, dialogs and
// renderer on the scripted platform, driven message by message.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ScriptSession.h"
#include "core/Capsule.h"
#include "render/Renderer.h"
#include "prefs/Preferences.h"
#include "sound/SoundPlayer.h"
#include "store/HallOfFame.h"
#include "widgets/DialogHost.h"

namespace quindel::test {
namespace {

using Lines = std::vector<std::string>;

constexpr int Enter = 13;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int PauseKey = 19;
constexpr int Escape = 27;

std::vector<unsigned char> settingsBytes(const std::vector<std::int32_t>& codes)
{
    std::vector<unsigned char> bytes;
    for (const std::int32_t code : codes)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(code) >> shift));
    return bytes;
}

// Starts a game through the new-game dialog: difficulty radio id (0 keeps
// the remembered one) and level 1..20.
void newGame(ScriptSession& session, int difficulty, int level)
{
    std::string lines;
    if (difficulty != 0)
        lines += "dialog " + std::to_string(difficulty) + "\n";
    lines += "dialog 1018 " + std::to_string(level) + "\ndialog 1\n";
    session.feed(lines);
    session.command(114);
}

// Takes every virus out of the bottle, so the next landing clears the level.
void removeViruses(Game& game)
{
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            if (game.cells().cellAt(column, row)->kind == CellKind::Virus)
                game.cells().cellAt(column, row)->reset();
    game.cells().setVirusCount(0);
}

// Fills columns 3 and 4 below the entry with halves of changing colours (so
// no line forms), and the next capsule lands at once in row 0.
void blockBelowEntry(Game& game)
{
    for (int row = 1; row < Playfield::Rows; ++row)
        for (int column : {3, 4}) {
            Cell* cell = game.cells().cellAt(column, row);
            cell->kind = CellKind::PillHalf;
            cell->color = (row + column) % 2 == 0 ? CellColor::White : CellColor::Blue;
            cell->link = CellLink::Single;
        }
}

// Drops the capsule to its landing; the ticks it took.
int dropToLanding(ScriptSession& session)
{
    for (int ticks = 1; ticks <= Playfield::Rows + 1; ++ticks) {
        const int rowBefore = session.game().currentCapsule().rowA;
        session.key(Space);
        if (session.game().currentCapsule().rowA <= rowBefore)
            return ticks;
    }
    return -1;
}

TEST(GameFlow, StartsAtTheTitleWhereOnlyTheMenuActs)
{
    ScriptSession session;
    EXPECT_EQ(session.take(), Lines{"song 3"});
    EXPECT_EQ(session.dump().substr(0, 63), "state=601 level=0 tick=700 base=700 score=0 viruses=0 cur=3,0,2");
    for (const int key : {Left, Right, Up, Down, Space, PauseKey, Escape, 65})
        session.key(key);
    session.tick();
    EXPECT_EQ(session.take(), Lines{});
    EXPECT_EQ(session.game().state(), GameState::Title);
    EXPECT_FALSE(session.timerRunning());
    // Enter asks for a new game, as the title says: the dialog takes the
    // next lines.
    session.feed("dialog 1\n");
    session.key(Enter);
    EXPECT_EQ(session.game().state(), GameState::Playing);
}

TEST(GameFlow, APadsPressIsTheKeyOfItsActionInThatState)
{
    ScriptSession session;
    struct Case final {
        GameState state;
        PadAction action;
        std::int32_t key;
    };
    const Case cases[] = {
        {GameState::Playing, PadAction::Left, Left},     {GameState::Playing, PadAction::Right, Right},
        {GameState::Playing, PadAction::Down, Space},    {GameState::Playing, PadAction::A, Up},
        {GameState::Playing, PadAction::B, Down},        {GameState::Playing, PadAction::Start, PauseKey},
        {GameState::Playing, PadAction::Up, 0},          {GameState::Playing, PadAction::Back, 0},
        {GameState::Paused, PadAction::Start, PauseKey}, {GameState::Title, PadAction::Start, Enter},
        {GameState::GameOver, PadAction::Start, Enter},  {GameState::LevelClear, PadAction::Start, Enter},
    };
    for (const Case& c : cases) {
        session.game().setState(c.state);
        EXPECT_EQ(session.window().padKey(c.action), c.key)
            << static_cast<int>(c.state) << " " << static_cast<int>(c.action);
    }
}

TEST(GameFlow, HardAtLevelFiveSpeedsUpPerLandingAndClearsBackToItsSpeed)
{
    ScriptSession session;
    session.take();
    newGame(session, 1011, 5);
    EXPECT_EQ(session.take(), Lines{"song 1"});
    Game& game = session.game();
    EXPECT_EQ(game.state(), GameState::Playing);
    EXPECT_EQ(game.levelIndex(), 4u);
    EXPECT_EQ(game.tickInterval(), 300u);
    EXPECT_EQ(game.baseInterval(), 300u);
    EXPECT_EQ(game.currentScore(), 0);
    EXPECT_EQ(game.cells().virusCount(), 20u);
    EXPECT_EQ(session.timerPeriod(), 300u);

    for (int landing = 1; landing <= 5; ++landing) {
        ASSERT_GT(dropToLanding(session), 0);
        ASSERT_EQ(game.state(), GameState::Playing);
        EXPECT_EQ(game.tickInterval(), 300u - static_cast<unsigned>(landing));
        EXPECT_EQ(session.timerPeriod(), game.tickInterval());
    }

    removeViruses(game);
    session.take();
    dropToLanding(session);
    EXPECT_EQ(game.state(), GameState::LevelClear);
    EXPECT_EQ(game.tickInterval(), 300u);
    EXPECT_FALSE(session.timerRunning());
    EXPECT_EQ(session.take(), Lines{"song 4"});

    session.key(Enter);
    EXPECT_EQ(game.state(), GameState::Playing);
    EXPECT_EQ(game.levelIndex(), 5u);
    EXPECT_EQ(game.cells().virusCount(), 24u);
    EXPECT_EQ(session.take(), Lines{"song 2"});
    EXPECT_EQ(session.timerPeriod(), 300u);
}

TEST(GameFlow, EnterAfterTheLastLevelPlaysItAgain)
{
    ScriptSession session;
    newGame(session, 0, 20);
    Game& game = session.game();
    EXPECT_EQ(game.levelIndex(), 19u);
    EXPECT_EQ(game.cells().virusCount(), 80u);
    removeViruses(game);
    dropToLanding(session);
    ASSERT_EQ(game.state(), GameState::LevelClear);
    session.take();
    // Enter is the only key that acts now; others do nothing.
    session.key(Left);
    session.key(PauseKey);
    EXPECT_EQ(session.take(), Lines{});
    session.key(Enter);
    EXPECT_EQ(game.levelIndex(), 19u);
    EXPECT_EQ(game.cells().virusCount(), 80u);
    EXPECT_EQ(session.take(), Lines{"song 1"});
}

TEST(GameFlow, ClearingTheLastVirusWinsOverABlockedEntry)
{
    ScriptSession session;
    newGame(session, 0, 1);
    Game& game = session.game();
    removeViruses(game);
    blockBelowEntry(game);
    session.tick();
    EXPECT_TRUE(game.cells().entryBlocked());
    EXPECT_EQ(game.state(), GameState::LevelClear);
}

TEST(GameFlow, ALineSoundsScoresAndAnimatesOnTheGamesClock)
{
    ScriptSession session;
    newGame(session, 0, 1);
    Game& game = session.game();
    removeViruses(game);
    // Three viruses of the capsule's left colour under its entry column: the
    // landing makes a line of four.
    const CellColor color = game.currentCapsule().colorA;
    for (int row = 13; row < Playfield::Rows; ++row) {
        Cell* cell = game.cells().cellAt(3, row);
        cell->kind = CellKind::Virus;
        cell->color = color;
    }
    game.cells().setVirusCount(3);
    session.take();
    const std::uint64_t before = session.platform().time().elapsed();
    dropToLanding(session);
    const Lines lines = session.take();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "clear " + std::to_string(static_cast<int>(color)));
    EXPECT_GT(game.currentScore(), 0);
    EXPECT_EQ(game.state(), GameState::LevelClear);
    // The frames of the clearing passed on the virtual clock, not in real time.
    EXPECT_GE(session.platform().time().elapsed() - before, 3u * 150u);
}

TEST(GameFlow, OnlyAScoreAboveTheEighthPlaceAsksForAName)
{
    struct Case {
        std::int32_t score;
        bool asks;
    };
    for (const Case c : {Case{0, false}, Case{1, true}}) {
        ScriptSession session;
        newGame(session, 0, 1);
        Game& game = session.game();
        game.setScore(c.score);
        blockBelowEntry(game);
        session.take();
        session.tick();
        EXPECT_EQ(game.state(), GameState::GameOver) << c.score;
        EXPECT_FALSE(session.timerRunning());
        EXPECT_EQ(session.take(), Lines{"song 4"});
        EXPECT_EQ(session.window().lastDialogRequested() == 117, c.asks) << c.score;
    }
}

TEST(GameFlow, AKeyBoundTwiceActsAsTheFirstActionInDispatchOrder)
{
    // move left = drop = space; turn left = turn right = up; move right = pause = right
    ScriptSession session(settingsBytes({Space, Right, Up, Up, Space, Right}));
    session.take();
    // In the title the first match (a move) needs a running game: nothing.
    session.key(Space);
    EXPECT_EQ(session.take(), Lines{});

    newGame(session, 0, 1);
    Game& game = session.game();
    session.take();
    session.key(Space);
    EXPECT_EQ(game.currentCapsule().columnA, 2);
    EXPECT_EQ(game.currentCapsule().rowA, 0);  // not dropped
    session.key(Right);
    EXPECT_EQ(game.state(), GameState::Playing);  // moved, not paused
    EXPECT_EQ(game.currentCapsule().columnA, 3);

    Capsule expected = game.currentCapsule();
    turnRight(expected, game.cells());
    session.key(Up);
    EXPECT_EQ(game.currentCapsule().columnB, expected.columnB);
    EXPECT_EQ(game.currentCapsule().rowB, expected.rowB);
    EXPECT_EQ(game.currentCapsule().colorA, expected.colorA);
    EXPECT_EQ(session.take(), (Lines{"move", "move", "move"}));
}

TEST(GameFlow, ABlockedMoveStillSoundsAndRedrawsTheCapsule)
{
    ScriptSession session;
    newGame(session, 0, 1);
    session.take();
    Canvas& canvas = session.window().renderer().canvas();
    SDL_Rect area;
    for (int press = 0; press < 5; ++press)
        session.key(Left);
    EXPECT_EQ(session.game().currentCapsule().columnA, 0);
    EXPECT_EQ(session.take(), Lines(5, "move"));
    canvas.takeDirtyRect(area);
    session.key(Left);
    EXPECT_EQ(session.take(), Lines{"move"});
    ASSERT_TRUE(canvas.takeDirtyRect(area));
    EXPECT_EQ(area.x, Renderer::BoardX);
    EXPECT_EQ(area.y, Renderer::BoardY);
    EXPECT_EQ(area.w, 2 * Renderer::SquareSize);
}

TEST(GameFlow, MovesDoNothingOutsideAGame)
{
    ScriptSession session;
    newGame(session, 0, 1);
    Game& game = session.game();
    session.key(PauseKey);
    ASSERT_EQ(game.state(), GameState::Paused);
    session.take();
    Canvas& canvas = session.window().renderer().canvas();
    SDL_Rect area;
    canvas.takeDirtyRect(area);
    for (const int key : {Left, Right, Up, Down, Space})
        session.key(key);
    EXPECT_EQ(session.take(), Lines{});
    EXPECT_FALSE(canvas.takeDirtyRect(area));
    EXPECT_EQ(game.currentCapsule().columnA, 3);
    EXPECT_EQ(game.currentCapsule().rowA, 0);
}

TEST(GameFlow, TheDropKeyTicksAtOnceAndRestartsTheFullPeriod)
{
    ScriptSession session;
    newGame(session, 0, 1);
    session.take();
    session.feed("wait 100\nkey 32\nkey 32\ndump\nwait 699\ndump\nwait 1\ndump\n");
    session.runToEnd();
    const Lines lines = session.take();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("cur=3,2,"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("cur=3,2,"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("cur=3,3,"), std::string::npos) << lines[2];
}

TEST(GameFlow, PauseStopsTheTimerAndResumingWaitsAWholeInterval)
{
    ScriptSession session;
    newGame(session, 0, 1);
    session.take();
    // Escape, at the end, pauses and resumes as the pause key does.
    session.feed("wait 500\nkey 19\ndump\nwait 5000\nkey 19\ndump\nwait 699\ndump\nwait 1\ndump\n"
                 "key 27\ndump\nkey 27\ndump\n");
    session.runToEnd();
    const Lines lines = session.take();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 9), "state=605");
    EXPECT_NE(lines[0].find("cur=3,0,"), std::string::npos);
    EXPECT_EQ(lines[1].substr(0, 9), "state=602");
    EXPECT_NE(lines[1].find("cur=3,0,"), std::string::npos);
    EXPECT_NE(lines[2].find("cur=3,0,"), std::string::npos);
    EXPECT_NE(lines[3].find("cur=3,1,"), std::string::npos);
    EXPECT_EQ(lines[4].substr(0, 9), "state=605");
    EXPECT_EQ(lines[5].substr(0, 9), "state=602");
}

TEST(GameFlow, ADialogPausesARunningGameAndGivesItBack)
{
    ScriptSession session;
    newGame(session, 0, 1);
    Game& game = session.game();
    session.take();
    // While the dialog is open the timer's tick only stops it.
    session.feed("dump\nwait 2000\ndump\ndialog 2\n");
    session.command(114);
    Lines lines = session.take();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 9), "state=605");
    EXPECT_EQ(lines[1].substr(0, 9), "state=605");
    EXPECT_NE(lines[1].find("cur=3,0,"), std::string::npos);
    EXPECT_EQ(game.state(), GameState::Playing);
    EXPECT_EQ(session.timerPeriod(), game.tickInterval());

    // Paused by the key, a dialog leaves it paused.
    session.key(PauseKey);
    session.feed("dialog 2\n");
    session.command(114);
    EXPECT_EQ(game.state(), GameState::Paused);
    EXPECT_FALSE(session.timerRunning());
}

TEST(GameFlow, ANewGameWhilePlayingStartsAfreshWithTheRememberedDifficulty)
{
    ScriptSession session;
    newGame(session, 1009, 7);
    Game& game = session.game();
    game.setScore(77);
    // Hard is clicked, then the dialog cancelled: the game keeps its speed.
    session.feed("dialog 1011\ndialog 2\n");
    session.command(114);
    EXPECT_EQ(game.tickInterval(), 1100u);
    EXPECT_EQ(game.currentScore(), 77);
    // Opened again: hard is still checked and the slider is back at 1.
    session.feed("dialog 1\n");
    session.command(114);
    EXPECT_EQ(game.currentScore(), 0);
    EXPECT_EQ(game.tickInterval(), 300u);
    EXPECT_EQ(game.levelIndex(), 0u);
    EXPECT_EQ(game.state(), GameState::Playing);
    // Nothing was compared with the hall of fame.
    EXPECT_EQ(game.hallOfFame().scoreAt(0), 13);
}

TEST(GameFlow, PaintRequestsDrawWhatTheirCodeAsks)
{
    ScriptSession session;
    newGame(session, 0, 1);
    Canvas& canvas = session.window().renderer().canvas();
    SDL_Rect area;
    struct Case {
        std::uint32_t code;
        bool drawsWholeWindow;
        bool drawsAnything;
    };
    const Case cases[] = {{0, true, true}, {2, false, false}, {6, false, false}, {3, true, true},
                          {4, true, true}, {5, true, true},   {1, false, false}};
    for (const Case& c : cases) {
        canvas.takeDirtyRect(area);
        session.window().sendMessage(Message{MessageTarget::MainWindow, MessageCode::Paint, c.code, 0});
        const bool drew = canvas.takeDirtyRect(area);
        EXPECT_EQ(drew, c.drawsAnything) << c.code;
        if (drew) {
            EXPECT_EQ(area.w == 800 && area.h == 600, c.drawsWholeWindow) << c.code;
        }
    }
    // Another timer id does nothing.
    const int row = session.game().currentCapsule().rowA;
    session.window().sendMessage(Message{MessageTarget::MainWindow, MessageCode::Timer, 2, 0});
    EXPECT_EQ(session.game().currentCapsule().rowA, row);
}

// The canvas as bytes, to compare whole pictures.
std::vector<std::uint8_t> pixelsOf(Canvas& canvas)
{
    const SDL_Surface* surface = canvas.surface();
    const auto* bytes = static_cast<const std::uint8_t*>(surface->pixels);
    return {bytes, bytes + static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h)};
}

TEST(GameFlow, AFullPaintOutsidePlayPaintsItsScreenFromInsideItself)
{
    struct Case {
        const char* name;
        RedrawRequest screen;
        void (*reach)(ScriptSession&);
    };
    const Case cases[] = {
        {"paused", RedrawRequest::RedrawPause, [](ScriptSession& s) { s.key(PauseKey); }},
        {"level clear", RedrawRequest::RedrawLevelClear,
         [](ScriptSession& s) {
             removeViruses(s.game());
             dropToLanding(s);
         }},
        {"game over", RedrawRequest::RedrawGameOver,
         [](ScriptSession& s) {
             blockBelowEntry(s.game());
             s.tick();
         }},
    };
    for (const Case& c : cases) {
        ScriptSession session;
        newGame(session, 0, 1);
        c.reach(session);
        Canvas& canvas = session.window().renderer().canvas();
        session.window().sendPaint(c.screen);
        const auto expected = pixelsOf(canvas);
        // Something else on the screen first, so only a full repaint matches.
        session.window().renderer().drawTitleScreen();
        session.window().sendPaint(RedrawRequest::RedrawFull);
        EXPECT_EQ(pixelsOf(canvas), expected) << c.name;
    }
}

TEST(GameFlow, ExitEndsTheRunAndTheHallOfFameIsWritten)
{
    ScriptSession session;
    newGame(session, 0, 1);
    session.command(113);  // About: nothing in this mode
    EXPECT_TRUE(session.game().isRunning());
    session.take();
    session.command(109);
    EXPECT_FALSE(session.game().isRunning());
    EXPECT_EQ(session.game().state(), GameState::GameOver);
    session.feed("dump\n");
    session.runToEnd();  // the quit is waiting: no line is read
    EXPECT_EQ(session.take(), Lines{});
}

TEST(GameFlow, ScriptLinesThatCannotBeCarriedOutStopTheRun)
{
    struct Case {
        const char* script;
        bool inDialog;
    };
    const Case cases[] = {
        {"dialog 1\n", false},         // no dialog open
        {"menu 121\n", true},          // a menu while a dialog is open
        {"dialog 1012\n", true},       // no such control
        {"dialog 1 5\n", true},        // a value for a push button
        {"dialog 1010 x\n", true},     // a value for a radio button
        {"dialog 1018 five\n", true},  // a track bar's value is a number
        {"bogus\n", true},
    };
    for (const Case& c : cases) {
        ScriptSession session;
        session.feed(c.script);
        try {
            if (c.inDialog)
                session.command(114);
            else
                session.runToEnd();
            ADD_FAILURE() << c.script << " was accepted";
        } catch (const ScriptRejected& rejected) {
            EXPECT_EQ(rejected.status, 2) << c.script;
        }
    }
}

TEST(GameFlow, DialogValuesFollowTheControls)
{
    ScriptSession session;
    // Clamped into 1..20, signs allowed; a value for the group box or a click
    // on the track bar changes nothing.
    session.feed("dialog 1018 -7\ndialog 1018 +99999999999999\ndialog 1017 3\ndialog 1018\ndialog 1\n");
    session.command(114);
    EXPECT_EQ(session.game().levelIndex(), 19u);
    session.feed("dialog 1018 -7\ndialog 1\n");
    session.command(114);
    EXPECT_EQ(session.game().levelIndex(), 0u);
    // Enter in a dialog is its default button, Escape its cancel.
    session.feed("dialog 1018 3\nkey 65\nkey 13\n");
    session.command(114);
    EXPECT_EQ(session.game().levelIndex(), 2u);
    session.feed("dialog 1018 9\nkey 27\n");
    session.command(114);
    EXPECT_EQ(session.game().levelIndex(), 2u);
}

TEST(GameFlow, TheGameWaitsForItsPlayerAndKeepsThePlayersChoices)
{
    ScriptSession session;
    std::vector<Preferences> kept;
    session.window().keepPreferences(Preferences{}, [&kept](const Preferences& p) { kept.push_back(p); });
    const auto send = [&session](MessageCode code, std::uint32_t wParam = 0, std::int32_t lParam = 0) {
        session.window().sendMessage(Message{MessageTarget::MainWindow, code, wParam, lParam});
    };
    const SoundPlayer& sound = session.game().soundPlayer();
    newGame(session, 1011, 7);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.back().difficulty, 2);
    EXPECT_EQ(kept.back().level, 7);
    // The window left, then back: the game waits, its music too, until the
    // player resumes it (A on a pad); a menu opening waits as well.
    send(MessageCode::ActivateApp, 0);
    EXPECT_EQ(session.game().state(), GameState::Paused);
    EXPECT_TRUE(sound.musicPaused());
    send(MessageCode::ActivateApp, 1);
    EXPECT_EQ(session.game().state(), GameState::Paused);
    send(MessageCode::PadPress, static_cast<std::uint32_t>(PadAction::A));
    EXPECT_EQ(session.game().state(), GameState::Playing);
    EXPECT_FALSE(sound.musicPaused());
    send(MessageCode::EnterMenuLoop);
    EXPECT_EQ(session.game().state(), GameState::Paused);
    session.key(Escape);
    // Turned off, the game runs on without its player.
    session.command(127);
    EXPECT_FALSE(kept.back().pauseWhenInactive);
    send(MessageCode::ActivateApp, 0);
    EXPECT_EQ(session.game().state(), GameState::Playing);
    // The game's own repeat moves and drops; a held turn turns once.
    session.take();
    send(MessageCode::KeyDown, Up, keyflag::Repeat);
    send(MessageCode::KeyDown, Left, keyflag::Repeat);
    EXPECT_EQ(session.take(), Lines{"move"});
    // Ctrl+M mutes and unmutes, and is kept.
    send(MessageCode::SysKeyDown, 'M', keyflag::Control);
    EXPECT_TRUE(sound.muted());
    EXPECT_TRUE(kept.back().muted);
    // The sound dialog keeps what OK confirms and gives back what Cancel
    // leaves.
    session.feed("dialog 1041 3\ndialog 1042 0\ndialog 1\n");
    session.command(126);
    EXPECT_EQ(sound.musicVolume(), 3);
    EXPECT_EQ(sound.effectsVolume(), 0);
    EXPECT_EQ(kept.back().musicVolume, 3);
    session.feed("dialog 1041 9\ndialog 2\n");
    session.command(126);
    EXPECT_EQ(sound.musicVolume(), 3);
    // The next new game offers the last one's choices.
    session.feed("dialog 1\n");
    session.command(114);
    EXPECT_EQ(session.game().levelIndex(), 6u);
    EXPECT_EQ(session.game().baseInterval(), 300u);
}

}  // namespace
}  // namespace quindel::test
