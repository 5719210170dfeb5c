#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sound/Limiter.h"

namespace quindel {

class ModuleDecoder;

// The game's whole mix, made for every buffer the sound device asks for: the
// song, the sound effects over it, the music and effects volumes, mute, the
// music's pause, and a limiter last so that nothing ever clips. It knows no
// sound library: the audio layer feeds it from the device's thread, and the
// tests and musiccheck call it directly to hear exactly what a player hears.
//
// Time is counted in frames mixed, so "at once" means "before the next
// buffer", whatever the device's speed.
class Mixer final {
public:
    static constexpr int MaxVolume = 10;
    // The limiter's ceiling: 1 dB under full scale, room for the rounding to
    // 16 bits and for a converter that overshoots a little.
    static constexpr float Ceiling = 0.891f;

    // rate in frames per second; channels as the device plays them.
    Mixer(int rate, int channels);

    int rate() const { return frameRate; }
    int channels() const { return channelCount; }

    // Keeps interleaved 16-bit frames in the mixer's own channel count and
    // rate; returns the sample's number for play().
    int addSample(std::span<const std::int16_t> interleaved);
    // Starts a sample. A sample sounds once at a time: a new start fades out
    // the one still sounding (a held key's ticks never stack up), and a start
    // of a sample that already started within the same pass is skipped.
    void play(int sample);
    // The song to play from where it stands, or null for none. The mixer does
    // not own it; clear it before the song goes.
    void setSong(ModuleDecoder* song);

    // 0 (off) to 10 (full); anything else is clamped.
    void setMusicVolume(int volume);
    void setEffectsVolume(int volume);
    void setMuted(bool muted);
    // The song fades out in a few milliseconds and then stands still, to go on
    // from there on resumeMusic(). A new song starts unpaused.
    void pauseMusic();
    void resumeMusic();

    // The next buffer: any number of whole frames.
    void mix(std::span<std::int16_t> out);

    // The linear gain of a volume step: 3 dB a step, 0 silent.
    static float volumeGain(int volume);
    // How far apart two starts of one sample must be to count as two passes.
    std::uint64_t passWindowFrames() const { return passWindow; }
    std::uint64_t framesMixed() const { return clock; }
    // The lowest gain the limiter applied since the last call.
    float takeLowestLimiterGain() { return limiter.takeLowestGain(); }

private:
    struct Voice {
        int sample = 0;
        std::size_t position = 0;
        float fade = 1.0f;  // 1 while playing; falling to 0 while cut off
        bool cut = false;
    };
    // A gain that moves to its target over a few milliseconds instead of
    // jumping, so a volume change or a pause never clicks.
    struct Ramp {
        float current = 1.0f;
        float target = 1.0f;
        float next(float step);
    };

    void updateTargets();
    void mixSong(std::size_t frames);
    void mixVoices(std::size_t frames);

    int frameRate = 44100;
    int channelCount = 2;
    std::uint64_t passWindow = 0;
    float rampStep = 0.0f;
    float cutStep = 0.0f;
    std::vector<std::vector<float>> samples;
    std::vector<std::uint64_t> lastStart;
    std::vector<Voice> voices;
    ModuleDecoder* song = nullptr;
    int musicVolume = MaxVolume;
    int effectsVolume = MaxVolume;
    bool muted = false;
    bool musicPaused = false;
    Ramp musicGain;
    Ramp effectsGain;
    std::uint64_t clock = 0;
    std::vector<float> bus;
    std::vector<std::int16_t> songBuffer;
    Limiter limiter;
};

}  // namespace quindel
