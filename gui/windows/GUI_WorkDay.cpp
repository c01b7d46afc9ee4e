// The work-day summary.
#include "gui/windows/GUI_WorkDay.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Snow.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace {

GUI_WorkDay* g_workDay = nullptr;
GUI_WorkDay::FactsSource g_source = nullptr;
float g_frameStep = -1.0f;  // below 0: the in-game screen's frame step

constexpr const char* kDayNames[7] = {"DAY_MONDAY", "DAY_TUESDAY",  "DAY_WEDNESDAY", "DAY_THURSDAY",
                                      "DAY_FRIDAY", "DAY_SATURDAY", "DAY_SUNDAY"};

// The job the day just run was spent in, when that day was recorded and its job type is still
// in the catalogue.
const SIM_JobBase* RecordedJob(const SIM_SIM::DayAtWork& day) {
  if (!day.recorded || !day.job) return nullptr;
  const std::vector<SIM_JobBase*> all = SIM_JobBase::All();
  return std::find(all.begin(), all.end(), day.job) != all.end() ? day.job : nullptr;
}

GUI_WorkDay::Facts FactsFromSimulation() {
  GUI_WorkDay::Facts facts;
  SIM_Vesk* player = SIM_Vesk::Instance();
  // The day as it was, not as it ended: a contract that ran out today has already moved the
  // player to "unemployed", yet today was its last work day, with its pay and no benefit.
  const SIM_SIM::DayAtWork& day = SIM_SIM::Instance().GetDayAtWork();
  const SIM_JobBase* recorded = RecordedJob(day);
  const SIM_JobBase* job = recorded ? recorded : player ? player->GetJob() : nullptr;
  facts.unemployed = job == nullptr || job->IsDayFree();
  facts.benefitPaid = recorded && day.benefit > 0.0f;
  facts.illness = SIM_Health::Instance().GetState();
  facts.weather = SIM_Weather::Instance().GetType();
  if (recorded) {
    facts.daysWorked = day.daysInJob;
    facts.salary = day.salary;
  } else if (const SIM_JobInstance* instance = player ? player->GetJobInstance() : nullptr) {
    facts.daysWorked = instance->GetDaysInJob();
    facts.salary = instance->GetSalary();
  }
  if (job && !facts.unemployed) {
    facts.workplace = job->GetShownWorkplace();
    facts.performance = player->GetWorkPerformance();
    facts.pay = job->GetLastPay();
    facts.tips = job->GetTodaysTip();
    // A colleague made on today's work day (the counter starts again at 0 then); one who has
    // since left the world is not named.
    const SIM_NPC* colleague = job->GetColleague();
    const auto& live = SIM_NPC::All();
    if (colleague && job->GetDaysSinceLastColleague() == 0 &&
        std::find(live.begin(), live.end(), colleague) != live.end())
      facts.newFriend = colleague->GetFullName();
  }
  // The journey, on a day the player went to work.
  const bool worked = recorded ? day.worked
                               : job && !facts.unemployed && SIM_Health::Instance().IsHealthy() &&
                                     CurrentDate().GetDayOfWeek() < 5;
  if (worked) {
    const std::string verb = GetCurrentCommuteText();
    if (!verb.empty()) facts.methodVerb = Translate(verb.c_str());
    const SIM_Commute& commute = SIM_Commute::Instance();
    facts.primaryEffect = commute.GetPrimaryEffect();
    facts.secondaryEffect = commute.GetSecondaryEffect();
    facts.commuteCost = commute.GetCost();
  }
  return facts;
}

void OnContinue(void*) { GUI_WorkDay::Instance()->Close(); }

const char* CommuteEffectKey(int effect) {
  switch (effect) {
    case 0: return "WORKDAY_COMMUTE_STRESS";
    case 1: return "WORKDAY_COMMUTE_BOREDOM";
    case 2: return "WORKDAY_COMMUTE_FITNESS";
    case 3: return "WORKDAY_COMMUTE_TIREDNESS";
    default: return nullptr;
  }
}

std::string TranslateOrEmpty(const char* key) { return key ? Translate(key) : ""; }

std::string Pounds(float amount, bool spaced) {
  return std::string("\xA3") + (spaced ? " " : "") + FormatFixed(amount, 2);
}

}  // namespace

