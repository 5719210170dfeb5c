#pragma once

#include "game/Game.h"
#include "sound/Song.h"

namespace quindel {

// The song the screen the game shows plays, to take up again after a game
// played inside it had the music.
inline int songOfTheScreen(const Game& game)
{
    switch (game.state()) {
    case GameState::Title:
        return Song::Title;
    case GameState::LevelClear:
    case GameState::GameOver:
        return Song::Jingle;
    default:
        return Song::forLevel(game.levelIndex());
    }
}

}  // namespace quindel
