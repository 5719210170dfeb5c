// The real platform under SDL's dummy video driver, at many window sizes:
// where the canvas is shown, clicks in the menu and in a dialog mapping back
// through the scale, fullscreen and integer scaling, and gamepad events
// arriving as the keys bound at that moment.

#include "shell/SdlPlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ScriptSession.h"
#include "game/Game.h"
#include "render/Canvas.h"
#include "render/Renderer.h"
#include "shell/MainWindow.h"
#include "shell/WindowProcedure.h"
#include "sound/SilentAudioLayer.h"
#include "store/KeyBindings.h"

namespace quindel {
namespace {

class SdlDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("SDL_VIDEODRIVER", "dummy", 0);
        std::string error;
        platform = SdlPlatform::create(error);
        ASSERT_TRUE(platform) << error;
        directory = std::filesystem::temp_directory_path()
            / ("quindel-sdl-display-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        game = std::make_unique<Game>(audio, [this](Game& created) {
            auto made = std::make_unique<MainWindow>(created, *platform);
            window = made.get();
            return made;
        }, GamePaths{directory / "highscore.dat", directory / "settings.dat"});
        drain();
    }

    void TearDown() override
    {
        game.reset();
        platform.reset();
        std::filesystem::remove_all(directory);
    }

    // Everything SDL has queued, handled; the messages it gave are dropped.
    void drain()
    {
        SDL_PumpEvents();
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            platform->waitEvent(std::nullopt);
    }

    void resize(int width, int height)
    {
        SDL_SetWindowSize(platform->window(), width, height);
        drain();
    }

    std::optional<Message> through(SDL_Event event)
    {
        SDL_PushEvent(&event);
        return platform->waitEvent(std::nullopt);
    }

    // A left click at a point of the window, in the window's units.
    static void click(float x, float y)
    {
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.x = ix;
        motion.motion.y = iy;
        SDL_PushEvent(&motion);
        for (const Uint32 type : {Uint32{SDL_MOUSEBUTTONDOWN}, Uint32{SDL_MOUSEBUTTONUP}}) {
            SDL_Event button{};
            button.type = type;
            button.button.button = SDL_BUTTON_LEFT;
            button.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            button.button.clicks = 1;
            button.button.x = ix;
            button.button.y = iy;
            SDL_PushEvent(&button);
        }
    }

    // A point laid out in the menu's and the dialogs' units (those of the
    // original window), in the window's units at the current scale.
    SDL_FPoint windowPoint(float uiX, float uiY) const
    {
        const float scale = platform->layout().uiScale();
        return SDL_FPoint{uiX * scale, uiY * scale};
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

    static SDL_Event keyDown(SDL_Keycode key, Uint16 mods = KMOD_NONE, Uint8 repeat = 0)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        event.key.keysym.mod = mods;
        event.key.repeat = repeat;
        return event;
    }

    static SDL_Event padButton(SDL_JoystickID pad, SDL_GameControllerButton button, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
        event.cbutton.which = pad;
        event.cbutton.button = static_cast<Uint8>(button);
        event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        return event;
    }

    static SDL_Event padAxis(SDL_JoystickID pad, SDL_GameControllerAxis axis, int value)
    {
        SDL_Event event{};
        event.type = SDL_CONTROLLERAXISMOTION;
        event.caxis.which = pad;
        event.caxis.axis = static_cast<Uint8>(axis);
        event.caxis.value = static_cast<Sint16>(value);
        return event;
    }

    // The key a pad event delivers; 0 when it delivers none.
    std::uint32_t keyOf(const SDL_Event& event)
    {
        const auto message = through(event);
        if (!message || message->code != MessageCode::KeyDown)
            return 0;
        return message->wParam;
    }

    std::filesystem::path directory;
    std::unique_ptr<SdlPlatform> platform;
    SilentAudioLayer audio;
    std::unique_ptr<Game> game;
    MainWindow* window = nullptr;
};

