#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct openmpt_module;

namespace quindel {

// One tracker module decoded by libopenmpt, looping forever. It knows nothing
// of the sound device, so tests can decode minutes of music in a blink.
class ModuleDecoder final {
public:
    // Null when the file is missing or libopenmpt does not accept it.
    static std::unique_ptr<ModuleDecoder> fromFile(const std::string& file);
    static std::unique_ptr<ModuleDecoder> fromMemory(std::span<const std::byte> data);

    ~ModuleDecoder();
    ModuleDecoder(const ModuleDecoder&) = delete;
    ModuleDecoder& operator=(const ModuleDecoder&) = delete;

    // Fills the whole of `interleaved` (frames × channels of signed 16-bit
    // samples). One channel gets a mono mix; two get stereo; more get the
    // stereo pair in the first two and silence in the rest.
    void render(std::span<std::int16_t> interleaved, int channels, int sampleRate);
    // How long one pass through the song lasts before it loops.
    double loopSeconds() const;

    // Only the two factories above can make one.
    class Token final {
        friend class ModuleDecoder;
        Token() = default;
    };
    ModuleDecoder(Token, openmpt_module* module);

private:
    struct ModuleDeleter {
        void operator()(openmpt_module* module) const;
    };
    std::unique_ptr<openmpt_module, ModuleDeleter> handle;
    double loopLength = 0.0;
};

}  // namespace quindel
