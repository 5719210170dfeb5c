#include "window/HallOfFameDialog.h"

#include <array>

#include "game/Game.h"
#include "store/HallOfFame.h"
#include "widgets/DialogHost.h"

namespace quindel {

void HallOfFameDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    const HallOfFame& hall = game.hallOfFame();
    // A slot from a foreign file may lack its NUL; nameView never reads
    // past the slot's 11 bytes.
    for (int i = 0; i < HallOfFame::EntryCount; ++i)
        dialog.setItemText(FirstNameId + i, hall.nameView(i));
    for (int i = 0; i < HallOfFame::EntryCount; ++i) {
        std::array<char, ScoreBufferSize> text{};
        hall.formatScore(i, text.data());
        dialog.setItemText(FirstScoreId + i, text.data());
    }
    dialog.setFocus(OkId);
}

void HallOfFameDialog::command(DialogHost& dialog, int controlId)
{
    // The fields are read-only; only OK (Enter) and Escape do anything.
    if (controlId == OkId || controlId == CancelId)
        pause.resumeAfterDialog(dialog);
}

void HallOfFameDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
