#pragma once

#include <cstdint>

namespace quindel {

// The songs by their index in the player's table: the three level songs take
// turns by level, the title has its own, and one jingle marks both a cleared
// level and a game over.
namespace Song {
inline constexpr int Title = 3;
inline constexpr int Jingle = 4;

constexpr int forLevel(std::uint32_t levelIndex)
{
    return static_cast<int>(levelIndex % 3);
}
}  // namespace Song

}  // namespace quindel
