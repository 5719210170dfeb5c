#pragma once

#include <optional>
#include <string>
#include <vector>

#include "FrequencyContent.h"

namespace quindel::composer {

// The game's music and effects measured as a player hears them: through the
// game's own mixer at full volume, stereo at 44.1 kHz.
class SoundCheck final {
public:
    static constexpr int Rate = 44100;

    struct Song {
        double loopSeconds = 0.0;      // one pass before it goes round
        double distinctSeconds = 0.0;  // bars of new material in that pass
        double lufs = 0.0;             // integrated loudness of the pass
        double peakDb = 0.0;
        FrequencyContent::Tuning tuning;
        std::vector<std::int16_t> pass;  // the pass as mixed, interleaved stereo
    };
    struct Effect {
        double seconds = 0.0;         // the whole sample
        double audibleSeconds = 0.0;  // until it stays 40 dB under its peak
        double lufs = 0.0;            // its loudest 400 ms, as mixed
        double peakDb = 0.0;
        // Energy below 200 Hz, 200 Hz to 1 kHz, 1 to 5 kHz, above 5 kHz.
        std::vector<double> bands;
        // The first and last quarter millisecond against the peak, in dB:
        // where a missing fade would click.
        double startDb = 0.0;
        double endDb = 0.0;
        std::vector<float> mono;
    };
    struct Mix {
        double at = 0.0;           // seconds into the song
        double plainPeakDb = 0.0;  // the two starts and the song simply added
        double mixedPeakDb = 0.0;  // as the game's mixer plays them
        double limiterDb = 0.0;    // the most the limiter turned it down
    };

    static std::optional<Song> song(const std::string& file);
    static std::optional<Effect> effect(const std::string& file);
    // The effect asked for twice in one clearing pass over the song, at the
    // moment where the plain sum would peak highest.
    static Mix twoInOnePass(const std::string& songFile, const Song& song, const Effect& effect);

    static double decibels(double amplitude);
};

}  // namespace quindel::composer
