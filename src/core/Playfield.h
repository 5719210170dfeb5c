#pragma once

#include <array>
#include <cstdint>

#include "core/Cell.h"
#include "core/CellCodes.h"

namespace quindel {

class PlayfieldOwner;

// The bottle: 8 columns by 16 rows of owned cells, the virus count and the
// link to the game that owns it. Columns run 0..7 from the left, rows 0..15
// from the top; positions are always (column, row).
class Playfield final {
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 16;
    static constexpr int CellCount = Columns * Rows;

    Playfield() = default;
    ~Playfield();
    // Cells point at each other, so a bottle is never copied or moved.
    Playfield(const Playfield&) = delete;
    Playfield& operator=(const Playfield&) = delete;

    // None outside the grid; negative indices are out of range too.
    Cell* cellAt(int column, int row);
    const Cell* cellAt(int column, int row) const;
    // All five fields, the partner link included; ignored out of range.
    void copyCell(const Cell& source, int column, int row);

    void setVirusCount(std::uint32_t n) { viruses = n; }
    std::uint32_t virusCount() const { return viruses; }
    void decrementVirusCount();

    void setOwner(PlayfieldOwner* game) { gameOwner = game; }
    void clearOwner() { gameOwner = nullptr; }
    PlayfieldOwner* owner() const { return gameOwner; }

    // Setting up a level.
    void placeViruses(std::uint32_t levelIndex);
    bool wouldMakeLine(int column, int row, int colorCode) const;

    // Lines, score and clearing.
    void resolve();
    bool findMatches(std::uint32_t passIndex);
    void clearMarked();

    // Gravity.
    void settle();
    bool fallJoined(int column, int row);
    bool entryBlocked() const;

private:
    void frame(std::uint32_t ms);
    void closeRun(int line, bool vertical, int end, int extra, CellColor color);

    std::array<Cell, CellCount> cells{};
    std::uint32_t viruses = 0;
    PlayfieldOwner* gameOwner = nullptr;
    // Set once a virus has been marked in the chain that is being resolved.
    int virusHitInChain = 0;
    // The per-pass bookkeeping of findMatches: the colours as they stood when
    // the pass began (column by column), the points and the lines found.
    std::array<CellColor, CellCount> snapshot{};
    std::uint32_t pointSum = 0;
    std::uint32_t runCount = 0;
    bool found = false;
};

}  // namespace quindel
