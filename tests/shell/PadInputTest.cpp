// The pad's presses before they become keys: the stick's dead zone and
// hysteresis, and the repeat of a held direction on the pump's clock.

#include "shell/PadInput.h"
#include "shell/StickAxis.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quindel {
namespace {

using Side = StickAxis::Side;

TEST(StickAxis, PressesPastHalfwayAndReleasesOnlyWellBackInside)
{
    struct Case {
        const char* name;
        std::vector<int> values;
        std::vector<Side> sides;
    };
    const Case cases[] = {
        {"rest and drift stay centred", {0, 3000, -9000, 16383, -16383}, {Side::Centre, Side::Centre, Side::Centre,
                                                                         Side::Centre, Side::Centre}},
        {"pushed right, held near the edge", {16384, 14000, 11000, 10922}, {Side::Positive, Side::Positive,
                                                                            Side::Positive, Side::Centre}},
        {"pushed left, held near the edge", {-32768, -12000, -10923, -10922}, {Side::Negative, Side::Negative,
                                                                               Side::Negative, Side::Centre}},
        // Wobbling around the press point presses once, not on every wobble.
        {"wobble at the threshold", {17000, 15000, 17000, 15000}, {Side::Positive, Side::Positive, Side::Positive,
                                                                   Side::Positive}},
        {"flicked across in one reading", {20000, -20000, 32767}, {Side::Positive, Side::Negative, Side::Positive}},
    };
    for (const Case& c : cases) {
        StickAxis axis;
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(axis.update(c.values[i]), c.sides[i]) << c.name << " reading " << i;
    }
}

// A held direction: once at the press, again after the delay, then at the
// rate, until let go.
TEST(PadInput, AHeldDirectionRepeatsLikeAHeldKey)
{
    PadInput pad;
    EXPECT_EQ(pad.press(0, PadSource::Buttons, PadAction::MoveLeft, 1000), PadAction::MoveLeft);
    EXPECT_EQ(pad.nextDeadline(), 1000u + PadInput::RepeatDelay);
    struct Step {
        std::uint32_t now;
        std::optional<PadAction> due;
    };
    const Step steps[] = {
        {1000 + PadInput::RepeatDelay - 1, std::nullopt},
        {1000 + PadInput::RepeatDelay, PadAction::MoveLeft},
        {1000 + PadInput::RepeatDelay, std::nullopt},
        {1000 + PadInput::RepeatDelay + PadInput::RepeatPeriod, PadAction::MoveLeft},
        // The game was busy for a second: one repeat, then the rate again
        // from now, not a burst of the ones missed.
        {3000, PadAction::MoveLeft},
        {3000 + PadInput::RepeatPeriod - 1, std::nullopt},
        {3000 + PadInput::RepeatPeriod, PadAction::MoveLeft},
    };
    for (const Step& step : steps)
        EXPECT_EQ(pad.takeDue(step.now), step.due) << step.now;
    pad.release(0, PadSource::Buttons, PadAction::MoveLeft);
    EXPECT_EQ(pad.nextDeadline(), std::nullopt);
    EXPECT_EQ(pad.takeDue(10000), std::nullopt);
}

TEST(PadInput, PressesAndReleasesFromManySources)
{
    struct Event {
        bool press;
        std::int32_t pad;
        PadSource source;
        PadAction action;
        std::optional<PadAction> delivered;  // for a press
        std::optional<PadAction> repeating;  // afterwards
    };
    struct Case {
        const char* name;
        std::vector<Event> events;
    };
    const auto down = [](std::int32_t pad, PadSource source, PadAction action, std::optional<PadAction> delivered,
                         std::optional<PadAction> repeating) {
        return Event{true, pad, source, action, delivered, repeating};
    };
    const auto up = [](std::int32_t pad, PadSource source, PadAction action, std::optional<PadAction> repeating) {
        return Event{false, pad, source, action, std::nullopt, repeating};
    };
    constexpr auto B = PadSource::Buttons;
    constexpr auto S = PadSource::Stick;
    constexpr auto Left = PadAction::MoveLeft;
    constexpr auto Drop = PadAction::Drop;
    const Case cases[] = {
        {"d-pad and stick the same way are one press, held until both let go",
         {down(0, B, Left, Left, Left), down(0, S, Left, std::nullopt, Left), up(0, B, Left, Left),
          up(0, S, Left, std::nullopt)}},
        {"the direction pressed last repeats; letting it go stops the repeat",
         {down(0, B, Left, Left, Left), down(0, B, Drop, Drop, Drop), up(0, B, Drop, std::nullopt),
          up(0, B, Left, std::nullopt)}},
        {"buttons act on every press and never repeat",
         {down(0, B, PadAction::TurnRight, PadAction::TurnRight, std::nullopt),
          down(0, B, PadAction::TurnRight, PadAction::TurnRight, std::nullopt),
          down(0, B, PadAction::Start, PadAction::Start, std::nullopt)}},
        {"a button does not stop a held direction",
         {down(0, B, Left, Left, Left), down(0, B, PadAction::TurnLeft, PadAction::TurnLeft, Left)}},
        {"two pads hold the same direction between them",
         {down(0, B, Left, Left, Left), down(1, B, Left, std::nullopt, Left), up(0, B, Left, Left),
          up(1, B, Left, std::nullopt)}},
        {"a press seen twice is still one hold",
         {down(0, B, Left, Left, Left), down(0, B, Left, std::nullopt, Left), up(0, B, Left, std::nullopt)}},
        {"a release never pressed changes nothing",
         {up(0, B, Left, std::nullopt), down(0, S, Drop, Drop, Drop), up(0, B, Drop, Drop)}},
    };
    for (const Case& c : cases) {
        PadInput pad;
        std::uint32_t now = 0;
        for (const Event& event : c.events) {
            // Each event well after the last, so whatever repeats is due.
            now += 10000;
            if (event.press)
                EXPECT_EQ(pad.press(event.pad, event.source, event.action, now), event.delivered)
                    << c.name << " at " << now;
            else
                pad.release(event.pad, event.source, event.action);
            EXPECT_EQ(pad.takeDue(now + 5000), event.repeating) << c.name << " at " << now;
        }
    }
}

TEST(PadInput, AnUnpluggedPadLetsGoOfWhatItHeld)
{
    PadInput pad;
    pad.press(7, PadSource::Stick, PadAction::MoveRight, 0);
    pad.press(8, PadSource::Buttons, PadAction::Drop, 0);
    pad.removePad(8);
    EXPECT_EQ(pad.nextDeadline(), std::nullopt);  // the drop repeated; its pad is gone
    pad.press(8, PadSource::Buttons, PadAction::Drop, 0);
    pad.removePad(7);
    EXPECT_EQ(pad.takeDue(PadInput::RepeatDelay), PadAction::Drop);
}

}  // namespace
}  // namespace quindel
