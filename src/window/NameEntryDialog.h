#pragma once

#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;

// Template 117: asks for the name of a new hall-of-fame entry at game over.
class NameEntryDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::NameEntry;
    static constexpr int NameFieldId = 1019;
    // The text is read into 11 bytes with its NUL, so ten characters are taken.
    static constexpr int NameBufferSize = 11;

    explicit NameEntryDialog(Game& game) : game(game), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

private:
    void enterName(DialogHost& dialog);

    Game& game;
    DialogPause pause;
};

}  // namespace quindel
