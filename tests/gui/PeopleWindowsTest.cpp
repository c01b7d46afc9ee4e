// The people windows in a started game: a character's window (one per person, on the screen,
// its pages), the drag of a contact icon, the relationship bands, the social standing screen,
// the skills panel and the watchers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_SimScreens.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_DebugWatchers.h"
#include "gui/windows/GUI_DragIcon.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_Relationship.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class PeopleWindowsTest : public PlayTest {
 protected:
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
    PlayTest::TearDown();
  }
  static SIM_NPC* AFriend() {
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer()) return npc;
    return nullptr;
  }
  void DrawWindow(GUI_WindowBase* window) {
    GUI_Services::RecordedTexts().clear();
    engine.BeginRender();
    window->Draw();
    engine.EndScene();
  }
  // The recorded texts drawn at x (whole pixels), in order.
  std::vector<std::string> TextsAtX(float x) const {
    std::vector<std::string> texts;
    for (const auto& item : GUI_Services::RecordedTexts())
      if (std::fabs(item.x - x) < 0.5f) texts.push_back(item.text);
    return texts;
  }
  // Relationships of the player with every other character, of the strength given.
  std::vector<SIM_Relationship*> PlayerRelationships(int n, float strength, bool playerMade) {
    std::vector<SIM_Relationship*> made;
    for (int i = 0; i < n; ++i) {
      SIM_NPC* npc = SIM_NPC::Create(i % 2);
      SIM_Relationship* r = SIM_Relationship::Create(SIM_Vesk::Instance(), npc);
      r->SetPlayerCreated(playerMade);
      r->SetStrength(strength);
      made.push_back(r);
    }
    return made;
  }
  // Ends every relationship there is, so a screen shows only what a test makes.
  static void EndAllRelationships() {
    const std::vector<SIM_Relationship*> all = SIM_Relationship::All();
    for (SIM_Relationship* r : all) r->active = false;
  }
};

TEST_F(PeopleWindowsTest, OneWindowPerPersonOnTheScreenWithItsFourPages) {
  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  // Near the bottom-right corner, the window moves so that all of it is on the screen.
  GUI_Services::SetMouseForTesting(1000, 700, false);
  GUI_NPC::Open(npc);
  ASSERT_EQ(GUI_NPC::All().size(), 1u);
  GUI_NPC* window = GUI_NPC::All().front();
  EXPECT_EQ(window->GetRect().right, 1024);
  EXPECT_EQ(window->GetRect().bottom, 768);
  EXPECT_EQ(window->GetWidth(), 350);
  EXPECT_EQ(window->GetHeight(), 199);
  EXPECT_TRUE(window->IsDialog());

  // Another window over it; asking again for the person brings the first forward, no second.
  SIM_NPC* other = nullptr;
  for (SIM_NPC* n : SIM_NPC::All())
    if (n != npc) other = n;
  ASSERT_NE(other, nullptr);
  GUI_NPC::Open(other);
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().back(), GUI_NPC::FindFor(other));
  GUI_NPC::Open(npc);
  EXPECT_EQ(GUI_NPC::All().size(), 2u);
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().back(), window);

  // Summary: no relationship to the player gives an empty bar; the title is the full name.
  DrawWindow(window);
  EXPECT_TRUE(Queued(npc->GetForename() + " " + npc->GetSurname()));
  EXPECT_TRUE(Queued(Translate("RELATIONSHIP_STRENGTH")));
  EXPECT_FALSE(window->ShowedHeart());
  // The heart shows for the partner only, and goes when the romance ends.
  SIM_Romance::Instance().SetPartner(npc);
  DrawWindow(window);
  EXPECT_TRUE(window->ShowedHeart());
  SIM_Romance::Instance().SetPartner(nullptr);
  DrawWindow(window);
  EXPECT_FALSE(window->ShowedHeart());

  // Interests: seven give five in the first column and two in the second.
  npc->ClearInterests();
  const auto& types = SIM_InterestType::All();
  ASSERT_GE(types.size(), 7u);
  for (size_t i = 0; i < 7; ++i) npc->AddInterest(types[i]);
  window->Tabs()->SelectTabByIndex(2);
  DrawWindow(window);
  const float pageLeft = static_cast<float>(window->Tabs()->GetRect().left);
  const std::vector<std::string> first = TextsAtX(pageLeft + 16);
  const std::vector<std::string> second = TextsAtX(pageLeft + 136);
  ASSERT_EQ(first.size(), 5u);
  ASSERT_EQ(second.size(), 2u);
  // Each interest by its text, never by the key the table holds.
  for (size_t i = 0; i < 7; ++i) {
    const std::string& shown = i < 5 ? first[i] : second[i - 5];
    EXPECT_EQ(shown, Translate(types[i]->GetGuiName().c_str()));
    EXPECT_NE(shown, types[i]->GetGuiName());
  }

  // Skills: one bar per skill while it fits, named as the player reads them: a game skill by
  // its kind of evening, another by its own name when it has no text.
  const SIM_SocialiseType* bowling = SIM_SocialiseType::FindByName("bowling");
  ASSERT_NE(bowling, nullptr);
  npc->NamedValues().Clear();
  npc->ModifyNamedValue("bowling", 0.5f);
  for (int i = 1; i < 12; ++i) npc->ModifyNamedValue("skill" + std::to_string(i), 0.5f);
  checkShippedTexts = false;  // the made-up skills have no texts, on purpose
  window->Tabs()->SelectTabByIndex(3);
  DrawWindow(window);
  std::vector<std::string> labels;
  for (const auto& item : GUI_Services::RecordedTexts())
    if (item.align == 2) labels.push_back(item.text);
  ASSERT_GE(labels.size(), 2u);
  EXPECT_LT(labels.size(), 12u);  // the small page holds only a few
  EXPECT_EQ(labels[0], Translate(bowling->GetGuiName().c_str()));
  EXPECT_EQ(labels[1], "skill1");
}

