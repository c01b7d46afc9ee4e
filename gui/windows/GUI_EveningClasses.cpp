// The evening classes window.
#include "gui/windows/GUI_EveningClasses.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_TimeChunk.h"

GUI_EveningClasses* GUI_EveningClasses::instance = nullptr;

namespace {

constexpr const char* kBold = "tahoma bold";
constexpr const char* kPlain = "tahoma";
constexpr const char* kMouseOver = "data/sounds/mouseover.ogg";

struct School {
  const char* key;
  const char* icon;
  const char* description;
  int category;
};

// In the order of the buttons.
constexpr School kSchools[] = {
    {"SCHOOL_DRAMA", "icon_drama.bmp", "SCHOOL_DRAMA_DESC", HOOK_EveningClassType::DRAMA},
    {"SCHOOL_MEDICAL", "icon_medical.bmp", "SCHOOL_MEDICAL_DESC", HOOK_EveningClassType::MEDICAL},
    {"SCHOOL_LAW", "icon_law.bmp", "SCHOOL_LAW_DESC", HOOK_EveningClassType::LAW},
    {"SCHOOL_TECHNICAL", "icon_technical.bmp", "SCHOOL_TECHNICAL_DESC",
     HOOK_EveningClassType::TECHNICAL},
    {"SCHOOL_ADULT", "icon_adult.bmp", "SCHOOL_ADULT_DESC", HOOK_EveningClassType::ADULT},
};

// The last school button and strip the mouse entered: the hover sound plays once per entry.
const void* g_hoveredSchool = nullptr;
const void* g_hoveredStrip = nullptr;

bool MouseIn(const GUI_Rect& r) {
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void OnSchool(void* button) {
  auto* school = static_cast<GUI_SchoolButton*>(button);
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) {
    window->SelectSchool(school->GetCategory());
  }
}
void OnBack(void*) {
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) window->ShowSchools();
}
void OnNext(void*) {
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) window->NextPage();
}
void OnPrevious(void*) {
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) window->PreviousPage();
}
void OnEnrol(void*) {
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) window->Enrol();
}

}  // namespace

// ---- school buttons ----

GUI_SchoolButton::GUI_SchoolButton(int category, const char* icon, const std::string& name,
                                   const std::string& description)
    : GUI_IconButton(icon, OnSchool, this), category_(category), name_(name),
      description_(description) {}

GUI_SchoolButton::~GUI_SchoolButton() {
  if (g_hoveredSchool == this) g_hoveredSchool = nullptr;
}

void GUI_SchoolButton::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  const bool over = enabled && MouseIn(rect);
  if (over) {
    engine.FillRect(rect.left, rect.top, rect.right, rect.bottom, 0xFFB2B2B2u);
    if (g_hoveredSchool != this) GUI_Services::PlaySound(kMouseOver);
    g_hoveredSchool = this;
  } else if (g_hoveredSchool == this) {
    g_hoveredSchool = nullptr;
  }
  engine.DrawRectOutline(rect.left, rect.top, rect.right, rect.bottom, 0xFFFFFFFFu);
  normal.width = 48;
  normal.height = 48;
  normal.SetColour(over ? 255 : 200, over ? 255 : 200, over ? 255 : 200, 255);
  normal.SetPosition(static_cast<float>(rect.left + 30), static_cast<float>(rect.top + 30));
  normal.Draw();
  const float x = static_cast<float>(rect.left + 30 + 24 + 10);
  GUI_Services::QueueText(x, static_cast<float>(rect.top + 5), name_, kBold, 20, 0, 0, 255, 255,
                          255);
  GUI_Services::QueueText(x, static_cast<float>(rect.top + 25), description_, kBold, 16,
                          static_cast<int>(static_cast<float>(rect.right) - x) - 20, 0, 255, 255,
                          255);
}

// ---- class strips ----

GUI_EveningClassStrip::GUI_EveningClassStrip(HOOK_EveningClassType* type) : type_(type) {
  ReportAssertion(type != nullptr, "GUI_EveningClasses", 194);
  if (!type) return;
  completed_ = type->IsCompleted();
  available_ = !completed_ && type->ArePrerequisitesMet();
}

GUI_EveningClassStrip::~GUI_EveningClassStrip() {
  if (g_hoveredStrip == this) g_hoveredStrip = nullptr;
}

