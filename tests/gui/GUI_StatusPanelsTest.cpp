// The status panels of the main screen in a started game, drawn headless with the shipped
// art: the date, the money, the standing and the week calendar, what they write and when
// they write it again, and where they lie between the room and the dialogs.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/GdiText.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Calendar.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Date.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_ValuePanel.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Tovel.h"

namespace guitest {
namespace {

constexpr int kRight = 205, kReturn = 28;

struct Drawn {
  std::string text;
  int left, top, width, height, r, g, b;
};

class StatusPanelsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    screen.StartGame();
    SIM_SIM::Instance().SetPhase(1);
    SetGdiTextDrawObserver([this](const std::string& text, int left, int top, int width,
                                  int height, int r, int g, int b) {
      drawn.push_back({text, left, top, width, height, r, g, b});
    });
  }
  void TearDown() override {
    SetGdiTextDrawObserver(nullptr);
    PlayTest::TearDown();
  }
  void Frame() {
    drawn.clear();
    NewFrame();
    screen.Update();
    engine.BeginRender();
    screen.Draw();
    engine.EndScene();
    FlushGdiText(-1);
  }
  // The first drawn text equal to `text`, or null.
  const Drawn* Find(const std::string& text) const {
    for (const Drawn& d : drawn)
      if (d.text == text) return &d;
    return nullptr;
  }
  static std::string MoneyText() { return GUI_Cash::Instance()->Texts().Item(1).text; }

  GUI_GUI& screen = GUI_GUI::Instance();
  std::vector<Drawn> drawn;
};

TEST_F(StatusPanelsTest, AStartedGameShowsTheDateMoneyStandingAndTheWeek) {
  Frame();
  const SIM_Date& today = CurrentDate();
  const char* dayKeys[7] = {"DAY_MONDAY", "DAY_TUESDAY", "DAY_WEDNESDAY", "DAY_THURSDAY",
                            "DAY_FRIDAY", "DAY_SATURDAY", "DAY_SUNDAY"};
  // The date panel: the day's name large, the month and year under it, in white.
  const Drawn* day = Find(Translate(dayKeys[today.GetDayOfWeek()]));
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(GUI_Date::Instance()->Texts().Item(0).fontSize, 30);
  const Drawn* month = Find(GetMonthName(today.GetMonth()) + " " + std::to_string(today.GetYear()));
  ASSERT_NE(month, nullptr);
  EXPECT_GT(month->top, day->top);
  EXPECT_EQ(day->r + day->g + day->b, 3 * 255);
  // The activities left, in grey over the control panel.
  const int left = SIM_SIM::Instance().GetActsLeft();
  ASSERT_GE(left, 1);
  const Drawn* acts = Find(Translate(("ACTIVTITES_LEFT_" + std::to_string(left)).c_str()));
  ASSERT_NE(acts, nullptr);
  EXPECT_EQ(acts->r, 205);
  EXPECT_LT(acts->top, GUI_ControlPanel::Instance().GetRect().top);

  // Money: the label and the pound sign before the starting cash in whole pounds.
  const float cash = SIM_Finances::Instance().GetCash();
  ASSERT_GE(cash, 100.0f);
  EXPECT_NE(Find(Translate("MONEY")), nullptr);
  EXPECT_NE(Find("\xA3" + FormatThousands(static_cast<int>(cash))), nullptr);
  // Standing: the label and the score with two decimals.
  EXPECT_NE(Find(Translate("TOVEL")), nullptr);
  EXPECT_NE(Find(FormatFixed(SIM_Tovel::Instance().GetTotal(), 2)), nullptr);

  // The week: seven cells from today, each under its day's abbreviation, left to right.
  GUI_Calendar* week = GUI_Calendar::Instance();
  ASSERT_EQ(week->Children().size(), 7u);
  for (int i = 0; i < 7; ++i) {
    const std::string abbreviation =
        Translate(("DAY_ABBV_" + std::to_string((today.GetDayOfWeek() + i) % 7)).c_str());
    EXPECT_EQ(week->Day(i)->GetAbbreviation(), abbreviation);
    EXPECT_EQ(week->Labels().Item(static_cast<size_t>(i)).text, abbreviation);
    if (i > 0) {
      EXPECT_EQ(week->Day(i)->GetRect().left - week->Day(i - 1)->GetRect().left, 38);
    }
  }
  EXPECT_EQ(week->Day(0)->GetRect().left, 377 - 18);
  // The pointer (gold) shows under today's cell only.
  auto pointerUnder = [this](const GUI_CalendarDay* cell) {
    const GUI_Rect& r = cell->GetRect();
    const uint32_t p = Pixel((r.left + r.right) / 2, r.bottom + 5 + 5);
    const int r8 = static_cast<int>(p >> 16 & 0xFF), b8 = static_cast<int>(p & 0xFF);
    return r8 > 150 && r8 > b8 + 60;
  };
  EXPECT_TRUE(pointerUnder(week->Day(0)));
  EXPECT_FALSE(pointerUnder(week->Day(1)));
}

