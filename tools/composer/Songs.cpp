#include "Songs.h"

#include <sstream>
#include <stdexcept>

#include "SongWriter.h"

namespace quindel::composer {

namespace {

const char* const SharpNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::string transposedChord(const std::string& name, int semitones)
{
    std::size_t at = 1;
    int root = SongWriter::midiOf(name.substr(0, 1) + "4") % 12;
    if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
        root += name[at] == '#' ? 1 : -1;
        ++at;
    }
    return SharpNames[((root + semitones) % 12 + 12) % 12] + name.substr(at);
}

std::string transposedBar(const std::string& bar, int semitones, bool chords)
{
    std::istringstream in(bar);
    std::string out;
    for (std::string token; in >> token;) {
        if (!out.empty())
            out += ' ';
        if (chords) {
            out += transposedChord(token, semitones);
            continue;
        }
        const std::size_t colon = token.find(':');
        const std::string pitch = token.substr(0, colon);
        if (pitch == "r" || pitch == "-") {
            out += token;
            continue;
        }
        const int midi = SongWriter::midiOf(pitch) + semitones;
        out += SharpNames[midi % 12] + std::to_string(midi / 12 - 1) + token.substr(colon);
    }
    return out;
}

// The same four bars in another key: how a tune climbs for its last round.
Section transposed(Section section, int semitones)
{
    for (std::string& bar : section.chords)
        bar = transposedBar(bar, semitones, true);
    for (std::string& bar : section.melody)
        bar = transposedBar(bar, semitones, false);
    return section;
}

}  // namespace

// "Morning Bottle": the title. F major at 96 beats a minute, bells rolling
// under a soft square tune; an intro of bells alone, then the tune, its
// answer, a bridge over D minor and a homecoming that leads back to the intro.
SongPlan titleTheme()
{
    SongPlan p;
    p.title = "morning bottle";
    p.tempo = 96;
    p.lead = SongPlan::Lead::SoftSquare;
    p.harmony = SongPlan::Harmony::Bell;
    p.bass = SongPlan::Bass::Plucked;
    p.kit = SongPlan::Kit::Soft;
    p.vibrato = 0x53;
    p.bassBar = "R.......F.......";
    p.harmonyBar = "1.5.8.3.5.8.3.5.";
    p.drumBar = "k...h...s...h.h.";
    p.fillBar = "k...h...s.g.t.t.";

    Section intro{{"F", "Dm", "Bb", "C"}, {}};
    intro.drums = false;

    const Section tune{{"F", "Am", "Bb", "C"},
                       {"A5:6 G5:2 F5:4 C5:4", "E5:4 A5:4 C6:6 A5:2", "D6:6 C6:2 Bb5:4 A5:4", "G5:12 r:4"}};
    Section answer{{"F", "Am", "Gm7", "C7"},
                   {"A5:6 G5:2 F5:4 C5:4", "E5:4 A5:4 C6:4 E6:4", "F6:6 E6:2 D6:4 Bb5:4", "C6:8 Bb5:4 G5:4"}};
    answer.fill = true;
    Section bridge{{"Dm7", "Bb", "F", "C"},
                   {"D6:8 C6:4 A5:4", "Bb5:8 A5:4 F5:4", "A5:4 C6:4 F6:4 E6:2 D6:2", "C6:12 r:4"}};
    bridge.crash = true;
    Section home{{"F", "Am", "Bb C", "F"},
                 {"A5:6 G5:2 F5:4 C5:4", "E5:4 A5:4 C6:6 A5:2", "D6:4 C6:4 Bb5:4 G5:4", "F5:12 r:4"}};
    home.fill = true;
    // The intro's C at its end and the homecoming's F both lead on cleanly,
    // so the song goes round without a seam.
    p.sections = {intro, tune, answer, bridge, home};
    p.loopTo = 0;
    return p;
}

