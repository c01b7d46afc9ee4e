// The meal window of a restaurant evening.
#include "gui/windows/GUI_RestaurantInstance.h"

#include "engine/CTexturedSprite.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_SocialiseType.h"

GUI_RestaurantInstance* GUI_RestaurantInstance::instance = nullptr;

namespace {

void OnHealthy(void*) {
  if (GUI_RestaurantInstance* meal = GUI_RestaurantInstance::Instance()) meal->Healthy();
}
void OnIndulgent(void*) {
  if (GUI_RestaurantInstance* meal = GUI_RestaurantInstance::Instance()) meal->Indulgent();
}
void OnWine(void*) {
  if (GUI_RestaurantInstance* meal = GUI_RestaurantInstance::Instance()) meal->ToggleWine();
}
void OnOrder(void*) {
  if (GUI_RestaurantInstance* meal = GUI_RestaurantInstance::Instance()) meal->Order();
}

}  // namespace

void GUI_RestaurantInstance::Open(SIM_RestaurantInstance* evening) {
  Close();
  if (!evening) {
    ReportAssertion(false, "GUI_Restaurant", __LINE__);
    return;
  }
  new GUI_RestaurantInstance(evening);
}

void GUI_RestaurantInstance::Close() { delete instance; }

const std::vector<GUI_RestaurantInstance::MealPictures>& GUI_RestaurantInstance::OwnMealPictures() {
  static const std::vector<MealPictures> pictures = {
      {"pizzarestaurant", "rest_vegpizza.bmp", "rest_meatpizza.bmp"},
      {"mexicanrestaurant", "rest_healthy.bmp", "rest_indulge_mexican.bmp"},
      {"chineserestaurant", "rest_healthy.bmp", "rest_indulge_chinese.bmp"},
  };
  return pictures;
}

namespace {

const GUI_RestaurantInstance::MealPictures* OwnPicturesOf(const std::string& typeName) {
  for (const auto& pictures : GUI_RestaurantInstance::OwnMealPictures())
    if (typeName == pictures.typeName) return &pictures;
  return nullptr;
}

}  // namespace

std::string GUI_RestaurantInstance::HealthyPicture(const std::string& typeName) {
  const MealPictures* own = OwnPicturesOf(typeName);
  return own ? own->healthy : "rest_healthy.bmp";
}

std::string GUI_RestaurantInstance::IndulgentPicture(const std::string& typeName) {
  const MealPictures* own = OwnPicturesOf(typeName);
  return own ? own->indulgent : "rest_indulgent.bmp";
}

GUI_RestaurantInstance::GUI_RestaurantInstance(SIM_RestaurantInstance* evening)
    : GUI_Dialog(false), evening_(evening) {
  instance = this;
  const SIM_Restaurant* chosen = evening_->GetChosen();
  SetTitle(chosen ? chosen->GetName() : std::string(Translate("RESTAURANT_CHOOSEMENU")));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right), cb = static_cast<float>(clientRect.bottom);
  order_ = new GUI_ButtonText(Translate("RESTAURANT_ORDERFOOD"), OnOrder, nullptr);
  order_->SetTooltipKey("RESTAURANT_ORDERFOOD_TOOLTIP", 60);
  order_->SetRect(cl + 20, cb - 35, cr - 20, cb - 10);
  AddButton(order_);
  const float x = cr - 165, y = ct + 30;
  auto box = [this, x](const char* label, const char* tooltip, GUI_ButtonCallback callback,
                       float top) {
    auto* check = new GUI_CheckButton(Translate(label), callback, nullptr);
    check->SetTooltipKey(tooltip, 60);
    check->SetRect(x, top, x + 150, top + 22);
    AddButton(check);
    return check;
  };
  healthy_ = box("REST_TOGGLE_HEALTHY", "REST_TOGGLE_HEALTHY_TOOLTIP", OnHealthy, y);
  indulgent_ = box("REST_TOGGLE_UNHEALTHY", "REST_TOGGLE_UNHEALTHY_TOOLTIP", OnIndulgent, y + 42);
  wine_ = box("REST_TOGGLE_ALCOHOL", "REST_TOGGLE_ALCOHOL_TOOTIP", OnWine, y + 84);
  MakeModal();
  const std::string typeName = evening_->GetType() ? evening_->GetType()->GetName() : std::string();
  healthyPicture_ = HealthyPicture(typeName);
  indulgentPicture_ = IndulgentPicture(typeName);
  UpdateTicks();
}

GUI_RestaurantInstance::~GUI_RestaurantInstance() {
  if (instance == this) instance = nullptr;
}

void GUI_RestaurantInstance::UpdateTicks() {
  wine_->SetChecked(evening_->GetWine());
  const bool indulgent = evening_->GetMealChoice() == SIM_RestaurantInstance::kIndulgent;
  indulgent_->SetChecked(indulgent);
  healthy_->SetChecked(!indulgent);
}

void GUI_RestaurantInstance::Healthy() {
  evening_->SetMealChoice(SIM_RestaurantInstance::kHealthy);
  UpdateTicks();
}

void GUI_RestaurantInstance::Indulgent() {
  evening_->SetMealChoice(SIM_RestaurantInstance::kIndulgent);
  UpdateTicks();
}

void GUI_RestaurantInstance::ToggleWine() {
  evening_->SetWine(!evening_->GetWine());
  UpdateTicks();
}

void GUI_RestaurantInstance::Order() {
  SIM_RestaurantInstance* evening = evening_;
  delete this;  // freed after the click; the report the evening opens is on top
  evening->Complete();
}

const std::string& GUI_RestaurantInstance::ShownPicture() const {
  return evening_->GetMealChoice() == SIM_RestaurantInstance::kIndulgent ? indulgentPicture_
                                                                          : healthyPicture_;
}

void GUI_RestaurantInstance::Draw() {
  if (!visible) return;
  UpdateTicks();
  GUI_Dialog::Draw();
  CTexturedSprite picture;
  picture.width = kPictureWidth;
  picture.height = kPictureHeight;
  picture.SetColourARGB(0xFFFFFFFFu);
  picture.SetTextureString(ShownPicture());
  picture.SetPosition(static_cast<float>(clientRect.left + 150),
                      static_cast<float>(clientRect.top + 105));
  picture.Draw();
  picture.DrawOutline(0xFFFFFFFFu);
  GUI_Services::FlushText();
}
