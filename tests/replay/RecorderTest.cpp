// Replays against a live game that behaves as the real one does on a busy
// machine, but on a clock the test owns: ticks and animation frames come a
// few milliseconds late, keys come at any moment (now and then while a tick
// is already overdue), dialogs stay open while ticks fall due, the seconds
// turn at a phase of their own. Each recorded game, played again by the
// scripted run in an empty folder, must end exactly where the live one did.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ReplayCheck.h"
#include "TempFolder.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "messages/Clock.h"
#include "messages/Deadline.h"
#include "render/Canvas.h"
#include "replay/LatchedTimeSource.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplaySink.h"
#include "sound/SilentAudioLayer.h"
#include "store/HallOfFame.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"
#include "widgets/UiPlatform.h"
#include "window/GamePrinter.h"
#include "window/KeyOptionsDialog.h"
#include "window/MainWindow.h"
#include "window/NameEntryDialog.h"
#include "window/NewGameDialog.h"

namespace quindel {
namespace {

using Random = std::mt19937;

int between(Random& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// The live game's clock: whatever it waits for comes a little late.
class LateClock final : public Clock {
public:
    explicit LateClock(Random& random) : random(random) {}
    std::uint32_t now() const override { return ms; }
    void waitUntil(std::uint32_t deadline) override
    {
        if (isEarlier(ms, deadline))
            ms = deadline + late();
    }
    std::uint32_t late() { return static_cast<std::uint32_t>(between(random, 0, 40)); }
    void passTo(std::uint32_t when)
    {
        if (isEarlier(ms, when))
            ms = when;
    }

    std::uint32_t ms = 90'000;

private:
    Random& random;
};

// The calendar, whose seconds turn wherever they like against the clock.
class Calendar final : public TimeSource {
public:
    Calendar(const LateClock& clock, std::int64_t startMs) : clock(clock), startMs(startMs) {}
    std::int64_t seconds() const override { return wallMs() / 1000; }
    std::int64_t wallMs() const { return startMs + clock.ms; }

private:
    const LateClock& clock;
    std::int64_t startMs;
};

class MemorySink final : public ReplaySink {
public:
    void begin(std::int64_t) override { games.emplace_back(); }
    void write(std::string_view lines) override { games.back() += lines; }
    void end() override {}
    std::vector<std::string> games;
};

// The platform and the person in front of it: keys, pad presses and menu
// commands at random moments, dialogs answered after a while.
class Player final : public UiPlatform, public WindowWatcher {
public:
    Player(Random& random, LateClock& clock) : random(random), lateClock(clock) {}

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override
    {
        if (!dialogs.empty())
            return answer(deadline);
        const std::uint32_t when = lateClock.ms + static_cast<std::uint32_t>(between(random, 0, 260));
        if (deadline) {
            const std::uint32_t fires = *deadline + lateClock.late();
            if (!isEarlier(when, fires)) {
                lateClock.passTo(fires);
                return std::nullopt;
            }
        }
        lateClock.passTo(when);
        return input();
    }
    Clock& clock() override { return lateClock; }
    void attach(MessagePump&) override {}
    void present() override {}
    bool showsMessageBoxes() const override { return true; }
    void dialogOpened(DialogHost& dialog) override
    {
        dialogs.push_back(&dialog);
        closesAt = lateClock.ms + static_cast<std::uint32_t>(between(random, 30, 2500));
    }
    void dialogClosed(DialogHost& dialog) override { std::erase(dialogs, &dialog); }

    // Where each recorded game ended in the live game.
    void messageArrived(const Message&) override { noteEnd(); }
    void messageHandled(const Message&) override { noteEnd(); }
    void dialogOpened(int templateId) override
    {
        if (templateId == dialog::NewGame && recorder->isRecording())
            abandoned = snapshot();
    }
    void dialogClosed(int templateId, const DialogHost& host) override
    {
        if (templateId == dialog::NewGame && host.result() == OkId && !abandoned.state.empty())
            ends.push_back(abandoned);
        abandoned = {};
        wasRecording = recorder->isRecording();
    }

    Game* game = nullptr;
    MainWindow* window = nullptr;
    ReplayRecorder* recorder = nullptr;
    Canvas* canvas = nullptr;
    std::vector<test::GameEnd> ends;

private:
    test::GameEnd snapshot() const
    {
        std::ostringstream out;
        GamePrinter printer(*game, *canvas, out);
        printer.printState();
        printer.printHallOfFame();
        test::GameEnd end;
        std::istringstream lines(out.str());
        std::getline(lines, end.state);
        for (std::string line; std::getline(lines, line);)
            end.hallOfFame.push_back(line);
        return end;
    }

    void noteEnd()
    {
        if (wasRecording && !recorder->isRecording())
            ends.push_back(snapshot());
        wasRecording = recorder->isRecording();
    }

    static Message key(std::int32_t code)
    {
        return Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(code), 0};
    }
    static Message command(int id)
    {
        return Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(id), 0};
    }

