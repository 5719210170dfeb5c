#pragma once

#include <string_view>

#include "shell/EventSource.h"

namespace quindel {

class Clock;
class DialogHost;
class MainWindow;

// What the main window needs from the system underneath it: events, the
// millisecond clock, a place to show its pixels, message boxes. SDL gives
// the real one; the scripted run gives one driven by a script on a virtual
// clock; everything above runs the same on both.
class Platform : public EventSource {
public:
    // The clock of the timers and of the animation frames. Its waits keep the
    // desktop answered but hand no event to the game.
    virtual Clock& clock() = 0;
    // The main window exists and can be reached (its pump, its pixels).
    virtual void attach(MainWindow& window) = 0;
    // Shows the window's pixels as they are now, with the menu bar and the
    // open dialog over them.
    virtual void present() = 0;
    virtual void showMessageBox(std::string_view caption, std::string_view text) = 0;
    virtual void dialogOpened(DialogHost& dialog) = 0;
    virtual void dialogClosed(DialogHost& dialog) = 0;
    // The display choices of the Options menu. Where nothing is shown (the
    // scripted run) they change nothing.
    virtual void toggleFullscreen() {}
    virtual void toggleIntegerScaling() {}
};

}  // namespace quindel
