#pragma once

#include <vector>

#include <SDL.h>

namespace quindel {

// The keys held down when a dialog opened (the drop key at the end of a
// game): the desktop's repeats of them, and the text they would type, reach
// nothing until the key is let go; a new press types as any other.
class HeldKeys final {
public:
    // The keys down at this moment, as SDL's keyboard state has them.
    void takeFromKeyboard();
    void hold(std::vector<SDL_Scancode> keys)
    {
        held = std::move(keys);
        swallowText = false;
    }
    // Whether the event is one of those repeats, or the text of one, while
    // a dialog is open. A key let go is forgotten.
    bool swallow(const SDL_Event& event, bool dialogOpen);

private:
    std::vector<SDL_Scancode> held;
    bool swallowText = false;
};

}  // namespace quindel
