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

#include "SdlSession.h"
#include "store/KeyBindings.h"

namespace quindel {
namespace {

class TouchPadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session) << session.error();
        // In play, where the buttons steer.
        session.game->setState(GameState::Playing);
        session.drain();
    }

    void drain() { session.drain(); }

    // The key a press or release of the page's button gives; 0 for none.
    std::uint32_t keyOf(TouchPad::Button button, bool down)
    {
        drain();
        EXPECT_TRUE(TouchPad::send(static_cast<std::int32_t>(button), down));
        return session.keyIn(session.platform->waitEvent(std::nullopt));
    }

    test::SdlSession session;
    std::unique_ptr<Game>& game = session.game;
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
