// Films and cinema evenings.
#include "sim/SIM_Movie.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr int kStatFilmsSeen = 7;
constexpr int kAdvanceDay = 5;

struct Films {
  std::vector<std::unique_ptr<SIM_Movie>> all;
  std::vector<SIM_Movie*> order;
  std::array<SIM_Movie*, SIM_Movie::kShowing> showing = {};
  int position = 0;
};

Films& TheFilms() {
  static Films films;
  return films;
}

}  // namespace

SIM_Movie::SIM_Movie(const std::string& title, const std::string& text)
    : title_(title), text_(text) {
  SetName(title);
  quality_ = RandomUnit();
  threshold_ = RandomUnit();
  RefreshReview();
}

const std::vector<std::unique_ptr<SIM_Movie>>& SIM_Movie::All() { return TheFilms().all; }
const std::vector<SIM_Movie*>& SIM_Movie::ReleaseOrder() { return TheFilms().order; }
const std::array<SIM_Movie*, SIM_Movie::kShowing>& SIM_Movie::Showing() { return TheFilms().showing; }
int SIM_Movie::GetPosition() { return TheFilms().position; }

void SIM_Movie::DeleteAll() {
  Films& f = TheFilms();
  f.showing.fill(nullptr);
  f.order.clear();
  f.all.clear();
  f.position = 0;
}

void SIM_Movie::LoadAll(const std::string& file, bool rumours) {
  DeleteAll();
  Films& f = TheFilms();
  const auto table = LoadSpreadsheet(file);
  StringTokenizer tok;
  for (const std::string& line : *table) {
    tok.SetText(line);
    tok.NextToken();  // the marker
    const std::string title = tok.NextString();
    const std::string text = tok.NextString();
    tok.NextToken();  // not read
    auto film = std::make_unique<SIM_Movie>(title, text);
    while (!tok.AtEnd()) {
      std::string modifier = TrimField(tok.NextString());
      if (modifier.size() > kMaxModifierText) modifier.resize(kMaxModifierText);
      if (!modifier.empty()) film->AddModifier(modifier);
    }
    f.all.push_back(std::move(film));
  }
  ReportAssertion(!f.all.empty(), "SIM_Movie", __LINE__);

  std::vector<SIM_Movie*> left;
  for (const auto& film : f.all) left.push_back(film.get());
  while (!left.empty()) {
    const size_t i = static_cast<size_t>(RandomInt()) % left.size();
    f.order.push_back(left[i]);
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
  }
  f.position = 0;
  FillProgramme(rumours);
}

void SIM_Movie::FillProgramme(bool rumours) {
  Films& f = TheFilms();
  f.showing.fill(nullptr);
  if (rumours) SIM_Rumour::RemoveAllFor(kRumourKind);
  // No film at all leaves the programme empty (the chooser shows none).
  if (f.order.empty()) return;
  for (int i = 0; i < kShowing; ++i) {
    SIM_Movie* film = f.order[(static_cast<size_t>(f.position) + i) % f.order.size()];
    f.showing[i] = film;
    if (!rumours) continue;
    const std::string text = film->RumourText();
    if (!text.empty()) SIM_Rumour::Create(text, kRumourKind);
  }
}

void SIM_Movie::AdvanceWeeklyMovie() {
  if (CurrentDate().GetDayOfWeek() != kAdvanceDay) return;
  Films& f = TheFilms();
  if (f.order.empty()) return;
  f.position = (f.position + 1) % static_cast<int>(f.order.size());
  FillProgramme(true);
}

bool SIM_Movie::Restore(const std::vector<int>& releaseOrder, int position,
                        const std::vector<State>& films) {
  Films& f = TheFilms();
  const size_t n = f.all.size();
  if (releaseOrder.size() != n || films.size() != n) return false;
  std::vector<bool> named(n, false);
  for (int i : releaseOrder) {
    if (i < 0 || static_cast<size_t>(i) >= n || named[i]) return false;
    named[i] = true;
  }
  if (n > 0 && (position < 0 || static_cast<size_t>(position) >= n)) return false;
  f.order.clear();
  for (int i : releaseOrder) f.order.push_back(f.all[i].get());
  for (size_t i = 0; i < n; ++i) {
    f.all[i]->SetQuality(films[i].quality);
    f.all[i]->threshold_ = films[i].threshold;
    f.all[i]->seen_ = films[i].seen;
  }
  f.position = n > 0 ? position : 0;
  FillProgramme(false);
  return true;
}

void SIM_Movie::SetQuality(float quality) {
  quality_ = quality;
  RefreshReview();
}

void SIM_Movie::RefreshReview() { review_ = GetNumberedString(quality_, "MOVIE_REVIEW"); }

std::string SIM_Movie::GetReview() const {
  const SIM_NamedValue* knowledge = GlobalNamedValues().Find("glob_movieknowledge");
  if (knowledge && knowledge->GetValue() > threshold_) return review_;
  return "?";
}

std::string SIM_Movie::RumourText() const {
  const char* section = nullptr;
  if (quality_ < 0.3f) section = "RUMOUR_BAD_MOVIE";
  if (quality_ > 0.7f) section = "RUMOUR_GOOD_MOVIE";
  if (!section) return {};
  std::string text = GetRandomString(section);
  ReplaceSubstring(text, "<MOVIENAME>", title_);
  return text;
}

// ---------------------------------------------------------------------------------------------
// Cinema evenings

void SIM_MovieInstance::Run() {
  if (OrganisedByPlayer()) {
    Screens().OpenMovieChooser(this);
    return;
  }
  complete_ = true;
  SIM_Statistics::Instance().AddInt(1, kStatFilmsSeen);
  SIM_SocialiseInstance::Run();
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("stress", -0.05f, 0.1f, "movie");
  player->ModifyValue("boredom", -0.25f, 0.1f, "movie");
}

void SIM_MovieInstance::RateEvening() {
  if (OrganisedByPlayer()) {
    ReportAssertion(film_ != nullptr, "SIM_MovieInstance", __LINE__);
    quality_ = film_ ? film_->GetQuality() : 0.5f;
  } else {
    quality_ = RandomUnit();
  }
  mood_ = SIM_Vesk::Instance()->GetValue("happiness");
}

void SIM_MovieInstance::Complete() {
  if (!film_) {
    ReportAssertion(false, "SIM_MovieInstance", __LINE__);
    return;
  }
  if (complete_) {
    LogWarning("Cinema evening completed twice", "SIM_MovieInstance", __LINE__);
    return;
  }
  complete_ = true;
  film_->SetSeen(true);
  film_->ApplyModifiers(1.0f);
  SIM_Statistics::Instance().AddInt(1, kStatFilmsSeen);
  SIM_SocialiseInstance::Run();
  if (popcorn_) {
    SIM_Vesk* player = SIM_Vesk::Instance();
    player->ModifyValue("happiness", 0.1f, 0.35f, "popcorn");
    player->ModifyValue("weight", 0.05f, 0.92f, "popcorn");
  }
  SIM_Sounds::PlaySound("data/sounds/projector.ogg");
}
