// The internet menu.
#include "gui/GUI_MenuInternet.h"

#include <algorithm>

#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_CommunityPage.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_SIM.h"

namespace {

constexpr uint32_t kOutline = 0x80FFFFFF;
constexpr int kRowStep = 27;
constexpr int kEscapeKey = 1;
constexpr int kReturnKey = 28;
constexpr const char* kMotdFont = "tahoma bold";
constexpr int kMotdSize = 16;
// The message of the day ends this far above the row of buttons at the bottom.
constexpr int kMotdGap = 10;
constexpr const char* kEllipsis = "\x85";

float ScreenW() { return static_cast<float>(D3DEngine::Instance().GetWidth()); }
float ScreenH() { return static_cast<float>(D3DEngine::Instance().GetHeight()); }

void GoToMainMenu(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }
void Refresh(void*) { GUI_MenuInternet::Instance().Reload(); }
void Up(void*) { GUI_MenuInternet::Instance().ScrollUp(); }
void Down(void*) { GUI_MenuInternet::Instance().ScrollDown(); }
void OpenCommunity(void*) { ShellOpen(CommunitySiteAddress("tovel/community")); }
void UploadPage(void*) { GUI_MenuInternet::Instance().Upload(); }

void DownloadRow(void* strip) {
  GUI_MenuInternet::Instance().RequestDownload(static_cast<GUI_IResourceStrip*>(strip)->GetEntry());
}
void DeleteRow(void* strip) {
  GUI_MenuInternet::Instance().RequestDelete(static_cast<GUI_IResourceStrip*>(strip)->GetEntry());
}

// While the menu talks to the server, a failure goes to the menu's own message box, among
// the menu's other boxes.
class MessagesToTheMenu {
 public:
  MessagesToTheMenu()
      : old_(plat::SetMessageBoxHandler(
            [](const std::string& title, const std::string& text, plat::BoxIcon) {
              GUI_MenuInternet::Instance().ShowProblem(text, title);
            })) {}
  ~MessagesToTheMenu() { plat::SetMessageBoxHandler(std::move(old_)); }
  MessagesToTheMenu(const MessagesToTheMenu&) = delete;
  MessagesToTheMenu& operator=(const MessagesToTheMenu&) = delete;

