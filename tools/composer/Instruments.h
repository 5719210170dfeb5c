#pragma once

#include <cstdint>
#include <vector>

#include "ProTrackerModule.h"

namespace quindel::composer {

// Every instrument is built here from sine partials and noise; nothing is
// recorded. Pitched instruments hold an exact whole number of samples per
// cycle at the C-2 rate, so they all agree on tuning and loops are seamless.
// `samplesPerCycle` 16 puts tracker C-2 at C5, 32 at C4, 64 at C3.

ModSample softSquareLead(int samplesPerCycle);
ModSample pulseLead(int samplesPerCycle, double duty);
ModSample pluckedBass(int samplesPerCycle);
ModSample marimba(int samplesPerCycle);
ModSample bell(int samplesPerCycle);
ModSample chipPad(int samplesPerCycle);

// Drums are made at the C-3 rate and are played at C-3.
ModSample kickDrum();
ModSample snareDrum();
ModSample closedHat();
ModSample openHat();
ModSample crashWithKick();
ModSample tomDrum();

// Float samples in -1..1 to 8-bit, scaled so the loudest reaches `peak`.
std::vector<std::int8_t> toEightBit(const std::vector<double>& signal, double peak);

}  // namespace quindel::composer
