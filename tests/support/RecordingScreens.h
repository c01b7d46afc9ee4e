// Screens that record what the simulation asked of them, in the shared call record, as
// "<screen>::<operation>" (the screens' own names), and otherwise answer as the headless ones.
// Tests read the order of these requests beside the stand-ins' calls.
#pragma once

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/Utilities.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Screens.h"

namespace testsupport {

class RecordingScreens : public SIM_HeadlessScreens {
 public:
  static RecordingScreens& Instance() {
    static RecordingScreens* screens = new RecordingScreens();  // lives until the process ends
    return *screens;
  }

  void DrawLoadScreen(float progress) override { Record("GUI_LoadScreen::Draw"); }
  void ShowErrorBox(const std::string& title, const std::string& text) override {
    ++errorBoxes_;
    Record("ShowErrorBox " + title + "|" + text);
  }
  // How many error boxes the simulation has raised since the program started.
  int ErrorBoxes() const { return errorBoxes_; }
  void RefreshDate() override { Record("GUI_Date::Refresh"); }
  void RefreshWeatherTooltip() override { Record("GUI_Weather::RefreshTooltip"); }
  void RefreshCalendar() override { Record("GUI_Calendar::Refresh"); }
  void RefreshCareer() override { Record("GUI_Career::Refresh"); }
  void RefreshSkills() override { Record("GUI_Skills::Refresh"); }
  void RefreshDirtSprites() override { Record("GUI_DirtSprites::Refresh"); }
  void RefreshWindowTextures() override { Record("GUI_TextureSet::RefreshWindowTextures"); }
  void SetAvatarMood(int mood) override { Record("GUI_Avatar::SetMood " + std::to_string(mood)); }
  void OnActsUsedUp() override { Record("GUI_ControlPanel::OnActsUsedUp"); }
  void ShowWorkDay() override {
    Record("GUI_WorkDay::Show");
    SIM_HeadlessScreens::ShowWorkDay();
  }
  void ShowYearlyReview() override {
    Record("GUI_YearlyReview::Show");
    SIM_HeadlessScreens::ShowYearlyReview();
  }
  void ShowEndGame() override {
    Record("GUI_EndGame::Show");
    SIM_HeadlessScreens::ShowEndGame();
  }
  void CloseSoloActivityChooser() override { Record("GUI_SoloActivityChooser::Close"); }
  void CloseRestaurantChooser() override {
    SIM_HeadlessScreens::CloseRestaurantChooser();
    Record("GUI_RestaurantChooser::Close");
  }
  void CloseBookDetails() override { Record("GUI_BookDetails::Close"); }
  void CloseRoyaltyReport() override { Record("GUI_RoyaltyReport::Close"); }
  void CloseSocialInvitations() override { Record("GUI_SocialInvitation::CloseAll"); }
  void ClosePostMortem() override { Record("GUI_PostMortem::Close"); }
  void DeleteAllEmail() override {
    Record("GUI_Email::DeleteAll");
    mail_.clear();
    SIM_HeadlessScreens::DeleteAllEmail();
  }
  // The mail is kept as the real screens keep it (an answered offer's item goes with the
  // offer), so a save holds it and a load makes it again, recorded as the adds it repeats.
  std::vector<SIM_MailItem> ListMail() override {
    std::vector<SIM_MailItem> items;
    for (const SIM_MailItem& item : mail_)
      if (item.kind != SIM_MailItem::kJobOffer || SIM_JobOffer::Exists(item.offer))
        items.push_back(item);
    return items;
  }
  void RestoreMail(const std::vector<SIM_MailItem>& items) override {
    static const char* const kAdds[SIM_MailItem::kKinds] = {
        "AddJobUnlock", "AddJobOffer", "AddInvitation", "AddRumour", "AddNPCMessage",
        "AddRoyaltyReport", "AddTextureMessage", "AddSpecialEvent", "AddNewFriend"};
    mail_ = items;
    for (const SIM_MailItem& item : items) Record(std::string("GUI_Email::") + kAdds[item.kind]);
    SIM_HeadlessScreens::RestoreMail(items);
  }
  const std::vector<SIM_MailItem>& Mail() const { return mail_; }
  void AddInvitation(SIM_SocialInvitation* invitation) override {
    Record("GUI_Email::AddInvitation");
    Keep(SIM_MailItem::kInvitation).invitation = invitation;
  }
  void AddNewFriend(SIM_NPC* npc) override {
    Record("GUI_Email::AddNewFriend");
    Keep(SIM_MailItem::kNewFriend).npc = npc;
  }
  void AddNPCMessage(SIM_NPC* npc, const std::string& text) override {
    Record("GUI_Email::AddNPCMessage " + text);
    SIM_MailItem& item = Keep(SIM_MailItem::kNPCMessage);
    item.npc = npc;
    item.text = text;
  }
  void AddJobUnlock(SIM_NPC* npc, SIM_JobBase*) override {
    Record("GUI_Email::AddJobUnlock");
    Keep(SIM_MailItem::kJobUnlock).npc = npc;
  }
  void ShowHint(const std::string& key) override { Record("ShowHint " + key); }
  void ShowTextureMessage(const std::string& picture, const std::string& text,
                          const std::string& title) override {
    Record("ShowTextureMessage " + picture + "|" + text + "|" + title);
  }
  void ShowNPCMessage(SIM_NPC*, const std::string& text) override {
    Record("ShowNPCMessage " + text);
  }
  void OpenNoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc) override {
    Record("GUI_NoMoneyDialog::Open");
    SIM_HeadlessScreens::OpenNoMoneyDialog(type, npc);
  }
  void OpenAttributeDetails(SIM_Attribute*) override { Record("GUI_AttributeDetails::Open"); }
  void ShowAttributeChange(SIM_Attribute*, float amount) override {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", amount);
    Record(std::string("ShowAttributeChange ") + text);
  }
  void LayOutNPCIcons() override { Record("LayOutNPCIcons"); }
  // The characters whose contact icon the screens would show.
  void AddNPCIcon(SIM_NPC* npc) override { icons_.insert(npc); }
  void RemoveNPCIcon(SIM_NPC* npc) override { icons_.erase(npc); }
  bool HasIcon(const SIM_NPC* npc) const { return icons_.count(npc) > 0; }
  void AddJobOffer(SIM_JobOffer* offer) override {
    Record("GUI_Email::AddJobOffer");
    Keep(SIM_MailItem::kJobOffer).offer = offer;
  }
  void AddRumour(SIM_NPC* npc) override {
    Record("GUI_Email::AddRumour");
    Keep(SIM_MailItem::kRumour).npc = npc;
  }
  void AddRoyaltyReport(SIM_RoyaltyStream* stream) override {
    Record("GUI_Email::AddRoyaltyReport");
    Keep(SIM_MailItem::kRoyaltyReport).royalty = stream;
  }
  void AddTextureMessage(const std::string& picture, const std::string& text,
                         const std::string& title) override {
    Record("GUI_Email::AddTextureMessage " + picture + "|" + text + "|" + title);
    SIM_MailItem& item = Keep(SIM_MailItem::kTextureMessage);
    item.picture = picture;
    item.text = text;
    item.title = title;
  }
  void AddSpecialEvent(SIM_SpecialEvent* event) override {
    Record("GUI_Email::AddSpecialEvent");
    Keep(SIM_MailItem::kSpecialEvent).event = event;
    SIM_HeadlessScreens::AddSpecialEvent(event);
  }
  void RemoveInvitation(SIM_SocialInvitation* invitation) override {
    Record("GUI_Email::RemoveInvitation");
    for (auto it = mail_.begin(); it != mail_.end(); ++it) {
      if (it->kind == SIM_MailItem::kInvitation && it->invitation == invitation) {
        mail_.erase(it);
        break;
      }
    }
  }
  // Notes get ids 1, 2, ... in the order they are asked for; none is ever refused.
  int AddPostit(const std::string& text, int action, const std::string& activity) override {
    Record("GUI_Postit::AddPostit " + text + "|" + std::to_string(action) + "|" + activity);
    return ++lastPostit_;
  }
  void DeletePostit(int id) override { Record("GUI_Postit::Delete " + std::to_string(id)); }
  void OpenPostMortem(SIM_SocialiseInstance* evening) override {
    SIM_HeadlessScreens::OpenPostMortem(evening);
    Record("GUI_PostMortem::Open");
  }
  void AddWorkDayLine(int kind, int value) override {
    Record("GUI_WorkDay::AddLine " + std::to_string(kind) + " " + std::to_string(value));
  }
  void ShowFMV(const std::string& key) override { Record("GUI_FMVScreen::Show " + key); }
  void ShowMessage(const std::string& text, const std::string& title) override {
    Record("ShowMessage " + text + "|" + title);
  }
  void DeleteNPCViews(SIM_NPC* npc) override {
    icons_.erase(npc);
    SIM_HeadlessScreens::DeleteNPCViews(npc);
  }
  void OpenRomanticOffer(SIM_NPC* npc) override {
    Record("GUI_RomanticOffer::Open");
    SIM_HeadlessScreens::OpenRomanticOffer(npc);
  }
  void OpenSurfWeb() override {
    Record("GUI_SurfWeb::Open");
    SIM_HeadlessScreens::OpenSurfWeb();
  }
  void OpenWatchTV() override {
    Record("GUI_WatchTV::Open");
    SIM_HeadlessScreens::OpenWatchTV();
  }
  void OpenMatch3Game() override { Record("GUI_Match3Game::Open"); }
  void OpenEveningClasses(bool fromActivity) override {
    SIM_HeadlessScreens::OpenEveningClasses(fromActivity);
    Record(std::string("GUI_EveningClasses::Open ") + (fromActivity ? "activity" : "panel"));
  }
  void OpenEveningClassResult(HOOK_EveningClassType*, float concentration) override {
    Record("GUI_EveningClassPostMortem::Open " + FormatFixed(concentration, 2));
  }
  void OpenPetDetails(SIM_PetBase*) override { Record("GUI_PetDetails::Open"); }
  void OpenCrossword(bool easy) override {
    Record(std::string("GUI_Crossword::Open ") + (easy ? "easy" : "cryptic"));
  }
  void OpenRestaurantChooser(SIM_RestaurantInstance* evening) override {
    SIM_HeadlessScreens::OpenRestaurantChooser(evening);
    Record("GUI_RestaurantChooser::Open");
  }
  void OpenRestaurantMeal(SIM_RestaurantInstance* evening) override {
    SIM_HeadlessScreens::OpenRestaurantMeal(evening);
    Record("GUI_RestaurantInstance::Open");
  }
  void OpenMovieChooser(SIM_MovieInstance* evening) override {
    SIM_HeadlessScreens::OpenMovieChooser(evening);
    Record("GUI_MovieChooser::Open");
  }
  void OpenRoulette(SIM_RouletteInstance* evening) override {
    SIM_HeadlessScreens::OpenRoulette(evening);
    Record("GUI_Roulette::Open");
  }
  void OpenBeerPostMortem(SIM_SocialiseInstance* evening) override {
    SIM_HeadlessScreens::OpenBeerPostMortem(evening);
    Record("GUI_BeerPostMortem::Open");
  }
  void OpenTeamInvite() override {
    SIM_HeadlessScreens::OpenTeamInvite();
    Record("GUI_TeamInvite::Open");
  }
  void AddPostMortemLine(const std::string& line) override { Record("GUI_PostMortem::AddLine " + line); }
  void CloseVenueWindows() override {
    SIM_HeadlessScreens::CloseVenueWindows();
    Record("CloseVenueWindows");
  }
  void RebuildAssetIcons() override { Record("GUI_Assets::RebuildIcons"); }
  void OpenAssetDetails(SIM_Asset*) override { Record("GUI_AssetDetails::Open"); }
  void OpenShopping() override {
    Record("GUI_Shopping::Open");
    SIM_HeadlessScreens::OpenShopping();
  }
  void OpenBookDetails(SIM_Book* book) override {
    Record("GUI_BookDetails::Open");
    SIM_HeadlessScreens::OpenBookDetails(book);
  }
  void OpenBookReading(SIM_Book* book, int pages, float alertness, bool understood) override {
    Record("GUI_BookReading::Open " + std::to_string(pages) + (understood ? "" : " not understood"));
    SIM_HeadlessScreens::OpenBookReading(book, pages, alertness, understood);
  }
  void OpenSoloActivityChooserOn(const std::string& activity) override {
    Record("GUI_SoloActivityChooser::Open " + activity);
  }
  void OpenSpecialEventPostMortem(SIM_SpecialEvent* event) override {
    Record("GUI_SpecialEventPostMortem::Open");
    SIM_HeadlessScreens::OpenSpecialEventPostMortem(event);
  }

 private:
  RecordingScreens() = default;
  SIM_MailItem& Keep(SIM_MailItem::Kind kind) {
    SIM_MailItem& item = mail_.emplace_back();
    item.kind = kind;
    return item;
  }
  std::set<const SIM_NPC*> icons_;
  std::vector<SIM_MailItem> mail_;
  int errorBoxes_ = 0;
  int lastPostit_ = 0;
  static void Record(const std::string& call) { TraceCall(call); }
};

// Installs the screens for a test's lifetime and puts the earlier ones back.
class ScopedScreens {
 public:
  explicit ScopedScreens(SIM_Screens* screens) : before_(&Screens()) { InstallScreens(screens); }
  ~ScopedScreens() { InstallScreens(before_); }
  ScopedScreens(const ScopedScreens&) = delete;
  ScopedScreens& operator=(const ScopedScreens&) = delete;

 private:
  SIM_Screens* before_;
};

}  // namespace testsupport
