// Writes the saves the save-fixture test loads and saves again, and what the game saved from
// each when they were made (the files "<name>.expected.xml"): a new game, a game some 400 days
// in with something in every part of the file, a game whose year's review waits, and a
// finished game. The older files (1.23, 1.24) are copies kept beside them by hand.
//
//   tovel_save_fixtures <folder>     (run from the source folder, which holds data/)
//
// The fixtures pin the file the game writes: made once, they are not made again when the
// writer changes (a save the folder holds is kept); a change that alters the expected files
// is a change of the format.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hooks/HOOK_Hooks.h"
#include "platform/MessageBox.h"
#include "saves/Resave.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Vesk.h"
#include "support/PlayDays.h"
#include "support/RecordingScreens.h"

namespace fs = std::filesystem;

namespace {

fs::path g_out;

// A save already in the folder is kept as it was made (remove it to make it again); only
// what the game now saves from it is written anew.
void Keep(const std::string& name) {
  if (fs::exists(g_out / (name + ".xml"))) {
    std::printf("%s: kept\n", name.c_str());
    return;
  }
  const std::string text = SIM_SaveGame::BuildText();
  std::ofstream(g_out / (name + ".xml"), std::ios::binary) << text;
  std::printf("%s: %zu bytes\n", name.c_str(), text.size());
}

// What play leaves empty by day 400, filled through the game's own calls.
void FillEverySection() {
  SIM_Finances::Instance().SetCash(50000.0f);
  for (SIM_PetBase* pet : Pets)
    if (pet && !pet->IsOwned()) pet->Buy();
  for (SIM_Asset* asset : std::vector<SIM_Asset*>(SIM_Asset::Owned()))
    if (!dynamic_cast<SIM_PetBase*>(asset)) {
      asset->Sell();
      break;
    }
  SIM_Vesk::Instance()->SetJob(SIM_JobBase::FindByName("solicitor"));
  SIM_JobBase::FindByName("secretary")->StartApplyCooldown();
  for (SIM_AchievementBase* project : AllProjects())
    if (project->GetStepQualities().empty())
      project->Restore(0.5f, 0.625f, "Working title", {0.25f, 0.75f, 0.5f});
  SIM_RoyaltyStream* song = CreateRoyaltyStream("A <tune> & more", 125.5f, SIM_RoyaltyStream::kSong);
  song->Restore(1000.25f, 60.5f);
  Screens().AddRoyaltyReport(song);
  HOOK_EveningClassType::All().front()->Enrol();
  UnlockAchievement("ACH_CAT_OWNED");
  SIM_Rumour::Create("The cinema is closing", SIM_Rumour::kFilms);
  SIM_SmallTalk::AddNews("SMALLTALK_NEWS", 3);

  // A letter of every kind the player can answer.
  SIM_NPC* npc = SIM_NPC::All().front();
  SIM_SocialInvitation* invitation =
      SIM_SocialInvitation::Create(npc, SIM_SocialiseType::All().front().get(), 0);
  invitation->AddGuest(npc);
  invitation->AddGuest(SIM_NPC::All().back());
  invitation->BuildText();
  Screens().AddInvitation(invitation);
  auto* offer = new SIM_JobOffer(SIM_JobBase::FindDefaultJob(), true, 0);
  offer->Restore(false, SIM_JobOffer::kDaysToAnswer, false);
  Screens().AddJobOffer(offer);
  for (SIM_NPC* other : SIM_NPC::All())
    if (other->GetUnlockableJob()) {
      Screens().AddJobUnlock(other, other->GetUnlockableJob());
      break;
    }
  Screens().AddNPCMessage(npc, "See you at the pub");
  Screens().AddNewFriend(npc);
  Screens().AddRumour(npc);
  Screens().AddTextureMessage("postcard.dds", "Greetings", "From the coast");
  for (const auto& event : SIM_SpecialEvent::All())
    if (!event->IsTriggered()) {
      event->Trigger();
      break;
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  g_out = fs::absolute(argv[1]);
  fs::create_directories(g_out / "options");
  plat::SetMessageBoxesEnabled(false);
  InstallScreens(&testsupport::RecordingScreens::Instance());
  RegisterHobbyHooks();
  SIM_PlayerOptions::Instance().SetFolder((g_out / "options").string());
  SIM_SaveGame::SetFolder(g_out.string());
  ManualTimerClock clock;
  SetFixedRandomSeed(1234);
  SIM_SIM::Instance().Init();
  SIM_GameConfig::Instance().SetName("Sam <Fixture> & Co");
  SIM_GameConfig::Instance().SetAvatarName("f_bea.dds");
  SIM_SIM::Instance().NewGame();
  Keep("new-game");
  testsupport::PlayDays(400);
  FillEverySection();
  Keep("day-400");
  // On to the eve of the year's review, then the day that opens it, left unanswered.
  while (!CurrentDate().DaysLater(1).Equals(NextReviewDate().GetDay(), NextReviewDate().GetMonth(),
                                            NextReviewDate().GetYear()))
    testsupport::PlayDays(1);
  SIM_SIM::Instance().NextDay();
  Keep("year-end");
  testsupport::RecordingScreens::Instance().AnswerScreens();
  testsupport::PlayDays(1000);
  Keep("finished");

  for (const char* name : {"written-1.23", "written-1.24", "new-game", "day-400", "year-end", "finished"}) {
    const std::string again = testsupport::LoadAndSaveAgain(name);
    if (again.empty()) {
      std::fprintf(stderr, "%s does not load: %s\n", name, SIM_LoadGame::LastError().c_str());
      return 1;
    }
    std::ofstream(g_out / (std::string(name) + ".expected.xml"), std::ios::binary) << again;
  }
  SIM_SIM::Instance().Shutdown();
  fs::remove(g_out / "autosave.xml");
  fs::remove_all(g_out / "options");
  return 0;
}
