#pragma once

#include <cstdint>
#include <functional>

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
    // What the dialog opens with: a difficulty's radio button and a level
    // (the player's last, kept between starts); level 1 and "normal" unless
    // told.
    void offer(int radioId, int level);
    // Told of every game the dialog starts, with its choices.
    using Started = std::function<void(int radioId, int level)>;
    void onStarted(Started started) { startedGame = std::move(started); }

private:
    void startGame(DialogHost& dialog);

    // Kept for the whole run, even when the dialog is cancelled; never saved.
    int choice = NormalId;
    int startLevel = FirstLevel;
    Started startedGame;
    Game& game;
    DialogPause pause;
};

}  // namespace quindel
