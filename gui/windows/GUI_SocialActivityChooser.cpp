// The social activity chooser.
#include "gui/windows/GUI_SocialActivityChooser.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Person.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Vesk.h"

GUI_SocialActivityChooser* GUI_SocialActivityChooser::instance = nullptr;

namespace {

constexpr int kEscape = 1, kReturn = 28, kLeft = 203, kRight = 205;
constexpr int kMaxPlaces = 10;
constexpr int kPerRow = 5;
constexpr float kPlace = GUI_EventIcon::kSize + 5;

void OnStart(void*) {
  if (GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance()) chooser->Start();
}
void OnNext(void*) { GUI_SocialActivityChooser::ScrollNext(); }
void OnPrevious(void*) { GUI_SocialActivityChooser::ScrollPrevious(); }

std::string Money(int amount) {
  if (amount == SIM_SocialiseType::kVariableCost) return Translate("VARIABLE");
  return "\xA3 " + FormatThousands(std::max(amount, 0));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Guest places

GUI_EventIcon::GUI_EventIcon(SIM_Person* person, bool required)
    : GUI_ButtonBase(nullptr, nullptr), person(person), required(required) {
  if (person)
    SetTooltip(person->GetFullName().c_str(), 30);
  else
    SetTooltipKey("TOOLTIP_EVENT_DUMMY_ICON", 30);
}

void GUI_EventIcon::Draw() {
  if (!visible) return;
  GUI_ButtonBase::Draw();
  if (person) {
    sprite.SetTextureString(person->GetPortrait());
    sprite.SetColour(255, 255, 255, 255);
  } else {
    sprite.SetTexture("blank_person.dds");
    sprite.SetColour(255, 255, 255, required ? 255 : 128);
  }
  sprite.width = static_cast<float>(kSize);
  sprite.height = static_cast<float>(kSize);
  sprite.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                     static_cast<float>(rect.top + rect.bottom) / 2.0f);
  sprite.Draw();
}

void GUI_EventIcon::Activate() {
  if (person) GUI_NPC::Open(person);
}

// ---------------------------------------------------------------------------------------------
// The chooser

void GUI_SocialActivityChooser::Open() {
  delete instance;  // the destructor clears the pointer
  GUI_SoloActivityChooser::Close();
  GUI_JobSearch::Close();
  GUI_EveningClasses::Close();
  new GUI_SocialActivityChooser();
}

void GUI_SocialActivityChooser::Close() { delete instance; }

// The wheel, like the keys, leaves the chooser alone while a modal window is open over it.
void GUI_SocialActivityChooser::ScrollPrevious() {
  if (instance && GUI_WindowManager::Instance().ModalWindows().empty()) instance->Previous();
}

void GUI_SocialActivityChooser::ScrollNext() {
  if (instance && GUI_WindowManager::Instance().ModalWindows().empty()) instance->Next();
}

void GUI_SocialActivityChooser::DropPerson(SIM_Person* person) {
  if (!instance || !person) return;
  if (!instance->HitTest(GUI_Services::MouseX(), GUI_Services::MouseY())) return;
  if (!instance->current) return;
  // The evening's own rules refuse with a word; the person's own refusal is theirs to say.
  if (const char* why = instance->current->WhyNoPlaceFor(instance->invitees, person)) {
    ShowMessage(Translate(why), Translate("SOCIALISE"));
    return;
  }
  if (!instance->CanInvite(person)) return;
  instance->invitees.push_back(person);
  instance->guestsLeft = false;
  instance->AddIcon(new GUI_EventIcon(person, false));
}

bool GUI_SocialActivityChooser::AddInvitee(SIM_Person* person) {
  if (!instance || !person) return false;
  instance->invitees.push_back(person);
  instance->AddIcon(new GUI_EventIcon(person, false));
  return true;
}

SIM_SocialiseType* GUI_SocialActivityChooser::GetCurrentType() {
  return instance ? instance->current : nullptr;
}

GUI_SocialActivityChooser::GUI_SocialActivityChooser() : GUI_Dialog(true) {
  instance = this;
  SetSize(300, 350);
  MoveTo(0, static_cast<float>(D3DEngine::Instance().GetHeight()) * 0.5f - 160.0f);
  SetTitle(Translate("SOCIALISE"));
  UpdateClientRect();
  GUI_WindowBase::Open();

  for (const auto& type : SIM_SocialiseType::All())
    if (type->IsAvailableToday()) types.push_back(type.get());
  position = 0;
  current = types.empty() ? nullptr : types.front();

  const auto wl = static_cast<float>(rect.left), wr = static_cast<float>(rect.right);
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  nextArrow = new GUI_IconButton("right.dds", OnNext, nullptr);
  nextArrow->SetHighlightTexture("right_h.dds");
  nextArrow->SetRect(wr - 32, ct + 7, wr - 8, ct + 37);
  AddButton(nextArrow);
  previousArrow = new GUI_IconButton("left.dds", OnPrevious, nullptr);
  previousArrow->SetHighlightTexture("left_h.dds");
  previousArrow->SetRect(wl + 8, ct + 7, wl + 32, ct + 37);
  AddButton(previousArrow);
  startButton = new GUI_ButtonText(Translate("SOCIALISE"), OnStart, nullptr);
  startButton->SetRect(cl + 20, cb - 30, cr - 20, cb - 6);
  AddButton(startButton);

  AddHelpButton("HELP_SOCIALACTIVITY");
  ResetIcons();
  UpdateButtons();
  ShowHint("social_dialog");
  GUI_GUI::Instance().SetKeyCapture(this);
}

GUI_SocialActivityChooser::~GUI_SocialActivityChooser() {
  if (instance == this) instance = nullptr;
  GUI_GUI::Instance().ReleaseKeyCapture(this);
  // The evening organised here is given up (or was handed its guests by Start): nobody
  // stays paid for, and a question about paying for someone has no evening left to ask for.
  SIM_Subsidies::Clear();
  GUI_NoMoneyDialog::Close();
}

void GUI_SocialActivityChooser::ResetIcons() {
  for (GUI_EventIcon* icon : icons) {
    RemoveButton(icon);
    delete icon;
  }
  icons.clear();
  if (!current) return;
  const int places = std::min(current->maxGuests - 1, kMaxPlaces);
  const int required = current->minGuests - 1;
  for (int i = 0; i < places; ++i) AddIcon(new GUI_EventIcon(nullptr, i < required));
}

void GUI_SocialActivityChooser::AddIcon(GUI_EventIcon* icon) {
  if (icon->GetPerson()) {
    // A guest takes the first empty place (a required one first, as the empty places keep
    // their order) and stands at the front.
    auto empty = std::find_if(icons.begin(), icons.end(),
                              [](const GUI_EventIcon* i) { return i->GetPerson() == nullptr; });
    if (empty != icons.end()) {
      GUI_EventIcon* place = *empty;
      icons.erase(empty);
      RemoveButton(place);
      delete place;
    }
    icons.insert(icons.begin(), icon);
  } else {
    icons.push_back(icon);
  }
  AddButton(icon);
  LayOutIcons();
}

void GUI_SocialActivityChooser::LayOutIcons() {
  const int n = std::min(static_cast<int>(icons.size()), kPerRow);
  const float firstX = static_cast<float>(rect.left + rect.right) / 2.0f - n * kPlace / 2.0f;
  float x = firstX;
  float y = static_cast<float>(clientRect.bottom) - 2 * GUI_EventIcon::kSize - 50;
  for (size_t i = 0; i < icons.size(); ++i) {
    if (i == static_cast<size_t>(kPerRow)) {
      x = firstX;
      y += kPlace + 5;
    }
    icons[i]->SetRect(x, y, x + kPlace, y + kPlace);
    x += kPlace;
  }
}

void GUI_SocialActivityChooser::ChangeType() {
  // Whoever was asked for the previous kind of evening is no longer coming.
  SIM_Subsidies::Clear();
  GUI_NoMoneyDialog::Close();
  current = position < types.size() ? types[position] : nullptr;
  invitees.clear();
  guestsLeft = false;
  ResetIcons();
  UpdateButtons();
}

void GUI_SocialActivityChooser::Next() {
  if (types.empty() || position + 1 >= types.size()) return;
  ++position;
  ChangeType();
}

void GUI_SocialActivityChooser::Previous() {
  if (position == 0) return;
  --position;
  ChangeType();
}

bool GUI_SocialActivityChooser::DropWhoNoLongerCome() {
  if (!current) return false;
  const SIM_SocialiseType* type = current;
  const auto gone = [type](const SIM_Person* person) { return !type->StillComes(person); };
  if (std::none_of(invitees.begin(), invitees.end(), gone)) return false;
  std::erase_if(invitees, gone);
  // Their places empty again, and whoever was paid for among them is paid for no longer.
  std::vector<SIM_NPC*> paidFor = SIM_Subsidies::Take();
  for (SIM_NPC* npc : paidFor)
    if (std::find(invitees.begin(), invitees.end(), npc) != invitees.end()) SIM_Subsidies::Add(npc);
  ResetIcons();
  for (SIM_Person* person : invitees) AddIcon(new GUI_EventIcon(person, false));
  guestsLeft = true;
  return true;
}

bool GUI_SocialActivityChooser::CanInvite(SIM_Person* person) {
  return current && current->CanInvite(invitees, person);
}

bool GUI_SocialActivityChooser::HasPlaceFor(SIM_Person* person) const {
  return current && current->HasPlaceFor(invitees, person);
}

bool GUI_SocialActivityChooser::CashCoversTheBill() const {
  // The player's own share and a share for each guest paid for.
  return !current || SIM_Finances::Instance().GetCash() >=
                         static_cast<float>(SIM_SocialiseInstance::LeastBill(
                             current, SIM_Subsidies::All().size()));
}

bool GUI_SocialActivityChooser::CanStart() const {
  if (!current || invitees.empty()) return false;
  const SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  if (!CashCoversTheBill()) return false;
  return static_cast<int>(invitees.size()) + 1 >= current->minGuests;
}

void GUI_SocialActivityChooser::UpdateButtons() {
  DropWhoNoLongerCome();
  const bool notFirst = position > 0;
  const bool notLast = !types.empty() && position + 1 < types.size();
  previousArrow->SetVisible(notFirst);
  previousArrow->SetEnabled(notFirst);
  nextArrow->SetVisible(notLast);
  nextArrow->SetEnabled(notLast);
  startButton->SetText(Translate(CashCoversTheBill() ? "SOCIALISE" : "INSUFFICIENT_CASH"));
  startButton->SetEnabled(CanStart());
  startButton->SetVisible(current != nullptr);  // nothing offered today: nothing to start
  startButton->SetDisabledReason(WhyCannotStart());
}

std::string GUI_SocialActivityChooser::WhyCannotStart() const {
  if (!current) return {};
  const SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() == PHASE_DAYOVER || sim.GetActsLeft() <= 0)
    return Translate("WHY_NO_ACTIVITY_LEFT");
  if (sim.GetPhase() != PHASE_ACTIVITIES) return Translate("WHY_NOT_YET");
  if (!CashCoversTheBill()) return Translate("WHY_NOT_ENOUGH_MONEY");
  if (invitees.empty() || static_cast<int>(invitees.size()) + 1 < current->minGuests)
    return Translate(!guestsLeft                        ? "WHY_INVITE_MORE_GUESTS"
                     : current->category == "ROMANTIC" ? "WHY_ROMANCE_OVER"
                                                       : "WHY_GUESTS_GONE");
  return {};
}

