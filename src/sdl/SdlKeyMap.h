#pragma once

#include <cstdint>

#include <SDL.h>

namespace quindel {

// The Windows virtual-key code of an SDL key, as settings.dat stores them:
// letters 65-90, digits 48-57, arrows 37-40, F1-F12 112-123 and the named
// keys; 0 for a key the game has no code for.
std::int32_t virtualKeyOf(SDL_Keycode key);

}  // namespace quindel
