#pragma once

#include <cstdint>

namespace quindel {

class Playfield;

// One bit per square, column by column: bit column * 16 + row, so a column
// is one 16-bit word and a row neighbour is 16 bits away.
__extension__ typedef unsigned __int128 BottleBits;

// The bottle as the computer player imagines it: the same rules as the real
// one (lines of four, loose halves and joined pairs falling), on bit masks,
// so thousands of imagined landings cost less than a millisecond. It never
// draws, scores or waits.
class BitBottle final {
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 16;

    // The outcome of one landing's clearing, over all its passes.
    struct Outcome {
        int virusesCleared = 0;
        int halvesCleared = 0;
        int passes = 0;
        // Passes that cleared at least one virus.
        int virusPasses = 0;
    };

    static BitBottle from(const Playfield& playfield);

    static constexpr int bitOf(int column, int row) { return column * Rows + row; }
    static constexpr BottleBits square(int column, int row) { return BottleBits{1} << bitOf(column, row); }

    BottleBits occupied() const { return colours[0] | colours[1] | colours[2]; }
    // Colour codes 0, 1 and 2: white, blue and green.
    BottleBits colour(int code) const { return colours[code]; }
    BottleBits viruses() const { return virusBits; }
    int virusCount() const;
    // The squares of one column, row 0 in bit 0.
    static std::uint16_t columnOf(BottleBits bits, int column)
    {
        return static_cast<std::uint16_t>(bits >> (column * Rows));
    }
    bool isFree(int column, int row) const;
    bool entryBlocked() const;

    // A capsule at rest: two neighbouring squares become a joined pair. The
    // first square is the left half when lying and the lower half when
    // standing, as in the game.
    void lock(int columnA, int rowA, int colourA, int columnB, int rowB, int colourB);
    // Lines clear and what hangs falls, again and again until nothing does.
    Outcome resolve();
    // Everything that can fall falls as far as it can.
    void settle();
    // The squares in lines of four or more of one colour.
    BottleBits lines() const;

    bool operator==(const BitBottle&) const = default;

private:
    void put(int column, int row, int colourCode);
    BottleBits singles() const;

    BottleBits colours[3]{};
    BottleBits virusBits = 0;
    // The left half of every lying pair (its partner is one column right).
    BottleBits lyingLeft = 0;
    // The lower half of every standing pair (its partner is one row up).
    BottleBits standingLower = 0;
};

}  // namespace quindel
