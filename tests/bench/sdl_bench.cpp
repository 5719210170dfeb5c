// What showing a frame costs the real platform at each window size, smooth
// and with integer scaling: after the whole canvas changed, after one square
// of the bottle changed (a move or a tick), after a clearing frame (the
// squares of four lines), and, as the floor, one plain copy of the whole
// 800 x 600 canvas and one plain copy of a window-sized picture. SDL's dummy
// video driver keeps the window in memory, so the figures are the game's own
// work without the X server's copy; SDL_VIDEODRIVER=x11 (with a display)
// and SDL_RENDER_DRIVER measure a real window or another renderer instead.
// Run: build/tests/bench/sdl_bench

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/Canvas.h"
#include "render/Renderer.h"
#include "sdl/SdlPlatform.h"

using namespace quindel;

namespace {

struct SurfaceFree final {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

Surface filled(int width, int height, Uint8 red, Uint8 green, Uint8 blue)
{
    Surface surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888));
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, red, green, blue));
    return surface;
}

// The squares of a bottle, as the renderer places them.
std::pair<int, int> square(int column, int row)
{
    return {Renderer::BoardX + Renderer::SquareSize * column, Renderer::BoardY + Renderer::SquareSize * row};
}

// The four lines of one clearing frame: two across, two down.
std::vector<std::pair<int, int>> fourLines()
{
    std::vector<std::pair<int, int>> squares;
    for (int i = 0; i < 4; ++i) {
        squares.push_back(square(i, 15));
        squares.push_back(square(4 + i, 12));
        squares.push_back(square(2, 4 + i));
        squares.push_back(square(6, 8 + i));
    }
    return squares;
}

enum class Change { Whole, OneSquare, FourLines };

void present(benchmark::State& state, Change change)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
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
    const int side = change == Change::Whole ? Canvas::Width : Renderer::SquareSize;
    const Surface pictures[] = {filled(side, change == Change::Whole ? Canvas::Height : side, 200, 60, 40),
                                filled(side, change == Change::Whole ? Canvas::Height : side, 40, 160, 220)};
    const std::vector<std::pair<int, int>> squares = change == Change::FourLines
        ? fourLines()
        : std::vector{change == Change::Whole ? std::pair{0, 0} : square(3, 9)};
    for (auto _ : state) {
        SDL_Surface* picture = pictures[state.iterations() % 2].get();
        for (const auto& [x, y] : squares)
            canvas.copy(picture, 0, 0, picture->w, picture->h, x, y);
        platform->present();
    }
    const DisplayLayout& layout = platform->layout();
    state.SetLabel(std::to_string(layout.canvas().width) + "x" + std::to_string(layout.canvas().height)
                   + (layout.smooth() ? " smooth" : " nearest")
                   + (platform->picture().piecewise() ? "" : " (renderer)"));
}

void wholeCanvas(benchmark::State& state)
{
    present(state, Change::Whole);
}

void oneSquare(benchmark::State& state)
{
    present(state, Change::OneSquare);
}

void clearingFrame(benchmark::State& state)
{
    present(state, Change::FourLines);
}

// The floor under any frame: the canvas copied once, as a whole new
// picture is.
void canvasCopy(benchmark::State& state)
{
    Canvas canvas;
    const Surface pictures[] = {filled(Canvas::Width, Canvas::Height, 200, 60, 40),
                                filled(Canvas::Width, Canvas::Height, 40, 160, 220)};
    for (auto _ : state) {
        canvas.copy(pictures[state.iterations() % 2].get(), 0, 0, Canvas::Width, Canvas::Height, 0, 0);
        benchmark::DoNotOptimize(canvas.surface()->pixels);
    }
}

// The floor under a whole frame at a size: its pixels written once.
void windowCopy(benchmark::State& state)
{
    const auto width = static_cast<std::size_t>(state.range(0));
    const auto height = static_cast<std::size_t>(state.range(1));
    std::vector<std::uint32_t> from(width * height, 0x204060u);
    std::vector<std::uint32_t> to(width * height);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size() * sizeof to[0]);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void sizes(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"width", "height", "integer"});
    for (const auto& [width, height] : {std::pair{800, 619}, {1280, 1024}, {1920, 1080}, {3840, 2160}})
        for (const int integer : {0, 1})
            bench->Args({width, height, integer});
}

}  // namespace

BENCHMARK(canvasCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(windowCopy)
    ->ArgNames({"width", "height"})
    ->Args({800, 619})
    ->Args({1280, 1024})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeCanvas)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(oneSquare)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(clearingFrame)->Apply(sizes)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
