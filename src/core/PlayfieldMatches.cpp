#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"

namespace quindel {

namespace {

constexpr std::uint32_t ClearFrameMs = 150;
// Four cells make a line: the first of a run plus three more.
constexpr int LineExtra = 3;

}  // namespace

void Playfield::resolve()
{
    std::uint32_t passIndex = 0;
    while (findMatches(passIndex++)) {
        clearMarked();
        settle();
    }
    // Every landing speeds the game up, whether it cleared anything or not.
    if (gameOwner != nullptr)
        gameOwner->speedUp();
}

bool Playfield::findMatches(std::uint32_t passIndex)
{
    // A chain keeps scoring once any of its passes has hit a virus; the first
    // pass of each chain starts afresh.
    if (passIndex == 0)
        virusHitInChain = 0;
    pointSum = 0;
    runCount = passIndex;
    found = false;

    // Lines are found on a copy of the colours, so marking cells during the
    // scan cannot change what the scan sees.
    for (int column = 0; column < Columns; ++column)
        for (int row = 0; row < Rows; ++row)
            snapshot[static_cast<std::size_t>(column * Rows + row)] = cellAt(column, row)->color;

    const auto scan = [this](int line, bool vertical, int length) {
        CellColor runColor = CellColor::NoColor;
        int extra = 0;
        for (int at = 0; at < length; ++at) {
            const int column = vertical ? line : at;
            const int row = vertical ? at : line;
            const CellColor color = snapshot[static_cast<std::size_t>(column * Rows + row)];
            if (color == runColor) {
                ++extra;
                continue;
            }
            closeRun(line, vertical, at - 1, extra, runColor);
            runColor = color;
            extra = 0;
        }
        closeRun(line, vertical, length - 1, extra, runColor);
    };
    for (int column = 0; column < Columns; ++column)
        scan(column, true, Rows);
    for (int row = 0; row < Rows; ++row)
        scan(row, false, Columns);

    if (gameOwner != nullptr) {
        const std::uint32_t interval = gameOwner->tickInterval();
        // The owner never lets the interval fall below 100 ms; a zero would
        // only be a broken owner, and scores nothing rather than crashing.
        if (interval != 0) {
            // One unsigned product, one division at the end: the remainders
            // are dropped once, not per factor.
            const std::uint32_t product = (gameOwner->levelIndex() + 1) * static_cast<std::uint32_t>(virusHitInChain)
                * runCount * pointSum * 800u;
            gameOwner->addScore(static_cast<std::int32_t>(product / interval));
        }
    }
    return found;
}

void Playfield::closeRun(int line, bool vertical, int end, int extra, CellColor color)
{
    if (extra < LineExtra || color == CellColor::NoColor)
        return;
    found = true;
    // From the last cell of the run back to its first.
    for (int at = end; at >= end - extra; --at) {
        Cell* cell = vertical ? cellAt(line, at) : cellAt(at, line);
        cell->phase = CellPhase::Marked;
        if (cell->kind == CellKind::Virus) {
            pointSum += 2;
            virusHitInChain = 1;
        } else {
            pointSum += 1;
        }
    }
    ++runCount;
    // A point for every cell beyond four.
    pointSum += static_cast<std::uint32_t>(extra - LineExtra);
    if (gameOwner != nullptr)
        gameOwner->playClearSound(color);
}

void Playfield::clearMarked()
{
    const auto advance = [this](CellPhase from, CellPhase to) {
        for (int column = 0; column < Columns; ++column)
            for (int row = 0; row < Rows; ++row) {
                Cell* cell = cellAt(column, row);
                if (cell->phase == from)
                    cell->phase = to;
            }
    };
    advance(CellPhase::Marked, CellPhase::Burst1);
    frame(ClearFrameMs);
    advance(CellPhase::Burst1, CellPhase::Burst2);
    frame(ClearFrameMs);
    advance(CellPhase::Burst2, CellPhase::Burst3);
    frame(ClearFrameMs);

    for (int column = 0; column < Columns; ++column)
        for (int row = 0; row < Rows; ++row) {
            Cell* cell = cellAt(column, row);
            if (cell->phase != CellPhase::Burst3)
                continue;
            if (cell->kind == CellKind::Virus)
                decrementVirusCount();
            // A half whose partner goes stays behind loose and falls alone.
            cell->reset();
        }
    frame(ClearFrameMs);

    // Asked after every clearing, not only the one that took the last
    // virus: a chain that goes on clearing halves earns the bonus again.
    if (virusCount() == 0 && gameOwner != nullptr)
        gameOwner->addScore(static_cast<std::int32_t>(gameOwner->levelIndex() * 8 + 8));
}

void Playfield::frame(std::uint32_t ms)
{
    // The renderer's copy of the board has no owner and draws no frames.
    if (gameOwner == nullptr)
        return;
    gameOwner->requestRedraw(RedrawRequest::RedrawBoard);
    gameOwner->waitFrame(ms);
}

}  // namespace quindel
