// Sound manager.
#include "app/GUI_Sounds.h"

#include <filesystem>

#include "app/Game.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Vesk.h"

namespace {

// A failure is logged with the reason on a second line; the game goes on.
void Warn(const char* message, int line, const std::string& detail = {}) {
  LogWarning(message, "GUI_Sounds", line);
  if (!detail.empty()) DebugLog::Instance().Write("  " + detail);
}

// One spelling per file, whatever slashes, case or "./" the caller used.
std::string CacheKey(const std::string& file) {
  return std::filesystem::path(plat::ResolvePath(file)).lexically_normal().generic_string();
}

// The player's sound options.
float MasterVolume() { return SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kMasterVolume); }
float MusicVolume() { return SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kMusicVolume); }
bool MusicEnabled() { return SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableMusic); }

}  // namespace

namespace {

GUI_Sounds* g_instance = nullptr;  // deliberately never destroyed by the game

}  // namespace

GUI_Sounds& GUI_Sounds::Instance() {
  if (!g_instance) g_instance = new GUI_Sounds();
  return *g_instance;
}

void GUI_Sounds::DestroyInstanceForTesting() {
  delete g_instance;
  g_instance = nullptr;
}

GUI_Sounds::GUI_Sounds() {
  clock_.Start();
  std::string error;
  audioOpen_ = plat::OpenAudio(error);
  if (!audioOpen_) {
    Warn("Failed to init audio", __LINE__, error);
  } else if (plat::AudioDriverName() == "dummy") {
    DebugLog::Instance().Write("Sound: no audio device, running silent");
  }
  ResetPersonSoundTimer();
  ResetDogSoundTimer();
  ResetCatSoundTimer();
}

GUI_Sounds::~GUI_Sounds() {
  if (!audioOpen_) return;
  for (int slot = 0; slot < kSlotCount; ++slot) plat::HaltChannel(slot);
  nightclub_.Stop();
  FreeMusic();
  for (CachedSound& sound : soundCache_) plat::FreeSound(sound.chunk);
  soundCache_.clear();
  plat::CloseAudio();
}

double GUI_Sounds::Now() {
  clock_.Update();
  return clock_.elapsed;
}

// ---- effects ---------------------------------------------------------------------------

int GUI_Sounds::FindFreeSlot() const {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (!plat::IsChannelPlaying(slot)) return slot;
  LogWarning("No free channels", "GUI_Sounds", __LINE__);
  return -1;
}

plat::SoundChunk* GUI_Sounds::FindCachedSound(const std::string& file) const {
  const std::string key = CacheKey(file);
  for (const CachedSound& sound : soundCache_)
    if (sound.key == key) return sound.chunk;
  return nullptr;
}

int GUI_Sounds::PlaySound(const std::string& file, bool loop) {
  if (!audioOpen_) return -1;
  const int slot = FindFreeSlot();
  if (slot < 0) return -1;
  plat::SoundChunk* chunk = FindCachedSound(file);
  if (!chunk) {
    std::string error;
    chunk = plat::LoadSound(file, error);
    if (!chunk) {
      Warn("Failed to create sound", __LINE__, file + ": " + error);
      return -1;
    }
    soundCache_.push_back({CacheKey(file), chunk});
  }
  std::string error;
  if (!plat::PlaySoundOnChannel(slot, chunk, loop, error)) {
    Warn("Failed to reuse sound", __LINE__, file + ": " + error);
    return -1;
  }
  slotNames_[slot] = file;
  return slot;
}

int GUI_Sounds::PlaySoundPanned(const std::string& file, float volume, float pan, bool loop) {
  const int slot = PlaySound(file, loop);
  if (slot < 0) return -1;
  plat::SetChannelPan(slot, pan);
  plat::SetChannelVolume(slot, volume);
  return slot;
}

void GUI_Sounds::PlayClick(int variant) {
  if (variant == 0) PlaySound("data/sounds/click.ogg", false);
}

void GUI_Sounds::StopSlot(int slot) {
  if (slot < 0 || slot >= kSlotCount) return;
  plat::HaltChannel(slot);
}

