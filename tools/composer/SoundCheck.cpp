#include "SoundCheck.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <span>

#include "LoudnessMeter.h"
#include "ModulePass.h"
#include "WaveFile.h"
#include "sound/Mixer.h"
#include "sound/ModuleDecoder.h"

namespace quindel::composer {

namespace {

constexpr std::size_t Chunk = 1024;

std::vector<std::uint8_t> bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Mixes `frames` more frames onto the end of `out`.
void mixFor(Mixer& mixer, std::size_t frames, std::vector<std::int16_t>& out)
{
    std::vector<std::int16_t> buffer;
    while (frames > 0) {
        const std::size_t now = std::min(frames, Chunk);
        buffer.assign(2 * now, 0);
        mixer.mix(buffer);
        out.insert(out.end(), buffer.begin(), buffer.end());
        frames -= now;
    }
}

std::vector<std::int16_t> stereoOf(const std::vector<float>& mono)
{
    std::vector<std::int16_t> out;
    for (float v : mono) {
        const auto s = static_cast<std::int16_t>(std::clamp(std::lround(v * 32768.0f), -32768L, 32767L));
        out.push_back(s);
        out.push_back(s);
    }
    return out;
}

double peakOf(std::span<const std::int16_t> pcm)
{
    int peak = 0;
    for (std::int16_t v : pcm)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak / 32768.0;
}

}  // namespace

double SoundCheck::decibels(double amplitude)
{
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude) : -200.0;
}

std::optional<SoundCheck::Song> SoundCheck::song(const std::string& file)
{
    const std::vector<std::uint8_t> bytes = bytesOf(file);
    const std::optional<ModulePass> walked = ModulePass::walk(bytes);
    std::unique_ptr<ModuleDecoder> decoder = ModuleDecoder::fromFile(file);
    if (!walked || !decoder)
        return std::nullopt;
    Song s;
    s.loopSeconds = decoder->loopSeconds();
    // The walk counts rows by the book; the decoder's own clock may differ
    // by a few milliseconds over a pass.
    s.distinctSeconds = std::min(walked->distinctSeconds, s.loopSeconds);
    // A song alone at full volume leaves the mixer as it came (gain 1, and
    // the limiter idle under its ceiling, which the peak below shows), so it
    // is measured straight from the decoder, as the mixer takes it.
    s.pass.resize(2 * static_cast<std::size_t>(s.loopSeconds * Rate));
    decoder->render(s.pass, 2, Rate);
    LoudnessMeter meter(Rate, 2);
    meter.add(std::span<const std::int16_t>(s.pass));
    s.lufs = meter.integrated();
    s.peakDb = decibels(peakOf(s.pass));
    // A minute hears every instrument of a song at many pitches; more
    // only costs time.
    std::vector<float> mono(std::min(s.pass.size() / 2, static_cast<std::size_t>(60 * Rate)));
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = (static_cast<float>(s.pass[2 * i]) + static_cast<float>(s.pass[2 * i + 1])) / 65536.0f;
    s.tuning = FrequencyContent::tuning(mono, Rate);
    return s;
}

