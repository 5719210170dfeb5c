#pragma once

#include <cstdint>

#include "messages/Message.h"

namespace quindel {

class MessagePump;
class UiPlatform;

// The window a modal dialog is opened over, as far as the dialog needs it:
// the pump its loop reads, the platform that shows it, and the messages that
// still belong to the window while the dialog is open.
class DialogOwner {
public:
    virtual ~DialogOwner() = default;
    virtual MessagePump& pump() = 0;
    virtual UiPlatform& platform() = 0;
    // A paint or a timer that arrived while the dialog is open: the window
    // handles it as always.
    virtual void forward(const Message& message) = 0;
};

}  // namespace quindel
