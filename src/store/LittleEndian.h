#pragma once

#include <cstdint>
#include <span>

namespace quindel {

// The data files are memory images of a little-endian machine. Assembling the
// bytes by hand keeps them the same on any host and never reads unaligned.
constexpr std::int32_t readInt32LE(std::span<const unsigned char, 4> bytes)
{
    const std::uint32_t value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16
        | std::uint32_t{bytes[3]} << 24;
    return static_cast<std::int32_t>(value);
}

constexpr void writeInt32LE(std::span<unsigned char, 4> bytes, std::int32_t signedValue)
{
    const auto value = static_cast<std::uint32_t>(signedValue);
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
    bytes[2] = static_cast<unsigned char>(value >> 16);
    bytes[3] = static_cast<unsigned char>(value >> 24);
}

}  // namespace quindel
