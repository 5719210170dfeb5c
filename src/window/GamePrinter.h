#pragma once

#include <ostream>
#include <string>

#include "sound/SoundRequestObserver.h"

namespace quindel {

class Canvas;
class Game;

// What the scripted run prints of a game: the state line, the bottle, the
// hall of fame, the keys and the window's picture, and every sound the game
// asks for as it asks.
class GamePrinter final : public SoundRequestObserver {
public:
    GamePrinter(const Game& game, const Canvas& canvas, std::ostream& out) : game(game), canvas(canvas), out(out) {}

    // `dump`: state=... level=... tick=... base=... score=... viruses=...
    // cur=cA,rA,colorA,cB,rB,colorB next=colorA,colorB
    void printState();
    // `board`: sixteen lines of eight tokens.
    void printBoard();
    // `hof`: INDEX SCORE NAME for each of the eight entries.
    void printHallOfFame();
    // `keys`: keys= and the six bound codes in slot order.
    void printKeys();
    // `shot`: the window's pixels as a 24-bit BMP; false when the file
    // could not be written.
    bool writeShot(const std::string& file);

    void songRequested(int index) override;
    void moveRequested() override;
    void clearRequested(CellColor color) override;

private:
    const Game& game;
    const Canvas& canvas;
    std::ostream& out;
};

}  // namespace quindel