// "Pill Parade": levels 1, 4, 7... G major at 116, bouncy: a pulse tune over
// marimba and a round rubber bass, hand claps and a shaker. Its chords lean
// on borrowed colours (B7, the minor iv) and a walk round the circle of
// fifths; the middle turns to E flat major, half as busy, a flute over an
// electric piano; a bare break, then the tune a tone higher.
SongPlan firstLevels()
{
    SongPlan p;
    p.title = "pill parade";
    p.tempo = 116;
    p.level = 0.95;
    p.lead = SongPlan::Lead::Pulse;
    p.pulseDuty = 0.25;
    p.harmony = SongPlan::Harmony::Marimba;
    p.bass = SongPlan::Bass::Rubber;
    p.kit = SongPlan::Kit::Wood;
    p.contrastLead = SongPlan::Lead::Flute;
    p.contrastHarmony = SongPlan::Harmony::ElectricPiano;
    p.vibrato = 0x52;
    p.bassBar = "R..RO.R.R..RF.O.";
    p.harmonyBar = "..3.5...8.3.5.3.";
    p.drumBar = "k.h.s.h.k.hks.h.";
    p.fillBar = "k.h.s.h.s.sst.t.";

    Section intro{{"G", "B7", "C", "Cm"}, {}};
    intro.fill = true;
    Section a1{{"G", "B7", "Em", "G7"},
               {"D5:2 G5:2 B5:2 D6:4 B5:2 G5:4", "D#6:2 F#6:2 D#6:2 B5:2 A5:4 F#5:4", "E6:4 B5:2 G5:2 E5:4 G5:4",
                "F6:6 E6:2 D6:4 B5:4"}};
    a1.crash = true;
    Section a2{{"C", "Cm", "G D7", "G"},
               {"E6:4 G6:4 E6:2 C6:2 G5:4", "D#6:4 G6:4 D#6:2 C6:2 G5:4", "D6:2 B5:2 G5:2 B5:2 A5:2 F#5:2 D5:2 F#5:2",
                "G5:12 r:4"}};
    a2.fill = true;
    Section a3{{"G", "B7", "Em", "A7"},
               {"B5:2 D6:2 G6:4 F#6:2 E6:2 D6:4", "D#6:4 B5:4 F#6:6 D#6:2", "E6:2 G6:2 B6:4 A6:2 G6:2 E6:4",
                "C#6:4 E6:4 G6:4 A6:4"}};
    Section a4{{"C", "Cm", "G E7", "Am7 D7"},
               {"G6:6 E6:2 C6:4 E6:4", "D#6:6 C6:2 G5:4 D#6:4", "D6:4 B5:4 G#5:4 B5:4", "C6:4 A5:4 F#5:4 D6:4"}};
    a4.fill = true;
    Section b1{
        {"Am7", "D7", "Bm7", "E7"},
        {"C6:2 A5:2 E5:2 G5:6 A5:4", "F#5:2 A5:2 C6:2 D6:6 C6:4", "D6:2 B5:2 F#5:2 A5:6 B5:4", "G#5:4 B5:4 D6:4 E6:4"}};
    b1.crash = true;
    b1.harmonyBar = "1.5.8.5.3.5.8.5.";
    Section b2{{"Am7", "D7", "G Em", "A7 D7"},
               {"E6:6 D6:2 C6:4 A5:4", "F#6:6 E6:2 D6:4 C6:4", "B5:4 D6:4 E6:4 G6:4", "E6:4 C#6:4 D6:4 C6:4"}};
    b2.fill = true;
    b2.harmonyBar = b1.harmonyBar;
    // The middle: E flat major, a flute over an electric piano, a lazier beat.
    auto middle = [](std::vector<std::string> chords, std::vector<std::string> tune) {
        Section m{std::move(chords), std::move(tune)};
        m.contrast = true;
        m.bassBar = "R.......F...R...";
        m.harmonyBar = "1...3...5...3...";
        m.drumBar = "k...s...k.k.s...";
        return m;
    };
    Section c1 =
        middle({"Eb", "Cm", "Ab", "Bb7"}, {"G5:6 A#5:2 D#6:8", "D6:4 C6:4 G5:8", "G#5:4 C6:4 D#6:4 F6:4", "D6:12 r:4"});
    c1.crash = true;
    Section c2 = middle({"Eb", "Cm", "Fm7", "Bb7"},
                        {"G5:6 A#5:2 D#6:4 G6:4", "F6:4 D#6:4 C6:8", "G#5:4 C6:4 D#6:6 D6:2", "A#5:12 r:4"});
    Section c3 =
        middle({"Ab", "Bb", "Gm7", "Cm"}, {"C6:6 D#6:2 G#6:8", "F6:6 D6:2 A#5:8", "G6:4 F6:4 D6:4 A#5:4", "C6:12 r:4"});
    Section c4 =
        middle({"Ab", "Bb7", "Am7", "D7"},
               {"C6:4 D#6:4 G#6:4 G6:4", "F6:4 D6:4 A#5:4 G#5:4", "A5:4 C6:4 E6:4 G6:4", "F#6:4 D6:4 A5:2 C6:2 D6:4"});
    c4.fill = true;
    Section breakdown{{"G", "G", "C", "D7"},
                      {"D5:2 G5:2 r:12", "D5:2 G5:2 B5:2 r:10", "E5:2 G5:2 C6:2 r:10", "F#5:2 A5:2 D6:2 C6:2 r:8"}};
    breakdown.harmony = false;
    breakdown.fill = true;
    breakdown.drumBar = "k...s.h.k.k.s.h.";
    // The tune once more a tone higher, then round through the intro, which
    // gives the ear a breath before the tune starts over.
    p.sections = {intro, a1, a2, a3, a4, b1, b2, c1, c2, c3, c4, breakdown, transposed(a1, 2), transposed(a2, 2)};
    p.loopTo = 0;
    return p;
}

