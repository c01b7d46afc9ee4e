// The full-screen view of the player's social standing: one card per relationship that earns
// standing (highlighted, with what it earns), then cards for the other relationships the
// player made that still have some strength, and the total. The control panel's network
// button opens it; while it is up the in-game screen is in its mode 1 and draws, updates and
// clicks only this screen, which holds the keys. Its quit button, Escape or Enter close it,
// and the keys go back to the window that held them before.
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "gui/GUI_WindowBase.h"

class GUI_IconButton;
class SIM_Relationship;

// One card, 180 x 64: the band, the two people and the standing earned.
class GUI_ST_Relate : public GUI_WindowBase {
 public:
  static constexpr int kWidth = 180;
  static constexpr int kHeight = 64;
  // A name's box: cards stand side by side and each portrait's centre is 34 px in from its
  // card's edge, so the portraits of two neighbouring cards are 68 px apart.
  static constexpr int kNameWidth = 68;

  GUI_ST_Relate(SIM_Relationship* relationship, bool highlighted);
  void Draw() override;
  SIM_Relationship* GetRelationship() const { return relationship_; }
  bool IsHighlighted() const { return highlighted_; }
  // The band's opacity as last drawn.
  int BandAlpha() const { return bandAlpha_; }

 private:
  SIM_Relationship* relationship_;
  bool highlighted_;
  int bandAlpha_ = 0;
};

class GUI_SocialTovel : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kStandingPage; }
  static constexpr int kMaxCards = 28;

  static GUI_SocialTovel& Instance();
  // Builds the cards and takes over the screen and the keys.
  static void Show();
  static void Close();
  static bool IsShown();
  // The in-game screen's draw while it is in mode 1; the window manager gives it the update
  // and the clicks, as it is modal.
  static void DrawOpen();

  void Draw() override;
  // Escape and Enter close; other keys do nothing.
  void OnKeyDown(int key) override;

  const std::string& GetTotalText() const { return total_; }
  float GetTotal() const { return totalValue_; }
  GUI_IconButton* QuitButton() const { return quit_; }

 private:
  GUI_SocialTovel();
  void Build();

  GUI_IconButton* quit_ = nullptr;
  std::string title_, help_, total_;
  float totalValue_ = 0.0f;
  bool shown_ = false;
  // Who held the keys before this screen took them.
  GUI_WindowBase* previousCapture_ = nullptr;
};
