#include "window/VersusPrinter.h"

#include "core/BoardNotation.h"
#include "core/GameState.h"
#include "versus/VersusMatch.h"

namespace quindel {

namespace {

int code(CellColor color)
{
    return static_cast<int>(color);
}

// A side's state in the single game's codes: playing or paused while the
// round runs, a cleared level for the side that won the round (or the
// match), a game over for the side that lost it.
GameState stateOf(const VersusMatch& match, int index)
{
    switch (match.phase()) {
    case VersusMatch::Phase::Idle:
        return GameState::Title;
    case VersusMatch::Phase::Playing:
        return match.isPaused() ? GameState::Paused : GameState::Playing;
    case VersusMatch::Phase::RoundOver:
    case VersusMatch::Phase::MatchOver:
        break;
    }
    const std::optional<int> winner = match.roundWinner();
    if (!winner)
        return GameState::GameOver;
    return *winner == index ? GameState::LevelClear : GameState::GameOver;
}

}  // namespace

void VersusPrinter::printState()
{
    for (int index = 0; index < 2; ++index) {
        const VersusSide& side = match.side(index);
        const Capsule& current = side.currentCapsule();
        const Capsule& next = side.nextCapsule();
        out << 'p' << index + 1 << " state=" << static_cast<int>(stateOf(match, index))
            << " level=" << side.levelIndex() << " tick=" << side.tickInterval() << " base=" << side.baseInterval()
            << " score=" << side.score() << " viruses=" << side.bottle().virusCount() << " cur=" << current.columnA
            << ',' << current.rowA << ',' << code(current.colorA) << ',' << current.columnB << ',' << current.rowB
            << ',' << code(current.colorB) << " next=" << code(next.colorA) << ',' << code(next.colorB)
            << " wins=" << side.wins() << '\n';
    }
}

void VersusPrinter::printBoard()
{
    for (int row = 0; row < Playfield::Rows; ++row) {
        for (int index = 0; index < 2; ++index) {
            if (index > 0)
                out << " | ";
            const Playfield& cells = match.side(index).bottle();
            for (int column = 0; column < Playfield::Columns; ++column) {
                if (column > 0)
                    out << ' ';
                out << cellToken(*cells.cellAt(column, row));
            }
        }
        out << '\n';
    }
}

}  // namespace quindel
