// STAND-IN: romance (only the partner is kept).
#include "sim/SIM_Romance.h"

#include "engine/CallTrace.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"

SIM_Romance& SIM_Romance::Instance() {
  static SIM_Romance romance;
  return romance;
}

void SIM_Romance::Reset() {
  TraceCall("SIM_Romance::Reset");
  Instance().partner_ = nullptr;
}

void SIM_Romance::SetPartner(SIM_NPC* partner) {
  TraceCall(partner ? "SIM_Romance::SetPartner" : "SIM_Romance::SetPartner null");
  partner_ = partner;
  SetGlobalValue("_romance", partner ? 1.0f : 0.0f);
}

bool SIM_Romance::IsPartner(const SIM_Person* person) const {
  return person && partner_ && person == static_cast<const SIM_Person*>(partner_);
}

void SIM_Romance::DumpedByPartner() {
  TraceCall("SIM_Romance::DumpedByPartner");
  SetPartner(nullptr);
}

void SIM_Romance::OfferRomance(SIM_NPC*) { TraceCall("SIM_Romance::OfferRomance"); }

void SIM_Romance::GiveGift() { TraceCall("SIM_Romance::GiveGift"); }
