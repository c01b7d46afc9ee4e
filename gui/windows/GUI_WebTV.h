// The web-surfing and TV windows: one picture button per web site or channel; choosing one
// applies its effects (SIM_WebTV) and closes the window. The activity that opened the window
// has already used its slot, so choosing uses none. Both are modal and offer no close button
// while there is something to choose; when nothing can be chosen (no entries, or only cable
// channels without cable TV) a close button lets the player leave with nothing applied.
// While either is open the end-of-day hint is hidden.
#pragma once

#include <string>

#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Dialog.h"

class SIM_ModifierContainer;
class SIM_TVChannel;
class SIM_Website;

// One entry's picture button. A channel needing cable without cable TV is drawn grey under a
// warning strip, shows no hover, and its click only plays the error sound.
class GUI_EntryButton : public GUI_ButtonBase {
 public:
  GUI_EntryButton(const std::string& texture, const std::string& tooltip, bool available,
                  GUI_EntryButton** lastHovered);
  void Draw() override;
  bool IsAvailable() const { return available_; }

 protected:
  std::string texture_;
  bool available_ = true;
  std::string warning_;
  GUI_EntryButton** lastHovered_;
};

class GUI_WebsiteButton : public GUI_EntryButton {
 public:
  explicit GUI_WebsiteButton(SIM_Website* site);
  void Activate() override;
  SIM_Website* GetSite() const { return site_; }

 private:
  SIM_Website* site_;
};

class GUI_ChannelButton : public GUI_EntryButton {
 public:
  explicit GUI_ChannelButton(SIM_TVChannel* channel);
  void Activate() override;
  SIM_TVChannel* GetChannel() const { return channel_; }

 private:
  SIM_TVChannel* channel_;
};

// What the two windows share: the frame, the modal role, the hint and the button layout.
class GUI_EntryWindow : public GUI_Dialog {
 public:
  static constexpr float kButtonHeight = 60, kButtonStep = 65;
  ~GUI_EntryWindow() override;
  void Draw() override;

 protected:
  GUI_EntryWindow(bool canChoose, float height, const char* titleKey);
  // The next button's place, 65 px below the last.
  void PlaceButton(GUI_ButtonBase* button);

 private:
  float nextTop_ = 0;
};

class GUI_SurfWeb : public GUI_EntryWindow {
 public:
  static constexpr float kWidth = 400, kHeight = 315;
  static void Open();
  static void Close();
  static GUI_SurfWeb* Instance() { return instance; }
  ~GUI_SurfWeb() override;

 private:
  GUI_SurfWeb();
  static GUI_SurfWeb* instance;
};

class GUI_WatchTV : public GUI_EntryWindow {
 public:
  static constexpr float kWidth = 400, kHeight = 515;
  static void Open();
  static void Close();
  static GUI_WatchTV* Instance() { return instance; }
  ~GUI_WatchTV() override;

 private:
  GUI_WatchTV();
  static GUI_WatchTV* instance;
};
