#include "core/BoardNotation.h"

namespace quindel {

namespace {

char colorLetter(CellColor color, bool virus)
{
    switch (color) {
    case CellColor::White:
        return virus ? 'W' : 'w';
    case CellColor::Blue:
        return virus ? 'B' : 'b';
    case CellColor::Green:
        return virus ? 'G' : 'g';
    default:
        return '?';
    }
}

char partnerMark(CellLink link)
{
    switch (link) {
    case CellLink::LeftHalf:
        return '>';
    case CellLink::RightHalf:
        return '<';
    case CellLink::TopHalf:
        return 'v';
    case CellLink::BottomHalf:
        return '^';
    default:
        return '-';
    }
}

}  // namespace

std::string cellToken(const Cell& cell)
{
    switch (cell.kind) {
    case CellKind::Virus:
        return {colorLetter(cell.color, true), '.'};
    case CellKind::PillHalf:
        return {colorLetter(cell.color, false), partnerMark(cell.link)};
    default:
        return "..";
    }
}

}  // namespace quindel
