// Tabs, slider, tooltips, confirmations, the texture set, picture messages, value bars and
// the weather icon.
#include <cmath>
#include <string>

#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_SliderControl.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_TextureMessage.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_ValueBar.h"
#include "gui/GUI_Weather.h"
#include "gui/GUI_WindowIDTab.h"
#include "gui/GUI_WindowManager.h"
#include "gui/GUI_WindowTab.h"
#include "gui/GuiFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Vesk.h"
#include "engine/Translate.h"

namespace {

using guitest::GuiTest;
using WidgetTest = GuiTest;

TEST_F(WidgetTest, TabButtonsSwitchPagesAndOnlyTheSelectedPageTakesClicks) {
  auto* tabs = new GUI_TabContainer();
  tabs->SetRect(100, 100, 500, 400);
  tabs->Open();
  auto* a = new GUI_WindowTab();
  auto* b = new GUI_WindowTab();
  tabs->AddTab(a);
  tabs->AddTab(b);
  EXPECT_EQ(b->GetIndex(), 1);
  EXPECT_EQ(b->GetRect().right, 500);
  auto* tabA = new GUI_ButtonTab("A", a);
  auto* tabB = new GUI_ButtonTab("B", b);
  tabA->SetRect(100, 70, 200, 100);
  tabB->SetRect(200, 70, 300, 100);
  tabs->AddButton(tabA);
  tabs->AddButton(tabB);

  MoveMouse(150, 150);
  EXPECT_FALSE(tabs->OnClick(150, 150));  // no page selected: nothing taken
  EXPECT_TRUE(tabs->HitTest(150, 150));
  EXPECT_TRUE(tabs->HitTest(250, 80));  // a tab button above the pages

  tabB->OnClick(250, 80);
  EXPECT_TRUE(b->IsSelected());
  EXPECT_FALSE(a->IsSelected());
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 1);
  tabA->OnClick(150, 80);
  EXPECT_TRUE(a->IsSelected());
  EXPECT_FALSE(b->IsSelected());
  EXPECT_TRUE(tabs->OnClick(150, 150));
  tabs->SelectTabByIndex(1);
  EXPECT_EQ(tabs->SelectedPage(), b);
  delete tabs;  // with its pages and buttons
}

TEST_F(WidgetTest, SliderStartsOnTheKnobOnlyAndStaysWithinZeroToOne) {
  float volume = 0.5f;
  static int changes = 0;
  changes = 0;
  GUI_SliderControl slider(&volume, "Music", [] { ++changes; });
  slider.Update();  // no width yet: nothing happens, no NaN
  EXPECT_FLOAT_EQ(volume, 0.5f);
  slider.SetRect(100, 100, 300, 130);
  const GUI_Rect knob = slider.KnobRect();
  EXPECT_EQ(knob.left, 194);
  EXPECT_EQ(knob.top, 109);

  PressLeft(120, 115);  // on the track, not the knob
  slider.Update();
  EXPECT_FALSE(slider.IsDragging());
  ReleaseLeft(120, 115);

  PressLeft(200, 115);
  slider.Update();
  EXPECT_TRUE(slider.IsDragging());
  MoveMouse(250, 300);
  slider.Update();
  EXPECT_FLOAT_EQ(volume, 0.75f);
  MoveMouse(900, 115);
  slider.Update();
  EXPECT_FLOAT_EQ(volume, 1.0f);
  MoveMouse(-50, 115);
  slider.Update();
  EXPECT_FLOAT_EQ(volume, 0.0f);
  EXPECT_EQ(changes, 3);
  ReleaseLeft(-50, 115);
  slider.Update();
  EXPECT_FALSE(slider.IsDragging());
}

TEST_F(WidgetTest, ZeroWidthSliderNeverWritesNaN) {
  float value = 0.3f;
  GUI_SliderControl slider(&value, "x", nullptr);
  slider.SetRect(50, 50, 50, 60);
  PressLeft(50, 55);
  slider.Update();
  slider.Update();
  EXPECT_FALSE(std::isnan(value));
  EXPECT_FLOAT_EQ(value, 0.3f);
  GUI_SliderControl nothing(nullptr, "y", nullptr);
  EXPECT_EQ(assertions.size(), 1u);
  nothing.Update();
}

