#pragma once

#include <array>
#include <optional>
#include <utility>

#include "versus/VersusSettings.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;
class PlayerSettings;

// Template 131: who plays the second bottle (a friend, or the computer and
// its strength), each side's level, the speed and the round wins that take
// the match. It opens with the choices kept in the preferences and keeps
// the ones a match starts with.
class VersusDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::Versus;
    static constexpr int SecondPlayerId = 1031;
    static constexpr int ComputerId = 1032;
    static constexpr int StrengthBarId = 1033;
    static constexpr int LevelOneBarId = 1034;
    static constexpr int LevelTwoBarId = 1035;
    static constexpr int EasyId = 1037;
    static constexpr int MediumId = 1038;
    static constexpr int HardId = 1039;
    static constexpr int RoundsBarId = 1040;
    // Player two's keys in key slot order: move left and right, turn left
    // and right, drop, pause.
    static constexpr std::array<int, 6> PlayerTwoLists{1044, 1045, 1046, 1047, 1048, 1049};

    VersusDialog(Game& game, PlayerSettings& settings) : settings(settings), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;
    // A key pressed on one of player two's lists selects its own name there.
    bool keyPressed(DialogHost& dialog, int virtualKey) override;

    // The match the dialog's controls stand for.
    static VersusSettings chosen(const DialogHost& dialog);
    // The match OK asked for, once: the window starts it when the dialog
    // has closed, so its first picture is not painted under the dialog.
    std::optional<VersusSettings> takeStarted() { return std::exchange(started, std::nullopt); }

private:
    PlayerSettings& settings;
    std::optional<VersusSettings> started;
    DialogPause pause;
};

}  // namespace quindel
