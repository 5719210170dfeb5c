#include "Songs.h"

namespace quindel::composer {

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
// marimba eighths and a plucked bass.
SongPlan firstLevels()
{
    SongPlan p;
    p.title = "pill parade";
    p.tempo = 116;
    p.lead = SongPlan::Lead::Pulse;
    p.pulseDuty = 0.25;
    p.harmony = SongPlan::Harmony::Marimba;
    p.vibrato = 0x52;
    p.bassBar = "R..RO.R.R..RF.O.";
    p.harmonyBar = "..3.5...8.3.5.3.";
    p.drumBar = "k.h.s.h.k.hks.h.";
    p.fillBar = "k.h.s.h.s.sst.t.";

    Section intro{{"G", "Em", "C", "D"}, {}};
    intro.fill = true;
    Section a{{"G", "Em", "C", "D"},
              {"B5:2 D6:2 B5:2 G5:2 A5:4 B5:4", "G5:2 E5:2 G5:2 B5:2 E6:6 D6:2", "C6:2 B5:2 A5:2 G5:2 E5:4 G5:4",
               "F#5:4 A5:4 D6:8"}};
    a.crash = true;
    Section a2{{"G", "Em", "C", "D"},
               {"B5:2 D6:2 B5:2 G5:2 A5:4 B5:4", "G5:2 E5:2 G5:2 B5:2 E6:6 F#6:2", "G6:4 E6:4 C6:4 E6:4",
                "D6:8 r:4 D6:2 E6:2"}};
    a2.fill = true;
    Section b{{"C", "D", "Bm", "Em"}, {"E6:6 D6:2 C6:4 G5:4", "F#5:6 G5:2 A5:8", "B5:6 A5:2 F#5:4 D5:4", "E5:12 r:4"}};
    b.crash = true;
    b.harmonyBar = "1.5.8.5.3.5.8.5.";
    Section b2{{"C", "D", "Bm", "Am D"},
               {"E6:6 D6:2 C6:4 E6:4", "F#6:6 E6:2 D6:8", "D6:4 B5:4 A5:4 F#5:4", "E5:4 A5:4 F#5:4 A5:4"}};
    b2.fill = true;
    b2.harmonyBar = b.harmonyBar;
    // The tune once more, then round through the intro, which gives the ear
    // a breath before the tune starts over.
    p.sections = {intro, a, a2, b, b2, a, a2};
    p.loopTo = 0;
    return p;
}

// "Century Steps": levels 2, 5, 8... A minor at 128, driving: a soft square
// tune with vibrato over a chiptune arpeggio and a busier bass.
SongPlan secondLevels()
{
    SongPlan p;
    p.title = "century steps";
    p.tempo = 128;
    p.lead = SongPlan::Lead::SoftSquare;
    p.harmony = SongPlan::Harmony::ChipPad;
    p.vibrato = 0x63;
    p.bassBar = "R.RRO.RRR.RRO.RF";
    p.harmonyBar = "A.......A...A...";
    p.drumBar = "k.h.s.hkk.h.s.ho";
    p.fillBar = "k.h.s.hks.s.ssss";

    Section intro{{"Am", "F", "C", "G"}, {}};
    intro.fill = true;
    Section a{
        {"Am", "F", "C", "G"},
        {"A5:3 B5:1 C6:2 E6:4 D6:2 C6:2 B5:2", "A5:6 F5:2 A5:2 C6:2 D6:4", "E6:6 D6:2 C6:4 G5:4", "B5:8 D6:4 B5:4"}};
    a.crash = true;
    Section a2{
        {"Am", "F", "C", "G E"},
        {"A5:3 B5:1 C6:2 E6:4 D6:2 C6:2 B5:2", "A5:6 F5:2 A5:2 C6:2 F6:4", "E6:4 G6:4 E6:4 C6:4", "D6:4 B5:4 G#5:8"}};
    a2.fill = true;
    Section b{{"F", "G", "Em", "Am"},
              {"C6:2 C6:2 A5:2 C6:2 F6:6 E6:2", "D6:2 D6:2 B5:2 D6:2 G6:6 F6:2", "E6:4 B5:4 G5:4 B5:4", "A5:12 r:4"}};
    b.crash = true;
    b.harmonyBar = "A...A...A...A.A.";
    Section b2{
        {"F", "G", "Em", "E"},
        {"C6:2 C6:2 A5:2 C6:2 F6:6 E6:2", "D6:2 D6:2 B5:2 D6:2 G6:6 A6:2", "G6:4 E6:4 B5:4 G5:4", "G#5:8 B5:4 E6:4"}};
    b2.fill = true;
    b2.harmonyBar = b.harmonyBar;
    p.sections = {intro, a, a2, b, b2, a, a2};
    p.loopTo = 0;
    return p;
}

// "Arcade Fever": levels 3, 6, 9... E minor at 144, the fastest: a narrow
// pulse tune, a rapid arpeggio, a sixteenth-note bass and busy drums, with a
// drums-and-bass break before the tune comes back.
SongPlan thirdLevels()
{
    SongPlan p;
    p.title = "arcade fever";
    p.tempo = 144;
    p.lead = SongPlan::Lead::Pulse;
    p.pulseDuty = 0.125;
    p.harmony = SongPlan::Harmony::ChipPad;
    p.vibrato = 0x62;
    p.bassBar = "RROR.RORRROR.ROF";
    p.harmonyBar = "A...A...A...A.A.";
    p.drumBar = "k.hhs.hkk.hhs.ho";
    p.fillBar = "k.hhs.hks.sst.tt";

    Section intro{{"Em", "C", "D", "B"}, {}};
    intro.fill = true;
    Section a{{"Em", "C", "D", "B"},
              {"E5:2 G5:2 B5:2 E6:4 D6:2 B5:2 G5:2", "C6:2 E6:2 G6:4 E6:2 C6:2 G5:4", "D6:2 F#6:2 A6:4 F#6:2 D6:2 A5:4",
               "D#6:4 F#6:4 B5:8"}};
    a.crash = true;
    Section a2{{"Em", "C", "D", "B7"},
               {"E5:2 G5:2 B5:2 E6:4 D6:2 B5:2 G5:2", "C6:2 E6:2 G6:4 E6:2 C6:2 G5:4",
                "A6:4 G6:2 F#6:2 E6:2 D6:2 F#6:4", "D#6:2 E6:2 F#6:4 A6:4 F#6:4"}};
    a2.fill = true;
    Section b{{"Am", "D", "G C", "B"},
              {"E6:6 C6:2 A5:4 C6:4", "D6:6 A5:2 F#5:4 A5:4", "B5:4 D6:4 C6:4 E6:4", "D#6:8 F#6:8"}};
    b.crash = true;
    Section b2{{"Am", "D", "G C", "B7"},
               {"A6:4 G6:2 E6:2 C6:4 A5:4", "F#6:4 E6:2 D6:2 A5:4 D6:4", "D6:2 B5:2 G5:2 B5:2 E6:2 C6:2 G5:2 C6:2",
                "B5:4 D#6:4 F#6:4 A6:4"}};
    b2.fill = true;
    Section breakdown{{"Em", "Em", "C", "B"}, {}};
    breakdown.harmony = false;
    breakdown.fill = true;
    breakdown.drumBar = "k...k.h.k...k.hh";
    p.sections = {intro, a, a2, b, b2, breakdown, a, a2};
    p.loopTo = 0;
    return p;
}

// "Cockatoo Call": the level-clear and game-over piece. Three bars of
// fanfare in C at 120, then a quiet four-bar vamp of bells that goes round
// for as long as the screen stays up.
SongPlan clearJingle()
{
    SongPlan p;
    p.title = "cockatoo call";
    p.tempo = 120;
    p.lead = SongPlan::Lead::Pulse;
    p.pulseDuty = 0.3;
    p.harmony = SongPlan::Harmony::Bell;
    p.vibrato = 0x44;
    p.bassBar = "R.......R...F...";
    p.harmonyBar = "1...5...8...5...";
    p.drumBar = "k...s...k.k.s...";
    p.fillBar = "c...............";

    Section fanfare{{"C", "F G", "C"}, {"C5:2 E5:2 G5:2 C6:6 G5:2 C6:2", "A5:4 C6:4 B5:4 D6:4", "C6:12 r:4"}};
    fanfare.crash = true;
    fanfare.fill = true;
    Section vamp{{"C", "Am", "F", "G"}, {}};
    vamp.drums = false;
    p.sections = {fanfare, vamp};
    p.loopTo = 1;
    return p;
}

}  // namespace quindel::composer
