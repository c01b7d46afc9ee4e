// The arcade shooter.
#include "gui/windows/GUI_VideoGame.h"

#include <algorithm>
#include <string>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"

GUI_VideoGame* GUI_VideoGame::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr const char* kExplosionSheet = "explosion.dds";
constexpr int kExplosionFrames = 16;
constexpr float kExplosionMs = 500.0f;
constexpr float kShipSize = 48, kShipExplosionSize = 72, kAlienSize = 42, kAlienExplosionSize = 64;
constexpr float kBulletWidth = 12, kBulletHeight = 24, kBombSize = 24;
constexpr float kBulletSpeed = 6, kBombSpeed = 4, kShipLeftSpeed = 3, kShipRightSpeed = 2;

void Size(CTexturedSprite& sprite, const char* texture, float w, float h) {
  sprite.SetTexture(texture);
  sprite.width = w;
  sprite.height = h;
  sprite.SetColourARGB(0xFFFFFFFFu);
}

}  // namespace

void GUI_VideoGame::Explosion::Start(float x, float y, float size) {
  sprite.width = sprite.height = size;
  sprite.SetColourARGB(0xFFFFFFFFu);
  sprite.rotation = LookRandomFloat(0.0f, 360.0f);
  sprite.Play(kExplosionMs, kExplosionFrames);
  sprite.SetPosition(x, y);
}

void GUI_VideoGame::Explosion::Draw() {
  if (!sprite.IsPlaying() || sprite.IsFinished()) return;
  D3DEngine::Instance().SetTextureByName(kExplosionSheet);
  sprite.Draw();
}

void GUI_VideoGame::Open() {
  delete instance;
  new GUI_VideoGame();
}

void GUI_VideoGame::Close() { delete instance; }

GUI_VideoGame::GUI_VideoGame() : GUI_Dialog(true) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  Size(backdrop_, "videogame_backdrop.bmp", 0, 0);
  SetTitle(Translate("VIDEOGAME_TITLE"));
  UpdateClientRect();
  play_ = {clientRect.left + 10, clientRect.top + 10, clientRect.right - 10, clientRect.bottom - 10};
  backdrop_.width = static_cast<float>(play_.right - play_.left);
  backdrop_.height = static_cast<float>(play_.bottom - play_.top);
  shipX_ = static_cast<float>(clientRect.left + clientRect.right) / 2;
  shipY_ = static_cast<float>(clientRect.bottom) - 50;
  Size(ship_, "videogame_ship.dds", kShipSize, kShipSize);
  for (Bullet& bullet : bullets_) Size(bullet.sprite, "videogame_bullet.dds", kBulletWidth, kBulletHeight);
  for (Alien& alien : aliens_) {
    Size(alien.sprite, "videogame_alien.dds", kAlienSize, kAlienSize);
    Size(alien.bomb.sprite, "videogame_bullet.dds", kBombSize, kBombSize);
  }
  SetUpWave();
  MakeModal();
  clock_.Start();
}

GUI_VideoGame::~GUI_VideoGame() {
  if (instance == this) instance = nullptr;
}

void GUI_VideoGame::SetUpWave() {
  const float width = static_cast<float>(play_.right - play_.left);
  const float left = static_cast<float>(play_.left) + (width - 300) / 2 + 30;
  const float top = static_cast<float>(play_.top) + 50;
  for (int i = 0; i < kAliens; ++i) {
    Alien& alien = aliens_[static_cast<size_t>(i)];
    alien.x = left + 60.0f * static_cast<float>(i % 5);
    alien.y = top + 50.0f * static_cast<float>(i / 5);
    alien.alive = true;
    alien.sprite.SetPosition(alien.x, alien.y);
  }
}

int GUI_VideoGame::AliensAlive() const {
  return static_cast<int>(
      std::count_if(aliens_.begin(), aliens_.end(), [](const Alien& a) { return a.alive; }));
}

int GUI_VideoGame::ActiveBullets() const {
  return static_cast<int>(
      std::count_if(bullets_.begin(), bullets_.end(), [](const Bullet& b) { return b.active; }));
}

void GUI_VideoGame::PlaceAlienForTesting(int index, float x, float y, bool alive) {
  Alien& alien = aliens_[static_cast<size_t>(index)];
  alien.x = x;
  alien.y = y;
  alien.alive = alive;
  alien.sprite.SetPosition(x, y);
}

void GUI_VideoGame::DropBombForTesting(int index, float x, float y) {
  Bomb& bomb = aliens_[static_cast<size_t>(index)].bomb;
  bomb.x = x;
  bomb.y = y;
  bomb.active = true;
}

void GUI_VideoGame::MoveAliens() {
  const auto left = static_cast<float>(play_.left) + 32, right = static_cast<float>(play_.right) - 32;
  for (Alien& alien : aliens_) {
    if (!alien.alive) continue;
    alien.x += kAlienStep * static_cast<float>(direction_);
    alien.sprite.SetPosition(alien.x, alien.y);
    if (alien.x > right) direction_ = -1;
    if (alien.x < left) direction_ = 1;
    // The aliens' bombs only look random: the game's own numbers never depend on frames.
    if (!alien.bomb.active && bombChance_ > LookRandomFloat(0.0f, 1.0f)) {
      alien.bomb.active = true;
      alien.bomb.x = alien.x;
      alien.bomb.y = alien.y;
    }
  }
}

