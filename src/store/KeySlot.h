#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quindel {

// The six actions a player can rebind. The codes are the order of the codes
// in settings.dat (slot - 701 is the entry), so they are fixed.
enum class KeySlot : std::int32_t {
    MoveLeft = 701,
    MoveRight = 702,
    TurnLeft = 703,
    TurnRight = 704,
    DropPill = 705,
    Pause = 706,
};

inline constexpr int KeySlotCount = 6;

// The table entry of a slot, or -1 for a code outside 701..706.
constexpr int keySlotIndex(KeySlot slot)
{
    const auto index = static_cast<std::int32_t>(slot) - static_cast<std::int32_t>(KeySlot::MoveLeft);
    return index >= 0 && index < KeySlotCount ? index : -1;
}

// A key known by its name rather than by the character it types.
struct KeyName final {
    std::string_view name;
    std::int32_t code = 0;
};

// In the order bindByName compares them; the key options lists offer these
// eight beside the letters a to z.
inline constexpr std::array<KeyName, 8> KeyNames{{
    {"CTRL", 17},
    {"UP", 38},
    {"RIGHT", 39},
    {"DOWN", 40},
    {"LEFT", 37},
    {"SPACE", 32},
    {"TAB", 9},
    {"PAUSE", 19},
}};

}  // namespace quindel
