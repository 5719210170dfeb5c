#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quindel::composer {

// Four bars (or fewer, for a jingle) of one song. Each bar is 16 rows, a
// row a sixteenth note.
struct Section {
    Section(std::vector<std::string> barChords, std::vector<std::string> barMelody)
        : chords(std::move(barChords)), melody(std::move(barMelody))
    {}

    // Per bar: one chord, or two ("Bb C") for half a bar each.
    std::vector<std::string> chords;
    // Per bar: "A5:6 G5:2 F5:4 C5:4"; note name and octave (C4 is middle C)
    // and its length in rows, "r" for a rest, "-" to hold the last note on.
    std::vector<std::string> melody;
    bool drums = true;
    bool bass = true;
    bool harmony = true;
    // The last bar plays the fill instead of the groove.
    bool fill = false;
    // The first beat is a crash.
    bool crash = false;
    // Played on the song's contrast instruments (when it has them).
    bool contrast = false;
    // When not empty, this section's own way of playing, in place of the song's.
    std::string bassBar;
    std::string harmonyBar;
    std::string drumBar;
};

// Chords: a root with # or b, then nothing (major), m, 7, m7, maj7, sus
// (a fourth for the third) or dim.
// How a song's parts play the chords, one bar of 16 characters each.
// Bass: R root, O root an octave up, F fifth, . hold, - stop.
// Harmony: 1 3 5 7 8 chord tones (root, third, fifth, seventh, octave),
//          A the chord as an arpeggio, . hold, - stop.
// Drums: k kick, s snare, g ghost snare, h closed hat, o open hat, t tom, . nothing.
struct SongPlan {
    std::string title;
    int tempo = 125;
    enum class Lead { SoftSquare, Pulse, Flute } lead = Lead::SoftSquare;
    enum class Harmony { Marimba, Bell, ChipPad, Organ, ElectricPiano } harmony = Harmony::Marimba;
    enum class Bass { Plucked, Rubber, Saw, Pulse } bass = Bass::Plucked;
    enum class Kit { Soft, Wood, Rock, Chip } kit = Kit::Soft;
    // The instruments of the sections marked `contrast`; the song's own when unset.
    std::optional<Lead> contrastLead;
    std::optional<Harmony> contrastHarmony;
    double pulseDuty = 0.25;
    int vibrato = 0x43;  // speed and depth of the vibrato on long notes
    // Every instrument's volume times this, so the songs come out equally
    // loud (musiccheck measures them) whatever their instruments.
    double level = 1.0;
    std::string bassBar;
    std::string harmonyBar;
    std::string drumBar;
    std::string fillBar;
    std::vector<Section> sections;  // in the order they play
    int loopTo = 0;                 // the section the song goes back to
};

}  // namespace quindel::composer
