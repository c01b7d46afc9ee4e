// A framed window with a title, a close button that follows it, an optional help button and
// a client rectangle (the frame inset by its margins). Registered as soon as it is made.
#pragma once

#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_CloseButton;

class GUI_Dialog : public GUI_WindowBase {
 public:
  static constexpr size_t kMaxTitle = 1023;
  explicit GUI_Dialog(bool withCloseButton = true);
  ~GUI_Dialog() override;

  void Draw() override;
  bool IsDialog() const override { return true; }
  virtual void UpdateClientRect();

  void SetTitle(const std::string& title);
  const std::string& GetTitle() const { return title; }
  // A "?" at the top right as the dialog stands now; it stays there if the dialog moves.
  void AddHelpButton(const std::string& key);
  void DrawDivider(float y);
  const GUI_Rect& GetClientRect() const { return clientRect; }
  GUI_CloseButton* GetCloseButton() const { return closeButton; }

 protected:
  GUI_CloseButton* closeButton = nullptr;
  std::string title;
  GUI_Rect clientRect;
  float sideMargin = 10;
  float topMargin = 35;
  float bottomMargin = 10;
};
