// The contact icons in a started game: the friends' arc for any number of friends, a selected
// friend's acquaintances, and what an icon shows for introduction, hover, sulking and the
// evening being planned.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/D3DEngine.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class NPCIconLayoutTest : public PlayTest {
 protected:
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    PlayTest::TearDown();
  }
  // Leaves exactly n friends of the player, in the player's list order, making new
  // characters when there are too few.
  std::vector<SIM_NPC*> MakeFriends(int n) {
    SIM_Vesk* player = SIM_Vesk::Instance();
    std::vector<SIM_NPC*> friends;
    for (SIM_Relationship* r : player->GetRelationships()) {
      const bool keep = static_cast<int>(friends.size()) < n;
      r->SetFriendship(keep);
      if (keep) friends.push_back(dynamic_cast<SIM_NPC*>(r->GetOther(player)));
    }
    while (static_cast<int>(friends.size()) < n) {
      SIM_NPC* npc = SIM_NPC::Create(0);
      npc->SetIntroduced(true);
      SIM_Relationship::Create(player, npc)->SetFriendship(true);
      friends.push_back(npc);
    }
    return friends;
  }
  static int ShownIcons() {
    int n = 0;
    for (const GUI_NPCIcon* icon : AllNPCIcons()) n += icon->IsShown() ? 1 : 0;
    return n;
  }
  void DrawIcons() {
    engine.BeginRender();
    DrawNPCIcons();
    engine.EndScene();
  }
};

TEST_F(NPCIconLayoutTest, FriendsStandTwelveDegreesApartOnTheArcHoweverMany) {
  struct Case {
    int n;
    float firstX, firstY, lastX, lastY;
  };
  // Centre (878, 362), radius 322, first angle n x 6 + 270 degrees, 12 degrees a step.
  for (const Case& c : {Case{1, 557.76f, 328.34f, 557.76f, 328.34f},
                        Case{9, 688.73f, 101.50f, 638.71f, 577.46f},
                        Case{12, 778.50f, 55.76f, 717.00f, 640.86f}}) {
    SCOPED_TRACE(c.n);
    const std::vector<SIM_NPC*> friends = MakeFriends(c.n);
    LayOutNPCIcons();
    EXPECT_EQ(ShownIcons(), c.n);
    const GUI_NPCIcon* first = FindNPCIcon(friends.front());
    const GUI_NPCIcon* last = FindNPCIcon(friends.back());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(first->GetCentreX(), c.firstX, 0.05f);
    EXPECT_NEAR(first->GetCentreY(), c.firstY, 0.05f);
    EXPECT_NEAR(last->GetCentreX(), c.lastX, 0.05f);
    EXPECT_NEAR(last->GetCentreY(), c.lastY, 0.05f);
    for (size_t i = 0; i < friends.size(); ++i) {
      const GUI_NPCIcon* icon = FindNPCIcon(friends[i]);
      EXPECT_EQ(icon->GetState(), GUI_NPCIcon::kFriend);
      EXPECT_FLOAT_EQ(icon->GetSize(), 48.0f);
      // Wholly on the screen, and clear of its neighbour (67 px apart on the arc).
      EXPECT_GE(icon->GetRect().top, 0);
      EXPECT_LE(icon->GetRect().bottom, engine.GetHeight());
      if (i > 0) {
        const GUI_NPCIcon* prev = FindNPCIcon(friends[i - 1]);
        EXPECT_NEAR(std::hypot(icon->GetCentreX() - prev->GetCentreX(),
                               icon->GetCentreY() - prev->GetCentreY()),
                    2.0 * 322.0 * std::sin(6.0 * 3.14159265 / 180.0), 0.1);
      }
    }
  }
  // No friends: nothing shows and a click where a friend stood is not taken.
  const std::vector<SIM_NPC*> one = MakeFriends(1);
  LayOutNPCIcons();
  const GUI_NPCIcon* icon = FindNPCIcon(one.front());
  const float x = icon->GetCentreX(), y = icon->GetCentreY();
  MakeFriends(0);
  LayOutNPCIcons();
  EXPECT_EQ(ShownIcons(), 0);
  GUI_Services::SetMouseForTesting(x, y, false);
  EXPECT_FALSE(NPCIconsOnLeftClick());
}

