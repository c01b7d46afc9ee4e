// What the simulation asks of the screens, done by the screens.
#include "gui/GUI_SimScreens.h"

#include <algorithm>

#include "gui/GUI_Assets.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Calendar.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Date.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_LoadScreen.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_TextureMessage.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_Weather.h"
#include "gui/windows/GUI_AssetDetails.h"
#include "gui/windows/GUI_AttributeDetails.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_DebugWatchers.h"
#include "gui/windows/GUI_Crossword.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_EveningClassPostMortem.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_Match3Game.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_PetDetails.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_NPCMessage.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Relationship.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_Romance.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "gui/windows/GUI_Roulette.h"
#include "gui/windows/GUI_TeamInvite.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WebTV.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "platform/MessageBox.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Attribute.h"

GUI_SimScreens& GUI_SimScreens::Instance() {
  static GUI_SimScreens* screens = new GUI_SimScreens();  // lives until the process ends
  return *screens;
}

GUI_SimScreens::~GUI_SimScreens() = default;

GUI_NPCIcon* GUI_SimScreens::IconOf(const SIM_NPC* npc) const {
  const auto it = icons_.find(npc);
  return it == icons_.end() ? nullptr : it->second.get();
}

GUI_Relationship* GUI_SimScreens::ViewOf(const SIM_Relationship* relationship) const {
  const auto it = views_.find(relationship);
  return it == views_.end() ? nullptr : it->second.get();
}

void GUI_SimScreens::PruneViews() {
  const auto& people = SIM_Person::All();
  std::erase_if(icons_, [&people](const auto& entry) {
    return std::find(people.begin(), people.end(), entry.first) == people.end();
  });
  const auto& relationships = SIM_Relationship::All();
  std::erase_if(views_, [&relationships](const auto& entry) {
    return std::find(relationships.begin(), relationships.end(), entry.first) ==
           relationships.end();
  });
}

void GUI_SimScreens::DrawLoadScreen(float progress) { GUI_LoadScreen::Instance().Draw(progress); }

void GUI_SimScreens::ShowErrorBox(const std::string& title, const std::string& text) {
  plat::ShowMessageBox(title, text, plat::BoxIcon::Error);
}

void GUI_SimScreens::RefreshDate() {
  if (GUI_Date* panel = GUI_Date::Instance()) panel->Refresh();
}

void GUI_SimScreens::RefreshWeatherTooltip() {
  if (GUI_Weather* icon = GUI_Weather::Instance()) icon->RefreshTooltip();
}

void GUI_SimScreens::RefreshCalendar() {
  if (GUI_Calendar* panel = GUI_Calendar::Instance()) panel->Refresh();
}

void GUI_SimScreens::RefreshCareer() { GUI_Career::Refresh(); }
void GUI_SimScreens::RefreshSkills() { GUI_Skills::Refresh(); }
void GUI_SimScreens::RefreshDirtSprites() { GUI_DirtSprites::Refresh(); }
void GUI_SimScreens::RefreshWindowTextures() { GUI_TextureSet::Instance().RefreshWindowTextures(); }
void GUI_SimScreens::SetAvatarMood(int mood) { GUI_Avatar::SetMood(mood); }
void GUI_SimScreens::OnActsUsedUp() { GUI_ControlPanel::OnActsUsedUp(); }
void GUI_SimScreens::ShowWorkDay() { GUI_WorkDay::Instance()->Show(); }

void GUI_SimScreens::ShowYearlyReview() {
  if (GUI_YearlyReview* window = GUI_YearlyReview::Instance()) window->Show();
}

void GUI_SimScreens::ShowEndGame() {
  if (GUI_EndGame* window = GUI_EndGame::Instance()) window->Show();
}

