#pragma once

#include "core/GameState.h"

namespace quindel {

class DialogHost;
class Game;

// The two steps with which every dialog pauses a running game while it is
// open and gives back the state it found. Each dialog keeps its own.
class DialogPause final {
public:
    explicit DialogPause(Game& game) : game(game) {}

    // When the dialog opens: a running game shows the pause picture. The
    // timer is left alone; its next tick finds the game not playing and stops.
    void pauseForDialog();
    // When the dialog closes, possibly more than once: only a state that is
    // still Paused is given back, so a dialog that started a game changes
    // nothing and a game paused by the pause key stays paused. Ends the dialog.
    void resumeAfterDialog(DialogHost& dialog);

    GameState savedState() const { return saved; }

private:
    Game& game;
    GameState saved = GameState::Title;
};

}  // namespace quindel
