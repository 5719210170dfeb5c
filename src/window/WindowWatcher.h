#pragma once

#include <cstdint>

#include "messages/Message.h"

namespace quindel {

class DialogHost;

// Someone who follows what the main window does without changing any of it:
// the recorder of a game's replay, the title's demo. Told, in the order it
// happens, of every message the window takes from its pump (and those an
// open dialog hands it), of the game timer, the animation frames and the
// dialogs.
class WindowWatcher {
public:
    virtual ~WindowWatcher() = default;
    // A message from the pump, before the window procedure has it and after.
    virtual void messageArrived(const Message&) {}
    virtual void messageHandled(const Message&) {}
    // The game timer started with this period, or stopped.
    virtual void timerStarted(std::uint32_t) {}
    virtual void timerKilled() {}
    // An animation frame of so many ms is over.
    virtual void frameWaited(std::uint32_t) {}
    // A dialog of this template opens; it closes with its controls as they
    // were left and the command that closed it.
    virtual void dialogOpened(int) {}
    virtual void dialogClosed(int, const DialogHost&) {}
};

}  // namespace quindel
