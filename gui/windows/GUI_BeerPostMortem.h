// The report of a pub evening that ended in a brawl: a police siren, two faint mirrored
// pictures of the fight around a short text, and the standing lost beside the standing icon.
// Modal; the close button is the way out.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class SIM_SocialiseInstance;

class GUI_BeerPostMortem : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 350;
  static constexpr uint32_t kPictureColour = 0x40FFFFFFu;

  // Closes an open report; a null evening opens nothing.
  static void Open(SIM_SocialiseInstance* evening);
  static void Close();
  static GUI_BeerPostMortem* Instance() { return instance; }
  // The standing the brawl took, with two decimals; empty when it took none (the standing
  // was already at its floor), and then neither the number nor its icon is shown.
  std::string LossText() const;

  ~GUI_BeerPostMortem() override;
  void Draw() override;

  SIM_SocialiseInstance* Evening() const { return evening_; }

 private:
  explicit GUI_BeerPostMortem(SIM_SocialiseInstance* evening);

  static GUI_BeerPostMortem* instance;
  SIM_SocialiseInstance* evening_;
  float loss_ = 0.0f;
  CTexturedSprite brawl_;
  CTexturedSprite standing_;
};