std::string GUI_EveningClassStrip::RightText() const {
  if (!type_) return {};
  if (available_) return GUI_EveningClasses::CostText(type_->GetCost());
  return Translate(completed_ ? "EVENINGCLASS_COMPLETED" : "EVENINGCLASS_UNAVAILABLE");
}

void GUI_EveningClassStrip::Draw() {
  if (!visible || !type_) return;
  D3DEngine& engine = D3DEngine::Instance();
  if (MouseIn(rect)) {
    engine.FillRect(rect.left, rect.top, rect.right, rect.bottom, 0x54FFFFFFu);
    if (g_hoveredStrip != this) GUI_Services::PlaySound(kMouseOver);
    g_hoveredStrip = this;
  } else if (g_hoveredStrip == this) {
    g_hoveredStrip = nullptr;
  }
  const GUI_EveningClasses* window = GUI_EveningClasses::Instance();
  if (window && window->GetSelected() == type_) {
    engine.FillRect(rect.left, rect.top, rect.right, rect.bottom, 0x54FFFFFFu);
    engine.DrawRectOutline(rect.left, rect.top, rect.right, rect.bottom, 0x80FFFFFFu);
  }
  GUI_Services::QueueText(static_cast<float>(rect.left + 10), static_cast<float>(rect.top),
                          type_->GetDisplayText(), kBold, 16, 0, 0, 255, 255, 255);
  const std::string right = RightText();
  const int w = GUI_Services::MeasureWidth(kBold, 16, right);
  GUI_Services::QueueText(static_cast<float>(rect.right - 5 - w), static_cast<float>(rect.top),
                          right, kBold, 16, 0, 0, 255, 255, 255);
}

bool GUI_EveningClassStrip::OnClick(float x, float y) {
  if (!visible || !HitTest(x, y)) return false;
  if (GUI_EveningClasses* window = GUI_EveningClasses::Instance()) window->SelectClass(type_);
  return true;
}

// ---- the details pane ----

GUI_EveningClassDetails::GUI_EveningClassDetails() {
  enrol_ = new GUI_ButtonText(Translate("EVENINGCLASSES_ENROLL"), OnEnrol, nullptr);
  enrol_->SetTooltipKey("TOOLTIP_ENROLL", 60);
  enrol_->SetVisible(false);
  enrol_->SetEnabled(false);
  AddButton(enrol_);
}

void GUI_EveningClassDetails::SetClass(HOOK_EveningClassType* type) {
  ReportAssertion(type != nullptr, "GUI_EveningClasses", 86);
  type_ = type;
  available_ = type && type->ArePrerequisitesMet();
  UpdateEnrol();
}

void GUI_EveningClassDetails::UpdateEnrol() {
  const bool offered = type_ && available_ && !type_->IsCompleted();
  enrol_->SetVisible(offered);
  enrol_->SetEnabled(offered && !type_->IsEnrolled() && GUI_EveningClasses::CanEnrolNow());
  const SIM_SIM& sim = SIM_SIM::Instance();
  const bool dayOver = sim.GetPhase() == PHASE_DAYOVER ||
                       (sim.GetPhase() == PHASE_ACTIVITIES && sim.GetActsLeft() <= 0);
  const char* why = !offered              ? nullptr
                    : type_->IsEnrolled() ? "WHY_ALREADY_ENROLLED"
                    : dayOver             ? "WHY_NO_ACTIVITY_LEFT"
                                          : "WHY_NOT_YET";
  enrol_->SetDisabledReason(why ? Translate(why) : std::string());
}

