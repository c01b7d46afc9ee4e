// Royalty streams.
#include "sim/SIM_RoyaltyStream.h"

#include "engine/Random.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Screens.h"

namespace {

std::vector<std::unique_ptr<SIM_RoyaltyStream>>& Streams() {
  static std::vector<std::unique_ptr<SIM_RoyaltyStream>> streams;
  return streams;
}

int g_cheques = 0;

}  // namespace

SIM_RoyaltyStream::SIM_RoyaltyStream(std::string title, float income, int type)
    : income_(income), title_(std::move(title)), type_(type) {}

void SIM_RoyaltyStream::Pay() {
  if (income_ > 1.0f) {
    const float cheque = RandomFloat(0.95f, 1.1f) * income_;
    lastCheque_ = cheque;
    SIM_Finances::Instance().Earn(cheque);
    total_ += cheque;
    ++g_cheques;
    Screens().AddRoyaltyReport(this);
  }
  income_ *= 1.0f - SIM_GlobalVariables::Instance().Get("GV_ROYALTY_DEGRADE");
}

void SIM_RoyaltyStream::PayAll() {
  for (const auto& stream : Streams()) stream->Pay();
}

void SIM_RoyaltyStream::DeleteAll() { Streams().clear(); }

const std::vector<std::unique_ptr<SIM_RoyaltyStream>>& SIM_RoyaltyStream::All() {
  return Streams();
}

int SIM_RoyaltyStream::ChequesPaid() { return g_cheques; }
void SIM_RoyaltyStream::ClearChequesPaid() { g_cheques = 0; }

SIM_RoyaltyStream* CreateRoyaltyStream(std::string title, float income, int type) {
  Streams().push_back(std::make_unique<SIM_RoyaltyStream>(std::move(title), income, type));
  return Streams().back().get();
}
