#pragma once

#include <cstdint>

#include "core/RedrawRequest.h"

namespace quindel {

// What the Game asks of its main window. The shell's MainWindow implements it
// on SDL (or on the scripted run's virtual clock); tests implement it with a
// recorder. Keeping it this narrow is what lets the Game own its window while
// the window procedure calls back into the Game.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Sent, not posted: the drawing is done when this returns.
    virtual void sendPaint(RedrawRequest request) = 0;
    // The game timer (timer id 1): periodic until killed, a new start
    // replaces the running one.
    virtual void startTimer(std::uint32_t ms) = 0;
    virtual void killTimer() = 0;
    // One animation frame: returns once ms have passed on the game's clock.
    // The window stays alive for the desktop meanwhile, but no message of
    // the game is handled until the frame is over.
    virtual void waitFrame(std::uint32_t ms) = 0;
    // Handles messages until the quit message arrives.
    virtual void pumpMessages() = 0;
};

}  // namespace quindel
