#include "sound/SoundPlayer.h"

#include <string>

#include "sound/SoundRequestObserver.h"

namespace quindel {

SoundPlayer::SoundPlayer(AudioLayer& layer) : audio(layer)
{
    audio.init(MixRate, MaxChannels, InitFlags);
    moveSample = audio.loadSample(std::string(MoveSampleFile));
    whiteSample = audio.loadSample(std::string(WhiteSampleFile));
    blueSample = audio.loadSample(std::string(BlueSampleFile));
    greenSample = audio.loadSample(std::string(GreenSampleFile));
}

SoundPlayer::~SoundPlayer()
{
    if (songIsLoaded)
        audio.freeSong(currentSong);
    audio.close();
}

void SoundPlayer::playSong(int index)
{
    if (requestObserver != nullptr)
        requestObserver->songRequested(index);
    // Only the five songs exist; an index past them would read outside the
    // table, so it changes nothing instead.
    if (index < 0 || index >= SongCount)
        return;
    // The last song is always freed first, even when the same one is asked
    // for again: that is what makes a new game restart its song.
    if (songIsLoaded)
        audio.freeSong(currentSong);
    currentSong = audio.loadSong(std::string(SongFiles[static_cast<std::size_t>(index)]));
    audio.playSong(currentSong);
    songIsLoaded = true;
}

void SoundPlayer::playMoveSound()
{
    if (requestObserver != nullptr)
        requestObserver->moveRequested();
    audio.playSound(moveSample);
}

void SoundPlayer::playClearSound(CellColor color)
{
    if (requestObserver != nullptr)
        requestObserver->clearRequested(color);
    switch (color) {
    case CellColor::White:
        audio.playSound(whiteSample);
        break;
    case CellColor::Blue:
        audio.playSound(blueSample);
        break;
    case CellColor::Green:
        audio.playSound(greenSample);
        break;
    default:
        break;
    }
}

}  // namespace quindel
