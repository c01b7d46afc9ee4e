// Every window a player can reach, opened and drawn on the shipped tables and texts, with each
// of its pages: the career windows for every industry and job, the people windows for every
// character, the evening windows for every kind of evening, film and school, and the home
// windows for every possession, site, channel, book, pet and event. The fixture fails the
// test for any key looked up without a text (the player would read the key itself); each
// test also counts what it drew, so one that quietly opened nothing fails too.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_AssetDetails.h"
#include "gui/windows/GUI_AttributeDetails.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_CommuteMethodChooser.h"
#include "gui/windows/GUI_Crossword.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_EveningClassPostMortem.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_JobInstanceDetails.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_JobUnlock.h"
#include "gui/windows/GUI_Match3Game.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_PetDetails.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Promotion.h"
#include "gui/windows/GUI_Relationship.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "gui/windows/GUI_Romance.h"
#include "gui/windows/GUI_Roulette.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_TeamInvite.h"
#include "gui/windows/GUI_VideoGame.h"
#include "gui/windows/GUI_WebTV.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"
#include "sim/SIM_WebTV.h"
#include "support/PlayDays.h"

namespace guitest {
namespace {

// What the work-day summary reads while a test sets the day's facts itself.
GUI_WorkDay::Facts g_facts;

class EveryWindowTextsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    GUI_GUI::Instance().StartGame();
    SIM_Finances::Instance().SetCash(100000.0f);
    SIM_SIM::Instance().SetActs(3, 0);
    autosave = SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableAutosave);
  }
  void TearDown() override {
    CloseEverything();
    GUI_JobSearch::SetHideUnsuitable(false);
    GUI_WorkDay::SetFactsSource(nullptr);
    SIM_BowlingTeam::Instance().Reset();
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, autosave);
    // The review and the end stop the play time.
    SIM_Statistics::Instance().StartPlayTimer();
    PlayTest::TearDown();
  }

  // Closes every window the tests open, before the game they show goes.
  void CloseEverything() {
    GUI_JobSearch::Close();
    GUI_JobOffer::Close();
    GUI_JobUnlock::Close();
    GUI_JobInstanceDetails::Close();
    GUI_Promotion::Close();
    GUI_CommuteMethodChooser::Close();
    GUI_FMVScreen::Close();
    GUI_WorkDay::Instance()->Close();
    GUI_RomanticOffer::Close();
    GUI_RomanceSummary::Close();
    if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
    GUI_AttributeDetails::Close();
    GUI_SoloActivityChooser::Close();
    GUI_SocialActivityChooser::Close();
    GUI_NoMoneyDialog::Close();
    GUI_SocialInvitation::CloseAll();
    GUI_TeamInvite::Close();
    GUI_RestaurantChooser::Close();
    GUI_RestaurantInstance::Close();
    GUI_MovieChooser::Close();
    GUI_Roulette::Close();
    GUI_BeerPostMortem::Close();
    GUI_PostMortem::Close();
    GUI_EveningClasses::Close();
    GUI_EveningClassPostMortem::Close();
    GUI_Shopping::Close();
    GUI_AssetDetails::Close();
    GUI_BookDetails::Close();
    GUI_BookReading::Close();
    GUI_PetDetails::Close();
    GUI_SurfWeb::Close();
    GUI_WatchTV::Close();
    GUI_RoyaltyReport::Close();
    GUI_SpecialEvent::Close();
    GUI_SpecialEventPostMortem::Close();
    GUI_Crossword::Close();
    GUI_Match3Game::Close();
    GUI_VideoGame::Close();
    GUI_YearlyReview::Instance()->Dismiss();
    GUI_EndGame::Instance()->Hide();
    GUI_Email::DeleteAll();
    // What else is open: message boxes and hints (the main screen's panels stay).
    const std::vector<GUI_WindowBase*> open = GUI_WindowManager::Instance().Windows();
    for (GUI_WindowBase* window : open)
      if (dynamic_cast<GUI_Dialog*>(window) || dynamic_cast<GUI_HintHelp*>(window)) delete window;
  }

  // Updates and draws one window as a frame does and counts it; reports where keys without a
  // text were looked up (the fixture fails the test for them).
  void Show(GUI_WindowBase* window, const std::string& what) {
    ASSERT_NE(window, nullptr) << what;
    GUI_Services::RecordedTexts().clear();
    NewFrame();
    window->Update();
    engine.BeginRender();
    window->Draw();
    engine.EndScene();
    FlushGdiText(-1);
    ++shown;
    Note(what);
  }
  // A whole frame of the in-game screen: the main scene with its panels and every window.
  void Frame(const std::string& what) {
    GUI_Services::RecordedTexts().clear();
    NewFrame();
    GUI_GUI::Instance().Update();
    engine.BeginRender();
    GUI_GUI::Instance().Draw();
    engine.EndScene();
    FlushGdiText(-1);
    ++frames;
    Note(what);
  }
  // Every dialog and hint open now drawn (the main screen's panels are drawn by Frame); the
  // message boxes, picture messages and hints among them, which any step may open, then go.
  void ShowAndCloseMessages(const std::string& what) {
    const std::vector<GUI_WindowBase*> open = GUI_WindowManager::Instance().Windows();
    for (GUI_WindowBase* window : open)
      if (dynamic_cast<GUI_Dialog*>(window) || dynamic_cast<GUI_HintHelp*>(window))
        Show(window, what);
    for (GUI_WindowBase* window : open)
      if (dynamic_cast<GUI_Message*>(window) || dynamic_cast<GUI_HintHelp*>(window)) delete window;
  }
  // Every mail item opened as a click opens it, and what it opened drawn.
  void OpenTheMail(const std::string& what) {
    const std::list<GUI_Email*> items = GUI_Email::Items();
    for (GUI_Email* item : items) item->Open();
    ShowAndCloseMessages(what);
    CloseEverything();
  }

  // Names the keys without a text that were asked for again since the last note.
  void Note(const std::string& what) {
    std::string keys;
    for (const MissingText& miss : MissingTexts()) {
      int& seen = misses[miss.key];
      if (miss.count != seen) keys += " " + miss.key;
      seen = miss.count;
    }
    if (!keys.empty()) std::cerr << "[texts] " << what << ":" << keys << "\n";
  }

  // The player's first friend, or the first character.
  static SIM_NPC* AFriend() {
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer()) return npc;
    return SIM_NPC::All().empty() ? nullptr : SIM_NPC::All().front();
  }
  // A day of the given month and day of the week.
  static void SetDate(int month, int dayOfWeek) {
    CurrentDate().CopyDate(SIM_Date(1, month, CurrentDate().GetYear()));
    CurrentDate().SetDayOfWeek(dayOfWeek);
  }
  // The player owns every possession the shop sells (what a possession's activity needs).
  static int BuyEverything() {
    int bought = 0;
    const std::vector<SIM_Asset*> catalogue = SIM_Asset::Catalogue();
    for (SIM_Asset* asset : catalogue) {
      if (asset->IsOwned()) continue;
      SIM_Finances::Instance().SetCash(100000.0f);
      asset->Buy();
      bought += asset->IsOwned() ? 1 : 0;
    }
    SIM_Finances::Instance().SetCash(100000.0f);
    return bought;
  }
  // Every value the shipped data's effects change, met by the player, and what the
  // activities ask for, so that every activity is offered.
  static std::set<std::string> MeetEveryValue() {
    std::set<std::string> names;
    auto collect = [&names](const SIM_ModifierContainer& container) {
      for (const SIM_Modifier* modifier : container.GetModifiers())
        if (modifier && modifier->name.find("glob_") == std::string::npos)
          names.insert(modifier->name);
    };
    for (const auto& type : SIM_SoloActivityType::All()) collect(*type);
    for (const auto& type : SIM_SocialiseType::All()) collect(*type);
    for (const auto& type : HOOK_EveningClassType::All()) collect(*type);
    for (const auto& event : SIM_SpecialEvent::All()) collect(*event);
    for (SIM_JobBase* job : SIM_JobBase::All()) collect(*job);
    for (SIM_Asset* asset : SIM_Asset::All()) collect(*asset);
    for (const auto& film : SIM_Movie::All()) collect(*film);
    for (const auto& site : WebsiteList()) collect(*site);
    for (const auto& channel : TVChannelList()) collect(*channel);
    SIM_Vesk* player = SIM_Vesk::Instance();
    for (const std::string& name : names)
      if (name[0] != '_') player->ModifyValue(name, 0.6f, 1.0f, "test");
    for (const char* name : {"iq", "culture", "fitness", "confidence"})
      player->SetValue(name, 0.9f);
    return names;
  }

  static SIM_Vesk* Me() { return SIM_Vesk::Instance(); }

  int shown = 0;
  int frames = 0;
  std::map<std::string, int> misses;
  bool autosave = true;
};

