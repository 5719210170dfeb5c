#include "window/SoundDialog.h"

#include "game/Game.h"
#include "sound/SoundPlayer.h"
#include "widgets/DialogHost.h"
#include "window/PlayerSettings.h"

namespace quindel {

void SoundDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    SoundPlayer& sound = game.soundPlayer();
    musicAtOpen = sound.musicVolume();
    effectsAtOpen = sound.effectsVolume();
    for (const int bar : {MusicBarId, EffectsBarId})
        dialog.setRange(bar, 0, SoundPlayer::MaxVolume);
    dialog.setPosition(MusicBarId, musicAtOpen);
    dialog.setPosition(EffectsBarId, effectsAtOpen);
    dialog.setFocus(MusicBarId);
}

void SoundDialog::valueChanged(DialogHost& dialog, int controlId)
{
    SoundPlayer& sound = game.soundPlayer();
    if (controlId == MusicBarId) {
        sound.setMusicVolume(dialog.position(MusicBarId));
    } else if (controlId == EffectsBarId) {
        sound.setEffectsVolume(dialog.position(EffectsBarId));
        // The effects have nothing to be heard by while the dialog is open:
        // the move tick lets the player hear the new level.
        sound.previewMoveSound();
    }
}

void SoundDialog::command(DialogHost& dialog, int controlId)
{
    SoundPlayer& sound = game.soundPlayer();
    if (controlId == OkId) {
        const int music = dialog.position(MusicBarId);
        const int effects = dialog.position(EffectsBarId);
        sound.setMusicVolume(music);
        sound.setEffectsVolume(effects);
        settings.change([music, effects](Preferences& p) {
            p.musicVolume = music;
            p.effectsVolume = effects;
        });
        pause.resumeAfterDialog(dialog);
    } else if (controlId == CancelId) {
        sound.setMusicVolume(musicAtOpen);
        sound.setEffectsVolume(effectsAtOpen);
        pause.resumeAfterDialog(dialog);
    }
}

void SoundDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
