#include "messages/MessagePump.h"

#include "messages/Clock.h"

namespace quindel {

Message MessagePump::get()
{
    for (;;) {
        if (!posted.empty()) {
            const Message message = posted.front();
            posted.pop_front();
            return message;
        }
        if (const auto id = timers.takeDue(clock.now()))
            return Message{MessageTarget::MainWindow, MessageCode::Timer, *id, 0};
        if (const auto event = events.waitEvent(timers.nextDeadline()))
            return *event;
    }
}

void MessagePump::setTimer(std::uint32_t id, std::uint32_t period)
{
    timers.set(id, period, clock.now());
}

}  // namespace quindel
