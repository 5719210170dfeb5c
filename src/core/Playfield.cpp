#include "core/Playfield.h"

namespace quindel {

Playfield::~Playfield()
{
    for (Cell& cell : cells)
        cell.partner = nullptr;
}

Cell* Playfield::cellAt(int column, int row)
{
    // Compared as unsigned, so a negative index is out of range too.
    if (static_cast<unsigned>(column) >= Columns || static_cast<unsigned>(row) >= Rows)
        return nullptr;
    return &cells[static_cast<std::size_t>(row * Columns + column)];
}

const Cell* Playfield::cellAt(int column, int row) const
{
    return const_cast<Playfield*>(this)->cellAt(column, row);
}

void Playfield::copyCell(const Cell& source, int column, int row)
{
    if (Cell* target = cellAt(column, row))
        *target = source;
}

void Playfield::decrementVirusCount()
{
    if (viruses >= 1)
        --viruses;
}

}  // namespace quindel
