#include "window/NewGameDialog.h"

#include "game/Game.h"
#include "widgets/DialogHost.h"

namespace quindel {

std::uint32_t NewGameDialog::intervalOf(int radioId)
{
    switch (radioId) {
    case EasyId:
        return 1100;
    case HardId:
        return 300;
    default:
        return 700;
    }
}

void NewGameDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    dialog.checkRadioButton(EasyId, HardId, choice);
    // The slider starts at level 1 every time; the last level is not kept.
    dialog.setRange(LevelBarId, FirstLevel, LastLevel);
    dialog.setPosition(LevelBarId, FirstLevel);
    dialog.setFocus(LevelBarId);
}

void NewGameDialog::command(DialogHost& dialog, int controlId)
{
    switch (controlId) {
    case EasyId:
    case NormalId:
    case HardId:
        choice = controlId;
        dialog.checkRadioButton(EasyId, HardId, choice);
        break;
    case StartGameId:
        startGame(dialog);
        break;
    case CancelId:
        pause.resumeAfterDialog(dialog);
        break;
    default:
        break;
    }
}

void NewGameDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

void NewGameDialog::startGame(DialogHost& dialog)
{
    game.setDifficulty(intervalOf(choice));
    game.setLevelIndex(static_cast<std::uint32_t>(dialog.position(LevelBarId) - 1));
    // A game abandoned for a new one is never compared with the hall of fame.
    game.setScore(0);
    game.playLevel();
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
