#pragma once

#include "messages/Platform.h"

namespace quindel {

class DialogHost;

// A platform as the menu and the dialogs see it: besides the window's pixels
// it shows (or, in the scripted run, feeds) the dialogs that are open.
class UiPlatform : public Platform {
public:
    virtual void dialogOpened(DialogHost& dialog) = 0;
    virtual void dialogClosed(DialogHost& dialog) = 0;
    // Whether message boxes appear at all: a run with nobody watching (the
    // scripted run) shows none, and the box's command changes nothing.
    virtual bool showsMessageBoxes() const = 0;
    // A menu item that is a choice shows a check mark while it is on.
    virtual void setMenuChecked(int /*commandId*/, bool /*on*/) {}
    // Held keys repeat at the game's own pace (the first repeat after
    // 170 ms, then every 50), or at the desktop's.
    virtual void setOwnKeyRepeat(bool /*on*/) {}
    // Two players at once (a versus match): each pad is a player of its own
    // and every held key or pad direction repeats on its own, rather than
    // only the one pressed last.
    virtual void setPlayersApart(bool /*on*/) {}
};

}  // namespace quindel