TEST_F(StatusPanelsTest, TheMoneyTextChangesAfterAPaidActivity) {
  Frame();
  const std::string before = MoneyText();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  // The chooser's hint takes the keys while it is open.
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
  for (size_t i = 0; i < chooser->Available().size(); ++i) {
    if (chooser->Current()->GetCost() > 0 && chooser->StartButton()->IsEnabled()) break;
    Key(kRight);
  }
  ASSERT_GT(chooser->Current()->GetCost(), 0.0f);
  const float cash = SIM_Finances::Instance().GetCash();
  Key(kReturn);
  ASSERT_LT(SIM_Finances::Instance().GetCash(), cash);
  Frame();
  EXPECT_NE(MoneyText(), before);
  EXPECT_EQ(MoneyText(), GUI_Cash::FormatMoney(SIM_Finances::Instance().GetCash()));
  EXPECT_NE(Find(MoneyText()), nullptr);
}

TEST_F(StatusPanelsTest, MoneyHasPenceBelowAHundredAndADebtKeepsItsSign) {
  const std::vector<std::pair<float, std::string>> cases = {
      {99.5f, "\xA3" "99.50"},     {100.0f, "\xA3" "100"},    {1234567.0f, "\xA3" "1,234,567"},
      {-5.25f, "-\xA3" "5.25"},    {-1234.0f, "-\xA3" "1,234"}, {0.0f, "\xA3" "0.00"}};
  for (const auto& [amount, text] : cases) {
    SIM_Finances::Instance().SetCash(amount);
    Frame();
    EXPECT_EQ(MoneyText(), text) << amount;
    EXPECT_NE(Find(text), nullptr) << amount;
  }
  // A new game whose money is what a new panel used to take for "nothing shown yet" still
  // writes it.
  SIM_Finances::Instance().SetCash(-1234.0f);
  screen.StartGame();
  SIM_SIM::Instance().SetPhase(1);
  Frame();
  EXPECT_NE(Find("-\xA3" "1,234"), nullptr);
}

TEST_F(StatusPanelsTest, TheActivitiesTextFollowsTheSlotsLeft) {
  for (const auto& [perDay, used, key] :
       std::vector<std::tuple<int, int, const char*>>{{2, 0, "ACTIVTITES_LEFT_2"},
                                                      {2, 1, "ACTIVTITES_LEFT_1"},
                                                      {2, 2, "ACTIVTITES_LEFT_0"}}) {
    SIM_SIM::Instance().SetActs(perDay, used);
    Frame();
    EXPECT_NE(Find(Translate(key)), nullptr) << key;
  }
}

