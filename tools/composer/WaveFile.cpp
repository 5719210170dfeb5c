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

std::optional<MonoWave> readWave(std::span<const std::uint8_t> bytes)
{
    auto at32 = [&bytes](std::size_t at) {
        return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
    };
    auto at16 = [&bytes](std::size_t at) { return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8); };
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF"
        || std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return std::nullopt;
    MonoWave wave;
    int channels = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string tag(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                              bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
        const std::size_t size = at32(at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body)
            return std::nullopt;
        if (tag == "fmt " && size >= 16) {
            if (at16(body) != 1 || at16(body + 14) != 16)
                return std::nullopt;
            channels = at16(body + 2);
            wave.rate = static_cast<int>(at32(body + 4));
        } else if (tag == "data" && channels > 0) {
            const std::size_t step = 2 * static_cast<std::size_t>(channels);
            for (std::size_t i = body; i + step <= body + size; i += step)
                wave.samples.push_back(static_cast<float>(static_cast<std::int16_t>(at16(i))) / 32768.0f);
            return wave;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

}  // namespace quindel::composer
