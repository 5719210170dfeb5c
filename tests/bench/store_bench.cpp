// How long the hall of fame takes to start up, to format a score for the
// screen, and to save a result the moment it is entered (a write of 120 bytes
// and a wait for the disk).
#include <filesystem>

#include <benchmark/benchmark.h>

#include "store/HallOfFame.h"
#include "store/KeyBindings.h"

namespace {

std::filesystem::path scratchFile(const char* name)
{
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "quindel-store-bench";
    std::filesystem::create_directories(directory);
    return directory / name;
}

void BM_HallOfFameLoad(benchmark::State& state)
{
    quindel::HallOfFame hall{scratchFile("highscore.dat")};
    for (auto _ : state) {
        hall.load();
        benchmark::DoNotOptimize(hall.scoreAt(0));
    }
}

void BM_FormatScore(benchmark::State& state)
{
    quindel::HallOfFame hall{scratchFile("format.dat")};
    char buffer[quindel::HallOfFame::ScoreTextSize];
    int index = 0;
    for (auto _ : state) {
        hall.formatScore(index, buffer);
        benchmark::DoNotOptimize(buffer);
        index = (index + 1) % quindel::HallOfFame::EntryCount;
    }
}

void BM_InsertAndSave(benchmark::State& state)
{
    // A fresh file each time: one left by an earlier run holds scores this
    // run's would not beat, and nothing would be saved.
    std::filesystem::remove(scratchFile("insert.dat"));
    quindel::HallOfFame hall{scratchFile("insert.dat")};
    std::int32_t score = 1000;
    for (auto _ : state)
        hall.insert("BENCH", ++score);
}

void BM_KeyBindingsLoad(benchmark::State& state)
{
    const auto file = scratchFile("settings.dat");
    for (auto _ : state) {
        quindel::KeyBindings keys{file};
        benchmark::DoNotOptimize(keys.keyFor(quindel::KeySlot::Pause));
    }
}

}  // namespace

BENCHMARK(BM_HallOfFameLoad);
BENCHMARK(BM_FormatScore);
BENCHMARK(BM_InsertAndSave);
BENCHMARK(BM_KeyBindingsLoad);
BENCHMARK_MAIN();
