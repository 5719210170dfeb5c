#pragma once

#include <cstdint>

namespace quindel {

// settings.dat holds Windows virtual-key codes, so the whole port speaks them.
// These are the ones the game names; letters are 65..90 and digits 48..57.
namespace vk {
inline constexpr std::int32_t Tab = 9;
inline constexpr std::int32_t Return = 13;
inline constexpr std::int32_t Shift = 16;
inline constexpr std::int32_t Control = 17;
inline constexpr std::int32_t Alt = 18;
inline constexpr std::int32_t Pause = 19;
inline constexpr std::int32_t Escape = 27;
inline constexpr std::int32_t Space = 32;
inline constexpr std::int32_t PageUp = 33;
inline constexpr std::int32_t PageDown = 34;
inline constexpr std::int32_t End = 35;
inline constexpr std::int32_t Home = 36;
inline constexpr std::int32_t Left = 37;
inline constexpr std::int32_t Up = 38;
inline constexpr std::int32_t Right = 39;
inline constexpr std::int32_t Down = 40;
inline constexpr std::int32_t F1 = 112;
inline constexpr std::int32_t F10 = 121;
}  // namespace vk

}  // namespace quindel
