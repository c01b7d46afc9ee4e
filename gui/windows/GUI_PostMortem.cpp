// The report of a social evening.
#include "gui/windows/GUI_PostMortem.h"

#include <algorithm>
#include <cstdio>

#include "engine/ConfigFile.h"
#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Person.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Venues.h"

GUI_PostMortem* GUI_PostMortem::instance = nullptr;

namespace {

constexpr float kIconSize = 52.0f, kIconGap = 62.0f, kIconLeft = 96.0f;
constexpr float kPortraitSize = 128.0f;

void OnContinue(void*) { GUI_PostMortem::Close(); }

float ScreenW() { return static_cast<float>(D3DEngine::Instance().GetWidth()); }
float ScreenH() { return static_cast<float>(D3DEngine::Instance().GetHeight()); }

std::string Labelled(const char* key, float value) {
  char number[32];
  std::snprintf(number, sizeof number, "%.2f", value);
  return std::string(Translate(key)) + " : " + number;
}

}  // namespace

// A fortune is only a look: it draws from the presentation generator, so showing the report
// leaves the game's own draws as they were.
std::string PickFortune(const std::string& file) {
  const ConfigFile* config = GetCachedConfig("cookies", file);
  const size_t count = config ? config->GetEntries().size() : 0;
  if (count == 0) return "";
  return config->GetValue(std::to_string(LookRandomBelow(static_cast<int>(count))));
}

// ---------------------------------------------------------------------------------------------
// Guest icons

GUI_PostMortemIcon::GUI_PostMortemIcon(const SIM_SocialiseReport* record)
    : GUI_IconButton(nullptr, nullptr, nullptr), record(record) {
  if (record && record->person) {
    normal.SetTextureString(record->person->GetGreyPortrait());
    highlight.SetTextureString(record->person->GetPortrait());
    SetTooltip(record->person->GetFullName().c_str(), 30);
  }
}

void GUI_PostMortemIcon::Draw() {
  GUI_PostMortem* report = GUI_PostMortem::Instance();
  if (report && record && report->Selected() == record) {
    // The elbow from the chosen guest's icon to the portrait.
    const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
    const float cy = static_cast<float>(rect.top + rect.bottom) / 2.0f;
    const float bend = cx + 60.0f;
    D3DEngine& engine = D3DEngine::Instance();
    for (int i = -2; i < 2; ++i) {
      const auto o = static_cast<float>(i);
      engine.DrawLine(cx, cy + o, bend, cy + o, 0xFF808080u);
      engine.DrawLine(bend + o, cy, bend + o, report->PortraitY(), 0xFF808080u);
      engine.DrawLine(bend, report->PortraitY() + o, report->PortraitX(), report->PortraitY() + o,
                      0xFF808080u);
    }
  }
  GUI_IconButton::Draw();
}

void GUI_PostMortemIcon::Activate() {
  if (GUI_PostMortem* report = GUI_PostMortem::Instance()) report->Select(record);
}

// ---------------------------------------------------------------------------------------------
// The report

GUI_PostMortem* GUI_PostMortem::Open(SIM_SocialiseInstance* evening) {
  delete instance;
  return new GUI_PostMortem(evening);
}

void GUI_PostMortem::Close() { delete instance; }

void GUI_PostMortem::DrawOpen() {
  if (instance) instance->Draw();
}

bool GUI_PostMortem::OnClick(float /*x*/, float /*y*/) {
  // The icons and continue lie outside the report box, so the buttons take the click directly;
  // the page covers the screen and takes every click.
  ClickButtons();
  return true;
}

