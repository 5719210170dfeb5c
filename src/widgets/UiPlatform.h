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
};

}  // namespace quindel