TEST_F(NPCIconLayoutTest, ASelectedFriendFansOutOnlyThoseThePlayerDoesNotCountAsFriends) {
  const std::vector<SIM_NPC*> friends = MakeFriends(2);
  SIM_NPC* a = friends[0];
  SIM_NPC* b = friends[1];
  // a's only other contacts are the player and b; b's are the player and a.
  for (SIM_NPC* npc : {a, b})
    while (npc->GetRelationships().size() > 1)
      for (SIM_Relationship* r : npc->GetRelationships())
        if (r->GetOther(npc) != SIM_Vesk::Instance()) {
          r->Detach();
          break;
        }
  SIM_Relationship::Create(a, b)->SetFriendship(true);
  SIM_NPC* x = SIM_NPC::Create(0);
  SIM_NPC* y = SIM_NPC::Create(1);
  x->SetIntroduced(true);
  y->SetIntroduced(true);
  SIM_Relationship::Create(a, x);
  SIM_Relationship::Create(a, y);
  LayOutNPCIcons();
  GUI_NPCIcon* iconA = FindNPCIcon(a);
  GUI_NPCIcon* iconB = FindNPCIcon(b);

  // A click on a friend selects it: it grows, and its two acquaintances stand in a column
  // centred on the screen's middle, 48 px apart.
  GUI_Services::SetMouseForTesting(iconA->GetCentreX(), iconA->GetCentreY(), false);
  EXPECT_TRUE(NPCIconsOnLeftClick());
  EXPECT_TRUE(iconA->IsSelected());
  EXPECT_FLOAT_EQ(iconA->GetSize(), 58.0f);
  EXPECT_FLOAT_EQ(iconB->GetSize(), 48.0f);
  const GUI_NPCIcon* iconX = FindNPCIcon(x);
  const GUI_NPCIcon* iconY = FindNPCIcon(y);
  ASSERT_TRUE(iconX->IsShown());
  ASSERT_TRUE(iconY->IsShown());
  EXPECT_EQ(iconX->GetState(), GUI_NPCIcon::kAcquaintance);
  EXPECT_FLOAT_EQ(iconX->GetSize(), 38.0f);
  EXPECT_FLOAT_EQ(iconX->GetCentreX(), 355.0f);
  EXPECT_FLOAT_EQ(iconX->GetCentreY(), 768.0f / 2 - 48.0f);
  EXPECT_FLOAT_EQ(iconY->GetCentreY(), 768.0f / 2);
  EXPECT_EQ(iconB->GetState(), GUI_NPCIcon::kFriend);  // a friend is never an acquaintance
  EXPECT_EQ(ShownIcons(), 4);

  // b knows nobody the player does not: selecting b hides a's acquaintances, fans out none.
  GUI_Services::SetMouseForTesting(iconB->GetCentreX(), iconB->GetCentreY(), false);
  EXPECT_TRUE(NPCIconsOnLeftClick());
  EXPECT_FALSE(iconA->IsSelected());
  EXPECT_FLOAT_EQ(iconA->GetSize(), 48.0f);
  EXPECT_FALSE(iconX->IsShown());
  EXPECT_FALSE(iconY->IsShown());
  EXPECT_EQ(ShownIcons(), 2);

  // A new layout hides acquaintances and brings every friend back to its normal size.
  GUI_Services::SetMouseForTesting(iconA->GetCentreX(), iconA->GetCentreY(), false);
  NPCIconsOnLeftClick();
  LayOutNPCIcons();
  EXPECT_FALSE(iconX->IsShown());
  EXPECT_FLOAT_EQ(iconA->GetSize(), 48.0f);
}

