// A character's window.
#include "gui/windows/GUI_NPC.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_ValueBar.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Interest.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<GUI_NPC*>& Windows() {
  static std::vector<GUI_NPC*> windows;
  return windows;
}

float F(int v) { return static_cast<float>(v); }

void Text(float x, float y, const std::string& text, int size, int wrap = 0, int align = 0,
          const char* font = "tahoma bold") {
  GUI_Services::QueueText(x, y, text, font, size, wrap, align, 255, 255, 255);
}

// The skills a person has: a character's own list, or the player's.
const SIM_NamedValueList* SkillsOf(SIM_Person* person) {
  if (auto* npc = dynamic_cast<SIM_NPC*>(person)) return &npc->NamedValues();
  if (auto* player = dynamic_cast<SIM_Vesk*>(person)) return &player->Skills();
  return nullptr;
}

// A skill's name as the player reads it. A character's game skills are named after the kind
// of evening that trains them, whose own shown name stands in when the skill has no text.
std::string SkillName(const SIM_NamedValue& skill) {
  const std::string& key = skill.GetGuiName();
  if (!key.empty() && Translate(key.c_str()) != key) return Translate(key.c_str());
  for (const auto& type : SIM_SocialiseType::All())
    if (type->GetTypeName() == skill.GetName() && !type->GetGuiName().empty())
      return Translate(type->GetGuiName().c_str());
  return skill.GetName();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Pages

GUI_NPCSummaryTab::GUI_NPCSummaryTab(SIM_Person* person)
    : person_(person),
      tovelLabel_(Translate("NPC_TOVEL")),
      iqLabel_(Translate("NPC_IQ")),
      cultureLabel_(Translate("NPC_CULTURE")),
      relationshipLabel_(Translate("RELATIONSHIP_STRENGTH")),
      attractionLabel_(Translate("ATTRACTIVENESS_STRENGTH")) {
  ReportAssertion(person != nullptr, "GUI_NPC", 108);
}

void GUI_NPCSummaryTab::Draw() {
  GUI_WindowTab::Draw();
  if (!IsSelected() || !person_) return;
  const float l = F(rect.left), t = F(rect.top);
  portrait_.SetTextureString(person_->GetGreyPortrait());
  portrait_.width = 85;
  portrait_.height = 85;
  portrait_.SetColour(255, 255, 255, 255);
  portrait_.SetPosition(l + 10 + 42.5f, t + 10 + 42.5f);
  portrait_.Draw();
  const float r = l + 95;

  const auto* npc = dynamic_cast<const SIM_NPC*>(person_);
  const float tovel = npc ? npc->GetTovelDemand() : 0.0f;
  const float iq = npc ? npc->GetIQDemand() : 0.0f;
  const float culture = npc ? npc->GetCultureDemand() : 0.0f;
  const float rowsTop = t + 47;
  Text(r + 16, rowsTop, tovelLabel_, 14);
  Text(r + 136, rowsTop, FormatFixed(tovel, 2), 14);
  Text(r + 16, rowsTop + 16, iqLabel_, 14);
  Text(r + 136, rowsTop + 16, FormatFixed(static_cast<double>(iq) * 100.0, 0) + "%", 14);
  Text(r + 16, rowsTop + 32, cultureLabel_, 14);
  Text(r + 136, rowsTop + 32, FormatFixed(static_cast<double>(culture) * 100.0, 0) + "%", 14);

  const SIM_Relationship* relationship = person_->FindRelationship(SIM_Vesk::Instance());
  Text(r + 14, t + 14, relationshipLabel_, 14);
  DrawValueBar(r + 14, t + 32, relationship ? relationship->GetStrength() : 0.0f, 95, 1.0f, false);
  Text(r + 130, t + 14, attractionLabel_, 14);
  DrawValueBar(r + 130, t + 32, npc ? npc->GetAttraction() : 0.0f, 95, 1.0f, false);
}

GUI_NPCCharacteristicTab::GUI_NPCCharacteristicTab(SIM_Person* person) : person_(person) {
  ReportAssertion(person != nullptr, "GUI_NPC", 53);
  // A person without a character type shows an empty page.
  const auto* npc = dynamic_cast<const SIM_NPC*>(person);
  if (const SIM_CharacterType* type = npc ? npc->GetCharacterType() : nullptr) {
    // The table holds keys of the strings file; a text that is no key shows as it stands.
    heading_ = Translate(type->GetText(2).c_str());
    description_ = Translate(type->GetText(3).c_str());
  }
}

void GUI_NPCCharacteristicTab::Draw() {
  GUI_WindowTab::Draw();
  if (!IsSelected()) return;
  const float l = F(rect.left), t = F(rect.top);
  const int wrap = std::max(0, width - 32);
  Text(l + 16, t + 20, heading_, 16, wrap);
  Text(l + 16, t + 40, description_, 14, wrap);
}

GUI_NPCInterestTab::GUI_NPCInterestTab(SIM_Person* person) : person_(person) {
  ReportAssertion(person != nullptr, "GUI_NPC", 77);
}

void GUI_NPCInterestTab::Draw() {
  GUI_WindowTab::Draw();
  if (!IsSelected() || !person_) return;
  const float l = F(rect.left), t = F(rect.top);
  int row = 0;
  for (const SIM_Interest* interest : person_->GetInterests()) {
    const SIM_InterestType* type = interest ? interest->GetType() : nullptr;
    if (!type) continue;  // an interest of an unknown type has no name to show
    const float x = row < 5 ? l + 16 : l + 136;
    const float y = t + 24 + 13.0f * static_cast<float>(row < 5 ? row : row - 5);
    Text(x, y, Translate(type->GetGuiName().c_str()), 14);
    ++row;
  }
}

GUI_NPCSkillsTab::GUI_NPCSkillsTab(SIM_Person* person) : person_(person) {
  ReportAssertion(person != nullptr, "GUI_NPC", 23);
}

void GUI_NPCSkillsTab::Draw() {
  GUI_WindowTab::Draw();
  if (!IsSelected()) return;
  const SIM_NamedValueList* skills = SkillsOf(person_);
  if (!skills) return;
  const float l = F(rect.left);
  float y = F(rect.top) + 15;
  for (const SIM_NamedValue* skill : skills->Values()) {
    if (!(F(rect.bottom) - 20 > y)) break;
    Text(l, y, SkillName(*skill), 16, 140, 2);
    DrawValueBar(l + 150, y + 5, skill->GetValue(), F(std::max(0, width - 170)), 1.0f, false);
    y += 20;
  }
}

// ---------------------------------------------------------------------------------------------
// The window

const std::vector<GUI_NPC*>& GUI_NPC::All() { return Windows(); }

GUI_NPC* GUI_NPC::FindFor(const SIM_Person* person) {
  for (GUI_NPC* window : Windows())
    if (window->person_ == person) return window;
  return nullptr;
}

void GUI_NPC::Open(SIM_Person* person) {
  if (GUI_NPC* open = FindFor(person)) {
    GUI_WindowManager::Instance().BringToFront(open);
    return;
  }
  new GUI_NPC(person);
}

void GUI_NPC::CloseFor(const SIM_Person* person) {
  while (GUI_NPC* window = FindFor(person)) delete window;
}

GUI_NPC::GUI_NPC(SIM_Person* person) : GUI_Dialog(true), person_(person) {
  SetDraggable(true);
  ReportAssertion(person != nullptr, "GUI_NPC", 201);
  SetSize(kWidth, kHeight);
  MoveTo(GUI_Services::MouseX(), GUI_Services::MouseY());
  ClampToScreen();
  topMargin = 58;
  bottomMargin = 32;
  UpdateClientRect();
  GUI_WindowBase::Open();
  if (person) SetTitle(person->GetForename() + " " + person->GetSurname());

  tabs_ = new GUI_TabContainer();
  tabs_->SetRect(F(clientRect.left), F(clientRect.top), F(clientRect.right), F(clientRect.bottom));
  GUI_WindowTab* pages[] = {new GUI_NPCSummaryTab(person), new GUI_NPCCharacteristicTab(person),
                            new GUI_NPCInterestTab(person), new GUI_NPCSkillsTab(person)};
  const char* labels[] = {"NPC_SUMMARY", "NPC_PERSONALITY", "NPC_INTERESTS", "NPC_SKILLS"};
  for (int i = 0; i < 4; ++i) {
    tabs_->AddTab(pages[i]);
    if (i == 0) tabs_->SelectTab(pages[i]);
    auto* button = new GUI_ButtonTab(Translate(labels[i]), pages[i]);
    if (i >= 2) button->SetUpsideDown(true);  // these open downwards, below the page
    AddButton(button);
    tabButtons_.push_back(button);
  }
  Windows().push_back(this);
}

GUI_NPC::~GUI_NPC() {
  delete tabs_;
  std::erase(Windows(), this);
}

void GUI_NPC::Draw() {
  UpdateClientRect();
  const float cl = F(clientRect.left), ct = F(clientRect.top);
  const float cb = F(clientRect.bottom);
  tabs_->SetRect(cl, ct, F(clientRect.right), cb);
  tabButtons_[0]->SetRect(cl + 5, ct - 23, cl + 150, ct + 3);
  tabButtons_[1]->SetRect(cl + 150, ct - 23, cl + 295, ct + 3);
  tabButtons_[2]->SetRect(cl + 5, cb - 6, cl + 150, cb + 23);
  tabButtons_[3]->SetRect(cl + 150, cb - 6, cl + 295, cb + 23);
  const float l = F(rect.left), t = F(rect.top), r = F(rect.right), b = F(rect.bottom);
  if (closeButton) closeButton->SetRect(r - 34, t + 10, r - 10, t + 34);
  DrawDropShadow(l, t, r, b, 30, 6);
  DrawFrameById(l, t, r, b, 0, 30, 1.0f);
  Text(l + 12, t + 12, title, 19);
  tabs_->Draw();
  showedHeart_ = person_ && SIM_Romance::Instance().IsPartner(person_);
  if (showedHeart_) {
    CTexturedSprite heart;
    heart.SetTexture("heart.dds");
    heart.width = 22;
    heart.height = 22;
    heart.SetColour(255, 255, 255, 255);
    heart.SetPosition(r - 49, t + 21);
    heart.Draw();
  }
  DrawButtons();
  GUI_Services::FlushText();
}
