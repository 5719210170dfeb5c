#pragma once

#include <cstdint>
#include <optional>

#include "messages/Message.h"

namespace quindel {

// Where the pump's messages from outside come from: SDL's events, or the
// lines of a script.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Blocks until an event arrives or the clock reaches the deadline (none:
    // no deadline). Nothing when the deadline came first. A Null message is
    // an event that was handled on the way (a menu frame, a dialog click) and
    // tells a modal loop to look at its state again.
    virtual std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) = 0;
};

}  // namespace quindel
