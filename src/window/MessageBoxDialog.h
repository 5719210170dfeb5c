#pragma once

#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;

// A message box of the game's own (the About box): its text and OK are the
// template's; like every dialog it pauses a running game while it is open.
class MessageBoxDialog final : public DialogProcedure {
public:
    explicit MessageBoxDialog(Game& game) : pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

private:
    DialogPause pause;
};

}  // namespace quindel
