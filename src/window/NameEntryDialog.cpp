#include "window/NameEntryDialog.h"

#include <string>

#include "game/Game.h"
#include "store/HallOfFame.h"
#include "widgets/DialogHost.h"

namespace quindel {

void NameEntryDialog::initDialog(DialogHost& dialog)
{
    // At game over nothing is running, so this only remembers GameOver.
    pause.pauseForDialog();
    dialog.setFocus(NameFieldId);
}

void NameEntryDialog::command(DialogHost& dialog, int controlId)
{
    switch (controlId) {
    case OkId:
        enterName(dialog);
        break;
    case CancelId:
        // Escape and the close box leave the hall of fame as it is.
        pause.resumeAfterDialog(dialog);
        break;
    default:
        break;
    }
}

void NameEntryDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

void NameEntryDialog::enterName(DialogHost& dialog)
{
    const std::string typed = dialog.itemText(NameFieldId);
    // An empty name is an entry too; a longer one loses what does not fit.
    const std::string name = typed.substr(0, NameBufferSize - 1);
    game.hallOfFame().insert(name, game.currentScore());
    // The game-over picture lists the hall of fame: show the new entry in it.
    game.requestRedraw(RedrawRequest::RedrawGameOver);
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
