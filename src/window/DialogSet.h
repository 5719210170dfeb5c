#pragma once

#include <map>
#include <memory>

#include "widgets/DialogProcedure.h"

namespace quindel {

class Game;
class NewGameDialog;
class PlayerSettings;
class VersusDialog;

// The procedures of the game's dialogs by template id, made once per run so
// that what a dialog remembers between openings (the difficulty) lives as
// long as the run.
class DialogSet final {
public:
    DialogSet(Game& game, PlayerSettings& settings);
    ~DialogSet();

    // Null for a template that has no procedure.
    DialogProcedure* find(int templateId);
    NewGameDialog& newGame() { return *newGameDialog; }
    VersusDialog& versus() { return *versusDialog; }

private:
    std::map<int, std::unique_ptr<DialogProcedure>> procedures;
    NewGameDialog* newGameDialog = nullptr;
    VersusDialog* versusDialog = nullptr;
};

}  // namespace quindel