TEST_F(WidgetTest, TooltipSizeWrapsFrom241Pixels) {
  int w = 0, h = 0;
  GUI_Tooltip::SizeFor(234, 60, w, h);
  EXPECT_EQ(w, 240);
  EXPECT_EQ(h, 20);
  GUI_Tooltip::SizeFor(235, 60, w, h);
  EXPECT_EQ(w, 240);
  EXPECT_EQ(h, 64);
  GUI_Tooltip shortTip("abc", 10);  // 24 px measured
  EXPECT_EQ(shortTip.GetWidth(), 30);
  EXPECT_EQ(shortTip.GetHeight(), 20);
  GUI_Tooltip longTip(std::string(40, 'x').c_str(), 10);  // 320 px: two lines at 240
  EXPECT_EQ(longTip.GetWidth(), 240);
  EXPECT_EQ(longTip.GetHeight(), 44);
}

TEST_F(WidgetTest, TooltipMeasuresOnlyWhenItsTextChanges) {
  int measures = 0;
  GUI_Services::SetMeasurer(
      [&measures](const std::string&, int, const std::string& text, int) {
        ++measures;
        return static_cast<int>(text.size()) * 8;
      },
      [](const std::string&, int, const std::string&, int) { return 40; });
  GUI_Tooltip tip("abc", 10);
  for (int i = 0; i < 5; ++i) tip.SetText("abc");
  EXPECT_EQ(measures, 1);
  EXPECT_EQ(tip.GetWidth(), 30);
  tip.SetText(std::string(40, 'x').c_str());
  EXPECT_EQ(measures, 2);
  EXPECT_EQ(tip.GetWidth(), 240);
  EXPECT_EQ(tip.GetHeight(), 44);
  tip.SetText("abc");  // back to the short text: its own size again
  EXPECT_EQ(tip.GetWidth(), 30);
  EXPECT_EQ(tip.GetHeight(), 20);
  GUI_Tooltip empty(nullptr, 10);  // an empty text is measured too
  EXPECT_EQ(empty.GetWidth(), 6);
}

TEST_F(WidgetTest, TooltipShowsAfterItsDelayFadesAndOnlyTheFirstDraws) {
  GUI_Tooltip first("first", 50);
  GUI_Tooltip second("second", 50);
  MoveMouse(100, 100);
  GUI_Services::SetRestFramesForTesting(50);
  first.Trigger();
  EXPECT_FLOAT_EQ(first.GetFade(), 0.0f);  // not longer than the delay yet
  GUI_Services::SetRestFramesForTesting(51);
  first.Trigger();
  second.Trigger();
  first.PlaceAtMouse();
  EXPECT_EQ(first.GetRect().left, 130);
  first.Draw();
  second.Draw();
  DrawTooltips();
  EXPECT_TRUE(Queued("first"));
  EXPECT_FALSE(Queued("second"));
  EXPECT_EQ(GUI_Tooltip::QueuedCount(), 0u);
  EXPECT_FLOAT_EQ(first.GetFade(), 0.5f);  // hover ended: half, then gone
  first.Draw();
  EXPECT_FLOAT_EQ(first.DrawQueued(), 0.5f);
  EXPECT_FLOAT_EQ(first.DrawQueued(), 0.0f);
}

TEST_F(WidgetTest, DeletedTooltipLeavesTheQueue) {
  auto* doomed = new GUI_Tooltip("gone", 0);
  GUI_Tooltip kept("kept", 0);
  GUI_Services::SetRestFramesForTesting(5);
  doomed->Trigger();
  kept.Trigger();
  doomed->Draw();
  kept.Draw();
  delete doomed;  // its owner was deleted later in the same frame
  EXPECT_EQ(GUI_Tooltip::QueuedCount(), 1u);
  DrawTooltips();
  EXPECT_TRUE(Queued("kept"));
}

int g_confirmed = 0;
void Confirmed(void* arg) {
  EXPECT_EQ(arg, nullptr);
  ++g_confirmed;
}
void ConfirmAgain(void*) {
  ++g_confirmed;
  ShowConfirm("Second", "Really?", Confirmed);
}