// ---- Careers ----

TEST_F(EveryWindowTextsTest, TheJobSearchShowsEveryIndustryAndEveryJob) {
  // Every job open today, so the search lists each one (the held job is never listed).
  for (SIM_JobBase* job : SIM_JobBase::All()) {
    job->SetOpenToday(true);
    job->SetApplyCooldown(0);
  }
  ASSERT_FALSE(SIM_EntertainJob::Acting().empty());
  ASSERT_FALSE(SIM_EntertainJob::Music().empty());
  std::set<const SIM_JobBase*> listed;
  std::set<std::string> industries;
  for (bool hide : {false, true}) {
    GUI_JobSearch::SetHideUnsuitable(hide);
    GUI_JobSearch::Open();
    GUI_JobSearch* search = GUI_JobSearch::Instance();
    ASSERT_NE(search, nullptr);
    Show(search, "job search");
    for (;;) {
      for (size_t i = 0; i < search->IndustryButtons().size(); ++i) {
        SIM_Industry* industry = search->IndustryButtons()[i]->GetIndustry();
        if (industries.count(industry->GetName() + (hide ? "+" : ""))) continue;
        industries.insert(industry->GetName() + (hide ? "+" : ""));
        search->IndustryButtons()[i]->Activate();
        ASSERT_EQ(search->GetPage(), 1);
        Show(search, "job search: " + industry->GetName());
        while (search->GetSelectedJob() && search->NextButton()->IsEnabled()) {
          listed.insert(search->GetSelectedJob());
          search->NextJob();
          Show(search, "job search: " + search->GetSelectedJob()->GetName());
        }
        if (search->GetSelectedJob()) listed.insert(search->GetSelectedJob());
        search->GoBack();
        Show(search, "job search");
      }
      if (!search->ScrollDownButton()->IsEnabled()) break;
      search->ScrollDown();
      Show(search, "job search");
    }
    GUI_JobSearch::Close();
  }
  GUI_JobSearch::SetHideUnsuitable(false);
  EXPECT_EQ(industries.size(), 2 * SIM_Industry::All().size());
  EXPECT_TRUE(industries.count("acting") && industries.count("music"));
  for (const SIM_EntertainJob* job : SIM_EntertainJob::All()) EXPECT_TRUE(listed.count(job));
  for (const SIM_JobBase* job : SIM_JobBase::All())
    if (job != SIM_Vesk::Instance()->GetJob() && SIM_Industry::FindByName(job->GetIndustryName())) {
      EXPECT_TRUE(listed.count(job)) << job->GetName();
    }
  EXPECT_GT(listed.size(), 40u);
  EXPECT_GT(shown, static_cast<int>(listed.size()) + 2 * static_cast<int>(industries.size()));
}

