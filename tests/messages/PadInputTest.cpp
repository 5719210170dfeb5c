// The pad's presses before they become keys: the stick's dead zone and
// hysteresis, and the repeat of a held direction on the pump's clock.

#include "messages/PadInput.h"
#include "messages/KeyRepeat.h"
#include "messages/StickAxis.h"

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
        {"rest and drift stay centred",
         {0, 3000, -9000, 16383, -16383},
         {Side::Centre, Side::Centre, Side::Centre, Side::Centre, Side::Centre}},
        {"pushed right, held near the edge",
         {16384, 14000, 11000, 10922},
         {Side::Positive, Side::Positive, Side::Positive, Side::Centre}},
        {"pushed left, held near the edge",
         {-32768, -12000, -10923, -10922},
         {Side::Negative, Side::Negative, Side::Negative, Side::Centre}},
        // Wobbling around the press point presses once, not on every wobble.
        {"wobble at the threshold",
         {17000, 15000, 17000, 15000},
         {Side::Positive, Side::Positive, Side::Positive, Side::Positive}},
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
    EXPECT_EQ(pad.press(0, PadSource::Buttons, PadAction::Left, 1000), PadAction::Left);
    EXPECT_EQ(pad.nextDeadline(), 1000u + PadInput::RepeatDelay);
    struct Step {
        std::uint32_t now;
        std::optional<PadAction> due;
    };
    const Step steps[] = {
        {1000 + PadInput::RepeatDelay - 1, std::nullopt},
        {1000 + PadInput::RepeatDelay, PadAction::Left},
        {1000 + PadInput::RepeatDelay, std::nullopt},
        {1000 + PadInput::RepeatDelay + PadInput::RepeatPeriod, PadAction::Left},
        // The game was busy for a second: one repeat, then the rate again
        // from now, not a burst of the ones missed.
        {3000, PadAction::Left},
        {3000 + PadInput::RepeatPeriod - 1, std::nullopt},
        {3000 + PadInput::RepeatPeriod, PadAction::Left},
    };
    // A held key repeats at the same pace as the pad, the last key pressed
    // alone, until it is let go.
    KeyRepeat keys;
    keys.press(37, 1000);
    keys.press(39, 1000);
    for (const Step& step : steps) {
        EXPECT_EQ(pad.takeDue(step.now), step.due) << step.now;
        EXPECT_EQ(keys.takeDue(step.now), step.due ? std::optional<std::int32_t>(39) : std::nullopt) << step.now;
    }
    pad.release(0, PadSource::Buttons, PadAction::Left);
    EXPECT_EQ(pad.nextDeadline(), std::nullopt);
    EXPECT_EQ(pad.takeDue(10000), std::nullopt);
    keys.release(37);
    EXPECT_TRUE(keys.nextDeadline());
    keys.release(39);
    EXPECT_EQ(keys.takeDue(10000), std::nullopt);
}

TEST(PadInput, OnePressPerDirectionHoweverManySourcesHoldIt)
{
    constexpr auto B = PadSource::Buttons;
    constexpr auto S = PadSource::Stick;
    PadInput pad;
    // The d-pad, the stick and a press seen twice: one direction held once.
    EXPECT_EQ(pad.press(0, B, PadAction::Left, 0), PadAction::Left);
    EXPECT_EQ(pad.press(0, S, PadAction::Left, 10), std::nullopt);
    EXPECT_EQ(pad.press(0, B, PadAction::Left, 20), std::nullopt);
    pad.release(0, B, PadAction::Left);
    EXPECT_EQ(pad.takeDue(1000), PadAction::Left);  // the stick still holds it
    // Buttons act on every press and leave the held direction repeating.
    EXPECT_EQ(pad.press(0, B, PadAction::A, 1010), PadAction::A);
    EXPECT_EQ(pad.press(0, B, PadAction::A, 1020), PadAction::A);
    EXPECT_EQ(pad.takeDue(2000), PadAction::Left);
    // The direction pressed last repeats; letting it go ends the repeat,
    // as a keyboard does, even with the first still held.
    EXPECT_EQ(pad.press(0, B, PadAction::Down, 2010), PadAction::Down);
    EXPECT_EQ(pad.takeDue(3000), PadAction::Down);
    pad.release(0, B, PadAction::Down);
    EXPECT_EQ(pad.nextDeadline(), std::nullopt);
    pad.release(0, S, PadAction::Left);
    EXPECT_EQ(pad.press(0, S, PadAction::Left, 4000), PadAction::Left);
}