void GUI_Sounds::StopSound(const std::string& file) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (slotNames_[slot] == file) plat::HaltChannel(slot);
}

bool GUI_Sounds::IsSoundPlaying(const std::string& file) const {
  if (nightclubPlaying_ && nightclubName_ == file) return true;
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (slotNames_[slot] == file && plat::IsChannelPlaying(slot)) return true;
  return false;
}

const std::string& GUI_Sounds::SlotName(int slot) const {
  static const std::string none;
  if (slot < 0 || slot >= kSlotCount) return none;
  return slotNames_[slot];
}

// ---- music -----------------------------------------------------------------------------

void GUI_Sounds::BuildMusicPlayList() { BuildMusicPlayList(Game::Instance().GetUserFolder()); }

void GUI_Sounds::BuildMusicPlayList(const std::string& userFolder) {
  playList_.clear();
  currentTrack_ = 0;
  auto addFolder = [this](const std::string& folder) {
    FileList list;
    list.AddFiles(folder + "/*.ogg");
    for (const std::string& name : list.files) playList_.push_back({folder, name, false});
  };
  addFolder("data/sounds/music");
  if (!userFolder.empty()) addFolder(userFolder + "/mods");
  if (playList_.empty()) return;
  PlayMusicTrack();
  RefreshMusicVolume();
  SetMasterVolume();
}

std::vector<std::string> GUI_Sounds::PlayListPaths() const {
  std::vector<std::string> paths;
  for (const Track& track : playList_) paths.push_back(track.Path());
  return paths;
}

bool GUI_Sounds::IsTrackBad(int index) const {
  return index >= 0 && index < static_cast<int>(playList_.size()) && playList_[index].bad;
}

bool GUI_Sounds::AllTracksBad() const {
  for (const Track& track : playList_)
    if (!track.bad) return false;
  return true;
}

bool GUI_Sounds::IsMusicPlaying() const { return music_ && plat::IsMusicPlaying(); }

void GUI_Sounds::FreeMusic() {
  if (!music_) return;
  plat::FreeMusic(music_);
  music_ = nullptr;
}

void GUI_Sounds::PlayMusicTrack() {
  if (!audioOpen_ || !MusicEnabled()) return;
  if (playList_.empty()) return;
  // A track that will not open is marked and the next one tried; each track at most once.
  for (size_t tries = 0; tries < playList_.size(); ++tries) {
    Track& track = playList_[currentTrack_];
    if (!track.bad) {
      ReportAssertion(!track.name.empty(), "GUI_Sounds", __LINE__);
      ++musicOpenAttempts_;
      std::string error;
      plat::MusicTrack* next = plat::LoadMusic(track.Path(), error);
      if (next) {
        FreeMusic();  // the old track stops here
        music_ = next;
        if (plat::PlayMusic(music_, error)) {
          musicStartMs_ = Now();
          RefreshMusicVolume();
          return;
        }
        FreeMusic();
      }
      Warn("Failed to createStream", __LINE__, track.Path() + ": " + error);
      track.bad = true;
    }
    currentTrack_ = (currentTrack_ + 1) % static_cast<int>(playList_.size());
  }
  FreeMusic();
  LogWarning("No playable music", "GUI_Sounds", __LINE__);
}

void GUI_Sounds::PlayNextTrack() {
  if (playList_.empty()) return;
  currentTrack_ = (currentTrack_ + 1) % static_cast<int>(playList_.size());
  PlayMusicTrack();
}

void GUI_Sounds::RestartMusic() {
  if (playList_.empty()) return;
  currentTrack_ = 0;
  PlayMusicTrack();
  RefreshMusicVolume();
}

void GUI_Sounds::StopMusic() { FreeMusic(); }

void GUI_Sounds::ApplyMusicVolume() {
  // The mixer's master volume leaves the music alone, so the music carries both factors.
  plat::SetMusicVolume(musicMuted_ ? 0.0f : MusicVolume() * MasterVolume());
}

void GUI_Sounds::MuteMusic() {
  musicMuted_ = true;
  if (music_) ApplyMusicVolume();
}