TEST_F(EveryWindowTextsTest, TheWindowsOfEveryJobHeldOfferedAndUnlockedAndOfEveryDay) {
  // Each job held: its details, its work day as the game reports it, and an offer and a
  // rejection from it (every reason of rejection comes round); a promotion note. The summary
  // and the letters are made for every job and drawn for the first jobs of each industry
  // (what they draw besides the texts made differs only by industry).
  SIM_Vesk* player = SIM_Vesk::Instance();
  const std::vector<SIM_JobBase*> jobs = SIM_JobBase::All();
  int reason = 0, letters = 0;
  std::map<std::string, int> perIndustry;
  for (SIM_JobBase* job : jobs) {
    const std::string name = job->GetName() + " (" + job->GetIndustryName() + ")";
    const bool draw = perIndustry[job->GetIndustryName()]++ < 2;
    player->SetJob(job);
    GUI_JobInstanceDetails::Open();
    if (GUI_JobInstanceDetails::Instance())
      Show(GUI_JobInstanceDetails::Instance(), "details: " + name);
    GUI_JobInstanceDetails::Close();
    if (job == jobs.front() || job == jobs.back()) {
      GUI_Promotion::Open();
      Show(GUI_Promotion::Instance(), "promotion: " + name);
      GUI_Promotion::Close();
    }
    CurrentDate().SetDayOfWeek(2);
    GUI_WorkDay::Instance()->Show();
    if (draw) Show(GUI_WorkDay::Instance(), "work day: " + name);
    Note("work day: " + name);
    GUI_WorkDay::Instance()->Close();
    if (job->GetName() == "unemployed") continue;
    for (bool success : {true, false}) {
      auto* offer = new SIM_JobOffer(job, success, reason);
      offer->Restore(false, 0, false);
      GUI_Email::AddJobOffer(offer)->Open();
      ASSERT_NE(GUI_JobOffer::Instance(), nullptr);
      if (draw)
        Show(GUI_JobOffer::Instance(), std::string(success ? "offer: " : "rejection: ") + name);
      Note("letter: " + name);
      ++letters;
      GUI_JobOffer::Close();
    }
    reason = (reason + 1) % (SIM_JobOffer::kOther + 1);
    GUI_Email::DeleteAll();
    SIM_JobOffer::DeleteAll();
  }
  player->SetJob(SIM_JobBase::FindDefaultJob());
  for (int why = 0; why <= SIM_JobOffer::kOther; ++why) {
    auto* offer = new SIM_JobOffer(SIM_JobBase::FindDefaultJob(), false, why);
    offer->Restore(false, 0, false);
    GUI_Email::AddJobOffer(offer)->Open();
    Show(GUI_JobOffer::Instance(), "rejection for reason " + std::to_string(why));
    GUI_JobOffer::Close();
  }
  GUI_Email::DeleteAll();
  SIM_JobOffer::DeleteAll();

  // A contact's offer of each locked job, and of a pool job.
  SIM_NPC* contact = AFriend();
  ASSERT_NE(contact, nullptr);
  std::vector<SIM_JobBase*> locked;
  for (SIM_JobBase* job : jobs)
    if (job->IsLocked()) locked.push_back(job);
  EXPECT_FALSE(locked.empty());
  locked.push_back(SIM_EntertainJob::All().front());
  for (SIM_JobBase* job : locked) {
    contact->SetUnlockableJob(job);
    GUI_Email::AddJobUnlock(contact, job)->Open();
    Show(GUI_JobUnlock::Instance(), "job unlock: " + job->GetName());
    GUI_JobUnlock::Close();
    GUI_Email::DeleteAll();
  }

  // Every way to work.
  GUI_CommuteMethodChooser::Open();
  GUI_CommuteMethodChooser* commute = GUI_CommuteMethodChooser::Instance();
  ASSERT_NE(commute, nullptr);
  while (commute->PreviousArrow()->IsEnabled()) commute->Previous();
  for (size_t i = 0; i < SIM_CommuteMethod::All().size(); ++i) {
    Show(commute, "commute: " + SIM_CommuteMethod::All()[i]->GetId());
    commute->Next();
  }
  GUI_CommuteMethodChooser::Close();

  // The summary of every kind of day, with every line the day's steps can add.
  GUI_WorkDay::SetFactsSource([] { return g_facts; });
  std::vector<GUI_WorkDay::Facts> days;
  for (bool benefit : {true, false}) {
    days.emplace_back();
    days.back().unemployed = true;
    days.back().benefitPaid = benefit;
  }
  for (int illness = 1; illness <= 3; ++illness) {
    days.emplace_back();
    days.back().illness = illness;
  }
  // Each weather and each of the commute's effects, the day's verdicts, tips, a new colleague.
  for (int weather = 0; weather < 4; ++weather)
    for (int effect : {weather, 3 - weather})
      days.push_back({.weather = weather,
                      .methodVerb = "cycled",
                      .workplace = "the office",
                      .primaryEffect = effect,
                      .secondaryEffect = (effect + 1) % 4,
                      .performance = effect * 0.3f,
                      .daysWorked = effect,
                      .pay = 80.0f,
                      .tips = effect == 0 ? -1.0f : 3.5f,
                      .newFriend = effect == 2 ? "Sam Smith" : "",
                      .commuteCost = effect * 1.5f,
                      .salary = 25000.0f});
  for (int weekend : {0, 1}) {
    for (const GUI_WorkDay::Facts& facts : days) {
      g_facts = facts;
      CurrentDate().SetDayOfWeek(weekend ? 5 : 2);
      for (int kind = 1; kind <= 9; ++kind) GUI_WorkDay::Instance()->AddLine(kind, kind);
      GUI_WorkDay::Instance()->Show();
      Show(GUI_WorkDay::Instance(), "work day");
      GUI_WorkDay::Instance()->Close();
    }
  }
  GUI_WorkDay::SetFactsSource(nullptr);

  // The day's dramatic moments.
  std::vector<std::string> moments = {"FMV_PROMOTED", "FMV_MUGGERARRESTED",   "FMV_MUGGERDEFEATED",
                                      "FMV_MUGGED",   "FMV_ATTEMPTEDBREAKIN", "FMV_DOGDEFENDED",
                                      "FMV_BURGLED",  "FMV_BECOMEALCOHOLIC"};
  for (int dry : {0, 3, 8, 20, 100, 400}) moments.push_back(SIM_Alcohol::RecoveryText(dry));
  for (const std::string& key : moments) {
    GUI_FMVScreen::Show(key);
    Show(GUI_FMVScreen::Instance(), key);
    GUI_FMVScreen::Close();
  }
  Frame("career panel");
  EXPECT_GE(letters + 2, 2 * static_cast<int>(jobs.size()));
  EXPECT_GT(shown, static_cast<int>(jobs.size()) + 60);
}