TEST_F(PeopleWindowsTest, APersonWithoutTypeOrWithAnUnknownInterestShowsEmptyText) {
  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  npc->SetCharacterType(nullptr);
  npc->ClearInterests();
  npc->AddInterest(SIM_InterestType::All().front());
  // An interest whose type is unknown (null) is skipped, not read.
  npc->AddInterest(nullptr);
  GUI_NPC::Open(npc);
  GUI_NPC* window = GUI_NPC::FindFor(npc);
  ASSERT_NE(window, nullptr);
  auto* personality = dynamic_cast<GUI_NPCCharacteristicTab*>(window->Tabs()->Pages()[1]);
  ASSERT_NE(personality, nullptr);
  EXPECT_EQ(personality->Heading(), "");
  EXPECT_EQ(personality->Description(), "");
  for (int page = 0; page < 4; ++page) {
    window->Tabs()->SelectTabByIndex(page);
    DrawWindow(window);
  }
  window->Tabs()->SelectTabByIndex(2);
  DrawWindow(window);
  EXPECT_EQ(TextsAtX(static_cast<float>(window->Tabs()->GetRect().left) + 16).size(), 1u);

  // With a type, the page shows the texts of the heading and description the table names,
  // for every type there is.
  ASSERT_FALSE(SIM_CharacterType::All().empty());
  for (SIM_CharacterType* type : SIM_CharacterType::All()) {
    SCOPED_TRACE(type->GetText(2));
    npc->SetCharacterType(type);
    delete window;
    GUI_NPC::Open(npc);
    window = GUI_NPC::FindFor(npc);
    personality = dynamic_cast<GUI_NPCCharacteristicTab*>(window->Tabs()->Pages()[1]);
    EXPECT_EQ(personality->Heading(), Translate(type->GetText(2).c_str()));
    EXPECT_EQ(personality->Description(), Translate(type->GetText(3).c_str()));
    EXPECT_NE(personality->Heading(), type->GetText(2));
    EXPECT_NE(personality->Description(), type->GetText(3));
    window->Tabs()->SelectTabByIndex(1);
    DrawWindow(window);
    EXPECT_TRUE(Queued(personality->Heading()));
  }
}

