#include "sound/Mixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sound/ModuleDecoder.h"

namespace quindel {

namespace {

constexpr std::uint64_t NeverStarted = std::numeric_limits<std::uint64_t>::max();
// Every clear sound of one clearing pass is asked for within one scan of the
// bottle, a few microseconds, so at most one buffer boundary (23 ms at the
// game's 1024 frames) can fall between two of them. The next pass comes no
// sooner than four clearing frames (600 ms) later, and no key repeats faster
// than every 33 ms, so 30 ms keeps a pass's duplicates out and every real
// second start in.
constexpr double PassSeconds = 0.030;
// Volume and pause changes glide over 10 ms: too short to hear as a fade,
// long enough not to click.
constexpr double RampSeconds = 0.010;
// A cut-off sample fades out over 4 ms, under the new start's own attack.
constexpr double CutSeconds = 0.004;
// The limiter looks 1.5 ms ahead (its whole delay) and recovers over 80 ms.
constexpr double LookAheadSeconds = 0.0015;
constexpr double ReleaseSeconds = 0.080;
// Two tails of one sample and a start each: far more than four samples need.
constexpr std::size_t MaxVoices = 32;

int framesOf(int rate, double seconds)
{
    return std::max(1, static_cast<int>(std::lround(rate * seconds)));
}

}  // namespace

float Mixer::Ramp::next(float step)
{
    if (current < target)
        current = std::min(target, current + step);
    else if (current > target)
        current = std::max(target, current - step);
    return current;
}

Mixer::Mixer(int rateHz, int channels)
    : frameRate(std::max(1, rateHz)), channelCount(std::max(1, channels)),
      passWindow(static_cast<std::uint64_t>(framesOf(frameRate, PassSeconds))),
      rampStep(1.0f / static_cast<float>(framesOf(frameRate, RampSeconds))),
      cutStep(1.0f / static_cast<float>(framesOf(frameRate, CutSeconds))),
      limiter(channelCount, Ceiling, framesOf(frameRate, LookAheadSeconds), framesOf(frameRate, ReleaseSeconds))
{}

float Mixer::volumeGain(int volume)
{
    if (volume <= 0)
        return 0.0f;
    if (volume >= MaxVolume)
        return 1.0f;
    return static_cast<float>(std::pow(10.0, -3.0 * (MaxVolume - volume) / 20.0));
}

int Mixer::addSample(std::span<const std::int16_t> interleaved)
{
    std::vector<float> frames(interleaved.size() - interleaved.size() % static_cast<std::size_t>(channelCount));
    for (std::size_t i = 0; i < frames.size(); ++i)
        frames[i] = static_cast<float>(interleaved[i]) / 32768.0f;
    samples.push_back(std::move(frames));
    lastStart.push_back(NeverStarted);
    return static_cast<int>(samples.size()) - 1;
}

void Mixer::play(int sample)
{
    if (sample < 0 || static_cast<std::size_t>(sample) >= samples.size())
        return;
    // Effects that cannot be heard are not started at all.
    if (effectsGain.target <= 0.0f)
        return;
    std::uint64_t& started = lastStart[static_cast<std::size_t>(sample)];
    if (started != NeverStarted && clock - started < passWindow)
        return;
    started = clock;
    for (Voice& voice : voices)
        if (voice.sample == sample)
            voice.cut = true;
    if (voices.size() < MaxVoices)
        voices.push_back(Voice{sample, 0, 1.0f, false});
}

void Mixer::setSong(ModuleDecoder* next)
{
    song = next;
    musicPaused = false;
    updateTargets();
    // A new song comes in at once at its level; only changes glide.
    musicGain.current = musicGain.target;
}

void Mixer::setMusicVolume(int volume)
{
    musicVolume = std::clamp(volume, 0, MaxVolume);
    updateTargets();
}

void Mixer::setEffectsVolume(int volume)
{
    effectsVolume = std::clamp(volume, 0, MaxVolume);
    updateTargets();
}

void Mixer::setMuted(bool mute)
{
    muted = mute;
    updateTargets();
}

void Mixer::pauseMusic()
{
    musicPaused = true;
    updateTargets();
}

void Mixer::resumeMusic()
{
    musicPaused = false;
    updateTargets();
}

void Mixer::updateTargets()
{
    musicGain.target = muted || musicPaused ? 0.0f : volumeGain(musicVolume);
    effectsGain.target = muted ? 0.0f : volumeGain(effectsVolume);
}

void Mixer::mix(std::span<std::int16_t> out)
{
    const auto width = static_cast<std::size_t>(channelCount);
    const std::size_t frames = out.size() / width;
    bus.assign(frames * width, 0.0f);
    mixSong(frames);
    mixVoices(frames);
    limiter.process(bus);
    for (std::size_t i = 0; i < bus.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::clamp(std::lround(bus[i] * 32767.0f), -32768L, 32767L));
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(bus.size()), out.end(), std::int16_t{0});
    clock += frames;
}

void Mixer::mixSong(std::size_t frames)
{
    if (song == nullptr)
        return;
    const auto width = static_cast<std::size_t>(channelCount);
    // A paused song plays on only until its fade is over, and then stands
    // still: the next resume goes on from that very frame.
    std::size_t playing = frames;
    if (musicPaused) {
        if (musicGain.current <= 0.0f)
            return;
        playing = std::min(frames, static_cast<std::size_t>(std::ceil(musicGain.current / rampStep)));
    }
    songBuffer.resize(playing * width);
    song->render(songBuffer, channelCount, frameRate);
    for (std::size_t f = 0; f < playing; ++f) {
        const float gain = musicGain.next(rampStep) / 32768.0f;
        for (std::size_t c = 0; c < width; ++c)
            bus[f * width + c] += gain * static_cast<float>(songBuffer[f * width + c]);
    }
}

void Mixer::mixVoices(std::size_t frames)
{
    const auto width = static_cast<std::size_t>(channelCount);
    const Ramp before = effectsGain;
    for (Voice& voice : voices) {
        const std::vector<float>& data = samples[static_cast<std::size_t>(voice.sample)];
        Ramp gain = before;
        for (std::size_t f = 0; f < frames && voice.position + width <= data.size(); ++f) {
            if (voice.cut) {
                voice.fade -= cutStep;
                if (voice.fade <= 0.0f)
                    break;
            }
            const float level = gain.next(rampStep) * voice.fade;
            for (std::size_t c = 0; c < width; ++c)
                bus[f * width + c] += level * data[voice.position + c];
            voice.position += width;
        }
    }
    std::erase_if(voices, [this](const Voice& voice) {
        return voice.fade <= 0.0f || voice.position >= samples[static_cast<std::size_t>(voice.sample)].size();
    });
    // The effects' gain glides on whether or not anything sounds.
    for (std::size_t f = 0; f < frames; ++f)
        effectsGain.next(rampStep);
}

}  // namespace quindel
