#pragma once

#include <cstdint>
#include <string>

namespace quindel {

// Opaque handles. 0 means the load failed; every call given a 0 handle does
// nothing, so a missing file or a dead device only ever costs that sound.
enum class SampleHandle : std::uint32_t { None = 0 };
enum class SongHandle : std::uint32_t { None = 0 };

// The seven calls the sound player has always made, and the player's
// controls over what is heard. The game never talks to a sound library
// directly, so the tests can record these calls and a machine with no audio
// device runs the game silently.
class AudioLayer {
public:
    virtual ~AudioLayer() = default;

    // Starts sound output mixing at mixRate Hz over maxChannels sample channels.
    // A failure is not reported: everything after it is simply silent.
    virtual void init(int mixRate, int maxChannels, std::uint32_t flags) = 0;
    // Loads a wave file as a sample that plays once, without looping.
    virtual SampleHandle loadSample(const std::string& file) = 0;
    // Starts the sample at once on any free channel; several may sound together.
    virtual void playSound(SampleHandle sample) = 0;
    // Loads a tracker module.
    virtual SongHandle loadSong(const std::string& file) = 0;
    // Starts the module; it loops forever until it is freed.
    virtual void playSong(SongHandle song) = 0;
    // Stops the module and releases it; the handle is dead afterwards.
    virtual void freeSong(SongHandle song) = 0;
    // Stops all sound and releases everything, the samples included.
    virtual void close() = 0;

    // 0 (off) to 10 (full); values outside are clamped. Both start at 10.
    virtual void setMusicVolume(int volume) = 0;
    virtual void setEffectsVolume(int volume) = 0;
    // Silences music and effects alike without touching the volumes.
    virtual void setMuted(bool muted) = 0;
    // The song stops where it is and goes on from there; a song started
    // while paused plays.
    virtual void pauseMusic() = 0;
    virtual void resumeMusic() = 0;
};

}  // namespace quindel
