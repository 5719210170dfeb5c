#include "sound/ModuleDecoder.h"

#include <algorithm>
#include <array>
#include <vector>

#include <libopenmpt/libopenmpt.h>

#include "sound/MusicFile.h"

namespace quindel {

void ModuleDecoder::ModuleDeleter::operator()(openmpt_module* module) const
{
    openmpt_module_destroy(module);
}

std::unique_ptr<ModuleDecoder> ModuleDecoder::fromFile(const std::string& file)
{
    const std::optional<std::vector<std::byte>> data = MusicFile::read(file);
    return data ? fromMemory(*data) : nullptr;
}

std::unique_ptr<ModuleDecoder> ModuleDecoder::fromMemory(std::span<const std::byte> data)
{
    if (data.empty())
        return nullptr;
    int error = 0;
    const char* errorMessage = nullptr;
    openmpt_module* module =
        openmpt_module_create_from_memory2(data.data(), data.size(), openmpt_log_func_silent, nullptr,
                                           openmpt_error_func_ignore, nullptr, &error, &errorMessage, nullptr);
    if (errorMessage != nullptr)
        openmpt_free_string(errorMessage);
    if (module == nullptr)
        return nullptr;
    return std::make_unique<ModuleDecoder>(Token{}, module);
}

ModuleDecoder::ModuleDecoder(Token, openmpt_module* module) : handle(module)
{
    loopLength = openmpt_module_get_duration_seconds(handle.get());
    // Songs in the game never end: they go round until the next one is asked for.
    openmpt_module_set_repeat_count(handle.get(), -1);
    // Four-channel modules pan hard left and right; half of that sits better
    // in headphones and still sounds wide on speakers.
    openmpt_module_set_render_param(handle.get(), OPENMPT_MODULE_RENDER_STEREOSEPARATION_PERCENT, 50);
    // A little headroom, so the clear sounds mixed on top of a loud passage
    // do not clip.
    openmpt_module_set_render_param(handle.get(), OPENMPT_MODULE_RENDER_MASTERGAIN_MILLIBEL, -200);
}

ModuleDecoder::~ModuleDecoder() = default;

void ModuleDecoder::render(std::span<std::int16_t> interleaved, int channels, int sampleRate)
{
    if (channels <= 0 || sampleRate <= 0) {
        std::fill(interleaved.begin(), interleaved.end(), std::int16_t{0});
        return;
    }
    const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
    std::size_t done = 0;
    if (channels == 1) {
        done = openmpt_module_read_mono(handle.get(), sampleRate, frames, interleaved.data());
    } else if (channels == 2) {
        done = openmpt_module_read_interleaved_stereo(handle.get(), sampleRate, frames, interleaved.data());
    } else {
        std::array<std::int16_t, 2 * 512> pair{};
        while (done < frames) {
            const std::size_t want = std::min<std::size_t>(frames - done, pair.size() / 2);
            const std::size_t got = openmpt_module_read_interleaved_stereo(handle.get(), sampleRate, want, pair.data());
            for (std::size_t f = 0; f < got; ++f) {
                std::int16_t* out = interleaved.data() + (done + f) * static_cast<std::size_t>(channels);
                out[0] = pair[2 * f];
                out[1] = pair[2 * f + 1];
                std::fill(out + 2, out + channels, std::int16_t{0});
            }
            done += got;
            if (got < want)
                break;
        }
    }
    // A module that ends anyway (libopenmpt found no loop) leaves silence.
    std::fill(interleaved.begin() + static_cast<std::ptrdiff_t>(done * static_cast<std::size_t>(channels)),
              interleaved.end(), std::int16_t{0});
}

double ModuleDecoder::loopSeconds() const
{
    return loopLength;
}

}  // namespace quindel
