// What the simulation asks of the screens. The simulation never includes a screen: it calls
// these operations, and the application installs the screens' implementation at start-up.
// Until one is installed (the simulation's own tests, the headless bench) the headless
// implementation answers as a player's defaults would.
//
// The operations keep the names of the screens' own: the yearly review's Show is
// ShowYearlyReview, the mail items' AddInvitation is AddInvitation, and so on.
#pragma once

#include <string>

class SIM_Asset;
class SIM_Attribute;
class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;
class SIM_Relationship;
class SIM_RoyaltyStream;
class SIM_SocialInvitation;
class SIM_SocialiseInstance;
class SIM_SocialiseType;
class SIM_SpecialEvent;

class SIM_Screens {
 public:
  virtual ~SIM_Screens() = default;

  // The loading screen: one whole frame with the bar at progress (0..1).
  virtual void DrawLoadScreen(float progress) = 0;
  // A box with an error icon (a failed save or load).
  virtual void ShowErrorBox(const std::string& title, const std::string& text) = 0;

  // Panels of the main screen that show simulation state and are told when it changes.
  virtual void RefreshDate() = 0;
  virtual void RefreshWeatherTooltip() = 0;
  virtual void RefreshCalendar() = 0;
  virtual void RefreshCareer() = 0;
  virtual void RefreshSkills() = 0;
  virtual void RefreshDirtSprites() = 0;
  // The window backgrounds follow the player's wealth.
  virtual void RefreshWindowTextures() = 0;
  // 0 neutral, 1 happy, 2 sad.
  virtual void SetAvatarMood(int mood) = 0;
  // The day's last slot is used: the control panel points at the next day.
  virtual void OnActsUsedUp() = 0;

  // Windows the day opens. The work-day summary's continue moves the day to its activities
  // (SIM_SIM::SetPhase); the end-game screen stays open once shown.
  virtual void ShowWorkDay() = 0;
  virtual void ShowYearlyReview() = 0;
  virtual void ShowEndGame() = 0;
  virtual bool IsEndGameOpen() = 0;

  // What closes when a day ends.
  virtual void CloseSoloActivityChooser() = 0;
  virtual void CloseRestaurantChooser() = 0;
  virtual void CloseBookDetails() = 0;
  virtual void CloseRoyaltyReport() = 0;
  virtual void CloseSocialInvitations() = 0;
  virtual void ClosePostMortem() = 0;

  // The main screen's mail and phone items.
  virtual void DeleteAllEmail() = 0;
  virtual void AddInvitation(SIM_SocialInvitation* invitation) = 0;
  virtual void AddNewFriend(SIM_NPC* npc) = 0;
  virtual void AddNPCMessage(SIM_NPC* npc, const std::string& text) = 0;
  virtual void AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job) = 0;

  // Messages and windows about one person or value.
  virtual void ShowHint(const std::string& key) = 0;
  virtual void ShowTextureMessage(const std::string& picture, const std::string& text,
                                  const std::string& title) = 0;
  virtual void ShowNPCMessage(SIM_NPC* npc, const std::string& text) = 0;
  virtual void OpenNoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc) = 0;
  virtual void OpenAttributeDetails(SIM_Attribute* attribute) = 0;
  // An effect changed the attribute by amount: its bar, where one shows it, pops the change.
  virtual void ShowAttributeChange(SIM_Attribute* attribute, float amount) = 0;

  // The contact icon of each character and the line of each relationship on the main scene.
  // The screens keep them; the simulation says when a character or relationship comes and goes.
  virtual void AddNPCIcon(SIM_NPC* npc) = 0;
  virtual void RemoveNPCIcon(SIM_NPC* npc) = 0;
  virtual void LayOutNPCIcons() = 0;
  virtual void AddRelationshipView(SIM_Relationship* relationship) = 0;
  virtual void RemoveRelationshipView(SIM_Relationship* relationship) = 0;

  // The other mail items, each opening its own window, and the answered invitation's item
  // leaving. A picture message takes (picture, text, title), as ShowTextureMessage does.
  virtual void AddJobOffer(SIM_JobOffer* offer) = 0;
  virtual void AddRumour(SIM_NPC* npc) = 0;
  virtual void AddRoyaltyReport(SIM_RoyaltyStream* stream) = 0;
  virtual void AddTextureMessage(const std::string& picture, const std::string& text,
                                 const std::string& title) = 0;
  virtual void AddSpecialEvent(SIM_SpecialEvent* event) = 0;
  virtual void RemoveInvitation(SIM_SocialInvitation* invitation) = 0;
  // Reminder notes on the main screen. A note is made for its owner, which keeps the id
  // (0: no note, when all four places are taken or nothing is shown) and removes the note by
  // it when the reminder ends or the owner resets. Action 0 opens the shop, 1 the solo
  // chooser on `activity`, 2 the solo chooser on the bowling match.
  virtual int AddPostit(const std::string& text, int action, const std::string& activity) = 0;
  virtual void DeletePostit(int id) = 0;
  // Social evenings: the report of a finished evening (the evening stays with the
  // simulation until the next new game or load).
  virtual void OpenPostMortem(SIM_SocialiseInstance* evening) = 0;
  // Careers: a line of the next work-day summary (kind 1..9), the full-screen interlude of a
  // text key, and a plain message box.
  virtual void AddWorkDayLine(int kind, int value) = 0;
  virtual void ShowFMV(const std::string& key) = 0;
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // Possessions: the owned-asset icons are laid out again, and an owned asset's details
  // window opens.
  virtual void RebuildAssetIcons() = 0;
  virtual void OpenAssetDetails(SIM_Asset* asset) = 0;
};