void GUI_WorkDay::SetFactsSource(FactsSource source) { g_source = source; }
void GUI_WorkDay::SetFrameStep(float step) {
  g_frameStep = step < 0 ? -1.0f : std::min(step, GUI_GUI::kMaxFrameStep);
}

GUI_WorkDay* GUI_WorkDay::Instance() {
  if (!g_workDay) g_workDay = new GUI_WorkDay();
  return g_workDay;
}

GUI_WorkDay::GUI_WorkDay() {
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, 0, w, h);
  continueButton = new GUI_ButtonText(Translate("WORKDAY_CONTINUE"), OnContinue, nullptr);
  continueButton->SetRect(w - 170, h - 30, w - 10, h - 8);
  AddButton(continueButton);
  SetCloseOnNewGame(false);
}

GUI_WorkDay::~GUI_WorkDay() {
  if (g_workDay == this) g_workDay = nullptr;
}

void GUI_WorkDay::AddLine(int kind, int value) {
  events.push_back({kind, value});
}

void GUI_WorkDay::Show() {
  // The screen may have changed size since the summary was made.
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, 0, w, h);
  continueButton->SetRect(w - 170, h - 30, w - 10, h - 8);

  facts = g_source ? g_source() : FactsFromSimulation();
  static const char* kWeather[4] = {"WORKDAY_WEATHER_SUN", "WORKDAY_WEATHER_CLOUD",
                                    "WORKDAY_WEATHER_RAIN", "WORKDAY_WEATHER_SNOW"};
  const std::string weather =
      facts.weather >= 0 && facts.weather < 4 ? Translate(kWeather[facts.weather]) : "";
  // Replaced in a string of any length: long translations and names are never cut.
  commuteText = Translate("WORKDAY_WEATHER_COMMENT");
  ReplaceSubstring(commuteText, "<WEATHERCOMMENT>", weather);
  ReplaceSubstring(commuteText, "<METHODVERBDATA>", facts.methodVerb);
  ReplaceSubstring(commuteText, "<WORKPLACE>", facts.workplace);
  ReplaceSubstring(commuteText, "<PRIMARYEMOTE>", TranslateOrEmpty(CommuteEffectKey(facts.primaryEffect)));
  ReplaceSubstring(commuteText, "<SECONDARYEMOTE>",
                   TranslateOrEmpty(CommuteEffectKey(facts.secondaryEffect)));
  // Without a way to work (none chosen yet) the sentence about the journey would be left
  // with holes: the weather says it all.
  if (facts.methodVerb.empty()) commuteText = weather;

  MakeModal();
  open_ = true;
  // The events stay queued until Close; a second Show before it rebuilds the lines rather than
  // repeating them.
  lines.clear();
  static const char* kKeys[10] = {nullptr,
                                  "CRIME_TEXT_MUGGERARRESTED",
                                  "CRIME_TEXT_MUGGERDEFEATED",
                                  "CRIME_TEXT_MUGGED",
                                  "CRIME_TEXT_BURGLED",
                                  "CRIME_TEXT_ATTEMPTEDBREAKIN",
                                  "CRIME_TEXT_DOGDEFENDED",
                                  "PROMOTION_TEXT",
                                  "WORKDAY_MESSY",
                                  "BECOME_ALCOHOLIC_MESSAGE"};
  for (const Event& event : events) {
    if (event.kind < 1 || event.kind > 9) continue;
    std::string line = Translate(kKeys[event.kind]);
    if (event.kind == 7)
      ReplaceSubstring(line, "<SALARY>", FormatThousands(ClampToInt(facts.salary)));
    lines.push_back(line);
    if (event.kind <= 4) GUI_Services::PlaySound("data/sounds/police.wav");
    else if (event.kind == 7) GUI_Services::PlaySound("data/sounds/applause.ogg");
  }
  typed = 0;
}

void GUI_WorkDay::Close() {
  if (!open_) return;
  Dismiss();
  SIM_SIM::Instance().SetPhase(1);
}

void GUI_WorkDay::Dismiss() {
  open_ = false;
  GUI_WindowManager::Instance().RemoveModal(this);
  modal = false;
  // An interlude of the day hid it; the next day's summary shows again.
  visible = true;
  events.clear();
  lines.clear();
}

