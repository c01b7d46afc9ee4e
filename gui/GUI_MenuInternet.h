// The internet menu (mode 6). On request it fetches from our web server the list of files the
// player may download (avatar pictures for the new-game menu) and a message of the day, shows
// the list in a framed panel 15 rows at a time, and downloads an entry or deletes one already
// on disk. Two more buttons upload the player's community page and open the community site.
//
// Without a network the library says so once; the menu keeps the list and message it had.
// Before each exchange a frame says what is fetched; Escape stops it, and the action with it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/InternetRequest.h"
#include "gui/GUI_MenuBase.h"
#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;
class GUI_IconButton;
class GUI_Message;

// One row of the list: the entry's name and author and either a download or a delete button
// (delete when the file is on disk).
class GUI_IResourceStrip : public GUI_WindowBase {
 public:
  explicit GUI_IResourceStrip(const ResourceEntry* entry);
  void Draw() override;
  // Places the row and its button.
  void SetRect(float left, float top, float right, float bottom) override;

  const ResourceEntry* GetEntry() const { return entry_; }
  GUI_ButtonText* GetButton() const { return button_; }
  bool OffersDownload() const { return !entry_ || !entry_->exists; }

 private:
  const ResourceEntry* entry_;
  GUI_ButtonText* button_ = nullptr;
};

class GUI_MenuInternet : public GUI_MenuBase {
 public:
  static constexpr int kPageRows = 15;
  // Where the list and the message of the day live on the server and in the user folder.
  static constexpr const char* kRemoteList = "tovel/autoupdate/files111.txt";
  static constexpr const char* kRemoteMotd = "tovel/autoupdate/motd.txt";
  static constexpr const char* kLocalList = "files.txt";
  static constexpr const char* kLocalMotd = "motd.txt";

  static GUI_MenuInternet& Instance();
  ~GUI_MenuInternet() override;

  // Lays the controls out, drops the rows (the list stays until the next refresh) and enables
  // the upload only in a running game that is not over. Nothing is fetched.
  void OnEnter() override;
  void Draw() override;
  void Update() override;
  void OnLeftButtonDown() override;
  // Left only by its buttons. Return and Escape close an open box; otherwise keys do nothing
  // but Alt+Return's full screen. (Escape during an exchange stops it: the cancel check the
  // application installs takes the key.)
  void OnKeyDown(int scanCode) override;
  void OnWheelUp() override { ScrollUp(); }
  void OnWheelDown() override { ScrollDown(); }

  // Fetches the list and the message and rebuilds the rows (the refresh button).
  void Reload();
  void ScrollUp();
  void ScrollDown();
  // Posts the player's community page (the upload button, enabled only in a running game).
  void Upload();
  // The rows' actions, run once the click has been dispatched: both rebuild every row, the
  // clicked one included.
  void RequestDownload(const ResourceEntry* entry);
  void RequestDelete(const ResourceEntry* entry);

  bool CanScrollUp() const { return firstRow_ > 0; }
  bool CanScrollDown() const {
    return static_cast<int>(strips_.size()) - firstRow_ - kPageRows > 0;
  }
  int GetFirstRow() const { return firstRow_; }
  const std::vector<ResourceEntry>& Entries() const { return entries_; }
  const std::vector<GUI_IResourceStrip*>& Strips() const { return strips_; }
  // The rows of the shown page (at most 15 from the first row).
  std::vector<GUI_IResourceStrip*> PageStrips() const;
  const std::string& GetMessageOfTheDay() const { return motd_; }
  GUI_Rect GetPanel() const { return panel_; }

  GUI_ButtonText* GetRefreshButton() const { return refresh_; }
  GUI_ButtonText* GetCommunityButton() const { return community_; }
  GUI_ButtonText* GetUploadButton() const { return upload_; }
  GUI_ButtonText* GetMainMenuButton() const { return mainMenu_; }
  GUI_IconButton* GetUpButton() const { return up_; }
  GUI_IconButton* GetDownButton() const { return down_; }

  // A failure, in the game's own message box over the menu; while one is open it alone is
  // updated and clicked.
  void ShowProblem(const std::string& text, const std::string& title);
  // The open message boxes, oldest first.
  const std::vector<GUI_Message*>& Messages();

  // A frame of its own before an exchange: the menu and, where the bar goes, what is fetched.
  void DrawWorking(const std::string& text);
  // The download's own frame: the menu, a bar at H - 64 and the file's progress text.
  void DrawProgress(const std::string& localFile, float fraction);
  // The bar (400 px for the whole file) and the text under it, on the open scene.
  void DrawProgressBar(const std::string& localFile, float fraction);

 private:
  GUI_MenuInternet();
  void Layout();
  void ClearStrips();
  void RebuildStrips();
  void PlacePage();
  void RunPending();
  void Download(const ResourceEntry& entry);
  std::string UserPath(const std::string& relative) const;

  GUI_ButtonText* refresh_ = nullptr;
  GUI_ButtonText* community_ = nullptr;
  GUI_ButtonText* upload_ = nullptr;
  GUI_ButtonText* mainMenu_ = nullptr;
  GUI_IconButton* up_ = nullptr;
  GUI_IconButton* down_ = nullptr;
  GUI_Rect panel_;
  int firstRow_ = 0;
  std::vector<ResourceEntry> entries_;
  std::vector<GUI_IResourceStrip*> strips_;
  std::string motd_;
  std::string pageBody_;
  InternetRequest request_;
  // A pending row action, by index into the entries.
  int pendingDownload_ = -1;
  int pendingDelete_ = -1;
  std::vector<GUI_Message*> messages_;
};
