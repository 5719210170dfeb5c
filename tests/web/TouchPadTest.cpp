// The page's touch buttons under SDL's dummy video driver: each arrives as
// the key bound to its action at that moment, through the same platform a
// gamepad goes through.

#include "web/TouchPad.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "game/Game.h"
#include "render/Canvas.h"
#include "sdl/SdlPlatform.h"
#include "sound/SilentAudioLayer.h"
#include "store/KeyBindings.h"
#include "window/MainWindow.h"

namespace quindel {
namespace {

class TouchPadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("SDL_VIDEODRIVER", "dummy", 0);
        std::string error;
        platform = SdlPlatform::create(error, canvas);
        ASSERT_TRUE(platform) << error;
        game = std::make_unique<Game>(
            audio,
            [this](Game& created) {
                auto made = std::make_unique<MainWindow>(created, *platform, canvas);
                window = made.get();
                return made;
            },
            GamePaths{directory / "highscore.dat", directory / "settings.dat"});
        // In play, where the buttons steer.
        game->setState(GameState::Playing);
        drain();
    }

    void TearDown() override
    {
        game.reset();
        platform.reset();
    }

    void drain()
    {
        SDL_PumpEvents();
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            platform->waitEvent(std::nullopt);
    }

    // The key a press or release of the page's button gives; 0 for none.
    std::uint32_t keyOf(TouchPad::Button button, bool down)
    {
        drain();
        EXPECT_TRUE(TouchPad::send(static_cast<std::int32_t>(button), down));
        const auto message = platform->waitEvent(std::nullopt);
        if (message && message->code == MessageCode::PadPress)
            return static_cast<std::uint32_t>(window->padKey(static_cast<PadAction>(message->wParam)));
        return message && message->code == MessageCode::KeyDown ? message->wParam : 0;
    }

    test::TempFolder directory{"touch-pad"};
    SilentAudioLayer audio;
    Canvas canvas;
    std::unique_ptr<SdlPlatform> platform;
    std::unique_ptr<Game> game;
    MainWindow* window = nullptr;
};

TEST_F(TouchPadTest, ButtonsArriveAsTheKeysBoundAtThatMoment)
{
    using Button = TouchPad::Button;
    struct Case {
        const char* name;
        Button button;
        bool down;
        std::uint32_t key;  // 0: no key
    };
    const auto cases = [](std::uint32_t left, std::uint32_t drop) {
        return std::vector<Case>{
            {"left", Button::MoveLeft, true, left},
            {"left let go", Button::MoveLeft, false, 0},
            {"right", Button::MoveRight, true, 39},
            {"right let go", Button::MoveRight, false, 0},
            {"drop", Button::Drop, true, drop},
            {"drop let go", Button::Drop, false, 0},
            {"turn right", Button::TurnRight, true, 38},
            {"turn left", Button::TurnLeft, true, 40},
            {"pause", Button::Pause, true, 19},
            {"pause let go", Button::Pause, false, 0},
            // Enter is no pad's: the key itself, whatever is bound.
            {"enter", Button::Enter, true, 13},
            {"enter let go", Button::Enter, false, 0},
        };
    };
    for (const Case& c : cases(37, 32))
        EXPECT_EQ(keyOf(c.button, c.down), c.key) << c.name;
    game->keyBindings().bindByName(KeySlot::MoveLeft, "a");
    game->keyBindings().bindByName(KeySlot::DropPill, "x");
    for (const Case& c : cases(65, 88))
        EXPECT_EQ(keyOf(c.button, c.down), c.key) << "rebound: " << c.name;

    // The page's numbers come from script: one that names no button queues nothing.
    drain();
    for (const std::int32_t number : {-1, 7, 1000})
        EXPECT_FALSE(TouchPad::send(number, true)) << number;
    EXPECT_EQ(SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

}  // namespace
}  // namespace quindel
