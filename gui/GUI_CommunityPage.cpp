// The community page upload.
#include "gui/GUI_CommunityPage.h"

#include <cmath>
#include <limits>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/InternetRequest.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "platform/Http.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr const char* kPoundSign = "\xA3";
constexpr size_t kAchievementTextLimit = 1000;

// A float amount as a whole number, cut toward zero and held within int's range (a float
// beyond it has no int, and converting it would be undefined).
int TruncateToInt(double amount) {
  if (std::isnan(amount)) return 0;
  const double d = std::trunc(amount);
  if (d >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (d <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(d);
}

void AddField(std::string& body, const char* key, const std::string& value) {
  body += '&';
  body += key;
  body += '=';
  body += EncodeFormValue(value);
}

std::string ServerAddress() {
  const InternetServer& server = GetInternetServer();
  std::string address = "http://" + server.host;
  if (server.port != 80) address += ":" + std::to_string(server.port);
  return address;
}

// What went wrong, for the player: the library's terms on the first line, then a sentence of
// the player's; the library's own reason goes to the log only. "" when the server took the
// form. `cancelled` when a request to quit or the player's Escape stopped it.
std::string PostForm(const std::string& body, bool& cancelled) {
  DebugLog& log = DebugLog::Instance();
  plat::HttpSession session;
  plat::HttpOptions options;
  options.userAgent = "MyHTTPClient/1.0";
  options.limits = GetInternetLimits().exchange;
  std::string error;
  auto failed = [&log](const std::string& what, const std::string& reason, const char* said) {
    log.Write(reason.empty() ? what : what + " (" + reason + ")");
    return what + "\n" + Translate(said);
  };
  if (!session.Open(options, error)) return failed("InternetOpen Failed", error, "INTERNET_NO_CONNECTION");
  std::string response;
  const plat::HttpResult result = session.Post(ServerAddress() + "/tovel/php/cwp.php", body,
                                               "application/x-www-form-urlencoded", response);
  cancelled = result.cancelled;
  if (cancelled) {
    log.Write(result.byPlayer ? "Page upload stopped by the player"
                              : "Page upload stopped: the game is closing");
    return {};
  }
  // A server never reached is told apart from one that took the form and fell silent.
  if (!result.completed) {
    return result.connected
               ? failed("HttpSendRequest Failed", result.error, "INTERNET_STOPPED_ANSWERING")
               : failed("InternetConnect Failed", result.error, "INTERNET_NO_CONNECTION");
  }
  if (result.status != 200)
    return failed("Error on QueryInfo from web page post", "HTTP status " + std::to_string(result.status),
                  "INTERNET_REFUSED");
  return {};
}

}  // namespace

std::string EncodeFormValue(const std::string& value) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.' || byte == '~') {
      out += c;
    } else if (byte == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

std::string FormatPageMoney(double amount) {
  return std::string(kPoundSign) + " " + FormatThousands(TruncateToInt(amount));
}

std::string BuildAchievementText() {
  std::string text;
  for (const std::string& key : AchievementList()) {
    const std::string name = Translate(key.c_str());
    if (text.size() + name.size() < kAchievementTextLimit) text += name + ",";
  }
  return text;
}

std::string CommunitySiteAddress(const std::string& path) { return ServerAddress() + "/" + path; }

std::string CommunityPageName() { return "user_" + SIM_PlayerOptions::Instance().GetId() + ".html"; }

bool BuildCommunityPageBody(std::string& body) {
  body.clear();
  if (!Shell().IsInGame()) return false;
  SIM_Vesk* player = SIM_Vesk::Instance();
  const SIM_Statistics& stats = SIM_Statistics::Instance();
  // Between jobs the player still holds the no-job entry, which is no job to show.
  const bool employed = GUI_Career::PlayerHasJob();
  SIM_JobBase* job = employed ? player->GetJob() : nullptr;
  SIM_JobInstance* instance = employed ? player->GetJobInstance() : nullptr;
  const bool female = player->GetGender() == kFemale;

  std::string avatar = GUI_Avatar::Instance().GetTextureName();
  avatar = avatar.size() >= 4 ? avatar.substr(0, avatar.size() - 4) : std::string();
  const SIM_NPC* partner = SIM_Romance::Instance().GetPartner();

  AddField(body, "file", CommunityPageName());
  AddField(body, "ava", avatar);
  AddField(body, "nam", player->GetForename());
  AddField(body, "age", std::to_string(CurrentDate().GetYear() - 1986));
  AddField(body, "cas", FormatPageMoney(SIM_Finances::Instance().GetCash()));
  AddField(body, "tov", FormatFixed(SIM_Tovel::Instance().GetTotal(), 2));
  AddField(body, "job", job ? job->GetDescription(female) : "none");
  AddField(body, "emp", job ? job->GetEmployer() : "none");
  AddField(body, "sal", job && instance ? FormatPageMoney(instance->GetSalary())
                                        : std::string(kPoundSign) + " 0");
  AddField(body, "frd", std::to_string(player->CountFriends()));
  AddField(body, "nsk", std::to_string(player->GetSkillCount()));
  AddField(body, "skp", FormatFixed(player->GetSkillPoints(), 2));
  AddField(body, "hto", FormatFixed(stats.GetFloat(1), 2));
  AddField(body, "hiq", FormatFixed(stats.GetFloat(2), 2));
  AddField(body, "hcu", FormatFixed(stats.GetFloat(3), 2));
  AddField(body, "hca", FormatPageMoney(stats.GetFloat(4)));
  AddField(body, "hsa", FormatPageMoney(stats.GetFloat(5)));
  AddField(body, "bkr", std::to_string(stats.GetInt(4)));
  AddField(body, "mvs", std::to_string(stats.GetInt(7)));
  AddField(body, "rou", FormatPageMoney(stats.GetInt(8)));
  AddField(body, "cro", std::to_string(stats.GetInt(5)));
  AddField(body, "partner", partner ? partner->GetFullName() : std::string("Nobody..."));
  AddField(body, "dsc", SIM_AvatarDescription::GetText());
  AddField(body, "ach", BuildAchievementText());
  return true;
}

std::string PostCommunityPage(std::string& body) {
  if (!BuildCommunityPageBody(body)) return {};
  bool cancelled = false;
  std::string failure = PostForm(body, cancelled);
  if (cancelled) return {};  // the game is ending or the player stopped it: no box, no browser
  if (failure.empty()) ShellOpen(CommunitySiteAddress("tovel/community/" + CommunityPageName()));
  return failure;
}

void DrawWorkingFrame(const std::function<void()>& drawScreen, const std::string& text) {
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.IsInitialised()) return;
  engine.BeginRender();
  drawScreen();
  GUI_Services::QueueText(0.0f, static_cast<float>(engine.GetHeight() - 64 + 32), text,
                          "tahoma bold", 18, engine.GetWidth(), 1, 255, 255, 255);
  GUI_Services::FlushText();
  engine.EndScene();
  engine.Flip();
}