bool GUI_SimScreens::IsEndGameOpen() { return GUI_EndGame::Instance()->IsOpen(); }
void GUI_SimScreens::CloseSoloActivityChooser() { GUI_SoloActivityChooser::Close(); }
void GUI_SimScreens::CloseRestaurantChooser() { GUI_RestaurantChooser::Close(); }
void GUI_SimScreens::CloseBookDetails() { GUI_BookDetails::Close(); }
void GUI_SimScreens::CloseRoyaltyReport() { GUI_RoyaltyReport::Close(); }
void GUI_SimScreens::CloseSocialInvitations() { GUI_SocialInvitation::CloseAll(); }
void GUI_SimScreens::ClosePostMortem() { GUI_PostMortem::Close(); }
void GUI_SimScreens::DeleteAllEmail() { GUI_Email::DeleteAll(); }

std::vector<SIM_MailItem> GUI_SimScreens::ListMail() {
  std::vector<SIM_MailItem> items;
  for (const GUI_Email* email : GUI_Email::Items()) {
    SIM_MailItem& item = items.emplace_back();
    item.kind = static_cast<SIM_MailItem::Kind>(email->GetType());
    void* data = email->GetData();
    switch (email->GetType()) {
      case EMAIL_JOBUNLOCK:
      case EMAIL_RUMOUR:
      case EMAIL_NPCMESSAGE:
      case EMAIL_NEWFRIEND:
        item.npc = static_cast<SIM_NPC*>(data);
        break;
      case EMAIL_JOBOFFER:
        item.offer = static_cast<SIM_JobOffer*>(data);
        break;
      case EMAIL_INVITATION:
        item.invitation = static_cast<SIM_SocialInvitation*>(data);
        break;
      case EMAIL_ROYALTYREPORT:
        item.royalty = static_cast<SIM_RoyaltyStream*>(data);
        break;
      case EMAIL_SPECIALEVENT:
        item.event = static_cast<SIM_SpecialEvent*>(data);
        break;
      case EMAIL_TEXTUREMESSAGE:
        break;
    }
    item.text = email->GetText();
    item.title = email->GetTitle();
    item.picture = email->GetPicture();
    item.opened = email->IsOpened();
    item.laptop = email->IsLaptop();
  }
  return items;
}

void GUI_SimScreens::RestoreMail(const std::vector<SIM_MailItem>& items) {
  GUI_Email::DeleteAll();
  for (const SIM_MailItem& item : items) {
    GUI_Email* email = nullptr;
    switch (item.kind) {
      case SIM_MailItem::kJobUnlock:
        email = GUI_Email::AddJobUnlock(item.npc, item.npc->GetUnlockableJob());
        break;
      case SIM_MailItem::kJobOffer:
        email = GUI_Email::AddJobOffer(item.offer);
        break;
      case SIM_MailItem::kInvitation:
        email = GUI_Email::AddInvitation(item.invitation);
        break;
      case SIM_MailItem::kRumour:
        email = GUI_Email::AddRumour(item.npc);
        break;
      case SIM_MailItem::kNPCMessage:
        email = GUI_Email::AddNPCMessage(item.npc, item.text);
        break;
      case SIM_MailItem::kRoyaltyReport:
        email = GUI_Email::AddRoyaltyReport(item.royalty);
        break;
      case SIM_MailItem::kTextureMessage:
        email = GUI_Email::AddTextureMessage(item.picture, item.text, item.title);
        break;
      case SIM_MailItem::kSpecialEvent:
        email = GUI_Email::AddSpecialEvent(item.event);
        break;
      case SIM_MailItem::kNewFriend:
        email = GUI_Email::AddNewFriend(item.npc);
        break;
    }
    if (email) email->RestoreLook(item.opened, item.laptop);
  }
}

void GUI_SimScreens::AddInvitation(SIM_SocialInvitation* invitation) {
  GUI_Email::AddInvitation(invitation);
}

void GUI_SimScreens::AddNewFriend(SIM_NPC* npc) { GUI_Email::AddNewFriend(npc); }

void GUI_SimScreens::AddNPCMessage(SIM_NPC* npc, const std::string& text) {
  GUI_Email::AddNPCMessage(npc, text);
}

