// The real platform under SDL's dummy video driver at several window sizes:
// where the canvas is shown, menu and dialog clicks mapped back through the
// scale, the fullscreen keys, and pad events arriving as the bound keys.

#include "sdl/SdlPlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScriptSession.h"
#include "SdlSession.h"
#include "game/Game.h"
#include "render/Canvas.h"
#include "render/Renderer.h"
#include "sound/SilentAudioLayer.h"
#include "store/KeyBindings.h"
#include "widgets/CommandIds.h"
#include "window/MainWindow.h"

namespace quindel {
namespace {

class SdlDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session) << session.error(); }

    void drain() { session.drain(); }
    std::uint32_t keyIn(const std::optional<Message>& message) { return session.keyIn(message); }

    void resize(int width, int height)
    {
        SDL_SetWindowSize(platform->window(), width, height);
        drain();
    }

    // The key message an event gives; 0 for any other message.
    std::uint32_t keyOf(SDL_Event event)
    {
        drain();
        SDL_PushEvent(&event);
        return keyIn(platform->waitEvent(std::nullopt));
    }

    // A left click at a point laid out in the menu's and dialogs' units
    // (those of the original window), in window units at the current scale.
    void click(float uiX, float uiY)
    {
        const float scale = platform->layout().uiScale();
        SDL_Event event{};
        event.motion = SDL_MouseMotionEvent{
            SDL_MOUSEMOTION, 0, 0, 0, 0, static_cast<int>(uiX * scale), static_cast<int>(uiY * scale), 0, 0};
        SDL_PushEvent(&event);
        for (const Uint32 type : {Uint32{SDL_MOUSEBUTTONDOWN}, Uint32{SDL_MOUSEBUTTONUP}}) {
            event.button = SDL_MouseButtonEvent{type,
                                                0,
                                                0,
                                                0,
                                                SDL_BUTTON_LEFT,
                                                static_cast<Uint8>(type == SDL_MOUSEBUTTONDOWN),
                                                1,
                                                0,
                                                static_cast<int>(uiX * scale),
                                                static_cast<int>(uiY * scale)};
            SDL_PushEvent(&event);
        }
    }

    std::optional<std::uint32_t> nextCommand()
    {
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0
               || window->pump().hasPosted()) {
            const Message message = window->pump().get();
            if (message.code == MessageCode::Command)
                return message.wParam;
        }
        return std::nullopt;
    }

    static SDL_Event key(SDL_Keycode sym, Uint16 mods = KMOD_NONE, Uint8 repeat = 0)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mods;
        event.key.repeat = repeat;
        return event;
    }

    static SDL_Event button(SDL_GameControllerButton which, bool down, SDL_JoystickID pad = 3)
    {
        SDL_Event event{};
        event.cbutton =
            SDL_ControllerButtonEvent{static_cast<Uint32>(down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP),
                                      0,
                                      pad,
                                      static_cast<Uint8>(which),
                                      static_cast<Uint8>(down),
                                      0,
                                      0};
        return event;
    }

    static SDL_Event stick(SDL_GameControllerAxis axis, int value)
    {
        SDL_Event event{};
        event.caxis = SDL_ControllerAxisEvent{SDL_CONTROLLERAXISMOTION,   0, 3, static_cast<Uint8>(axis), 0, 0, 0,
                                              static_cast<Sint16>(value), 0};
        return event;
    }

    test::SdlSession session;
    std::unique_ptr<SdlPlatform>& platform = session.platform;
    std::unique_ptr<Game>& game = session.game;
    MainWindow*& window = session.window;
};