void GUI_EveningClassDetails::Draw() {
  if (!visible || !type_) return;
  enrol_->SetRect(static_cast<float>(rect.right - 130), static_cast<float>(rect.bottom - 30),
                  static_cast<float>(rect.right - 10), static_cast<float>(rect.bottom - 10));
  UpdateEnrol();
  GUI_WindowBase::Draw();
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto b = static_cast<float>(rect.bottom);
  if (available_) {
    GUI_Services::QueueText(l + 10, t + 5, type_->GetDisplayText(), kBold, 16, 0, 0, 255, 255, 255);
    const std::string cost = GUI_EveningClasses::CostText(type_->GetCost());
    const int w = GUI_Services::MeasureWidth(kBold, 16, cost);
    GUI_Services::QueueText(static_cast<float>(rect.right - 5 - w), t + 5, cost, kBold, 16, 0, 0,
                            255, 255, 255);
    GUI_Services::QueueText(l + 10, t + 20, Translate(type_->GetDescriptionKey().c_str()), kPlain,
                            16, width - 130, 0, 255, 255, 255);
    D3DEngine& engine = D3DEngine::Instance();
    float x = l + 30;
    for (int i = 0; i < 7; ++i, x += 34) {
      const std::string day = "EV_DAY_" + std::to_string(i);
      GUI_Services::QueueText(x - 30, b - 52, Translate(day.c_str()), kPlain, 16, 80, 1, 255, 255,
                              255);
      engine.DrawRectOutline(static_cast<int>(x), static_cast<int>(b - 35), static_cast<int>(x + 20),
                             static_cast<int>(b - 15), 0xFFFFFFFFu);
      if (type_->MeetsOn(i))
        GUI_Services::QueueText(x + 2, b - 35, "X", kBold, 20, 20, 1, 255, 255, 255);
    }
  } else {
    GUI_Services::QueueText(l + 10, t + 5,
                            type_->GetDisplayText() + " (" +
                                Translate("EVENINGCLASS_UNAVAILABLE") + ")",
                            kBold, 16, 0, 0, 255, 255, 255);
    GUI_Services::QueueText(l + 10, b - 80, Translate("EVENINGCLASSES_REQUIRES"), kBold, 16, 0, 0,
                            255, 255, 255);
    float y = b - 60;
    for (const auto& requirement : type_->GetPrerequisites()) {
      const std::string key = "nv_" + requirement->GetName();
      GUI_Services::QueueText(l + 30, y, Translate(key.c_str()), kPlain, 16, 0, 0, 255, 255, 255);
      y += 18;
    }
  }
}

// ---- the window ----

void GUI_EveningClasses::Open(bool fromActivity) {
  delete instance;  // the destructor clears the pointer
  GUI_JobSearch::Close();
  GUI_SocialActivityChooser::Close();
  GUI_SoloActivityChooser::Close();
  new GUI_EveningClasses(fromActivity);
}

void GUI_EveningClasses::Close() { delete instance; }

std::string GUI_EveningClasses::CostText(float cost) {
  return "\xA3 " + FormatFixed(cost, 2) + " / " + Translate("EVENINGCLASSES_WEEK");
}

bool GUI_EveningClasses::CanEnrolNow() {
  if (instance && instance->fromActivity_) return true;
  const SIM_SIM& sim = SIM_SIM::Instance();
  return sim.GetPhase() == PHASE_ACTIVITIES && sim.GetActsLeft() > 0;
}

GUI_EveningClasses::GUI_EveningClasses(bool fromActivity)
    : GUI_Dialog(true), fromActivity_(fromActivity) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  GUI_WindowBase::Open();
  const auto wl = static_cast<float>(rect.left), wt = static_cast<float>(rect.top);
  const auto wr = static_cast<float>(rect.right);
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  float y = static_cast<float>(clientRect.top) + 20;
  for (const School& school : kSchools) {
    auto* button = new GUI_SchoolButton(school.category, school.icon, Translate(school.key),
                                        Translate(school.description));
    button->SetRect(cl + 20, y, cr - 20, y + 60);
    button->SetTooltipKey((std::string(school.key) + "_TOOLTIP").c_str(), 60);
    AddButton(button);
    schools_.push_back(button);
    y += 65;
  }
  SetTitle(Translate("EVENINGCLASSES_TITLE"));
  AddHelpButton("HELP_EVENINGCLASSES");
  back_ = new GUI_IconButton("left.dds", OnBack, nullptr);
  back_->SetHighlightTexture("left_h.dds");
  back_->SetRect(wl + 10, wt + 10, wl + 35, wt + 35);
  back_->SetTooltipKey("EVENING_CLASSES_JOB_GOBACK", 60);
  AddButton(back_);
  // The arrows are made once and shown with a school's classes.
  right_ = new GUI_IconButton("right.dds", OnNext, nullptr);
  right_->SetHighlightTexture("right_h.dds");
  right_->SetRect(wr - 60, wt + 256, wr - 30, wt + 280);
  AddButton(right_);
  left_ = new GUI_IconButton("left.dds", OnPrevious, nullptr);
  left_->SetHighlightTexture("left_h.dds");
  left_->SetRect(wl + 30, wt + 256, wl + 60, wt + 280);
  AddButton(left_);
  for (GUI_IconButton* button : {back_, right_, left_}) {
    button->SetVisible(false);
    button->SetEnabled(false);
  }
  ShowHint("classes_dialog");
}

