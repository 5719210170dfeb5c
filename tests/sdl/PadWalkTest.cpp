// A player with a gamepad and nothing else: SDL's virtual pad, on the real
// platform (dummy video driver) and the real window, starts a game from the
// title, plays it to its end, spells a three-letter name and finds it in the
// hall of fame. The pad's presses answer the window's trace as it goes.

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "SdlSession.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "render/Canvas.h"
#include "sdl/SdlPlatform.h"
#include "sound/SilentAudioLayer.h"
#include "store/HallOfFame.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"
#include "widgets/DialogTemplate.h"
#include "window/MainWindow.h"
#include "window/NameEntryDialog.h"

namespace quindel {
namespace {

// The window's trace, read line by line; each line the pad has an answer to
// pushes the pad's presses into SDL's queue.
class Steering final : public std::streambuf {
public:
    explicit Steering(SDL_JoystickID pad) : pad(pad) {}
    std::vector<std::string> lines;

protected:
    int overflow(int c) override
    {
        if (c == '\n') {
            lines.push_back(line);
            answer(line);
            line.clear();
        } else if (c != traits_type::eof()) {
            line += static_cast<char>(c);
        }
        return c;
    }

private:
    void button(SDL_GameControllerButton which, bool down)
    {
        SDL_Event event{};
        event.cbutton.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
        event.cbutton.which = pad;
        event.cbutton.button = static_cast<Uint8>(which);
        event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }
    void press(std::initializer_list<SDL_GameControllerButton> buttons)
    {
        for (const auto which : buttons) {
            button(which, true);
            button(which, false);
        }
    }

    void answer(const std::string& said)
    {
        using B = SDL_GameControllerButton;
        if (said == "state Title") {
            press({SDL_CONTROLLER_BUTTON_START});
        } else if (said == "dialog-open 116") {
            // The level bar has the focus: right to level 20, A starts.
            for (int step = 0; step < 19; ++step)
                press({SDL_CONTROLLER_BUTTON_DPAD_RIGHT});
            press({SDL_CONTROLLER_BUTTON_A});
        } else if (said == "state Playing" && !dropping) {
            // Down held: the pad's repeat drops capsule after capsule.
            dropping = true;
            button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
        } else if (said == "state GameOver") {
            button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
        } else if (said == "dialog-open 117") {
            const B up = SDL_CONTROLLER_BUTTON_DPAD_UP;
            const B right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
            press({up, right, up, right, up, up, SDL_CONTROLLER_BUTTON_A});
        } else if (said == "dialog-close 117 1") {
            // Back lights the menu: Options, its second item, A.
            press({SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                   SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A});
        } else if (said == "dialog-open 115") {
            press({SDL_CONTROLLER_BUTTON_B});
        } else if (said.rfind("dialog-close 115", 0) == 0) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }

    SDL_JoystickID pad;
    std::string line;
    bool dropping = false;
};

// A new second at every call, so each capsule has colours of its own and a
// game of drops ends soon, the same way every time.
class CountingTime final : public TimeSource {
public:
    std::int64_t seconds() const override { return next++; }

private:
    mutable std::int64_t next = 1700000000;
};

TEST(PadWalk, AGamepadAlonePlaysAWholeGameAndEntersAName)
{
    CountingTime time;
    setTimeSource(&time);
    // The dummy driver's window never has the focus, without which SDL
    // holds a pad's events back.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    {
        test::SdlSession session;
        ASSERT_TRUE(session) << session.error();
        // A hall of fame any score enters (scores of -1, which only a foreign
        // file holds), so the game's end asks for a name whatever it scored.
        test::Bytes table(HallOfFame::TableSize, 0);
        for (std::size_t i = HallOfFame::ScoreBytesOffset; i < table.size(); ++i)
            table[i] = 0xFF;
        test::writeBytes(session.directory / "highscore.dat", table);
        session.game->hallOfFame().load();
        const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                     SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        Steering steering(SDL_JoystickGetDeviceInstanceID(device));
        std::ostream trace(&steering);
        session.window->setTrace(&trace);
        session.game->run();
        EXPECT_EQ(session.game->hallOfFame().nameView(0), "ABC");
        session.window->setTrace(nullptr);
        SDL_JoystickDetachVirtual(device);
        const std::vector<std::string> expected{"dialog-open 116", "level 20 tick 700", "dialog-close 116 1",
                                                "state GameOver",  "dialog-open 117",   "dialog-close 117 1",
                                                "dialog-open 115", "dialog-close 115 2"};
        std::vector<std::string> seen;
        for (const std::string& line : steering.lines)
            if (std::find(expected.begin(), expected.end(), line) != expected.end()
                && std::find(seen.begin(), seen.end(), line) == seen.end())
                seen.push_back(line);
        EXPECT_EQ(seen, expected);
        session.game.reset();
        EXPECT_EQ(test::readBytes(session.directory / "highscore.dat").size(), 120u);
    }
    setTimeSource(nullptr);
}

// For the README, when QUINDEL_SCREENSHOTS names a folder: the name entry
// over the game-over picture as a pad's player spells a name in it.
TEST(PadWalk, ScreenshotOfTheNameEntryByPad)
{
    const char* folder = std::getenv("QUINDEL_SCREENSHOTS");
    if (folder == nullptr)
        GTEST_SKIP() << "QUINDEL_SCREENSHOTS names no folder";
    test::SdlSession session;
    ASSERT_TRUE(session) << session.error();
    Game& game = *session.game;
    MainWindow* window = session.window;
    SdlPlatform* platform = session.platform.get();
    game.setLevelIndex(6);
    game.setState(GameState::GameOver);
    window->sendPaint(RedrawRequest::RedrawGameOver);
    NameEntryDialog procedure(game);
    DialogHost dialog(*window, *DialogTemplate::find(dialog::NameEntry), procedure);
    platform->dialogOpened(dialog);
    procedure.initDialog(dialog);
    for (const PadAction action : {PadAction::Up, PadAction::Right, PadAction::Up, PadAction::Up, PadAction::Right,
                                   PadAction::Up, PadAction::Up, PadAction::Up, PadAction::Up})
        dialog.pad(action);
    for (int frame = 0; frame < 3; ++frame)
        platform->present();
    ASSERT_EQ(dialog.itemText(1019), "ACE");
    SDL_Surface* shown = SDL_GetWindowSurface(platform->window());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(SDL_SaveBMP(shown, (std::string(folder) + "/name-entry-pad.bmp").c_str()), 0) << SDL_GetError();
    platform->dialogClosed(dialog);
}

}  // namespace
}  // namespace quindel
