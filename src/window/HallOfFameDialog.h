#pragma once

#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;

// Template 115: the eight names and scores of the hall of fame, to look at.
class HallOfFameDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::HallOfFame;
    static constexpr int FirstNameId = 1020;
    static constexpr int FirstScoreId = 1028;
    // A score's text with its NUL, with room to spare for the sign.
    static constexpr int ScoreBufferSize = 12;

    explicit HallOfFameDialog(Game& game) : game(game), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

private:
    Game& game;
    DialogPause pause;
};

}  // namespace quindel