GUI_PostMortem::GUI_PostMortem(SIM_SocialiseInstance* evening) : evening(evening) {
  instance = this;
  SetRect(kLeft, kTop, kRight, kBottom);

  linkIcon = new GUI_IconButton("link_indirect.dds", nullptr, nullptr);
  linkIcon->SetTooltipKey("POSTMORTEM_LINKSTATUS_TOOLTIP_INDIRECT", 30);
  AddButton(linkIcon);

  const std::vector<std::unique_ptr<SIM_SocialiseReport>>* records =
      evening ? &evening->Reports() : nullptr;
  if (records && !records->empty()) selected = records->front().get();
  portrait.width = kPortraitSize;
  portrait.height = kPortraitSize;

  const float w = ScreenW(), h = ScreenH();
  continueButton = new GUI_ButtonText(Translate("WORKDAY_CONTINUE"), OnContinue, nullptr);
  continueButton->SetRect(w - 180, h - 38, w - 10, h - 8);
  AddButton(continueButton);

  if (records) {
    float y = h / 2 - 26.0f * static_cast<float>(records->size());
    for (const auto& record : *records) {
      auto* icon = new GUI_PostMortemIcon(record.get());
      icon->SetRect(kIconLeft, y, kIconLeft + kIconSize, y + kIconSize);
      AddButton(icon);
      icons.push_back(icon);
      y += kIconGap;
    }
  }
  UpdateLinkIcon();

  if (evening && evening->GetType() && evening->GetType()->GetName() == "chineserestaurant") {
    fortune = PickFortune();
    fortuneCookie = new GUI_IconButton("fortune.dds", nullptr, nullptr);
    fortuneCookie->SetRect(16, h - 64, 48, h - 16);
    fortuneCookie->SetTooltip(fortune.c_str(), 60);
    AddButton(fortuneCookie);
  }
  if (dynamic_cast<SIM_NightclubInstance*>(evening))
    nightClubLights = std::make_unique<GUI_NightClubLights>();
  // A full-screen page: it holds the screen's clicks and keys until it goes, under its hints
  // and any box.
  MakeModal();
  // A report without an evening (nothing to explain) shows no hints.
  if (!evening) return;
  ShowHint("postmortem_gen");
  ShowHint("postmortem_eff");
}

GUI_PostMortem::~GUI_PostMortem() {
  if (instance == this) instance = nullptr;
}

void GUI_PostMortem::Select(const SIM_SocialiseReport* record) {
  if (!record) return;
  selected = record;
  UpdateLinkIcon();
}

void GUI_PostMortem::UpdateLinkIcon() {
  if (!selected || !selected->person) return;
  const bool direct = selected->person->IsFriendOfPlayer();
  const char* texture = direct ? "link_direct.dds" : "link_indirect.dds";
  linkIcon->SetTexture(texture);
  linkIcon->SetHighlightTexture(texture);
  linkIcon->SetTooltipKey(direct ? "POSTMORTEM_LINKSTATUS_TOOLTIP_DIRECT"
                                 : "POSTMORTEM_LINKSTATUS_TOOLTIP_INDIRECT",
                          30);
}

float GUI_PostMortem::QueueWrapped(float x, float y, const std::string& text, int size, int width) {
  GUI_Services::QueueText(x, y, text, "tahoma bold", size, width, 0, 255, 255, 255);
  return static_cast<float>(GUI_Services::MeasureHeight("tahoma bold", size, text, width));
}

void GUI_PostMortem::Draw() {
  const float w = ScreenW(), h = ScreenH();
  const int screenW = static_cast<int>(w);
  linkIcon->SetRect(kRight - 70, kTop - 12, kRight - 6, kTop + 52);
  D3DEngine& engine = D3DEngine::Instance();
  engine.DrawFullScreenImage(evening ? evening->GetPicture().c_str() : "loadscreen.jpg");
  const float total = evening ? evening->GetTotalTovel() : 0.0f;
  GUI_Avatar::Instance().DrawWithMood(total > 0.0f ? 1 : 2);
  // The evening's picture is a bright room: the report's white text lies on veils, the
  // heading's, the report box's with its bar, and the score's at the foot.
  const float headingBottom = 185.0f + 20.0f * static_cast<float>(lines.size());
  DrawTextVeil(w / 2 - 330, 128 - kTextVeilBorder, w / 2 + 330, headingBottom + kTextVeilBorder);
  DrawTextVeil(kLeft - kTextVeilBorder, kTop - kTextVeilBorder, kRight + kTextVeilBorder,
               kBottom + 47 + kTextVeilBorder);
  if (evening && evening->OrganisedByPlayer())
    DrawTextVeil(kLeft - kTextVeilBorder, h - 59 - kTextVeilBorder, kRight + kTextVeilBorder,
                 h - 15 + kTextVeilBorder);
  DrawButtons();
  engine.DrawRectOutline(kLeft, kTop, kRight, kBottom, 0x40FFFFFFu);

  if (evening && evening->GetType()) {
    GUI_Services::QueueText(0, 128, Translate(evening->GetType()->GetGuiName().c_str()),
                            "tahoma bold", 24, screenW, 1, 255, 255, 255);
    SIM_SocialiseReport quality(nullptr, evening->GetType());
    quality.quality = evening->GetQuality();
    GUI_Services::QueueText(
        0, 165, std::string(Translate("POSTMORTEM_EVENTQUALITY")) + " : " + quality.GetQualityText(),
        "tahoma bold", 20, screenW, 1, 255, 255, 255);
  }
  // One line under another (a venue may add two).
  float y = 185;
  for (const std::string& line : lines) {
    GUI_Services::QueueText(0, y, line, "tahoma bold", 18, screenW, 1, 255, 255, 255);
    y += 20;
  }
  if (selected) DrawSelected();
  if (evening && evening->OrganisedByPlayer()) {
    // The change the standing took, which the floor or the cap may have cut short; the bonus
    // line tells how much of it the new kind of evening brought.
    const int boxW = kRight - kLeft;
    const std::string earned = Labelled("TOTAL_TOVEL_EARNED", evening->GetStandingEarned());
    GUI_Services::QueueText(kLeft, h - 59, earned, "tahoma bold", 22, boxW, 1, 255, 255, 255);
    const float bonus = evening->GetBonusEarned();
    if (bonus >= 0.005f)
      GUI_Services::QueueText(kLeft, h - 39, Labelled("ACTIVITY_TOVEL_EARNED", bonus),
                              "tahoma bold", 22, boxW, 1, 255, 255, 255);
  }
  GUI_Services::FlushText();
  if (nightClubLights) nightClubLights->Draw();
}

