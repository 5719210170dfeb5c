#include "SongWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "Instruments.h"

namespace quindel::composer {

namespace {

constexpr int RowsPerBar = 16;
// The MIDI note each instrument sounds at tracker C-2 (see Instruments.h).
constexpr int LeadBase = 72;
constexpr int HarmonyBase = 60;
constexpr int BassBase = 48;
constexpr int DrumNote = 25;  // C-3

constexpr int Arpeggio = 0x0;
constexpr int Vibrato = 0x4;
constexpr int PositionJump = 0xB;
constexpr int SetVolume = 0xC;
constexpr int PatternBreak = 0xD;
constexpr int SetTempo = 0xF;

int pitchClassOf(char letter)
{
    switch (letter) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        throw std::invalid_argument(std::string("not a note letter: ") + letter);
    }
}

const std::string& barOf(const std::string& own, const std::string& song)
{
    return own.empty() ? song : own;
}

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

}  // namespace

SongWriter::SongWriter(const SongPlan& plan) : songPlan(plan), output(plan.title) {}

int SongWriter::midiOf(const std::string& name)
{
    if (name.size() < 2)
        throw std::invalid_argument("bad note: " + name);
    int pc = pitchClassOf(name[0]);
    std::size_t at = 1;
    if (name[at] == '#') {
        ++pc;
        ++at;
    } else if (name[at] == 'b') {
        --pc;
        ++at;
    }
    if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
        throw std::invalid_argument("bad note: " + name);
    return 12 * (name[at] - '0' + 1) + pc;
}

SongWriter::Chord SongWriter::chordOf(const std::string& name)
{
    Chord chord;
    std::size_t at = 1;
    chord.root = pitchClassOf(name.at(0));
    if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
        chord.root += name[at] == '#' ? 1 : -1;
        ++at;
    }
    chord.root = (chord.root + 12) % 12;
    const std::string rest = name.substr(at);
    if (rest == "m" || rest == "m7" || rest == "dim")
        chord.third = 3;
    if (rest == "sus")
        chord.third = 5;
    if (rest == "dim")
        chord.fifth = 6;
    chord.seventh = rest == "7" || rest == "m7";
    chord.majorSeventh = rest == "maj7";
    if (!rest.empty() && rest != "m" && rest != "7" && rest != "m7" && rest != "maj7" && rest != "sus" && rest != "dim")
        throw std::invalid_argument("unknown chord: " + name);
    return chord;
}

SongWriter::Chord SongWriter::chordAt(const Section& section, int bar, int step) const
{
    const std::vector<std::string> names = words(section.chords.at(static_cast<std::size_t>(bar)));
    const std::size_t index = static_cast<std::size_t>(step) * names.size() / RowsPerBar;
    return chordOf(names.at(index));
}

int SongWriter::trackerNote(int midi, int baseMidi)
{
    const int note = midi - baseMidi + 13;
    if (note < 1 || note > 36)
        throw std::out_of_range("pitch " + std::to_string(midi) + " outside the instrument's range");
    return note;
}

int SongWriter::add(ModSample sample)
{
    sample.volume = std::clamp(static_cast<int>(std::lround(sample.volume * songPlan.level)), 0, 64);
    return output.addSample(std::move(sample));
}

int SongWriter::addLead(SongPlan::Lead lead)
{
    switch (lead) {
    case SongPlan::Lead::Pulse:
        return add(pulseLead(LeadBase, songPlan.pulseDuty));
    case SongPlan::Lead::Flute:
        return add(fluteLead(LeadBase));
    case SongPlan::Lead::SoftSquare:
        break;
    }
    return add(softSquareLead(LeadBase));
}

int SongWriter::addHarmony(SongPlan::Harmony harmony)
{
    switch (harmony) {
    case SongPlan::Harmony::Bell:
        return add(bell(HarmonyBase));
    case SongPlan::Harmony::ChipPad:
        return add(chipPad(HarmonyBase));
    case SongPlan::Harmony::Organ:
        return add(organ(HarmonyBase));
    case SongPlan::Harmony::ElectricPiano:
        return add(electricPiano(HarmonyBase));
    case SongPlan::Harmony::Marimba:
        break;
    }
    return add(marimba(HarmonyBase));
}

