// The player's portrait on the main screen: a strip of three moods side by side, with wine
// glasses that pile up with the player's drinking and a bowling ball while the player is in a
// bowling team.
#pragma once

#include <memory>
#include <set>
#include <string>

class BaseSprite;

class GUI_Avatar {
 public:
  static constexpr const char* kDefaultTexture = "notset.dds";
  static constexpr int kGlasses = 5;

  static GUI_Avatar& Instance();
  GUI_Avatar(const GUI_Avatar&) = delete;
  GUI_Avatar& operator=(const GUI_Avatar&) = delete;

  ~GUI_Avatar();

  // The player's mood update: 0, 1 or 2 shows that third of the strip; any other value is
  // stored and changes nothing else.
  static void SetMood(int mood);
  int GetMood() const { return mood_; }
  // The picture is the player's choice, which the simulation keeps (SIM_GameConfig, saved
  // with the game); before any choice, "notset.dds".
  void SetTextureName(const std::string& name);
  // The picture shown: the choice, or, when none of the renderer's folders holds it (a
  // downloaded avatar deleted since the game was saved) or its file cannot be read (damaged),
  // the first of the game's own avatars of the same gender, with a line in the log. The
  // player is told once per missing or damaged picture (in the game's
  // own box, at the next ShowNotice); the choice itself stays as it was, so a picture
  // downloaded again comes back.
  std::string GetTextureName() const;
  // Opens the game's box for a missing picture found since the last call; the in-game screen
  // calls it where a box can take the player's click.
  void ShowNotice();
  // Whether the renderer would find a picture of that name: a file of exactly that name in
  // one of its folders (it matches names case and all).
  static bool RendererFinds(const std::string& name);
  // The file the renderer would take for the name: the first of exactly that name in its
  // folders, in their order; "" when there is none.
  static std::string RendererFile(const std::string& name);
  // Whether the picture file decodes: a damaged one would draw as a white rectangle.
  static bool Decodes(const std::string& path);

  // Places the portrait for the screen size and the UI scale (W - 226 s, H / 2).
  void Layout(float screenWidth, float screenHeight, float scale);
  void Draw();
  // Draws with another mood and puts the current one back.
  void DrawWithMood(int mood);

  // The alpha (0..255) of glass i for an addiction strength, 0 for a glass not drawn.
  static int GlassAlpha(float addiction, int i);

  const BaseSprite& GetSprite() const { return *sprite_; }

 private:
  GUI_Avatar();
  void ApplyMood(int mood);
  void DrawGlasses();
  void DrawBowlingBall();

  std::unique_ptr<BaseSprite> sprite_;
  // The last choice looked for and the picture shown for it.
  mutable std::string checkedName_;
  mutable std::string shownName_;
  mutable size_t checkedFolders_ = 0;
  mutable long checkedGeneration_ = -1;
  mutable std::set<std::string> reported_;
  mutable std::string notice_;  // the text of a box not yet opened
  int mood_ = 0;
  float scale_ = 1.0f;
};