// "Century Steps": levels 2, 5, 8... A minor at 128, driving: a soft square
// tune with vibrato over a chiptune arpeggio, a buzzing saw bass and a rock
// kit. The steps are the descending minor scale under the tune (Am G F E);
// the middle goes round the circle in C major and then into A major itself,
// the same key in daylight, on an organ and a flute over a half-time beat;
// a break, and the tune a tone higher.
SongPlan secondLevels()
{
    SongPlan p;
    p.title = "century steps";
    p.tempo = 128;
    p.level = 0.8;
    p.lead = SongPlan::Lead::SoftSquare;
    p.harmony = SongPlan::Harmony::ChipPad;
    p.bass = SongPlan::Bass::Saw;
    p.kit = SongPlan::Kit::Rock;
    p.contrastLead = SongPlan::Lead::Flute;
    p.contrastHarmony = SongPlan::Harmony::Organ;
    p.vibrato = 0x63;
    p.bassBar = "R.RRO.RRR.RRO.RF";
    p.harmonyBar = "A.......A...A...";
    p.drumBar = "k.h.s.hkk.h.s.ho";
    p.fillBar = "k.h.s.hks.s.ssss";

    Section intro{{"Am", "G", "F", "E"}, {}};
    intro.fill = true;
    Section a1{{"Am", "G", "F", "E"},
               {"A5:3 B5:1 C6:2 E6:4 D6:2 C6:2 B5:2", "B5:3 C6:1 D6:2 G6:4 F6:2 E6:2 D6:2",
                "C6:3 D6:1 E6:2 A6:4 G6:2 F6:2 E6:2", "G#6:6 E6:2 B5:8"}};
    a1.crash = true;
    Section a2{{"Am", "G", "F", "E7"},
               {"E6:3 D6:1 C6:2 A5:4 B5:2 C6:2 E6:2", "D6:3 C6:1 B5:2 G5:4 A5:2 B5:2 D6:2", "C6:4 A5:4 F5:4 A5:4",
                "G#5:4 B5:4 D6:4 E6:4"}};
    a2.fill = true;
    Section a3{{"Am", "Dm", "G", "C"},
               {"A5:2 C6:2 E6:2 A6:6 G6:4", "F6:2 E6:2 D6:2 A5:6 D6:4", "B5:2 D6:2 G6:2 F6:6 E6:4", "E6:12 r:4"}};
    a3.crash = true;
    Section a4{{"F", "Dm", "E", "E7"},
               {"A6:4 G6:2 F6:2 C6:4 A5:4", "F6:4 E6:2 D6:2 A5:4 F5:4", "G#5:4 B5:4 E6:8", "D6:4 B5:4 G#5:4 E5:4"}};
    a4.fill = true;
    Section b1{{"Dm7", "G", "Cmaj7", "Fmaj7"},
               {"F6:2 E6:2 D6:2 C6:2 A5:8", "B5:2 C6:2 D6:2 G6:2 F6:8", "E6:6 D6:2 B5:4 G5:4", "A5:6 C6:2 E6:8"}};
    b1.crash = true;
    b1.harmonyBar = "A...A...A...A.A.";
    Section b2{
        {"Dm7", "E7", "Am", "A7"},
        {"F6:2 A6:2 F6:2 D6:2 C6:8", "B5:2 D6:2 G#6:2 B6:2 A6:8", "C6:4 B5:4 A5:4 E5:4", "C#6:4 E6:4 G6:4 A6:4"}};
    b2.fill = true;
    b2.harmonyBar = b1.harmonyBar;
    // The middle: A major, an organ holding the chords under a flute.
    auto middle = [](std::vector<std::string> chords, std::vector<std::string> tune) {
        Section m{std::move(chords), std::move(tune)};
        m.contrast = true;
        m.bassBar = "R.......O...F...";
        m.harmonyBar = "1.......3.......";
        m.drumBar = "k.....h.s.....h.";
        return m;
    };
    Section c1 =
        middle({"A", "F#m", "D", "E"}, {"C#6:6 B5:2 A5:8", "C#6:4 E6:4 F#6:8", "F#6:6 E6:2 D6:4 A5:4", "B5:12 r:4"});
    c1.crash = true;
    Section c2 =
        middle({"A", "C#m", "D", "E"}, {"E6:6 C#6:2 A5:8", "G#5:4 B5:4 E6:8", "F#6:6 A6:2 F#6:4 D6:4", "E6:12 r:4"});
    Section c3 =
        middle({"F#m", "D", "A", "E"}, {"A6:6 G#6:2 F#6:8", "F#6:4 E6:4 D6:8", "C#6:4 E6:4 A6:4 G#6:4", "E6:12 r:4"});
    // Back to the minor through F, the chord the two keys do not share.
    Section c4 =
        middle({"D", "E", "F", "E7"},
               {"F#6:4 A6:4 F#6:4 D6:4", "G#6:4 B6:4 G#6:4 E6:4", "A6:4 F6:4 C6:4 A5:4", "G#5:4 B5:4 D6:4 E6:4"});
    c4.fill = true;
    Section breakdown{
        {"Am", "Am", "F", "E"},
        {"A5:2 r:2 A5:2 C6:2 r:8", "E6:2 r:2 E6:2 D6:2 C6:2 r:6", "F6:2 r:2 F6:2 E6:2 D6:2 r:6", "E6:8 G#5:4 B5:4"}};
    breakdown.harmony = false;
    breakdown.fill = true;
    breakdown.drumBar = "k...k.h.k...k.hh";
    p.sections = {intro, a1, a2, a3, a4, b1, b2, c1, c2, c3, c4, breakdown, transposed(a1, 2), transposed(a3, 2)};
    p.loopTo = 0;
    return p;
}