TEST_F(StatusPanelsTest, OnlyADayWithEntriesShowsANoteAndItsFirstEntry) {
  SIM_EventCalendar& calendar = SIM_EventCalendar::Instance();
  const SIM_Date tomorrow = CurrentDate().DaysLater(1);
  calendar.AddEntry(tomorrow.GetDay(), tomorrow.GetMonth(), tomorrow.GetYear(), "Bowling night");
  calendar.AddEntry(tomorrow.GetDay(), tomorrow.GetMonth(), tomorrow.GetYear(), "Class");
  GUI_Calendar* week = GUI_Calendar::Instance();
  EXPECT_TRUE(week->Day(1)->HasEvents());
  EXPECT_EQ(week->Day(1)->GetTooltip()->GetText(), "Bowling night");
  EXPECT_FALSE(week->Day(2)->HasEvents());
  EXPECT_EQ(week->Day(2)->GetTooltip()->GetText(), "");
  // Resting on the day with entries shows its tooltip; on a day without, none is queued.
  Frame();
  const GUI_Rect& cell = week->Day(1)->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(cell.left + 18),
                                   static_cast<float>(cell.top + 18), false);
  GUI_Services::SetRestFramesForTesting(1000);
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_NE(Find("Bowling night"), nullptr);
  const GUI_Rect& other = week->Day(2)->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(other.left + 18),
                                   static_cast<float>(other.top + 18), false);
  for (int i = 0; i < 6; ++i) Frame();
  EXPECT_EQ(Find("Bowling night"), nullptr);
  calendar.RemoveEntries("Bowling night");
  calendar.RemoveEntries("Class");
  EXPECT_FALSE(week->Day(1)->HasEvents());
}

TEST_F(StatusPanelsTest, PanelsLieOverTheRoomAndUnderTheDialogs) {
  SIM_Finances::Instance().SetCash(2500.0f);
  Frame();
  const Drawn* money = Find("\xA3" "2,500");
  ASSERT_NE(money, nullptr);
  const Drawn box = *money;
  // Over the room: the text's white pixels are on the screen after the frame.
  EXPECT_GT(WhitePixels(box.left, box.top, box.left + box.width, box.top + box.height), 10);
  // Under a dialog that covers the panel.
  auto* dialog = new GUI_Dialog(false);
  const GUI_Rect& panel = GUI_Cash::Instance()->GetRect();
  dialog->SetRect(static_cast<float>(panel.left - 40), 0, static_cast<float>(panel.right + 40), 200);
  Frame();
  EXPECT_NE(Find("\xA3" "2,500"), nullptr);  // still drawn, once, before the dialog
  EXPECT_EQ(WhitePixels(box.left, box.top, box.left + box.width, box.top + box.height), 0);
  delete dialog;
}

TEST_F(StatusPanelsTest, OnANarrowScreenTheWeekShrinksBetweenTheWeatherAndTheMoney) {
  engine.Release();
  ASSERT_TRUE(engine.InitOffscreen(800, 600));
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  screen.StartGame();
  Frame();
  const GUI_Calendar* week = GUI_Calendar::Instance();
  EXPECT_LT(week->GetScale(), 1.0f);
  EXPECT_GE(week->Day(0)->GetRect().left, 245);
  EXPECT_LE(week->Day(6)->GetRect().right, GUI_Cash::Instance()->GetRect().left);
  for (int i = 1; i < 7; ++i)
    EXPECT_LE(week->Day(i - 1)->GetRect().right, week->Day(i)->GetRect().left);
  EXPECT_GE(week->Labels().Item(0).fontSize, 10);
  EXPECT_EQ(GUI_Cash::Instance()->GetRect().left, 800 - 340);
  EXPECT_EQ(GUI_Tovel::Instance()->GetRect().left, 800 - 150);
}

// The status texts are kept from frame to frame and rebuilt only when what they show changes:
// the activities left, the player's description or the screen's size.
TEST_F(StatusPanelsTest, TheDateStatusTextsAreRebuiltOnlyWhenTheyChange) {
  GUI_Date* date = GUI_Date::Instance();
  SIM_SIM::Instance().SetActs(2, 0);
  Frame();
  const int built = date->StatusRebuilds();
  for (int i = 0; i < 5; ++i) Frame();
  EXPECT_EQ(date->StatusRebuilds(), built);
  EXPECT_NE(Find(Translate("ACTIVTITES_LEFT_2")), nullptr);

  // One slot used: rebuilt once, and the new count is what is drawn.
  SIM_SIM::Instance().SetActs(2, 1);
  Frame();
  Frame();
  EXPECT_EQ(date->StatusRebuilds(), built + 1);
  EXPECT_NE(Find(Translate("ACTIVTITES_LEFT_1")), nullptr);
  EXPECT_EQ(Find(Translate("ACTIVTITES_LEFT_2")), nullptr);
}

}  // namespace
}  // namespace guitest
