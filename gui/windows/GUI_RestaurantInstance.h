// The meal at a restaurant: a healthy or an indulgent meal (two boxes acting as a pair of
// radio buttons), wine or not, a picture of the meal by the kind of restaurant, and the order
// button that finishes the evening. Modal, without a close button: ordering is the way out.
#pragma once

#include <string>
#include <vector>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_CheckButton;
class SIM_RestaurantInstance;

class GUI_RestaurantInstance : public GUI_Dialog {
 public:
  static constexpr int kWidth = 500, kHeight = 300;
  static constexpr int kPictureWidth = 270, kPictureHeight = 180;

  // Replaces an open meal window; a null evening opens nothing.
  static void Open(SIM_RestaurantInstance* evening);
  static void Close();
  static GUI_RestaurantInstance* Instance() { return instance; }
  // The kinds of restaurant evening with meal pictures of their own; every other kind
  // shows the plain pair.
  struct MealPictures {
    const char* typeName;
    const char* healthy;
    const char* indulgent;
  };
  static const std::vector<MealPictures>& OwnMealPictures();
  // The healthy and indulgent pictures for a kind of restaurant evening.
  static std::string HealthyPicture(const std::string& typeName);
  static std::string IndulgentPicture(const std::string& typeName);

  ~GUI_RestaurantInstance() override;
  void Draw() override;

  void Healthy();
  void Indulgent();
  void ToggleWine();
  // Finishes the evening and closes.
  void Order();
  // The boxes' ticks from the evening's choices.
  void UpdateTicks();
  // The picture shown for the evening's meal choice.
  const std::string& ShownPicture() const;

  SIM_RestaurantInstance* Evening() const { return evening_; }
  GUI_ButtonText* OrderButton() const { return order_; }
  GUI_CheckButton* HealthyBox() const { return healthy_; }
  GUI_CheckButton* IndulgentBox() const { return indulgent_; }
  GUI_CheckButton* WineBox() const { return wine_; }

 private:
  explicit GUI_RestaurantInstance(SIM_RestaurantInstance* evening);

  static GUI_RestaurantInstance* instance;
  SIM_RestaurantInstance* evening_;
  GUI_ButtonText* order_ = nullptr;
  GUI_CheckButton* healthy_ = nullptr;
  GUI_CheckButton* indulgent_ = nullptr;
  GUI_CheckButton* wine_ = nullptr;
  std::string healthyPicture_;
  std::string indulgentPicture_;
};
