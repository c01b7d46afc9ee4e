// The restaurants offered for an evening the player organised, one page each (name,
// description, menu price), paged with two arrows without wrapping, and a button that asks
// for a table. A free table closes the chooser and opens the meal window; a full restaurant
// answers with a message and the chooser stays. Modal.
#pragma once

#include <cstddef>
#include <string>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Restaurant;
class SIM_RestaurantInstance;

class GUI_RestaurantChooser : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 300;

  // Replaces an open chooser; a null evening opens nothing.
  static void Open(SIM_RestaurantInstance* evening);
  static void Close();
  static GUI_RestaurantChooser* Instance() { return instance; }

  ~GUI_RestaurantChooser() override;
  void Draw() override;

  void Next();
  void Previous();
  // Asks the evening for a table at the shown restaurant; nothing when none is shown.
  void Book();
  // The arrows and the book button for the shown page and the player's cash.
  void UpdateButtons();
  // "<label> £ 12.50".
  static std::string PriceText(float price);

  SIM_Restaurant* Current() const;
  SIM_RestaurantInstance* Evening() const { return evening_; }
  GUI_IconButton* NextArrow() const { return next_; }
  GUI_IconButton* PreviousArrow() const { return previous_; }
  GUI_ButtonText* BookButton() const { return book_; }

 private:
  explicit GUI_RestaurantChooser(SIM_RestaurantInstance* evening);

  static GUI_RestaurantChooser* instance;
  SIM_RestaurantInstance* evening_;
  size_t position_ = 0;
  GUI_IconButton* next_ = nullptr;
  GUI_IconButton* previous_ = nullptr;
  GUI_ButtonText* book_ = nullptr;
};
