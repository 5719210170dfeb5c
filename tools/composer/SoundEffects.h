#pragma once

#include <vector>

namespace quindel::composer {

constexpr int EffectRate = 44100;

// The four samples at EffectRate, each peaking below full scale so several
// can sound together over the music without clipping.
std::vector<double> moveTom();     // KPRLOTOM.wav: a short, soft tom for every move
std::vector<double> whiteClear();  // sorry.wav: a falling two-note chime
std::vector<double> blueClear();   // click.wav: a bright wooden pop
std::vector<double> greenClear();  // laser.wav: a zapping downward sweep

}  // namespace quindel::composer
