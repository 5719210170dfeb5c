#include "window/GamePrinter.h"

#include "core/BoardNotation.h"
#include "game/Game.h"
#include "render/Canvas.h"
#include "store/HallOfFame.h"

namespace quindel {

namespace {

int code(CellColor color)
{
    return static_cast<int>(color);
}

}  // namespace

void GamePrinter::printState()
{
    const Capsule& current = game.currentCapsule();
    const Capsule& next = game.nextCapsule();
    out << "state=" << static_cast<int>(game.state()) << " level=" << game.levelIndex()
        << " tick=" << game.tickInterval() << " base=" << game.baseInterval() << " score=" << game.currentScore()
        << " viruses=" << game.cells().virusCount() << " cur=" << current.columnA << ',' << current.rowA << ','
        << code(current.colorA) << ',' << current.columnB << ',' << current.rowB << ',' << code(current.colorB)
        << " next=" << code(next.colorA) << ',' << code(next.colorB) << '\n';
}

void GamePrinter::printBoard()
{
    const Playfield& cells = game.cells();
    for (int row = 0; row < Playfield::Rows; ++row) {
        for (int column = 0; column < Playfield::Columns; ++column) {
            if (column > 0)
                out << ' ';
            out << cellToken(*cells.cellAt(column, row));
        }
        out << '\n';
    }
}

void GamePrinter::printHallOfFame()
{
    const HallOfFame& hall = game.hallOfFame();
    for (int i = 0; i < HallOfFame::EntryCount; ++i)
        out << i << ' ' << hall.scoreAt(i) << ' ' << hall.nameView(i) << '\n';
}

void GamePrinter::printKeys()
{
    out << "keys=" << game.moveLeftKey() << ',' << game.moveRightKey() << ',' << game.turnLeftKey() << ','
        << game.turnRightKey() << ',' << game.dropKey() << ',' << game.pauseKey() << '\n';
}

bool GamePrinter::writeShot(const std::string& file)
{
    return canvas.saveBmp(file);
}

void GamePrinter::songRequested(int index)
{
    out << "song " << index << '\n';
}

void GamePrinter::moveRequested()
{
    out << "move\n";
}

void GamePrinter::clearRequested(CellColor color)
{
    out << "clear " << code(color) << '\n';
}

}  // namespace quindel