void GUI_SocialActivityChooser::Start() {
  // Someone gone since the last frame (Return needs none) leaves before the test. An evening
  // that loses its guests that way is refused with a word, the chooser staying open, rather
  // than closed and then called off without one.
  DropWhoNoLongerCome();
  // The button's own test, so Return never starts what the button would refuse.
  if (!CanStart()) {
    if (guestsLeft) ShowMessage(WhyCannotStart(), Translate("SOCIALISE"));
    return;
  }
  const std::vector<SIM_Person*> guests = invitees;
  SIM_SocialiseType* type = current;
  std::vector<SIM_NPC*> subsidised = SIM_Subsidies::Take();
  delete this;
  SIM_SocialiseInstance::StartEvening(guests, type, SIM_Vesk::Instance(), std::move(subsidised));
}

void GUI_SocialActivityChooser::OnKeyDown(int key) {
  switch (key) {
    case kEscape: Close(); break;
    case kReturn: Start(); break;
    case kLeft: Previous(); break;
    case kRight: Next(); break;
    default: break;
  }
}

void GUI_SocialActivityChooser::Draw() {
  if (!visible) return;
  UpdateButtons();
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const int wrap = clientRect.right - clientRect.left - 20;
  if (!current) {
    GUI_Services::QueueText(cl + 10, ct + 60, Translate("SOCIALISE_NOTHING_TODAY"), "tahoma bold",
                            16, wrap, 1, 255, 255, 255);
    GUI_Services::FlushText();
    return;
  }
  GUI_Services::QueueText(cl + 10, ct + 10, Translate(current->GetGuiName().c_str()),
                          "tahoma bold", 20, wrap, 1, 255, 255, 255);
  GUI_Services::QueueText(cl + 10, ct + 35, Translate(current->GetText().c_str()), "tahoma bold",
                          16, wrap, 0, 255, 255, 255);
  DrawCostBlock();
  GUI_Services::FlushText();
}

