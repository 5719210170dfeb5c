#include "sound/Limiter.h"

#include <algorithm>
#include <cmath>

namespace quindel {

Limiter::Limiter(int channelCount, float ceilingAmplitude, int lookAheadFrames, int releaseFrames)
    : channels(std::max(1, channelCount)), ceiling(ceilingAmplitude), lookAhead(std::max(0, lookAheadFrames)),
      releaseCoefficient(1.0f - std::exp(-1.0f / static_cast<float>(std::max(1, releaseFrames))))
{
    const auto window = static_cast<std::size_t>(lookAhead + 1);
    delay.assign(window * static_cast<std::size_t>(channels), 0.0f);
    asked.assign(window, 1.0f);
    minima.assign(window, 0);
    recent.assign(window, 1.0f);
    recentSum = static_cast<double>(window);
}

float Limiter::requiredGain(const float* frame) const
{
    float peak = 0.0f;
    for (int c = 0; c < channels; ++c)
        peak = std::max(peak, std::fabs(frame[c]));
    return peak > ceiling ? ceiling / peak : 1.0f;
}

void Limiter::process(std::span<float> interleaved)
{
    const auto window = static_cast<std::size_t>(lookAhead + 1);
    const auto width = static_cast<std::size_t>(channels);
    for (std::size_t at = 0; at + width <= interleaved.size(); at += width, ++clock) {
        float* frame = interleaved.data() + at;
        const std::size_t slot = clock % window;
        // The gain this frame asks for joins the window's running minimum.
        const float gain = requiredGain(frame);
        asked[slot] = gain;
        while (minimaTail > minimaHead && asked[minima[(minimaTail - 1) % window] % window] >= gain)
            --minimaTail;
        minima[minimaTail % window] = clock;
        ++minimaTail;
        while (minima[minimaHead % window] + window <= clock)
            ++minimaHead;
        // The lowest gain any frame of the next look-ahead asks for, released
        // slowly once the peak has passed.
        const float lowestAhead = asked[minima[minimaHead % window] % window];
        held = std::min(lowestAhead, held + (1.0f - held) * releaseCoefficient);
        // Averaging the last look-ahead + 1 of those gains turns a step into a
        // ramp that is already down when the peak comes out, since every gain
        // averaged was at most the one that peak asked for.
        recentSum += static_cast<double>(held) - static_cast<double>(recent[slot]);
        recent[slot] = held;
        const float smooth = std::min(1.0f, static_cast<float>(recentSum / static_cast<double>(window)));
        lowest = std::min(lowest, smooth);
        // The frame that came in a look-ahead ago goes out with that gain; this
        // one takes its place in the delay line.
        float* waiting = delay.data() + ((clock + 1) % window) * width;
        float* incoming = delay.data() + slot * width;
        for (std::size_t c = 0; c < width; ++c) {
            const float in = frame[c];
            frame[c] = (window == 1 ? in : waiting[c]) * smooth;
            incoming[c] = in;
        }
    }
}

float Limiter::takeLowestGain()
{
    const float result = lowest;
    lowest = 1.0f;
    return result;
}

}  // namespace quindel
