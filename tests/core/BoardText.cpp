#include "BoardText.h"

#include <stdexcept>

#include "core/BoardNotation.h"

namespace quindel::test {

namespace {

CellColor colorOf(char letter)
{
    switch (letter) {
    case 'w':
    case 'W':
        return CellColor::White;
    case 'b':
    case 'B':
        return CellColor::Blue;
    case 'g':
    case 'G':
        return CellColor::Green;
    default:
        throw std::invalid_argument(std::string("no colour ") + letter);
    }
}

// Where the partner of a half with this link lies, relative to the half.
bool partnerOffset(CellLink link, int& dc, int& dr)
{
    switch (link) {
    case CellLink::LeftHalf:
        dc = 1;
        dr = 0;
        return true;
    case CellLink::RightHalf:
        dc = -1;
        dr = 0;
        return true;
    case CellLink::TopHalf:
        dc = 0;
        dr = 1;
        return true;
    case CellLink::BottomHalf:
        dc = 0;
        dr = -1;
        return true;
    default:
        return false;
    }
}

CellLink mirrorOf(CellLink link)
{
    switch (link) {
    case CellLink::LeftHalf:
        return CellLink::RightHalf;
    case CellLink::RightHalf:
        return CellLink::LeftHalf;
    case CellLink::TopHalf:
        return CellLink::BottomHalf;
    case CellLink::BottomHalf:
        return CellLink::TopHalf;
    default:
        return CellLink::Single;
    }
}

std::string at(int column, int row)
{
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a
    // literal added to a temporary string at -O3.
    std::string text = "(";
    text += std::to_string(column);
    text += ", ";
    text += std::to_string(row);
    text += ")";
    return text;
}

}  // namespace

void BoardText::load(Playfield& playfield, const std::vector<std::string>& rows)
{
    if (rows.size() > Playfield::Rows)
        throw std::invalid_argument("more than sixteen rows");
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            playfield.cellAt(column, row)->reset();

    const int top = Playfield::Rows - static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size() != 2 * Playfield::Columns)
            throw std::invalid_argument("row of the wrong width: " + rows[i]);
        const int row = top + static_cast<int>(i);
        for (int column = 0; column < Playfield::Columns; ++column) {
            const char letter = rows[i][static_cast<std::size_t>(2 * column)];
            const char mark = rows[i][static_cast<std::size_t>(2 * column + 1)];
            if (letter == '.')
                continue;
            Cell* cell = playfield.cellAt(column, row);
            cell->color = colorOf(letter);
            cell->kind = letter >= 'A' && letter <= 'Z' ? CellKind::Virus : CellKind::PillHalf;
            switch (mark) {
            case '>':
                cell->link = CellLink::LeftHalf;
                break;
            case '<':
                cell->link = CellLink::RightHalf;
                break;
            case 'v':
                cell->link = CellLink::TopHalf;
                break;
            case '^':
                cell->link = CellLink::BottomHalf;
                break;
            default:
                cell->link = CellLink::Single;
                break;
            }
        }
    }
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row) {
            Cell* cell = playfield.cellAt(column, row);
            int dc = 0;
            int dr = 0;
            if (partnerOffset(cell->link, dc, dr))
                cell->partner = playfield.cellAt(column + dc, row + dr);
        }
}

std::vector<std::string> BoardText::dump(const Playfield& playfield)
{
    std::vector<std::string> rows;
    for (int row = 0; row < Playfield::Rows; ++row) {
        std::string line;
        for (int column = 0; column < Playfield::Columns; ++column)
            line += cellToken(*playfield.cellAt(column, row));
        rows.push_back(line);
    }
    return rows;
}

std::string brokenInvariant(const Playfield& playfield)
{
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row) {
            const Cell* cell = playfield.cellAt(column, row);
            const std::string where = at(column, row);
            if (cell->phase != CellPhase::Normal)
                return where + " is still in a clearing phase";
            switch (cell->kind) {
            case CellKind::Empty:
                if (cell->color != CellColor::NoColor || cell->link != CellLink::Single || cell->partner != nullptr)
                    return where + " is empty but not clean";
                break;
            case CellKind::Virus:
                if (!isRealColor(cell->color) || cell->link != CellLink::Single || cell->partner != nullptr)
                    return where + " is a virus with a colour or link it cannot have";
                break;
            case CellKind::PillHalf: {
                if (!isRealColor(cell->color))
                    return where + " is a half without a colour";
                int dc = 0;
                int dr = 0;
                if (!partnerOffset(cell->link, dc, dr)) {
                    if (cell->link != CellLink::Single || cell->partner != nullptr)
                        return where + " is a loose half with a partner";
                    break;
                }
                const Cell* partner = playfield.cellAt(column + dc, row + dr);
                if (partner == nullptr || cell->partner != partner)
                    return where + " does not point at the neighbour its link names";
                if (partner->kind != CellKind::PillHalf || partner->link != mirrorOf(cell->link)
                    || partner->partner != cell)
                    return where + " has a partner that does not mirror it";
                break;
            }
            default:
                return where + " has an unknown kind";
            }
        }
    return {};
}

std::string unstableSquare(const Playfield& playfield)
{
    const auto empty = [&](int column, int row) {
        const Cell* cell = playfield.cellAt(column, row);
        return cell != nullptr && cell->kind == CellKind::Empty;
    };
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row + 1 < Playfield::Rows; ++row) {
            const Cell* cell = playfield.cellAt(column, row);
            if (cell->kind != CellKind::PillHalf)
                continue;
            const bool hangs = (cell->link == CellLink::Single && empty(column, row + 1))
                || (cell->link == CellLink::LeftHalf && empty(column, row + 1) && empty(column + 1, row + 1))
                || (cell->link == CellLink::BottomHalf && empty(column, row + 1));
            if (hangs)
                return at(column, row) + " hangs over an empty square";
        }
    return {};
}

int countViruses(const Playfield& playfield)
{
    int count = 0;
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            count += playfield.cellAt(column, row)->kind == CellKind::Virus ? 1 : 0;
    return count;
}

}  // namespace quindel::test
