#pragma once

#include <array>
#include <string_view>

#include "core/CellCodes.h"
#include "game/GamePaths.h"
#include "store/HallOfFame.h"
#include "store/KeyBindings.h"

namespace quindel {

class Game;

// What a recorded game started with, put back into a game: the scripted
// run's `highscore`, `settings` and `preview` lines. The data files are
// written with the recorded bytes and read again, so the hall of fame a
// name is entered into at the end is the recorded one, as the game reads
// the file afresh for every entry.
class GameSetup final {
public:
    using HallOfFameBytes = std::array<unsigned char, HallOfFame::TableSize>;
    using KeyBindingBytes = std::array<unsigned char, KeyBindings::TableSize>;

    GameSetup(Game& game, GamePaths paths) : game(game), paths(std::move(paths)) {}

    // False, with the game as it was, when the file cannot be written or the
    // bytes are not a whole file.
    bool setHallOfFame(std::string_view bytes);
    bool setKeyBindings(std::string_view bytes);
    void setPreview(CellColor a, CellColor b);

    // The files' bytes for what the game holds now.
    static HallOfFameBytes hallOfFameBytes(const HallOfFame& hall);
    static KeyBindingBytes keyBindingBytes(const KeyBindings& keys);

private:
    Game& game;
    GamePaths paths;
};

}  // namespace quindel
