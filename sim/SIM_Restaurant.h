// Restaurants: read from "data/simulation/restaurants.csv", each with a cuisine tag (the name
// of the kind of evening that goes there), a price and a style. The style decides how hard a
// table is to get on a given day, how good today's meal is, the rumour the place starts and
// the standing a meal there gives. A restaurant evening books one and orders a meal.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_SocialiseInstance.h"

enum SIM_RestaurantStyle {
  // A style word the table does not know: the daily roll warns and leaves the day as it was.
  RESTAURANT_INVALID = -1,
  RESTAURANT_CHEAPO = 0,
  RESTAURANT_MIDRANGE = 1,
  RESTAURANT_SNOOTY = 2,
  RESTAURANT_HIP = 3,
};

class SIM_Restaurant {
 public:
  static constexpr const char* kTableFile = "data/simulation/restaurants.csv";
  // The kind of the rumours restaurants start.
  static constexpr int kRumourKind = 1;

  SIM_Restaurant() = default;
  virtual ~SIM_Restaurant() = default;
  SIM_Restaurant(const SIM_Restaurant&) = delete;
  SIM_Restaurant& operator=(const SIM_Restaurant&) = delete;

  // Reads the table anew, gives each its style's standing (and, with rumours, its rumour),
  // rolls today's tables.
  static void LoadAll(const std::string& file = kTableFile, bool rumours = true);
  static void DeleteAll();
  static void DailyUpdateAll();
  static const std::vector<std::unique_ptr<SIM_Restaurant>>& All();
  // "CHEAPO", "MIDRANGE", "SNOOTY", "HIP"; anything else is invalid.
  static SIM_RestaurantStyle StyleFromWord(const std::string& word);

  // Today's table and rating from the day of the week, the player's standing, wealth,
  // culture, cooking and taste for the cuisine; a food critic always gets a table.
  void DailyUpdate();
  bool HasSameCuisine(const SIM_Restaurant* other) const {
    return other && other->cuisine_ == cuisine_;
  }
  // The player's taste for this cuisine: 1 for a cuisine without a matching interest.
  float CuisineInterest() const;
  // The cuisines whose tables follow the player's taste for them: each cuisine tag with the
  // player's value it reads. Every other tag counts as a taste of 1.
  struct CuisineTaste {
    const char* cuisine;
    const char* playerValue;
  };
  static const std::vector<CuisineTaste>& CuisineTastes();
  // The player's value for what the player knows of cooking, which the choosier places read.
  static constexpr const char* kCookingValue = "exp_cooking";

  const std::string& GetName() const { return name_; }
  const std::string& GetText() const { return text_; }
  const std::string& GetSecondText() const { return secondText_; }
  float GetPrice() const { return price_; }
  // What a meal here costs each diner: the price in whole pounds, the pence dropped.
  int GetCharge() const;
  const std::string& GetCuisine() const { return cuisine_; }
  SIM_RestaurantStyle GetStyle() const { return style_; }
  bool HasTableToday() const { return tableToday_; }
  float GetRating() const { return rating_; }
  float GetTovelValue() const { return tovelValue_; }
  void SetTableToday(bool table) { tableToday_ = table; }
  void SetRating(float rating) { rating_ = rating; }
  void SetStyle(SIM_RestaurantStyle style) { style_ = style; }
  void SetCuisine(const std::string& cuisine) { cuisine_ = cuisine; }
  void SetPrice(float price) { price_ = price; }
  void SetName(const std::string& name) { name_ = name; }

 private:
  void SetUpStyle(bool rumour);

  std::string name_;
  std::string text_;
  std::string secondText_;
  float price_ = 0.0f;
  std::string cuisine_;
  SIM_RestaurantStyle style_ = RESTAURANT_INVALID;
  bool tableToday_ = false;
  float rating_ = 0.5f;
  float tovelValue_ = 0.0f;
};

class SIM_RestaurantInstance : public SIM_SocialiseInstance {
 public:
  static constexpr int kHealthy = 0;
  static constexpr int kIndulgent = 1;

  // The organiser picks a restaurant of the evening's cuisine; a guest goes straight to the
  // meal.
  void Run() override;
  void RateEvening() override;
  // A booking: with a table the chooser closes and the meal window opens at the restaurant's
  // price (whole pounds); a full restaurant answers with its style's message.
  void SelectRestaurant(SIM_Restaurant* restaurant);
  // The meal is over: the evening, the restaurant's standing, the wine and the food.
  void Complete();
  // The post-mortem's line about how far the meal moved the standing, or empty when it did
  // not (no restaurant, not yet eaten, or the standing already at its floor or cap).
  std::string TovelLine() const;

  const std::vector<SIM_Restaurant*>& Candidates() const { return candidates_; }
  SIM_Restaurant* GetChosen() const { return chosen_; }
  int GetMealChoice() const { return mealChoice_; }
  void SetMealChoice(int choice) { mealChoice_ = choice; }
  bool GetWine() const { return wine_; }
  void SetWine(bool wine) { wine_ = wine; }
  bool IsComplete() const { return complete_; }

 private:
  std::vector<SIM_Restaurant*> candidates_;
  SIM_Restaurant* chosen_ = nullptr;
  int mealChoice_ = kIndulgent;
  bool wine_ = true;
  bool complete_ = false;
  float tovelChange_ = 0.0f;  // what the meal did to the standing
};