// "Arcade Fever": levels 3, 6, 9... E minor at 144, the fastest: a narrow
// pulse tune, a rapid arpeggio, a console's pulse bass and noise drums. Its
// chords are Dorian (Em A, the bright sixth) with the minor iv against the
// dominant; the middle drops to half time in G major on bells; a break,
// the tune a tone lower and darker, and a last round that climbs back home.
SongPlan thirdLevels()
{
    SongPlan p;
    p.title = "arcade fever";
    p.tempo = 144;
    p.level = 0.88;
    p.lead = SongPlan::Lead::Pulse;
    p.pulseDuty = 0.125;
    p.harmony = SongPlan::Harmony::ChipPad;
    p.bass = SongPlan::Bass::Pulse;
    p.kit = SongPlan::Kit::Chip;
    p.contrastLead = SongPlan::Lead::SoftSquare;
    p.contrastHarmony = SongPlan::Harmony::Bell;
    p.vibrato = 0x62;
    p.bassBar = "RROR.RORRROR.ROF";
    p.harmonyBar = "A...A...A...A.A.";
    p.drumBar = "k.hhs.hkk.hhs.ho";
    p.fillBar = "k.hhs.hks.sst.tt";

    Section intro{{"Em", "A", "Em", "A"}, {}};
    intro.fill = true;
    Section a1{{"Em", "A", "Em", "A"},
               {"E5:2 G5:2 B5:2 E6:4 D6:2 B5:2 G5:2", "A5:2 C#6:2 E6:2 A6:4 G6:2 E6:2 C#6:2",
                "B5:2 E6:2 G6:2 B6:4 A6:2 G6:2 E6:2", "F#6:4 E6:2 C#6:2 A5:8"}};
    a1.crash = true;
    Section a2{{"C", "D", "Em", "B7"},
               {"G6:4 E6:2 C6:2 G5:4 C6:4", "A6:4 F#6:2 D6:2 A5:4 D6:4", "B6:6 G6:2 E6:8", "D#6:4 F#6:4 A6:4 B6:4"}};
    a2.fill = true;
    Section a3{{"Em", "A", "Em", "A"},
               {"G6:2 F#6:2 E6:2 B5:4 E6:2 G6:2 B6:2", "A6:2 G6:2 E6:2 C#6:4 E6:2 A6:2 C#6:2",
                "B6:4 A6:2 G6:2 F#6:2 E6:2 D6:2 B5:2", "C#6:4 E6:4 A5:8"}};
    Section a4{{"C", "D", "B7", "Em"},
               {"E6:2 G6:2 C6:2 E6:2 G6:4 E6:4", "F#6:2 A6:2 D6:2 F#6:2 A6:4 F#6:4", "D#6:4 F#6:4 B5:4 A5:4",
                "B5:2 E6:2 G6:2 E6:2 B5:8"}};
    a4.fill = true;
    Section b1{{"Am", "Em", "Am", "B7"},
               {"C6:6 B5:2 A5:4 E6:4", "B5:6 A5:2 G5:4 E5:4", "A5:4 C6:4 E6:4 A6:4", "F#6:8 D#6:8"}};
    b1.crash = true;
    Section b2{{"Am", "Em", "F#m7", "B7"},
               {"E6:6 D6:2 C6:4 A5:4", "G5:4 B5:4 E6:8", "F#6:4 E6:2 C#6:2 A5:8", "B5:4 D#6:4 F#6:4 A6:4"}};
    b2.fill = true;
    // The middle: half time in G major, bells under a softer tune.
    auto middle = [](std::vector<std::string> chords, std::vector<std::string> tune) {
        Section m{std::move(chords), std::move(tune)};
        m.contrast = true;
        m.bassBar = "R.......R...F...";
        m.harmonyBar = "1...3...5...8...";
        m.drumBar = "k.h.h.h.s.h.h.h.";
        return m;
    };
    Section c1 = middle({"G", "Bm", "C", "D"}, {"B5:8 D6:4 G6:4", "F#6:8 D6:4 B5:4", "E6:6 G6:2 C6:8", "D6:12 r:4"});
    c1.crash = true;
    Section c2 =
        middle({"G", "Bm", "Em", "C"}, {"B5:8 D6:4 B6:4", "A6:6 F#6:2 D6:8", "G6:6 B6:2 E6:8", "C6:6 E6:2 G6:8"});
    Section c3 =
        middle({"Am", "D", "G", "Em"}, {"A6:6 G6:2 E6:8", "F#6:6 E6:2 D6:8", "D6:4 B5:4 G5:8", "B5:6 A5:2 G5:8"});
    Section c4 =
        middle({"C", "D", "Em", "B7"},
               {"G5:4 C6:4 E6:4 G6:4", "A6:4 F#6:4 D6:4 A5:4", "B5:4 E6:4 G6:4 B6:4", "A6:4 F#6:4 D#6:4 B5:4"});
    c4.fill = true;
    Section breakdown{{"Em", "Em", "C", "B7"},
                      {"E5:2 r:2 E5:2 r:2 G5:2 r:2 B5:2 r:2", "E6:2 r:2 E6:2 r:2 D6:2 r:2 B5:2 r:2",
                       "C6:2 r:2 C6:2 r:2 E6:2 r:2 G6:2 r:2", "F#6:4 D#6:4 B5:4 A5:4"}};
    breakdown.harmony = false;
    breakdown.fill = true;
    breakdown.drumBar = "k...k.h.k...k.hh";
    // The last round lands on B, the chord that leads home to the intro.
    Section outro{{"Em", "A", "C", "B7"},
                  {"E6:4 B5:4 G5:4 B5:4", "C#6:4 E6:4 A6:8", "G6:4 E6:4 C6:4 E6:4", "D#6:4 F#6:4 B6:8"}};
    outro.fill = true;
    p.sections = {intro, a1, a2, a3, a4, b1, b2, c1, c2, c3, c4, breakdown, transposed(a1, -2), transposed(a3, -2),
                  outro};
    p.loopTo = 0;
    return p;
}

