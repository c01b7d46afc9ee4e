// The dirt overlay of the room picture: blots that grow in number with the flat's dirt, two
// coffee stains and, when a pet lives in the flat, paw prints. The simulation refreshes it
// when the dirt changes; the backdrop draws it.
#pragma once

#include <memory>

class GUI_DirtSprites {
 public:
  // Paw prints made at set-up: enough for the full dirt level (dirt x 12).
  static constexpr int kPawPrints = 12;
  // Below this dirt level only the blots show.
  static constexpr float kStainLevel = 0.1f;

  static GUI_DirtSprites& Instance();
  GUI_DirtSprites(const GUI_DirtSprites&) = delete;
  GUI_DirtSprites& operator=(const GUI_DirtSprites&) = delete;
  ~GUI_DirtSprites();

  // Reads the dirt again (after loading, a new game, the next day, cleaning).
  static void Refresh();
  // Makes GV_MAXDIRTSPRITES blots, the stains and the paw prints at random places for a
  // screen of that size, then refreshes.
  void SetUp(int screenWidth, int screenHeight);
  void Draw();
  void Release();

  float GetDirt() const { return dirt_; }
  // Changes whenever what Draw shows may have changed (set-up, a refresh, a release).
  long GetVersion() const { return version_; }
  int GetBlotCount() const;
  int GetBlotsShown() const { return blotsShown_; }
  // Paw prints drawn now (0 without a pet or below the stain level).
  int GetPawPrintsShown() const;
  int GetPawPrintAlpha() const;
  int GetStainAlpha(int i) const;

 private:
  GUI_DirtSprites();
  void Read();

  struct Sprites;
  std::unique_ptr<Sprites> sprites_;
  float dirt_ = 0.0f;
  int blotsShown_ = 0;
  long version_ = 0;
};
