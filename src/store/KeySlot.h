#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/VirtualKeyCodes.h"

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

// The keys of a first start, in slot order: arrows left and right move,
// arrow down and up turn, space drops, Pause pauses.
inline constexpr std::array<std::int32_t, KeySlotCount> DefaultKeys{
    vk::Left, vk::Right, vk::Down, vk::Up, vk::Space, vk::Pause,
};

// A key known by its name rather than by the character it types.
struct KeyName final {
    std::string_view name;
    std::int32_t code = 0;
};

// In the order bindByName compares them; the key options lists offer these
// eight beside the letters a to z.
inline constexpr std::array<KeyName, 8> KeyNames{{
    {"CTRL", vk::Control},
    {"UP", vk::Up},
    {"RIGHT", vk::Right},
    {"DOWN", vk::Down},
    {"LEFT", vk::Left},
    {"SPACE", vk::Space},
    {"TAB", vk::Tab},
    {"PAUSE", vk::Pause},
}};

// The name of a key known by its name, or none for any other code.
constexpr std::optional<std::string_view> keyNameOf(std::int32_t code)
{
    for (const KeyName& key : KeyNames)
        if (key.code == code)
            return key.name;
    return std::nullopt;
}

// How a key is written for the player to read: a named key's name, a
// letter, a digit, F1 to F12; empty for a code that names no key.
std::string keyLabel(std::int32_t code);

}  // namespace quindel
