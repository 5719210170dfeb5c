#pragma once

#include <string_view>

#include "messages/EventSource.h"

namespace quindel {

class Clock;
class MessagePump;

// What a window needs from the system underneath it: events, the millisecond
// clock, a place to show its pixels. SDL gives the real one;
// the scripted run gives one driven by a script on a virtual clock;
// everything above runs the same on both.
class Platform : public EventSource {
public:
    // The clock of the timers and of the animation frames. Its waits keep the
    // desktop answered but hand no event to the window.
    virtual Clock& clock() = 0;
    // The window's pump, for what the platform posts to it (a menu command
    // chosen while a frame was drawn).
    virtual void attach(MessagePump& pump) = 0;
    // Shows the window's pixels as they are now, with whatever the platform
    // draws over them.
    virtual void present() = 0;
    // The display choices of the Options menu. Where nothing is shown (the
    // scripted run) they change nothing.
    virtual void toggleFullscreen() {}
    virtual void toggleIntegerScaling() {}
};

}  // namespace quindel
