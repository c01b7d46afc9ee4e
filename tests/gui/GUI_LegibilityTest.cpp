// Every text a screen draws must stand out from what lies behind it. Each screen is drawn
// headless with the shipped art and the real fonts; just before each text goes on, the pixels
// under its box are averaged and the contrast between that mean and the text's colour must be
// at least 4.5 : 1 (the usual contrast ratio of relative luminances).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/InternetRequest.h"
#include "engine/Timer.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_MenuOptions.h"
#include "gui/GUI_MenuSave.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Snow.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_Tutorial.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobInstanceDetails.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "gui/GUI_Email.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Relationship.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "gui/windows/GUI_Roulette.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "engine/CachedPicture.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_Weather.h"
#include "support/HttpTestServer.h"

namespace guitest {
namespace {

// Relative luminance of an sRGB colour (channels 0..255).
double Luminance(double r, double g, double b) {
  auto linear = [](double v) {
    v /= 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// A screen by name, at a screen width (the height follows at 4 : 3).
using Param = std::tuple<const char*, int>;

class LegibilityTest : public PlayTest, public ::testing::WithParamInterface<Param> {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    const int screenWidth = std::get<1>(GetParam());
    if (screenWidth != engine.GetWidth()) {
      engine.Release();
      ASSERT_TRUE(engine.InitOffscreen(screenWidth, screenWidth * 3 / 4));
    }
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    engine.ReleaseTexturesAndSurfaces();  // the new game's loading screen missed them
    // The real fonts measure what they draw, so centred texts land where they are drawn.
    GUI_Services::SetMeasurer(nullptr, nullptr);
    // The brightest sky.
    SIM_Weather::Instance().SetWeather(0, 1.0f);
    SIM_SaveGame::SetFolder(user.Str());
    for (const std::string& name : {std::string("autosave"), std::string("Bea in the spring"),
                                    std::string(63, 'W')})
      std::ofstream(user.Path() / (name + ".xml")) << "x";
    // The observer reads the screen as each text is drawn; a window's cached picture would
    // draw its texts later, all at once.
    CachedPicture::SetCaching(false);
    SetGdiTextDrawObserver([this](const std::string& text, int left, int top, int width,
                                  int height, int r, int g, int b) {
      if (observing) Measure(text, left, top, width, height, r, g, b);
    });
  }
  void TearDown() override {
    GUI_Rain::Instance().ResetForTesting();
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, effects);
    SetGdiTextDrawObserver(nullptr);
    CachedPicture::SetCaching(true);
    SIM_SaveGame::SetFolder("");
    GUI_MenuIntro::SetSpeed(1.0f);
    GUI_WorkDay::SetFrameStep(-1.0f);
    PlayTest::TearDown();
  }

  // The mean colour under the text's box against the text's colour.
  void Measure(const std::string& text, int left, int top, int width, int height, int r, int g,
               int b) {
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    std::string error;
    ASSERT_TRUE(engine.GetDevice()->ReadPixels(pixels, w, h, error)) << error;
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(top + height, h); ++y) {
      for (int x = std::max(left, 0); x < std::min(left + width, w); ++x, ++n) {
        const uint32_t p = pixels[static_cast<size_t>(y * w + x)];
        for (int c = 0; c < 3; ++c) sum[c] += p >> (16 - 8 * c) & 0xFF;
      }
    }
    if (n == 0) return;  // nothing of it is on the screen
    const double fore = Luminance(r, g, b), behind = Luminance(sum[0] / n, sum[1] / n, sum[2] / n);
    const double ratio = (std::max(fore, behind) + 0.05) / (std::min(fore, behind) + 0.05);
    EXPECT_GE(ratio, 4.5) << '"' << text << "\" at (" << left << ", " << top << ") " << width
                          << " x " << height;
    lowest = std::min(lowest, ratio);
    ++measured;
  }

  // One frame of the current mode, as the frame loop draws it.
  void Frame(GUI_GameModeBase& mode) {
    engine.BeginRender();
    mode.Draw();
    engine.EndScene();
    FlushGdiText(-1);
  }

