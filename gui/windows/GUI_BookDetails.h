// The windows of a book: its details, with buttons to read a session or sell it, and the
// report of a reading session (how much sank in and how far through the book the player is).
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_Book;

class GUI_BookDetails : public GUI_Dialog {
 public:
  static constexpr float kWidth = 400, kHeight = 200;

  // Replaces an open details window with one for the book (nothing for none).
  static void Open(SIM_Book* book);
  static void Close();
  static GUI_BookDetails* Instance() { return instance; }

  ~GUI_BookDetails() override;
  void Draw() override;

  // A reading session (one slot), then the window closes.
  void Read();
  // Sold second-hand, then the window closes.
  void Sell();
  SIM_Book* GetBook() const { return book_; }
  GUI_ButtonText* ReadButton() const { return read_; }
  GUI_ButtonText* SellButton() const { return sell_; }
  // Whether a session can be read now: pages left and the day not over.
  bool CanRead() const;

 private:
  explicit GUI_BookDetails(SIM_Book* book);

  static GUI_BookDetails* instance;
  SIM_Book* book_;
  GUI_ButtonText* read_ = nullptr;
  GUI_ButtonText* sell_ = nullptr;
  CTexturedSprite picture_;
};

class GUI_BookReading : public GUI_Dialog {
 public:
  static constexpr float kWidth = 400, kHeight = 240;

  // Replaces an open report (nothing for no book).
  static void Open(SIM_Book* book, int pages, float alertness, bool understood);
  static void Close();
  static GUI_BookReading* Instance() { return instance; }

  ~GUI_BookReading() override;
  void Draw() override;

  const std::string& GetText() const { return text_; }
  int GetPages() const { return pages_; }
  float GetAlertness() const { return alertness_; }
  // The book's total progress the lower bar shows, 0..1 (0 for a book without pages).
  float GetProgress() const { return progress_; }

 private:
  GUI_BookReading(SIM_Book* book, int pages, float alertness, bool understood);

  static GUI_BookReading* instance;
  int pages_;
  float alertness_;
  float progress_;
  float pictureWidth_;
  float pictureHeight_;
  std::string text_;
  std::string concentration_, low_, high_, amountRead_;
  CTexturedSprite picture_;
};