TEST_F(SdlDisplayTest, TheCanvasIsShownWhereTheLayoutPutsItWithBarsAround)
{
    struct Case {
        int width, height;
        bool integer;
        DisplayLayout::Rect canvas;
    };
    const Case cases[] = {
        {800, 619, false, {0, 19, 800, 600}},
        {1600, 1238, false, {0, 38, 1600, 1200}},
        {1920, 1080, false, {262, 33, 1396, 1047}},
        {1920, 1080, true, {560, 256, 800, 600}},
        {1280, 1024, false, {0, 47, 1280, 960}},
    };
    const SDL_Surface* canvas = window->renderer().canvas().surface();
    const auto canvasPixel = [canvas](int x, int y) {
        Uint8 r = 0, g = 0, b = 0;
        const auto* row = static_cast<const Uint8*>(canvas->pixels) + y * canvas->pitch;
        SDL_GetRGB(*reinterpret_cast<const Uint32*>(row + x * 4), canvas->format, &r, &g, &b);
        return SDL_Color{r, g, b, 255};
    };
    for (const Case& c : cases) {
        if (platform->isIntegerScaling() != c.integer)
            platform->toggleIntegerScaling();
        resize(c.width, c.height);
        const DisplayLayout::Rect at = platform->layout().canvas();
        EXPECT_EQ(at.x, c.canvas.x) << c.width << "x" << c.height;
        EXPECT_EQ(at.y, c.canvas.y) << c.width << "x" << c.height;
        EXPECT_EQ(at.width, c.canvas.width) << c.width << "x" << c.height;
        EXPECT_EQ(at.height, c.canvas.height) << c.width << "x" << c.height;

        // What reached the window: the canvas's pixels where the layout
        // says, the bars' colour beside them.
        window->sendPaint(RedrawRequest::RedrawFull);
        SDL_Surface* shown = SDL_GetWindowSurface(platform->window());
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->w, c.width);
        const auto shownPixel = [shown](int x, int y) {
            Uint8 r = 0, g = 0, b = 0;
            const auto* row = static_cast<const Uint8*>(shown->pixels) + y * shown->pitch;
            SDL_GetRGB(*reinterpret_cast<const Uint32*>(row + x * shown->format->BytesPerPixel), shown->format, &r,
                       &g, &b);
            return SDL_Color{r, g, b, 255};
        };
        for (const auto& [cx, cy] : {std::pair{100, 100}, std::pair{400, 300}, std::pair{700, 550}}) {
            const SDL_Color want = canvasPixel(cx, cy);
            const int sx = at.x + static_cast<int>((cx + 0.5f) * static_cast<float>(at.width) / 800.0f);
            const int sy = at.y + static_cast<int>((cy + 0.5f) * static_cast<float>(at.height) / 600.0f);
            const SDL_Color got = shownPixel(sx, sy);
            // Smooth scaling blends neighbours; the title's backdrop is a
            // soft gradient there, so a pixel stays close to its source.
            EXPECT_NEAR(got.r, want.r, 24) << c.width << "x" << c.height << " at " << cx << "," << cy;
            EXPECT_NEAR(got.g, want.g, 24) << c.width << "x" << c.height << " at " << cx << "," << cy;
            EXPECT_NEAR(got.b, want.b, 24) << c.width << "x" << c.height << " at " << cx << "," << cy;
        }
        if (at.x > 0) {
            const SDL_Color bar = shownPixel(at.x / 2, at.y + at.height / 2);
            EXPECT_LT(bar.r + bar.g + bar.b, 80) << c.width << "x" << c.height;
        }
        if (at.y + at.height < c.height) {
            const SDL_Color bar = shownPixel(at.x + at.width / 2, c.height - 1);
            EXPECT_LT(bar.r + bar.g + bar.b, 80) << c.width << "x" << c.height;
        }
    }
}

TEST_F(SdlDisplayTest, ClicksInTheMenuAndInADialogMapBackAtEveryScale)
{
    struct Case {
        int width, height;
        float scale;      // of the menu and the dialogs
        float canvasLeft; // where the client area starts, in their units
    };
    const Case cases[] = {
        {800, 619, 1.0f, 0.0f},
        {1600, 1238, 2.0f, 0.0f},
        // Twice the original, between bars 400 pixels wide.
        {2400, 1238, 2.0f, 200.0f},
        {1920, 1080, 22.0f / 13.0f, 262.0f * 13.0f / 22.0f},
    };
    for (const Case& c : cases) {
        resize(c.width, c.height);
        ASSERT_FLOAT_EQ(platform->layout().uiScale(), c.scale) << c.width;
        // "Game" in the bar, then its third item "Exit".
        SDL_FPoint at = windowPoint(20, 9);
        click(at.x, at.y);
        EXPECT_EQ(nextCommand(), std::nullopt) << c.width;
        at = windowPoint(30, 64);
        click(at.x, at.y);
        EXPECT_EQ(nextCommand(), static_cast<std::uint32_t>(WindowProcedure::CommandExit)) << c.width;

        // The new-game dialog, centred over the canvas: its "Start game"
        // button is 321 + 37 units from its left edge, its top at 19 + 19 +
        // 92 + 11 units from the client area's top. A click that misses
        // would leave the dialog to the quit behind it, which cancels.
        const float left = std::floor(c.canvasLeft) + std::floor((800.0f - 406.0f) * 0.5f);
        at = windowPoint(left + 321.0f + 37.0f, 19.0f + std::floor((600.0f - 173.0f) * 0.5f) + 19.0f + 92.0f + 11.0f);
        click(at.x, at.y);
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        game->setState(GameState::Title);
        window->sendMessage(Message{MessageTarget::MainWindow, MessageCode::Command,
                                    static_cast<std::uint32_t>(WindowProcedure::CommandNewGame), 0});
        EXPECT_EQ(game->state(), GameState::Playing) << c.width;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        while (window->pump().hasPosted())
            window->pump().get();
        window->killTimer();
    }
}