TEST_F(WidgetTest, ConfirmationOkRunsOnceAndAnOkThatOpensAnotherKeepsIt) {
  auto& m = GUI_WindowManager::Instance();
  g_confirmed = 0;
  ShowConfirm("Quit", "Leave the game?", ConfirmAgain);
  GUI_ConfirmDialog* first = GUI_ConfirmDialog::Instance();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetWidth(), 360);
  EXPECT_EQ(m.ModalWindows().size(), 1u);
  const GUI_Rect ok = first->GetOkButton()->GetRect();
  MoveMouse(ok.left + 5, ok.top + 5);
  EXPECT_TRUE(m.ClickAll());  // OK opens a second confirmation from its own callback
  EXPECT_EQ(g_confirmed, 1);
  GUI_ConfirmDialog* second = GUI_ConfirmDialog::Instance();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetTitle(), "Second");
  EXPECT_EQ(m.ModalWindows().size(), 1u);
  EXPECT_TRUE(m.Contains(second));

  const GUI_Rect ok2 = second->GetOkButton()->GetRect();
  MoveMouse(ok2.left + 5, ok2.top + 5);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_EQ(g_confirmed, 2);
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  EXPECT_TRUE(m.Windows().empty());

  // Cancel runs nothing; a new question replaces an open one without its callback.
  ShowConfirm("A", "a", Confirmed);
  ShowConfirm("B", "b", Confirmed);
  EXPECT_EQ(m.Windows().size(), 1u);
  const GUI_Rect cancel = GUI_ConfirmDialog::Instance()->GetCancelButton()->GetRect();
  MoveMouse(cancel.left + 5, cancel.top + 5);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_EQ(g_confirmed, 2);
  EXPECT_TRUE(m.Windows().empty());
}

TEST_F(WidgetTest, WindowSkinFollowsWealth) {
  GUI_TextureSet& set = GUI_TextureSet::Instance();
  EXPECT_FALSE(GUI_TextureSet::IsWealthy(19999.0f, 1000.0f));
  EXPECT_TRUE(GUI_TextureSet::IsWealthy(19999.5f, 0.0f));
  EXPECT_TRUE(GUI_TextureSet::IsWealthy(0.0f, 1000.5f));
  SIM_Finances::Instance().SetCash(1000.5f);  // every cash change refreshes the skin
  EXPECT_EQ(set.GetName(0), "window_rich.dds");
  EXPECT_EQ(set.GetName(5), "window_light_rich.dds");
  SIM_Finances::Instance().SetCash(1000.0f);
  EXPECT_EQ(set.GetName(0), "window_green.dds");

  // The salary is the player's current job's: a promotion past 19999 makes the skin rich, and
  // a change of job picks the skin again at once by the new job's salary.
  SIM_Vesk& player = *SIM_Vesk::Instance();
  SIM_JobBase* previousJob = player.GetJob();
  const SIM_JobInstance* held = player.GetJobInstance();
  const int previousDays = held ? held->GetDaysInJob() : 0;
  const float previousCommute = held ? held->GetCommuteDistance() : 0.0f;
  SIM_JobBase job("skin_test_job");
  player.SetJob(&job);
  ASSERT_NE(player.GetJobInstance(), nullptr);
  // Grade 0 pays the minimum; grade 1 a fifth of the range more.
  job.SetSalaryRange(19999.0f, 45004.0f);
  player.SetJob(&job);
  set.RefreshWindowTextures();
  EXPECT_FALSE(set.IsRich());
  player.GetJobInstance()->SetLevel(1);
  set.RefreshWindowTextures();
  EXPECT_TRUE(set.IsRich());
  EXPECT_EQ(set.GetName(0), "window_rich.dds");
  EXPECT_EQ(set.GetName(5), "window_light_rich.dds");
  EXPECT_FLOAT_EQ(GUI_TextureSet::GetPlayerSalary(), 25000.0f);
  player.SetJob(nullptr);  // losing the job
  EXPECT_FALSE(set.IsRich());
  EXPECT_EQ(set.GetName(0), "window_green.dds");
  EXPECT_EQ(GUI_TextureSet::GetPlayerSalary(), 0.0f);
  player.SetJob(&job);
  player.GetJobInstance()->SetLevel(2);
  set.RefreshWindowTextures();
  ASSERT_TRUE(set.IsRich());
  SIM_JobBase other("skin_test_other_job");
  player.SetJob(&other);  // a new job starts without the old one's salary
  EXPECT_FALSE(set.IsRich());
  SIM_Finances::Instance().SetCash(0.0f);
  EXPECT_FALSE(set.IsRich());
  // The player goes back to the job held before, so later tests find it as it was.
  player.SetJob(previousJob);
  if (SIM_JobInstance* again = player.GetJobInstance()) {
    again->SetDaysInJob(previousDays);
    again->SetCommuteDistance(previousCommute);
  }
  set.RefreshWindowTextures();
  EXPECT_EQ(set.GetName(18), "");
  EXPECT_EQ(set.GetName(-1), "");
}