    Message input()
    {
        ++inputs;
        switch (game->state()) {
        case GameState::Title:
            return command(command::NewGame);
        case GameState::GameOver:
            return command(command::Exit);
        case GameState::LevelClear:
            if (between(random, 0, 3) > 0)
                return key(vk::Return);
            break;
        default:
            break;
        }
        if (inputs > 30'000)
            return command(command::Exit);
        const int roll = between(random, 0, 99);
        if (roll < 58) {
            const std::int32_t keys[] = {game->moveLeftKey(),  game->moveRightKey(), game->turnLeftKey(),
                                         game->turnRightKey(), game->dropKey(),      game->dropKey()};
            return key(keys[between(random, 0, 5)]);
        }
        if (roll < 68)
            return Message{MessageTarget::MainWindow, MessageCode::PadPress,
                           static_cast<std::uint32_t>(between(random, 0, 7)), 0};
        if (roll < 72)
            return key(between(random, 0, 1) == 0 ? game->pauseKey() : vk::Escape);
        if (roll < 77)
            return key(between(random, 0, 1) == 0 ? 'Q' : vk::Return);
        if (roll < 80)
            return command(command::Highscores);
        if (roll < 82)
            return command(command::About);
        if (roll < 84)
            return command(command::Settings);
        if (roll < 86)
            return command(command::WatchLastGame);
        if (roll < 87 && newGames-- > 0)
            return command(command::NewGame);
        // The desktop's repeat of a held key, which the window takes only
        // for moving and dropping.
        if (roll < 91) {
            const std::int32_t keys[] = {game->moveLeftKey(), game->turnLeftKey(), game->turnRightKey(),
                                         game->dropKey(), game->pauseKey()};
            Message repeat = key(keys[between(random, 0, 4)]);
            repeat.lParam = keyflag::Repeat;
            return repeat;
        }
        // The window left and back, or a menu opened and closed: a running
        // game pauses.
        if (roll < 92)
            return Message{MessageTarget::MainWindow, MessageCode::ActivateApp,
                           static_cast<std::uint32_t>(between(random, 0, 1)), 0};
        if (roll < 93)
            return Message{MessageTarget::MainWindow,
                           between(random, 0, 1) == 0 ? MessageCode::EnterMenuLoop : MessageCode::ExitMenuLoop};
        return key(game->dropKey());
    }

    std::optional<Message> answer(std::optional<std::uint32_t> deadline)
    {
        // A tick that falls due while the dialog is open comes first.
        if (deadline && isEarlier(*deadline, closesAt)) {
            lateClock.passTo(*deadline + lateClock.late());
            return std::nullopt;
        }
        lateClock.passTo(closesAt);
        DialogHost& dialog = *dialogs.back();
        const bool ok = between(random, 0, 4) > 0;
        switch (window->lastDialogRequested()) {
        case dialog::NewGame: {
            const int radios[] = {NewGameDialog::EasyId, NewGameDialog::NormalId, NewGameDialog::HardId,
                                  NewGameDialog::HardId};
            dialog.click(radios[between(random, 0, 3)]);
            dialog.giveValue(NewGameDialog::LevelBarId, std::to_string(between(random, 8, 20)));
            dialog.click(ok || game->state() == GameState::Title ? OkId : CancelId);
            break;
        }
        case dialog::NameEntry: {
            const char* names[] = {"ANN", " spaced ", "", "a name too long", "x"};
            dialog.giveValue(NameEntryDialog::NameFieldId, names[between(random, 0, 4)]);
            dialog.click(ok ? OkId : CancelId);
            break;
        }
        case dialog::KeyOptions: {
            const char* keys[] = {"x", "z", "SPACE", "LEFT", "p", "PAUSE"};
            const auto& lists = KeyOptionsDialog::Lists;
            dialog.giveValue(lists[static_cast<std::size_t>(between(random, 0, 5))].list, keys[between(random, 0, 5)]);
            if (between(random, 0, 5) == 0)
                dialog.click(KeyOptionsDialog::DefaultId);
            dialog.click(ok ? OkId : CancelId);
            break;
        }
        default:
            dialog.click(OkId);
            break;
        }
        return Message{};
    }

    Random& random;
    LateClock& lateClock;
    std::vector<DialogHost*> dialogs;
    std::uint32_t closesAt = 0;
    int inputs = 0;
    int newGames = 2;
    bool wasRecording = false;
    test::GameEnd abandoned;
};

TEST(ReplayRecorder, EveryRecordedGameEndsWhereTheLiveOneDid)
{
    int games = 0;
    for (std::uint32_t session = 1; session <= 12; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        Random random(session);
        LateClock clock(random);
        const Calendar calendar(clock, 1'700'000'000'000 + between(random, 0, 999));
        setTimeSource(&calendar);
        LatchedTimeSource seconds(calendar);
        MemorySink sink;
        Player player(random, clock);
        test::TempFolder folder("recorded");
        Canvas canvas;
        SilentAudioLayer audio;
        std::string finalHighscore;
        {
            MainWindow* window = nullptr;
            Game game(
                audio,
                [&](Game& created) {
                    auto made = std::make_unique<MainWindow>(created, player, canvas);
                    window = made.get();
                    return made;
                },
                GamePaths{folder / "highscore.dat", folder / "settings.dat"});
            setTimeSource(&seconds);
            ReplayRecorder recorder(game, clock, seconds, sink, [&calendar] { return calendar.wallMs(); });
            recorder.setKeyFilter([window](std::int32_t key, bool repeat) { return window->takesKey(key, repeat); });
            window->addWatcher(recorder);
            window->addWatcher(player);
            // Watching a replay pauses the game as a dialog does.
            window->setCommand(command::WatchLastGame, [&] {
                const bool playing = game.state() == GameState::Playing;
                if (playing)
                    game.setState(GameState::Paused);
                clock.passTo(clock.ms + static_cast<std::uint32_t>(between(random, 10, 3000)));
                if (playing && game.state() == GameState::Paused) {
                    game.setState(GameState::Playing);
                    game.startTimer(game.tickInterval());
                }
            });
            player.game = &game;
            player.window = window;
            player.recorder = &recorder;
            player.canvas = &canvas;
            game.run();
            window->removeWatcher(player);
            window->removeWatcher(recorder);
        }
        setTimeSource(nullptr);
        const test::Bytes liveHighscore = test::readBytes(folder / "highscore.dat");
        ASSERT_EQ(sink.games.size(), player.ends.size());
        for (std::size_t k = 0; k < sink.games.size(); ++k) {
            SCOPED_TRACE("game " + std::to_string(k + 1) + ":\n" + sink.games[k]);
            const test::GameEnd end = test::replayed(sink.games[k]);
            EXPECT_EQ(end.state, player.ends[k].state);
            EXPECT_EQ(end.hallOfFame, player.ends[k].hallOfFame);
            if (k + 1 == sink.games.size()) {
                EXPECT_EQ(end.highscore, liveHighscore);
            }
            ++games;
        }
    }
    EXPECT_GE(games, 12);
}

}  // namespace
}  // namespace quindel
