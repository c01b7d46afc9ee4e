// Sound output on SDL2_mixer: decoded effects on numbered channels, one streamed music track,
// and long tracks decoded whole on reserved channels (the night-club music and the rain loop).
//
// Channels 0..7 are the sound manager's effect slots; 8 and 9 are reserved for the two
// decoded streams. The mixer never picks a channel itself, so nothing else lands on them.
#pragma once

#include <string>

namespace plat {

inline constexpr int kEffectChannelCount = 8;
inline constexpr int kNightclubChannel = 8;
inline constexpr int kRainChannel = 9;
inline constexpr int kMixerChannelCount = 16;

// A decoded sound (opaque).
struct SoundChunk;
// The streamed music track (opaque).
struct MusicTrack;

// Opens the audio device and the mixer (44.1 kHz, 16-bit, stereo). Calls are counted; the
// device closes when the last user calls CloseAudio. When no real device can be opened, the
// silent "dummy" driver is tried, so a machine without sound still runs. False only when even
// that fails; error then holds the reason.
bool OpenAudio(std::string& error);
void CloseAudio();
bool IsAudioOpen();
// The driver in use ("dummy" when running silent), or empty when closed.
std::string AudioDriverName();

// Decodes a whole .wav or .ogg file. Null on failure, with the reason in error.
SoundChunk* LoadSound(const std::string& path, std::string& error);
// Stops every channel playing it, then frees it. Null is ignored.
void FreeSound(SoundChunk* chunk);

// Starts the sound on the channel (stopping what played there) at full volume and centred;
// loop repeats it until stopped.
bool PlaySoundOnChannel(int channel, SoundChunk* chunk, bool loop, std::string& error);
bool IsChannelPlaying(int channel);
void HaltChannel(int channel);
// 0..1, clamped.
void SetChannelVolume(int channel, float volume);
float GetChannelVolume(int channel);
// -1 (left) .. 1 (right), clamped; 0 is centred.
void SetChannelPan(int channel, float pan);

// Opens a music file for streaming. Null on failure, with the reason in error.
MusicTrack* LoadMusic(const std::string& path, std::string& error);
// Stops it when it is playing, then frees it. Null is ignored.
void FreeMusic(MusicTrack* track);
// Plays it once from the start, replacing the music that played.
bool PlayMusic(MusicTrack* track, std::string& error);
// True while music plays, muted or not.
bool IsMusicPlaying();
void HaltMusic();
// 0..1, clamped. 0 mutes the music without stopping it.
void SetMusicVolume(float volume);
float GetMusicVolume();

// Volume of every channel (not the music, which callers scale themselves), 0..1.
void SetMasterVolume(float volume);
float GetMasterVolume();

// A long track decoded when opened and played on a reserved channel: one at a time per
// stream object. Opening or stopping frees what the stream held, so nothing accumulates.
class AudioStream {
 public:
  explicit AudioStream(int channel) : channel_(channel) {}
  ~AudioStream() { Stop(); }
  AudioStream(const AudioStream&) = delete;
  AudioStream& operator=(const AudioStream&) = delete;

  // Decodes the file, freeing the track held before. False on failure (nothing held then).
  bool Open(const std::string& path, std::string& error);
  bool Play(bool loop, std::string& error);
  // Stops the channel and frees the track.
  void Stop();
  bool IsOpen() const { return chunk_ != nullptr; }
  bool IsPlaying() const;
  void SetVolume(float volume);
  int Channel() const { return channel_; }

 private:
  int channel_;
  SoundChunk* chunk_ = nullptr;
};

}  // namespace plat
