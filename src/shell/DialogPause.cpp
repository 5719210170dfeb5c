#include "shell/DialogPause.h"

#include "game/Game.h"
#include "shell/DialogHost.h"

namespace quindel {

void DialogPause::pauseForDialog()
{
    Game& game = *theGame;
    saved = game.state();
    if (saved == GameState::Playing) {
        game.setState(GameState::Paused);
        game.requestRedraw(RedrawRequest::RedrawFull);
    }
}

void DialogPause::resumeAfterDialog(DialogHost& dialog)
{
    Game& game = *theGame;
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
