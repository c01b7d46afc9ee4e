// Long texts keep to their boxes: with the longest name the new-game menu takes, the job offer's
// letter, the job details and the social standing screen draw every text inside its window
// (or, on the standing screen, clear of the names beside it). The windows are drawn with the
// real fonts and each text's drawn box is checked as it goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobInstanceDetails.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

struct DrawnText {
  std::string text;
  int left, top, right, bottom;
};

class LongTextsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    // The real fonts measure what they draw, so fitted and centred texts land where drawn.
    GUI_Services::SetMeasurer(nullptr, nullptr);
    SetGdiTextDrawObserver([this](const std::string& text, int left, int top, int width,
                                  int height, int, int, int) {
      drawn.push_back({text, left, top, left + width, top + height});
    });
  }
  void TearDown() override {
    SetGdiTextDrawObserver(nullptr);
    GUI_JobOffer::Close();
    GUI_JobInstanceDetails::Close();
    if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
    GUI_Email::DeleteAll();
    SIM_JobOffer::DeleteAll();
    PlayTest::TearDown();
  }
  void Draw(GUI_WindowBase& window) {
    drawn.clear();
    GUI_Services::RecordedTexts().clear();
    engine.BeginRender();
    window.Draw();
    engine.EndScene();
    FlushGdiText(-1);
  }
  // Every text drawn lies within the rectangle, and no word of a wrapped text is wider than
  // its lines (the text would be clipped there, the word cut off without a sign).
  void ExpectAllWithin(const GUI_Rect& r) const {
    ExpectNoWordWiderThanItsLine();
    EXPECT_FALSE(drawn.empty());
    for (const DrawnText& t : drawn) {
      EXPECT_GE(t.left, r.left) << '"' << t.text << '"';
      EXPECT_LE(t.right, r.right) << '"' << t.text << '"';
      EXPECT_GE(t.top, r.top) << '"' << t.text << '"';
      EXPECT_LE(t.bottom, r.bottom) << '"' << t.text << '"';
    }
  }
  // A job of a few grades, with a daily effect, that the player holds.
  static SIM_JobBase* HoldAJob() {
    for (SIM_JobBase* job : SIM_JobBase::All()) {
      if (job->GetName() == "unemployed" || job->GetMinSalary() == job->GetMaxSalary()) continue;
      SIM_Vesk::Instance()->SetJob(job);
      return job;
    }
    return nullptr;
  }

  std::vector<DrawnText> drawn;
};

// The longest names the new-game menu takes: one word, and words of a name with blanks.
const std::string kNames[] = {std::string(GUI_MenuNew::kMaxName, 'W'),
                              "Wilhelmina Wolstenholme-Wetherington Wadsworth-Whittingham"};

TEST_F(LongTextsTest, TheJobOffersLetterKeepsALongNameInsideIt) {
  SIM_JobBase* job = HoldAJob();
  ASSERT_NE(job, nullptr);
  SIM_Vesk::Instance()->SetJob(nullptr);
  for (const std::string& name : kNames) {
    SCOPED_TRACE(name);
    SIM_Vesk::Instance()->SetNames(name.substr(0, GUI_MenuNew::kMaxName), "");
    for (bool success : {true, false}) {
      SCOPED_TRACE(success ? "offer" : "rejection");
      auto* offer = new SIM_JobOffer(job, success, SIM_JobOffer::kOther);
      offer->Restore(false, 0, false);
      GUI_JobOffer::Open(offer, GUI_Email::AddJobOffer(offer));
      ASSERT_NE(GUI_JobOffer::Instance(), nullptr);
      Draw(*GUI_JobOffer::Instance());
      ExpectAllWithin(GUI_JobOffer::Instance()->GetRect());
      // The letter still greets the player by the beginning of the name.
      EXPECT_NE(GUI_JobOffer::Instance()->GetText().find(name.substr(0, 4)), std::string::npos);
      GUI_JobOffer::Close();
    }
  }
}

TEST_F(LongTextsTest, TheJobDetailsKeepEveryLineInsideTheWindow) {
  ASSERT_NE(HoldAJob(), nullptr);
  SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance();
  ASSERT_NE(instance, nullptr);
  // Each prospects line in turn: too soon, too new, each performance, the top grade.
  const struct {
    int level;
    int daysSincePromotion;
    float performance;
  } cases[] = {{1, 0, 0.5f}, {0, 0, 0.5f}, {1, 400, 0.0f}, {1, 400, 0.3f}, {1, 400, 0.5f},
               {1, 400, 0.7f}, {1, 400, 1.0f}, {5, 400, 0.5f}};
  GUI_JobInstanceDetails::Open();
  GUI_JobInstanceDetails* details = GUI_JobInstanceDetails::Instance();
  ASSERT_NE(details, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(details->ProspectsText(*instance));
    instance->SetLevel(c.level);
    instance->SetDaysSincePromotion(c.daysSincePromotion);
    std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> history{};
    for (auto& day : history) day = {true, c.performance};
    instance->SetHistory(history);
    Draw(*details);
    ExpectAllWithin(details->GetRect());
  }
}

TEST_F(LongTextsTest, NamesOnTheStandingScreenNeverRunIntoTheirNeighbours) {
  for (SIM_Relationship* r : SIM_Relationship::All()) r->active = false;
  SIM_Vesk::Instance()->SetNames(kNames[0], "");
  // Two full rows: the player's long name on every card, beside a character's long name.
  for (int i = 0; i < 8; ++i) {
    SIM_NPC* npc = SIM_NPC::Create(i % 2);
    npc->SetNames(kNames[1].substr(0, GUI_MenuNew::kMaxName), "Smith");
    SIM_Relationship* r = SIM_Relationship::Create(SIM_Vesk::Instance(), npc);
    r->SetPlayerCreated(true);
    r->SetStrength(0.5f);
  }
  GUI_SocialTovel::Show();
  GUI_SocialTovel& screen = GUI_SocialTovel::Instance();
  ASSERT_EQ(screen.Children().size(), 8u);
  Draw(screen);
  std::vector<DrawnText> names;
  for (const DrawnText& t : drawn)
    if (t.text.rfind("WWW", 0) == 0 || t.text.rfind("Wil", 0) == 0) names.push_back(t);
  ASSERT_EQ(names.size(), 16u);
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_NE(names[i].text.find("..."), std::string::npos) << names[i].text;
    for (size_t j = i + 1; j < names.size(); ++j) {
      const bool apart = names[i].right <= names[j].left || names[j].right <= names[i].left ||
                         names[i].bottom <= names[j].top || names[j].bottom <= names[i].top;
      EXPECT_TRUE(apart) << '"' << names[i].text << "\" and \"" << names[j].text << '"';
    }
  }
}

}  // namespace
}  // namespace guitest
