#pragma once

#include <span>

namespace quindel {

// The TrueType bytes of the menu and dialog font, linked into the executable.
std::span<const unsigned char> uiFont();

}  // namespace quindel
