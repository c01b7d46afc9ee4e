// The texts of the evening, pet and commute windows keep to their boxes: the film guide's
// review, a long pet name under the close button, an invitation greeting a long name and the
// commute descriptions beside the arrows. The windows are drawn with the real fonts and each
// text's drawn box is checked as it goes on: inside the window, off the buttons beside it,
// clear of the other texts, and no word wider than the lines it is wrapped to.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_CommuteMethodChooser.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_PetDetails.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

struct DrawnText {
  std::string text;
  GUI_Rect box;
};

bool Apart(const GUI_Rect& a, const GUI_Rect& b) {
  return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

class WindowTextsFitTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    // The real fonts measure what they draw, so fitted and wrapped texts land where drawn.
    GUI_Services::SetMeasurer(nullptr, nullptr);
    SetGdiTextDrawObserver([this](const std::string& text, int left, int top, int width,
                                  int height, int, int, int) {
      drawn.push_back({text, {left, top, left + width, top + height}});
    });
    SIM_Finances::Instance().SetCash(5000.0f);
  }
  void TearDown() override {
    SetGdiTextDrawObserver(nullptr);
    GUI_MovieChooser::Close();
    GUI_PetDetails::Close();
    GUI_SocialInvitation::CloseAll();
    GUI_CommuteMethodChooser::Close();
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
  // Every text drawn lies inside the window, off each of the buttons and clear of every other
  // text; no word of a wrapped text is wider than its lines (it would be clipped mid-letter).
  void ExpectTextsFit(const GUI_Rect& window, const std::vector<const GUI_BaseElement*>& buttons) {
    ExpectNoWordWiderThanItsLine();
    ASSERT_FALSE(drawn.empty());
    for (size_t i = 0; i < drawn.size(); ++i) {
      const DrawnText& t = drawn[i];
      EXPECT_GE(t.box.left, window.left) << '"' << t.text << '"';
      EXPECT_LE(t.box.right, window.right) << '"' << t.text << '"';
      EXPECT_GE(t.box.top, window.top) << '"' << t.text << '"';
      EXPECT_LE(t.box.bottom, window.bottom) << '"' << t.text << '"';
      for (const GUI_BaseElement* button : buttons) {
        const auto* labelled = dynamic_cast<const GUI_ButtonText*>(button);
        if (labelled && labelled->GetText() == t.text) continue;  // its own label
        EXPECT_TRUE(Apart(t.box, button->GetRect())) << '"' << t.text << "\" over a button";
      }
      for (size_t j = i + 1; j < drawn.size(); ++j)
        EXPECT_TRUE(Apart(t.box, drawn[j].box))
            << '"' << t.text << "\" and \"" << drawn[j].text << '"';
    }
  }
  const DrawnText* Find(const std::string& start) const {
    for (const DrawnText& t : drawn)
      if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
  }

  std::vector<DrawnText> drawn;
};

TEST_F(WindowTextsFitTest, EveryFilmsPageKeepsItsTextAndReviewInsideThePanel) {
  SIM_NPC* guest = SIM_NPC::All().front();
  guest->SetCash(500.0f);
  SIM_SIM::Instance().SetActs(3, 0);
  GUI_GUI::Instance().StartGame();
  SIM_SocialiseInstance::StartEvening({guest}, SIM_SocialiseType::FindByName("cinema"),
                                      SIM_Vesk::Instance());
  ASSERT_NE(GUI_MovieChooser::Instance(), nullptr);
  // A player who knows films reads every review.
  SetGlobalValue("glob_movieknowledge", 1.0f);
  const size_t films = SIM_Movie::All().size();
  ASSERT_GT(films, 0u);
  std::vector<int> order;
  std::vector<SIM_Movie::State> states;
  for (size_t i = 0; i < films; ++i) {
    order.push_back(static_cast<int>(i));
    states.push_back({0.0f, 0.0f, false});
  }
  // Each film in turn with each of the guide's five verdicts.
  for (float quality : {0.0f, 0.3f, 0.5f, 0.7f, 0.99f}) {
    for (SIM_Movie::State& s : states) s.quality = quality;
    for (size_t first = 0; first < films; first += SIM_Movie::kShowing) {
      ASSERT_TRUE(SIM_Movie::Restore(order, static_cast<int>(first), states));
      GUI_MovieChooser* chooser = GUI_MovieChooser::Instance();
      while (chooser->GetIndex() > 0) chooser->Previous();
      for (int page = 0; page < SIM_Movie::kShowing; ++page) {
        const SIM_Movie* film = chooser->Current();
        ASSERT_NE(film, nullptr);
        SCOPED_TRACE(film->GetTitle() + " / " + film->GetReview());
        Draw(*chooser);
        ExpectTextsFit(chooser->GetRect(),
                       {chooser->NextArrow(), chooser->PreviousArrow(), chooser->GetCloseButton()});
        // The review is there, and ends above the popcorn box.
        const DrawnText* review = Find(film->GetReview().substr(0, 6));
        ASSERT_NE(review, nullptr);
        EXPECT_LE(review->box.bottom, chooser->PopcornBox()->GetRect().top);
        chooser->Next();
      }
    }
  }
}