// The installed screens; the headless ones when none is installed.
SIM_Screens& Screens();
// Installs screens (null goes back to the headless ones). The caller keeps ownership.
void InstallScreens(SIM_Screens* screens);

// The screens of a run without any: nothing is drawn, the work-day summary and the yearly
// review wait for AnswerScreens, which answers them the way a player's "continue" does.
class SIM_HeadlessScreens : public SIM_Screens {
 public:
  static SIM_HeadlessScreens& Instance();

  // Closes the yearly review and the work-day summary as their continue buttons do. True
  // when the game has ended.
  bool AnswerScreens();
  bool IsWorkDayOpen() const { return workDayOpen_; }
  bool IsYearlyReviewOpen() const { return yearlyReviewOpen_; }
  int YearlyReviewsShown() const { return yearlyReviewsShown_; }
  // A new game or a load starts with nothing open.
  void Reset();

  void DrawLoadScreen(float) override {}
  void ShowErrorBox(const std::string& title, const std::string& text) override;
  void RefreshDate() override {}
  void RefreshWeatherTooltip() override {}
  void RefreshCalendar() override {}
  void RefreshCareer() override {}
  void RefreshSkills() override {}
  void RefreshDirtSprites() override {}
  void RefreshWindowTextures() override {}
  void SetAvatarMood(int) override {}
  void OnActsUsedUp() override {}
  void ShowWorkDay() override { workDayOpen_ = true; }
  void ShowYearlyReview() override;
  void ShowEndGame() override { endGameOpen_ = true; }
  bool IsEndGameOpen() override { return endGameOpen_; }
  void CloseSoloActivityChooser() override {}
  void CloseRestaurantChooser() override {}
  void CloseBookDetails() override {}
  void CloseRoyaltyReport() override {}
  void CloseSocialInvitations() override {}
  void ClosePostMortem() override { postMortem_ = nullptr; }
  void DeleteAllEmail() override {}
  void AddInvitation(SIM_SocialInvitation*) override {}
  void AddNewFriend(SIM_NPC*) override {}
  void AddNPCMessage(SIM_NPC*, const std::string&) override {}
  void AddJobUnlock(SIM_NPC*, SIM_JobBase*) override {}
  void ShowHint(const std::string&) override {}
  void ShowTextureMessage(const std::string&, const std::string&, const std::string&) override {}
  void ShowNPCMessage(SIM_NPC*, const std::string&) override {}
  void OpenNoMoneyDialog(SIM_SocialiseType*, SIM_NPC*) override {}
  void OpenAttributeDetails(SIM_Attribute*) override {}
  void ShowAttributeChange(SIM_Attribute*, float) override {}
  void AddNPCIcon(SIM_NPC*) override {}
  void RemoveNPCIcon(SIM_NPC*) override {}
  void LayOutNPCIcons() override {}
  void AddRelationshipView(SIM_Relationship*) override {}
  void RemoveRelationshipView(SIM_Relationship*) override {}
  void AddJobOffer(SIM_JobOffer*) override {}
  void AddRumour(SIM_NPC*) override {}
  void AddRoyaltyReport(SIM_RoyaltyStream*) override {}
  void AddTextureMessage(const std::string&, const std::string&, const std::string&) override {}
  void AddSpecialEvent(SIM_SpecialEvent*) override {}
  void RemoveInvitation(SIM_SocialInvitation*) override {}
  int AddPostit(const std::string&, int, const std::string&) override { return 0; }
  void DeletePostit(int) override {}
  void OpenPostMortem(SIM_SocialiseInstance* evening) override { postMortem_ = evening; }
  // The evening whose report waits for AnswerScreens, or null.
  SIM_SocialiseInstance* OpenPostMortemEvening() const { return postMortem_; }
  void AddWorkDayLine(int, int) override {}
  void ShowFMV(const std::string&) override {}
  void ShowMessage(const std::string&, const std::string&) override {}
  void RebuildAssetIcons() override {}
  void OpenAssetDetails(SIM_Asset*) override {}

 private:
  bool workDayOpen_ = false;
  bool yearlyReviewOpen_ = false;
  bool endGameOpen_ = false;
  int yearlyReviewsShown_ = 0;
  SIM_SocialiseInstance* postMortem_ = nullptr;
};
