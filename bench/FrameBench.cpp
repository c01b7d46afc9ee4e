// The cost of the game's real frames, each scene drawn for a few hundred frames through the
// game's own frame step on the off-screen software renderer at 1024 x 768:
//
//   menu     the main menu;
//   game     a new game's first screen (room, avatar, panels);
//   weather  a day-800 game loaded as the load menu loads it, with every particle effect of
//            the main scene at its most: rain and snow both at full intensity (a day has one
//            kind; both are the most the scene can draw) at the highest snowfall, the
//            snowdrops, the flies of a filthy flat and the fish;
//   late     the same game loaded again, on a rainy day, with the skills panel, a post-it, two
//            mail items opened and the social chooser holding every contact;
//   snow     the same game loaded again on a snowy day as heavy as a day's roll makes it, at
//            the highest snowfall: all 1,000 flakes fall and leave their snowdrops.
//
// The day-800 game is played first, in this process, by tovel-bench's headless player on the
// headless screens (seed 1: the game `tovel-bench --seed 1 --save-at 800` saves), saved with
// the save menu's call and then thrown away, before the game's own screens are installed.
//
// The scenes take turns, in three rounds of a third of the frames each, each scene set up
// afresh every round: a slower spell of a shared machine then weighs on every scene alike
// instead of on whichever scene it fell in.
//
// Prints "ms_per_frame_<scene>" (medians over the rounds), "ratio_<scene>_to_menu" for every
// other scene (measured in the same run) and, for finding where the time goes, the texture
// binds of one frame of each scene.
//
//   bench-frame [--frames N] [--shot PREFIX]
//     (default 300 frames of each; --shot writes PREFIX_<scene>.bmp of each scene)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/AppShell.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_SimScreens.h"
#include "gui/GUI_Tutorial.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "hooks/HOOK_Hooks.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Weather.h"

#include "HeadlessDay.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;
// The late game's day and its save's name in the bench's save folder.
constexpr int kLateDay = 800;
constexpr const char* kLateSlot = "late";
// Frames drawn before a scene is timed: textures load and text renders on first use, which a
// player sees once, not every frame; and the rain takes a hundred frames to fade in.
constexpr int kWarmUpFrames = 120;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

constexpr int kRounds = 3;

// A scene's frames, over every round.
struct Figures {
  std::vector<double> ms;
  long binds = 0;
  double Ms() const { return Median(ms); }
  double BindsPerFrame() const {
    return ms.empty() ? 0.0 : static_cast<double>(binds) / static_cast<double>(ms.size());
  }
};

// Runs `frames` frames of the current mode through the game's frame step into `figures`.
void RunFrames(int frames, Figures& figures) {
  Game& game = Game::Instance();
  plat::RenderDevice* device = D3DEngine::Instance().GetDevice();
  for (int i = 0; i < kWarmUpFrames; ++i) game.Frame();
  const auto before = device->GetBindCounts();
  for (int i = 0; i < frames; ++i) {
    const auto start = std::chrono::steady_clock::now();
    game.Frame();
    figures.ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  figures.binds += device->GetBindCounts().changes - before.changes;
}

// One frame drawn as the game's frame step draws it, read back before the present and
// written as a 24-bit BMP: to see what the figures are of.
void WriteShot(const std::string& path) {
  D3DEngine& engine = D3DEngine::Instance();
  GUI_GameModeBase* mode = Game::Instance().GetCurrentMode();
  engine.BeginRender();
  mode->Update();
  mode->Draw();
  engine.EndScene();
  FlushGdiText(-1);
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  const bool read = engine.GetDevice()->ReadPixels(px, w, h, error);
  engine.Flip();
  if (!read) return;
  const int rowBytes = (w * 3 + 3) & ~3;
  std::vector<uint8_t> file(54 + static_cast<size_t>(rowBytes) * h, 0);
  auto put32 = [&file](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = px[static_cast<size_t>(y) * w + x];
      uint8_t* out = &file[54 + static_cast<size_t>(h - 1 - y) * rowBytes + x * 3];
      out[0] = static_cast<uint8_t>(c), out[1] = static_cast<uint8_t>(c >> 8),
      out[2] = static_cast<uint8_t>(c >> 16);
    }
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
  }
}


