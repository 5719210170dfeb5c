#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "sound/AudioLayer.h"

struct Mix_Chunk;

namespace quindel {

class ModuleDecoder;

// Samples on SDL2_mixer's channels; modules decoded by libopenmpt and fed in
// through the mixer's music hook, so both are heard together. With no device
// it loads nothing and stays silent.
class SdlAudioLayer final : public AudioLayer {
public:
    SdlAudioLayer();
    ~SdlAudioLayer() override;
    SdlAudioLayer(const SdlAudioLayer&) = delete;
    SdlAudioLayer& operator=(const SdlAudioLayer&) = delete;

    void init(int mixRate, int maxChannels, std::uint32_t flags) override;
    SampleHandle loadSample(const std::string& file) override;
    void playSound(SampleHandle sample) override;
    SongHandle loadSong(const std::string& file) override;
    void playSong(SongHandle song) override;
    void freeSong(SongHandle song) override;
    void close() override;

    // Whether a device was opened; false means everything is silent.
    bool isOpen() const { return mixerOpen; }

private:
    static void mixSong(void* self, std::uint8_t* stream, int length);
    void stopHook();

    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };

    std::map<std::uint32_t, std::unique_ptr<Mix_Chunk, ChunkDeleter>> loadedSamples;
    std::map<std::uint32_t, std::unique_ptr<ModuleDecoder>> loadedSongs;
    std::uint32_t nextHandle = 1;
    // Read only by the audio thread, and only while the hook is installed.
    ModuleDecoder* playing = nullptr;
    int deviceRate = 0;
    int deviceChannels = 0;
    bool subsystemStarted = false;
    bool mixerOpen = false;
    bool hookInstalled = false;
};

}  // namespace quindel
