#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quindel::composer {

// A mono 16-bit PCM RIFF wave of float samples in -1..1.
std::vector<std::uint8_t> waveBytes(const std::vector<double>& signal, int sampleRate);

// The first channel of a 16-bit PCM wave, in -1..1; empty for anything else.
struct MonoWave {
    int rate = 0;
    std::vector<float> samples;
};
std::optional<MonoWave> readWave(std::span<const std::uint8_t> bytes);

}  // namespace quindel::composer
