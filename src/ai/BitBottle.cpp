#include "ai/BitBottle.h"

#include "core/Playfield.h"

namespace quindel {

namespace {

// One bit in every column at the given row.
constexpr BottleBits everyColumn(int row)
{
    BottleBits bits = 0;
    for (int column = 0; column < BitBottle::Columns; ++column)
        bits |= BitBottle::square(column, row);
    return bits;
}

constexpr BottleBits BottomRow = everyColumn(BitBottle::Rows - 1);
constexpr BottleBits TopRow = everyColumn(0);
constexpr BottleBits LastColumn = BottleBits{0xFFFF} << (BitBottle::Rows * (BitBottle::Columns - 1));

// Where a vertical line of four can start: rows 0 to 12 of every column.
constexpr BottleBits verticalStarts()
{
    BottleBits bits = 0;
    for (int row = 0; row + 3 < BitBottle::Rows; ++row)
        bits |= everyColumn(row);
    return bits;
}
constexpr BottleBits VerticalStarts = verticalStarts();

int count(BottleBits bits)
{
    return __builtin_popcountll(static_cast<std::uint64_t>(bits))
        + __builtin_popcountll(static_cast<std::uint64_t>(bits >> 64));
}

int colourCodeOf(CellColor color)
{
    return static_cast<int>(color) - static_cast<int>(CellColor::White);
}

}  // namespace

BitBottle BitBottle::from(const Playfield& playfield)
{
    BitBottle bottle;
    for (int column = 0; column < Columns; ++column)
        for (int row = 0; row < Rows; ++row) {
            const Cell* cell = playfield.cellAt(column, row);
            if (cell->kind == CellKind::Empty || !isRealColor(cell->color))
                continue;
            bottle.put(column, row, colourCodeOf(cell->color));
            if (cell->kind == CellKind::Virus)
                bottle.virusBits |= square(column, row);
            else if (cell->link == CellLink::LeftHalf)
                bottle.lyingLeft |= square(column, row);
            else if (cell->link == CellLink::BottomHalf)
                bottle.standingLower |= square(column, row);
        }
    // A link that points out of the bottle or at no half joins nothing.
    const BottleBits halves = bottle.occupied() & ~bottle.virusBits;
    bottle.lyingLeft &= ~LastColumn & (halves >> Rows);
    bottle.standingLower &= ~TopRow & (halves << 1);
    return bottle;
}

int BitBottle::virusCount() const
{
    return count(virusBits);
}

bool BitBottle::isFree(int column, int row) const
{
    if (static_cast<unsigned>(column) >= Columns || static_cast<unsigned>(row) >= Rows)
        return false;
    return (occupied() & square(column, row)) == 0;
}

bool BitBottle::entryBlocked() const
{
    return (occupied() & (square(3, 0) | square(4, 0))) != 0;
}

void BitBottle::put(int column, int row, int colourCode)
{
    colours[colourCode] |= square(column, row);
}

void BitBottle::lock(int columnA, int rowA, int colourA, int columnB, int rowB, int colourB)
{
    put(columnA, rowA, colourA);
    put(columnB, rowB, colourB);
    if (rowA == rowB)
        lyingLeft |= square(columnA, rowA);
    else
        standingLower |= square(columnA, rowA);
}

BottleBits BitBottle::singles() const
{
    const BottleBits joined = lyingLeft | (lyingLeft << Rows) | standingLower | (standingLower >> 1);
    return occupied() & ~virusBits & ~joined;
}

void BitBottle::settle()
{
    // Every piece that hangs over an empty square falls one row at once; the
    // squares a piece leaves are not free to others until the next round, as
    // in the game's bottom-up passes, so where everything ends up is the same.
    for (;;) {
        const BottleBits below = (~occupied() >> 1) & ~BottomRow;
        const BottleBits fallingLeft = lyingLeft & below & (below >> Rows);
        const BottleBits fallingLower = standingLower & below;
        const BottleBits moving =
            (singles() & below) | fallingLeft | (fallingLeft << Rows) | fallingLower | (fallingLower >> 1);
        if (moving == 0)
            return;
        const auto fall = [moving](BottleBits& bits) { bits = (bits & ~moving) | ((bits & moving) << 1); };
        for (BottleBits& bits : colours)
            fall(bits);
        fall(lyingLeft);
        fall(standingLower);
    }
}

BottleBits BitBottle::lines() const
{
    BottleBits marked = 0;
    for (const BottleBits c : colours) {
        const BottleBits across = c & (c >> Rows) & (c >> (2 * Rows)) & (c >> (3 * Rows));
        marked |= across | (across << Rows) | (across << (2 * Rows)) | (across << (3 * Rows));
        const BottleBits down = c & (c >> 1) & (c >> 2) & (c >> 3) & VerticalStarts;
        marked |= down | (down << 1) | (down << 2) | (down << 3);
    }
    return marked;
}

BitBottle::Outcome BitBottle::resolve()
{
    Outcome outcome;
    for (BottleBits cleared = lines(); cleared != 0; cleared = lines()) {
        const int viruses = count(cleared & virusBits);
        ++outcome.passes;
        outcome.virusesCleared += viruses;
        outcome.halvesCleared += count(cleared & ~virusBits);
        if (viruses > 0)
            ++outcome.virusPasses;
        for (BottleBits& bits : colours)
            bits &= ~cleared;
        virusBits &= ~cleared;
        // A pair whose other half went is two loose halves now.
        lyingLeft &= ~cleared & ~(cleared >> Rows);
        standingLower &= ~cleared & ~(cleared << 1);
        settle();
    }
    return outcome;
}

}  // namespace quindel
