// Money and cheats.
#include "sim/SIM_Finances.h"

#include <algorithm>
#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "platform/Files.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Screens.h"

namespace {

constexpr int kHighestCash = 4;
constexpr float kMaxCheat = 1000.0f;  // what SIM_Vesk::ModifyValue accepts

void RefreshBackgrounds() { Screens().RefreshWindowTextures(); }

// A sum held within the cash's bounds; one that is not a number leaves the cash as it was.
float Bounded(float cash, float before) {
  if (std::isnan(cash)) return before;
  return std::clamp(cash, -SIM_Finances::kMostCash, SIM_Finances::kMostCash);
}

}  // namespace

SIM_Finances& SIM_Finances::Instance() {
  static SIM_Finances finances;
  return finances;
}

void SIM_Finances::SetCash(float cash) {
  cash_ = Bounded(cash, cash_);
  RefreshBackgrounds();
}

void SIM_Finances::Spend(float amount) {
  cash_ = Bounded(cash_ - amount, cash_);
  RefreshBackgrounds();
}

void SIM_Finances::Earn(float amount) {
  cash_ = Bounded(cash_ + amount, cash_);
  SIM_Statistics::Instance().SetMaxFloat(cash_, kHighestCash);
  RefreshBackgrounds();
}

void SIM_Finances::NewGameCash() {
  const float difficulty = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  cash_ = Bounded(SIM_GlobalVariables::Instance().Get("GV_STARTINGCASH") * (1.0f - difficulty), 0.0f);
}

void LoadCheats(const char* file) {
  // Only a file that is really there: a player without one gets no log line.
  if (!plat::PathExists(plat::ResolvePath(file))) return;
  const std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(file);
  if (!table) return;
  StringTokenizer tokens;
  for (const std::string& row : *table) {
    tokens.SetText(row);
    tokens.NextToken();  // the '#' column
    const std::string name = TrimField(tokens.NextString());
    const float amount = tokens.NextFloat();
    if (name.empty()) continue;
    // A change to a player value is less than kMaxCheat either way; a larger one, added up
    // over a few rows, would make the value infinite or not a number at all.
    if (tokens.NumberTooLarge() || !(std::fabs(amount) < kMaxCheat)) {
      LogWarning(("Cheat " + name + " left out: its amount is out of range").c_str(),
                 "SIM_Finances", __LINE__);
      continue;
    }
    SIM_Vesk::Instance()->ModifyValue(name, amount, 1.0f, "cheat");
  }
}
