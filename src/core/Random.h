#pragma once

#include <cstdint>

namespace quindel {

// The C runtime's generator, bit for bit, whatever the platform's rand does:
// state = state * 214013 + 2531011 (mod 2^32), yielding bits 16 to 30.
// One generator per process, shared by virus placement and capsule colours.
void srand(std::uint32_t seed);
int rand();  // 0 to 32767

}  // namespace quindel