SDL_Color pixelOf(const SDL_Surface* surface, int x, int y)
{
    SDL_Color colour{0, 0, 0, 255};
    const auto* at =
        static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    SDL_GetRGB(*reinterpret_cast<const Uint32*>(at), surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

TEST_F(SdlDisplayTest, TheCanvasReachesTheWindowWhereTheLayoutPutsItBetweenDarkBars)
{
    struct Case {
        int width, height;
        bool integer;
        DisplayLayout::Rect canvas;
    };
    const Case cases[] = {{800, 619, false, {0, 19, 800, 600}},
                          {1920, 1080, false, {262, 33, 1396, 1047}},
                          {1920, 1080, true, {560, 256, 800, 600}},
                          {1280, 1024, false, {0, 47, 1280, 960}}};
    const SDL_Surface* canvas = window->renderer().canvas().surface();
    for (const Case& c : cases) {
        if (platform->isIntegerScaling() != c.integer)
            window->sendMessage(Message{MessageTarget::MainWindow, MessageCode::Command,
                                        static_cast<std::uint32_t>(command::IntegerScaling), 0});
        resize(c.width, c.height);
        const DisplayLayout::Rect at = platform->layout().canvas();
        EXPECT_EQ(std::vector({at.x, at.y, at.width, at.height}),
                  std::vector({c.canvas.x, c.canvas.y, c.canvas.width, c.canvas.height}))
            << c.width << "x" << c.height;
        window->sendPaint(RedrawRequest::RedrawFull);
        const SDL_Surface* shown = SDL_GetWindowSurface(platform->window());
        ASSERT_EQ(shown->w, c.width);
        for (const auto& [cx, cy] : {std::pair{100, 100}, std::pair{400, 300}, std::pair{700, 550}}) {
            // Smooth scaling blends neighbours; the title's backdrop is soft
            // there, so a shown pixel stays close to its source.
            const SDL_Color want = pixelOf(canvas, cx, cy);
            const SDL_Color got =
                pixelOf(shown, at.x + (2 * cx + 1) * at.width / 1600, at.y + (2 * cy + 1) * at.height / 1200);
            EXPECT_NEAR(got.r + got.g + got.b, want.r + want.g + want.b, 40)
                << c.width << "x" << c.height << " at " << cx << "," << cy;
        }
        const SDL_Color below = pixelOf(shown, c.width / 2, c.height - 1);
        const SDL_Color beside = pixelOf(shown, at.x / 2, c.height / 2);
        if (at.y + at.height < c.height) {
            EXPECT_LT(below.r + below.g + below.b, 80) << c.width << "x" << c.height;
        }
        if (at.x > 0) {
            EXPECT_LT(beside.r + beside.g + beside.b, 80) << c.width << "x" << c.height;
        }
    }
}

TEST_F(SdlDisplayTest, ClicksInTheMenuAndInADialogMapBackAtEveryScale)
{
    struct Case {
        int width, height;
        float scale;       // of the menu and the dialogs
        float canvasLeft;  // where the client area starts, in their units
    };
    const Case cases[] = {{800, 619, 1.0f, 0.0f},
                          {1600, 1238, 2.0f, 0.0f},
                          {2400, 1238, 2.0f, 200.0f},  // twice the original between bars
                          {1920, 1080, 22.0f / 13.0f, 262.0f * 13.0f / 22.0f}};
    for (const Case& c : cases) {
        resize(c.width, c.height);
        ASSERT_FLOAT_EQ(platform->layout().uiScale(), c.scale) << c.width;
        // "Game" in the bar, then its fourth item "Exit".
        click(20, 9);
        EXPECT_EQ(nextCommand(), std::nullopt) << c.width;
        click(30, 81);
        EXPECT_EQ(nextCommand(), static_cast<std::uint32_t>(command::Exit)) << c.width;

        // "Start game" in the new-game dialog (406 x 173 units, centred over
        // the canvas): 321 + 37 units in, 19 + 92 + 11 down from its top. A
        // click that missed would leave the dialog to the quit behind it.
        click(std::floor(c.canvasLeft) + 197.0f + 358.0f, 19.0f + 213.0f + 122.0f);
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        game->setState(GameState::Title);
        window->sendMessage(
            Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(command::NewGame), 0});
        EXPECT_EQ(game->state(), GameState::Playing) << c.width;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        while (window->pump().hasPosted())
            window->pump().get();
        window->killTimer();
    }
}

TEST_F(SdlDisplayTest, FullscreenKeysToggleTheWindowAndNeverReachTheGame)
{
    struct Case {
        const char* name;
        SDL_Event event;
        bool toggles;
    };
    const Case cases[] = {
        {"F11", key(SDLK_F11), true},
        {"Alt+Enter", key(SDLK_RETURN, KMOD_LALT), true},
        {"Alt+keypad Enter", key(SDLK_KP_ENTER, KMOD_RALT), true},
        // Held down, the key repeats; the window does not flicker.
        {"F11 repeated", key(SDLK_F11, KMOD_NONE, 1), false},
        {"Alt+Enter repeated", key(SDLK_RETURN, KMOD_LALT, 1), false},
    };
    for (const Case& c : cases) {
        const bool before = platform->isFullscreen();
        EXPECT_EQ(keyOf(c.event), 0u) << c.name;
        EXPECT_EQ(platform->isFullscreen(), c.toggles ? !before : before) << c.name;
    }
    EXPECT_EQ(keyOf(key(SDLK_RETURN)), 13u);  // Enter alone is the game's
    const bool before = platform->isFullscreen();
    window->sendMessage(
        Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(command::Fullscreen), 0});
    EXPECT_NE(platform->isFullscreen(), before);

    // Fullscreen ended without the game (a browser's Escape): the layout that
    // follows finds out, and one F11 goes fullscreen again.
    if (!platform->isFullscreen())
        keyOf(key(SDLK_F11));
    ASSERT_TRUE(platform->isFullscreen());
    SDL_SetWindowFullscreen(platform->window(), 0);
    SDL_Event resized{};
    resized.window = SDL_WindowEvent{
        SDL_WINDOWEVENT, 0, SDL_GetWindowID(platform->window()), SDL_WINDOWEVENT_SIZE_CHANGED, 0, 0, 0, 800, 619};
    keyOf(resized);
    EXPECT_FALSE(platform->isFullscreen());
    keyOf(key(SDLK_F11));
    EXPECT_TRUE(platform->isFullscreen());
}

