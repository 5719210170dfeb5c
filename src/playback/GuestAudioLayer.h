#pragma once

#include <map>
#include <string>

#include "sound/AudioLayer.h"

namespace quindel {

// The sound of a game played inside the game (a replay watched, the title's
// demo) on the game's own audio layer: its songs and samples play there, and
// its music waits while it is paused, but it neither closes the layer when it
// ends nor touches the player's volumes or mute. Its samples are loaded once for all such games, however many
// come and go in a long evening.
class GuestAudioLayer final : public AudioLayer {
public:
    explicit GuestAudioLayer(AudioLayer& host) : host(host) {}

    // Opens the host when nothing has yet (a replay watched from the command
    // line); an open host stays as it is.
    void init(int mixRate, int maxChannels, std::uint32_t flags) override { host.init(mixRate, maxChannels, flags); }
    SampleHandle loadSample(const std::string& file) override;
    void playSound(SampleHandle sample) override { host.playSound(sample); }
    SongHandle loadSong(const std::string& file) override { return host.loadSong(file); }
    void playSong(SongHandle song) override { host.playSong(song); }
    void freeSong(SongHandle song) override { host.freeSong(song); }
    void close() override {}
    void setMusicVolume(int) override {}
    void setEffectsVolume(int) override {}
    void setMuted(bool) override {}
    void pauseMusic() override { host.pauseMusic(); }
    void resumeMusic() override { host.resumeMusic(); }

private:
    AudioLayer& host;
    std::map<std::string, SampleHandle> samples;
};

}  // namespace quindel
