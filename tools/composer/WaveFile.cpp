#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quindel::composer {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, const std::string& tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace

std::vector<std::uint8_t> waveBytes(const std::vector<double>& signal, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(signal.size() * 2);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (double v : signal) {
        const long s = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
    }
    return out;
}

}  // namespace quindel::composer
