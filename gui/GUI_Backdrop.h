// The bottom layers of the main screen: either the plain loading picture or the window view
// (a sky that follows today's weather, the player's room picture, a light veil and the dirt
// overlay), then dirty bands along the top and bottom, then the flies.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "engine/CachedPicture.h"

class GUI_Backdrop {
 public:
  static constexpr const char* kPlainPicture = "loadscreen.jpg";
  static constexpr const char* kBandTexture = "rusty.jpg";
  static constexpr const char* kVeilTexture = "composite_back2.dds";
  static constexpr float kBandHeight = 88.0f;
  static constexpr float kSkyInset = 167.0f;  // the sky is H - 167 high
  static constexpr int kRoomAlpha = 206;

  static GUI_Backdrop& Instance();
  GUI_Backdrop(const GUI_Backdrop&) = delete;
  GUI_Backdrop& operator=(const GUI_Backdrop&) = delete;

  // Prepares the backdrop sprite; after the first call the backdrop counts as loaded, and
  // display rebuilds load it again.
  void Load();
  bool IsLoaded() const { return loaded_; }
  // Everything but the flies is still while the player looks: it is composed once into a
  // picture of the screen's size and copied, composed again when what it shows changes.
  // `stillAbove` draws what lies over the flies and the fish tank (the main scene's people);
  // when neither shows, it joins the cached picture.
  void Draw(const std::function<void()>& stillAbove = nullptr);

  // The room picture of an avatar texture: the name less its extension (its last four
  // characters) followed by "_background.dds". A name too short to have an extension is used
  // whole.
  static std::string RoomPictureName(const std::string& avatarTexture);
  // The room drawn for the avatar shown: its room picture, or, when none of the renderer's
  // folders holds it (a downloaded avatar without one) or it does not decode (damaged), the
  // game's own room, logged once.
  std::string ShownRoomPicture();
  // The sky picture for today's rain and cloud intensities, and its grey level.
  static const char* SkyPicture(float rain, float cloud);
  static int SkyGrey(float rain);
  // The shade of the dirt bands: 0 (black) for a clean flat up to 255.
  static int BandShade();

 private:
  GUI_Backdrop() = default;
  void DrawStill();
  void DrawWindowView();
  void DrawBands();
  bool loaded_ = false;
  // The last room looked for and the picture drawn for it.
  std::string checkedRoom_, shownRoom_;
  size_t checkedFolders_ = 0;
  long checkedGeneration_ = -1;
  std::set<std::string> reported_;
  CachedPicture picture_{CachedPicture::Kind::kScreen};
};