TEST_F(PeopleWindowsTest, DragsEndOnReleaseAndNeverOutliveTheirCharacter) {
  // A release with no drag does nothing.
  GUI_DragIcon::EndDrag();
  EXPECT_EQ(GUI_DragIcon::Current(), nullptr);
  EXPECT_EQ(GUI_Cursor::Instance().GetDragged(), nullptr);

  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  LayOutNPCIcons();
  GUI_NPCIcon* icon = FindNPCIcon(npc);
  ASSERT_NE(icon, nullptr);
  GUI_Services::SetMouseForTesting(icon->GetCentreX() + 5, icon->GetCentreY() - 3, false);
  GUI_DragIcon::BeginDrag(icon);
  GUI_DragIcon* drag = GUI_DragIcon::Current();
  ASSERT_NE(drag, nullptr);
  EXPECT_EQ(GUI_Cursor::Instance().GetDragged(), drag);
  EXPECT_FLOAT_EQ(drag->GrabOffsetX(), -5.0f);
  EXPECT_FLOAT_EQ(drag->GrabOffsetY(), 3.0f);
  EXPECT_EQ(drag->GetWidth(), icon->GetWidth());
  // A second drag replaces the first.
  GUI_DragIcon::BeginDrag(icon);
  EXPECT_NE(GUI_DragIcon::Current(), nullptr);
  EXPECT_EQ(GUI_Cursor::Instance().GetDragged(), GUI_DragIcon::Current());

  // The character leaves the world during the drag: its icon goes, and so does the drag;
  // the release over the chooser invites nobody.
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* party = SIM_SocialiseType::Add("party");
  party->category = "BEER";
  party->maxGuests = 6;
  GUI_SocialActivityChooser::Open();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  npc->Remove();
  EXPECT_EQ(FindNPCIcon(npc), nullptr);
  EXPECT_EQ(GUI_DragIcon::Current(), nullptr);
  EXPECT_EQ(GUI_Cursor::Instance().GetDragged(), nullptr);
  const auto& r = chooser->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(r.left + 40), static_cast<float>(r.top + 40), false);
  GUI_GUI::Instance().OnLeftButtonUp();
  EXPECT_TRUE(chooser->Invitees().empty());
}

TEST_F(PeopleWindowsTest, ADeletedCharacterTakesItsIconAndWindowsAlong) {
  SIM_NPC* npc = SIM_NPC::Create(0);
  npc->SetIntroduced(true);
  ASSERT_NE(FindNPCIcon(npc), nullptr);
  GUI_NPC::Open(npc);
  GUI_BoredomWatcher::Open(npc);
  GUI_MemoryWatcher::Open(npc);
  EXPECT_EQ(GUI_DebugWatcher::All().size(), 2u);
  npc->Remove();  // dropped from the world: the object and its windows stay
  EXPECT_EQ(FindNPCIcon(npc), nullptr);
  EXPECT_NE(GUI_NPC::FindFor(npc), nullptr);
  SIM_NPC::DeleteAll();
  EXPECT_TRUE(GUI_NPC::All().empty());
  EXPECT_TRUE(GUI_DebugWatcher::All().empty());
  EXPECT_TRUE(AllNPCIcons().empty());
}

TEST_F(PeopleWindowsTest, BandsClampAnyStrengthToASaneWidthAndOpacity) {
  EXPECT_FLOAT_EQ(GUI_Relationship::BandWidth(0.0f), 6.0f);
  EXPECT_EQ(GUI_Relationship::BandAlpha(0.0f), 127);
  EXPECT_FLOAT_EQ(GUI_Relationship::BandWidth(1.0f), 46.0f);
  EXPECT_EQ(GUI_Relationship::BandAlpha(1.0f), 255);
  EXPECT_EQ(GUI_Relationship::BandAlpha(0.5f), 191);
  // Strengths a save may bring from outside 0..1.
  EXPECT_FLOAT_EQ(GUI_Relationship::BandWidth(-3.0f), 6.0f);
  EXPECT_EQ(GUI_Relationship::BandAlpha(-3.0f), 127);
  EXPECT_FLOAT_EQ(GUI_Relationship::BandWidth(2.5f), 46.0f);
  EXPECT_EQ(GUI_Relationship::BandAlpha(2.5f), 255);
  EXPECT_EQ(GUI_Relationship::BandAlpha(std::numeric_limits<float>::quiet_NaN()), 127);

  // Only the player's active friendships with a shown icon draw.
  LayOutNPCIcons();
  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  SIM_Relationship* friendship = npc->FindRelationship(SIM_Vesk::Instance());
  GUI_Relationship* view = GUI_SimScreens::Instance().ViewOf(friendship);
  ASSERT_NE(view, nullptr);
  engine.BeginRender();
  EXPECT_TRUE(view->Draw());
  friendship->SetStrength(7.0f);  // as a save might hold it
  EXPECT_TRUE(view->Draw());
  friendship->SetFriendship(false);
  EXPECT_FALSE(view->Draw());
  friendship->SetFriendship(true);
  for (SIM_Relationship* r : npc->GetRelationships()) {
    if (r == friendship) continue;
    EXPECT_FALSE(GUI_SimScreens::Instance().ViewOf(r)->Draw());  // between two characters
  }
  engine.EndScene();
}

