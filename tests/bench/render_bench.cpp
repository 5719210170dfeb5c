// The cost of the drawings next to the physical floor, one plain copy of the
// whole 800 x 600 x 4-byte canvas. Run: build/tests/bench/render_bench

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "render/Renderer.h"
#include "store/HallOfFame.h"

using namespace quindel;

namespace {

void fill(Playfield& field)
{
    const CellColor colours[] = {CellColor::White, CellColor::Blue, CellColor::Green};
    for (int row = 0; row < Playfield::Rows; ++row) {
        for (int column = 0; column < Playfield::Columns; ++column) {
            Cell* c = field.cellAt(column, row);
            c->kind = (column + row) % 3 == 0 ? CellKind::Virus : CellKind::PillHalf;
            c->color = colours[(column * 3 + row) % 3];
            c->link = CellLink::Single;
        }
    }
}

struct Scene {
    Canvas canvas;
    Renderer renderer{canvas};
    Playfield field;
    Scene()
    {
        renderer.loadPictures();
        fill(field);
    }
};

void PlainCanvasCopy(benchmark::State& state)
{
    std::vector<unsigned char> from(800 * 600 * 4, 1);
    std::vector<unsigned char> to(800 * 600 * 4);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainCanvasCopy);

void DrawBoard(benchmark::State& state)
{
    Scene s;
    for (auto _ : state) {
        s.renderer.drawBoard(s.field);
    }
}
BENCHMARK(DrawBoard);

void RedrawOneChangedCell(benchmark::State& state)
{
    Scene s;
    s.renderer.drawBoard(s.field);
    Cell* cell = s.field.cellAt(4, 8);
    for (auto _ : state) {
        cell->phase = cell->phase == CellPhase::Normal ? CellPhase::Burst1 : CellPhase::Normal;
        s.renderer.redrawChangedCells(s.field);
    }
}
BENCHMARK(RedrawOneChangedCell);

void DrawScore(benchmark::State& state)
{
    Scene s;
    std::int32_t value = 1234567;
    for (auto _ : state) {
        s.renderer.drawScore(value++, false);
    }
}
BENCHMARK(DrawScore);

// What a full paint of the playing screen does.
void RedrawFullSequence(benchmark::State& state)
{
    Scene s;
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "quindel_render_bench.dat";
    auto hallStore = std::make_unique<HallOfFame>(file);
    const HallOfFame& hall = *hallStore;
    const Capsule next(CellColor::Blue, CellColor::Green);
    const Capsule current(CellColor::White, CellColor::Blue);
    for (auto _ : state) {
        s.renderer.drawBackground();
        s.renderer.drawLevelPicture(7);
        s.renderer.drawNextCapsule(next);
        s.renderer.drawBoard(s.field);
        s.renderer.drawFallingCapsule(current);
        s.renderer.drawHallOfFame(hall);
        s.renderer.drawScore(48200, true);
        SDL_Rect area;
        s.canvas.takeDirtyRect(area);
    }
    hallStore.reset();  // writes the table on its way out
    std::filesystem::remove(file);
}
BENCHMARK(RedrawFullSequence);

}  // namespace

BENCHMARK_MAIN();
