#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "messages/EventSource.h"
#include "messages/MessagePump.h"
#include "messages/TimerSet.h"
#include "script/VirtualClock.h"

namespace quindel {
namespace {

// Sleeps on the virtual clock: returns the next queued event due by the
// deadline, or moves the clock to the deadline. Records every deadline it
// was asked to wake at.
class FakeEvents final : public EventSource {
public:
    explicit FakeEvents(VirtualClock& clock) : clock(clock) {}

    struct Timed final {
        std::uint64_t at = 0;
        Message message;
    };
    std::deque<Timed> queued;
    std::vector<std::optional<std::uint32_t>> deadlines;

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override
    {
        deadlines.push_back(deadline);
        if (!queued.empty() && (!deadline || queued.front().at <= clock.absolute(*deadline))) {
            clock.advanceTo(queued.front().at);
            const Message message = queued.front().message;
            queued.pop_front();
            return message;
        }
        if (!deadline)
            return Message{MessageTarget::MainWindow, MessageCode::Quit};
        clock.advanceTo(clock.absolute(*deadline));
        return std::nullopt;
    }

private:
    VirtualClock& clock;
};

struct Fired final {
    std::uint64_t at;
    std::uint32_t id;
    bool operator==(const Fired&) const = default;
};

// Runs the pump until the virtual clock passes `until`, applying `step`
// after every message; the timer messages it saw, with their times.
template <typename Step>
std::vector<Fired> collect(MessagePump& pump, VirtualClock& clock, std::uint64_t until, Step step)
{
    std::vector<Fired> fired;
    for (;;) {
        const Message message = pump.get();
        if (message.code == MessageCode::Quit || clock.elapsed() > until)
            return fired;
        if (message.code == MessageCode::Timer)
            fired.push_back(Fired{clock.elapsed(), message.wParam});
        step(message);
    }
}

TEST(TimerSet, PeriodsReplacementAndKilling)
{
    struct Case {
        const char* name;
        std::vector<Fired> expected;
        // Done at the start: which timers, and what happens at 150 ms.
        void (*setup)(MessagePump&);
        void (*at150)(MessagePump&);
    };
    const Case cases[] = {
        {"periodic until killed",
         {{100, 1}, {200, 1}, {300, 1}, {400, 1}},
         [](MessagePump& p) { p.setTimer(1, 100); },
         [](MessagePump&) {}},
        {"replaced by a new start with the same id",
         {{100, 1}, {450, 1}},
         [](MessagePump& p) { p.setTimer(1, 100); },
         [](MessagePump& p) { p.setTimer(1, 300); }},
        {"killed never fires again",
         {{100, 1}},
         [](MessagePump& p) { p.setTimer(1, 100); },
         [](MessagePump& p) { p.killTimer(1); }},
        {"killed before its first deadline never fires",
         {},
         [](MessagePump& p) { p.setTimer(1, 200); },
         [](MessagePump& p) { p.killTimer(1); }},
        {"two ids keep their own periods",
         {{100, 1}, {150, 2}, {200, 1}, {300, 1}, {300, 2}, {400, 1}, {450, 2}},
         [](MessagePump& p) {
             p.setTimer(1, 100);
             p.setTimer(2, 150);
         },
         [](MessagePump&) {}},
        {"killing one id leaves the other",
         {{100, 1}, {150, 2}, {300, 2}, {450, 2}},
         [](MessagePump& p) {
             p.setTimer(1, 100);
             p.setTimer(2, 150);
         },
         [](MessagePump& p) { p.killTimer(1); }},
    };
    for (const Case& c : cases) {
        VirtualClock clock;
        FakeEvents events(clock);
        MessagePump pump(clock, events);
        c.setup(pump);
        events.queued.push_back({150, Message{MessageTarget::MainWindow, MessageCode::Null}});
        const auto fired = collect(pump, clock, 450, [&](const Message& message) {
            if (message.code == MessageCode::Null)
                c.at150(pump);
        });
        EXPECT_EQ(fired, c.expected) << c.name;
    }
}

TEST(TimerSet, ALateTimerFiresOnceAndKeepsItsRhythmFromNow)
{
    TimerSet timers;
    timers.set(1, 100, 0);
    EXPECT_FALSE(timers.takeDue(99));
    EXPECT_EQ(timers.takeDue(350), 1u);
    EXPECT_FALSE(timers.takeDue(350));
    EXPECT_EQ(timers.nextDeadline(), 450u);
    // A zero period would fire on every pass of the pump.
    timers.set(2, 0, 500);
    EXPECT_EQ(timers.periodOf(2), 1u);
}

TEST(TimerSet, DeadlinesAcrossTheClockWrap)
{
    TimerSet timers;
    const std::uint32_t nearWrap = 0xFFFFFFF0u;
    timers.set(1, 0x20, nearWrap);
    EXPECT_FALSE(timers.takeDue(0xFFFFFFFFu));
    EXPECT_EQ(timers.nextDeadline(), 0x10u);
    EXPECT_EQ(timers.takeDue(0x10u), 1u);
}

TEST(MessagePump, SleepsUntilTheNearestDeadlineAndPostedMessagesComeFirst)
{
    VirtualClock clock;
    FakeEvents events(clock);
    MessagePump pump(clock, events);
    pump.setTimer(1, 700);
    pump.setTimer(2, 300);
    pump.post(Message{MessageTarget::MainWindow, MessageCode::Paint});

    EXPECT_EQ(pump.get().code, MessageCode::Paint);
    EXPECT_TRUE(events.deadlines.empty());  // nothing was waited for

    const Message first = pump.get();
    EXPECT_EQ(first.code, MessageCode::Timer);
    EXPECT_EQ(first.wParam, 2u);
    EXPECT_EQ(clock.elapsed(), 300u);
    ASSERT_EQ(events.deadlines.size(), 1u);
    EXPECT_EQ(events.deadlines[0], 300u);  // woke at the deadline, not before

    // An event before the deadline wakes the pump early.
    events.queued.push_back({450, Message{MessageTarget::MainWindow, MessageCode::KeyDown, 37, 0}});
    const Message keyDown = pump.get();
    EXPECT_EQ(keyDown.code, MessageCode::KeyDown);
    EXPECT_EQ(clock.elapsed(), 450u);
    EXPECT_EQ(events.deadlines.back(), 600u);

    // With no timer left the pump waits without a deadline.
    pump.killTimer(1);
    pump.killTimer(2);
    EXPECT_EQ(pump.get().code, MessageCode::Quit);
    EXPECT_EQ(events.deadlines.back(), std::nullopt);
}

}  // namespace
}  // namespace quindel