TEST_F(PeopleWindowsTest, StandingScreenShowsAtMost28CardsEarningOnesFirst) {
  EndAllRelationships();
  const std::vector<SIM_Relationship*> earning = PlayerRelationships(30, 0.5f, true);
  PlayerRelationships(3, 0.1f, true);
  GUI_SocialTovel::Show();
  GUI_SocialTovel& screen = GUI_SocialTovel::Instance();
  ASSERT_EQ(screen.Children().size(), 28u);
  for (GUI_WindowBase* child : screen.Children())
    EXPECT_TRUE(dynamic_cast<GUI_ST_Relate*>(child)->IsHighlighted());
  EXPECT_NEAR(screen.GetTotal(), 30 * 2.0f, 0.001f);  // all thirty count
  EXPECT_EQ(screen.GetTotalText(), std::string(Translate("SOCIAL_TOVEL_TOTAL")) + " 60.00");
  // Seven full rows of four from y 148, 74 px apart, starting at the middle - 360.
  EXPECT_EQ(screen.Children()[0]->GetRect().left, 512 - 360);
  EXPECT_EQ(screen.Children()[0]->GetRect().top, 148);
  EXPECT_EQ(screen.Children()[27]->GetRect().top, 148 + 6 * 74);
  GUI_SocialTovel::Close();

  // Four earning and two plain: a row of four, then a centred row of two.
  EndAllRelationships();
  PlayerRelationships(4, 0.5f, true);
  const std::vector<SIM_Relationship*> plain = PlayerRelationships(2, 0.1f, true);
  PlayerRelationships(2, 0.9f, false);  // not made by the player: no card
  GUI_SocialTovel::Show();
  ASSERT_EQ(screen.Children().size(), 6u);
  auto* fifth = dynamic_cast<GUI_ST_Relate*>(screen.Children()[4]);
  EXPECT_FALSE(fifth->IsHighlighted());
  EXPECT_EQ(fifth->GetRelationship(), plain[0]);
  EXPECT_EQ(fifth->GetRect().left, 512 - 180);
  EXPECT_EQ(fifth->GetRect().top, 148 + 74);
  EXPECT_EQ(screen.Children()[5]->GetRect().left, 512);

  // A strength loaded from outside 0..1 gives a card band of a sane opacity.
  plain[1]->SetStrength(-2.0f);
  fifth->GetRelationship()->SetStrength(3.0f);
  engine.BeginRender();
  screen.Draw();
  engine.EndScene();
  EXPECT_EQ(fifth->BandAlpha(), 128);
  EXPECT_EQ(dynamic_cast<GUI_ST_Relate*>(screen.Children()[5])->BandAlpha(), 0);

  // A bond deleted while the screen is up (a world replaced under it): its card draws
  // nothing and reads nothing freed; the others still draw.
  delete plain[0];
  plain[1]->SetStrength(1.0f);
  engine.BeginRender();
  screen.Draw();
  engine.EndScene();
  EXPECT_EQ(dynamic_cast<GUI_ST_Relate*>(screen.Children()[5])->BandAlpha(), 128);
  GUI_SocialTovel::Close();
}

