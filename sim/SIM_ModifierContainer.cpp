// Modifiers.
#include "sim/SIM_ModifierContainer.h"

#include <cctype>
#include <memory>

#include "engine/DebugLog.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"

namespace {

// A number, or the game variable a field beginning with '_' names.
float FieldValue(const std::string& field) {
  if (!field.empty() && field[0] == '_') return SIM_GlobalVariables::Instance().Get(TrimField(field));
  return ParseFloatPrefix(field.c_str());
}

float Clamp(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

SIM_ModifierContainer::~SIM_ModifierContainer() {
  for (SIM_Modifier* m : modifiers_) delete m;
}

void SIM_ModifierContainer::AddModifier(const std::string& text) {
  if (text.size() < 2) return;
  const unsigned char first = static_cast<unsigned char>(text[0]);
  if (!std::isalpha(first) && first != '_') return;

  StringTokenizer tokens;
  tokens.SetText(text);
  auto m = std::make_unique<SIM_Modifier>();
  m->name = TrimField(tokens.NextString());
  m->displayText = Translate(("nv_" + m->name).c_str());
  m->amount = FieldValue(tokens.NextString());
  m->limit = FieldValue(tokens.NextString());
  m->source = name_;
  m->limit = Clamp(m->limit, 0.0f, 1.0f);
  m->amount = Clamp(m->amount, -1.0f, 1.0f);
  modifiers_.push_back(m.release());
}

void SIM_ModifierContainer::ApplyModifiers(float scale) {
  for (const SIM_Modifier* m : modifiers_) ApplyModifier(*m, scale);
}

void SIM_ModifierContainer::ApplyModifier(const SIM_Modifier& modifier, float scale) {
  const float amount = modifier.amount * scale;
  if (modifier.name.find("glob_") == std::string::npos) {
    SIM_Vesk::Instance()->ModifyValue(modifier.name, amount, modifier.limit, modifier.source);
    return;
  }
  SIM_NamedValueList& globals = GlobalNamedValues();
  if (SIM_NamedValue* value = globals.Find(modifier.name)) {
    value->Apply("+=", amount);
  } else {
    globals.Add(new SIM_NamedValue(modifier.name, modifier.displayText, amount));
  }
}

float SIM_ModifierContainer::GetModifierValue(const std::string& name) const {
  for (const SIM_Modifier* m : modifiers_)
    if (m->name == name) return m->amount;
  LogWarning("Failed to get modifier value", "SIM_ModifierContainer", 68);
  return 0.0f;
}
