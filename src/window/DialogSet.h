#pragma once

#include <map>
#include <memory>

#include "widgets/DialogProcedure.h"

namespace quindel {

class Game;

// The procedures of the game's dialogs by template id, made once per run so
// that what a dialog remembers between openings (the difficulty) lives as
// long as the run.
class DialogSet final {
public:
    explicit DialogSet(Game& game);
    ~DialogSet();

    // Null for a template that has no procedure.
    DialogProcedure* find(int templateId);

private:
    std::map<int, std::unique_ptr<DialogProcedure>> procedures;
};

}  // namespace quindel
