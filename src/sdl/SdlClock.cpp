#include "sdl/SdlClock.h"

#include <SDL.h>

namespace quindel {

void SdlClock::waitUntil(std::uint32_t deadline)
{
    SDL_PumpEvents();
    steady.waitUntil(deadline);
}

}  // namespace quindel