  // The heaviest weather behind a screen's texts: a storm whose thunder flashes on the frame
  // measured, or the whole snowfall.
  void DrawScreen(std::string screen) {
    effects = SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableWeatherEffects);
    if (screen == "storm" || screen == "stormday" || screen == "snow") {
      SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, true);
      SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 1.0f);
      SIM_Weather::Instance().SetWeather(screen == "snow" ? WEATHER_SNOW : WEATHER_RAIN, 1.0f);
      storm = screen != "snow";
      screen = screen == "stormday" ? "weekday" : "ingame";
    }
    Game& game = Game::Instance();
    if (screen == "main") {
      game.SetInGame(true);  // every button shows
      // The mouse rests on a button, so its tooltip shows over the picture.
      const GUI_Rect& r = GUI_MenuMain::Instance().GetButton(GUI_MenuMain::OPTIONS)->GetRect();
      GUI_Services::SetMouseForTesting(static_cast<float>(r.right - 5),
                                       static_cast<float>(r.top + 5), false);
      GUI_Services::SetRestFramesForTesting(1000);
      GUI_MenuMain::Instance().Update();
      Frame(GUI_MenuMain::Instance());
    } else if (screen == "options") {
      GUI_MenuOptions::Instance().OnEnter();
      Frame(GUI_MenuOptions::Instance());
    } else if (screen == "new") {
      GUI_MenuNew& menu = GUI_MenuNew::Instance();
      menu.BuildAvatarList();
      menu.SetName(std::string(62, 'W'));
      menu.OnEnter();
      Frame(menu);
    } else if (screen == "intro") {
      ManualTimerClock clock;
      GUI_MenuIntro::SetSpeed(1000.0f);  // the whole text at once
      GUI_MenuIntro::Instance().OnEnter();
      clock.Advance(3500);  // and the start button
      Frame(GUI_MenuIntro::Instance());
    } else if (screen == "save") {
      GUI_MenuSave::Instance().OnEnter();
      Frame(GUI_MenuSave::Instance());
    } else if (screen == "load") {
      GUI_MenuLoad::Instance().OnEnter();
      Frame(GUI_MenuLoad::Instance());
    } else if (screen == "online") {
      // A list and a message fetched from the loopback server, with a long message and names.
      testsupport::HttpTestServer server;
      ASSERT_TRUE(server.Started());
      const InternetServer before = GetInternetServer();
      GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
      const std::string folder = game.GetUserFolder();
      game.SetUserFolderForTesting(user.Str());
      std::string list;
      for (int i = 1; i <= 20; ++i)
        list += "f" + std::to_string(i) + ".dds,mods/avatars/f" + std::to_string(i) +
                ".dds,Wide Wild Wanderer " + std::to_string(i) + ",Winifred Walsh\n";
      server.AddFile("tovel/autoupdate/files111.txt", list);
      server.AddFile("tovel/autoupdate/motd.txt",
                     "New avatars this week: WWWWWWWW, a whole wardrobe of winter wear, and more "
                     "to come when the weather warms up again in the spring.\n");
      game.SetInGame(true);
      GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
      menu.OnEnter();
      menu.Reload();
      GetInternetServer() = before;
      ASSERT_EQ(menu.Entries().size(), 20u);
      Frame(menu);
      menu.OnEnter();  // the rows go with this test's folder
      game.SetUserFolderForTesting(folder);
    } else if (screen == "tutorial") {
      GUI_Tutorial::Load();
      // A step that dims the screen around a panel, with a next button.
      GUI_Tutorial::NextStep();
      Frame(GUI_GUI::Instance());
      GUI_Tutorial::End();
    } else if (screen == "ingame") {
      GUI_GUI::Instance().StartGame();
      SIM_SIM::Instance().SetPhase(2);  // the day is over: the panel points at the next day
      // A reminder note in each of the four places.
      for (const char* note : {"Bowling match today!", "Evening class tonight", "Buy cat food",
                               "Feed the fish"})
        ASSERT_NE(GUI_Postit::AddPostit(note, 0), nullptr);
      if (storm) {  // the measured frame thunders
        GUI_Rain::Instance().ResetForTesting();
        GUI_Rain::Instance().StrikeOnNextFrameForTesting();
      }
      Frame(GUI_GUI::Instance());
    } else if (screen == "shop" || screen == "book" || screen == "reading" ||
               screen == "shoppoor" || screen == "booklate") {
      GUI_GUI::Instance().StartGame();
      SIM_Book* book = SIM_Book::FindByName("lighthouse");
      ASSERT_NE(book, nullptr);
      SIM_Asset::RestoreOwned(book);
      const GUI_ButtonBase* greyed = nullptr;  // a disabled button the mouse rests on
      if (screen == "shop" || screen == "shoppoor") {
        if (screen == "shoppoor") SIM_Finances::Instance().SetCash(0.0f);
        GUI_Shopping::Open();
        GUI_Shopping::SelectTab(3);
        if (screen == "shoppoor") greyed = GUI_Shopping::Instance()->SelectedPage()->Rows().front()->BuyButton();
      } else if (screen == "book" || screen == "booklate") {
        if (screen == "booklate") SIM_SIM::Instance().SetPhase(2);
        GUI_BookDetails::Open(book);
        if (screen == "booklate") greyed = GUI_BookDetails::Instance()->ReadButton();
      } else {
        GUI_BookReading::Open(book, 12, 0.15f, true);
      }
      if (greyed) {
        Frame(GUI_GUI::Instance());  // the rows place their buttons as they are drawn
        RestOn(greyed);
      }
      Frame(GUI_GUI::Instance());
      if (greyed) {
        EXPECT_FALSE(greyed->IsEnabled());
      }
      GUI_Shopping::Close();
      GUI_BookDetails::Close();
      GUI_BookReading::Close();
    } else if (screen == "review" || screen == "endgame") {
      // Every part shown: verdict, figures, bars and buttons.
      ManualTimerClock clock;
      GUI_GUI::Instance().StartGame();
      SIM_Statistics::Instance().AddInt(12, 2);
      SIM_Statistics::Instance().AddInt(9, 3);
      SIM_Statistics::Instance().CountActivity("SOLO_JOGGING_TITLE");
      if (screen == "review") {
        GUI_YearlyReview::Instance()->Show();
      } else {
        GUI_EndGame::Instance()->Show();
      }
      clock.Advance(6500);
      Frame(GUI_GUI::Instance());
      GUI_YearlyReview::Instance()->Dismiss();
      GUI_EndGame::Instance()->Hide();
    } else if (screen == "ticket" || screen == "eventresult" || screen == "ticketlate") {
      GUI_GUI::Instance().StartGame();
      SIM_SpecialEvent* event = SIM_SpecialEvent::All().front().get();
      if (screen == "ticketlate") SIM_SIM::Instance().SetPhase(2);
      if (screen != "eventresult") {
        GUI_SpecialEvent::Open(event);
      } else {
        GUI_SpecialEventPostMortem::Open(event);
      }
      if (screen == "ticketlate") RestOn(GUI_SpecialEvent::Instance()->AttendButton());
      Frame(GUI_GUI::Instance());
      if (screen == "ticketlate") {
        EXPECT_FALSE(GUI_SpecialEvent::Instance()->AttendButton()->IsEnabled());
        EXPECT_FALSE(GUI_SpecialEvent::Instance()->RejectButton()->IsEnabled());
      }
      GUI_SpecialEvent::Close();
      GUI_SpecialEventPostMortem::Close();
    } else if (screen == "invitation" || screen == "invitationlate") {
      // An invitation, its Accept greyed when the day is over.
      GUI_GUI::Instance().StartGame();
      SIM_NPC* host = SIM_NPC::All().front();
      SIM_SocialInvitation* invitation =
          SIM_SocialInvitation::Create(host, SIM_SocialiseType::FindByName("pub"), 0);
      invitation->AddGuest(host);
      invitation->BuildText();
      if (screen == "invitationlate") SIM_SIM::Instance().SetPhase(2);
      GUI_SocialInvitation::Open(invitation);
      const GUI_ButtonBase* accept = GUI_SocialInvitation::Instance()->AcceptButton();
      if (screen == "invitationlate") RestOn(accept);
      Frame(GUI_GUI::Instance());
      EXPECT_EQ(accept->IsEnabled(), screen == "invitation");
      GUI_SocialInvitation::CloseAll();
    } else if (screen == "joboffer" || screen == "jobdetails" || screen == "standing") {
      DrawCareerWindow(screen);
    } else if (screen == "report" || screen == "brawl" || screen == "meal" ||
               screen == "roulette" || screen == "movie") {
      DrawEveningWindow(screen);
    } else {
      GUI_WorkDay::SetFactsSource([] {
        return GUI_WorkDay::Facts{.methodVerb = "cycled", .workplace = "the office", .pay = 85.0f,
                                  .tips = 4.5f, .newFriend = "Sam Smith", .commuteCost = 3.2f};
      });
      GUI_GUI::Instance().StartGame();
      CurrentDate().SetDayOfWeek(screen == "weekend" ? 5 : 2);
      SIM_SIM::Instance().SetPhase(0);
      GUI_WorkDay::Instance()->AddLine(7, 0);
      GUI_WorkDay::Instance()->AddLine(4, 0);
      GUI_WorkDay::Instance()->Show();
      // Typed out in full first; only the last frame is measured.
      observing = false;
      GUI_Services::RecordedTexts().clear();
      Frame(GUI_GUI::Instance());
      size_t characters = 0;
      for (const auto& item : GUI_Services::RecordedTexts()) characters += item.text.size();
      GUI_WorkDay::SetFrameStep(GUI_GUI::kMaxFrameStep);
      while (GUI_WorkDay::Instance()->TypedCharacters() < static_cast<float>(characters))
        Frame(GUI_GUI::Instance());
      observing = true;
      if (storm) {
        GUI_Rain::Instance().ResetForTesting();
        GUI_Rain::Instance().StrikeOnNextFrameForTesting();
      }
      Frame(GUI_GUI::Instance());
    }
  }

  // Rests the mouse on a button long enough for its tooltip to show on the next frame.
  void RestOn(const GUI_ButtonBase* button) {
    const GUI_Rect& r = button->GetRect();
    GUI_Services::SetMouseForTesting(static_cast<float>(r.left + r.right) / 2.0f,
                                     static_cast<float>(r.top + r.bottom) / 2.0f, false);
    GUI_Services::SetRestFramesForTesting(1000);
    GUI_Services::BeginInputFrame();
    GUI_GUI::Instance().Update();
    ASSERT_GT(button->GetTooltip()->GetFade(), 0.0f);  // its tooltip is drawn and measured too
  }

  // The windows that show the player's name, with the longest name the new-game menu takes:
  // a job offer's letter, the job's details, and the standing screen with a row of friends.
  void DrawCareerWindow(const std::string& screen) {
    GUI_GUI::Instance().StartGame();
    SIM_Vesk::Instance()->SetNames(std::string(GUI_MenuNew::kMaxName, 'W'), "");
    SIM_JobBase* job = nullptr;
    for (SIM_JobBase* j : SIM_JobBase::All())
      if (!job && j->GetName() != "unemployed" && j->GetMinSalary() != j->GetMaxSalary()) job = j;
    ASSERT_NE(job, nullptr);
    if (screen == "joboffer") {
      auto* offer = new SIM_JobOffer(job, true, SIM_JobOffer::kOther);
      offer->Restore(false, 0, false);
      GUI_JobOffer::Open(offer, GUI_Email::AddJobOffer(offer));
      ASSERT_NE(GUI_JobOffer::Instance(), nullptr);
    } else if (screen == "jobdetails") {
      SIM_Vesk::Instance()->SetJob(job);
      GUI_JobInstanceDetails::Open();
      ASSERT_NE(GUI_JobInstanceDetails::Instance(), nullptr);
    } else {
      for (int i = 0; i < 4; ++i) {
        SIM_NPC* npc = SIM_NPC::Create(i % 2);
        SIM_Relationship* r = SIM_Relationship::Create(SIM_Vesk::Instance(), npc);
        r->SetPlayerCreated(true);
        r->SetStrength(0.5f);
      }
      GUI_SocialTovel::Show();
    }
    Frame(GUI_GUI::Instance());
    GUI_JobOffer::Close();
    GUI_Email::DeleteAll();
    GUI_JobInstanceDetails::Close();
    if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
    GUI_GUI::Instance().SetMode(GUI_GUI::kMainScreen);
  }

  // An evening's own window over the main scene, or its report; the brawl's report is the
  // pub's own.
  void DrawEveningWindow(const std::string& screen) {
    // The value boxes the evening pops up are drawn at full strength, their numbers on them.
    ManualTimerClock clock;
    GUI_GUI::Instance().StartGame();
    SIM_Finances::Instance().SetCash(500.0f);
    SIM_NPC* guest = SIM_NPC::All().front();
    guest->SetCash(500.0f);
    SIM_SIM::Instance().SetActs(3, 0);
    auto start = [guest](const char* name) {
      return SIM_SocialiseInstance::StartEvening({guest}, SIM_SocialiseType::FindByName(name),
                                                 SIM_Vesk::Instance());
    };
    if (screen == "meal") {
      auto* evening = dynamic_cast<SIM_RestaurantInstance*>(start("chineserestaurant"));
      ASSERT_NE(evening, nullptr);
      evening->Candidates().front()->SetTableToday(true);
      GUI_RestaurantChooser::Instance()->BookButton()->Activate();
      ASSERT_NE(GUI_RestaurantInstance::Instance(), nullptr);
    } else if (screen == "roulette") {
      ASSERT_NE(start("casino"), nullptr);
      ASSERT_NE(GUI_Roulette::Instance(), nullptr);
    } else if (screen == "movie") {
      ASSERT_NE(start("cinema"), nullptr);
      ASSERT_NE(GUI_MovieChooser::Instance(), nullptr);
    } else if (screen == "brawl") {
      auto* evening = dynamic_cast<SIM_BeerInstance*>(
          SIM_SocialiseInstance::CreateForType(SIM_SocialiseType::FindByName("pub")));
      ASSERT_NE(evening, nullptr);
      evening->AddInvitee(guest);
      evening->SetOrganiser(SIM_Vesk::Instance());
      evening->Brawl();
      ASSERT_NE(GUI_BeerPostMortem::Instance(), nullptr);
    } else {
      SIM_SocialiseInstance* evening = start("bowling");
      if (!GUI_PostMortem::IsOpen()) GUI_PostMortem::Open(evening);
      ASSERT_TRUE(GUI_PostMortem::IsOpen());
    }
    clock.Advance(1000);
    Frame(GUI_GUI::Instance());
    GUI_RestaurantChooser::Close();
    GUI_RestaurantInstance::Close();
    GUI_Roulette::Close();
    GUI_MovieChooser::Close();
    GUI_BeerPostMortem::Close();
    GUI_PostMortem::Close();
  }

  bool observing = true;
  bool storm = false;
  bool effects = false;
  int measured = 0;
  double lowest = 100.0;
};

