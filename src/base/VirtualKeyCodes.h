#pragma once

#include <cstdint>

namespace quindel {

// settings.dat holds Windows virtual-key codes, so the whole port speaks them.
// These are the ones the game names; letters are 65..90 and digits 48..57.
namespace vk {
inline constexpr std::int32_t Tab = 9;
inline constexpr std::int32_t Return = 13;
inline constexpr std::int32_t Control = 17;
inline constexpr std::int32_t Pause = 19;
inline constexpr std::int32_t Escape = 27;
inline constexpr std::int32_t Space = 32;
inline constexpr std::int32_t Left = 37;
inline constexpr std::int32_t Up = 38;
inline constexpr std::int32_t Right = 39;
inline constexpr std::int32_t Down = 40;
}  // namespace vk

}  // namespace quindel
