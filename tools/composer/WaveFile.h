#pragma once

#include <cstdint>
#include <vector>

namespace quindel::composer {

// A mono 16-bit PCM RIFF wave of float samples in -1..1.
std::vector<std::uint8_t> waveBytes(const std::vector<double>& signal, int sampleRate);

}  // namespace quindel::composer