std::vector<std::uint8_t> SongWriter::write()
{
    leadSample = addLead(songPlan.lead);
    switch (songPlan.bass) {
    case SongPlan::Bass::Rubber:
        bassSample = add(rubberBass(BassBase));
        break;
    case SongPlan::Bass::Saw:
        bassSample = add(sawBass(BassBase));
        break;
    case SongPlan::Bass::Pulse:
        bassSample = add(pulseBass(BassBase));
        break;
    case SongPlan::Bass::Plucked:
        bassSample = add(pluckedBass(BassBase));
        break;
    }
    harmonySample = addHarmony(songPlan.harmony);
    DrumKit kit;
    switch (songPlan.kit) {
    case SongPlan::Kit::Wood:
        kit = woodKit();
        break;
    case SongPlan::Kit::Rock:
        kit = rockKit();
        break;
    case SongPlan::Kit::Chip:
        kit = chipKit();
        break;
    case SongPlan::Kit::Soft:
        kit = softKit();
        break;
    }
    kickSample = add(kit.kick);
    snareSample = add(kit.snare);
    closedHatSample = add(kit.closedHat);
    openHatSample = add(kit.openHat);
    crashSample = add(kit.crash);
    tomSample = add(kit.tom);
    contrastLeadSample = songPlan.contrastLead ? addLead(*songPlan.contrastLead) : leadSample;
    contrastHarmonySample = songPlan.contrastHarmony ? addHarmony(*songPlan.contrastHarmony) : harmonySample;

    const int count = static_cast<int>(songPlan.sections.size());
    for (int i = 0; i < count; ++i) {
        const int pattern = output.addPattern();
        output.appendOrder(pattern);
        writeSection(pattern, songPlan.sections[static_cast<std::size_t>(i)], i + 1 == count);
    }
    return output.bytes();
}

void SongWriter::writeSection(int pattern, const Section& section, bool last)
{
    const int bars = static_cast<int>(section.chords.size());
    if (bars < 1 || bars > 4 || (!section.melody.empty() && section.melody.size() != section.chords.size()))
        throw std::invalid_argument(songPlan.title + ": a section needs 1 to 4 bars of chords and melody");
    writeLead(pattern, section);
    if (section.bass)
        writeBass(pattern, section);
    if (section.harmony)
        writeHarmony(pattern, section);
    if (section.drums)
        writeDrums(pattern, section);
    putEffect(pattern, 0, SetTempo, songPlan.tempo);
    const int lastRow = bars * RowsPerBar - 1;
    if (last)
        putEffect(pattern, lastRow, PositionJump, songPlan.loopTo);
    else if (lastRow < ProTrackerModule::Rows - 1)
        putEffect(pattern, lastRow, PatternBreak, 0);
}

void SongWriter::writeLead(int pattern, const Section& section)
{
    if (section.melody.empty()) {
        output.cell(pattern, 0, LeadChannel) = ModCell{0, 0, SetVolume, 0};
        return;
    }
    int row = 0;
    for (std::size_t bar = 0; bar < section.melody.size(); ++bar) {
        int barRows = 0;
        for (const std::string& token : words(section.melody[bar])) {
            const std::size_t colon = token.find(':');
            if (colon == std::string::npos)
                throw std::invalid_argument(songPlan.title + ": note without length: " + token);
            const std::string pitch = token.substr(0, colon);
            const int length = std::stoi(token.substr(colon + 1));
            if (pitch == "r") {
                output.cell(pattern, row, LeadChannel) = ModCell{0, 0, SetVolume, 0};
            } else if (pitch != "-") {
                output.cell(pattern, row, LeadChannel) = ModCell{
                    trackerNote(midiOf(pitch), LeadBase), section.contrast ? contrastLeadSample : leadSample, 0, 0};
            }
            // Long notes get a gentle vibrato once they have sounded a moment.
            if (pitch != "r" && (length >= 6 || pitch == "-")) {
                for (int offset = (pitch == "-" ? 0 : 2); offset < length; ++offset) {
                    ModCell& c = output.cell(pattern, row + offset, LeadChannel);
                    c.effect = Vibrato;
                    c.param = songPlan.vibrato;
                }
            }
            row += length;
            barRows += length;
        }
        if (barRows != RowsPerBar) {
            throw std::invalid_argument(songPlan.title + ": bar " + std::to_string(bar + 1) + " lasts "
                                        + std::to_string(barRows) + " rows: " + section.melody[bar]);
        }
    }
}

