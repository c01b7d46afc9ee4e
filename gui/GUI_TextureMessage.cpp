// Picture message.
#include "gui/GUI_TextureMessage.h"

#include <algorithm>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "gui/GUI_Services.h"

namespace {
constexpr float kPicture = 64.0f;
}

GUI_TextureMessage::GUI_TextureMessage(const std::string& picture, const std::string& message)
    : GUI_Message(message), picture_(picture) {}

std::string CutTextureMessageTitle(const std::string& title) {
  std::string cut = title.substr(0, 29);
  if (cut.size() == 29) cut += "...";
  return cut;
}

void GUI_TextureMessage::Draw() {
  GUI_Dialog::Draw();
  D3DEngine& engine = D3DEngine::Instance();
  // A picture that cannot be loaded draws untextured, never with the last texture bound.
  if (engine.GetTexture(picture_)) {
    engine.SetTextureByName(picture_);
  } else {
    engine.SetTexture(0, nullptr);
  }
  BaseSprite sprite;
  sprite.width = kPicture;
  sprite.height = kPicture;
  sprite.SetColourARGB(0xFFFFFFFFu);
  sprite.SetPosition(static_cast<float>(clientRect.left) + 50.0f,
                     static_cast<float>(clientRect.top) + 50.0f);
  sprite.DrawQuad();
  const float pictureRight = sprite.right;
  const int wrap = static_cast<int>(static_cast<float>(clientRect.right) - 20.0f - pictureRight - 10.0f);
  if (!laidOut) {
    const int h = GUI_Services::MeasureHeight("tahoma bold", 16, text, wrap);
    rect.bottom = rect.top + std::max(h + 90, 140);
    height = rect.bottom - rect.top;
    UpdateClientRect();
    laidOut = true;
  }
  GUI_Services::QueueText(pictureRight + 10.0f, static_cast<float>(clientRect.top + 20), text,
                          "tahoma bold", 16, wrap, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

void ShowTextureMessage(std::string picture, std::string text, std::string title) {
  auto* box = new GUI_TextureMessage(picture, text);
  box->SetTitle(CutTextureMessageTitle(title));
}
