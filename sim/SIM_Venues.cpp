// The pub, the night club, game night and the casino.
#include "sim/SIM_Venues.h"

#include <algorithm>
#include <cstdlib>

#include "engine/DebugLog.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

constexpr int kStatRouletteWinnings = 8;

}  // namespace

// ---------------------------------------------------------------------------------------------
// The pub

float SIM_BeerInstance::BrawlChance() {
  if (!GlobalNamedValues().IsSet("alcoholic")) return 0.0f;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  if (player->GetValue("alcohol") < 0.75f) return 0.0f;
  const float chance = player->GetValue("stress") + (1.0f - player->GetValue("happiness"));
  return std::min(chance, 0.8f);
}

bool SIM_BeerInstance::IsBrawl() const {
  // Only a drunk drinker rolls the dice at all.
  if (!GlobalNamedValues().IsSet("alcoholic")) return false;
  if (SIM_Vesk::Instance()->GetValue("alcohol") < 0.75f) return false;
  return RandomChance(BrawlChance());
}

void SIM_BeerInstance::Run() {
  if (IsBrawl()) {
    Brawl();
  } else {
    SIM_SocialiseInstance::Run();
  }
}

void SIM_BeerInstance::Brawl() {
  date_.CopyDate(CurrentDate());
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("tiredness", 0.5f, 0.5f, "brawl");
  tovelChange_ = SIM_Tovel::Instance().Add(GV("GV_BRAWL_TOVELLOSS"));
  for (SIM_Person* person : invitees_) {
    SIM_Relationship* r = player->FindRelationship(person);
    // A guest who left the player's world during the fight (the friend who brought them was
    // lost a blow ago) gets no new bond: nothing may hold on to someone who has gone.
    const auto* npc = dynamic_cast<const SIM_NPC*>(person);
    if (!r && npc && npc->IsRemoved()) continue;
    if (!r) r = SIM_Relationship::Create(player, person);
    r->ChangeStrength(GV("GV_BRAWL_RELATION_LOSS"));
  }
  ProcessBase::DeleteInactive();
  SIM_TimeChunk::Run();
  // The player's bill is what the quiet evening would have asked of them (an inviter's offer
  // to pay stands); the guests, the ones paid for among them, pay nothing.
  SIM_Finances::Instance().Spend(static_cast<float>(OwnShare(CostPerHead())));
  AfterEvening();
  Screens().OpenBeerPostMortem(this);
  UnlockAchievement("ACH_PUB_DRUNKFIGHT");
}

// ---------------------------------------------------------------------------------------------
// The night club

SIM_NightclubInstance::SIM_NightclubInstance() { picture_ = "nightclub.jpg"; }

void SIM_NightclubInstance::Run() {
  SIM_Sounds::PlayNightclubMusic("data/sounds/dancemusic.ogg");
  SIM_SocialiseInstance::Run();
}

// ---------------------------------------------------------------------------------------------
// Game night

float SIM_GameInstance::MeanOpponentSkill() const {
  const std::string& game = type_->GetName();
  float sum = 0.0f;
  int count = 0;
  for (SIM_Person* person : invitees_) {
    const auto* npc = dynamic_cast<const SIM_NPC*>(person);
    if (!npc) continue;
    sum += npc->GetNamedValue(game);
    ++count;
  }
  // Nobody to play against: an even match.
  return count > 0 ? sum / static_cast<float>(count) : 0.5f;
}

float SIM_GameInstance::PlayMatch() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  const std::string& game = type_->GetName();
  const float diff = player->GetValue(game) - MeanOpponentSkill();
  winChance_ = std::clamp(diff + 0.5f + RandomFloat(-0.1f, 0.1f), 0.0f, 1.0f);

  if (player->GetValue("alcohol") < 0.2f && player->GetValue("_energy") > 0.5f)
    player->ModifyValue(game, GV("GV_GAMESKILL_GAIN") * RandomFloat(0.9f, 1.1f), 0.95f, game);
  for (SIM_Person* person : invitees_)
    if (person != player) type_->ApplyGameSkillGain(person);

  if (winChance_ < 0.5f)
    player->ModifyValue("confidence", (1.0f - 2.0f * winChance_) * GV("GV_LOSEGAME_CONFIDENCE"),
                        0.75f, game);
  else
    player->ModifyValue("confidence", 2.0f * (winChance_ - 0.5f) * GV("GV_WINGAME_CONFIDENCE"),
                        0.75f, game);
  return winChance_;
}

void SIM_GameInstance::ShowPostMortem() {
  const float chance = PlayMatch();
  SIM_SocialiseInstance::ShowPostMortem();
  Screens().AddPostMortemLine(Translate(chance > 0.5f ? "POSTMORTEM_GAME_WON" : "POSTMORTEM_GAME_LOST"));
}

// ---------------------------------------------------------------------------------------------
// The casino

void SIM_RouletteInstance::Run() { Screens().OpenRoulette(this); }

void SIM_RouletteInstance::AddSpinResult(int amount) {
  if (!CanSpin()) {
    LogWarning("Roulette spin after the last one ignored", "SIM_RouletteInstance", __LINE__);
    return;
  }
  spins_[spinsMade_++] = amount;
  SIM_Statistics::Instance().AddInt(amount, kStatRouletteWinnings);
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("boredom", -static_cast<float>(std::abs(amount)) / 100.0f, 0.5f, "roulette");
  player->ModifyValue("happiness", static_cast<float>(amount) / 100.0f, 0.5f, "roulette");
  if (amount > 0) {
    SIM_Sounds::PlaySound("data/sounds/cash.ogg");
    SIM_Sounds::PlaySound("data/sounds/ooh.ogg");
  } else {
    SIM_Sounds::PlaySound("data/sounds/ahh.ogg");
  }
}

int SIM_RouletteInstance::GetTotalWinnings() const {
  int total = 0;
  for (int spin : spins_) total += spin;
  return total;
}

void SIM_RouletteInstance::RateEvening() {
  quality_ = std::clamp(static_cast<float>(GetTotalWinnings()) * 0.01f + 0.5f, 0.0f, 1.0f);
  mood_ = SIM_Vesk::Instance()->GetValue("happiness");
}

void SIM_RouletteInstance::Complete() {
  if (complete_) {
    LogWarning("Roulette evening completed twice", "SIM_RouletteInstance", __LINE__);
    return;
  }
  complete_ = true;
  SIM_SocialiseInstance::Run();
}
