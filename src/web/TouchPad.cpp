#include "web/TouchPad.h"

#include <SDL.h>

namespace quindel {

namespace {

// The controller button that does on a pad what the page's button does.
int padButtonOf(TouchPad::Button button)
{
    switch (button) {
    case TouchPad::Button::MoveLeft:
        return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    case TouchPad::Button::MoveRight:
        return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    case TouchPad::Button::Drop:
        return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    case TouchPad::Button::TurnRight:
        return SDL_CONTROLLER_BUTTON_A;
    case TouchPad::Button::TurnLeft:
        return SDL_CONTROLLER_BUTTON_B;
    case TouchPad::Button::Pause:
        return SDL_CONTROLLER_BUTTON_START;
    case TouchPad::Button::Enter:
        break;
    }
    return SDL_CONTROLLER_BUTTON_INVALID;
}

}  // namespace

bool TouchPad::send(std::int32_t number, bool down)
{
    if (number < static_cast<std::int32_t>(Button::MoveLeft) || number > static_cast<std::int32_t>(Button::Enter))
        return false;
    const auto button = static_cast<Button>(number);
    SDL_Event event{};
    if (button == Button::Enter) {
        // The dialogs take Enter as their default button, and the game as
        // going on after a cleared level; the menu bar reads the scancode.
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = SDL_SCANCODE_RETURN;
        event.key.keysym.sym = SDLK_RETURN;
        if (SDL_Window* focus = SDL_GetKeyboardFocus())
            event.key.windowID = SDL_GetWindowID(focus);
    } else {
        event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
        event.cbutton.which = PadId;
        event.cbutton.button = static_cast<Uint8>(padButtonOf(button));
        event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    }
    return SDL_PushEvent(&event) == 1;
}

}  // namespace quindel