TEST_F(SdlDisplayTest, FullscreenKeysNeverReachTheGame)
{
    struct Case {
        const char* name;
        SDL_Event event;
        bool toggles;
    };
    const Case cases[] = {
        {"F11", keyDown(SDLK_F11), true},
        {"Alt+Enter", keyDown(SDLK_RETURN, KMOD_LALT), true},
        {"Alt+keypad Enter", keyDown(SDLK_KP_ENTER, KMOD_RALT), true},
        {"Shift+F11", keyDown(SDLK_F11, KMOD_LSHIFT), true},
        // Held down, the key repeats; the window does not flicker.
        {"F11 repeated", keyDown(SDLK_F11, KMOD_NONE, 1), false},
        {"Alt+Enter repeated", keyDown(SDLK_RETURN, KMOD_LALT, 1), false},
    };
    for (const Case& c : cases) {
        // What the last toggle queued (the new size) is not this key's.
        drain();
        const bool before = platform->isFullscreen();
        const auto message = through(c.event);
        ASSERT_TRUE(message) << c.name;
        EXPECT_EQ(message->code, MessageCode::Null) << c.name;
        EXPECT_EQ(platform->isFullscreen(), c.toggles ? !before : before) << c.name;
    }
    // Enter alone is still the game's.
    drain();
    const auto enter = through(keyDown(SDLK_RETURN));
    ASSERT_TRUE(enter);
    EXPECT_EQ(enter->code, MessageCode::KeyDown);
    EXPECT_EQ(enter->wParam, 13u);
}

TEST_F(SdlDisplayTest, TheOptionsMenuTogglesFullscreenAndIntegerScaling)
{
    resize(1920, 1080);
    const auto command = [this](int id) {
        window->sendMessage(Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(id), 0});
        drain();
    };
    const bool fullscreen = platform->isFullscreen();
    command(WindowProcedure::CommandFullscreen);
    EXPECT_NE(platform->isFullscreen(), fullscreen);
    command(WindowProcedure::CommandFullscreen);
    EXPECT_EQ(platform->isFullscreen(), fullscreen);

    resize(1920, 1080);
    EXPECT_EQ(platform->layout().canvas().width, 1396);
    command(WindowProcedure::CommandIntegerScaling);
    EXPECT_TRUE(platform->isIntegerScaling());
    EXPECT_EQ(platform->layout().canvas().width, 800);
    EXPECT_FALSE(platform->layout().smooth());
    command(WindowProcedure::CommandIntegerScaling);
    EXPECT_EQ(platform->layout().canvas().width, 1396);
    EXPECT_TRUE(platform->layout().smooth());
    EXPECT_EQ(game->state(), GameState::Title);
}

