#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/AudioLayer.h"

namespace quindel {

// Writes each call into a log, one line per call, and hands out handles
// 1, 2, 3 ... in order, or 0 for any file listed in `failing`.
class RecordingAudioLayer final : public AudioLayer {
public:
    void init(int mixRate, int maxChannels, std::uint32_t flags) override
    {
        log.push_back("init " + std::to_string(mixRate) + " " + std::to_string(maxChannels) + " "
                      + std::to_string(flags));
    }
    SampleHandle loadSample(const std::string& file) override
    {
        const std::uint32_t handle = handleFor(file);
        log.push_back("loadSample " + file + " -> " + std::to_string(handle));
        return static_cast<SampleHandle>(handle);
    }
    void playSound(SampleHandle sample) override
    {
        log.push_back("playSound " + std::to_string(static_cast<std::uint32_t>(sample)));
    }
    SongHandle loadSong(const std::string& file) override
    {
        const std::uint32_t handle = handleFor(file);
        log.push_back("loadSong " + file + " -> " + std::to_string(handle));
        return static_cast<SongHandle>(handle);
    }
    void playSong(SongHandle song) override
    {
        log.push_back("playSong " + std::to_string(static_cast<std::uint32_t>(song)));
    }
    void freeSong(SongHandle song) override
    {
        log.push_back("freeSong " + std::to_string(static_cast<std::uint32_t>(song)));
    }
    void close() override { log.push_back("close"); }
    void setMusicVolume(int volume) override { log.push_back("setMusicVolume " + std::to_string(volume)); }
    void setEffectsVolume(int volume) override { log.push_back("setEffectsVolume " + std::to_string(volume)); }
    void setMuted(bool muted) override { log.push_back(muted ? "setMuted on" : "setMuted off"); }
    void pauseMusic() override { log.push_back("pauseMusic"); }
    void resumeMusic() override { log.push_back("resumeMusic"); }

    std::vector<std::string> log;
    std::vector<std::string> failing;

private:
    std::uint32_t handleFor(const std::string& file)
    {
        for (const std::string& bad : failing) {
            if (bad == file) {
                return 0;
            }
        }
        return next++;
    }
    std::uint32_t next = 1;
};

}  // namespace quindel
