// The money and social-standing panels of the main screen share one look: a sprite on the
// left, a label in large letters and the value under it, a tooltip, and texts rebuilt only
// when the shown value changes. Each lives for the run, built on first use; the in-game
// screen lays them out and registers them for every game.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/GUI_WindowBase.h"

class GdiTextList;
class GUI_Tooltip;

class GUI_ValuePanel : public GUI_WindowBase {
 public:
  // Translated labels longer than this are cut (the label has one line of room).
  static constexpr size_t kMaxLabel = 63;

  ~GUI_ValuePanel() override;
  GUI_ValuePanel(const GUI_ValuePanel&) = delete;
  GUI_ValuePanel& operator=(const GUI_ValuePanel&) = delete;

  // Places the panel for the screen's width, registers it (once) and has its texts rebuilt.
  void SetUp();
  // The veil, the sprite and the tooltip; the texts are rebuilt first when the value changed.
  void Draw() override;
  void Update() override;
  // The label and the value, inside the panel-text drawing.
  void DrawTexts();

  const GdiTextList& Texts() const { return *texts_; }
  GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
  const std::string& GetLabel() const { return label_; }
  // The value as the panel writes it.
  virtual std::string FormatValue(double value) const = 0;
  virtual double CurrentValue() const = 0;

 protected:
  struct Look {
    const char* sprite;      // 36 x 36, centred at (left + 24, top + 26)
    const char* labelKey;
    const char* tooltipKey;
    int width;               // the panel's width; it is 35 high
    int rightOffset;         // its left edge lies this far from the screen's right edge
    int textX;               // the texts' left, from the panel's left
  };
  explicit GUI_ValuePanel(const Look& look);

 private:
  void Rebuild(double value);

  Look look_;
  bool initialised_ = false;
  std::string label_;
  std::unique_ptr<GUI_Tooltip> tooltip_;
  std::unique_ptr<GdiTextList> texts_;
  // The value the texts show; none until they are first built (any value then differs).
  std::optional<double> shown_;
};

// The player's money: "£" and the amount, with pence below £100, else in whole pounds with
// thousands separators; a debt is written with its minus sign before the pound sign.
class GUI_Cash : public GUI_ValuePanel {
 public:
  static GUI_Cash* Instance();
  ~GUI_Cash() override;
  std::string FormatValue(double value) const override;
  double CurrentValue() const override;
  // The money text for an amount ("£99.50", "£1,234", "-£1,234").
  static std::string FormatMoney(double amount);

 private:
  GUI_Cash();
};

// The player's social standing score, with two decimals.
class GUI_Tovel : public GUI_ValuePanel {
 public:
  static GUI_Tovel* Instance();
  ~GUI_Tovel() override;
  std::string FormatValue(double value) const override;
  double CurrentValue() const override;

 private:
  GUI_Tovel();
};