// Each night lays the friends out afresh: a friend the day made without a layout takes a
// place on the arc, and the acquaintances a selected friend fanned out are gone by morning.
TEST_F(NPCIconLayoutTest, TheNightLaysTheFriendsOutOnTheArcAfresh) {
  SIM_NPC* a = MakeFriends(2).front();
  SIM_NPC* x = SIM_NPC::Create(0);
  x->SetIntroduced(true);
  SIM_Relationship::Create(a, x);
  LayOutNPCIcons();
  GUI_NPCIcon* iconA = FindNPCIcon(a);
  GUI_Services::SetMouseForTesting(iconA->GetCentreX(), iconA->GetCentreY(), false);
  ASSERT_TRUE(NPCIconsOnLeftClick());
  ASSERT_TRUE(FindNPCIcon(x)->IsShown());
  MakeFriends(3);  // a third friend, with no layout of its own

  SIM_SIM::Instance().NextDay();
  SIM_Vesk* player = SIM_Vesk::Instance();
  std::vector<const SIM_Person*> friends;
  for (const SIM_Relationship* r : player->GetRelationships())
    if (r->IsFriendship()) friends.push_back(r->GetOther(player));
  ASSERT_FALSE(friends.empty());
  EXPECT_EQ(ShownIcons(), static_cast<int>(friends.size()));
  // 12 degrees apart, the arc centred on 276 degrees (centre (878, 362), radius 322).
  double angle = static_cast<double>(friends.size()) * 6.0 + 270.0;
  for (const SIM_Person* person : friends) {
    const GUI_NPCIcon* icon = FindNPCIcon(person);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->IsShown());
    EXPECT_EQ(icon->GetState(), GUI_NPCIcon::kFriend);
    EXPECT_FLOAT_EQ(icon->GetSize(), 48.0f);
    const double radians = angle * 3.14159265358979 / 180.0;
    EXPECT_NEAR(icon->GetCentreX(), std::sin(radians) * 322.0 + 878.0, 0.05);
    EXPECT_NEAR(icon->GetCentreY(), 362.0 - std::cos(radians) * 322.0, 0.05);
    angle -= 12.0;
  }
}

TEST_F(NPCIconLayoutTest, AnIconShowsIntroductionHoverSulkingAndTheLikedEvening) {
  const std::vector<SIM_NPC*> friends = MakeFriends(2);
  SIM_NPC* a = friends[0];
  SIM_NPC* b = friends[1];
  LayOutNPCIcons();
  GUI_NPCIcon* iconA = FindNPCIcon(a);
  GUI_NPCIcon* iconB = FindNPCIcon(b);
  GUI_Services::SetMouseForTesting(0, 0, false);

  // Not introduced: the mystery picture at half opacity, and no click is taken.
  a->SetIntroduced(false);
  b->SetIntroduced(true);
  DrawIcons();
  EXPECT_EQ(iconA->DrawnPicture(), "mystery.dds");
  EXPECT_EQ(iconA->DrawnAlpha(), 128);
  EXPECT_EQ(iconB->DrawnPicture(), b->GetGreyPortrait());
  GUI_Services::SetMouseForTesting(iconA->GetCentreX(), iconA->GetCentreY(), false);
  EXPECT_FALSE(NPCIconsOnLeftClick());
  a->SetIntroduced(true);

  // Hover: the colour picture, and the sound once until another icon has played it.
  GUI_Services::RecordedSounds().clear();
  DrawIcons();
  DrawIcons();
  EXPECT_EQ(iconA->DrawnPicture(), a->GetPortrait());
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 1);
  GUI_Services::SetMouseForTesting(iconB->GetCentreX(), iconB->GetCentreY(), false);
  DrawIcons();
  GUI_Services::SetMouseForTesting(iconA->GetCentreX(), iconA->GetCentreY(), false);
  DrawIcons();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 3);
  GUI_Services::SetMouseForTesting(0, 0, false);

  // Sulking shows the unhappy face.
  b->SetSnubDelay(3);
  a->SetSnubDelay(0);
  DrawIcons();
  EXPECT_TRUE(iconB->DrewMood());
  EXPECT_FALSE(iconA->DrewMood());

  // While the chooser shows an evening, only those who like it glow.
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* party = SIM_SocialiseType::Add("party");
  party->category = "BEER";
  party->maxGuests = 6;
  ASSERT_FALSE(SIM_InterestType::All().empty());
  SIM_InterestType* liked = SIM_InterestType::All().front();
  party->interests = {{liked->GetName(), 1.0f}};
  a->ClearInterests();
  a->AddInterest(liked);
  b->ClearInterests();
  DrawIcons();
  EXPECT_FALSE(iconA->DrewGlow());  // no chooser open
  GUI_SocialActivityChooser::Open();
  ASSERT_EQ(GUI_SocialActivityChooser::GetCurrentType(), party);
  DrawIcons();
  EXPECT_TRUE(iconA->DrewGlow());
  EXPECT_FALSE(iconB->DrewGlow());
}

}  // namespace
}  // namespace guitest
