// The game's mouse cursor.
#include "gui/GUI_Cursor.h"

#include "gui/GUI_Shell.h"
#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "gui/GUI_Services.h"

GUI_Cursor& GUI_Cursor::Instance() {
  static GUI_Cursor cursor;
  return cursor;
}

void GUI_Cursor::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  if (hidden_ || engine.cursorOff) return;
  const float size = kSize * Shell().GetUIScale();
  BaseSprite sprite;
  sprite.width = size;
  sprite.height = size;
  sprite.SetPosition(GUI_Services::MouseX() + size / 2.0f, GUI_Services::MouseY() + size / 2.0f);
  engine.SetTextureByName(kTexture);
  sprite.Draw();
}
