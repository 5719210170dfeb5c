#include "sound/SoundPlayer.h"

#include <string>

#include "sound/SoundRequestObserver.h"

namespace quindel {

SoundPlayer::SoundPlayer(AudioLayer& layer) : layer_(layer)
{
    layer_.init(MixRate, MaxChannels, InitFlags);
    moveSample_ = layer_.loadSample(std::string(MoveSampleFile));
    whiteSample_ = layer_.loadSample(std::string(WhiteSampleFile));
    blueSample_ = layer_.loadSample(std::string(BlueSampleFile));
    greenSample_ = layer_.loadSample(std::string(GreenSampleFile));
}

SoundPlayer::~SoundPlayer()
{
    if (songLoaded_) {
        layer_.freeSong(currentSong_);
    }
    layer_.close();
}

void SoundPlayer::playSong(int index)
{
    if (observer_ != nullptr) {
        observer_->songRequested(index);
    }
    // Only the five songs exist; an index past them would read outside the
    // table, so it changes nothing instead.
    if (index < 0 || index >= SongCount) {
        return;
    }
    // The last song is always freed first, even when the same one is asked
    // for again: that is what makes a new game restart its song.
    if (songLoaded_) {
        layer_.freeSong(currentSong_);
    }
    currentSong_ = layer_.loadSong(std::string(SongFiles[static_cast<std::size_t>(index)]));
    layer_.playSong(currentSong_);
    songLoaded_ = true;
}

void SoundPlayer::playMoveSound()
{
    if (observer_ != nullptr) {
        observer_->moveRequested();
    }
    layer_.playSound(moveSample_);
}

void SoundPlayer::playClearSound(CellColor color)
{
    if (observer_ != nullptr) {
        observer_->clearRequested(color);
    }
    switch (color) {
    case CellColor::White:
        layer_.playSound(whiteSample_);
        break;
    case CellColor::Blue:
        layer_.playSound(blueSample_);
        break;
    case CellColor::Green:
        layer_.playSound(greenSample_);
        break;
    default:
        break;
    }
}

}  // namespace quindel