TEST_F(PeopleWindowsTest, StandingScreenGivesTheKeysBackToTheWindowThatHeldThem) {
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* party = SIM_SocialiseType::Add("party");
  party->category = "BEER";
  party->maxGuests = 6;
  GUI_SocialActivityChooser::Open();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_EQ(GUI_GUI::Instance().GetKeyCapture(), chooser);
  // The chooser's hint would lie over the page and answer the keys first.
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
  GUI_GUI& screen = GUI_GUI::Instance();
  GUI_SocialTovel::Show();
  EXPECT_EQ(screen.GetMode(), GUI_GUI::kSocialStanding);
  EXPECT_EQ(screen.GetKeyCapture(), &GUI_SocialTovel::Instance());
  screen.OnKeyDown(30);  // other keys do nothing
  EXPECT_TRUE(GUI_SocialTovel::IsShown());
  screen.OnKeyDown(28);  // Enter closes
  EXPECT_FALSE(GUI_SocialTovel::IsShown());
  EXPECT_EQ(screen.GetMode(), GUI_GUI::kMainScreen);
  EXPECT_EQ(screen.GetKeyCapture(), chooser);

  // The holder has gone meanwhile: nobody gets the keys.
  GUI_SocialTovel::Show();
  GUI_SocialActivityChooser::Close();
  screen.OnKeyDown(1);
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(&GUI_SocialTovel::Instance()));

  // The quit button closes it too; a click elsewhere on it is taken and does nothing.
  GUI_SocialTovel::Show();
  GUI_Services::SetMouseForTesting(500, 700, false);
  screen.OnLeftButtonDown();
  EXPECT_TRUE(GUI_SocialTovel::IsShown());
  const GUI_Rect& quit = GUI_SocialTovel::Instance().QuitButton()->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(quit.left + 5), static_cast<float>(quit.top + 5), false);
  screen.OnLeftButtonDown();
  EXPECT_FALSE(GUI_SocialTovel::IsShown());
  EXPECT_EQ(screen.GetMode(), GUI_GUI::kMainScreen);

  // A game starting while it is up leaves nothing modal behind to swallow the clicks.
  GUI_SocialTovel::Show();
  screen.StartGame();
  EXPECT_FALSE(GUI_SocialTovel::IsShown());
  EXPECT_TRUE(GUI_WindowManager::Instance().ModalWindows().empty());
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
}

TEST_F(PeopleWindowsTest, SkillsPanelGrowsByColumnsAndExpandsPastThirty) {
  SIM_NamedValueList& skills = SIM_Vesk::Instance()->Skills();
  skills.Clear();
  GUI_Skills* panel = GUI_Skills::SetUp();
  EXPECT_TRUE(panel->Rows().empty());
  EXPECT_EQ(panel->GetWidth(), 140);
  EXPECT_EQ(panel->GetHeight(), 48);
  EXPECT_EQ(panel->GetRect().bottom, 768);
  EXPECT_FALSE(panel->Arrow()->IsVisible());
  DrawWindow(panel);
  EXPECT_TRUE(Queued(Translate("NO_SKILLS")));

  auto addSkills = [&skills](int from, int to) {
    for (int i = from; i < to; ++i)
      skills.Add(new SIM_NamedValue("skill" + std::to_string(i), "", 0.5f));
  };
  addSkills(0, 35);
  skills.Add(new SIM_NamedValue("unlearnt", "", 0.0f));  // a skill at 0 is not shown
  GUI_Skills::Refresh();
  EXPECT_EQ(panel->Rows().size(), 30u);
  EXPECT_EQ(panel->GetWidth(), 3 * 140);
  EXPECT_EQ(panel->GetHeight(), 10 * 24 + 20);
  EXPECT_TRUE(panel->Arrow()->IsVisible());
  // The eleventh row starts the second column, 130 px on.
  EXPECT_EQ(panel->Rows()[10]->GetRect().left, panel->Rows()[0]->GetRect().left + 130);
  EXPECT_EQ(panel->Rows()[10]->GetRect().top, panel->Rows()[0]->GetRect().top);

  // The arrow expands to four columns with all 35, and back.
  DrawWindow(panel);
  const auto& arrow = panel->Arrow()->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(arrow.left + 2), static_cast<float>(arrow.top + 2), false);
  EXPECT_TRUE(panel->OnClick(static_cast<float>(arrow.left + 2), static_cast<float>(arrow.top + 2)));
  EXPECT_TRUE(panel->IsExpanded());
  EXPECT_EQ(panel->Rows().size(), 35u);
  EXPECT_EQ(panel->GetWidth(), 4 * 140);

  // 55 skills expanded: five columns, fifty rows.
  addSkills(35, 55);
  GUI_Skills::Refresh();
  EXPECT_EQ(panel->Rows().size(), 50u);
  EXPECT_EQ(panel->GetWidth(), 5 * 140);
  skills.Clear();
}

