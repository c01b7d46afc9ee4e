// Special events and their table.
#include "sim/SIM_SpecialEvent.h"

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_TimeChunk.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_SpecialEvent>>& Registry() {
  static std::vector<std::unique_ptr<SIM_SpecialEvent>> events;
  return events;
}

int g_cooldown = 0;
bool g_dayChecked = false;

std::string CutField(std::string field) {
  if (field.size() > SIM_SpecialEvent::kMaxFieldText) field.resize(SIM_SpecialEvent::kMaxFieldText);
  return field;
}

}  // namespace

const std::vector<std::unique_ptr<SIM_SpecialEvent>>& SIM_SpecialEvent::All() { return Registry(); }

std::unique_ptr<SIM_SpecialEvent> SIM_SpecialEvent::FromRow(const std::string& row) {
  StringTokenizer tokens;
  tokens.SetText(row);
  tokens.NextToken();  // the '#' column
  const std::string name = TrimField(tokens.NextString());
  if (name.empty()) return nullptr;
  auto event = std::make_unique<SIM_SpecialEvent>();
  event->typeName_ = name;
  // The modifiers keep the container's default source: the table names none.
  event->guiName_ = TrimField(tokens.NextString());
  event->invitationKey_ = TrimField(tokens.NextString());
  event->resultKey_ = TrimField(tokens.NextString());
  event->text_ = event->invitationKey_;
  // Prerequisites up to a field beginning with '#', then weights up to the next such field,
  // then modifiers to the end of the row.
  int section = 0;
  while (!tokens.AtEnd()) {
    const std::string field = CutField(TrimField(tokens.NextString()));
    if (section < 2 && !field.empty() && field[0] == '#') {
      ++section;
      continue;
    }
    if (section == 0) {
      event->AddPrerequisite(field, false, false);
    } else if (section == 1) {
      event->AddWeight(field);
    } else {
      event->AddModifier(field);
    }
  }
  return event;
}

void SIM_SpecialEvent::AddWeight(const std::string& text) {
  if (text.size() < 2) return;
  StringTokenizer tokens;
  tokens.SetText(text);
  Weight weight;
  weight.name = TrimField(tokens.NextString());
  weight.weight = tokens.NextFloat();
  weights_.push_back(std::move(weight));
}

void SIM_SpecialEvent::LoadAll(const std::string& file) {
  DeleteAll();
  const auto table = LoadSpreadsheet(file);
  for (const std::string& row : *table)
    if (auto event = FromRow(row)) Registry().push_back(std::move(event));
  g_cooldown = 0;
  g_dayChecked = false;
}

void SIM_SpecialEvent::DeleteAll() { Registry().clear(); }

SIM_SpecialEvent* SIM_SpecialEvent::TryFind(const std::string& name) {
  for (const auto& event : Registry())
    if (event->typeName_ == name) return event.get();
  return nullptr;
}

SIM_SpecialEvent* SIM_SpecialEvent::FindByName(const std::string& name) {
  if (SIM_SpecialEvent* event = TryFind(name)) return event;
  FatalError("Special event not found", "SIM_SpecialEvent", 194);
}

int SIM_SpecialEvent::GetCooldown() { return g_cooldown; }
void SIM_SpecialEvent::SetCooldown(int checks) { g_cooldown = checks; }
bool SIM_SpecialEvent::IsDayChecked() { return g_dayChecked; }
void SIM_SpecialEvent::SetDayChecked(bool checked) { g_dayChecked = checked; }

float SIM_SpecialEvent::GetScore() const {
  if (triggered_ || !ArePrerequisitesMet()) return 0.0f;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  float score = 0.0f;
  for (const Weight& w : weights_) score += w.weight * player->GetValue(w.name);
  return score;
}

void SIM_SpecialEvent::TriggerCheck() {
  g_dayChecked = true;
  if (g_cooldown > 0) {
    --g_cooldown;
    return;
  }
  SIM_SpecialEvent* candidate = nullptr;
  float best = 0.0f;
  for (const auto& event : Registry()) {
    const float score = event->GetScore();
    if (score > best) {
      best = score;
      candidate = event.get();
    }
  }
  if (!candidate) return;
  if (best >= SIM_GlobalVariables::Instance().Get("SPECIAL_EVENT_TRIGGER")) candidate->Trigger();
}

void SIM_SpecialEvent::Trigger() {
  triggered_ = true;
  Screens().AddSpecialEvent(this);
  g_cooldown = kCooldownChecks;
  TraceEvent("Event triggered: " + guiName_);
}

bool SIM_SpecialEvent::Attend() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (attended_ || sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  attended_ = true;
  // The slot, as every activity ends its own, then what the event does to the player.
  SIM_TimeChunk chunk;
  chunk.Run();
  ApplyModifiers(1.0f);
  Screens().OpenSpecialEventPostMortem(this);
  return true;
}
