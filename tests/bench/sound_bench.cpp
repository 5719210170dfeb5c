// How much of a core the music costs. Run from the build folder, where the
// composed music lives: cd build && tests/bench/sound_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "sound/Mixer.h"
#include "sound/ModuleDecoder.h"

namespace {

const char* const Songs[] = {"music/pippirul.mod", "music/century.mod", "music/arkanoid.mod", "music/beingboi.mod",
                             "music/cockatoo.mod"};

// One mixer buffer of the game's device: 1024 stereo frames at 44.1 kHz,
// about 23 ms of music. The time per iteration over 23 ms is the share of
// one core the audio thread spends on the song.
void DecodeOneBuffer(benchmark::State& state)
{
    auto decoder = quindel::ModuleDecoder::fromFile(Songs[state.range(0)]);
    if (!decoder) {
        state.SkipWithError("music not found: run from the build folder");
        return;
    }
    std::vector<std::int16_t> buffer(2 * 1024);
    for (auto _ : state) {
        decoder->render(buffer, 2, 44100);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetLabel(Songs[state.range(0)]);
}
BENCHMARK(DecodeOneBuffer)->DenseRange(0, 4);

// The game's whole mix of one buffer: the song, all four effects sounding
// over it (the busiest moment there is), the volumes and the limiter. The
// time over the buffer's 23 ms is the audio thread's share of a core.
void MixOneBuffer(benchmark::State& state)
{
    auto decoder = quindel::ModuleDecoder::fromFile(Songs[state.range(0)]);
    if (!decoder) {
        state.SkipWithError("music not found: run from the build folder");
        return;
    }
    quindel::Mixer mixer(44100, 2);
    std::vector<int> effects;
    for (int e = 0; e < 4; ++e)
        effects.push_back(mixer.addSample(std::vector<std::int16_t>(2 * 44100, static_cast<std::int16_t>(1000 * e))));
    mixer.setSong(decoder.get());
    std::vector<std::int16_t> buffer(2 * 1024);
    std::size_t round = 0;
    for (auto _ : state) {
        // A fresh start of every effect each second of sound, so four always play.
        if (round++ % 43 == 0) {
            for (int e : effects)
                mixer.play(e);
        }
        mixer.mix(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
    mixer.setSong(nullptr);
    state.SetLabel(Songs[state.range(0)]);
}
BENCHMARK(MixOneBuffer)->DenseRange(0, 4);

// playSong loads the module from disk each time a screen changes.
void LoadSong(benchmark::State& state)
{
    for (auto _ : state) {
        auto decoder = quindel::ModuleDecoder::fromFile(Songs[state.range(0)]);
        if (!decoder) {
            state.SkipWithError("music not found: run from the build folder");
            return;
        }
        benchmark::DoNotOptimize(decoder.get());
    }
    state.SetLabel(Songs[state.range(0)]);
}
BENCHMARK(LoadSong)->DenseRange(0, 4);

}  // namespace

BENCHMARK_MAIN();