void GUI_SimScreens::AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job) {
  GUI_Email::AddJobUnlock(npc, job);
}

void GUI_SimScreens::ShowHint(const std::string& key) { ::ShowHint(key); }

void GUI_SimScreens::ShowTextureMessage(const std::string& picture, const std::string& text,
                                        const std::string& title) {
  ::ShowTextureMessage(picture, text, title);
}

void GUI_SimScreens::ShowNPCMessage(SIM_NPC* npc, const std::string& text) {
  ::ShowNPCMessage(npc, text);
}

void GUI_SimScreens::OpenNoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc) {
  GUI_NoMoneyDialog::Open(type, npc);
}

void GUI_SimScreens::OpenAttributeDetails(SIM_Attribute* attribute) {
  GUI_Services::PlayClick();
  GUI_AttributeDetails::Open(attribute);
}

void GUI_SimScreens::ShowAttributeChange(SIM_Attribute* attribute, float amount) {
  // The bar is found by the attribute's name: an attribute without one (a part of intelligence
  // or culture) shows nothing.
  if (!attribute) return;
  GUI_Indicator* bar = GUI_Indicator::FindAttributeBar(attribute->GetName());
  if (!bar) return;
  const GUI_Rect& r = bar->GetRect();
  bar->GetChangePopup().Show(amount, static_cast<float>(r.left),
                             static_cast<float>(r.top + r.bottom) * 0.5f,
                             attribute->IsRisingGood());
}

void GUI_SimScreens::AddNPCIcon(SIM_NPC* npc) { icons_[npc].reset(CreateNPCIcon(npc)); }
void GUI_SimScreens::RemoveNPCIcon(SIM_NPC* npc) { icons_.erase(npc); }
void GUI_SimScreens::LayOutNPCIcons() { ::LayOutNPCIcons(); }

void GUI_SimScreens::AddRelationshipView(SIM_Relationship* relationship) {
  views_[relationship].reset(GUI_Relationship::Create(relationship));
}

void GUI_SimScreens::RemoveRelationshipView(SIM_Relationship* relationship) {
  views_.erase(relationship);
}

void GUI_SimScreens::AddJobOffer(SIM_JobOffer* offer) { GUI_Email::AddJobOffer(offer); }
void GUI_SimScreens::AddRumour(SIM_NPC* npc) { GUI_Email::AddRumour(npc); }

void GUI_SimScreens::AddRoyaltyReport(SIM_RoyaltyStream* stream) {
  GUI_Email::AddRoyaltyReport(stream);
}

void GUI_SimScreens::AddTextureMessage(const std::string& picture, const std::string& text,
                                       const std::string& title) {
  GUI_Email::AddTextureMessage(picture, text, title);
}

void GUI_SimScreens::AddSpecialEvent(SIM_SpecialEvent* event) { GUI_Email::AddSpecialEvent(event); }

void GUI_SimScreens::RemoveInvitation(SIM_SocialInvitation* invitation) {
  GUI_Email::RemoveInvitation(invitation);
}
int GUI_SimScreens::AddPostit(const std::string& text, int action, const std::string& activity) {
  GUI_Postit* note = GUI_Postit::AddPostit(text, action);
  if (!note) return 0;
  note->SetSecondText(activity);
  return note->GetId();
}

void GUI_SimScreens::DeletePostit(int id) { GUI_Postit::Delete(id); }
void GUI_SimScreens::OpenPostMortem(SIM_SocialiseInstance* evening) { GUI_PostMortem::Open(evening); }

void GUI_SimScreens::AddWorkDayLine(int kind, int value) { GUI_WorkDay::Instance()->AddLine(kind, value); }

void GUI_SimScreens::ShowFMV(const std::string& key) { GUI_FMVScreen::Show(key); }

void GUI_SimScreens::ShowMessage(const std::string& text, const std::string& title) {
  ::ShowMessage(text, title);
}

