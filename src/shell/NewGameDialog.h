#pragma once

#include <cstdint>

#include "shell/DialogPause.h"
#include "shell/DialogProcedure.h"

namespace quindel {

// Template 116: picks a difficulty and a start level and starts a game.
class NewGameDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = 116;
    static constexpr int StartGameId = 1;
    static constexpr int CancelId = 2;
    static constexpr int EasyId = 1009;
    static constexpr int NormalId = 1010;
    static constexpr int HardId = 1011;
    static constexpr int LevelBarId = 1018;
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 20;

    // The tick interval of a difficulty's radio button.
    static std::uint32_t intervalOf(int radioId);

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

    int difficultyChoice() const { return choice; }

private:
    void startGame(DialogHost& dialog);

    // Kept for the whole run, even when the dialog is cancelled; never saved.
    int choice = NormalId;
    DialogPause pause;
};

}  // namespace quindel
