// What one shown frame costs the real platform at several window sizes: the
// menu, the canvas scaled into the window between its bars, and the present,
// on SDL's software renderer as the game uses it. The dummy video driver
// keeps the window in memory, so the figure is the game's own work without
// the X server's copy. Run: build/tests/bench/sdl_bench

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "render/Canvas.h"
#include "render/Renderer.h"
#include "sdl/SdlPlatform.h"

using namespace quindel;

namespace {

void frameAtSize(benchmark::State& state)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    Canvas canvas;
    std::string error;
    auto platform = SdlPlatform::create(error, canvas);
    if (!platform) {
        state.SkipWithError(error.c_str());
        return;
    }
    Renderer renderer(canvas);
    renderer.loadPictures();
    renderer.drawTitleScreen();
    platform->present();
    if (state.range(2) != 0)
        platform->toggleIntegerScaling();
    SDL_SetWindowSize(platform->window(), static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    SDL_PumpEvents();
    while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        platform->waitEvent(std::nullopt);
    for (auto _ : state) {
        // What a tick changes: the score's box, then the frame.
        renderer.drawScore(static_cast<std::int32_t>(state.iterations()), false);
        platform->present();
    }
    state.SetLabel(std::to_string(platform->layout().canvas().width) + "x"
                   + std::to_string(platform->layout().canvas().height)
                   + (platform->layout().smooth() ? " smooth" : " nearest"));
}

}  // namespace

BENCHMARK(frameAtSize)
    ->ArgNames({"width", "height", "integer"})
    ->Args({800, 619, 0})
    ->Args({1280, 1024, 0})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Args({3840, 2160, 0})
    ->Args({3840, 2160, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