 private:
  plat::MessageBoxHandler old_;
};

// The last part of a path, after its last '/' or '\'.
std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// The message's lines as drawn: wrapped to the width, and no more of them than fit in the
// height, the last one then cut to end in an ellipsis.
static std::vector<std::string> MotdLines(const std::string& text, int width, int height) {
  std::vector<std::string> lines = WrapToWidth(kMotdFont, kMotdSize, text, width);
  const int lineHeight = std::max(GUI_Services::MeasureHeight(kMotdFont, kMotdSize, "Ag", width), 1);
  const size_t fit = static_cast<size_t>(std::max(height, 0) / lineHeight);
  if (lines.size() <= fit) return lines;
  lines.resize(fit);
  if (fit == 0) return lines;
  std::string& last = lines.back();
  while (!last.empty() &&
         GUI_Services::MeasureWidth(kMotdFont, kMotdSize, last + kEllipsis) > width)
    last.pop_back();
  while (!last.empty() && last.back() == ' ') last.pop_back();
  last += kEllipsis;
  return lines;
}

// ---- Rows ----

GUI_IResourceStrip::GUI_IResourceStrip(const ResourceEntry* entry) : entry_(entry) {
  ReportAssertion(entry != nullptr, "GUI_MenuInternet", 99);
  const bool download = entry == nullptr || !entry->exists;
  button_ = new GUI_ButtonText(Translate(download ? "INTERNET_DOWNLOAD" : "INTERNET_DELETE"),
                               download ? DownloadRow : DeleteRow, this);
  AddButton(button_);
}

void GUI_IResourceStrip::SetRect(float left, float top, float right, float bottom) {
  GUI_WindowBase::SetRect(left, top, right, bottom);
  if (OffersDownload())
    button_->SetRect(right - 100, top, right, bottom);
  else
    button_->SetRect(right - 200, top, right - 100, bottom);
}

void GUI_IResourceStrip::Draw() {
  D3DEngine::Instance().DrawRectOutline(rect.left, rect.top, rect.right, rect.bottom, kOutline);
  if (!entry_) return;
  const auto left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
  // The server's names may be of any length: each is cut to its column.
  const int authorWidth = button_->GetRect().left - rect.left - 320 - 10;
  GUI_Services::QueueText(left + 10, top + 2, FitTextToWidth("tahoma bold", 16, entry_->name, 300),
                          "tahoma bold", 16, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(left + 320, top + 2,
                          FitTextToWidth("tahoma bold", 16, entry_->author, authorWidth),
                          "tahoma bold", 16, 0, 0, 255, 255, 255);
  DrawButtons();
}

// ---- Menu ----

GUI_MenuInternet& GUI_MenuInternet::Instance() {
  static GUI_MenuInternet menu;
  return menu;
}

GUI_MenuInternet::GUI_MenuInternet() {
  refresh_ = new GUI_ButtonText(Translate("INTERNET_REFRESH"), Refresh, nullptr);
  refresh_->SetTooltipKey("INTERNET_REFRESH_TOOLTIP", 60);
  AddButton(refresh_);
  community_ = new GUI_ButtonText(Translate("INTERNET_COMMUNITY"), OpenCommunity, nullptr);
  community_->SetTooltipKey("INTERNET_COMMUNITY_TOOLTIP", 60);
  AddButton(community_);
  upload_ = new GUI_ButtonText(Translate("INTERNET_UPLOAD"), UploadPage, nullptr);
  upload_->SetTooltipKey("INTERNET_UPLOAD_TOOLTIP", 60);
  AddButton(upload_);
  mainMenu_ = new GUI_ButtonText(Translate("MENU_MAINMENU"), GoToMainMenu, nullptr);
  mainMenu_->SetTooltipKey("TOOLTIP_MENU_MAINMENU", 60);
  AddButton(mainMenu_);
  up_ = new GUI_IconButton("up.dds", Up, nullptr);
  up_->SetHighlightTexture("up_h.dds");
  AddButton(up_);
  down_ = new GUI_IconButton("down.dds", Down, nullptr);
  down_->SetHighlightTexture("down_h.dds");
  AddButton(down_);
  Layout();
}

GUI_MenuInternet::~GUI_MenuInternet() { ClearStrips(); }

void GUI_MenuInternet::Layout() {
  const float w = ScreenW(), h = ScreenH();
  panel_.left = static_cast<int>(w / 2 - 375);
  panel_.top = 100;
  panel_.right = static_cast<int>(w / 2 + 325);
  panel_.bottom = 505;
  const auto pt = static_cast<float>(panel_.top);
  const auto pr = static_cast<float>(panel_.right), pb = static_cast<float>(panel_.bottom);
  mainMenu_->SetRect(w - 200, h - 65, w - 20, h - 40);
  upload_->SetRect(w - 420, h - 65, w - 220, h - 40);
  community_->SetRect(w / 2 - 200, 48, w / 2 - 10, 73);
  refresh_->SetRect(w / 2 + 10, 48, w / 2 + 200, 73);
  up_->SetRect(pr + 2, pt, pr + 24, pt + 22);
  down_->SetRect(pr + 2, pb - 22, pr + 24, pb);
}

std::string GUI_MenuInternet::UserPath(const std::string& relative) const {
  return Shell().GetUserFolder() + "/" + relative;
}

void GUI_MenuInternet::OnEnter() {
  Layout();
  ClearStrips();
  const bool inGame = Shell().IsInGame();
  upload_->SetEnabled(inGame && !SIM_SIM::Instance().IsGameOver());
  // A game kept on living past its end runs, but its page belonged to the end screen, which
  // does not come back.
  upload_->SetDisabledReason(inGame ? Translate("WHY_UPLOAD_AFTER_THE_END")
                                    : Translate("WHY_UPLOAD_NEEDS_GAME"));
}

void GUI_MenuInternet::ClearStrips() {
  for (GUI_IResourceStrip* strip : strips_) delete strip;
  strips_.clear();
}

void GUI_MenuInternet::RebuildStrips() {
  ClearStrips();
  const auto left = static_cast<float>(panel_.left + 2), right = static_cast<float>(panel_.right - 2);
  for (size_t i = 0; i < entries_.size(); ++i) {
    auto* strip = new GUI_IResourceStrip(&entries_[i]);
    const auto top = static_cast<float>(panel_.top + 2 + kRowStep * static_cast<int>(i));
    strip->SetRect(left, top, right, top + 23);
    strips_.push_back(strip);
  }
}

void GUI_MenuInternet::Reload() {
  const MessagesToTheMenu messages;
  // Nothing the player sees changes until the server has answered: a failure keeps the
  // list, its rows and the message (the library has said what went wrong).
  if (!request_.Connect()) return;
  // A list (or message) beyond its bounds is refused and never replaces the copy kept.
  DrawWorking(Translate("INTERNET_CONNECTING_LIST"));
  const bool listFetched =
      request_.DownloadFile(kRemoteList, UserPath(kLocalList), true, kMenuListBounds);
  // Stopped (the player's Escape, or the game is closing): the whole refresh ends here and
  // the menu stays as it was.
  if (request_.WasStopped()) {
    request_.Disconnect();
    return;
  }
  // A list that could not be fetched leaves the last copy on disk, which is read again (the
  // files on disk may have changed since).
  std::string text;
  const bool haveList = ReadKeptCopy(UserPath(kLocalList), kMenuListBounds, text);
  ClearStrips();
  if (haveList) {
    entries_ = ReadMenuResourceList(text, Shell().GetUserFolder());
  } else {
    entries_.clear();
  }
  RebuildStrips();
  // After a failed list the server is not asked again, so the player hears of it once. The
  // message then comes from its kept copy as the list does (the first refresh of a run has
  // no message of its own yet).
  if (listFetched) {
    DrawWorking(Translate("INTERNET_CONNECTING_MOTD"));
    request_.DownloadFile(kRemoteMotd, UserPath(kLocalMotd), true, kMessageFileBounds);
  }
  std::string motd;
  if (ReadKeptCopy(UserPath(kLocalMotd), kMessageFileBounds, motd)) ReadMessageOfTheDay(motd, motd_);
  request_.Disconnect();
  firstRow_ = 0;
}

void GUI_MenuInternet::Download(const ResourceEntry& entry) {
  const MessagesToTheMenu messages;
  const std::string remote = entry.remotePath, local = entry.localPath;
  // The folders may have changed since the list was read: judged again where the file lies.
  if (!InternetRequest::LiesInDownloadFolder(Shell().GetUserFolder(), local)) {
    DebugLog::Instance().Write("IWARNING:  download outside the mods folders refused: " + local + "\n");
  } else if (request_.Connect()) {
    request_.SetProgressCallback([this](const std::string& file, float fraction) {
      DrawProgress(file, fraction);
    });
    DrawWorking(Translate("INTERNET_CONNECTING_FILE"));
    request_.DownloadFile(remote, UserPath(local), true, kFileDownloadBounds);
    request_.Disconnect();
    request_.SetProgressCallback(nullptr);
    // A stopped download ends the player's action: no refresh after it.
    if (request_.WasStopped()) return;
  }
  Reload();
  // A downloaded avatar can be chosen at once.
  GUI_MenuNew::Instance().BuildAvatarList();
}

void GUI_MenuInternet::Upload() {
  // The player asked for the upload here, so a failed one is said, as a failed refresh is,
  // in the game's own box.
  DrawWorking(Translate("INTERNET_CONNECTING_PAGE"));
  const std::string failure = PostCommunityPage(pageBody_);
  if (failure.empty()) return;
  ShowProblem("IERROR:  " + failure, "ERROR");
}

void GUI_MenuInternet::RequestDownload(const ResourceEntry* entry) {
  if (entry >= entries_.data() && entry < entries_.data() + entries_.size())
    pendingDownload_ = static_cast<int>(entry - entries_.data());
}

void GUI_MenuInternet::RequestDelete(const ResourceEntry* entry) {
  if (entry >= entries_.data() && entry < entries_.data() + entries_.size())
    pendingDelete_ = static_cast<int>(entry - entries_.data());
}

void GUI_MenuInternet::RunPending() {
  const int download = pendingDownload_, remove = pendingDelete_;
  pendingDownload_ = pendingDelete_ = -1;
  const int count = static_cast<int>(entries_.size());
  if (download >= 0 && download < count) {
    Download(entries_[static_cast<size_t>(download)]);
  } else if (remove >= 0 && remove < count) {
    // Only a file that really lies in the mods folders (checked when the list was read, and
    // again now, links followed).
    const std::string& local = entries_[static_cast<size_t>(remove)].localPath;
    if (InternetRequest::LiesInDownloadFolder(Shell().GetUserFolder(), local))
      plat::RemoveFile(UserPath(local));
    Reload();
    // A deleted avatar is no longer offered for a new game.
    GUI_MenuNew::Instance().BuildAvatarList();
  }
}

std::vector<GUI_IResourceStrip*> GUI_MenuInternet::PageStrips() const {
  std::vector<GUI_IResourceStrip*> page;
  for (size_t i = static_cast<size_t>(std::max(firstRow_, 0));
       i < strips_.size() && page.size() < static_cast<size_t>(kPageRows); ++i)
    page.push_back(strips_[i]);
  return page;
}

void GUI_MenuInternet::PlacePage() {
  const auto left = static_cast<float>(panel_.left + 2), right = static_cast<float>(panel_.right - 2);
  int row = 0;
  for (GUI_IResourceStrip* strip : PageStrips()) {
    const auto top = static_cast<float>(panel_.top + 2 + kRowStep * row++);
    strip->SetRect(left, top, right, top + 23);
  }
}

void GUI_MenuInternet::ScrollUp() {
  if (firstRow_ <= 0) return;
  --firstRow_;
  PlacePage();
}

void GUI_MenuInternet::ScrollDown() {
  if (static_cast<int>(strips_.size()) - firstRow_ < kPageRows + 1) return;
  ++firstRow_;
  PlacePage();
}

void GUI_MenuInternet::ShowProblem(const std::string& text, const std::string& title) {
  auto* box = new GUI_Message(text);
  box->SetTitle(title);
  messages_.push_back(box);
}

const std::vector<GUI_Message*>& GUI_MenuInternet::Messages() {
  // A box deletes itself by its close button: forget the ones the manager no longer holds.
  const GUI_WindowManager& manager = GUI_WindowManager::Instance();
  std::erase_if(messages_, [&manager](GUI_Message* box) { return !manager.Contains(box); });
  return messages_;
}

void GUI_MenuInternet::Update() {
  GUI_WindowManager::DispatchGuard guard;
  if (!Messages().empty()) {
    Messages().back()->Update();
    return;
  }
  GUIButtonList::Update();
  for (GUI_IResourceStrip* strip : PageStrips()) strip->Update();
}

void GUI_MenuInternet::OnLeftButtonDown() {
  GUI_WindowManager::DispatchGuard guard;
  if (!Messages().empty()) {
    Messages().back()->OnClick(GUI_Services::MouseX(), GUI_Services::MouseY());
    return;
  }
  if (!ClickButtons()) {
    for (GUI_IResourceStrip* strip : PageStrips())
      if (strip->ClickButtons()) break;
  }
  RunPending();
}

void GUI_MenuInternet::Draw() {
  up_->SetEnabled(CanScrollUp());
  down_->SetEnabled(CanScrollDown());
  const float w = ScreenW(), h = ScreenH();
  CTexturedSprite background;
  background.SetTexture("loadscreen.jpg");
  background.width = w;
  background.height = h;
  background.SetPosition(w / 2.0f, h / 2.0f);
  background.Draw();
  const int width = static_cast<int>(w);
  // The texts lie on the picture: veils under the title and under the panel with its
  // headings and the message keep them readable.
  const std::string title = Translate("INTERNET_TITLE");
  const float halfTitle =
      static_cast<float>(GUI_Services::MeasureWidth("tahoma bold", 24, title)) / 2.0f +
      kTextVeilBorder + 8.0f;
  DrawTextVeil(w / 2 - halfTitle, 16.0f - kTextVeilBorder, w / 2 + halfTitle,
               16.0f + 30.0f + kTextVeilBorder);
  const int motdWidth = panel_.right - panel_.left - 20;
  const int motdTop = panel_.bottom + 40;
  const int lineHeight =
      std::max(GUI_Services::MeasureHeight(kMotdFont, kMotdSize, "Ag", motdWidth), 1);
  const std::vector<std::string> motdLines =
      MotdLines(motd_, motdWidth, mainMenu_->GetRect().top - kMotdGap - motdTop);
  const int motdHeight = lineHeight * static_cast<int>(motdLines.size());
  DrawTextVeil(static_cast<float>(panel_.left) - kTextVeilBorder + 6.0f, 80.0f - kTextVeilBorder,
               static_cast<float>(panel_.right) + 24.0f + 16.0f,
               static_cast<float>(panel_.bottom + 40 + std::max(motdHeight, 20)) +
                   kTextVeilBorder);
  GUI_Services::QueueText(0.0f, 16.0f, title, "tahoma bold", 24, width, 1, 255, 255, 255);
  D3DEngine::Instance().DrawRectOutline(panel_.left, panel_.top, panel_.right, panel_.bottom,
                                        kOutline);
  const auto pl = static_cast<float>(panel_.left), pb = static_cast<float>(panel_.bottom);
  if (!strips_.empty()) {
    GUI_Services::QueueText(pl + 10, 80.0f, Translate("INTERNET_MOD"), "tahoma bold", 18, 0, 0,
                            255, 255, 255);
    GUI_Services::QueueText(pl + 320, 80.0f, Translate("INTERNET_AUTHOR"), "tahoma bold", 18, 0, 0,
                            255, 255, 255);
  }
  for (GUI_IResourceStrip* strip : PageStrips()) strip->Draw();
  GUI_Services::QueueText(pl + 10, pb + 20, Translate("INTERNET_MOTD"), "tahoma bold", 18, 0, 0,
                          255, 255, 255);
  for (size_t i = 0; i < motdLines.size(); ++i)
    GUI_Services::QueueText(pl + 10, static_cast<float>(motdTop + lineHeight * static_cast<int>(i)),
                            motdLines[i], kMotdFont, kMotdSize, 0, 0, 255, 255, 255);
  DrawButtons();
  GUI_Services::FlushText();
  {
    GUI_WindowManager::DispatchGuard guard;
    for (GUI_Message* box : Messages()) box->Draw();
  }
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}

void GUI_MenuInternet::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) return;
  // An open box answers Return and Escape as its close button; the menu waits under it.
  if ((scanCode == kReturnKey || scanCode == kEscapeKey) && !Messages().empty()) {
    GUI_WindowManager::DispatchGuard guard;
    if (GUI_CloseButton* close = Messages().back()->GetCloseButton()) close->Activate();
  }
}

void GUI_MenuInternet::DrawWorking(const std::string& text) {
  DrawWorkingFrame([this] { Draw(); }, text);
}

void GUI_MenuInternet::DrawProgress(const std::string& localFile, float fraction) {
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.IsInitialised()) return;
  // The download runs inside the frame's input step: the progress is a frame of its own.
  engine.BeginRender();
  Draw();
  DrawProgressBar(localFile, fraction);
  engine.EndScene();
  engine.Flip();
  plat::SleepMs(1);
}

void GUI_MenuInternet::DrawProgressBar(const std::string& localFile, float fraction) {
  D3DEngine& engine = D3DEngine::Instance();
  const int y = engine.GetHeight() - 64;
  const float f = std::clamp(fraction, 0.0f, 1.0f);
  engine.FillRect(32, y, 32 + static_cast<int>(400.0f * f), y + 25, 0xFF2020C0);
  engine.DrawRectOutline(32, y, 432, y + 25, 0xFFE0E0E0);
  GUI_Services::QueueText(0.0f, static_cast<float>(y + 32),
                          FormatDownloadProgress(FileNameOf(localFile), f), "tahoma bold", 18,
                          engine.GetWidth(), 1, 255, 255, 255);
  GUI_Services::FlushText();
}
