// Every sleep of the game (an animation frame's wait, the last millisecond
// before a timer) is a nanosleep underneath. Emscripten's own spins the
// page's only thread until the time is up, so the browser would show no
// frame drawn meanwhile and hear no key. This one hands the thread back to
// the browser for the time (Asyncify), as SDL_Delay does.

#include <cerrno>
#include <cmath>
#include <ctime>

#include <emscripten.h>

extern "C" int nanosleep(const struct timespec* request, struct timespec* remaining)
{
    if (request == nullptr || request->tv_sec < 0 || request->tv_nsec < 0 || request->tv_nsec > 999'999'999) {
        errno = EINVAL;
        return -1;
    }
    const double milliseconds =
        static_cast<double>(request->tv_sec) * 1000.0 + static_cast<double>(request->tv_nsec) / 1e6;
    // Never shorter than asked: the browser's timers count whole milliseconds.
    emscripten_sleep(static_cast<unsigned>(std::ceil(milliseconds)));
    if (remaining != nullptr)
        *remaining = {};
    return 0;
}
