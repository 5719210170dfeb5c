#include "sound/SdlAudioLayer.h"

#include <span>

#include <SDL.h>
#include <SDL_mixer.h>

#include "sound/Mixer.h"
#include "sound/ModuleDecoder.h"
#include "sound/MusicFile.h"

namespace quindel {

namespace {

// Frames per mixer buffer: about 23 ms at 44.1 kHz, short enough that a move
// sound follows the key press without a noticeable delay.
constexpr int ChunkFrames = 1024;

}  // namespace

SdlAudioLayer::SdlAudioLayer() = default;

SdlAudioLayer::~SdlAudioLayer()
{
    close();
}

void SdlAudioLayer::init(int mixRate, int, std::uint32_t)
{
    if (subsystemStarted)
        return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    subsystemStarted = true;
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, ChunkFrames) != 0) {
        // No device: every load below is refused, so the game goes on silent.
        return;
    }
    mixerOpen = true;
    // The effects are mixed by our own mixer, not on SDL_mixer's channels.
    Mix_AllocateChannels(0);
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    mixer = std::make_unique<Mixer>(rate, channels);
    Mix_HookMusic(&SdlAudioLayer::mixHook, this);
    hookInstalled = true;
}

SampleHandle SdlAudioLayer::loadSample(const std::string& file)
{
    if (!mixerOpen)
        return SampleHandle::None;
    const std::optional<std::vector<std::byte>> bytes = MusicFile::read(file);
    if (!bytes)
        return SampleHandle::None;
    // SDL_mixer reads the wave and converts it to the device's rate and
    // channels; the mixer keeps its own copy of the frames.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
    if (chunk == nullptr)
        return SampleHandle::None;
    const std::span<const std::int16_t> frames(reinterpret_cast<const std::int16_t*>(chunk->abuf),
                                               chunk->alen / sizeof(std::int16_t));
    int index = 0;
    {
        const std::lock_guard<std::mutex> hold(mixLock);
        index = mixer->addSample(frames);
    }
    Mix_FreeChunk(chunk);
    const std::uint32_t handle = nextHandle++;
    loadedSamples.emplace(handle, index);
    return static_cast<SampleHandle>(handle);
}

void SdlAudioLayer::playSound(SampleHandle sample)
{
    const auto found = loadedSamples.find(static_cast<std::uint32_t>(sample));
    if (found == loadedSamples.end())
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->play(found->second);
}

SongHandle SdlAudioLayer::loadSong(const std::string& file)
{
    if (!mixerOpen)
        return SongHandle::None;
    std::unique_ptr<ModuleDecoder> decoder = ModuleDecoder::fromFile(file);
    if (!decoder)
        return SongHandle::None;
    const std::uint32_t handle = nextHandle++;
    loadedSongs.emplace(handle, std::move(decoder));
    return static_cast<SongHandle>(handle);
}

void SdlAudioLayer::playSong(SongHandle song)
{
    const auto found = loadedSongs.find(static_cast<std::uint32_t>(song));
    if (found == loadedSongs.end())
        return;
    playing = found->second.get();
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->setSong(playing);
}

void SdlAudioLayer::freeSong(SongHandle song)
{
    const auto found = loadedSongs.find(static_cast<std::uint32_t>(song));
    if (found == loadedSongs.end())
        return;
    if (playing == found->second.get()) {
        // Out of the mix before it goes, so the audio thread never sees it freed.
        const std::lock_guard<std::mutex> hold(mixLock);
        mixer->setSong(nullptr);
        playing = nullptr;
    }
    loadedSongs.erase(found);
}

void SdlAudioLayer::setMusicVolume(int volume)
{
    if (!mixer)
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->setMusicVolume(volume);
}

void SdlAudioLayer::setEffectsVolume(int volume)
{
    if (!mixer)
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->setEffectsVolume(volume);
}

void SdlAudioLayer::setMuted(bool muted)
{
    if (!mixer)
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->setMuted(muted);
}

void SdlAudioLayer::pauseMusic()
{
    if (!mixer)
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->pauseMusic();
}

void SdlAudioLayer::resumeMusic()
{
    if (!mixer)
        return;
    const std::lock_guard<std::mutex> hold(mixLock);
    mixer->resumeMusic();
}

void SdlAudioLayer::close()
{
    if (mixerOpen)
        stopHook();
    playing = nullptr;
    loadedSongs.clear();
    loadedSamples.clear();
    mixer.reset();
    if (mixerOpen) {
        Mix_CloseAudio();
        mixerOpen = false;
    }
    if (subsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted = false;
    }
}

void SdlAudioLayer::stopHook()
{
    // Mix_HookMusic takes the device's lock: once it returns, the audio
    // thread is out of the hook for good.
    if (hookInstalled) {
        Mix_HookMusic(nullptr, nullptr);
        hookInstalled = false;
    }
}

void SdlAudioLayer::mixHook(void* self, std::uint8_t* stream, int length)
{
    auto* layer = static_cast<SdlAudioLayer*>(self);
    if (length <= 0)
        return;
    // The device was opened for signed 16-bit samples; only the channel
    // count and rate may have been changed by SDL.
    const std::span<std::int16_t> out(reinterpret_cast<std::int16_t*>(stream),
                                      static_cast<std::size_t>(length) / sizeof(std::int16_t));
    const std::lock_guard<std::mutex> hold(layer->mixLock);
    layer->mixer->mix(out);
}

}  // namespace quindel