// "Cockatoo Call": the level-clear and game-over piece, the same for both by
// the game's rules, so it neither cheers nor mourns: a flute call in F that
// rises, turns through the minor iv (B flat, then B flat minor: a smile with
// a sigh in it) and settles on the home chord's third. Then a quiet vamp of
// bells, F, D minor, B flat and B flat minor, goes round for as long as the
// screen stays up.
SongPlan clearJingle()
{
    SongPlan p;
    p.title = "cockatoo call";
    p.tempo = 104;
    p.level = 1.1;
    p.lead = SongPlan::Lead::Flute;
    p.harmony = SongPlan::Harmony::Bell;
    p.bass = SongPlan::Bass::Plucked;
    p.kit = SongPlan::Kit::Soft;
    p.vibrato = 0x44;
    p.bassBar = "R.......R...F...";
    p.harmonyBar = "1...5...8...5...";
    p.drumBar = "k...s...k.k.s...";
    p.fillBar = "c...............";

    Section call{{"F", "Bb Bbm", "F"}, {"C5:2 F5:2 A5:2 C6:6 A5:2 C6:2", "D6:4 F6:4 C#6:4 A#5:4", "A5:12 r:4"}};
    call.crash = true;
    call.fill = true;
    Section vamp{{"F", "Dm7", "Bbmaj7", "Bbm"}, {}};
    vamp.drums = false;
    vamp.harmonyBar = "1...5...3...5...";
    p.sections = {call, vamp};
    p.loopTo = 1;
    return p;
}

}  // namespace quindel::composer
