#include "core/Capsule.h"

#include "core/Playfield.h"
#include "core/Random.h"
#include "core/TimeSource.h"

#include <utility>

namespace quindel {

namespace {

constexpr int LastColumn = Playfield::Columns - 1;
constexpr int LastRow = Playfield::Rows - 1;

// Only an empty square lets a half in; viruses and resting halves block, and
// so does everything outside the bottle.
bool isFree(const Playfield& playfield, int column, int row)
{
    const Cell* cell = playfield.cellAt(column, row);
    return cell != nullptr && cell->kind == CellKind::Empty;
}

// The capsule as its two halves stand after a move: lying, first is the left
// half; standing, first is the lower half.
void place(Capsule& capsule, int columnA, int rowA, CellColor colorA, int columnB, int rowB, CellColor colorB)
{
    capsule.columnA = columnA;
    capsule.rowA = rowA;
    capsule.colorA = colorA;
    capsule.columnB = columnB;
    capsule.rowB = rowB;
    capsule.colorB = colorB;
}

}  // namespace

Capsule::Capsule()
{
    // Seeded anew with the whole seconds each time: two capsules made within
    // the same second share their colours, and players know it.
    quindel::srand(static_cast<std::uint32_t>(quindel::time()));
    colorA = colorOfCode(quindel::rand() % 3);
    colorB = colorOfCode(quindel::rand() % 3);
}

Capsule::Capsule(CellColor a, CellColor b) : colorA(a), colorB(b) {}

bool dropCapsule(Capsule& capsule, const Playfield& playfield)
{
    if (capsule.rowA == LastRow || capsule.rowB == LastRow)
        return false;
    if (capsule.isHorizontal()) {
        if (!isFree(playfield, capsule.columnA, capsule.rowA + 1)
            || !isFree(playfield, capsule.columnB, capsule.rowB + 1))
            return false;
    } else if (!isFree(playfield, capsule.columnA, capsule.rowA + 1)) {
        return false;
    }
    ++capsule.rowA;
    ++capsule.rowB;
    return true;
}

void moveLeft(Capsule& capsule, const Playfield& playfield)
{
    if (capsule.columnA == 0)
        return;
    const int to = capsule.columnA - 1;
    const bool free = capsule.isHorizontal()
        ? isFree(playfield, to, capsule.rowA)
        : isFree(playfield, to, capsule.rowA) && isFree(playfield, to, capsule.rowB);
    if (!free)
        return;
    --capsule.columnA;
    --capsule.columnB;
}

void moveRight(Capsule& capsule, const Playfield& playfield)
{
    if (capsule.columnB == LastColumn)
        return;
    const int to = capsule.columnB + 1;
    const bool free = capsule.isHorizontal()
        ? isFree(playfield, to, capsule.rowB)
        : isFree(playfield, to, capsule.rowA) && isFree(playfield, to, capsule.rowB);
    if (!free)
        return;
    ++capsule.columnA;
    ++capsule.columnB;
}

// Each turn tests the one square the turned capsule newly takes; its other
// square is one the capsule already holds.
void turnLeft(Capsule& capsule, const Playfield& playfield)
{
    if (capsule.isHorizontal()) {
        // Lying: the right half swings up over the left one.
        const int x = capsule.columnA;
        const int y = capsule.rowA;
        if (y == 0 || !isFree(playfield, x, y - 1))
            return;
        place(capsule, x, y, capsule.colorA, x, y - 1, capsule.colorB);
        return;
    }
    // Standing: the lower half swings out to the right and the capsule lies
    // in the lower half's row; against the right wall it lies one column in.
    const int x = capsule.columnA;
    const int y = capsule.rowB;
    const CellColor upper = capsule.colorB;
    const CellColor lower = capsule.colorA;
    const int left = x == LastColumn ? x - 1 : x;
    const int tested = x == LastColumn ? x - 1 : x + 1;
    if (!isFree(playfield, tested, y + 1))
        return;
    place(capsule, left, y + 1, upper, left + 1, y + 1, lower);
}

void turnRight(Capsule& capsule, const Playfield& playfield)
{
    if (capsule.isHorizontal()) {
        // Lying: the left half swings up over the right one. When the square
        // above is taken the halves swap colours where they lie instead.
        const int x = capsule.columnA;
        const int y = capsule.rowA;
        if (y == 0)
            return;
        if (!isFree(playfield, x + 1, y - 1)) {
            std::swap(capsule.colorA, capsule.colorB);
            return;
        }
        place(capsule, x + 1, y, capsule.colorB, x + 1, y - 1, capsule.colorA);
        return;
    }
    // Standing: the upper half swings out to the right. Against the left
    // wall the lower half has nowhere to go, so the capsule lies in the
    // upper half's row instead, one row higher than elsewhere.
    const int x = capsule.columnA;
    const int y = capsule.rowB;
    const CellColor upper = capsule.colorB;
    const CellColor lower = capsule.colorA;
    if (x == 0) {
        if (!isFree(playfield, 1, y))
            return;
        place(capsule, 0, y, lower, 1, y, upper);
        return;
    }
    if (!isFree(playfield, x - 1, y + 1))
        return;
    place(capsule, x - 1, y + 1, lower, x, y + 1, upper);
}

void lockCapsule(std::unique_ptr<Capsule>& current, std::unique_ptr<Capsule>& next, Playfield& playfield)
{
    if (current != nullptr) {
        Cell* a = playfield.cellAt(current->columnA, current->rowA);
        Cell* b = playfield.cellAt(current->columnB, current->rowB);
        if (a != nullptr && b != nullptr) {
            a->kind = CellKind::PillHalf;
            a->color = current->colorA;
            b->kind = CellKind::PillHalf;
            b->color = current->colorB;
            a->partner = b;
            b->partner = a;
            // Lying, A is the left half; standing, A is the lower half.
            if (current->isHorizontal()) {
                a->link = CellLink::LeftHalf;
                b->link = CellLink::RightHalf;
            } else {
                a->link = CellLink::BottomHalf;
                b->link = CellLink::TopHalf;
            }
        }
    }
    current = std::move(next);
    next = std::make_unique<Capsule>();
}

}  // namespace quindel