GUI_EveningClasses::~GUI_EveningClasses() {
  if (instance == this) instance = nullptr;
}

const std::vector<HOOK_EveningClassType*>* GUI_EveningClasses::List() const {
  if (school_ < 0) return nullptr;
  return &HOOK_EveningClassType::InCategory(school_);
}

std::vector<GUI_EveningClassStrip*> GUI_EveningClasses::Strips() const {
  std::vector<GUI_EveningClassStrip*> strips;
  for (GUI_WindowBase* child : children)
    if (auto* strip = dynamic_cast<GUI_EveningClassStrip*>(child)) strips.push_back(strip);
  return strips;
}

void GUI_EveningClasses::SelectSchool(int category) {
  ReportAssertion(category >= 0 && category < HOOK_EveningClassType::kCategoryCount,
                  "GUI_EveningClasses", 442);
  if (category < 0 || category >= HOOK_EveningClassType::kCategoryCount) return;
  school_ = category;
  page_ = 0;
  BuildStrips();
  GUI_Services::PlayClick();
  for (GUI_SchoolButton* button : schools_) {
    button->SetVisible(false);
    button->SetEnabled(false);
  }
}

void GUI_EveningClasses::BuildStrips() {
  const std::vector<HOOK_EveningClassType*>* list = List();
  ReportAssertion(list != nullptr, "GUI_EveningClasses", 487);
  if (!list) return;
  back_->SetVisible(true);
  back_->SetEnabled(true);
  DeleteChildren();
  details_ = nullptr;
  selected_ = nullptr;
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  float y = ct + 20;
  HOOK_EveningClassType* last = nullptr;
  const size_t first = static_cast<size_t>(page_) * kPerPage;
  for (size_t i = first; i < list->size() && i < first + kPerPage; ++i) {
    auto* strip = new GUI_EveningClassStrip((*list)[i]);
    strip->SetRect(cl + 10, y, cr - 10, y + 18);
    AddChild(strip);
    last = (*list)[i];
    y += 20;
  }
  details_ = new GUI_EveningClassDetails();
  details_->SetRect(cl, ct + 250, cr, cb);
  AddChild(details_);
  if (last) SelectClass(last);
  UpdateArrows();
}

void GUI_EveningClasses::ShowSchools() {
  DeleteChildren();
  details_ = nullptr;
  selected_ = nullptr;
  school_ = -1;
  page_ = 0;
  for (GUI_IconButton* button : {back_, right_, left_}) {
    button->SetVisible(false);
    button->SetEnabled(false);
  }
  for (GUI_SchoolButton* button : schools_) {
    button->SetVisible(true);
    button->SetEnabled(true);
  }
}

void GUI_EveningClasses::SelectClass(HOOK_EveningClassType* type) {
  if (!details_) return;
  details_->SetClass(type);
  selected_ = type;
}

void GUI_EveningClasses::UpdateArrows() {
  const std::vector<HOOK_EveningClassType*>* list = List();
  const bool previous = list && page_ >= 1;
  const bool next = list && list->size() > static_cast<size_t>(page_ + 1) * kPerPage;
  left_->SetVisible(previous);
  left_->SetEnabled(previous);
  right_->SetVisible(next);
  right_->SetEnabled(next);
}

void GUI_EveningClasses::NextPage() {
  const std::vector<HOOK_EveningClassType*>* list = List();
  if (!list || list->size() <= static_cast<size_t>(page_ + 1) * kPerPage) return;
  ++page_;
  BuildStrips();
}

void GUI_EveningClasses::PreviousPage() {
  if (!List() || page_ < 1) return;
  --page_;
  BuildStrips();
}

void GUI_EveningClasses::Enrol() {
  if (!details_) return;
  details_->UpdateEnrol();
  HOOK_EveningClassType* type = details_->GetClass();
  if (!type || !details_->EnrolButton()->IsEnabled()) return;
  const bool usesSlot = !fromActivity_;
  type->Enrol();
  delete this;  // the memory waits for the end of the click
  // Opened from the control panel, enrolling is this slot's activity.
  if (usesSlot) SIM_TimeChunk().Run();
}

void GUI_EveningClasses::Draw() {
  if (!visible) return;
  UpdateArrows();
  GUI_Dialog::Draw();
  if (school_ >= 0) {
    DrawDivider(250);
    DrawChildren();
  }
  GUI_Services::FlushText();
}
