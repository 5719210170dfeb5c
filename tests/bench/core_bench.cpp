// The bottle's rules against the clock: set-up of the fullest level, one line
// search over a full bottle, and a whole chain with its frames made free.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"
#include "core/TimeSource.h"

namespace {

using namespace quindel;

class SteppingSeconds final : public TimeSource {
public:
    std::int64_t seconds() const override { return now; }
    std::int64_t now = 1'700'000'000;
};

// An owner whose frames cost nothing, so only the rules are measured.
class FreeFramesOwner final : public PlayfieldOwner {
public:
    std::uint32_t levelIndex() const override { return 4; }
    std::uint32_t tickInterval() const override { return 300; }
    void addScore(std::int32_t points) override { score += points; }
    void playClearSound(CellColor) override { ++sounds; }
    void speedUp() override {}
    void requestRedraw(RedrawRequest) override { ++frames; }
    void waitFrame(std::uint32_t) override {}

    std::int64_t score = 0;
    int sounds = 0;
    int frames = 0;
};

// Upper case a virus, lower case a loose half; the rows given sit at the bottom.
void load(Playfield& playfield, const std::vector<std::string>& rows)
{
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            playfield.cellAt(column, row)->reset();
    std::uint32_t viruses = 0;
    const int top = Playfield::Rows - static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (int column = 0; column < Playfield::Columns && column < static_cast<int>(rows[i].size()); ++column) {
            const char letter = rows[i][static_cast<std::size_t>(column)];
            if (letter == '.')
                continue;
            Cell* cell = playfield.cellAt(column, top + static_cast<int>(i));
            const bool virus = letter >= 'A' && letter <= 'Z';
            const char lower = virus ? static_cast<char>(letter - 'A' + 'a') : letter;
            cell->kind = virus ? CellKind::Virus : CellKind::PillHalf;
            cell->color = lower == 'w' ? CellColor::White : lower == 'b' ? CellColor::Blue : CellColor::Green;
            viruses += virus ? 1 : 0;
        }
    playfield.setVirusCount(viruses);
}

void BM_PlaceVirusesLevel20(benchmark::State& state)
{
    SteppingSeconds clock;
    setTimeSource(&clock);
    Playfield playfield;
    for (auto _ : state) {
        ++clock.now;  // a different layout every time, as on different days
        playfield.placeViruses(19);
        benchmark::DoNotOptimize(playfield.virusCount());
    }
    setTimeSource(nullptr);
}
BENCHMARK(BM_PlaceVirusesLevel20);

// A full bottle of three colours with no line anywhere: both scans run their
// whole length and close a run at every cell.
void BM_FindMatchesFullBottleNoLine(benchmark::State& state)
{
    FreeFramesOwner owner;
    Playfield playfield;
    playfield.setOwner(&owner);
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row) {
            Cell* cell = playfield.cellAt(column, row);
            cell->kind = (column + row) % 2 == 0 ? CellKind::Virus : CellKind::PillHalf;
            cell->color = colorOfCode((column + 2 * row) % 3);
        }
    for (auto _ : state)
        benchmark::DoNotOptimize(playfield.findMatches(0));
}
BENCHMARK(BM_FindMatchesFullBottleNoLine);

// A full bottle of one colour: every column and every row is a line, so every
// cell is marked twice and 24 sounds are asked for.
void BM_FindMatchesFullBottleAllLines(benchmark::State& state)
{
    FreeFramesOwner owner;
    Playfield playfield;
    playfield.setOwner(&owner);
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row) {
            Cell* cell = playfield.cellAt(column, row);
            cell->kind = CellKind::PillHalf;
            cell->color = CellColor::Blue;
        }
    for (auto _ : state)
        benchmark::DoNotOptimize(playfield.findMatches(0));
}
BENCHMARK(BM_FindMatchesFullBottleAllLines);

// Three clearings in one chain: a row of halves, then the white column that
// falls together, then the blue row the last halves fall into.
const std::vector<std::string> chainBottle = {
    "b.......", "b.......", "w.......", "bbbb....", "wWGW....", "wGWG....", "WBBB....",
};

// Loading the bottle is part of each iteration (a resolve empties it);
// BM_LoadChainBottle is that part alone, to subtract. Pausing the timer
// instead would cost more than the chain itself.
void BM_ResolveChain(benchmark::State& state)
{
    FreeFramesOwner owner;
    Playfield playfield;
    playfield.setOwner(&owner);
    for (auto _ : state) {
        load(playfield, chainBottle);
        playfield.resolve();
    }
    load(playfield, chainBottle);
    owner = FreeFramesOwner();
    playfield.resolve();
    state.counters["sounds"] = owner.sounds;
    state.counters["frames"] = owner.frames;
}
BENCHMARK(BM_ResolveChain);

void BM_LoadChainBottle(benchmark::State& state)
{
    Playfield playfield;
    for (auto _ : state) {
        load(playfield, chainBottle);
        benchmark::DoNotOptimize(playfield.virusCount());
    }
}
BENCHMARK(BM_LoadChainBottle);

}  // namespace

BENCHMARK_MAIN();