// The late game: tovel-bench's game (seed 1, its player) played to kLateDay on the headless
// screens and saved with the save menu's call. The world is then thrown away under the same
// screens, so the game's screens, installed afterwards, never hear of its people. False when
// the game ended first or the save failed. The generator is left as the start-up left it.
bool WriteLateSave() {
  SIM_SIM& sim = SIM_SIM::Instance();
  InstallScreens(&SIM_HeadlessScreens::Instance());
  SetFixedRandomSeed(1);
  sim.Init();
  const uint32_t started = GetRandomState();
  // Its days are played without the daily autosave, which changes nothing in the game.
  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  const bool autosave = options.GetToggle(SIM_PlayerOptions::kEnableAutosave);
  options.SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  bench::StartTheGame();
  bool over = false;
  for (int day = 0; day < kLateDay && !over; ++day) {
    bench::PlayTheDay(headless::Habits::kDefault);
    sim.NextDay();
    over = bench::AnswerTheDay().over;
  }
  const bool saved = !over && SIM_SaveGame::Save(kLateSlot);
  sim.ResetWorld();
  options.SetToggle(SIM_PlayerOptions::kEnableAutosave, autosave);
  SIM_GameConfig::Instance().Reset();
  SetRandomState(started);
  return saved;
}

// What a click on the load menu's row does: the game loaded, the in-game screen started on it.
bool LoadAsTheLoadMenuDoes(const std::string& slot) {
  if (!SIM_LoadGame::Load(slot)) return false;
  GUI_GUI::Instance().StartGame();
  Shell().SetInGame(true);
  Shell().SetMode(GAMEMODE_INGAME);
  SIM_Statistics::Instance().StartPlayTimer();
  return true;
}

// Today's weather as a day's roll sets it, and the weather panel told.
void SetWeather(int kind, float intensity) {
  SIM_Weather::Instance().SetWeather(kind, intensity);
  Screens().RefreshWeatherTooltip();
}

// The player's contacts: everyone the player has been introduced to, whom an evening may take.
std::vector<SIM_NPC*> Contacts() {
  std::vector<SIM_NPC*> contacts;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsIntroduced()) contacts.push_back(npc);
  return contacts;
}

// The social chooser opened as its button opens it, turned to the evening with the most guest
// places and holding every contact (taken in as the no-money dialog takes a guest in, without
// the invitation's tests, so none refuses).
void OpenSocialChooserWithEveryContact() {
  GUI_SocialActivityChooser::Open();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  const std::vector<SIM_SocialiseType*>& types = chooser->Available();
  const auto widest = std::max_element(types.begin(), types.end(),
                                       [](const SIM_SocialiseType* a, const SIM_SocialiseType* b) {
                                         return a->maxGuests < b->maxGuests;
                                       });
  for (auto at = types.begin(); at != widest; ++at) chooser->Next();
  for (SIM_NPC* contact : Contacts()) GUI_SocialActivityChooser::AddInvitee(contact);
}

// The late scene: a rainy day of the loaded game with the skills panel (opened out when it has
// more skills than its three columns show), an evening class's post-it, two mail items sent as
// the simulation sends them (a contact's greeting as a new friend, and the offer of the job a
// contact can open up, from the last such contact so that two people write when they can) and
// opened as a click opens them, and the social chooser holding every contact.
bool SetUpLateScene() {
  if (!LoadAsTheLoadMenuDoes(kLateSlot)) return false;
  SetWeather(WEATHER_RAIN, 0.6f);
  if (GUI_Skills* skills = GUI_Skills::Instance(); skills && skills->Arrow()->IsVisible())
    skills->Arrow()->Activate();
  Screens().AddPostit(Translate("REMINDER_EVENING_CLASS"), kPostitSoloActivity, "eveningclasses");
  const std::vector<SIM_NPC*> contacts = Contacts();
  if (!contacts.empty()) Screens().AddNewFriend(contacts.front());
  const auto unlocking = std::find_if(contacts.rbegin(), contacts.rend(),
                                      [](const SIM_NPC* npc) { return npc->GetUnlockableJob(); });
  if (unlocking != contacts.rend())
    Screens().AddJobUnlock(*unlocking, (*unlocking)->GetUnlockableJob());
  for (GUI_Email* item : GUI_Email::Items()) item->Open();
  OpenSocialChooserWithEveryContact();
  return true;
}

// The weather scene: the loaded game with every particle effect of the main scene at its most.
// The intensities are published as a day's roll publishes them and read back as a load reads
// them, which is the one way both kinds fall at once.
bool SetUpWeatherScene() {
  if (!LoadAsTheLoadMenuDoes(kLateSlot)) return false;
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 1.0f);
  SetGlobalValue("weather_rain", 1.0f);
  SetGlobalValue("weather_snow", 1.0f);
  SIM_Weather::Instance().RestoreFromGlobals();
  Screens().RefreshWeatherTooltip();
  SetGlobalValue("glob_dirt", 1.0f);  // the most flies
  Screens().RefreshDirtSprites();
  SetGlobalValue("fish", 1.0f);  // a goldfish owned: the fish tank swims
  return true;
}

