// Two small animations of the main screen. While the player owns fish (the global flag
// "fish"), three faint fish glide across the whole screen, waving gently, and turn back once
// off it. While the flat is dirty, flies wander over the screen, more the dirtier it is: up
// to twelve, kept in one list that grows only to the most ever wanted.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/Timer.h"

class GUI_FishTank {
 public:
  static constexpr int kFish = 3;
  static constexpr int kMostFlies = 12;

  struct Fish {
    BaseSprite sprite;
    float size = 0, speed = 0;
    std::string texture;
    float x = 0, y = 0;
    bool headingRight = true;
    float angle = 90.0f;
    float phase = 0.0f;
  };

  static GUI_FishTank& Instance();
  // The main scene's fish, right after the backdrop.
  static void Draw();
  // The flies over a dirty flat, drawn by the backdrop every frame.
  static void DrawFlies();
  // Flies or fish are drawn between the room and the people over it.
  static bool MovesUnderPeople();
  // The flies a dirt level brings: none up to just under 0.3125, one more for each 1/16,
  // twelve at 1; the level is taken as 0..1 whatever a save or a cheat put there.
  static int WantedFlies(float dirt);

  GUI_FishTank() = default;
  GUI_FishTank(const GUI_FishTank&) = delete;
  GUI_FishTank& operator=(const GUI_FishTank&) = delete;

  // One frame: the fish swim (and are drawn) only while `owned`; the first call spawns them.
  void DrawFrame(bool owned, float frameStep);
  // A fish of a size (48..128) starting off one side of the screen.
  static void Spawn(Fish& fish, float size);
  bool IsInitialised() const { return initialised_; }
  const Fish& GetFish(int i) const { return fish_[static_cast<size_t>(i)]; }

 private:
  void Swim(Fish& fish, float frameStep);

  std::array<Fish, kFish> fish_{};
  bool initialised_ = false;
  std::vector<SpriteVertex> vertices_;
};

// One fly: a 19 x 19 sprite from a 2 x 2 sheet of wing beats, steering towards a target that
// moves on whenever it comes near. Every fly is in one global list from its construction to
// its destruction; the game never destroys one.
class GUI_Insect {
 public:
  static constexpr float kSize = 19.0f;
  static constexpr float kStepPx = 3.5f;
  static constexpr double kFrameMs = 250.0;

  GUI_Insect();
  virtual ~GUI_Insect();
  GUI_Insect(const GUI_Insect&) = delete;
  GUI_Insect& operator=(const GUI_Insect&) = delete;

  static const std::vector<GUI_Insect*>& All();
  // Moves the first `count` flies and adds them to the batch, then draws it in one call.
  static void DrawFirst(int count, float frameStep);

  // A new target within 128 px of the old one in each direction, kept on the screen.
  void PickTarget();
  void Move(float frameStep);
  // Moves, advances the wing beat and appends the fly's quad.
  void Append(std::vector<SpriteVertex>& out, float frameStep);

  float x = 0, y = 0, targetX = 0, targetY = 0, heading = 0;
  int frame = 0;

 private:
  BaseSprite sprite_;
  Timer frameTimer_;
};
