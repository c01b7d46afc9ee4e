// One frame drawn with the shipped art: a dialog with a button, a tab container and a slider
// over a backdrop. A few pixels are checked, not a golden image.
#include <string>

#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_SliderControl.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_WindowManager.h"
#include "gui/GUI_WindowTab.h"
#include "gui/GuiFixture.h"
#include "sim/SIM_Finances.h"

namespace {

using guitest::GuiTest;

int R(uint32_t c) { return static_cast<int>(c >> 16 & 0xFF); }
int G(uint32_t c) { return static_cast<int>(c >> 8 & 0xFF); }
int B(uint32_t c) { return static_cast<int>(c & 0xFF); }

class ScreenshotTest : public GuiTest {};

TEST_F(ScreenshotTest, DialogWithButtonTabsAndSliderOverTheBackdrop) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  SIM_Finances::Instance().SetCash(0.0f);
  GUI_TextureSet::Instance().Load();

  auto* dialog = new GUI_Dialog(true);
  dialog->SetRect(200, 150, 700, 550);
  dialog->SetTitle("Options");
  auto* ok = new GUI_ButtonText("OK", nullptr, nullptr);
  ok->SetRect(540, 490, 680, 525);
  dialog->AddButton(ok);
  auto* tabs = new GUI_TabContainer();
  tabs->SetRect(230, 240, 670, 470);
  auto* page = new GUI_WindowTab();
  tabs->AddTab(page);
  tabs->AddTab(new GUI_WindowTab());
  auto* tabButton = new GUI_ButtonTab("Sound", page);
  tabButton->SetRect(230, 205, 350, 240);
  tabs->AddButton(tabButton);
  tabs->SelectTab(page);
  dialog->AddChild(tabs);
  float volume = 0.25f;
  GUI_SliderControl slider(&volume, "Volume", nullptr);
  slider.SetRect(300, 400, 600, 430);

  engine.BeginRender();
  engine.FillRect(0, 0, 1024, 768, 0xFF3060A0u);  // the backdrop
  GUI_WindowManager::Instance().DrawAll();
  tabs->Draw();
  slider.Draw();
  engine.EndScene();

  // The backdrop outside the dialog and its shadow.
  EXPECT_EQ(Pixel(100, 100) & 0xFFFFFF, 0x3060A0u);
  // The dialog's green frame between the outer edge and the client area.
  const uint32_t frame = Pixel(204, 300);
  EXPECT_GT(G(frame), R(frame) + 20);
  EXPECT_GT(G(frame), B(frame));
  // The drop shadow darkens the backdrop just below the bottom edge.
  const uint32_t shadow = Pixel(450, 553);
  EXPECT_LT(B(shadow), 0xA0);
  EXPECT_GT(B(shadow), 0x10);
  // The selected tab page is the "light" background: a muted green panel that carries white text.
  const uint32_t pageFill = Pixel(450, 300);
  EXPECT_NEAR(static_cast<int>(R(pageFill)), 58, 12);
  EXPECT_NEAR(static_cast<int>(G(pageFill)), 86, 12);
  EXPECT_NEAR(static_cast<int>(B(pageFill)), 78, 12);
  // The slider knob at a quarter of the track, and the track itself.
  EXPECT_EQ(Pixel(375, 415) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(Pixel(500, 415) & 0xFFFFFF, 0x808080u);
  // The close button's red face sits 10 px inside the top-right corner.
  const uint32_t close = Pixel(678, 165);
  EXPECT_GT(R(close), G(close) + 40);
  // Labels are queued for the text layer.
  EXPECT_TRUE(Queued("Options"));
  EXPECT_TRUE(Queued("Sound"));
  EXPECT_TRUE(Queued("OK"));
}

}  // namespace