void GUI_SimScreens::DeleteNPCViews(SIM_NPC* npc) {
  icons_.erase(npc);
  GUI_NPC::CloseFor(npc);
  GUI_DebugWatcher::CloseFor(npc);
  GUI_RomanticOffer::CloseFor(npc);
  GUI_NoMoneyDialog::CloseFor(npc);
}

void GUI_SimScreens::OpenRomanticOffer(SIM_NPC* npc) { GUI_RomanticOffer::Open(npc); }

// The summary shows the partner it was opened for; a new partner or none closes it.
void GUI_SimScreens::OnRomanceChanged() { GUI_RomanceSummary::Close(); }
void GUI_SimScreens::OpenSurfWeb() { GUI_SurfWeb::Open(); }

void GUI_SimScreens::OpenWatchTV() { GUI_WatchTV::Open(); }
void GUI_SimScreens::OpenMatch3Game() { GUI_Match3Game::Open(); }

void GUI_SimScreens::OpenCrossword(bool easy) { GUI_Crossword::Open(easy); }

void GUI_SimScreens::OpenEveningClasses(bool fromActivity) { GUI_EveningClasses::Open(fromActivity); }

void GUI_SimScreens::OpenEveningClassResult(HOOK_EveningClassType* type, float concentration) {
  GUI_EveningClassPostMortem::Open(type, concentration);
}

void GUI_SimScreens::CloseEveningClassWindows() {
  GUI_EveningClasses::Close();
  GUI_EveningClassPostMortem::Close();
}

void GUI_SimScreens::OpenPetDetails(SIM_PetBase* pet) { GUI_PetDetails::Open(pet); }

void GUI_SimScreens::OpenRestaurantChooser(SIM_RestaurantInstance* evening) {
  GUI_RestaurantChooser::Open(evening);
}

void GUI_SimScreens::OpenRestaurantMeal(SIM_RestaurantInstance* evening) {
  GUI_RestaurantInstance::Open(evening);
}

void GUI_SimScreens::OpenMovieChooser(SIM_MovieInstance* evening) { GUI_MovieChooser::Open(evening); }

void GUI_SimScreens::OpenRoulette(SIM_RouletteInstance* evening) { GUI_Roulette::Open(evening); }

void GUI_SimScreens::OpenBeerPostMortem(SIM_SocialiseInstance* evening) {
  GUI_BeerPostMortem::Open(evening);
}

void GUI_SimScreens::OpenTeamInvite() { GUI_TeamInvite::Open(); }

void GUI_SimScreens::AddPostMortemLine(const std::string& line) {
  if (GUI_PostMortem* report = GUI_PostMortem::Instance()) report->AddLine(line);
}

void GUI_SimScreens::CloseVenueWindows() {
  GUI_RestaurantChooser::Close();
  GUI_RestaurantInstance::Close();
  GUI_MovieChooser::Close();
  GUI_Roulette::Close();
  GUI_BeerPostMortem::Close();
  GUI_TeamInvite::Close();
}
void GUI_SimScreens::RebuildAssetIcons() { GUI_Assets::RebuildIcons(); }

void GUI_SimScreens::OpenAssetDetails(SIM_Asset* asset) { GUI_AssetDetails::Open(asset); }

void GUI_SimScreens::OpenShopping() { GUI_Shopping::Open(); }

void GUI_SimScreens::OpenBookDetails(SIM_Book* book) { GUI_BookDetails::Open(book); }

void GUI_SimScreens::OpenBookReading(SIM_Book* book, int pages, float alertness,
                                     bool understood) {
  GUI_BookReading::Open(book, pages, alertness, understood);
}

void GUI_SimScreens::OpenSoloActivityChooserOn(const std::string& activity) {
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser::SelectByName(activity.c_str());
}

void GUI_SimScreens::OpenSpecialEventPostMortem(SIM_SpecialEvent* event) {
  GUI_SpecialEventPostMortem::Open(event);
}