void GUI_VideoGame::CheckHits() {
  for (Bullet& bullet : bullets_) {
    if (!bullet.active) continue;
    for (Alien& alien : aliens_) {
      if (!alien.alive || !alien.sprite.ContainsPoint(bullet.x, bullet.y)) continue;
      alien.alive = false;
      alien.explosion.Start(alien.x, alien.y, kAlienExplosionSize);
      GUI_Services::PlaySound(kBangSound);
      bullet.active = false;
      score_ += 10;
      break;
    }
  }
  if (AliensAlive() == 0) SetUpWave();
  if (!shipAlive_) return;
  ship_.SetPosition(shipX_, shipY_);
  for (Alien& alien : aliens_) {
    Bomb& bomb = alien.bomb;
    if (!bomb.active || !ship_.ContainsPoint(bomb.x, bomb.y)) continue;
    bomb.active = false;
    shipAlive_ = false;
    shipExplosion_.Start(shipX_, shipY_, kShipExplosionSize);
    GUI_Services::PlaySound(kExplodeSound);
    gameOver_ = true;
    break;
  }
}

void GUI_VideoGame::Step() {
  clock_.Update();
  const double now = clock_.elapsed;
  const float step = GUI_GUI::Instance().GetFrameStep();
  // After the game is over the keys do nothing.
  if (!gameOver_) {
    if (GUI_Services::IsKeyDown(kKeyLeft))
      shipX_ = std::max(shipX_ - kShipLeftSpeed * step, static_cast<float>(play_.left) + 24);
    if (GUI_Services::IsKeyDown(kKeyRight))
      shipX_ = std::min(shipX_ + kShipRightSpeed * step, static_cast<float>(play_.right) - 24);
    if (GUI_Services::IsKeyDown(kKeySpace) && now - lastShot_ >= kShotGapMs) {
      auto free = std::find_if(bullets_.begin(), bullets_.end(), [](const Bullet& b) { return !b.active; });
      if (free != bullets_.end()) {
        free->active = true;
        free->x = shipX_;
        free->y = shipY_;
        lastShot_ = now;
        GUI_Services::PlaySound(kLaserSound);
      }
    }
  }
  if (now - lastAlienStep_ >= kAlienStepMs) {
    MoveAliens();
    lastAlienStep_ = now;
  }
  // Bullets and bombs move as they are drawn (below); the hits of their new places count
  // from the next frame. Nothing is hit once the game is over.
  if (!gameOver_) CheckHits();
}

void GUI_VideoGame::DrawSprite(CTexturedSprite& sprite, float x, float y) {
  sprite.SetPosition(x, y);
  sprite.Draw();
}

void GUI_VideoGame::Draw() {
  Step();
  GUI_Dialog::Draw();
  const auto pl = static_cast<float>(play_.left), pt = static_cast<float>(play_.top);
  const auto pr = static_cast<float>(play_.right), pb = static_cast<float>(play_.bottom);
  DrawSprite(backdrop_, (pl + pr) / 2, (pt + pb) / 2);
  D3DEngine::Instance().DrawRectOutline(play_.left, play_.top, play_.right, play_.bottom, 0xFFFFFFFFu);
  const float step = GUI_GUI::Instance().GetFrameStep();
  for (Bullet& bullet : bullets_) {
    if (!bullet.active) continue;
    bullet.y -= kBulletSpeed * step;
    if (bullet.y < pt + 12) {
      bullet.active = false;
      continue;
    }
    DrawSprite(bullet.sprite, bullet.x, bullet.y);
  }
  for (Alien& alien : aliens_) {
    Bomb& bomb = alien.bomb;
    if (!bomb.active) continue;
    bomb.y += kBombSpeed * step;
    if (bomb.y > pb - 12) {
      bomb.active = false;
      continue;
    }
    DrawSprite(bomb.sprite, bomb.x, bomb.y);
  }
  if (shipAlive_)
    DrawSprite(ship_, shipX_, shipY_);
  else
    shipExplosion_.Draw();
  for (Alien& alien : aliens_) {
    if (alien.alive)
      DrawSprite(alien.sprite, alien.x, alien.y);
    else
      alien.explosion.Draw();
  }
  GUI_Services::QueueText(pl, pt + 6, std::to_string(score_), kFont, 24,
                          play_.right - play_.left, 1, 255, 255, 255);
  if (gameOver_)
    GUI_Services::QueueText(static_cast<float>(clientRect.left),
                            static_cast<float>(rect.top + rect.bottom) / 2,
                            Translate("VIDEOGAME_GAMEOVER"), kFont, 20,
                            clientRect.right - clientRect.left, 1, 255, 255, 255);
  GUI_Services::FlushText();
}