void GUI_WorkDay::QueueSection(const std::string& text) {
  GUI_Services::QueueText(cursorX, cursorY, text, "tahoma bold", 16, static_cast<int>(wrapWidth),
                          0, 255, 255, 255);
  textBottom = std::max(textBottom, cursorY + static_cast<float>(GUI_Services::MeasureHeight(
                                                  "tahoma bold", 16, text, static_cast<int>(wrapWidth))));
}

void GUI_WorkDay::Draw() {
  if (!open_) return;
  cursorY = static_cast<float>(rect.top) + 120;
  cursorX = static_cast<float>(rect.left) + 80;

  // The room behind the summary (no frame), then the button.
  GUI_Backdrop::Instance().Draw();
  GUI_Avatar::Instance().Draw();
  GUI_Snow::Draw();
  GUI_Rain::Draw();
  DrawButtons();

  const SIM_Date& date = CurrentDate();
  const int dow = std::clamp(date.GetDayOfWeek(), 0, 6);
  const std::string dateLine = std::string(Translate(kDayNames[dow])) + " " +
                               GetMonthName(date.GetMonth()) + " " + std::to_string(date.GetYear());
  GUI_Services::QueueText(0, cursorY, dateLine, "tahoma bold", 22, width, 1, 255, 255, 255);
  const float dateTop = cursorY;
  const float dateHalf = static_cast<float>(GUI_Services::MeasureWidth("tahoma bold", 22, dateLine)) / 2;
  textBottom = cursorY + 22;
  cursorY += 60;

  if (facts.unemployed) {
    // The cheque is told of only on a day it came.
    QueueSection(Translate(facts.benefitPaid ? "WORKDAY_UNEMPLOYED" : "WORKDAY_UNEMPLOYED_NOBENEFIT"));
    cursorY += 60;
  } else if (facts.illness != 0) {
    static const char* kSick[4] = {nullptr, "SICKDAY_MESSAGE_COLD", "SICKDAY_MESSAGE_ILL",
                                   "SICKDAY_MESSAGE_STRESS"};
    if (facts.illness >= 1 && facts.illness <= 3) QueueSection(Translate(kSick[facts.illness]));
    cursorY += 60;
  } else if (date.GetDayOfWeek() >= 5) {
    QueueSection(Translate("WEEKEND_MESSAGE"));
    cursorY += 60;
  } else {
    QueueSection(commuteText);
    cursorY += 60;
    const char* verdict = facts.daysWorked == 1       ? "WORKDAY_NEWJOB"
                          : facts.performance >= 0.5f ? "WORKDAY_GOOD"
                                                      : "WORKDAY_BAD";
    QueueSection(Translate(verdict));
    cursorY += 50;
    // The pay is what reached the purse; the tips are part of it, not more on top. An amount
    // that would read 0.00 is not told.
    if (facts.pay >= 0.005f)
      QueueSection(std::string(Translate("WORKDAY_EARNINGS")) + " " + Pounds(facts.pay, false));
    cursorY += 20;
    if (facts.tips >= 0.005f && facts.pay >= 0.005f) {
      std::string tips = Translate("WORKDAY_TIPSEARNED");
      ReplaceSubstring(tips, "<AMOUNT>", Pounds(facts.tips, true));
      QueueSection(tips);
      cursorY += 20;
    }
    if (!facts.newFriend.empty()) {
      std::string text = Translate("WORKDAY_NEWFRIEND");
      ReplaceSubstring(text, "<NAME>", facts.newFriend);
      QueueSection(text);
    }
    cursorY += 20;
    if (facts.commuteCost > 0) {
      QueueSection(std::string(Translate("WORKDAY_COMMUTECOST")) + " " +
                   Pounds(facts.commuteCost, false));
      cursorY += 20;
    }
  }
  for (const std::string& line : lines) {
    QueueSection(line);
    cursorY += 45;
  }
  // One veil under the whole summary (the texts are drawn over it when flushed), the size of
  // all of it from the first frame on while the text types itself out.
  const float mid = static_cast<float>(rect.left) + static_cast<float>(width) / 2;
  DrawTextVeil(std::min(cursorX, mid - dateHalf) - kTextVeilBorder, dateTop - kTextVeilBorder,
               std::max(cursorX + wrapWidth, mid + dateHalf) + kTextVeilBorder,
               textBottom + kTextVeilBorder);
  FlushGdiText(static_cast<int>(typed));
  typed += 2.0f * (g_frameStep >= 0 ? g_frameStep : GUI_GUI::Instance().GetFrameStep());
}
