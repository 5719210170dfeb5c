#pragma once

#include <vector>

namespace quindel::composer {

constexpr int EffectRate = 44100;

// How loud each effect is, as the game's mixer plays it at full volume: its
// loudest 400 ms (BS.1770 momentary loudness) against the songs, which sit
// near MusicLufs. The move tick sits a few LU under the music, so a held
// key never drowns it; the clears a few LU over it, all three alike, so a
// cleared line is heard whatever its colour.
constexpr double MusicLufs = -17.0;
constexpr double MoveLufs = MusicLufs - 5.0;
constexpr double ClearLufs = MusicLufs + 3.0;

// The four samples at EffectRate, each scaled to its loudness and faded in
// and out, so none starts or stops with a click.
std::vector<double> moveTick();    // KPRLOTOM.wav: a short, light tick for every move
std::vector<double> whiteClear();  // sorry.wav: a falling two-note chime
std::vector<double> blueClear();   // click.wav: two bright wooden pops
std::vector<double> greenClear();  // laser.wav: a zapping downward sweep

// The momentary loudness of a mono effect played on both channels, in LUFS.
double effectLoudness(const std::vector<double>& signal);

}  // namespace quindel::composer
