#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ProTrackerModule.h"
#include "SongPlan.h"

namespace quindel::composer {

// Turns a song's plan into a four-channel module: lead, bass, harmony and
// drums, one channel each. Throws on a note the tracker cannot reach or a
// bar whose lengths do not add up, so a slip in a score fails the build.
class SongWriter final {
public:
    explicit SongWriter(const SongPlan& plan);
    std::vector<std::uint8_t> write();

    // "F#5" → 78.
    static int midiOf(const std::string& name);

    static constexpr int LeadChannel = 0;
    static constexpr int BassChannel = 1;
    static constexpr int HarmonyChannel = 2;
    static constexpr int DrumChannel = 3;

private:
    struct Chord {
        int root = 0;   // pitch class 0..11
        int third = 4;  // semitones over the root
        int fifth = 7;
        bool seventh = false;
        bool majorSeventh = false;
    };
    static Chord chordOf(const std::string& name);
    Chord chordAt(const Section& section, int bar, int step) const;

    void writeSection(int pattern, const Section& section, bool last);
    void writeLead(int pattern, const Section& section);
    void writeBass(int pattern, const Section& section);
    void writeHarmony(int pattern, const Section& section);
    void writeDrums(int pattern, const Section& section);
    void putEffect(int pattern, int row, int effect, int param);
    int add(ModSample sample);
    int addLead(SongPlan::Lead lead);
    int addHarmony(SongPlan::Harmony harmony);
    // The tracker note for a pitch on an instrument whose C-2 sounds baseMidi.
    static int trackerNote(int midi, int baseMidi);

    const SongPlan& songPlan;
    ProTrackerModule output;
    int leadSample = 0;
    int bassSample = 0;
    int harmonySample = 0;
    int contrastLeadSample = 0;
    int contrastHarmonySample = 0;
    int kickSample = 0;
    int snareSample = 0;
    int closedHatSample = 0;
    int openHatSample = 0;
    int crashSample = 0;
    int tomSample = 0;
};

}  // namespace quindel::composer
