#pragma once

#include <cstdint>
#include <deque>

#include "messages/EventSource.h"
#include "messages/Message.h"
#include "messages/TimerSet.h"

namespace quindel {

class Clock;

// The message queue of the one thread: posted messages, the timers and the
// events from outside, handed out one at a time. It sleeps in the event
// source until the next event or the nearest timer deadline.
class MessagePump final {
public:
    MessagePump(Clock& clock, EventSource& events) : clock(clock), events(events) {}

    void post(const Message& message) { posted.push_back(message); }
    void postQuit() { post(Message{MessageTarget::MainWindow, MessageCode::Quit}); }

    // Posted messages first, then timers that are due, then outside events.
    Message get();
    bool hasPosted() const { return !posted.empty(); }

    void setTimer(std::uint32_t id, std::uint32_t period);
    void killTimer(std::uint32_t id) { timers.kill(id); }
    const TimerSet& timerSet() const { return timers; }

private:
    Clock& clock;
    EventSource& events;
    std::deque<Message> posted;
    TimerSet timers;
};

}  // namespace quindel