TEST_P(LegibilityTest, EveryTextStandsOutFromWhatIsBehindIt) {
  const std::string screen = std::get<0>(GetParam());
  DrawScreen(screen);
  // The weather was there: a flash on the measured frame, or every flake falling.
  if (storm) {
    EXPECT_GT(GUI_Rain::Instance().GetFlash(), 0.5f);
  }
  if (screen == "snow") {
    EXPECT_EQ(GUI_Snow::Instance().FallingFlakes(), GUI_Snow::kFlakes);
  }
  EXPECT_GT(measured, 0);
  RecordProperty("lowest_contrast", std::to_string(lowest));
}

INSTANTIATE_TEST_SUITE_P(Screens, LegibilityTest,
                         ::testing::Combine(::testing::Values("main", "options", "new", "intro",
                                                              "save", "load", "online", "tutorial",
                                                              "ingame", "weekday",
                                                              "weekend", "storm", "stormday",
                                                              "snow", "review", "endgame",
                                                              "ticket", "ticketlate",
                                                              "eventresult"),
                                            ::testing::Values(1024, 800)),
                         [](const ::testing::TestParamInfo<Param>& p) {
                           return std::string(std::get<0>(p.param)) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

// The windows that hold the player's name.
INSTANTIATE_TEST_SUITE_P(CareerWindows, LegibilityTest,
                         ::testing::Combine(::testing::Values("joboffer", "jobdetails",
                                                              "standing"),
                                            ::testing::Values(1024, 800)),
                         [](const ::testing::TestParamInfo<Param>& p) {
                           return std::string(std::get<0>(p.param)) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

// An evening's windows and reports over the main scene.
INSTANTIATE_TEST_SUITE_P(EveningWindows, LegibilityTest,
                         ::testing::Combine(::testing::Values("report", "brawl", "meal",
                                                              "roulette", "movie", "invitation",
                                                              "invitationlate"),
                                            ::testing::Values(1024, 800)),
                         [](const ::testing::TestParamInfo<Param>& p) {
                           return std::string(std::get<0>(p.param)) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

// The hobby windows over the main scene: the shop's books tab, a book's details, a report.
INSTANTIATE_TEST_SUITE_P(HobbyWindows, LegibilityTest,
                         ::testing::Combine(::testing::Values("shop", "shoppoor", "book",
                                                              "booklate", "reading"),
                                            ::testing::Values(1024, 800)),
                         [](const ::testing::TestParamInfo<Param>& p) {
                           return std::string(std::get<0>(p.param)) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

}  // namespace
}  // namespace guitest