std::optional<SoundCheck::Effect> SoundCheck::effect(const std::string& file)
{
    const std::optional<MonoWave> wave = readWave(bytesOf(file));
    if (!wave || wave->rate != Rate || wave->samples.empty())
        return std::nullopt;
    Effect e;
    e.mono = wave->samples;
    e.seconds = static_cast<double>(e.mono.size()) / Rate;
    float peak = 0.0f;
    for (float v : e.mono)
        peak = std::max(peak, std::fabs(v));
    e.peakDb = decibels(peak);
    std::size_t last = 0;
    for (std::size_t i = 0; i < e.mono.size(); ++i)
        if (std::fabs(e.mono[i]) >= peak * 0.01f)
            last = i;
    e.audibleSeconds = static_cast<double>(last + 1) / Rate;
    const std::size_t edge = std::min<std::size_t>(e.mono.size(), Rate / 4000);
    float head = 0.0f;
    float tail = 0.0f;
    for (std::size_t i = 0; i < edge; ++i) {
        head = std::max(head, std::fabs(e.mono[i]));
        tail = std::max(tail, std::fabs(e.mono[e.mono.size() - 1 - i]));
    }
    e.startDb = decibels(head) - e.peakDb;
    e.endDb = decibels(tail) - e.peakDb;
    const double edges[] = {0.0, 200.0, 1000.0, 5000.0, Rate / 2.0 + 1.0};
    e.bands = FrequencyContent::bandShares(e.mono, Rate, edges);

    Mixer mixer(Rate, 2);
    mixer.play(mixer.addSample(stereoOf(e.mono)));
    std::vector<std::int16_t> heard;
    mixFor(mixer, static_cast<std::size_t>(Rate), heard);
    LoudnessMeter meter(Rate, 2);
    meter.add(std::span<const std::int16_t>(heard));
    e.lufs = meter.loudestMomentary();
    return e;
}

SoundCheck::Mix SoundCheck::twoInOnePass(const std::string& songFile, const Song& song, const Effect& effect)
{
    // Where the effect and the song peak together is where a plain sum goes
    // highest: try the song's twenty loudest moments against the effect's own.
    std::size_t effectPeak = 0;
    for (std::size_t i = 0; i < effect.mono.size(); ++i)
        if (std::fabs(effect.mono[i]) > std::fabs(effect.mono[effectPeak]))
            effectPeak = i;
    const std::size_t frames = song.pass.size() / 2;
    const std::size_t window = Rate / 20;
    std::vector<std::pair<int, std::size_t>> loudest;
    for (std::size_t start = 0; start + window <= frames; start += window) {
        std::pair<int, std::size_t> best{0, start};
        for (std::size_t f = start; f < start + window; ++f)
            for (std::size_t c = 0; c < 2; ++c)
                best = std::max(best, std::pair<int, std::size_t>{std::abs(static_cast<int>(song.pass[2 * f + c])), f});
        loudest.push_back(best);
    }
    std::sort(loudest.rbegin(), loudest.rend());
    loudest.resize(std::min<std::size_t>(loudest.size(), 20));
    Mix result;
    result.plainPeakDb = -200.0;
    std::size_t worst = 0;
    for (const auto& candidate : loudest) {
        if (candidate.second < effectPeak)
            continue;
        const std::size_t start = candidate.second - effectPeak;
        double peak = 0.0;
        for (std::size_t i = 0; i < effect.mono.size() && start + i < frames; ++i)
            for (std::size_t c = 0; c < 2; ++c)
                peak = std::max(peak, std::fabs(song.pass[2 * (start + i) + c] / 32768.0 + 2.0 * effect.mono[i]));
        if (decibels(peak) > result.plainPeakDb) {
            result.plainPeakDb = decibels(peak);
            worst = start;
        }
    }
    result.at = static_cast<double>(worst) / Rate;

    std::unique_ptr<ModuleDecoder> decoder = ModuleDecoder::fromFile(songFile);
    if (!decoder)
        return result;
    Mixer mixer(Rate, 2);
    const int sample = mixer.addSample(stereoOf(effect.mono));
    mixer.setSong(decoder.get());
    std::vector<std::int16_t> before;
    mixFor(mixer, worst, before);
    mixer.takeLowestLimiterGain();
    // Two lines of one colour in the same pass: both asked for at once.
    mixer.play(sample);
    mixer.play(sample);
    std::vector<std::int16_t> heard;
    mixFor(mixer, effect.mono.size() + Rate / 10, heard);
    result.mixedPeakDb = decibels(peakOf(heard));
    result.limiterDb = decibels(mixer.takeLowestLimiterGain());
    mixer.setSong(nullptr);
    return result;
}

}  // namespace quindel::composer
