#include "window/DialogPause.h"

#include "game/Game.h"
#include "widgets/DialogHost.h"

namespace quindel {

void DialogPause::pauseForDialog()
{
    saved = game.state();
    if (saved == GameState::Playing) {
        game.setState(GameState::Paused);
        game.requestRedraw(RedrawRequest::RedrawFull);
    }
}

void DialogPause::resumeAfterDialog(DialogHost& dialog)
{
    if (game.state() == GameState::Paused) {
        game.setState(saved);
        if (saved == GameState::Playing) {
            game.startTimer(game.tickInterval());
            game.requestRedraw(RedrawRequest::RedrawFull);
        }
    }
    dialog.endDialog();
}

}  // namespace quindel
