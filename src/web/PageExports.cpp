// What the page's own script calls in the game.

#include <emscripten.h>

#include "web/TouchPad.h"

// An on-screen button pressed (down 1) or let go (down 0); 1 when queued.
extern "C" EMSCRIPTEN_KEEPALIVE int quindel_touch(int button, int down)
{
    return quindel::TouchPad::send(button, down != 0) ? 1 : 0;
}
