// A game shown in the real window from a script, on SDL's dummy driver: the
// viewer's presses, pushed into SDL's queue, steer it or end it.

#include "playback/GuestPlatform.h"

#include "SdlSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "messages/MessagePump.h"
#include "script/ScriptSource.h"
#include "widgets/CommandIds.h"

namespace quindel {
namespace {

SDL_Event keyDown(SDL_Keycode key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event click()
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.clicks = 1;
    event.button.x = 400;
    event.button.y = 300;
    return event;
}

SDL_Event quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

SDL_Event windowEvent(Uint8 what)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

SDL_Event focusLost()
{
    return windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
}

SDL_Event focusGained()
{
    return windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
}

// Every case ends the script's long wait at once, by the last of its events;
// the ones before it must have been taken as they say, and never ended it.
TEST(GuestPlatform, TheViewersKeysSteerAReplayAndAnyPressEndsTheDemo)
{
    struct Case {
        const char* name;
        GuestPlatform::Mode mode;
        std::vector<SDL_Event> events;
        // Posted to the game around it before, given back to it after.
        std::vector<Message> posted;
        GuestPlatform::Ending ending;
        int speed;
    };
    const Message newGame{MessageTarget::MainWindow, MessageCode::Command, 114, 0};
    const Message menuClosed{MessageTarget::MainWindow, MessageCode::ExitMenuLoop};
    using Mode = GuestPlatform::Mode;
    using Ending = GuestPlatform::Ending;
    const Case cases[] = {
        {"twice the speed, then Escape", Mode::Replay, {keyDown(SDLK_2), keyDown(SDLK_ESCAPE)}, {}, Ending::Stopped, 2},
        {"a click and other keys go nowhere in a replay",
         Mode::Replay,
         {click(), keyDown(SDLK_a), keyDown(SDLK_SPACE), keyDown(SDLK_4), keyDown(SDLK_ESCAPE)},
         {},
         Ending::Stopped,
         4},
        {"paused, faster, the window closed",
         Mode::Replay,
         {keyDown(SDLK_PAUSE), keyDown(SDLK_4), keyDown(SDLK_PAUSE), keyDown(SDLK_1), quit()},
         {},
         Ending::Closed,
         1},
        {"a menu command of the game around it", Mode::Replay, {keyDown(SDLK_2)}, {newGame}, Ending::Stopped, 2},
        {"the menu that let go of the keyboard is no reason to end",
         Mode::Replay,
         {keyDown(SDLK_4), keyDown(SDLK_ESCAPE)},
         {menuClosed},
         Ending::Stopped,
         4},
        {"any key ends the demo", Mode::Demo, {keyDown(SDLK_a)}, {}, Ending::Stopped, 1},
        {"the speed keys too", Mode::Demo, {keyDown(SDLK_4)}, {}, Ending::Stopped, 1},
        {"a click ends the demo", Mode::Demo, {click()}, {}, Ending::Stopped, 1},
        {"the window closed in the demo", Mode::Demo, {quit()}, {}, Ending::Closed, 1},
        {"the window left in the demo", Mode::Demo, {focusLost()}, {}, Ending::Left, 1},
        {"the window left and back in a replay",
         Mode::Replay,
         {focusLost(), focusGained(), keyDown(SDLK_2), keyDown(SDLK_ESCAPE)},
         {},
         Ending::Stopped,
         2},
    };
    test::SdlSession session;
    ASSERT_TRUE(session) << session.error();
    for (const Case& c : cases) {
        session.drain();
        std::istringstream lines("wait 600000\nkey 37\n");
        StreamScriptSource script(lines);
        std::ostringstream errors;
        MessagePump& outer = session.window->pump();
        auto guest = std::make_unique<GuestPlatform>(*session.platform, script, c.mode, errors, &outer);
        for (const Message& message : c.posted)
            outer.post(message);
        for (SDL_Event event : c.events)
            SDL_PushEvent(&event);
        // Ended, the wait passes at once and the script is read no further:
        // the game is told to exit (a paint the window asked for may come
        // first).
        std::optional<Message> message;
        do
            message = guest->waitEvent(std::nullopt);
        while (message && message->code == MessageCode::Paint);
        ASSERT_TRUE(message) << c.name;
        EXPECT_EQ(message->code, MessageCode::Command) << c.name;
        EXPECT_EQ(message->wParam, static_cast<std::uint32_t>(command::Exit)) << c.name;
        EXPECT_EQ(guest->ending(), c.ending) << c.name;
        EXPECT_EQ(guest->speed(), c.speed) << c.name;
        EXPECT_FALSE(guest->isPaused()) << c.name;
        EXPECT_EQ(errors.str(), "") << c.name;
        guest.reset();
        for (const Message& message : c.posted) {
            ASSERT_TRUE(outer.hasPosted()) << c.name;
            const Message back = outer.get();
            EXPECT_EQ(back.code, message.code) << c.name;
            EXPECT_EQ(back.wParam, message.wParam) << c.name;
        }
        EXPECT_FALSE(outer.hasPosted()) << c.name;
    }
}

}  // namespace
}  // namespace quindel
