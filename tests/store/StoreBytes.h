#pragma once

#include <cstdint>
#include <vector>

#include "TempFolder.h"

// The store tests' own file helpers; fresh working folders and file bytes
// come from the tests' shared support.
namespace quindel::test {

// Bytes seed, seed + 1, ... wrapping at 256, so every byte is told apart.
inline Bytes patternBytes(std::size_t count, unsigned seed)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(i + seed);
    return bytes;
}

inline void putInt32LE(Bytes& bytes, std::size_t offset, std::int32_t value)
{
    for (int b = 0; b < 4; ++b)
        bytes[offset + b] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * b));
}

}  // namespace quindel::test
