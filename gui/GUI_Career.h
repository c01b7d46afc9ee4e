// The career panel of the main screen: the player's job, salary, employer, commute distance
// and way to work, with a button to the job's details and one to change the commute; a player
// without a job sees a short note instead. It lives for the run, built on first use; the
// in-game screen lays it out and registers it for every game.
//
// The simulation refreshes it when a job is taken or lost, on promotion, when the commute
// changes and after a load, so this header stays free of the renderer and the text engine:
// the kept texts live behind a pointer.
#pragma once

#include <memory>
#include <string>

#include "gui/GUI_WindowBase.h"

class GdiTextList;
class GUI_IconButton;
class GUI_Tooltip;

class GUI_Career : public GUI_WindowBase {
 public:
  static constexpr int kLeft = 0, kTop = 250, kWidth = 200, kHeight = 230;
  // Longer names are cut to this many characters and "..." is added.
  static constexpr size_t kMaxJobName = 14, kMaxEmployer = 19;

  // The panel's one instance (never null).
  static GUI_Career* Instance();
  // Rebuilds the open panel's texts (the simulation's refresh); nothing before it is built.
  static void Refresh();
  ~GUI_Career() override;
  GUI_Career(const GUI_Career&) = delete;
  GUI_Career& operator=(const GUI_Career&) = delete;

  // Lays the panel out, makes its buttons (once), registers it (once) and builds its texts.
  void SetUp();
  // The texts for the player's job as it is now: the job's lines with a job, the note
  // without one.
  void RebuildText();
  void Draw() override;
  void Update() override;
  // The texts, inside the panel-text drawing.
  void DrawTexts();

  // Whether the player holds a job the panel describes (not the no-job entry).
  static bool PlayerHasJob();
  // A name as the panel writes it: cut to `limit` characters with "..." when longer.
  static std::string Shorten(const std::string& name, size_t limit);

  const GdiTextList& Texts() const { return *texts_; }
  GUI_IconButton* CommuteButton() const { return commuteButton_; }
  GUI_IconButton* DetailsButton() const { return detailsButton_; }
  GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }

 private:
  GUI_Career();

  std::unique_ptr<GdiTextList> texts_;
  std::string title_;
  std::unique_ptr<GUI_Tooltip> tooltip_;
  GUI_IconButton* commuteButton_ = nullptr;
  GUI_IconButton* detailsButton_ = nullptr;
};
