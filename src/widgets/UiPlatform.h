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
};

}  // namespace quindel