void SongWriter::writeBass(int pattern, const Section& section)
{
    const int bars = static_cast<int>(section.chords.size());
    for (int bar = 0; bar < bars; ++bar) {
        for (int step = 0; step < RowsPerBar; ++step) {
            const char token = barOf(section.bassBar, songPlan.bassBar).at(static_cast<std::size_t>(step));
            const int row = bar * RowsPerBar + step;
            const Chord chord = chordAt(section, bar, step);
            const int root = 36 + chord.root;  // C2..B2
            int midi = 0;
            switch (token) {
            case 'R':
                midi = root;
                break;
            case 'O':
                midi = root + 12;
                break;
            case 'F':
                midi = root + chord.fifth;
                break;
            case '-':
                output.cell(pattern, row, BassChannel) = ModCell{0, 0, SetVolume, 0};
                continue;
            default:
                continue;
            }
            output.cell(pattern, row, BassChannel) = ModCell{trackerNote(midi, BassBase), bassSample, 0, 0};
        }
    }
}

void SongWriter::writeHarmony(int pattern, const Section& section)
{
    const int bars = static_cast<int>(section.chords.size());
    for (int bar = 0; bar < bars; ++bar) {
        bool arpeggio = false;
        int soundingRoot = -1;
        for (int step = 0; step < RowsPerBar; ++step) {
            const char token = barOf(section.harmonyBar, songPlan.harmonyBar).at(static_cast<std::size_t>(step));
            const int row = bar * RowsPerBar + step;
            const Chord chord = chordAt(section, bar, step);
            // Roots sit between G3 and F#4 so the chords stay under the tune.
            const int root = 55 + (chord.root - 7 + 12) % 12;
            const int third = root + chord.third;
            const int sample = section.contrast ? contrastHarmonySample : harmonySample;
            const int arpeggioParam = ((third - root) << 4) | chord.fifth;
            ModCell& c = output.cell(pattern, row, HarmonyChannel);
            if (token == 'A' || (arpeggio && token == '.' && root != soundingRoot)) {
                c = ModCell{trackerNote(root, HarmonyBase), sample, Arpeggio, arpeggioParam};
                arpeggio = true;
                soundingRoot = root;
                continue;
            }
            if (token == '.') {
                if (arpeggio) {
                    c.effect = Arpeggio;
                    c.param = arpeggioParam;
                }
                continue;
            }
            arpeggio = false;
            int midi = 0;
            switch (token) {
            case '1':
                midi = root;
                break;
            case '3':
                midi = third;
                break;
            case '5':
                midi = root + chord.fifth;
                break;
            case '7':
                midi = root + (chord.seventh ? 10 : chord.majorSeventh ? 11 : 12);
                break;
            case '8':
                midi = root + 12;
                break;
            case '-':
                c = ModCell{0, 0, SetVolume, 0};
                continue;
            default:
                throw std::invalid_argument(songPlan.title + ": unknown harmony step");
            }
            c = ModCell{trackerNote(midi, HarmonyBase), sample, 0, 0};
        }
    }
}

void SongWriter::writeDrums(int pattern, const Section& section)
{
    const int bars = static_cast<int>(section.chords.size());
    for (int bar = 0; bar < bars; ++bar) {
        const bool fillBar = section.fill && bar == bars - 1;
        const std::string& groove = fillBar ? songPlan.fillBar : barOf(section.drumBar, songPlan.drumBar);
        for (int step = 0; step < RowsPerBar; ++step) {
            char token = groove.at(static_cast<std::size_t>(step));
            if (section.crash && bar == 0 && step == 0)
                token = 'c';
            ModCell c{DrumNote, 0, 0, 0};
            switch (token) {
            case 'k':
                c.sample = kickSample;
                break;
            case 's':
                c.sample = snareSample;
                break;
            case 'g':
                c = ModCell{DrumNote, snareSample, SetVolume, 16};
                break;
            case 'h':
                c.sample = closedHatSample;
                break;
            case 'o':
                c.sample = openHatSample;
                break;
            case 't':
                c.sample = tomSample;
                break;
            case 'c':
                c.sample = crashSample;
                break;
            case '.':
                continue;
            default:
                throw std::invalid_argument(songPlan.title + ": unknown drum");
            }
            output.cell(pattern, bar * RowsPerBar + step, DrumChannel) = c;
        }
    }
}

void SongWriter::putEffect(int pattern, int row, int effect, int param)
{
    // Song-wide commands take whichever channel is free on that row; the
    // lead's vibrato is the one that gives way when none is.
    for (int channel : {BassChannel, DrumChannel, HarmonyChannel, LeadChannel}) {
        ModCell& c = output.cell(pattern, row, channel);
        if (!c.hasEffect()) {
            c.effect = effect;
            c.param = param;
            return;
        }
    }
    ModCell& lead = output.cell(pattern, row, LeadChannel);
    lead.effect = effect;
    lead.param = param;
}

}  // namespace quindel::composer