// ---- People ----

TEST_F(EveryWindowTextsTest, ThePeopleWindowsForEveryCharacterSkillAndRomance) {
  // Three weeks of play first: friends, skills, memories and moods of their own.
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  testsupport::PlayDays(21);
  GUI_GUI::Instance().StartGame();
  SIM_SIM::Instance().SetPhase(1);
  SIM_SIM::Instance().SetActs(3, 0);
  const std::set<std::string> values = MeetEveryValue();
  EXPECT_GT(values.size(), 20u);

  // The skills panel, fifty skills at a time (all it holds expanded), so each skill is read.
  SIM_Vesk* player = SIM_Vesk::Instance();
  std::vector<std::pair<SIM_NamedValue*, float>> skills;
  for (SIM_NamedValue* skill : player->Skills().Values())
    if (skill->GetValue() != 0.0f) skills.emplace_back(skill, skill->GetValue());
  EXPECT_GT(skills.size(), 20u);
  GUI_Skills* panel = GUI_Skills::Instance();
  ASSERT_NE(panel, nullptr);
  panel->SetExpanded(true);
  for (size_t first = 0; first < skills.size(); first += 5 * GUI_Skills::kRowsPerColumn) {
    for (size_t i = 0; i < skills.size(); ++i)
      skills[i].first->SetValue(
          i >= first && i < first + 5 * GUI_Skills::kRowsPerColumn ? skills[i].second : 0.0f);
    GUI_Skills::Refresh();
    Frame("skills panel");
  }
  for (auto& [skill, value] : skills) skill->SetValue(value);
  panel->SetExpanded(false);
  GUI_Skills::Refresh();

  // Every attribute's details.
  for (SIM_Attribute* attribute : SIM_Attribute::All()) {
    GUI_AttributeDetails::Open(attribute);
    Show(GUI_AttributeDetails::Instance(), "attribute: " + attribute->GetName());
    GUI_AttributeDetails::Close();
  }

  // Every character's window, each of its pages, with the skills of the games they play; the
  // player's own window too.
  std::vector<SIM_Person*> people(SIM_NPC::All().begin(), SIM_NPC::All().end());
  ASSERT_GE(people.size(), 3u);
  for (SIM_Person* person : people)
    for (const auto& type : SIM_SocialiseType::All())
      if (type->GetCategory() == "GAME" || type->GetCategory() == "BOWLING")
        static_cast<SIM_NPC*>(person)->ModifyNamedValue(type->GetTypeName(), 0.4f);
  people.push_back(player);
  int pages = 0;
  for (SIM_Person* person : people) {
    GUI_NPC::Open(person);
    GUI_NPC* window = GUI_NPC::FindFor(person);
    ASSERT_NE(window, nullptr);
    for (size_t page = 0; page < window->Tabs()->Pages().size(); ++page, ++pages) {
      window->Tabs()->SelectTabByIndex(static_cast<int>(page));
      Show(window, "character " + person->GetFullName() + " page " + std::to_string(page));
    }
    delete window;
  }
  EXPECT_GE(pages, 4 * static_cast<int>(people.size()));

  // The web of friendships, strong and weak, and the standing they earn.
  int made = 0;
  for (SIM_NPC* npc : SIM_NPC::All()) {
    if (npc->IsFriendOfPlayer()) continue;
    SIM_Relationship* r = SIM_Relationship::Create(player, npc);
    r->SetPlayerCreated(true);
    r->SetStrength(made % 2 ? 0.9f : 0.2f);
    ++made;
  }
  Frame("relationship web");
  GUI_SocialTovel::Show();
  ASSERT_TRUE(GUI_SocialTovel::IsShown());
  Frame("social standing");  // the in-game screen draws only the standing while it is up
  GUI_SocialTovel::Close();

  // Romance: an offer, the partner's heart and the summary, and the romance's end.
  SIM_NPC* partner = AFriend();
  ASSERT_NE(partner, nullptr);
  // The days played may have begun a romance already: the offer is accepted only without one.
  if (SIM_Romance::Instance().HasPartner()) SIM_Romance::Instance().DumpPartner();
  ShowAndCloseMessages("after the old romance ended");
  GUI_RomanticOffer::Open(partner);
  Show(GUI_RomanticOffer::Instance(), "romantic offer");
  GUI_RomanticOffer::Instance()->Accept();
  EXPECT_EQ(SIM_Romance::Instance().GetPartner(), partner);
  ShowAndCloseMessages("after the romance began");
  Frame("the partner's heart");
  GUI_RomanceSummary::Open();
  Show(GUI_RomanceSummary::Instance(), "romance summary");
  GUI_RomanceSummary::Instance()->Dump();
  ShowAndCloseMessages("after the romance ended");
  SIM_NPC* other = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc != partner) other = npc;
  GUI_RomanticOffer::Open(other);
  GUI_RomanticOffer::Instance()->Reject();
  ShowAndCloseMessages("after a romance was turned down");

  // The mail a character sends: a message, a rumour and a new friend's note.
  GUI_Email::AddNPCMessage(partner, Translate("EMAIL_NEWFRIEND"))->Open();
  GUI_Email::AddRumour(partner)->Open();
  GUI_Email::AddNewFriend(other)->Open();
  ShowAndCloseMessages("character's mail");
  GUI_Email::DeleteAll();

  // Each invitation (plain and paid for, or important) as it reads with the cash for it, without,
  // too tired and too late, and the important one accepted: the evening as a guest, and its report.
  // The question of who pays for a guest short of money, for each kind too.
  int invitations = 0, guestReports = 0;
  for (const auto& type : SIM_SocialiseType::All()) {
    const std::string name = type->GetTypeName();
    for (int kind : {0, SIM_SocialInvitation::kImportant}) {
      SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(other, type.get(), kind);
      ASSERT_NE(invitation, nullptr);
      invitation->AddGuest(other);
      invitation->SetPayOffer(kind == 0);
      invitation->BuildText();
      GUI_Email::AddInvitation(invitation)->Open();
      GUI_SocialInvitation* window = GUI_SocialInvitation::Instance();
      Show(window, "invitation to " + name);
      SIM_Finances::Instance().SetCash(0.0f);
      Show(window, "invitation to " + name + " without the cash");
      SIM_Finances::Instance().SetCash(100000.0f);
      const float energy = player->GetValue("_energy");
      player->SetValue("_energy", 0.0f);
      Show(window, "invitation to " + name + " too tired");
      player->SetValue("_energy", energy);
      SIM_SIM::Instance().SetPhase(2);
      Show(window, "invitation to " + name + " too late");
      SIM_SIM::Instance().SetPhase(1);
      SIM_SIM::Instance().SetActs(3, 0);
      ++invitations;
      if (kind == 0) {
        GUI_SocialInvitation::CloseAll();
        continue;
      }
      if (type->GetCategory() == "ROMANTIC") SIM_Romance::Instance().SetPartner(other);
      window->Accept();
      ShowAndCloseMessages("the evening of " + name + " as a guest");
      if (GUI_PostMortem* report = GUI_PostMortem::Instance()) {
        for (GUI_PostMortemIcon* icon : report->Icons()) {
          report->Select(icon->GetRecord());
          Show(report, "report of " + name + " as a guest");
        }
        ++guestReports;
      }
      CloseEverything();
      SIM_Romance::Instance().SetPartner(nullptr);
    }
    GUI_NoMoneyDialog::Open(type.get(), other);
    Show(GUI_NoMoneyDialog::Instance(), "no money for " + type->GetTypeName());
    GUI_NoMoneyDialog::Close();
  }
  GUI_Email::DeleteAll();
  EXPECT_EQ(invitations, 2 * static_cast<int>(SIM_SocialiseType::All().size()));
  EXPECT_GT(guestReports, 3);

  // A character's answers to the player's invitation, a new friend met, and snubs: from a
  // friend, from the partner, and one too many.
  SIM_SocialiseType* pub = SIM_SocialiseType::FindByName("pub");
  ASSERT_NE(pub, nullptr);
  SIM_NPC* stranger = SIM_NPC::Create(1);
  for (int demand = 0; demand < 3; ++demand) {
    stranger->SetDemands(demand == 0 ? 1000.0f : 0.0f, demand == 1 ? 10.0f : 0.0f,
                         demand == 2 ? 10.0f : 0.0f);
    EXPECT_FALSE(stranger->AcceptsInvitation(pub, player));
  }
  other->SetInvitedToday(true);
  EXPECT_FALSE(other->AcceptsInvitation(pub, player));
  other->SetInvitedToday(false);
  other->SetCash(0.0f);
  EXPECT_FALSE(other->AcceptsInvitation(pub, player));
  other->SetCash(5000.0f);
  ASSERT_NE(MeetNewFriend(), nullptr);
  ShowAndCloseMessages("refusals and a new friend");
  GUI_NoMoneyDialog::Close();
  other->OnSnubbed(true);
  SIM_Romance::Instance().SetPartner(other);
  other->OnSnubbed(true);
  OpenTheMail("snubs");
  other->SetSnubCount(1000);
  other->OnSnubbed(false);
  partner->SetSnubCount(1000);
  partner->OnSnubbed(false);
  OpenTheMail("too many snubs");

  GUI_TeamInvite::Open();
  Show(GUI_TeamInvite::Instance(), "bowling team");
  GUI_TeamInvite::Instance()->Accept();
  SIM_BowlingTeam::Instance().Leave();
  ShowAndCloseMessages("the team left");
  for (int i = 0; i < 60; ++i) Frame("mail");
  EXPECT_GT(shown, static_cast<int>(people.size()) * 4 + 40);
}

