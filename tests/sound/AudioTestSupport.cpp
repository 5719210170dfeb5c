#include "AudioTestSupport.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace quindel::test {

std::filesystem::path musicDir()
{
    return QUINDEL_MUSIC_DIR;
}

void useAudioDriver(const std::string& driver, const std::filesystem::path& diskFile)
{
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    setenv("SDL_DISKAUDIOFILE", diskFile.c_str(), 1);
    // One millisecond per buffer instead of the buffer's own length: the
    // disk device then runs many times faster than real time.
    setenv("SDL_DISKAUDIODELAY", "1", 1);
}

std::uintmax_t outputBytes(const std::filesystem::path& file)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return error ? 0 : size;
}

bool waitForOutput(const std::filesystem::path& file, std::uintmax_t bytes)
{
    for (int attempt = 0; attempt < 10000; ++attempt) {
        if (outputBytes(file) >= bytes) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

std::vector<std::int16_t> readPcm(const std::filesystem::path& file, std::uintmax_t fromByte)
{
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(fromByte));
    std::vector<std::int16_t> pcm;
    char bytes[2];
    while (in.read(bytes, 2)) {
        pcm.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[0])
                                                | (static_cast<std::uint8_t>(bytes[1]) << 8)));
    }
    return pcm;
}

double rms(const std::vector<std::int16_t>& pcm)
{
    if (pcm.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::int16_t v : pcm) {
        sum += static_cast<double>(v) * v;
    }
    return std::sqrt(sum / static_cast<double>(pcm.size()));
}

double loudestWindowRms(const std::vector<std::int16_t>& pcm, std::size_t window)
{
    double loudest = 0.0;
    for (std::size_t start = 0; start + window <= pcm.size(); start += window) {
        loudest = std::max(loudest,
                           rms(std::vector<std::int16_t>(pcm.begin() + static_cast<std::ptrdiff_t>(start),
                                                         pcm.begin() + static_cast<std::ptrdiff_t>(start + window))));
    }
    return loudest;
}

}  // namespace quindel::test
