// Post-it notes.
#include "gui/GUI_Postit.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"

namespace {

constexpr float kLayoutWidth = 1024.0f;
constexpr float kLayoutHeight = 768.0f;

struct Notes {
  std::list<GUI_Postit*> all;
  GUI_Postit* slots[GUI_Postit::kSlotCount] = {};
  int lastId = 0;
};

Notes& N() {
  static Notes notes;
  return notes;
}

// A solo activity of that name that can be done today ("shoponline" may not exist at all).
bool AvailableToday(const char* name) {
  const SIM_SoloActivityType* type = SIM_SoloActivityType::TryFind(name);
  return type && type->IsAvailableToday();
}

}  // namespace

GUI_Postit* GUI_Postit::AddPostit(const std::string& text, int action) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (!N().slots[slot]) return new GUI_Postit(text, action, slot);
  LogWarning("Not enough postit slots", "GUI_Postit", __LINE__);
  return nullptr;
}

GUI_Postit::GUI_Postit(const std::string& noteText, int noteAction, int noteSlot)
    : text(noteText), slot(noteSlot), action(noteAction), id(++N().lastId) {
  N().all.push_back(this);
  N().slots[slot] = this;
  // A look only: the presentation generator, so notes never move the game's numbers.
  flipped = LookRandomFloat(0.0f, 1.0f) < 0.5f;
  if (flipped) sprite.FlipHorizontal();
  // Notes outlive a new game and a load: their owners remove them.
  closeOnNewGame = false;
  SetRect(static_cast<float>(kSlotLeft[slot]), static_cast<float>(kSlotTop[slot]),
          static_cast<float>(kSlotLeft[slot] + kSize), static_cast<float>(kSlotTop[slot] + kSize));
  // The places are laid out for 1024 x 768 (where the last note hangs a little over the bottom
  // edge, as a stuck-on note may). On a smaller screen the last two would lie largely or
  // wholly off it, out of sight and out of reach, so there a note is pulled onto the screen.
  if (g_screenWidth < kLayoutWidth || g_screenHeight < kLayoutHeight) ClampToScreen();
  Open();
}

GUI_Postit::~GUI_Postit() {
  N().all.remove(this);
  if (N().slots[slot] == this) N().slots[slot] = nullptr;
}

GUI_Postit* GUI_Postit::Find(int noteId) {
  if (noteId <= 0) return nullptr;
  for (GUI_Postit* note : N().all)
    if (note->id == noteId) return note;
  return nullptr;
}

bool GUI_Postit::Delete(int noteId) {
  GUI_Postit* note = Find(noteId);
  if (!note) return false;
  delete note;
  return true;
}

void GUI_Postit::DeleteAll() {
  while (!N().all.empty()) delete N().all.front();
}

void GUI_Postit::PrepareSlots() {
  DeleteAll();
  for (GUI_Postit*& occupant : N().slots) occupant = nullptr;
}

const std::list<GUI_Postit*>& GUI_Postit::All() { return N().all; }

GUI_Postit* GUI_Postit::InSlot(int slotIndex) {
  return slotIndex >= 0 && slotIndex < kSlotCount ? N().slots[slotIndex] : nullptr;
}

void GUI_Postit::DrawAll() {
  // Drawn by the window manager after the panels' texts and before the dialogs, so a note's
  // own flush never puts those texts over it and no note lies over a dialog. The walk is on a copy and skips a note that is gone.
  const std::list<GUI_Postit*> notes = N().all;
  for (GUI_Postit* note : notes)
    if (std::find(N().all.begin(), N().all.end(), note) != N().all.end() && note->IsVisible())
      note->DrawNote();
}

float GUI_Postit::TextX() const { return static_cast<float>(rect.left + (flipped ? 34 : 25)); }

float GUI_Postit::TextY() const { return static_cast<float>(rect.top + 32); }

void GUI_Postit::DrawNote() {
  const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
  const float cy = static_cast<float>(rect.top + rect.bottom) / 2.0f;
  // It glows only when a click would reach it: not under a modal window, nor under a dialog
  // that took the mouse.
  if (!GUI_WindowManager::Instance().IsHeld(this) && HasTheMouse()) {
    D3DEngine::Instance().SetTextureByName(kHighlightTexture);
    BaseSprite glow;
    glow.width = static_cast<float>(width + 8);
    glow.height = static_cast<float>(height + 8);
    glow.SetColourARGB(0xFFFFFFFFu);
    glow.SetPosition(cx, cy);
    glow.DrawQuad();
  }
  GUI_TextureSet::Instance().Select(kTextureSetEntry);
  sprite.width = static_cast<float>(width);
  sprite.height = static_cast<float>(height);
  sprite.SetColourARGB(0xFFFFFFFFu);
  sprite.SetPosition(cx, cy);
  sprite.DrawQuad();
  GUI_Services::QueueItalicText(TextX(), TextY(), text, kFont, kFontSize, kTextWidth, 0, 0, 0, 0);
  // Each note's text lies on its own picture, under the notes drawn after it.
  GUI_Services::FlushText();
}

void GUI_Postit::Update() {
  // A note not drawn (a full-screen page shows) hides nothing under it.
  if (GUI_GUI::Instance().ShowsMainScene()) GUI_WindowBase::Update();
}

bool GUI_Postit::OnClick(float x, float y) {
  // Notes are drawn only with the main scene; an unseen note must not take a click meant for
  // the page that shows instead (a movie, the end of the game, the social standing).
  if (!IsVisible() || !GUI_GUI::Instance().ShowsMainScene() || !HitTest(x, y)) return false;
  RunAction();
  // Taken even when nothing could open: the click was on the note.
  return true;
}

void GUI_Postit::RunAction() {
  switch (action) {
    case kPostitShopping:
      // The shop in town first, then the one online; neither today opens nothing.
      for (const char* name : {"shopping", "shoponline"}) {
        if (AvailableToday(name)) {
          GUI_Shopping::Open();
          GUI_Shopping::SelectTab(kShopPetsTab);
          return;
        }
      }
      return;
    case kPostitSoloActivity:
      GUI_SoloActivityChooser::Open();
      GUI_SoloActivityChooser::SelectByName(secondText.c_str());
      return;
    case kPostitEveningClass:
      // Classes are offered for the day's last slot only; before it the chooser would turn to
      // some other activity, so the note only says when the class is.
      if (!SIM_SIM::Instance().IsLastAct()) {
        ShowMessage(Translate("EVENINGCLASS_TONIGHT"), text);
        return;
      }
      GUI_SoloActivityChooser::Open();
      GUI_SoloActivityChooser::SelectEveningClass(secondText.c_str());
      return;
    case kPostitBowlingMatch:
      GUI_SoloActivityChooser::Open();
      GUI_SoloActivityChooser::SelectByName("bowlingmatch");
      return;
    default:
      return;
  }
}