TEST(PadInput, AnUnpluggedPadLetsGoOfWhatItHeld)
{
    PadInput pad;
    pad.press(7, PadSource::Stick, PadAction::Right, 0);
    pad.press(8, PadSource::Buttons, PadAction::Down, 0);
    pad.removePad(8);
    EXPECT_EQ(pad.nextDeadline(), std::nullopt);  // the drop repeated; its pad is gone
    pad.press(8, PadSource::Buttons, PadAction::Down, 0);
    pad.removePad(7);
    EXPECT_EQ(pad.takeDue(PadInput::RepeatDelay), PadAction::Down);
}

// Two players, one to a pad and both on one keyboard: each pad's last
// direction and each held key repeat on their own, a press counts per pad,
// and the repeat says whose it is. Together again, only the last repeats.
TEST(PadInput, PadsAndKeysApartRepeatEachOnTheirOwn)
{
    constexpr auto B = PadSource::Buttons;
    constexpr std::uint32_t First = PadInput::RepeatDelay;
    for (const bool apart : {false, true}) {
        SCOPED_TRACE(apart ? "apart" : "together");
        PadInput pad;
        KeyRepeat keys;
        pad.setPadsApart(apart);
        keys.setKeysApart(apart);
        EXPECT_EQ(pad.press(3, B, PadAction::Left, 0), PadAction::Left);
        // The other pad's left is a press of its own only when apart.
        EXPECT_EQ(pad.press(9, B, PadAction::Left, 10), apart ? std::optional(PadAction::Left) : std::nullopt);
        EXPECT_EQ(pad.press(9, B, PadAction::Down, 20), PadAction::Down);
        keys.press('A', 0);
        keys.press(37, 20);
        std::vector<std::pair<std::int32_t, PadAction>> padRepeats;
        std::vector<std::int32_t> keyRepeats;
        for (std::uint32_t now = 0; now <= First + 20; ++now) {
            while (const auto due = pad.takeDueWithPad(now))
                padRepeats.emplace_back(due->pad, due->action);
            while (const auto due = keys.takeDue(now))
                keyRepeats.push_back(*due);
        }
        using Repeats = std::vector<std::pair<std::int32_t, PadAction>>;
        const Repeats bothPads{{3, PadAction::Left}, {9, PadAction::Down}};
        const Repeats lastPad{{9, PadAction::Down}};
        EXPECT_EQ(padRepeats, apart ? bothPads : lastPad);
        const std::vector<std::int32_t> bothKeys{'A', 37};
        const std::vector<std::int32_t> lastKey{37};
        EXPECT_EQ(keyRepeats, apart ? bothKeys : lastKey);
        // Letting go of one player's key leaves the other's repeating.
        pad.release(9, B, PadAction::Down);
        keys.release(37);
        EXPECT_EQ(pad.nextDeadline().has_value(), apart);
        EXPECT_EQ(keys.nextDeadline().has_value(), apart);
        // Together again: nothing of the two players' goes on.
        pad.setPadsApart(false);
        keys.setKeysApart(false);
        keys.press(39, 1000);
        EXPECT_EQ(pad.nextDeadline(), std::nullopt);
        EXPECT_EQ(keys.takeDue(1000 + First), std::optional<std::int32_t>(39));
        EXPECT_EQ(keys.takeDue(1000 + First), std::nullopt);
    }
}

}  // namespace
}  // namespace quindel