TEST_F(WidgetTest, PictureMessageTitleAndHeight) {
  EXPECT_EQ(CutTextureMessageTitle(std::string(28, 'a')), std::string(28, 'a'));
  EXPECT_EQ(CutTextureMessageTitle(std::string(29, 'a')), std::string(29, 'a') + "...");
  EXPECT_EQ(CutTextureMessageTitle(std::string(30, 'a')), std::string(29, 'a') + "...");
  ShowTextureMessage("missing_picture.dds", "short", "Title");
  auto* box = static_cast<GUI_TextureMessage*>(GUI_WindowManager::Instance().Windows().back());
  box->Draw();
  EXPECT_EQ(box->GetHeight(), 140);  // the minimum
  ShowTextureMessage("missing_picture.dds", std::string(300, 'w'), "Title");
  auto* tall = static_cast<GUI_TextureMessage*>(GUI_WindowManager::Instance().Windows().back());
  const int top = tall->GetRect().top;
  tall->Draw();
  EXPECT_GT(tall->GetHeight(), 140);
  EXPECT_EQ(tall->GetRect().top, top);  // grows downwards
  EXPECT_EQ(tall->GetWidth(), 420);
}

TEST_F(WidgetTest, ValueBarBlocks) {
  int full = 0, last = 0;
  ValueBarBlocks(0.5f, 100, full, last);
  EXPECT_EQ(full, 8);
  EXPECT_EQ(last, 2);
  ValueBarBlocks(1.3f, 100, full, last);
  EXPECT_EQ(full, 16);
  EXPECT_EQ(last, 4);
  ValueBarBlocks(-0.2f, 100, full, last);
  EXPECT_EQ(full, 0);
  EXPECT_EQ(last, 0);
}

TEST_F(WidgetTest, WeatherIconShowsTheFullMoonOverTheWeather) {
  GUI_Weather* weather = GUI_Weather::Instance();
  CurrentDate().SetDaysToFullMoon(0);
  CurrentDate().UpdateFullMoon();
  weather->RefreshTooltip();
  EXPECT_STREQ(weather->IconTexture(), "weather_fullmoon.dds");
  EXPECT_EQ(weather->GetTooltip()->GetText(), Translate("WEATHER_TOOLTIP_FULLMOON"));
  CurrentDate().SetDaysToFullMoon(5);
  CurrentDate().UpdateFullMoon();
  weather->RefreshTooltip();
  EXPECT_NE(std::string(weather->IconTexture()), "weather_fullmoon.dds");
  weather->Draw();
  EXPECT_EQ(weather->GetRect().left, 185);
  EXPECT_EQ(weather->GetWidth(), 60);
  EXPECT_EQ(weather->GetHeight(), 65);
  EXPECT_FALSE(weather->CloseOnNewGame());
}

TEST_F(WidgetTest, NameTabIsSixteenPixelsACharacter) {
  GUI_WindowBase window;
  window.SetRect(100, 200, 500, 400);
  const GUI_Rect tab = WindowIdTabRect("0123456789", window);
  EXPECT_EQ(tab.right - tab.left, 160);
  EXPECT_EQ(tab.left, 300 - 80);
  EXPECT_EQ(tab.top, 180);
  EXPECT_EQ(tab.bottom, 234);
  DrawWindowIdTab("x", nullptr);
  EXPECT_EQ(assertions.size(), 1u);
}

}  // namespace
