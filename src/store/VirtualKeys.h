#pragma once

#include <cstdint>

#include "base/VirtualKeyCodes.h"

namespace quindel {

// The character-to-key lookup of the US keyboard layout, standing in for
// VkKeyScanA: the virtual-key code in the low byte, the shift state in the
// high byte (1 Shift, 2 Ctrl), or -1 when no key types the character.
std::int16_t vkKeyScan(char character);

}  // namespace quindel
