#pragma once

#include <cstdint>
#include <vector>

#include "ProTrackerModule.h"

namespace quindel::composer {

// Every instrument is built here from sine partials and noise; nothing is
// recorded. Pitched instruments are tuned to A = 440 Hz: `baseMidi` is the
// note the instrument sounds at tracker C-2, and a sustained one loops over
// a whole number of cycles, so loops are seamless and every instrument
// agrees with the others and with the sound effects.

ModSample softSquareLead(int baseMidi);
ModSample pulseLead(int baseMidi, double duty);
ModSample fluteLead(int baseMidi);
ModSample pluckedBass(int baseMidi);
ModSample rubberBass(int baseMidi);
ModSample sawBass(int baseMidi);
ModSample pulseBass(int baseMidi);
ModSample marimba(int baseMidi);
ModSample bell(int baseMidi);
ModSample chipPad(int baseMidi);
ModSample organ(int baseMidi);
ModSample electricPiano(int baseMidi);

// The drums of one song, made at the C-3 rate and played at C-3. Each kit
// has its own sound, so every song has a drummer of its own.
struct DrumKit {
    ModSample kick;
    ModSample snare;
    ModSample closedHat;
    ModSample openHat;
    ModSample crash;
    ModSample tom;
};
DrumKit softKit();  // round and gentle: the title and the jingle
DrumKit woodKit();  // a woody knock, hand claps and a shaker
DrumKit rockKit();  // a punchy kick, a snare with body, bright metal
DrumKit chipKit();  // a console's noise channel: swept kick, hissing snare

// The frequency that plays at tracker C-2 for an instrument whose C-2 is
// `baseMidi`: equal temperament at A440, lowered by the 2 cents the Amiga
// period table is sharp on average, so the notes as played sit on pitch.
double frequencyAtC2(int baseMidi);

// Float samples in -1..1 to 8-bit, scaled so the loudest reaches `peak`.
std::vector<std::int8_t> toEightBit(const std::vector<double>& signal, double peak);

}  // namespace quindel::composer