void GUI_SocialActivityChooser::DrawCostBlock() {
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const int wrap = clientRect.right - clientRect.left - 20;
  const float y0 = ct + 95;
  GUI_Services::QueueText(cl + 10, y0, Translate("SOCIALISE_COST"), "tahoma bold", 16, 0, 0, 255,
                          255, 255);
  // A price no venue names is shown as it is charged.
  const int cost =
      current->VenueSetsPrice() ? SIM_SocialiseType::kVariableCost : current->GetCost();
  GUI_Services::QueueText(cl + 90, y0, Money(cost), "tahoma bold", 16, 0, 0, 255, 255, 255);
  if (current->hostCost > 0) {
    GUI_Services::QueueText(cl + 140, y0, Translate("SOCIALISE_HOSTCOST"), "tahoma bold", 16, 0, 0,
                            255, 255, 255);
    GUI_Services::QueueText(cl + 210, y0, Money(current->hostCost), "tahoma bold", 16, 0, 0, 255,
                            255, 255);
  }
  GUI_Services::QueueText(cl + 10, y0 + 16, Translate("SOCIALISE_INTERESTS"), "tahoma bold", 16, 0,
                          0, 255, 255, 255);
  const float y1 = y0 + 36;
  const auto& interests = current->GetInterests();
  for (size_t k = 0; k < interests.size(); ++k) {
    const std::string& name = interests[k].first;
    const SIM_InterestType* interest = SIM_InterestType::Find(name);
    const std::string shown = interest ? Translate(interest->GetGuiName().c_str()) : name;
    GUI_Services::QueueText(cl + 30 + 140 * static_cast<float>(k % 2),
                            y1 + 14 * static_cast<float>(k / 2), shown, "tahoma bold", 16, wrap, 0,
                            255, 255, 255);
  }
}