void GUI_Sounds::RefreshMusicVolume() {
  // The night-club music replaces the play list for the evening: regaining focus or changing
  // track must not bring the play list back underneath it.
  musicMuted_ = nightclubPlaying_;
  if (music_) ApplyMusicVolume();
}

void GUI_Sounds::SetMasterVolume() {
  plat::SetMasterVolume(MasterVolume());
  if (music_) ApplyMusicVolume();
}

void GUI_Sounds::PlayNightclubMusic(const std::string& file) {
  if (!audioOpen_) return;
  std::string error;
  if (!nightclub_.Open(file, error) || !nightclub_.Play(false, error)) {
    Warn("Failed to createStream", __LINE__, file + ": " + error);
    nightclub_.Stop();
    return;
  }
  nightclubPlaying_ = true;
  nightclubName_ = file;
  MuteMusic();
}

// ---- ambient sounds --------------------------------------------------------------------

void GUI_Sounds::ResetPersonSoundTimer() {
  personTimerStart_ = Now();
  personInterval_ = LookRandomFloat(15000.0f, 25000.0f);
}

void GUI_Sounds::ResetDogSoundTimer() {
  dogTimerStart_ = Now();
  dogInterval_ = LookRandomFloat(24000.0f, 48000.0f);
}

void GUI_Sounds::ResetCatSoundTimer() {
  catTimerStart_ = Now();
  catInterval_ = LookRandomFloat(24000.0f, 48000.0f);
}

void GUI_Sounds::PlayerSound(double now) {
  if (now - personTimerStart_ <= personInterval_) return;
  const SIM_Health& health = SIM_Health::Instance();
  const SIM_Vesk& player = *SIM_Vesk::Instance();
  if (!health.IsHealthy()) {
    ResetPersonSoundTimer();
    const std::string sound = health.PickIllnessSound();
    if (!sound.empty()) PlaySound(sound, false);
  } else if (player.IsExhausted()) {
    PlaySound("data/sounds/yawn.ogg", false);
    ResetPersonSoundTimer();
  } else if (player.HasValue("happiness") && player.GetValue("happiness") < 0.5f) {
    // A player without a happiness value (no game started) has no mood to sigh about.
    PlaySound(player.GetGender() == kFemale ? "data/sounds/female_sigh.ogg"
                                            : "data/sounds/male_sigh.ogg",
              false);
    ResetPersonSoundTimer();
  }
  // A content player makes no sound, and the timer stays run out: the sound comes as soon
  // as one of the cases applies.
}

void GUI_Sounds::UpdateMusicIfBuilt() {
  if (g_instance) g_instance->UpdateMusic();
}

void GUI_Sounds::UpdateMusic() {
  const double now = Now();
  if (music_ && !plat::IsMusicPlaying()) {
    if (now - musicStartMs_ < kShortestTrackMs && !playList_.empty()) {
      Warn("Music track ended at once; skipping it from now on", __LINE__,
           playList_[currentTrack_].Path());
      playList_[currentTrack_].bad = true;
    }
    if (AllTracksBad() || !MusicEnabled()) {
      FreeMusic();  // nothing more to play: stop checking every frame
    } else {
      PlayNextTrack();
    }
  }
}

void GUI_Sounds::UpdateSounds() {
  const double now = Now();
  UpdateMusic();

  // Night-club end.
  if (nightclubPlaying_ && !nightclub_.IsPlaying()) {
    nightclubPlaying_ = false;
    nightclub_.Stop();
    RefreshMusicVolume();
  }

  PlayerSound(now);

  const SIM_NamedValueList& flags = GlobalNamedValues();
  if (flags.IsSet("dog") && now - dogTimerStart_ > dogInterval_) {
    PlaySound(CurrentDate().IsFullMoon() ? "data/sounds/doghowl.ogg" : "data/sounds/dogbark.wav",
              false);
    ResetDogSoundTimer();
  }
  if (flags.IsSet("cat") && now - catTimerStart_ > catInterval_) {
    PlaySound("data/sounds/cat.ogg", false);
    ResetCatSoundTimer();
  }
}
