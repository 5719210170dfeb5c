#include "core/Playfield.h"

#include "core/Capsule.h"

namespace quindel {

namespace {

constexpr std::uint32_t FallFrameMs = 120;

}  // namespace

void Playfield::settle()
{
    bool moved = true;
    bool joinedMoved = true;
    while (moved || joinedMoved) {
        moved = false;
        joinedMoved = false;
        // Bottom up, so nothing falls more than one row per pass and a stack
        // of loose halves sinks together, each into the square just left free.
        for (int row = Rows - 1; row >= 1; --row) {
            for (int column = 0; column < Columns; ++column) {
                Cell* below = cellAt(column, row);
                if (below->kind != CellKind::Empty)
                    continue;
                Cell* above = cellAt(column, row - 1);
                if (above->kind != CellKind::PillHalf)
                    continue;
                if (above->link == CellLink::Single) {
                    below->kind = CellKind::PillHalf;
                    below->color = above->color;
                    above->kind = CellKind::Empty;
                    above->color = CellColor::NoColor;
                    moved = true;
                } else if (fallJoined(column, row)) {
                    joinedMoved = true;
                }
            }
        }
        // Every call draws at least one frame: the last pass is a still one.
        frame(FallFrameMs);
    }
}

bool Playfield::fallJoined(int column, int row)
{
    const int upper = row - 1;
    Cell* target = cellAt(column, row);
    Cell* half = cellAt(column, upper);
    if (target == nullptr || half == nullptr)
        return false;

    const auto join = [](Cell* first, CellLink firstLink, Cell* second, CellLink secondLink) {
        first->kind = CellKind::PillHalf;
        second->kind = CellKind::PillHalf;
        first->link = firstLink;
        second->link = secondLink;
        first->partner = second;
        second->partner = first;
    };

    switch (half->link) {
    case CellLink::LeftHalf:
    case CellLink::RightHalf: {
        // A lying capsule falls only when both squares under it are free.
        const int otherColumn = half->link == CellLink::LeftHalf ? column + 1 : column - 1;
        Cell* otherTarget = cellAt(otherColumn, row);
        Cell* other = cellAt(otherColumn, upper);
        if (otherTarget == nullptr || other == nullptr || otherTarget->kind != CellKind::Empty)
            return false;
        target->color = half->color;
        otherTarget->color = other->color;
        if (half->link == CellLink::LeftHalf)
            join(target, CellLink::LeftHalf, otherTarget, CellLink::RightHalf);
        else
            join(target, CellLink::RightHalf, otherTarget, CellLink::LeftHalf);
        half->reset();
        other->reset();
        return true;
    }
    case CellLink::BottomHalf: {
        // A standing capsule needs only the square under its lower half.
        Cell* top = cellAt(column, upper - 1);
        if (top == nullptr)
            return false;
        target->color = half->color;
        half->color = top->color;
        top->reset();
        join(target, CellLink::BottomHalf, half, CellLink::TopHalf);
        return true;
    }
    default:
        return false;
    }
}

bool Playfield::entryBlocked() const
{
    // The two squares every new capsule enters on.
    return cellAt(Capsule::EntryColumnA, 0)->kind != CellKind::Empty
        || cellAt(Capsule::EntryColumnB, 0)->kind != CellKind::Empty;
}

}  // namespace quindel
