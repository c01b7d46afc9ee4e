// Sound output on SDL2_mixer.
#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "platform/Files.h"

struct plat::SoundChunk {
  Mix_Chunk* chunk = nullptr;
};

struct plat::MusicTrack {
  Mix_Music* music = nullptr;
};

namespace plat {
namespace {

int g_openCount = 0;
bool g_mixInitDone = false;
float g_musicVolume = 1.0f;

int ToMixVolume(float volume) {
  return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

bool ValidChannel(int channel) { return channel >= 0 && channel < kMixerChannelCount; }

bool OpenDevice(std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error = SDL_GetError();
    return false;
  }
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    error = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

bool OpenAudio(std::string& error) {
  if (g_openCount > 0 && !SDL_WasInit(SDL_INIT_AUDIO)) {
    // SDL was shut down under the mixer (SDL_Quit closes every subsystem): start afresh.
    while (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) Mix_CloseAudio();
    g_openCount = 0;
  }
  if (g_openCount > 0) {
    ++g_openCount;
    return true;
  }
  if (!g_mixInitDone) {
    // Ogg support is a plug-in of the mixer; without it .wav files still play.
    Mix_Init(MIX_INIT_OGG);
    g_mixInitDone = true;
  }
  if (!OpenDevice(error)) {
    // No usable sound device: go on silent rather than refuse to start.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string dummyError;
    if (!OpenDevice(dummyError)) {
      error += "; " + dummyError;
      return false;
    }
  }
  Mix_AllocateChannels(kMixerChannelCount);
  // Reserved so that the mixer never chooses these channels by itself.
  Mix_ReserveChannels(kMixerChannelCount);
  Mix_MasterVolume(MIX_MAX_VOLUME);
  g_musicVolume = 1.0f;
  Mix_VolumeMusic(MIX_MAX_VOLUME);
  ++g_openCount;
  return true;
}

void CloseAudio() {
  if (g_openCount == 0) return;
  if (--g_openCount > 0) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool IsAudioOpen() { return g_openCount > 0 && SDL_WasInit(SDL_INIT_AUDIO) != 0; }

std::string AudioDriverName() {
  if (g_openCount == 0) return {};
  const char* name = SDL_GetCurrentAudioDriver();
  return name ? name : "";
}

// The file to decode, or empty with the reason when audio is closed or the file is missing.
static std::string LoadablePath(const std::string& path, std::string& error) {
  if (g_openCount == 0) {
    error = "audio is not open";
    return {};
  }
  const std::string resolved = ResolvePath(path);
  if (!IsRegularFile(resolved)) {
    error = "file not found: " + path;
    return {};
  }
  return resolved;
}

SoundChunk* LoadSound(const std::string& path, std::string& error) {
  const std::string resolved = LoadablePath(path, error);
  if (resolved.empty()) return nullptr;
  Mix_Chunk* chunk = Mix_LoadWAV(resolved.c_str());
  if (!chunk) {
    error = Mix_GetError();
    return nullptr;
  }
  return new SoundChunk{chunk};
}

void FreeSound(SoundChunk* chunk) {
  if (!chunk) return;
  if (chunk->chunk) Mix_FreeChunk(chunk->chunk);  // halts every channel playing it first
  delete chunk;
}

bool PlaySoundOnChannel(int channel, SoundChunk* chunk, bool loop, std::string& error) {
  if (!ValidChannel(channel) || !chunk || !chunk->chunk || g_openCount == 0) {
    error = "nothing to play";
    return false;
  }
  Mix_HaltChannel(channel);
  // A reused channel starts like a new one: full volume, no panning left over.
  Mix_Volume(channel, MIX_MAX_VOLUME);
  Mix_SetPanning(channel, 255, 255);
  if (Mix_PlayChannel(channel, chunk->chunk, loop ? -1 : 0) < 0) {
    error = Mix_GetError();
    return false;
  }
  return true;
}

bool IsChannelPlaying(int channel) {
  return g_openCount > 0 && ValidChannel(channel) && Mix_Playing(channel) != 0;
}

void HaltChannel(int channel) {
  if (g_openCount > 0 && ValidChannel(channel)) Mix_HaltChannel(channel);
}

void SetChannelVolume(int channel, float volume) {
  if (g_openCount > 0 && ValidChannel(channel)) Mix_Volume(channel, ToMixVolume(volume));
}

float GetChannelVolume(int channel) {
  if (g_openCount == 0 || !ValidChannel(channel)) return 0.0f;
  return static_cast<float>(Mix_Volume(channel, -1)) / MIX_MAX_VOLUME;
}

void SetChannelPan(int channel, float pan) {
  if (g_openCount == 0 || !ValidChannel(channel)) return;
  pan = std::clamp(pan, -1.0f, 1.0f);
  const auto left = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f - pan)));
  const auto right = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f + pan)));
  Mix_SetPanning(channel, left, right);
}

MusicTrack* LoadMusic(const std::string& path, std::string& error) {
  const std::string resolved = LoadablePath(path, error);
  if (resolved.empty()) return nullptr;
  Mix_Music* music = Mix_LoadMUS(resolved.c_str());
  if (!music) {
    error = Mix_GetError();
    return nullptr;
  }
  return new MusicTrack{music};
}

void FreeMusic(MusicTrack* track) {
  if (!track) return;
  if (track->music) Mix_FreeMusic(track->music);  // halts it first when it is playing
  delete track;
}

bool PlayMusic(MusicTrack* track, std::string& error) {
  if (!track || !track->music || g_openCount == 0) {
    error = "nothing to play";
    return false;
  }
  if (Mix_PlayMusic(track->music, 0) != 0) {
    error = Mix_GetError();
    return false;
  }
  Mix_VolumeMusic(ToMixVolume(g_musicVolume));
  return true;
}

bool IsMusicPlaying() { return g_openCount > 0 && Mix_PlayingMusic() != 0; }

void HaltMusic() {
  if (g_openCount > 0) Mix_HaltMusic();
}

void SetMusicVolume(float volume) {
  g_musicVolume = std::clamp(volume, 0.0f, 1.0f);
  if (g_openCount > 0) Mix_VolumeMusic(ToMixVolume(g_musicVolume));
}

float GetMusicVolume() { return g_musicVolume; }

void SetMasterVolume(float volume) {
  if (g_openCount > 0) Mix_MasterVolume(ToMixVolume(volume));
}

float GetMasterVolume() {
  if (g_openCount == 0) return 0.0f;
  return static_cast<float>(Mix_MasterVolume(-1)) / MIX_MAX_VOLUME;
}

bool AudioStream::Open(const std::string& path, std::string& error) {
  Stop();
  chunk_ = LoadSound(path, error);
  return chunk_ != nullptr;
}

bool AudioStream::Play(bool loop, std::string& error) {
  if (!chunk_) {
    error = "no stream open";
    return false;
  }
  return PlaySoundOnChannel(channel_, chunk_, loop, error);
}

void AudioStream::Stop() {
  if (!chunk_) return;
  HaltChannel(channel_);
  FreeSound(chunk_);
  chunk_ = nullptr;
}

bool AudioStream::IsPlaying() const { return chunk_ && IsChannelPlaying(channel_); }

void AudioStream::SetVolume(float volume) { SetChannelVolume(channel_, volume); }

}  // namespace plat
