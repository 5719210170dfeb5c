#include "core/Playfield.h"
#include "core/Random.h"
#include "core/TimeSource.h"

namespace quindel {

namespace {

// Viruses live in the lower twelve rows; the four rows under the entry stay
// clear so the first capsules have room to turn.
constexpr int FirstVirusRow = 4;
// The upward count of the line rule stops here; rows above never hold a
// virus during set-up anyway.
constexpr int TopCountedRow = 3;
// The hardest level. Anything beyond it would ask for more viruses than the
// sweeps can ever place, and set-up would never end.
constexpr std::uint32_t LastLevelIndex = 19;

}  // namespace

void Playfield::placeViruses(std::uint32_t levelIndex)
{
    if (levelIndex > LastLevelIndex)
        levelIndex = LastLevelIndex;

    for (int column = 0; column < Columns; ++column)
        for (int row = 0; row < Rows; ++row)
            cellAt(column, row)->reset();

    std::uint32_t toPlace = levelIndex * 4 + 4;
    setVirusCount(toPlace);
    quindel::srand(static_cast<std::uint32_t>(quindel::time()));

    while (toPlace > 0) {
        // A sweep always runs to its end and always draws twice per square,
        // so the layout depends only on the seed.
        for (int row = Rows - 1; row >= FirstVirusRow; --row) {
            for (int column = 0; column < Columns; ++column) {
                const int colorCode = (2 * quindel::rand()) % 5;
                if (quindel::rand() % 2 != 0)
                    continue;
                if (wouldMakeLine(column, row, colorCode))
                    continue;
                Cell* cell = cellAt(column, row);
                if (cell->kind == CellKind::Empty && toPlace > 0) {
                    cell->kind = CellKind::Virus;
                    cell->color = colorOfCode(colorCode);
                    --toPlace;
                }
            }
        }
    }
}

bool Playfield::wouldMakeLine(int column, int row, int colorCode) const
{
    // Codes 3 and 4 are the draws that mean "no virus here".
    if (colorCode < 0 || colorCode > 2)
        return true;
    const CellColor color = colorOfCode(colorCode);
    const auto sameColor = [&](int c, int r) {
        const Cell* cell = cellAt(c, r);
        return cell != nullptr && cell->color == color;
    };

    int vertical = 1;
    for (int r = row + 1; r < Rows && sameColor(column, r); ++r)
        ++vertical;
    for (int r = row - 1; r >= TopCountedRow && sameColor(column, r); --r)
        ++vertical;
    if (vertical >= 4)
        return true;

    int horizontal = 1;
    for (int c = column - 1; c >= 0 && sameColor(c, row); --c)
        ++horizontal;
    for (int c = column + 1; c < Columns && sameColor(c, row); ++c)
        ++horizontal;
    return horizontal >= 4;
}

}  // namespace quindel
