// The installed screens and the headless ones.
#include "sim/SIM_Screens.h"

#include <cstdio>

#include "engine/DebugLog.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_WebTV.h"

namespace {

SIM_Screens*& Installed() {
  static SIM_Screens* screens = nullptr;
  return screens;
}

}  // namespace

SIM_Screens& Screens() {
  SIM_Screens* screens = Installed();
  return screens ? *screens : SIM_HeadlessScreens::Instance();
}

void InstallScreens(SIM_Screens* screens) { Installed() = screens; }

SIM_HeadlessScreens& SIM_HeadlessScreens::Instance() {
  static SIM_HeadlessScreens* screens = new SIM_HeadlessScreens();  // lives until the process ends
  return *screens;
}

bool SIM_HeadlessScreens::AnswerScreens() {
  AnswerHobbyWindows();
  yearlyReviewOpen_ = false;
  match3Open_ = crosswordOpen_ = false;
  postMortem_ = nullptr;
  if (workDayOpen_) {
    workDayOpen_ = false;
    SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  }
  return endGameOpen_;
}

void SIM_HeadlessScreens::AnswerHobbyWindows() {
  if (surfWebOpen_) {
    surfWebOpen_ = false;
    if (!WebsiteList().empty()) ChooseWebsite(WebsiteList().front().get());
  }
  if (watchTVOpen_) {
    watchTVOpen_ = false;
    for (const auto& channel : TVChannelList()) {
      if (ChooseTVChannel(channel.get())) break;
    }
  }
}

int SIM_HeadlessScreens::OpenWindows() const {
  return (workDayOpen_ ? 1 : 0) + (yearlyReviewOpen_ ? 1 : 0) + (postMortem_ ? 1 : 0) +
         (surfWebOpen_ ? 1 : 0) + (watchTVOpen_ ? 1 : 0);
}

void SIM_HeadlessScreens::Reset() {
  surfWebOpen_ = false;
  watchTVOpen_ = false;
  workDayOpen_ = false;
  yearlyReviewOpen_ = false;
  endGameOpen_ = false;
  postMortem_ = nullptr;
  match3Open_ = crosswordOpen_ = false;
}

void SIM_HeadlessScreens::ShowErrorBox(const std::string& title, const std::string& text) {
  // Nobody can answer a box here: the text goes where a maintainer will see it.
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void SIM_HeadlessScreens::ShowYearlyReview() {
  yearlyReviewOpen_ = true;
  ++yearlyReviewsShown_;
}