// ---- Evenings ----

TEST_F(EveryWindowTextsTest, TheEveningWindowsForEveryActivityEveningFilmAndClass) {
  EXPECT_GT(BuyEverything(), 10);
  MeetEveryValue();
  SetGlobalValue("alcoholic", 1.0f);
  SIM_NPC* guest = AFriend();
  ASSERT_NE(guest, nullptr);
  guest->SetCash(5000.0f);
  SIM_Romance::Instance().SetPartner(guest);
  ShowAndCloseMessages("purchases");

  // The solo chooser through what each month and day of the week offers (to a member of
  // the bowling team, who is offered its match).
  SIM_BowlingTeam::Instance().Join();
  std::set<std::string> solo, social;
  for (int month : {0, 4, 6, 10}) {
    for (int day = 0; day < 7; ++day) {
      SetDate(month, day);
      SIM_SIM::Instance().SetActs(3, 2);  // the last slot: a team's match is offered there
      GUI_SoloActivityChooser::Open();
      GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
      ASSERT_NE(chooser, nullptr);
      for (size_t i = 0; i < chooser->Available().size(); ++i) {
        if (solo.insert(chooser->Current()->GetTypeName()).second)
          Show(chooser, "solo: " + chooser->Current()->GetTypeName());
        chooser->Next();
      }
      GUI_SoloActivityChooser::Close();
      SIM_SIM::Instance().SetActs(3, 0);
      GUI_SocialActivityChooser::Open();
      GUI_SocialActivityChooser* evenings = GUI_SocialActivityChooser::Instance();
      ASSERT_NE(evenings, nullptr);
      for (size_t i = 0; i < evenings->Available().size(); ++i) {
        if (social.insert(evenings->Current()->GetTypeName()).second) {
          Show(evenings, "evening: " + evenings->Current()->GetTypeName());
          // With a guest in a place, as a dropped contact icon puts them.
          if (GUI_SocialActivityChooser::AddInvitee(guest))
            Show(evenings, "evening with a guest: " + evenings->Current()->GetTypeName());
        }
        evenings->Next();
      }
      GUI_SocialActivityChooser::Close();
    }
  }
  // Both choosers with no money left, and once the day is over.
  SetDate(4, 2);
  for (int state = 0; state < 2; ++state) {
    SIM_Finances::Instance().SetCash(0.0f);
    if (state == 1) SIM_SIM::Instance().SetPhase(2);
    GUI_SoloActivityChooser::Open();
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
    for (size_t i = 0; i < chooser->Available().size(); ++i) {
      if (chooser->Current()->GetCost() > 0.0f || i == 0) Show(chooser, "solo without money");
      chooser->Next();
    }
    GUI_SoloActivityChooser::Close();
    GUI_SocialActivityChooser::Open();
    for (int i = 0; i < 3; ++i) {
      Show(GUI_SocialActivityChooser::Instance(), "evening without money");
      GUI_SocialActivityChooser::Instance()->Next();
    }
    GUI_SocialActivityChooser::Close();
  }
  SIM_SIM::Instance().SetPhase(1);
  SIM_SIM::Instance().SetActs(3, 0);
  SIM_Finances::Instance().SetCash(100000.0f);
  for (const auto& type : SIM_SoloActivityType::All())
    EXPECT_TRUE(solo.count(type->GetTypeName())) << type->GetTypeName();
  for (const auto& type : SIM_SocialiseType::All())
    EXPECT_TRUE(social.count(type->GetTypeName())) << type->GetTypeName();

  // Each kind of evening from start to its report, each guest's page of it; the venues' own
  // windows on the way, with every restaurant, its full-table message and its meal.
  std::set<const SIM_Restaurant*> restaurants;
  int reports = 0;
  for (const auto& type : SIM_SocialiseType::All()) {
    const std::string name = type->GetTypeName();
    SIM_SIM::Instance().SetActs(3, 0);
    SIM_Finances::Instance().SetCash(100000.0f);
    guest->SetCash(5000.0f);
    guest->FindRelationship(Me())->SetStrength(0.9f);  // a disliked evening loses no friend
    // An evening before may have ended the romance, and a romantic one is for the partner only.
    if (!SIM_Romance::Instance().IsPartner(guest)) SIM_Romance::Instance().SetPartner(guest);
    std::vector<SIM_Person*> guests{guest};
    if (type->minGuests > 2) guests.push_back(SIM_NPC::All().back());  // a kind for more people
    SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening(guests, type.get(), Me());
    ASSERT_NE(evening, nullptr) << name;
    if (GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::Instance()) {
      auto* meal = dynamic_cast<SIM_RestaurantInstance*>(evening);
      ASSERT_NE(meal, nullptr);
      for (size_t i = 0; i < meal->Candidates().size(); ++i) {
        restaurants.insert(chooser->Current());
        Show(chooser, name + " at " + chooser->Current()->GetName());
        chooser->Current()->SetTableToday(false);
        chooser->Book();
        ShowAndCloseMessages("a full table at " + chooser->Current()->GetName());
        chooser->Current()->SetTableToday(true);
        chooser->Next();
      }
      chooser->Book();
      GUI_RestaurantInstance* order = GUI_RestaurantInstance::Instance();
      ASSERT_NE(order, nullptr) << name;
      Show(order, name + " meal");
      order->Indulgent();
      order->ToggleWine();
      Show(order, name + " meal with wine");
      order->Order();
    } else if (GUI_MovieChooser* films = GUI_MovieChooser::Instance()) {
      while (films->PreviousArrow()->IsEnabled()) films->Previous();
      for (int i = 0; i < SIM_Movie::kShowing; ++i) {
        Show(films, name + " film " + std::to_string(i));
        films->Next();
      }
      films->TogglePopcorn();
      while (films->Current() == nullptr || films->Current()->IsSeen()) films->Previous();
      films->Watch();
    } else if (GUI_Roulette* table = GUI_Roulette::Instance()) {
      Show(table, "roulette");
      table->Raise();
      while (table->SpinButton()->IsEnabled()) {
        table->Spin();
        Show(table, "roulette spin");
      }
      table->Stop();
    }
    ShowAndCloseMessages("after " + name);
    GUI_PostMortem* report = GUI_PostMortem::Instance();
    ASSERT_NE(report, nullptr) << name;
    for (GUI_PostMortemIcon* icon : report->Icons()) {
      report->Select(icon->GetRecord());
      Show(report, "report of " + name);
    }
    if (report->FortuneCookie()) report->FortuneCookie()->Activate();
    Show(report, "report of " + name);
    ++reports;
    GUI_PostMortem::Close();
  }
  EXPECT_EQ(reports, static_cast<int>(SIM_SocialiseType::All().size()));
  EXPECT_GE(restaurants.size(), 2u);

  // Every film of the programme, with and without the knowledge to read its review.
  SIM_SIM::Instance().SetActs(3, 0);
  SIM_SocialiseInstance::StartEvening({guest}, SIM_SocialiseType::FindByName("cinema"), Me());
  GUI_MovieChooser* films = GUI_MovieChooser::Instance();
  ASSERT_NE(films, nullptr);
  // Each film gets one of the guide's five verdicts in turn, and some were seen already.
  const float qualities[] = {0.0f, 0.3f, 0.5f, 0.7f, 0.99f};
  std::vector<int> order;
  std::vector<SIM_Movie::State> states;
  for (size_t i = 0; i < SIM_Movie::All().size(); ++i) {
    order.push_back(static_cast<int>(i));
    states.push_back({qualities[i % 5], 0.0f, i % 3 == 0});
  }
  std::set<std::string> titles;
  for (float knowledge : {1.0f, 0.0f}) {
    SetGlobalValue("glob_movieknowledge", knowledge);
    for (size_t first = 0; first < order.size(); first += SIM_Movie::kShowing) {
      ASSERT_TRUE(SIM_Movie::Restore(order, static_cast<int>(first), states));
      while (films->GetIndex() > 0) films->Previous();
      for (int page = 0; page < SIM_Movie::kShowing; ++page) {
        if (films->Current()) titles.insert(films->Current()->GetTitle());
        Show(films,
             "film " + (films->Current() ? films->Current()->GetTitle() : std::string("none")));
        films->Next();
      }
      if (knowledge == 0.0f) break;  // without it every review reads the same
    }
  }
  GUI_MovieChooser::Close();
  EXPECT_EQ(titles.size(), SIM_Movie::All().size());

  // A pub evening that ends in a brawl.
  auto* pub = dynamic_cast<SIM_BeerInstance*>(
      SIM_SocialiseInstance::CreateForType(SIM_SocialiseType::FindByName("pub")));
  ASSERT_NE(pub, nullptr);
  pub->AddInvitee(guest);
  pub->SetOrganiser(Me());
  pub->Brawl();
  Show(GUI_BeerPostMortem::Instance(), "brawl");
  GUI_BeerPostMortem::Close();
  ShowAndCloseMessages("after the brawl");

  // The evening classes: every school, every page, every class chosen; then with half the
  // courses finished and one enrolled. And each class's result, in progress and complete.
  int classPages = 0;
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) {
      for (size_t i = 0; i < HOOK_EveningClassType::All().size(); i += 2)
        Me()->SetValue(HOOK_EveningClassType::All()[i]->GetName(), 1.0f);
      HOOK_EveningClassType::All()[1]->Enrol();
      SIM_SIM::Instance().SetPhase(2);
    }
    GUI_EveningClasses::Open(pass == 1);
    GUI_EveningClasses* classes = GUI_EveningClasses::Instance();
    ASSERT_NE(classes, nullptr);
    Show(classes, "schools");
    for (int school = 0; school < HOOK_EveningClassType::kCategoryCount; ++school) {
      classes->SelectSchool(school);
      for (;;) {
        Show(classes, "school " + std::to_string(school));
        for (GUI_EveningClassStrip* strip : classes->Strips()) {
          classes->SelectClass(strip->GetClass());
          Show(classes, "class " + strip->GetClass()->GetTypeName());
          ++classPages;
        }
        const int page = classes->GetPage();
        classes->NextPage();
        if (classes->GetPage() == page) break;
      }
      classes->ShowSchools();
    }
    GUI_EveningClasses::Close();
  }
  SIM_SIM::Instance().SetPhase(1);
  EXPECT_EQ(classPages, 2 * static_cast<int>(HOOK_EveningClassType::All().size()));
  // The results: half the courses are finished by now; the others at a low, middling or
  // high concentration in turn.
  int results = 0;
  for (const auto& type : HOOK_EveningClassType::All()) {
    GUI_EveningClassPostMortem::Open(type.get(), 0.1f + 0.4f * static_cast<float>(results++ % 3));
    Show(GUI_EveningClassPostMortem::Instance(), "class result " + type->GetTypeName());
  }
  GUI_EveningClassPostMortem::Close();
  EXPECT_GT(shown, 200);
}

