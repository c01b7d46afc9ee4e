// The player's romance.
#include "sim/SIM_Romance.h"

#include <algorithm>
#include <string>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Vesk.h"

namespace {

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

int& Begun() {
  static int begun = 0;
  return begun;
}

}  // namespace

SIM_Romance& SIM_Romance::Instance() {
  // Never destroyed: the process registry may outlive any static of ours.
  static SIM_Romance* romance = new SIM_Romance();
  return *romance;
}

int SIM_Romance::RomancesBegun() { return Begun(); }

void SIM_Romance::Reset() {
  SIM_Romance& romance = Instance();
  const bool had = romance.partner_ != nullptr;
  romance.partner_ = nullptr;
  romance.duration_ = 0;
  // A new game's first gift is met as warmly as ever, whatever the last game's partner felt.
  romance.cynicism_ = 0.0f;
  // Set, not left absent: a prerequisite on "_romance" reads 0 from the first day.
  SetGlobalValue("_romance", 0.0f);
  if (had) romance.Changed();
}

bool SIM_Romance::IsPartner(const SIM_Person* person) const {
  return person && partner_ && person == static_cast<const SIM_Person*>(partner_);
}

void SIM_Romance::Changed() { Screens().OnRomanceChanged(); }

void SIM_Romance::OfferRomance(SIM_NPC* npc) {
  ReportAssertion(npc != nullptr, "SIM_Romance", __LINE__);
  ReportAssertion(!HasPartner(), "SIM_Romance", __LINE__);
  if (!npc || HasPartner()) return;
  Screens().OpenRomanticOffer(npc);
  TraceEvent("romance offered");
}

void SIM_Romance::SetPartner(SIM_NPC* partner) {
  const bool changed = partner != partner_;
  if (changed) cynicism_ = 0.0f;
  if (changed && partner) ++Begun();
  partner_ = partner;
  SetGlobalValue("_romance", partner ? 1.0f : 0.0f);
  duration_ = 0;
  if (changed) Changed();
}

void SIM_Romance::Restore(SIM_NPC* partner, int duration, float cynicism) {
  const bool changed = partner != partner_;
  partner_ = partner;
  SetGlobalValue("_romance", partner ? 1.0f : 0.0f);
  duration_ = std::max(duration, 0);
  cynicism_ = std::clamp(cynicism, 0.0f, 1.0f);
  if (changed) Changed();
}

void SIM_Romance::DumpPartner() {
  ReportAssertion(partner_ != nullptr, "SIM_Romance", __LINE__);
  if (!partner_) return;
  SIM_NPC* former = partner_;
  partner_ = nullptr;
  SetGlobalValue("_romance", 0.0f);
  duration_ = 0;
  Changed();
  former->Remove();  // every bond of theirs ends and they leave the player's world
  TraceEvent("partner dumped");
}

void SIM_Romance::DumpedByPartner() {
  ReportAssertion(partner_ != nullptr, "SIM_Romance", __LINE__);
  if (!partner_) return;
  SIM_NPC* former = partner_;
  SIM_Vesk* player = SIM_Vesk::Instance();
  std::string text = Translate("ROMANCE_DUMPED_TEXT");
  ReplaceSubstring(text, "<VESKSNAME>", player->GetForename());
  Screens().ShowNPCMessage(former, text);
  former->SetAttraction(0.0f);
  partner_ = nullptr;
  SetGlobalValue("_romance", 0.0f);
  player->ModifyValue("happiness", GV("GV_DUMPED_HAPP_EFFECT"), GV("GV_DUMPED_HAPP_DEGRADE"),
                      "dumped");
  player->ModifyValue("confidence", GV("GV_DUMPED_CONF_EFFECT"), GV("GV_DUMPED_CONF_DEGRADE"),
                      "dumped");
  player->ModifyValue("loneliness", GV("GV_DUMPED_LONE_EFFECT"), GV("GV_DUMPED_LONE_DEGRADE"),
                      "dumped");
  duration_ = 0;
  Changed();
  TraceEvent("dumped by partner");
}

void SIM_Romance::GiveGift() {
  if (!partner_) return;
  SIM_Relationship* r = SIM_Vesk::Instance()->FindRelationship(partner_);
  if (!r || !r->active) return;
  const float boost = std::clamp(GV("GV_GIFT_REL_BOOST") * (1.0f - cynicism_), 0.0f, 1.0f);
  // The answer runs from warm at cynicism 0 to weary near 1; copied before anything else
  // draws a text.
  const std::string answer = GetNumberedString(cynicism_, "ROMANCE_GIFT");
  SIM_NPC* partner = partner_;
  Screens().AddNPCMessage(partner, answer);
  const float cynicism = cynicism_;
  r->ChangeStrength(boost);
  // The bond may have ended the romance (it cannot: a gift only raises it), but the cynicism
  // belongs to this partner only.
  if (partner_ == partner) cynicism_ = std::clamp(cynicism + GV("GV_GIFT_CYNICISM"), 0.0f, 1.0f);
}

void SIM_Romance::Process() {
  if (!partner_ || partner_->IsRemoved()) return;
  SIM_Relationship* r = SIM_Vesk::Instance()->FindRelationship(partner_);
  if (!r || !r->active) return;  // every road to a partner makes the bond first; skip the day
  const float b = GV("GV_ROMANCE_BUSTUP_THRESHHOLD");
  // How far the bond stands above the bust-up threshold: 1 at full strength, 0 at the
  // threshold. A threshold of 1 or more leaves no room, and a bond below it (a load does
  // not check) lifts nothing rather than turning the lift into a penalty.
  const float f = b >= 1.0f ? 0.0f : std::clamp((r->GetStrength() - b) / (1.0f - b), 0.0f, 1.0f);
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("happiness", GV("GV_ROMANCE_HAPP_EFFECT") * f, 0.0f, "romance");
  player->ModifyValue("loneliness", GV("GV_ROMANCE_LONE_EFFECT") * f, 0.0f, "romance");
  player->ModifyValue("confidence", GV("GV_ROMANCE_CONF_EFFECT") * f, 0.0f, "romance");
  cynicism_ = std::clamp(cynicism_ * 0.92f, 0.0f, 1.0f);
  ++duration_;
}
