// The SDL platform under SDL's dummy video driver: events pushed into SDL's
// queue come out as the game's messages.

#include "sdl/SdlPlatform.h"

#include "SdlSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "messages/MessagePump.h"
#include "render/Canvas.h"
#include "widgets/CommandIds.h"

namespace quindel {
namespace {

class SdlPlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        platform = test::dummyPlatform(canvas, error);
        ASSERT_TRUE(platform) << error;
        // Whatever SDL queued on making the window is not the test's.
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    // The message of one pushed event; a deadline that has passed already,
    // so the platform never sleeps.
    std::optional<Message> through(SDL_Event event)
    {
        SDL_PushEvent(&event);
        return platform->waitEvent(std::nullopt);
    }

    static SDL_Event keyDown(SDL_Keycode key, Uint16 mods = KMOD_NONE)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        event.key.keysym.mod = mods;
        return event;
    }

    static SDL_Event mouse(Uint32 type, int x, int y)
    {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion.x = x;
            event.motion.y = y;
        } else {
            event.button.button = SDL_BUTTON_LEFT;
            event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            event.button.clicks = 1;
            event.button.x = x;
            event.button.y = y;
        }
        return event;
    }

    Canvas canvas;
    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(SdlPlatformTest, KeysBecomeVirtualKeyMessagesAndSystemKeysStayAway)
{
    struct Case {
        SDL_Keycode key;
        Uint16 mods;
        MessageCode code;
        std::uint32_t virtualKey;
    };
    const Case cases[] = {
        {SDLK_LEFT, KMOD_NONE, MessageCode::KeyDown, 37},
        {SDLK_UP, KMOD_NONE, MessageCode::KeyDown, 38},
        {SDLK_RIGHT, KMOD_NONE, MessageCode::KeyDown, 39},
        {SDLK_DOWN, KMOD_NONE, MessageCode::KeyDown, 40},
        {SDLK_SPACE, KMOD_NONE, MessageCode::KeyDown, 32},
        {SDLK_PAUSE, KMOD_NONE, MessageCode::KeyDown, 19},
        {SDLK_RETURN, KMOD_NONE, MessageCode::KeyDown, 13},
        {SDLK_KP_ENTER, KMOD_NONE, MessageCode::KeyDown, 13},
        {SDLK_TAB, KMOD_NONE, MessageCode::KeyDown, 9},
        {SDLK_a, KMOD_NONE, MessageCode::KeyDown, 65},
        {SDLK_z, KMOD_LSHIFT, MessageCode::KeyDown, 90},
        {SDLK_5, KMOD_NONE, MessageCode::KeyDown, 53},
        {SDLK_F1, KMOD_NONE, MessageCode::KeyDown, 112},
        {SDLK_F12, KMOD_NONE, MessageCode::KeyDown, 123},
        // Ctrl alone is a bindable key; with another key it is the system's.
        {SDLK_LCTRL, KMOD_LCTRL, MessageCode::KeyDown, 17},
        {SDLK_x, KMOD_LCTRL, MessageCode::SysKeyDown, 88},
        {SDLK_LEFT, KMOD_RALT, MessageCode::SysKeyDown, 37},
        {SDLK_x, KMOD_LALT, MessageCode::SysKeyDown, 88},
    };
    for (const Case& c : cases) {
        const auto message = through(keyDown(c.key, c.mods));
        ASSERT_TRUE(message) << c.key;
        EXPECT_EQ(message->code, c.code) << c.key;
        EXPECT_EQ(message->wParam, c.virtualKey) << c.key;
    }
    // A key the game has no code for is no message at all.
    EXPECT_EQ(through(keyDown(SDLK_F15))->code, MessageCode::Null);
}

TEST_F(SdlPlatformTest, TheWindowSystemsEventsBecomePaintAndDestroy)
{
    struct Case {
        Uint8 windowEvent;
        MessageCode code;
        std::uint32_t wParam;
    };
    // Shown again: paint it all (RedrawFull); the keyboard gone or the window
    // minimised: the window is inactive (0), the keyboard back: active (1).
    const Case cases[] = {{SDL_WINDOWEVENT_SHOWN, MessageCode::Paint, 0},
                          {SDL_WINDOWEVENT_EXPOSED, MessageCode::Paint, 0},
                          {SDL_WINDOWEVENT_RESTORED, MessageCode::Paint, 0},
                          {SDL_WINDOWEVENT_FOCUS_LOST, MessageCode::ActivateApp, 0},
                          {SDL_WINDOWEVENT_MINIMIZED, MessageCode::ActivateApp, 0},
                          {SDL_WINDOWEVENT_FOCUS_GAINED, MessageCode::ActivateApp, 1}};
    for (const Case& c : cases) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = c.windowEvent;
        const auto message = through(event);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->code, c.code) << static_cast<int>(c.windowEvent);
        EXPECT_EQ(message->wParam, c.wParam) << static_cast<int>(c.windowEvent);
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(through(quit)->code, MessageCode::Destroy);
    EXPECT_EQ(through(keyDown(SDLK_F4, KMOD_LALT))->code, MessageCode::Destroy);
}

TEST_F(SdlPlatformTest, ADeadlineThatHasComeReturnsAtOnce)
{
    EXPECT_FALSE(platform->waitEvent(platform->clock().now()));
}

TEST_F(SdlPlatformTest, TheMenuPostsItsCommandsByMouseAndByKey)
{
    // The menu needs no game: a pump for its commands is all.
    MessagePump pump(platform->clock(), *platform);
    platform->attach(pump);
    const auto nextCommand = [&]() -> std::optional<std::uint32_t> {
        // Everything the events gave, until the pump is empty.
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0 || pump.hasPosted()) {
            const Message message = pump.get();
            if (message.code == MessageCode::Command)
                return message.wParam;
        }
        return std::nullopt;
    };
    platform->present();
    // "Game" in the bar, then its fourth item "Exit".
    for (const SDL_Event& event :
         {mouse(SDL_MOUSEMOTION, 20, 9), mouse(SDL_MOUSEBUTTONDOWN, 20, 9), mouse(SDL_MOUSEBUTTONUP, 20, 9)})
        SDL_PushEvent(const_cast<SDL_Event*>(&event));
    EXPECT_EQ(nextCommand(), std::nullopt);
    for (const SDL_Event& event :
         {mouse(SDL_MOUSEMOTION, 30, 81), mouse(SDL_MOUSEBUTTONDOWN, 30, 81), mouse(SDL_MOUSEBUTTONUP, 30, 81)})
        SDL_PushEvent(const_cast<SDL_Event*>(&event));
    EXPECT_EQ(nextCommand(), static_cast<std::uint32_t>(command::Exit));

    // Alt+O opens "Options"; its "H" picks "Highscores".
    SDL_Event altO = keyDown(SDLK_o, KMOD_LALT);
    SDL_PushEvent(&altO);
    EXPECT_EQ(nextCommand(), std::nullopt);
    SDL_Event h = keyDown(SDLK_h);
    SDL_PushEvent(&h);
    EXPECT_EQ(nextCommand(), static_cast<std::uint32_t>(command::Highscores));
}

}  // namespace
}  // namespace quindel
