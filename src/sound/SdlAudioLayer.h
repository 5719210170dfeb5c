#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "sound/AudioLayer.h"

namespace quindel {

class Mixer;
class ModuleDecoder;

// SDL2_mixer opens the device and converts the wave samples to its format;
// the game's own Mixer, fed through the mixer's music hook, mixes the song
// decoded by libopenmpt, the effects, the volumes and the limiter. With no
// device it loads nothing and stays silent.
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
    void setMusicVolume(int volume) override;
    void setEffectsVolume(int volume) override;
    void setMuted(bool muted) override;
    void pauseMusic() override;
    void resumeMusic() override;

    // Whether a device was opened; false means everything is silent.
    bool isOpen() const { return mixerOpen; }

private:
    static void mixHook(void* self, std::uint8_t* stream, int length);
    void stopHook();

    // Held by the audio thread for one buffer's mix and by every call that
    // changes what the mix holds.
    std::mutex mixLock;
    std::unique_ptr<Mixer> mixer;
    std::map<std::uint32_t, int> loadedSamples;
    std::map<std::uint32_t, std::unique_ptr<ModuleDecoder>> loadedSongs;
    std::uint32_t nextHandle = 1;
    ModuleDecoder* playing = nullptr;
    bool subsystemStarted = false;
    bool mixerOpen = false;
    bool hookInstalled = false;
};

}  // namespace quindel
