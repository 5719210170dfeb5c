#include "ai/QuickReach.h"

namespace quindel {

namespace {

constexpr int Rows = BitBottle::Rows;

// Where a lying and a standing capsule fit in one row, as column bits.
struct RowRoom {
    std::uint32_t lying = 0;
    std::uint32_t standing = 0;

    std::uint32_t poses() const { return lying | (standing << 8) | (lying << 16) | (standing << 24); }
};

// Every pose one key away from the given ones, within the row.
std::uint32_t oneKey(std::uint32_t poses, const RowRoom& room, bool topRow)
{
    const std::uint32_t fits = room.poses();
    std::uint32_t next = ((poses >> 1) & 0x7F7F7F7Fu) | ((poses << 1) & 0xFEFEFEFEu);
    next &= fits;

    const std::uint32_t lying0 = poses & 0xFF;
    const std::uint32_t standing1 = (poses >> 8) & 0xFF;
    const std::uint32_t lying2 = (poses >> 16) & 0xFF;
    const std::uint32_t standing3 = (poses >> 24) & 0xFF;
    const std::uint32_t standingRoom = room.standing;
    const std::uint32_t lyingRoom = room.lying;

    // Clockwise: lying stands on its right square, or swaps its colours
    // where there is no room above that square; standing lies one column
    // left (the lift at the left wall is left out).
    next |= ((lying0 << 1) & standingRoom) << 8;
    next |= ((lying2 << 1) & standingRoom) << 24;
    if (!topRow) {
        const std::uint32_t blocked = ~(standingRoom >> 1);
        next |= (lying0 & blocked) << 16;
        next |= lying2 & blocked;
    }
    next |= (((standing1 & 0xFE) >> 1) & lyingRoom) << 16;
    next |= ((standing3 & 0xFE) >> 1) & lyingRoom;
    // Counter-clockwise: lying stands on its left square; standing lies
    // to the right, one column in against the right wall.
    next |= (lying0 & standingRoom) << 24;
    next |= (lying2 & standingRoom) << 8;
    next |= ((standing1 & 0x7F) | ((standing1 & 0x80) >> 1)) & lyingRoom;
    next |= (((standing3 & 0x7F) | ((standing3 & 0x80) >> 1)) & lyingRoom) << 16;
    return next;
}

}  // namespace

QuickReach::QuickReach(const BitBottle& bottle, int keysPerFall, bool equalColours)
{
    std::array<std::uint32_t, Rows> freeInRow{};
    const BottleBits occupied = bottle.occupied();
    for (int column = 0; column < BitBottle::Columns; ++column) {
        const std::uint32_t taken = BitBottle::columnOf(occupied, column);
        for (int row = 0; row < Rows; ++row)
            if (((taken >> row) & 1) == 0)
                freeInRow[static_cast<std::size_t>(row)] |= 1u << column;
    }
    // One more row past the bottom, where nothing fits.
    std::array<RowRoom, Rows + 1> room{};
    for (int row = 0; row < Rows; ++row) {
        const std::uint32_t here = freeInRow[static_cast<std::size_t>(row)];
        room[static_cast<std::size_t>(row)].lying = here & (here >> 1) & 0x7F;
        if (row > 0)
            room[static_cast<std::size_t>(row)].standing = here & freeInRow[static_cast<std::size_t>(row - 1)];
    }

    const std::uint32_t kept = equalColours ? 0x0000FFFFu : 0xFFFFFFFFu;
    // The entry: lying as it came.
    std::uint32_t entering = (1u << Capsule::EntryColumnA) & room[0].lying;
    for (int row = 0; row < Rows && entering != 0; ++row) {
        const RowRoom& here = room[static_cast<std::size_t>(row)];
        std::uint32_t reached = entering;
        std::uint32_t frontier = entering;
        for (int key = 0; key < keysPerFall && frontier != 0; ++key) {
            frontier = oneKey(frontier, here, row == 0) & ~reached;
            reached |= frontier;
        }
        const std::uint32_t below = room[static_cast<std::size_t>(row + 1)].poses();
        landings[static_cast<std::size_t>(row)] = reached & ~below & kept;
        entering = reached & below;
    }
}

}  // namespace quindel