TEST_F(SdlDisplayTest, PadPressesArriveAsTheKeysBoundAtThatMoment)
{
    struct Case {
        const char* name;
        SDL_Event event;
        std::uint32_t key;  // 0: no key
    };
    const auto cases = [this](std::uint32_t left, std::uint32_t drop) {
        return std::vector<Case>{
            {"d-pad left", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true), left},
            {"d-pad left let go", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false), 0},
            {"d-pad right", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), 39},
            {"d-pad right let go", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false), 0},
            {"d-pad down", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true), drop},
            {"d-pad down let go", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), 0},
            {"d-pad up does nothing", padButton(3, SDL_CONTROLLER_BUTTON_DPAD_UP, true), 0},
            {"A turns right", padButton(3, SDL_CONTROLLER_BUTTON_A, true), 38},
            {"B turns left", padButton(3, SDL_CONTROLLER_BUTTON_B, true), 40},
            {"Start pauses", padButton(3, SDL_CONTROLLER_BUTTON_START, true), 19},
            {"X does nothing", padButton(3, SDL_CONTROLLER_BUTTON_X, true), 0},
            {"stick right", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, 20000), 39},
            {"stick eased, still right", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, 12000), 0},
            {"stick back", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, 2000), 0},
            {"stick left", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, -20000), left},
            {"stick across to the right", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, 30000), 39},
            {"stick centred", padAxis(3, SDL_CONTROLLER_AXIS_LEFTX, 0), 0},
            {"stick down", padAxis(3, SDL_CONTROLLER_AXIS_LEFTY, 25000), drop},
            {"stick up", padAxis(3, SDL_CONTROLLER_AXIS_LEFTY, -25000), 0},
            {"stick centred again", padAxis(3, SDL_CONTROLLER_AXIS_LEFTY, 0), 0},
            {"right stick does nothing", padAxis(3, SDL_CONTROLLER_AXIS_RIGHTX, 30000), 0},
        };
    };
    for (const Case& c : cases(37, 32))
        EXPECT_EQ(keyOf(c.event), c.key) << c.name;
    // Rebound keys: the pad sends the new ones from the next press on.
    game->keyBindings().bindByName(KeySlot::MoveLeft, "a");
    game->keyBindings().bindByName(KeySlot::DropPill, "x");
    for (const Case& c : cases(65, 88))
        EXPECT_EQ(keyOf(c.event), c.key) << "rebound: " << c.name;
}

TEST_F(SdlDisplayTest, StartIsEnterAfterAClearedLevel)
{
    struct Case {
        GameState state;
        std::uint32_t key;
    };
    const Case cases[] = {{GameState::Playing, 19}, {GameState::Paused, 19}, {GameState::LevelClear, 13},
                          {GameState::GameOver, 19}, {GameState::Title, 19}};
    for (const Case& c : cases) {
        game->setState(c.state);
        EXPECT_EQ(keyOf(padButton(0, SDL_CONTROLLER_BUTTON_START, true)), c.key)
            << static_cast<int>(c.state);
        keyOf(padButton(0, SDL_CONTROLLER_BUTTON_START, false));
    }
    // Through the window procedure: the next level starts as with Enter.
    game->setState(GameState::LevelClear);
    const auto message = through(padButton(0, SDL_CONTROLLER_BUTTON_START, true));
    ASSERT_TRUE(message);
    window->sendMessage(*message);
    EXPECT_EQ(game->state(), GameState::Playing);
    window->killTimer();
}

TEST_F(SdlDisplayTest, AnUnpluggedPadLetsGoAndAPluggedOneIsOpened)
{
    // Pad 5 holds left; unplugged, it no longer holds it, so pad 6's left is
    // a new press rather than the same held direction.
    EXPECT_EQ(keyOf(padButton(5, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true)), 37u);
    EXPECT_EQ(keyOf(padButton(6, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true)), 0u);
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 5;
    EXPECT_EQ(keyOf(removed), 0u);
    keyOf(padButton(6, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false));
    EXPECT_EQ(keyOf(padButton(6, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true)), 37u);
    keyOf(padButton(6, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false));

    // A pad plugged in while the game runs: SDL's virtual controller stands
    // in for the hardware, so the arrival, its opening and its buttons all
    // come the way a real one's do. The dummy driver's window never has the
    // focus, without which SDL holds a pad's events back.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    drain();
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(joystick, nullptr) << "the platform did not open the pad that arrived";
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_PumpEvents();
    std::optional<Message> message;
    while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        const auto got = platform->waitEvent(std::nullopt);
        if (got && got->code == MessageCode::KeyDown)
            message = got;
    }
    ASSERT_TRUE(message);
    EXPECT_EQ(message->wParam, 38u);
    SDL_JoystickDetachVirtual(device);
    drain();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "0");
}

TEST(ScriptedDisplayCommands, ChangeNothingThatIsPrinted)
{
    test::ScriptSession plain;
    test::ScriptSession toggled;
    toggled.command(WindowProcedure::CommandFullscreen);
    toggled.command(WindowProcedure::CommandIntegerScaling);
    EXPECT_EQ(toggled.take(), plain.take());
    EXPECT_EQ(toggled.dump(), plain.dump());
}

}  // namespace
}  // namespace quindel
