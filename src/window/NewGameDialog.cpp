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

void NewGameDialog::offer(int radioId, int level)
{
    if (radioId >= EasyId && radioId <= HardId)
        choice = radioId;
    startLevel = level >= FirstLevel && level <= LastLevel ? level : FirstLevel;
}

void NewGameDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    dialog.checkRadioButton(EasyId, HardId, choice);
    // The slider starts where the dialog was told to offer: level 1, unless
    // the player's preferences keep the last one.
    dialog.setRange(LevelBarId, FirstLevel, LastLevel);
    dialog.setTrackFormat(LevelBarId, "level %d");
    dialog.setPosition(LevelBarId, startLevel);
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
    if (startedGame)
        startedGame(choice, static_cast<int>(game.levelIndex()) + 1);
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