TEST_F(WindowTextsFitTest, ALongPetNameStaysClearOfTheCloseButtonAndShowsItsEndWhileTyped) {
  SIM_PetBase* dog = Pets[PET_DOG];
  ASSERT_NE(dog, nullptr);
  dog->Buy();
  const std::string name(39, 'W');
  dog->SetPetName(name + "W");
  GUI_PetDetails::Open(dog);
  GUI_PetDetails* details = GUI_PetDetails::Instance();
  ASSERT_NE(details, nullptr);
  Draw(*details);
  ExpectTextsFit(details->GetRect(), {details->GetCloseButton()});
  const DrawnText* title = Find("WWW");
  ASSERT_NE(title, nullptr);
  EXPECT_NE(title->text.find("..."), std::string::npos) << title->text;
  EXPECT_EQ(dog->GetPetName(), name + "W");  // the name itself is whole

  // Typing: the end of the name shows, next to the caret, and both stay off the button.
  dog->SetPetName(name);
  const GUI_Rect& r = details->GetRect();
  ASSERT_TRUE(details->OnClick(static_cast<float>(r.left + 40), static_cast<float>(r.top + 20)));
  ASSERT_TRUE(details->IsEditing());
  details->OnKeyDown(30);  // A
  EXPECT_EQ(dog->GetPetName(), name + "a");
  Draw(*details);
  ExpectTextsFit(details->GetRect(), {details->GetCloseButton()});
  const DrawnText* typed = Find("...");
  ASSERT_NE(typed, nullptr);
  EXPECT_EQ(typed->text.back(), 'a');
  EXPECT_LE(details->CaretX() + 3, static_cast<float>(details->GetCloseButton()->GetRect().left));
  // Done typing: the name's beginning again.
  details->OnKeyDown(28);
  Draw(*details);
  ASSERT_NE(Find("WWW"), nullptr);
  ExpectTextsFit(details->GetRect(), {details->GetCloseButton()});
}

TEST_F(WindowTextsFitTest, AnInvitationGreetingALongNameKeepsItsLetterInItsBox) {
  // The longest names the new-game menu takes, for the player and the host.
  const std::string forename(GUI_MenuNew::kMaxName, 'W');
  SIM_Vesk::Instance()->SetNames(forename, "");
  SIM_NPC* host = SIM_NPC::All().front();
  host->SetNames(std::string("Wilhelmina Wolstenholme-Wetherington").substr(0, GUI_MenuNew::kMaxName),
                 "Wadsworth-Whittingham");
  GUI_GUI::Instance().StartGame();
  SIM_SocialInvitation* invitation =
      SIM_SocialInvitation::Create(host, SIM_SocialiseType::FindByName("pub"), 0);
  invitation->AddGuest(host);
  invitation->BuildText();
  // The small talk greets the player by name.
  invitation->Restore(false, false, false, invitation->GetPlayerCost(),
                      "Lovely to see you the other day, " + forename + "! " +
                          invitation->GetText());
  GUI_SocialInvitation::Open(invitation);
  GUI_SocialInvitation* dialog = GUI_SocialInvitation::Instance();
  ASSERT_NE(dialog, nullptr);
  Draw(*dialog);
  ExpectTextsFit(dialog->GetRect(), {dialog->GetCloseButton()});
  const DrawnText* letter = Find("Lovely");
  ASSERT_NE(letter, nullptr);
  EXPECT_NE(letter->text.find("WWW..."), std::string::npos);
  const DrawnText* cost = Find(Translate("SOCIALISE_COST"));
  ASSERT_NE(cost, nullptr);
  EXPECT_LE(letter->box.bottom, cost->box.top);
}

TEST_F(WindowTextsFitTest, EveryCommuteMethodsTextsKeepClearOfTheArrows) {
  GUI_CommuteMethodChooser::Open();
  GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  while (chooser->PreviousArrow()->IsEnabled()) chooser->Previous();
  const size_t methods = SIM_CommuteMethod::All().size();
  ASSERT_GT(methods, 1u);
  for (size_t i = 0; i < methods; ++i) {
    SCOPED_TRACE(SIM_CommuteMethod::All()[i]->GetName());
    Draw(*chooser);
    ExpectTextsFit(chooser->GetRect(),
                   {chooser->NextArrow(), chooser->PreviousArrow(), chooser->GetCloseButton()});
    chooser->Next();
  }
}

TEST_F(WindowTextsFitTest, EveryQuestionTheGameAsksKeepsItsTextAboveItsButtons) {
  // Over a running game the menu's tutorial and new game ask first, as the quit buttons do.
  Game::Instance().SetInGame(true);
  GUI_MenuMain& menu = GUI_MenuMain::Instance();
  const std::vector<GUI_ButtonBase*> asks = {
      GUI_ControlPanel::Instance().QuitButton(), menu.GetButton(GUI_MenuMain::QUITGAME),
      menu.GetButton(GUI_MenuMain::TUTORIAL), menu.GetButton(GUI_MenuMain::STARTGAME)};
  for (GUI_ButtonBase* ask : asks) {
    ask->Activate();
    GUI_ConfirmDialog* question = GUI_ConfirmDialog::Instance();
    ASSERT_NE(question, nullptr);
    SCOPED_TRACE(question->GetTitle());
    Draw(*question);
    const GUI_Rect& r = question->GetRect();
    ExpectTextsFit(r, {question->GetOkButton(), question->GetCancelButton(),
                       question->GetCloseButton()});
    EXPECT_NE(Find(question->GetText().substr(0, 12)), nullptr);
    EXPECT_TRUE(r.top >= 0 && r.bottom <= engine.GetHeight());  // on the screen
  }
  GUI_ConfirmDialog::Close();
}

}  // namespace
}  // namespace guitest
