#pragma once

#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;
class PlayerSettings;

// Template 129: the music's and the effects' volume, 0 (off) to 10, heard as
// the bars move; OK keeps them, Cancel gives back what they were.
class SoundDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::Sound;
    static constexpr int MusicBarId = 1041;
    static constexpr int EffectsBarId = 1042;

    SoundDialog(Game& game, PlayerSettings& settings) : game(game), settings(settings), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;
    void valueChanged(DialogHost& dialog, int controlId) override;

private:
    Game& game;
    PlayerSettings& settings;
    DialogPause pause;
    int musicAtOpen = 0;
    int effectsAtOpen = 0;
};

}  // namespace quindel