void GUI_PostMortem::DrawSelected() {
  const SIM_Person* person = selected->person;
  if (person) portrait.SetTextureString(person->GetGreyPortrait());
  portrait.SetPosition(PortraitX(), PortraitY());
  portrait.Draw();
  if (person)
    GUI_Services::QueueText(kLeft + 24, kTop + 10, person->GetFullName(), "tahoma bold", 24, 0, 0,
                            255, 255, 255);

  const float portraitRight = PortraitX() + kPortraitSize / 2;
  const float portraitBottom = PortraitY() + kPortraitSize / 2;
  const float x = portraitRight + 15;
  const int wrap = static_cast<int>(kRight - x - 10);
  float y = kTop + 40;
  const std::pair<const char*, const std::string*> blocks[3] = {
      {"POSTMORTEM_SUMMARY_TITLE", &selected->overallText},
      {"POSTMORTEM_CONVERSATION_TITLE", &selected->chemistryOrMoodText},
      {"POSTMORTEM_SUITABILITY_TITLE", &selected->activityText}};
  for (const auto& [title, text] : blocks) {
    QueueWrapped(x, y, Translate(title), 16, wrap);
    y += 20;
    y += QueueWrapped(x, y, *text, 16, wrap) + 5;
  }

  const float left = kLeft + 15;
  const int wideWrap = kRight - kLeft - 30;
  // A heading with nothing under it reads as if something failed to show.
  // A rumour that has gone since it was picked has no text either.
  const std::string gossip = SIM_Rumour::TextOf(selected->rumour);
  if (!gossip.empty()) {
    QueueWrapped(left, portraitBottom + 10, Translate("POSTMORTEM_GOSSIP"), 16, wideWrap);
    QueueWrapped(left, portraitBottom + 27, gossip, 16, wideWrap);
  }
  if (!selected->characterText.empty()) {
    QueueWrapped(left, portraitBottom + 80, Translate("POSTMORTEM_EFFECT_TITLE"), 16, wideWrap);
    QueueWrapped(left, portraitBottom + 97, selected->characterText, 16, wideWrap);
  }
  DrawRelationshipBar(selected->relationshipBoost);
}

void GUI_PostMortem::DrawRelationshipBar(float change) {
  const int c = (kLeft + kRight) / 2;
  const int top = kBottom + 32, bottom = kBottom + 47;
  const int half = static_cast<int>(kBarHalf);
  const int reach = ClampToInt(std::clamp(change, -1.0f, 1.0f) * kBarHalf);  // NaN: none
  D3DEngine& engine = D3DEngine::Instance();
  if (reach > 0)
    engine.FillRect(c, top, c + reach, bottom, 0xFF067606u);
  else if (reach < 0)
    engine.FillRect(c + reach, top, c, bottom, 0xFF760606u);
  engine.DrawRectOutline(c - half, top, c + half, bottom, 0x40FFFFFFu);
  const float labelY = kBottom + 10;
  GUI_Services::QueueText(kLeft, labelY, Translate("POSTMORTEM_EFFECTONRELATIONSHIP"),
                          "tahoma bold", 18, kRight - kLeft, 1, 255, 255, 255);
  GUI_Services::QueueText(static_cast<float>(c - half), labelY, Translate("POSTMORTEM_BAD"),
                          "tahoma bold", 18, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(static_cast<float>(c + half - 150), labelY, Translate("POSTMORTEM_GOOD"),
                          "tahoma bold", 18, 150, 2, 255, 255, 255);
}
