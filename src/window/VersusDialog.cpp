#include "window/VersusDialog.h"

#include <algorithm>

#include "store/KeySlot.h"
#include "widgets/DialogHost.h"
#include "window/NewGameDialog.h"
#include "window/PlayerSettings.h"

namespace quindel {

void VersusDialog::initDialog(DialogHost& dialog)
{
    // A single game waits under the dialog, and goes on if it is cancelled.
    pause.pauseForDialog();
    const Preferences& p = settings.values();
    dialog.checkRadioButton(SecondPlayerId, ComputerId, p.versusComputer ? ComputerId : SecondPlayerId);
    dialog.checkRadioButton(EasyId, HardId, EasyId + std::clamp(p.versusSpeed, 0, 2));
    const auto bar = [&dialog](int id, int low, int high, const char* format, int value) {
        dialog.setRange(id, low, high);
        dialog.setTrackFormat(id, format);
        dialog.setPosition(id, value);
    };
    bar(StrengthBarId, 1, 3, "strength %d", p.versusStrength);
    bar(LevelOneBarId, 1, 20, "level %d", p.versusLevelOne);
    bar(LevelTwoBarId, 1, 20, "level %d", p.versusLevelTwo);
    bar(RoundsBarId, 1, VersusSettings::MostRoundsToWin, "%d to win", p.versusRounds);
    // Player two's keys are kept in the preferences' [player_two]; the
    // dialog says which they are.
    const auto name = [&p](int slot) { return keyLabel(p.playerTwoKeys[static_cast<std::size_t>(slot)]); };
    dialog.setItemText(PlayerTwoKeysId,
                       "Player two: " + name(0) + " " + name(1) + " move, " + name(2) + " " + name(3) + " turn, "
                           + name(4) + " drop, " + name(5) + " pause");
    dialog.setFocus(LevelOneBarId);
}

VersusSettings VersusDialog::chosen(const DialogHost& dialog)
{
    VersusSettings match;
    match.computerOpponent = dialog.isChecked(ComputerId);
    match.strength = dialog.position(StrengthBarId);
    match.levels = {static_cast<std::uint32_t>(dialog.position(LevelOneBarId) - 1),
                    static_cast<std::uint32_t>(dialog.position(LevelTwoBarId) - 1)};
    // The same three speeds as a single game's.
    const int speed = dialog.isChecked(EasyId) ? NewGameDialog::EasyId
        : dialog.isChecked(HardId)             ? NewGameDialog::HardId
                                               : NewGameDialog::NormalId;
    match.interval = NewGameDialog::intervalOf(speed);
    match.roundsToWin = dialog.position(RoundsBarId);
    return match;
}

void VersusDialog::command(DialogHost& dialog, int controlId)
{
    switch (controlId) {
    case SecondPlayerId:
    case ComputerId:
        dialog.checkRadioButton(SecondPlayerId, ComputerId, controlId);
        break;
    case EasyId:
    case MediumId:
    case HardId:
        dialog.checkRadioButton(EasyId, HardId, controlId);
        break;
    case OkId: {
        const VersusSettings match = chosen(dialog);
        const int speed = dialog.isChecked(EasyId) ? 0 : dialog.isChecked(HardId) ? 2 : 1;
        settings.change([&match, speed](Preferences& p) {
            p.versusComputer = match.computerOpponent;
            p.versusStrength = match.strength;
            p.versusLevelOne = static_cast<int>(match.levels[0]) + 1;
            p.versusLevelTwo = static_cast<int>(match.levels[1]) + 1;
            p.versusSpeed = speed;
            p.versusRounds = match.roundsToWin;
        });
        started = match;
        pause.resumeAfterDialog(dialog);
        break;
    }
    case CancelId:
        pause.resumeAfterDialog(dialog);
        break;
    default:
        break;
    }
}

void VersusDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