// The snowy day: the loaded game with today's weather the heaviest snow a day's roll gives and
// the snowfall option at its highest, so every flake falls.
bool SetUpSnowScene() {
  if (!LoadAsTheLoadMenuDoes(kLateSlot)) return false;
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 1.0f);
  SetWeather(WEATHER_SNOW, 1.0f);
  return true;
}

struct Scene {
  const char* name;
  // Puts the scene on screen; false when it could not be.
  std::function<bool()> setUp;
  Figures figures;
};

}  // namespace

int main(int argc, char** argv) {
  int frames = 300;
  std::string shot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
      frames = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
      shot = std::filesystem::absolute(argv[++i]).string();
    } else {
      std::fprintf(stderr, "usage: %s [--frames N] [--shot PREFIX]\n", argv[0]);
      return 2;
    }
  }
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  plat::ChangeDirectory(TOVEL_SOURCE_DIR);
  // The player's options, saves and hints seen go to a folder of this run's own.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() /
      ("tovel-bench-frame-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(home / "savegames");
  SIM_PlayerOptions::Instance().SetFolder(home.string());
  SIM_SaveGame::SetFolder((home / "savegames").string());
  SetHintFolder(home.string());
  auto finish = [&home](int code) {
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return code;
  };

  if (!WriteLateSave()) {
    std::fprintf(stderr, "bench-frame: the day-%d game could not be saved\n", kLateDay);
    return finish(1);
  }

  // What the game's start-up does, on the off-screen device instead of a window.
  D3DEngine& engine = D3DEngine::Instance();
  engine.SetLogPath((home / "drawdebug.txt").string());
  if (!engine.InitOffscreen(kWidth, kHeight)) {
    std::fprintf(stderr, "bench-frame: no renderer\n");
    return finish(1);
  }
  engine.AddTextureFolder("data/bitmaps");
  Game& game = Game::Instance();
  game.SetSleepMs(0);
  // The layers plugged together as the game's start-up does.
  InstallShell(&AppShell::Instance());
  InstallScreens(&GUI_SimScreens::Instance());
  RegisterHobbyHooks();
  GUI_GUI::Instance().LoadResources();
  // Games without the tutorial's windows.
  GUI_Tutorial::SetActive(false);

  std::vector<Scene> scenes = {
      // The start-up's menu, with no game on to save or resume, in every round.
      {"menu",
       [&game] {
         game.SetInGame(false);
         game.SetMode(GAMEMODE_MAINMENU);
         return true;
       },
       {}},
      // A new game as the new-game screen starts it.
      {"game",
       [&game] {
         SIM_GameConfig::Instance().SetName("Sam Bench");
         SIM_GameConfig::Instance().SetAvatarName("m_alex.dds");  // a shipped picture and room
         game.StartNewGame();
         return true;
       },
       {}},
      // Each late-game scene starts from the save, loaded afresh.
      {"weather", SetUpWeatherScene, {}},
      {"late", SetUpLateScene, {}},
      {"snow", SetUpSnowScene, {}},
  };
  const int framesPerRound = (frames + kRounds - 1) / kRounds;
  for (int round = 0; round < kRounds; ++round)
    for (Scene& scene : scenes) {
      // Every round meets the scene as the first did: the one-time hints come again, and the
      // last scene's post-its (which outlive a new game and a load) go.
      std::error_code ignored;
      std::filesystem::remove(HintUserFile(), ignored);
      GUI_Postit::PrepareSlots();
      if (!scene.setUp()) {
        std::fprintf(stderr, "bench-frame: the %s scene could not be set up\n", scene.name);
        return finish(1);
      }
      RunFrames(framesPerRound, scene.figures);
      if (!shot.empty() && round == kRounds - 1) WriteShot(shot + "_" + scene.name + ".bmp");
    }

  const double menuMs = scenes.front().figures.Ms();
  for (const Scene& scene : scenes)
    std::printf("ms_per_frame_%s %.3f\n", scene.name, scene.figures.Ms());
  for (const Scene& scene : scenes)
    if (&scene != &scenes.front())
      std::printf("ratio_%s_to_menu %.2f\n", scene.name, scene.figures.Ms() / menuMs);
  for (const Scene& scene : scenes)
    std::printf("texture_binds_per_frame_%s %.1f\n", scene.name, scene.figures.BindsPerFrame());

  GUI_GUI::Instance().ReleaseResources();
  SIM_SIM::Instance().Shutdown();
  engine.Release();
  return finish(0);
}
