// Mail and phone items.
#include "gui/GUI_Email.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextureMessage.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobUnlock.h"
#include "gui/windows/GUI_NPCMessage.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Rumour.h"

namespace {

std::list<GUI_Email*>& List() {
  static std::list<GUI_Email*> items;
  return items;
}

bool g_newMail = false;

bool OwnsLaptop() { return GlobalNamedValues().IsSet("laptop"); }

float ItemTop() { return g_screenHeight / 2.0f + static_cast<float>(GUI_Email::kBelowAnchor); }

}  // namespace

GUI_Email::GUI_Email(void* data, GUI_EmailType type) : data_(data), type_(type) {
  List().push_back(this);
  const float n = static_cast<float>(List().size());
  const float size = static_cast<float>(kSize);
  targetX_ = g_screenWidth / 2.0f + size * n;
  const float left = g_screenWidth + size * n;
  const float top = ItemTop();
  SetRect(left, top, left + size, top + size);
  g_newMail = true;
  laptop_ = OwnsLaptop();
}

GUI_Email::~GUI_Email() {
  List().remove(this);
  // A window still holding the item closes before it could answer through it. The holder is
  // taken out first: closing the window lets go of this item.
  if (holder_) {
    std::function<void()> close = std::move(holder_);
    holder_ = nullptr;
    close();
  }
  LayOut();
}

GUI_Email* GUI_Email::AddJobUnlock(SIM_NPC* npc, SIM_JobBase*) {
  return new GUI_Email(npc, EMAIL_JOBUNLOCK);
}

GUI_Email* GUI_Email::AddJobOffer(SIM_JobOffer* offer) {
  return new GUI_Email(offer, EMAIL_JOBOFFER);
}

GUI_Email* GUI_Email::AddInvitation(SIM_SocialInvitation* invitation) {
  return new GUI_Email(invitation, EMAIL_INVITATION);
}

GUI_Email* GUI_Email::AddRumour(SIM_NPC* npc) { return new GUI_Email(npc, EMAIL_RUMOUR); }

GUI_Email* GUI_Email::AddNPCMessage(SIM_NPC* npc, const std::string& text) {
  auto* item = new GUI_Email(npc, EMAIL_NPCMESSAGE);
  item->text_ = text;
  return item;
}

GUI_Email* GUI_Email::AddRoyaltyReport(SIM_RoyaltyStream* stream) {
  return new GUI_Email(stream, EMAIL_ROYALTYREPORT);
}

GUI_Email* GUI_Email::AddTextureMessage(const std::string& picture, const std::string& text,
                                        const std::string& title) {
  auto* item = new GUI_Email(nullptr, EMAIL_TEXTUREMESSAGE);
  item->text_ = text;
  item->title_ = title;
  item->picture_ = picture;
  return item;
}

GUI_Email* GUI_Email::AddSpecialEvent(SIM_SpecialEvent* event) {
  return new GUI_Email(event, EMAIL_SPECIALEVENT);
}

GUI_Email* GUI_Email::AddNewFriend(SIM_NPC* npc) { return new GUI_Email(npc, EMAIL_NEWFRIEND); }

void GUI_Email::RemoveInvitation(SIM_SocialInvitation* invitation) {
  for (GUI_Email* item : List()) {
    if (item->type_ == EMAIL_INVITATION && item->data_ == invitation) {
      delete item;
      return;
    }
  }
}

void GUI_Email::DeleteAll() {
  while (!List().empty()) delete List().front();
}

const std::list<GUI_Email*>& GUI_Email::Items() { return List(); }

bool GUI_Email::HasNewMail() { return g_newMail; }

void GUI_Email::LayOut() {
  const float size = static_cast<float>(kSize);
  float i = 0.0f;
  for (GUI_Email* item : List()) {
    item->MoveTo(g_screenWidth - size - static_cast<float>(kRightMargin) - size * i,
                 static_cast<float>(item->rect.top));
    i += 1.0f;
  }
}

void GUI_Email::Slide() {
  const float x = static_cast<float>(rect.left);
  if (x <= targetX_) return;
  const float step = kSlideSpeed * GUI_GUI::Instance().GetFrameStep();
  MoveTo(std::max(x - step, targetX_), static_cast<float>(rect.top));
}

const char* GUI_Email::GetIcon(bool hover) const {
  if (laptop_) {
    if (opened_) return "envelope_open.dds";
    return hover ? "envelope_closed_h.dds" : "envelope_closed.dds";
  }
  if (opened_) return "telephone_answered.dds";
  return hover ? "telephone_h.dds" : "telephone.dds";
}

void GUI_Email::Draw() {
  Slide();
  DrawFilled(GetIcon(HitTest(GUI_Services::MouseX(), GUI_Services::MouseY())), 1.0f, 1.0f);
}

void GUI_Email::DrawAll() {
  for (GUI_Email* item : List()) item->Draw();
  if (!g_newMail || !SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kNewMailSound))
    return;
  // The sound follows what the player owns now; the items keep the look they were made with.
  GUI_Services::PlaySound(OwnsLaptop() ? kMailSound : kTelephoneSound);
  g_newMail = false;
}

bool GUI_Email::OnClick(float x, float y) {
  if (!HitTest(x, y)) return false;
  Open();
  return true;
}

bool GUI_Email::ClickAll() {
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  for (GUI_Email* item : List())
    if (item->OnClick(x, y)) return true;
  return false;
}

void GUI_Email::Open() {
  // Marked and quietened first: a window the action opens may answer at once and delete the
  // item, which must not be touched afterwards.
  opened_ = true;
  if (!laptop_) GUI_Services::StopSound(kTelephoneSound);
  switch (type_) {
    case EMAIL_JOBUNLOCK:
      GUI_JobUnlock::Open(static_cast<SIM_NPC*>(data_), this);
      break;
    case EMAIL_JOBOFFER:
      GUI_JobOffer::Open(static_cast<SIM_JobOffer*>(data_), this);
      break;
    case EMAIL_INVITATION:
      GUI_SocialInvitation::Open(static_cast<SIM_SocialInvitation*>(data_));
      break;
    case EMAIL_RUMOUR:
      if (SIM_Rumour* rumour = SIM_Rumour::PickRandom()) {
        ShowNPCMessage(static_cast<SIM_NPC*>(data_), rumour->GetText());
        delete rumour;  // told once
      }
      break;
    case EMAIL_NPCMESSAGE:
      ShowNPCMessage(static_cast<SIM_NPC*>(data_), text_);
      break;
    case EMAIL_ROYALTYREPORT:
      GUI_RoyaltyReport::Open(static_cast<SIM_RoyaltyStream*>(data_));
      break;
    case EMAIL_TEXTUREMESSAGE:
      ShowTextureMessage(picture_, text_, title_);
      break;
    case EMAIL_SPECIALEVENT:
      GUI_SpecialEvent::Open(static_cast<SIM_SpecialEvent*>(data_));
      break;
    case EMAIL_NEWFRIEND:
      ShowNPCMessage(static_cast<SIM_NPC*>(data_), Translate("EMAIL_NEWFRIEND"));
      break;
  }
}