// The panel's size and its arrow follow the number of learnt skills: ten rows to a column of
// 140 px, a new column from the eleventh, 21st and 31st, at most three columns until the arrow
// (there only while more than thirty would be shown) expands it.
TEST_F(PeopleWindowsTest, TheSkillsPanelsColumnsAndArrowFollowTheNumberOfSkills) {
  struct Case {
    int skills;
    bool expanded;
    size_t rows;
    int width, height;
    bool arrow;
  };
  const Case cases[] = {
      {0, false, 0, 140, 48, false},    {1, false, 1, 140, 48, false},
      {2, false, 2, 140, 68, false},    {10, false, 10, 140, 260, false},
      {11, false, 11, 280, 260, false}, {20, false, 20, 280, 260, false},
      {21, false, 21, 420, 260, false}, {30, false, 30, 420, 260, false},
      {31, false, 30, 420, 260, true},  {31, true, 31, 560, 260, true},
      {41, true, 41, 700, 260, true},   {50, true, 50, 700, 260, true},
  };
  SIM_NamedValueList& skills = SIM_Vesk::Instance()->Skills();
  GUI_Skills* panel = GUI_Skills::SetUp();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.skills << " skills" << (c.expanded ? ", expanded" : ""));
    skills.Clear();
    for (int i = 0; i < c.skills; ++i)
      skills.Add(new SIM_NamedValue("skill" + std::to_string(i), "", 0.5f));
    panel->SetExpanded(c.expanded);
    GUI_Skills::Refresh();
    EXPECT_EQ(panel->Rows().size(), c.rows);
    EXPECT_EQ(panel->GetWidth(), c.width);
    EXPECT_EQ(panel->GetHeight(), c.height);
    EXPECT_EQ(panel->Arrow()->IsVisible(), c.arrow);
    EXPECT_EQ(panel->Arrow()->IsEnabled(), c.arrow);
  }
  skills.Clear();
}

TEST_F(PeopleWindowsTest, WatchersListTheirRowsAndOpenWhereTheLookChooses) {
  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  npc->GetBoredom()->Clear();
  GUI_BoredomWatcher* empty = GUI_BoredomWatcher::Open(npc);
  ASSERT_NE(empty, nullptr);
  DrawWindow(empty);
  EXPECT_TRUE(TextsAtX(static_cast<float>(empty->GetRect().left) + 25).empty());

  npc->GetBoredom()->AddBoredom("bowling", 0.25f);
  npc->GetBoredom()->AddBoredom("cinema", 0.5f);
  GUI_BoredomWatcher* watcher = GUI_BoredomWatcher::Open(npc);
  ASSERT_NE(watcher, nullptr);
  EXPECT_EQ(watcher->GetWidth(), 250);
  EXPECT_EQ(watcher->GetHeight(), 300);
  EXPECT_LT(watcher->GetRect().left, 400);
  EXPECT_LT(watcher->GetRect().top, 300);
  DrawWindow(watcher);
  const float left = static_cast<float>(watcher->GetRect().left);
  EXPECT_EQ(TextsAtX(left + 25), (std::vector<std::string>{"bowling", "cinema"}));
  EXPECT_EQ(TextsAtX(left + 150), (std::vector<std::string>{"0.250", "0.500"}));
  const GUI_Services::TextItem* second = FindText("cinema");
  ASSERT_NE(second, nullptr);
  EXPECT_FLOAT_EQ(second->y, static_cast<float>(watcher->GetRect().top) + 52);
}

}  // namespace
}  // namespace guitest
