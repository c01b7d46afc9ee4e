// The player's description.
#include "sim/SIM_AvatarDescription.h"

#include <algorithm>

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"

SIM_AvatarDescription& SIM_AvatarDescription::Instance() {
  static SIM_AvatarDescription description;
  return description;
}

void SIM_AvatarDescription::Rebuild() { Instance().Update(); }

const std::string& SIM_AvatarDescription::GetText() { return Instance().description_; }

void SIM_AvatarDescription::GatherAdjectives() {
  ClearAdjectives();
  for (const SIM_Attribute* attribute : SIM_Attribute::All()) {
    // The underscored values mirror others (energy is tiredness turned round, sobriety the
    // alcohol): describing them as well would say one thing twice.
    if (attribute->GetName().starts_with('_')) continue;
    const float v = attribute->GetValue();
    const bool high = v > 0.5f;
    const std::string& key =
        attribute->GetDescription(high ? SIM_Attribute::kDescriptionHigh : SIM_Attribute::kDescriptionLow);
    if (key.empty()) continue;
    AddAdjective(Translate(key.c_str()), high ? v - 0.5f : 0.5f - v);
  }
  if (const SIM_NamedValue* dirt = GlobalNamedValues().Find("glob_dirt"))
    if (dirt->GetValue() > 0.5f) AddAdjective(Translate("DESC_GRUBBY"), dirt->GetValue() - 0.5f);
  const float cash = SIM_Finances::Instance().GetCash();
  if (cash > 1000.0f)
    AddAdjective(Translate("DESC_WEALTHY"), std::clamp((cash - 1000.0f) / 1000.0f, 0.0f, 1.0f));
  if (cash < 5.0f)
    AddAdjective(Translate("DESC_POOR"), std::clamp((5.0f - cash) / 5.0f, 0.0f, 1.0f));
  SIM_Vesk* player = SIM_Vesk::Instance();
  const int skills = player->CountGoodSkills();
  if (skills >= 5)
    AddAdjective(Translate("DESC_ACCOMPLISHED"),
                 std::clamp(static_cast<float>(skills - 5) / 3.0f, 0.0f, 1.0f));
  if (GlobalNamedValues().IsSet("alcoholic"))
    AddAdjective(Translate("DESC_ALCOHOLIC"), SIM_Alcohol::GetAddictionStrength());
  const int friends = player->CountFriends();
  if (friends >= 6) AddAdjective(Translate("DESC_POPULAR"), static_cast<float>(friends - 5) * 0.2f);
  if (friends <= 3) AddAdjective(Translate("DESC_RECLUSIVE"), 1.0f - static_cast<float>(friends) * 0.3f);
  const auto owned = static_cast<int>(SIM_Asset::Owned().size());
  if (owned >= 5)
    AddAdjective(Translate("DESC_MATERIALISTIC"),
                 std::clamp(static_cast<float>(owned - 5) * 0.25f + 0.5f, 0.0f, 1.0f));
}

void SIM_AvatarDescription::ChooseAdjectives() {
  auto best = [this](size_t skip) {
    size_t chosen = candidates_.size();
    float weight = -1.0f;
    for (size_t i = 0; i < candidates_.size(); ++i) {
      if (i == skip) continue;
      if (candidates_[i].second > weight) {
        weight = candidates_[i].second;
        chosen = i;
      }
    }
    return chosen;
  };
  const size_t first = best(candidates_.size());
  adjective1_ = first < candidates_.size() ? candidates_[first].first : std::string();
  const size_t second = first < candidates_.size() ? best(first) : candidates_.size();
  adjective2_ = second < candidates_.size() ? candidates_[second].first : std::string();
}

void SIM_AvatarDescription::Update() {
  adjective1_.clear();
  adjective2_.clear();
  noun_.clear();
  if (!SIM_Health::Instance().IsHealthy()) {
    description_ = Translate("AVATAR_DESCRIPTION_ILL");
    return;
  }
  GatherAdjectives();
  ChooseAdjectives();
  SIM_Vesk* player = SIM_Vesk::Instance();
  if (const SIM_JobBase* job = player->GetJob())
    noun_ = player->GetGender() != 0 ? job->GetFemaleDescription() : job->GetMaleDescription();
  description_ = Translate("AVATAR_DESCRIPTION");
  ReplaceSubstring(description_, "<ADJECTIVE1>", adjective1_);
  ReplaceSubstring(description_, "<ADJECTIVE2>", adjective2_);
  ReplaceSubstring(description_, "<NOUN>", noun_);
}