TEST_F(SdlDisplayTest, PadPressesArriveAsTheKeysBoundAtThatMoment)
{
    struct Case {
        const char* name;
        SDL_Event event;
        std::uint32_t key;  // 0: no key
    };
    const auto cases = [](std::uint32_t left, std::uint32_t drop) {
        return std::vector<Case>{
            {"d-pad left", button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true), left},
            {"d-pad left let go", button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false), 0},
            {"d-pad right", button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), 39},
            {"d-pad down", button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true), drop},
            {"d-pad up", button(SDL_CONTROLLER_BUTTON_DPAD_UP, true), 0},
            {"A turns right", button(SDL_CONTROLLER_BUTTON_A, true), 38},
            {"B turns left", button(SDL_CONTROLLER_BUTTON_B, true), 40},
            {"Start pauses", button(SDL_CONTROLLER_BUTTON_START, true), 19},
            {"stick left", stick(SDL_CONTROLLER_AXIS_LEFTX, -20000), left},
            {"stick eased, still left", stick(SDL_CONTROLLER_AXIS_LEFTX, -12000), 0},
            {"stick centred", stick(SDL_CONTROLLER_AXIS_LEFTX, 0), 0},
            {"stick up", stick(SDL_CONTROLLER_AXIS_LEFTY, -25000), 0},
            {"d-pad let go", button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), 0},
            {"stick down", stick(SDL_CONTROLLER_AXIS_LEFTY, 25000), drop},
            {"stick centred again", stick(SDL_CONTROLLER_AXIS_LEFTY, 0), 0},
            {"d-pad right let go", button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false), 0},
        };
    };
    // In play: Start is the pause key there.
    game->setState(GameState::Playing);
    for (const Case& c : cases(37, 32))
        EXPECT_EQ(keyOf(c.event), c.key) << c.name;
    game->keyBindings().bindByName(KeySlot::MoveLeft, "a");
    game->keyBindings().bindByName(KeySlot::DropPill, "x");
    for (const Case& c : cases(65, 88))
        EXPECT_EQ(keyOf(c.event), c.key) << "rebound: " << c.name;
    game->setState(GameState::Title);

    // Start is Enter after a cleared level, and the next level begins.
    keyOf(button(SDL_CONTROLLER_BUTTON_START, false));
    game->setState(GameState::LevelClear);
    SDL_Event start = button(SDL_CONTROLLER_BUTTON_START, true);
    SDL_PushEvent(&start);
    const auto message = platform->waitEvent(std::nullopt);
    ASSERT_TRUE(message);
    EXPECT_EQ(keyIn(message), 13u);
    window->sendMessage(*message);
    EXPECT_EQ(game->state(), GameState::Playing);
    window->killTimer();
}

TEST_F(SdlDisplayTest, APadPluggedInWhilePlayingIsOpenedAndPlays)
{
    // SDL's virtual pad stands in for the hardware: its arrival, opening and
    // buttons come as a real one's do. The dummy driver's window never has
    // the focus, without which SDL holds a pad's events back.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    drain();
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(joystick, nullptr) << "the pad that arrived was not opened";
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
    // What the pump does when it wakes to read the pads.
    SDL_GameControllerUpdate();
    std::uint32_t got = 0;
    while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        if (const std::uint32_t key = keyIn(platform->waitEvent(std::nullopt)); key != 0)
            got = key;
    EXPECT_EQ(got, 40u);

    // How often the pads are read: seldom with none plugged in or none in
    // use, every few milliseconds while one is played with.
    SdlGamepads pads;
    pads.polled(5000);
    EXPECT_EQ(pads.nextPoll(), 5000 + SdlGamepads::PollNone);
    SDL_Event added{};
    added.cdevice = SDL_ControllerDeviceEvent{SDL_CONTROLLERDEVICEADDED, 0, device};
    pads.handle(added, 5000);
    EXPECT_EQ(pads.nextPoll(), 5000 + SdlGamepads::PollIdle);
    pads.handle(button(SDL_CONTROLLER_BUTTON_A, true, SDL_JoystickInstanceID(joystick)), 5000);
    EXPECT_EQ(pads.nextPoll(), 5000 + SdlGamepads::PollInUse);
    pads.polled(5000 + SdlGamepads::InUseFor);
    EXPECT_EQ(pads.nextPoll(), 5000 + SdlGamepads::InUseFor + SdlGamepads::PollIdle);
    SDL_Event removed{};
    removed.cdevice = SDL_ControllerDeviceEvent{SDL_CONTROLLERDEVICEREMOVED, 0, SDL_JoystickInstanceID(joystick)};
    pads.handle(removed, 5000);
    EXPECT_EQ(pads.nextPoll(), 5000 + SdlGamepads::InUseFor + SdlGamepads::PollNone);

    SDL_JoystickDetachVirtual(device);
    drain();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "0");
}

TEST(ScriptedDisplayCommands, ChangeNothingThatIsPrinted)
{
    test::ScriptSession plain;
    test::ScriptSession toggled;
    toggled.command(command::Fullscreen);
    toggled.command(command::IntegerScaling);
    EXPECT_EQ(toggled.take(), plain.take());
    EXPECT_EQ(toggled.dump(), plain.dump());
}

}  // namespace
}  // namespace quindel
