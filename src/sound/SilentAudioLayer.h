#pragma once

#include "sound/AudioLayer.h"

namespace quindel {

// Plays nothing and loads nothing: the headless scripted run uses it, so a
// replay never depends on a sound device.
class SilentAudioLayer final : public AudioLayer {
public:
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
};

}  // namespace quindel
