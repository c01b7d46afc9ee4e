// The fish tank's fish and the flies of a dirty flat.
#include "gui/GUI_FishTank.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Particles.h"
#include "sim/SIM_NamedValueList.h"

namespace {

constexpr float kTwoPi = 6.28318548f;
constexpr const char* kFlyTexture = "fly.dds";

// Never destroyed: the flies live as long as the program.
std::vector<GUI_Insect*>& Flies() {
  static auto* flies = new std::vector<GUI_Insect*>();
  return *flies;
}

float RandomRowY(float h) { return LookRandomFloat(64.0f, h - 64.0f); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Fish

GUI_FishTank& GUI_FishTank::Instance() {
  static GUI_FishTank tank;
  return tank;
}

void GUI_FishTank::Draw() {
  Instance().DrawFrame(GlobalNamedValues().IsSet("fish"), GUI_GUI::Instance().GetFrameStep());
}

void GUI_FishTank::Spawn(Fish& fish, float size) {
  const float w = g_screenWidth, h = g_screenHeight;
  fish.size = size;
  fish.phase = LookRandomFloat(0.0f, 1.0f);
  fish.sprite.width = size;
  fish.sprite.height = size;
  fish.sprite.SetColour(255, 255, 255, 64);
  // Big fish are slower; the biggest still move.
  fish.speed = std::max(1.0f - (size - 48.0f) / 80.0f, 0.085f);
  fish.angle = LookRandomFloat(70.0f, 110.0f);
  fish.texture = LookRandomFloat(0.0f, 1.0f) >= 0.5f ? "fish2.dds" : "fish1.dds";
  fish.sprite.rotation = fish.angle - 90.0f;
  if (LookRandomFloat(0.0f, 1.0f) < 0.5f) {
    fish.headingRight = true;
    fish.x = LookRandomFloat(-w / 2.0f, -64.0f);
  } else {
    fish.headingRight = false;
    fish.x = w + LookRandomFloat(46.0f, w / 2.0f);
    fish.speed = -fish.speed;
  }
  fish.y = RandomRowY(h);
}

void GUI_FishTank::Swim(Fish& fish, float frameStep) {
  const float w = g_screenWidth, h = g_screenHeight;
  const float step = frameStep * fish.speed;
  fish.x += std::sin(particles::Radians(fish.angle)) * step;
  fish.y -= std::cos(particles::Radians(fish.angle)) * step;
  if (fish.headingRight && fish.x > w + 128.0f) {
    fish.headingRight = false;
    fish.x = w + LookRandomFloat(46.0f, w / 2.0f);
    fish.y = RandomRowY(h);
    fish.speed = -fish.speed;
  } else if (!fish.headingRight && fish.x < -128.0f) {
    fish.headingRight = true;
    fish.x = LookRandomFloat(-w / 2.0f, -64.0f);
    fish.y = RandomRowY(h);
    fish.speed = -fish.speed;
  }
  // The wave runs on whichever way the fish swims, kept within one turn.
  fish.phase += step / 800.0f;
  if (fish.phase > 1.0f) fish.phase -= 1.0f;
  if (fish.phase < 0.0f) fish.phase += 1.0f;
  fish.angle = std::sin(fish.phase * kTwoPi) * 20.0f + 90.0f;
  fish.sprite.rotation = fish.angle - 90.0f;
}

void GUI_FishTank::DrawFrame(bool owned, float frameStep) {
  if (!initialised_) {
    for (Fish& fish : fish_) Spawn(fish, LookRandomFloat(48.0f, 128.0f));
    initialised_ = true;
  }
  if (!owned) return;
  D3DEngine& engine = D3DEngine::Instance();
  // One batch for each of the two pictures.
  for (const char* texture : {"fish1.dds", "fish2.dds"}) {
    vertices_.clear();
    for (Fish& fish : fish_) {
      if (fish.texture != texture) continue;
      // A fish heading left shows its picture mirrored.
      if (fish.headingRight)
        fish.sprite.SetUV(0, 0, 1, 1);
      else
        fish.sprite.SetUV(1, 0, 0, 1);
      fish.sprite.SetPosition(fish.x, fish.y);
      particles::AppendSprite(vertices_, fish.sprite);
      Swim(fish, frameStep);
    }
    if (vertices_.empty()) continue;
    engine.SetTextureByName(texture);
    particles::DrawBatch(vertices_);
  }
}

// ---------------------------------------------------------------------------------------------
// Flies

int GUI_FishTank::WantedFlies(float dirt) {
  // A corrupt save or a cheat may hold any number here; a fly list must stay small.
  const float level = std::isfinite(dirt) ? std::clamp(dirt, 0.0f, 1.0f) : 0.0f;
  const int wanted = static_cast<int>(16.0f * level) - 4;
  return std::clamp(wanted, 0, kMostFlies);
}

bool GUI_FishTank::MovesUnderPeople() {
  return WantedFlies(FrameDirtLevel()) > 0 || GlobalNamedValues().IsSet("fish");
}

void GUI_FishTank::DrawFlies() {
  const int wanted = WantedFlies(FrameDirtLevel());
  while (static_cast<int>(Flies().size()) < wanted) new GUI_Insect();
  if (wanted > 0) GUI_Insect::DrawFirst(wanted, GUI_GUI::Instance().GetFrameStep());
}

const std::vector<GUI_Insect*>& GUI_Insect::All() { return Flies(); }

GUI_Insect::GUI_Insect() {
  const float w = g_screenWidth, h = g_screenHeight;
  x = LookRandomFloat(0.0f, w);
  y = LookRandomFloat(0.0f, h);
  targetX = x;
  targetY = y;
  PickTarget();
  heading = static_cast<float>(LookRandomBelow(360));
  frame = LookRandomBelow(4);
  sprite_.width = kSize;
  sprite_.height = kSize;
  frameTimer_.Start();
  Flies().push_back(this);
}

GUI_Insect::~GUI_Insect() {
  std::vector<GUI_Insect*>& flies = Flies();
  flies.erase(std::remove(flies.begin(), flies.end(), this), flies.end());
}

void GUI_Insect::PickTarget() {
  targetX = std::clamp(targetX + LookRandomFloat(-128.0f, 128.0f), 0.0f, g_screenWidth);
  targetY = std::clamp(targetY + LookRandomFloat(-128.0f, 128.0f), 0.0f, g_screenHeight);
}

void GUI_Insect::Move(float frameStep) {
  if (PointDistance(x, y, targetX, targetY) < 64.0f) PickTarget();
  const float wanted = AngleBetweenPoints(x, y, targetX, targetY);
  float diff = wanted - heading;
  if (diff < 0.0f) diff += 360.0f;
  const float turn = std::min(3.0f * frameStep, diff);
  heading += diff < 180.0f ? turn : -turn;
  if (heading < 0.0f)
    heading += 360.0f;
  else if (heading > 360.0f)
    heading -= 360.0f;
  // A fly flies as far each frame whatever the frame's length.
  x += std::sin(particles::Radians(heading)) * kStepPx;
  y -= std::cos(particles::Radians(heading)) * kStepPx;
}

void GUI_Insect::Append(std::vector<SpriteVertex>& out, float frameStep) {
  Move(frameStep);
  sprite_.rotation = heading;
  frameTimer_.Update();
  if (frameTimer_.elapsed > kFrameMs) {
    frameTimer_.Start();
    frame = (frame + 1) % 4;
  }
  sprite_.SetGridFrame(4, frame);
  sprite_.SetPosition(x, y);
  particles::AppendSprite(out, sprite_);
}

void GUI_Insect::DrawFirst(int count, float frameStep) {
  static std::vector<SpriteVertex> vertices;
  vertices.clear();
  const std::vector<GUI_Insect*>& flies = Flies();
  const int n = std::min(count, static_cast<int>(flies.size()));
  for (int i = 0; i < n; ++i) flies[static_cast<size_t>(i)]->Append(vertices, frameStep);
  if (vertices.empty()) return;
  D3DEngine::Instance().SetTextureByName(kFlyTexture);
  particles::DrawBatch(vertices);
}
