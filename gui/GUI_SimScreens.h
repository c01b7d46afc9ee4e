// The screens the simulation talks to, as the application installs them.
#pragma once

#include <map>
#include <memory>

#include "sim/SIM_Screens.h"

class GUI_NPCIcon;
class GUI_Relationship;

class GUI_SimScreens : public SIM_Screens {
 public:
  static GUI_SimScreens& Instance();
  ~GUI_SimScreens() override;

  // The contact icon of a character and the view of a relationship, or null.
  GUI_NPCIcon* IconOf(const SIM_NPC* npc) const;
  GUI_Relationship* ViewOf(const SIM_Relationship* relationship) const;
  // Forgets the icons and views whose character or relationship no longer exists (deleted
  // while other screens were installed: the tests switch screens between runs).
  void PruneViews();

  void DrawLoadScreen(float progress) override;
  void ShowErrorBox(const std::string& title, const std::string& text) override;
  void RefreshDate() override;
  void RefreshWeatherTooltip() override;
  void RefreshCalendar() override;
  void RefreshCareer() override;
  void RefreshSkills() override;
  void RefreshDirtSprites() override;
  void RefreshWindowTextures() override;
  void SetAvatarMood(int mood) override;
  void OnActsUsedUp() override;
  void ShowWorkDay() override;
  void ShowYearlyReview() override;
  void ShowEndGame() override;
  bool IsEndGameOpen() override;
  void CloseSoloActivityChooser() override;
  void CloseRestaurantChooser() override;
  void CloseBookDetails() override;
  void CloseRoyaltyReport() override;
  void CloseSocialInvitations() override;
  void ClosePostMortem() override;
  void DeleteAllEmail() override;
  std::vector<SIM_MailItem> ListMail() override;
  void RestoreMail(const std::vector<SIM_MailItem>& items) override;
  void AddInvitation(SIM_SocialInvitation* invitation) override;
  void AddNewFriend(SIM_NPC* npc) override;
  void AddNPCMessage(SIM_NPC* npc, const std::string& text) override;
  void AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job) override;
  void ShowHint(const std::string& key) override;
  void ShowTextureMessage(const std::string& picture, const std::string& text,
                          const std::string& title) override;
  void ShowNPCMessage(SIM_NPC* npc, const std::string& text) override;
  void OpenNoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc) override;
  void OpenAttributeDetails(SIM_Attribute* attribute) override;
  void ShowAttributeChange(SIM_Attribute* attribute, float amount) override;
  void AddNPCIcon(SIM_NPC* npc) override;
  void RemoveNPCIcon(SIM_NPC* npc) override;
  void LayOutNPCIcons() override;
  void AddRelationshipView(SIM_Relationship* relationship) override;
  void RemoveRelationshipView(SIM_Relationship* relationship) override;
  void AddJobOffer(SIM_JobOffer* offer) override;
  void AddRumour(SIM_NPC* npc) override;
  void AddRoyaltyReport(SIM_RoyaltyStream* stream) override;
  void AddTextureMessage(const std::string& picture, const std::string& text,
                         const std::string& title) override;
  void AddSpecialEvent(SIM_SpecialEvent* event) override;
  void RemoveInvitation(SIM_SocialInvitation* invitation) override;
  int AddPostit(const std::string& text, int action, const std::string& activity) override;
  void DeletePostit(int id) override;
  void OpenPostMortem(SIM_SocialiseInstance* evening) override;
  void AddWorkDayLine(int kind, int value) override;
  void ShowFMV(const std::string& key) override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  void DeleteNPCViews(SIM_NPC* npc) override;
  void OpenRomanticOffer(SIM_NPC* npc) override;
  void OnRomanceChanged() override;
  void OpenSurfWeb() override;
  void OpenWatchTV() override;
  void OpenMatch3Game() override;
  void OpenCrossword(bool easy) override;
  void OpenEveningClasses(bool fromActivity) override;
  void OpenEveningClassResult(HOOK_EveningClassType* type, float concentration) override;
  void CloseEveningClassWindows() override;
  void OpenPetDetails(SIM_PetBase* pet) override;
  void OpenRestaurantChooser(SIM_RestaurantInstance* evening) override;
  void OpenRestaurantMeal(SIM_RestaurantInstance* evening) override;
  void OpenMovieChooser(SIM_MovieInstance* evening) override;
  void OpenRoulette(SIM_RouletteInstance* evening) override;
  void OpenBeerPostMortem(SIM_SocialiseInstance* evening) override;
  void OpenTeamInvite() override;
  void AddPostMortemLine(const std::string& line) override;
  void CloseVenueWindows() override;
  void RebuildAssetIcons() override;
  void OpenAssetDetails(SIM_Asset* asset) override;
  void OpenShopping() override;
  void OpenBookDetails(SIM_Book* book) override;
  void OpenBookReading(SIM_Book* book, int pages, float alertness, bool understood) override;
  void OpenSoloActivityChooserOn(const std::string& activity) override;
  void OpenSpecialEventPostMortem(SIM_SpecialEvent* event) override;

 private:
  GUI_SimScreens() = default;
  std::map<const SIM_NPC*, std::unique_ptr<GUI_NPCIcon>> icons_;
  std::map<const SIM_Relationship*, std::unique_ptr<GUI_Relationship>> views_;
};
