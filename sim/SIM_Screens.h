// What the simulation asks of the screens. The simulation never includes a screen: it calls
// these operations, and the application installs the screens' implementation at start-up.
// Until one is installed (the simulation's own tests, the headless bench) the headless
// implementation answers as a player's defaults would.
//
// The operations keep the names of the screens' own: the yearly review's Show is
// ShowYearlyReview, the mail items' AddInvitation is AddInvitation, and so on.
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_MailItem.h"

class HOOK_EveningClassType;
class SIM_Asset;
class SIM_Attribute;
class SIM_Book;
class SIM_JobBase;
class SIM_JobOffer;
class SIM_MovieInstance;
class SIM_NPC;
class SIM_PetBase;
class SIM_Relationship;
class SIM_RestaurantInstance;
class SIM_RouletteInstance;
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
  // The day's mail and phone items in their order, for a save; and the same made again
  // after a load (the items there before go first).
  virtual std::vector<SIM_MailItem> ListMail() = 0;
  virtual void RestoreMail(const std::vector<SIM_MailItem>& items) = 0;
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
  // chooser on `activity`, 2 the solo chooser on the bowling match, 3 the solo chooser on the
  // enrolled class `activity` (before the day's last slot, only a word that it is tonight).
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
  // A character is deleted (a new game, a load): its contact icon and every window that shows
  // it go.
  virtual void DeleteNPCViews(SIM_NPC* npc) = 0;
  // Hobbies: the web-surfing and TV windows, where the player chooses a site or a channel
  // for an activity already started (SIM_WebTV: ChooseWebsite, ChooseTVChannel).
  virtual void OpenSurfWeb() = 0;
  virtual void OpenWatchTV() = 0;
  // Mini-games: the timed match-3 round of the video game, and the one-word crossword (easy
  // or cryptic). Their windows end no slot: the solo activity that opened them did.
  virtual void OpenMatch3Game() = 0;
  virtual void OpenCrossword(bool easy) = 0;
  // Evening classes: the enrolment window, opened by the "eveningclasses" activity (whose
  // run used the slot, so enrolling there uses none); the result of an attended class, which
  // only informs (the attendance used its slot); and closing both before the class types
  // they show are read again.
  virtual void OpenEveningClasses(bool fromActivity) = 0;
  virtual void OpenEveningClassResult(HOOK_EveningClassType* type, float concentration) = 0;
  virtual void CloseEveningClassWindows() = 0;
  // Pets: the details window of an owned pet (its name can be changed there).
  virtual void OpenPetDetails(SIM_PetBase* pet) = 0;
  // Venues. A venue window finishes its evening only from its own action (book and order,
  // watch, stop); CloseVenueWindows closes them all without finishing anything, before the
  // evenings they show are deleted (new game, load, shutdown).
  virtual void OpenRestaurantChooser(SIM_RestaurantInstance* evening) = 0;
  virtual void OpenRestaurantMeal(SIM_RestaurantInstance* evening) = 0;
  virtual void OpenMovieChooser(SIM_MovieInstance* evening) = 0;
  virtual void OpenRoulette(SIM_RouletteInstance* evening) = 0;
  virtual void OpenBeerPostMortem(SIM_SocialiseInstance* evening) = 0;
  // The bowling team's invitation (the team knows its match day).
  virtual void OpenTeamInvite() = 0;
  // A line added to the report just opened for an evening.
  virtual void AddPostMortemLine(const std::string& line) = 0;
  virtual void CloseVenueWindows() = 0;
  // Possessions: the owned-asset icons are laid out again, and an owned asset's details
  // window opens.
  virtual void RebuildAssetIcons() = 0;
  virtual void OpenAssetDetails(SIM_Asset* asset) = 0;
  // Hobbies: the shop (SIM_Shop), a book's details window and the report of a reading
  // session (SIM_Book::Read), and the solo chooser turned to one activity (the gym's or a
  // puzzle book's use).
  virtual void OpenShopping() = 0;
  virtual void OpenBookDetails(SIM_Book* book) = 0;
  virtual void OpenBookReading(SIM_Book* book, int pages, float alertness, bool understood) = 0;
  virtual void OpenSoloActivityChooserOn(const std::string& activity) = 0;
  // Special events: the full-screen result of an attended event.
  virtual void OpenSpecialEventPostMortem(SIM_SpecialEvent* event) = 0;
  // Romance: a character's offer, which the player accepts (SIM_Romance::SetPartner) or
  // rejects (the character's attraction goes to 0); and any change of partner, after which
  // nothing may go on showing the romance that was.
  virtual void OpenRomanticOffer(SIM_NPC* npc) = 0;
  virtual void OnRomanceChanged() = 0;
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

  // Closes the yearly review (the year's counters are cleared, SIM_Statistics::CloseYear),
  // an event's result and the work-day summary as their continue buttons do. True when the
  // game has ended.
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
  void ShowEndGame() override;
  bool IsEndGameOpen() override { return endGameOpen_; }
  void CloseSoloActivityChooser() override {}
  void CloseRestaurantChooser() override { restaurant_ = nullptr; }
  void CloseBookDetails() override {}
  void CloseRoyaltyReport() override {}
  void CloseSocialInvitations() override {}
  void ClosePostMortem() override { postMortem_ = nullptr; }
  void DeleteAllEmail() override { specialEvent_ = nullptr; }
  // Only the ticket waits here, so only the ticket is listed and made again.
  std::vector<SIM_MailItem> ListMail() override;
  void RestoreMail(const std::vector<SIM_MailItem>& items) override;
  void AddInvitation(SIM_SocialInvitation*) override {}
  void AddNewFriend(SIM_NPC*) override {}
  void AddNPCMessage(SIM_NPC*, const std::string&) override {}
  void AddJobUnlock(SIM_NPC*, SIM_JobBase*) override {}
  void ShowHint(const std::string&) override {}
  void ShowTextureMessage(const std::string&, const std::string&, const std::string&) override {}
  void ShowNPCMessage(SIM_NPC*, const std::string&) override {}
  // The question whether to pay for a friend short of the money waits for
  // AnswerNoMoneyDialog (a later question replaces it; AnswerScreens says no to it).
  void OpenNoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc) override {
    noMoneyType_ = type;
    noMoneyFor_ = npc;
  }
  // Answers the waiting question as a careful player does: "I'll pay for you" when the
  // player can (headless::CanPayFor), which puts the friend on the list of those paid for;
  // otherwise no. Returns the friend paid for, or null.
  SIM_NPC* AnswerNoMoneyDialog();
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
  // The ticket of a triggered event waits here for the player (the bench attends it); the
  // day's end takes it away with the day's mail.
  void AddSpecialEvent(SIM_SpecialEvent* event) override { specialEvent_ = event; }
  SIM_SpecialEvent* PendingSpecialEvent() const { return specialEvent_; }
  void RemoveInvitation(SIM_SocialInvitation*) override {}
  int AddPostit(const std::string&, int, const std::string&) override { return 0; }
  void DeletePostit(int) override {}
  void OpenPostMortem(SIM_SocialiseInstance* evening) override { postMortem_ = evening; }
  // The evening whose report waits for AnswerScreens, or null.
  SIM_SocialiseInstance* OpenPostMortemEvening() const { return postMortem_; }
  void AddWorkDayLine(int, int) override {}
  void ShowFMV(const std::string&) override {}
  void ShowMessage(const std::string&, const std::string&) override {}
  void DeleteNPCViews(SIM_NPC* npc) override {
    if (romanticOffer_ == npc) romanticOffer_ = nullptr;
    if (noMoneyFor_ == npc) noMoneyFor_ = nullptr;
  }
  // The web and TV windows wait for AnswerScreens (or AnswerHobbyWindows), which chooses the
  // first entry the player may choose, or leaves when there is none.
  void OpenSurfWeb() override { surfWebOpen_ = true; }
  void OpenWatchTV() override { watchTVOpen_ = true; }
  void AnswerHobbyWindows();
  // Windows asked for and not answered yet (the end-game screen, which stays, not counted).
  int OpenWindows() const;
  // A mini-game opened here waits for AnswerScreens, which walks away from it (no success,
  // no effects), and counts for the run, through new games and loads.
  // Each kind has one window, which a second opening replaces.
  void OpenMatch3Game() override {
    ++miniGamesOpened_;
    match3Open_ = true;
  }
  void OpenCrossword(bool) override {
    ++miniGamesOpened_;
    crosswordOpen_ = true;
  }
  int MiniGamesOpened() const { return miniGamesOpened_; }
  int MiniGamesOpen() const { return (match3Open_ ? 1 : 0) + (crosswordOpen_ ? 1 : 0); }
  // The classes window waits for AnswerScreens (or AnswerHobbyWindows), which enrols as a
  // simple player does: when no class is enrolled, in the first class of the table that is
  // not completed, is affordable and whose requirements are met (through the window's own
  // enrol, which uses no slot when the activity opened it). The result window only informs.
  void OpenEveningClasses(bool fromActivity) override {
    classesOpen_ = true;
    classesFromActivity_ = fromActivity;
  }
  void OpenEveningClassResult(HOOK_EveningClassType*, float) override {}
  void CloseEveningClassWindows() override { classesOpen_ = false; }
  void OpenPetDetails(SIM_PetBase*) override {}
  void AnswerEveningClasses();

  void OpenRestaurantChooser(SIM_RestaurantInstance* evening) override { restaurant_ = evening; }
  void OpenRestaurantMeal(SIM_RestaurantInstance* evening) override { meal_ = evening; }
  void OpenMovieChooser(SIM_MovieInstance* evening) override { movie_ = evening; }
  void OpenRoulette(SIM_RouletteInstance* evening) override { roulette_ = evening; }
  void OpenBeerPostMortem(SIM_SocialiseInstance*) override { ++brawlReports_; }
  void OpenTeamInvite() override { teamInvite_ = true; }
  void AddPostMortemLine(const std::string&) override {}
  void CloseVenueWindows() override;
  // Answers the open venue windows the way a simple player does: books the first restaurant
  // with a table, orders the healthy meal with wine; watches the first film not yet seen;
  // plays five spins at stake 5 and stops; joins the bowling team. Each finishes its evening.
  void AnswerVenueWindows();
  int BrawlReports() const { return brawlReports_; }
  void RebuildAssetIcons() override {}
  void OpenAssetDetails(SIM_Asset*) override {}
  // The shop waits for AnswerScreens (or AnswerHobbyWindows), which now and then buys one
  // possession the player can easily afford, a book first for a reader with nothing left to
  // read, and otherwise closes it. A book's details window is answered by reading it when
  // the day allows, else closed; the reading report is closed.
  void OpenShopping() override { shopOpen_ = true; }
  void OpenBookDetails(SIM_Book* book) override { bookDetails_ = book; }
  void OpenBookReading(SIM_Book*, int, float, bool) override { readingOpen_ = true; }
  void OpenSoloActivityChooserOn(const std::string&) override {}
  // Purchases made in the shop window, for the run (through new games and loads).
  int ShopPurchases() const { return shopPurchases_; }
  // The result waits for AnswerScreens, which closes it as its continue button does.
  void OpenSpecialEventPostMortem(SIM_SpecialEvent* event) override {
    specialEvent_ = nullptr;
    specialEventResult_ = event;
  }
  SIM_SpecialEvent* OpenSpecialEventResult() const { return specialEventResult_; }
  void AnswerSpecialEventResult() { specialEventResult_ = nullptr; }
  // The offer waits for AnswerScreens, which accepts it (a later offer replaces it).
  void OpenRomanticOffer(SIM_NPC* npc) override { romanticOffer_ = npc; }
  void OnRomanceChanged() override {}
  SIM_NPC* OpenRomanticOfferFrom() const { return romanticOffer_; }
  // The day's invitations as a player who likes going out answers them: in the day's
  // activities, the first open one the player can pay for and is not too tired for is
  // accepted and its evening run, unless one was accepted already; the rest lapse at the
  // day's end. True when one was accepted.
  bool AnswerInvitations();

 private:
  void AnswerShop();
  bool shopOpen_ = false;
  SIM_Book* bookDetails_ = nullptr;
  bool readingOpen_ = false;
  int shopPurchases_ = 0;

  SIM_SpecialEvent* specialEvent_ = nullptr;
  SIM_SpecialEvent* specialEventResult_ = nullptr;
  SIM_NPC* romanticOffer_ = nullptr;
  SIM_SocialiseType* noMoneyType_ = nullptr;
  SIM_NPC* noMoneyFor_ = nullptr;
  bool surfWebOpen_ = false;
  bool watchTVOpen_ = false;
  int miniGamesOpened_ = 0;
  bool match3Open_ = false;
  bool crosswordOpen_ = false;
  bool classesOpen_ = false;
  bool classesFromActivity_ = false;
  SIM_RestaurantInstance* restaurant_ = nullptr;
  SIM_RestaurantInstance* meal_ = nullptr;
  SIM_MovieInstance* movie_ = nullptr;
  SIM_RouletteInstance* roulette_ = nullptr;
  bool teamInvite_ = false;
  int brawlReports_ = 0;

  bool workDayOpen_ = false;
  bool yearlyReviewOpen_ = false;
  bool endGameOpen_ = false;
  int yearlyReviewsShown_ = 0;
  SIM_SocialiseInstance* postMortem_ = nullptr;
};
