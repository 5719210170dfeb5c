#pragma once

#include <cstdint>

namespace quindel {

// The four cell codes. Their numeric values are shared by the logic, the
// drawing and the sound, so they are fixed here once.

enum class CellColor : std::int32_t {
    NoColor = 200,
    White = 201,
    Blue = 202,
    Green = 203,
};

enum class CellKind : std::int32_t {
    Empty = 500,
    Virus = 501,
    PillHalf = 502,
};

// Which neighbour holds the partner half.
enum class CellLink : std::int32_t {
    Single = 300,
    RightHalf = 301,   // partner to the left
    LeftHalf = 302,    // partner to the right
    BottomHalf = 303,  // partner above
    TopHalf = 304,     // partner below
};

enum class CellPhase : std::int32_t {
    Normal = 100,
    Marked = 101,
    Burst1 = 102,
    Burst2 = 103,
    Burst3 = 104,
};

// A random colour code 0, 1 or 2 stands for White, Blue and Green.
constexpr CellColor colorOfCode(int colorCode)
{
    return static_cast<CellColor>(static_cast<std::int32_t>(CellColor::White) + colorCode);
}

constexpr bool isRealColor(CellColor color)
{
    return color == CellColor::White || color == CellColor::Blue || color == CellColor::Green;
}

}  // namespace quindel
