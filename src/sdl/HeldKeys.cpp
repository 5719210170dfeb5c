#include "sdl/HeldKeys.h"

#include <algorithm>

namespace quindel {

void HeldKeys::takeFromKeyboard()
{
    std::vector<SDL_Scancode> keys;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (int code = 0; code < count; ++code)
        if (state[code] != 0)
            keys.push_back(static_cast<SDL_Scancode>(code));
    hold(std::move(keys));
}

bool HeldKeys::swallow(const SDL_Event& event, bool dialogOpen)
{
    // A key's text comes right after its press.
    if (event.type == SDL_TEXTINPUT && swallowText) {
        swallowText = false;
        return true;
    }
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    const auto found = std::find(held.begin(), held.end(), event.key.keysym.scancode);
    if (found == held.end())
        return false;
    if (event.type == SDL_KEYUP) {
        held.erase(found);
        return false;
    }
    if (!dialogOpen)
        return false;
    swallowText = true;
    return true;
}

}  // namespace quindel
