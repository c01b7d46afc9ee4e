// The pet details window.
#include "gui/windows/GUI_PetDetails.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "sim/SIM_PetBase.h"

GUI_PetDetails* GUI_PetDetails::instance = nullptr;

namespace {

constexpr int kKeyEscape = 1, kKeyBackspace = 14, kKeyEnter = 28, kKeyLeftShift = 42,
              kKeyRightShift = 54;
constexpr const char* kFont = "tahoma bold";
constexpr size_t kMaxName = 40;
// The dialog's title size, and how far a centred title keeps from either side: the close
// button's 34 pixels and room for the caret.
constexpr int kTitleSize = 24;
constexpr int kTitleInset = 44;

// The pet is still there: a new game or a load rebuilds every asset.
bool StillThere(const SIM_PetBase* pet) {
  const std::vector<SIM_Asset*>& all = SIM_Asset::All();
  return std::find(all.begin(), all.end(), pet) != all.end();
}

}  // namespace

void GUI_PetDetails::Open(SIM_PetBase* pet) {
  ReportAssertion(pet != nullptr, "HOOK_PetBase", 24);
  if (!pet) return;
  Close();
  new GUI_PetDetails(pet);
}

void GUI_PetDetails::Close() { delete instance; }

GUI_PetDetails::GUI_PetDetails(SIM_PetBase* pet) : GUI_Dialog(true), pet_(pet) {
  picture_.width = kPicture;
  picture_.height = kPicture;
  picture_.SetTextureString(pet->GetPicture());
  text_ = Translate(pet->GetDetailsKey().c_str());
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  GUI_WindowBase::Open();
  ShowName();
  // The parrot greets whoever looks at it.
  if (!pet->GetSoundFile().empty()) GUI_Services::PlaySound(pet->GetSoundFile().c_str());
  ShowHint("pet_name");
}

GUI_PetDetails::~GUI_PetDetails() {
  if (instance == this) instance = nullptr;
  GUI_GUI::Instance().ReleaseKeyCapture(this);
}

float GUI_PetDetails::CaretX() const {
  const int width = GUI_Services::MeasureWidth(kFont, kTitleSize, title);
  return static_cast<float>(rect.left + rect.right) / 2.0f + static_cast<float>(width) / 2.0f + 3.0f;
}

void GUI_PetDetails::ShowName() {
  // Centred over the window, the name stays clear of the close button on its right (and the
  // caret after it): a long one is cut with "...", at its end while it is typed so that the
  // last letters stay beside the caret.
  const int room = static_cast<int>(width) - 2 * kTitleInset;
  const std::string& name = pet_->GetPetName();
  SetTitle(editing_ ? FitTextEndToWidth(kFont, kTitleSize, name, room)
                    : FitTextToWidth(kFont, kTitleSize, name, room));
}

void GUI_PetDetails::EndEditing() {
  GUI_GUI::Instance().ReleaseKeyCapture(this);
  caretVisible_ = false;
  editing_ = false;
  if (StillThere(pet_)) ShowName();
}

bool GUI_PetDetails::OnClick(float x, float y) {
  if (!visible) return false;
  if (x >= rect.left + 5 && x <= rect.right - 32 && y >= rect.top + 5 && y <= rect.top + 40) {
    GUI_GUI::Instance().SetKeyCapture(this);
    caretVisible_ = true;
    caretTimer_.Start();
    editing_ = true;
    ShowName();
    return true;
  }
  return GUI_WindowBase::OnClick(x, y);
}

void GUI_PetDetails::OnKeyDown(int key) {
  if (!editing_) return;
  // A load may have rebuilt the pets since the last frame.
  if (!StillThere(pet_)) {
    EndEditing();
    return;
  }
  if (key == kKeyEscape || key == kKeyEnter) {
    EndEditing();
    return;
  }
  std::string name = pet_->GetPetName();
  if (key == kKeyBackspace) {
    if (name.empty()) return;
    name.pop_back();
  } else {
    const char c = ScanCodeToChar(key);
    const unsigned char u = static_cast<unsigned char>(c);
    if ((!std::isalpha(u) && c != ' ') || name.size() >= kMaxName) return;
    const bool shift =
        GUI_Services::IsKeyDown(kKeyLeftShift) || GUI_Services::IsKeyDown(kKeyRightShift);
    name += shift ? static_cast<char>(std::toupper(u)) : static_cast<char>(std::tolower(u));
  }
  pet_->SetPetName(name);
  ShowName();
}

void GUI_PetDetails::Draw() {
  if (!visible) return;
  if (!StillThere(pet_) || !pet_->IsOwned()) {
    delete this;
    return;
  }
  GUI_Dialog::Draw();
  D3DEngine& engine = D3DEngine::Instance();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right);
  picture_.SetColourARGB(0xFFFFFFFFu);
  picture_.SetPosition(cl + 74, ct + 74);
  picture_.Draw();
  picture_.DrawOutline(0xFFFFFFFFu);
  const float x = cl + 74 + kPicture / 2.0f + 20;
  GUI_Services::QueueText(x, ct + 12, text_, kFont, 16, static_cast<int>(cr - 30 - (x - 20)), 0,
                          255, 255, 255);
  float y = ct + 77;
  const int species = pet_->GetSpecies();
  const int stock = species >= 0 && species < kPetSpeciesCount ? PetFoodStock[species] : 0;
  GUI_Services::QueueText(x, y, Translate("PETFOOD_DAYSLEFT"), kFont, 16, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(x + 180, y, std::to_string(stock), kFont, 16, 0, 0, 255, 255, 255);
  if (pet_->GetDaysWithoutFood() > 0) {
    y += 20;
    GUI_Services::QueueText(x, y, Translate("PET_DAYSWITHOUTFOOD"), kFont, 16, 0, 0, 255, 255,
                            255);
    GUI_Services::QueueText(x + 180, y, std::to_string(pet_->GetDaysWithoutFood()), kFont, 16, 0,
                            0, 255, 255, 255);
  }
  if (const auto* dog = dynamic_cast<const SIM_Dog*>(pet_)) {
    y += 20;
    GUI_Services::QueueText(x, y, Translate("DOG_BURGLARSATTACKED"), kFont, 16, 0, 0, 255, 255,
                            255);
    GUI_Services::QueueText(x + 180, y, std::to_string(dog->GetBurglarsAttacked()), kFont, 16, 0,
                            0, 255, 255, 255);
  }
  GUI_Services::FlushText();
  if (editing_) {
    caretTimer_.Update();
    if (caretTimer_.elapsed > kCaretBlinkMs) {
      caretTimer_.Start();
      caretVisible_ = !caretVisible_;
    }
    if (caretVisible_) {
      const int left = static_cast<int>(CaretX());
      engine.FillRect(left, rect.top + 15, left + 3, rect.top + 30, 0xE0FFFFFFu);
    }
  }
}
