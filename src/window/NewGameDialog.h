#pragma once

#include <cstdint>

#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;

// Template 116: picks a difficulty and a start level and starts a game.
class NewGameDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::NewGame;
    static constexpr int StartGameId = OkId;
    static constexpr int EasyId = 1009;
    static constexpr int NormalId = 1010;
    static constexpr int HardId = 1011;
    static constexpr int LevelBarId = 1018;
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 20;

    // The tick interval of a difficulty's radio button.
    static std::uint32_t intervalOf(int radioId);

    explicit NewGameDialog(Game& game) : game(game), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

    int difficultyChoice() const { return choice; }

private:
    void startGame(DialogHost& dialog);

    // Kept for the whole run, even when the dialog is cancelled; never saved.
    int choice = NormalId;
    Game& game;
    DialogPause pause;
};

}  // namespace quindel