// ---- Home ----

TEST_F(EveryWindowTextsTest, TheHomeWindowsForEveryPossessionSiteChannelBookPetAndEvent) {
  // The shop's every tab and page, with everything still on offer; TV without cable.
  int pages = 0;
  auto browse = [this, &pages](const std::string& when) {
    GUI_Shopping::Open();
    GUI_Shopping* shop = GUI_Shopping::Instance();
    ASSERT_NE(shop, nullptr);
    for (int tab = 0; tab < SIM_Shop::kTabs; ++tab) {
      GUI_Shopping::SelectTab(tab);
      GUI_StoreTab* page = shop->SelectedPage();
      ASSERT_NE(page, nullptr);
      while (page->GetPage() > 0) page->PreviousPage();
      for (;;) {
        Show(shop, when + " shop tab " + std::to_string(tab) + " page " +
                       std::to_string(page->GetPage()));
        ++pages;
        const int before = page->GetPage();
        page->NextPage();
        if (page->GetPage() == before) break;
      }
    }
    GUI_Shopping::Close();
  };
  browse("before buying");
  EXPECT_GT(pages, SIM_Shop::kTabs);
  GUI_WatchTV::Open();
  Show(GUI_WatchTV::Instance(), "TV without cable");
  GUI_WatchTV::Close();

  EXPECT_GT(BuyEverything(), 10);
  ShowAndCloseMessages("purchases");
  browse("after buying");
  GUI_Assets::RebuildIcons();
  Frame("possessions");

  // Every possession's own window, as its icon opens it, and its details.
  const std::vector<SIM_Asset*> owned = SIM_Asset::Owned();
  for (SIM_Asset* asset : owned) {
    asset->OnSelect();
    ShowAndCloseMessages("the window of " + asset->GetName());
    GUI_AssetDetails::Open(asset);
    Show(GUI_AssetDetails::Instance(), "details of " + asset->GetName());
    GUI_AssetDetails::Close();
  }
  EXPECT_GT(owned.size(), 10u);

  // Every book: its details early and late in the day, unread and finished; its reading.
  for (SIM_Book* book : SIM_Book::All()) {
    for (int phase : {1, 2}) {
      SIM_SIM::Instance().SetPhase(phase);
      GUI_BookDetails::Open(book);
      Show(GUI_BookDetails::Instance(), "book " + book->GetName());
    }
    SIM_SIM::Instance().SetPhase(1);
    book->SetPagesRead(book->GetPageCount());
    GUI_BookDetails::Open(book);
    Show(GUI_BookDetails::Instance(), "finished book " + book->GetName());
    GUI_BookDetails::Close();
    for (bool understood : {true, false}) {
      GUI_BookReading::Open(book, 12, understood ? 0.9f : 0.1f, understood);
      Show(GUI_BookReading::Instance(), "reading " + book->GetName());
    }
    GUI_BookReading::Close();
  }
  EXPECT_FALSE(SIM_Book::All().empty());

  // Every pet's window, hungry and not, and then each lost.
  int pets = 0;
  for (SIM_PetBase* pet : Pets) {
    if (!pet || !pet->IsOwned()) continue;
    for (int hungry : {0, 3}) {
      pet->SetDaysWithoutFood(hungry);
      GUI_PetDetails::Open(pet);
      Show(GUI_PetDetails::Instance(), "pet " + pet->GetName());
    }
    GUI_PetDetails::Close();
    ++pets;
  }
  EXPECT_EQ(pets, kPetSpeciesCount);

  // The web and TV windows, and every site and channel chosen.
  GUI_SurfWeb::Open();
  Show(GUI_SurfWeb::Instance(), "web");
  GUI_SurfWeb::Close();
  GUI_WatchTV::Open();
  Show(GUI_WatchTV::Instance(), "TV");
  GUI_WatchTV::Close();
  for (const auto& site : WebsiteList()) ChooseWebsite(site.get());
  for (const auto& channel : TVChannelList()) ChooseTVChannel(channel.get());
  EXPECT_FALSE(WebsiteList().empty());
  EXPECT_FALSE(TVChannelList().empty());
  ShowAndCloseMessages("sites and channels");

  // Royalties of a song and a screenplay.
  for (int type : {SIM_RoyaltyStream::kSong, SIM_RoyaltyStream::kScreenplay}) {
    SIM_RoyaltyStream* stream = CreateRoyaltyStream("Wandering West", 150.0f, type);
    stream->Pay();
    GUI_Email::AddRoyaltyReport(stream)->Open();
    Show(GUI_RoyaltyReport::Instance(), "royalties");
    GUI_RoyaltyReport::Close();
  }
  GUI_Email::DeleteAll();

  // The mini-games.
  for (bool easy : {true, false}) {
    GUI_Crossword::Open(easy);
    Show(GUI_Crossword::Instance(), "crossword");
    GUI_Crossword::Close();
  }
  GUI_Match3Game::Open();
  Show(GUI_Match3Game::Instance(), "match three");
  GUI_Match3Game::Close();
  GUI_VideoGame::Open();
  Show(GUI_VideoGame::Instance(), "video game");
  GUI_VideoGame::Close();

  // Every special event's ticket and result, early and late in the day.
  for (const auto& event : SIM_SpecialEvent::All()) {
    SIM_SIM::Instance().SetPhase(2);
    GUI_Email::AddSpecialEvent(event.get())->Open();
    Show(GUI_SpecialEvent::Instance(), "late ticket " + event->GetTypeName());
    SIM_SIM::Instance().SetPhase(1);
    SIM_SIM::Instance().SetActs(3, 0);
    Show(GUI_SpecialEvent::Instance(), "ticket " + event->GetTypeName());
    GUI_SpecialEvent::Instance()->Attend();
    ASSERT_TRUE(GUI_SpecialEventPostMortem::IsOpen()) << event->GetTypeName();
    Show(GUI_SpecialEventPostMortem::Instance(), "result " + event->GetTypeName());
    GUI_SpecialEventPostMortem::Close();
    GUI_SpecialEvent::Close();
    GUI_Email::DeleteAll();
  }
  EXPECT_FALSE(SIM_SpecialEvent::All().empty());

  // What the simulation tells in message boxes: services and transport left unpaid, the pets
  // lost, a burglary, the team left.
  for (SIM_Asset* asset : SIM_Asset::Owned())
    if (asset->GetUpkeep() > 0.0f) asset->OnUpkeepUnpaid();
  ShowAndCloseMessages("unpaid upkeep");
  for (SIM_PetBase* pet : Pets)
    if (pet && pet->IsOwned()) {
      pet->Lose();
      ShowAndCloseMessages("lost pet");
    }
  SIM_Asset::StealAssets();
  SIM_BowlingTeam::Instance().Join();
  SIM_BowlingTeam::Instance().Leave();
  ShowAndCloseMessages("burglary and the team");
  for (int i = 0; i < 60; ++i) Frame("mail");

  // Every kind of weather's tooltip over the main scene.
  for (int kind = 0; kind < SIM_Weather::kKinds; ++kind) {
    SIM_Weather::Instance().SetWeather(kind, 1.0f);
    Screens().RefreshWeatherTooltip();
    Frame("weather " + std::to_string(kind));
  }
  EXPECT_GE(frames, 60 + SIM_Weather::kKinds);

  // The year's review and the game's end, with each verdict.
  ManualTimerClock clock;
  SIM_Statistics& stats = SIM_Statistics::Instance();
  const int shares[][3] = {{10, 0, 0}, {0, 10, 0}, {0, 0, 10}, {4, 4, 4}, {0, 0, 0}};
  for (const auto& share : shares) {
    stats.ResetYear();
    for (int i = 0; i < 3; ++i) stats.AddInt(share[i], i + 1);
    stats.CountActivity("SOLO_JOGGING_TITLE");
    GUI_YearlyReview::Instance()->Show();
    clock.Advance(6500);
    Show(GUI_YearlyReview::Instance(), "yearly review");
    GUI_YearlyReview::Instance()->Dismiss();
  }
  for (const auto& [solo, social] :
       {std::pair{600, 100}, std::pair{100, 600}, std::pair{300, 300}}) {
    stats.SetPastTotals(solo, social);
    GUI_EndGame::Instance()->Show();
    clock.Advance(6500);
    Show(GUI_EndGame::Instance(), "end of the game");
    GUI_EndGame::Instance()->Hide();
  }
  EXPECT_GT(shown, 100);
}

}  // namespace
}  // namespace guitest
