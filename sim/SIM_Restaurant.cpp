// Restaurants and restaurant evenings.
#include "sim/SIM_Restaurant.h"

#include <algorithm>
#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_Restaurant>>& Restaurants() {
  static std::vector<std::unique_ptr<SIM_Restaurant>> restaurants;
  return restaurants;
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

const char* RumourSection(SIM_RestaurantStyle style) {
  switch (style) {
    case RESTAURANT_CHEAPO: return "RUMOUR_CHEAPO_RESTAURANT";
    case RESTAURANT_MIDRANGE: return "RUMOUR_MIDRANGE_RESTAURANT";
    case RESTAURANT_SNOOTY: return "RUMOUR_SNOOTY_RESTAURANT";
    case RESTAURANT_HIP: return "RUMOUR_HIP_RESTAURANT";
    default: return nullptr;
  }
}

const char* FullKey(SIM_RestaurantStyle style) {
  switch (style) {
    case RESTAURANT_CHEAPO: return "RESTAURANT_FULL_CHEAPO";
    case RESTAURANT_MIDRANGE: return "RESTAURANT_FULL_MIDRANGE";
    case RESTAURANT_SNOOTY: return "RESTAURANT_FULL_SNOOTY";
    default: return "RESTAURANT_FULL_HIP";
  }
}

}  // namespace

const std::vector<std::unique_ptr<SIM_Restaurant>>& SIM_Restaurant::All() { return Restaurants(); }

void SIM_Restaurant::DeleteAll() { Restaurants().clear(); }

SIM_RestaurantStyle SIM_Restaurant::StyleFromWord(const std::string& word) {
  if (word == "CHEAPO") return RESTAURANT_CHEAPO;
  if (word == "MIDRANGE") return RESTAURANT_MIDRANGE;
  if (word == "SNOOTY") return RESTAURANT_SNOOTY;
  if (word == "HIP") return RESTAURANT_HIP;
  return RESTAURANT_INVALID;
}

void SIM_Restaurant::LoadAll(const std::string& file, bool rumours) {
  DeleteAll();
  const auto table = LoadSpreadsheet(file);
  StringTokenizer tok;
  for (const std::string& line : *table) {
    tok.SetText(line);
    tok.NextToken();  // the marker
    auto r = std::make_unique<SIM_Restaurant>();
    r->cuisine_ = tok.NextString();
    r->text_ = tok.NextString();
    r->name_ = tok.NextString();
    r->secondText_ = tok.NextString();
    r->price_ = tok.NextFloat();
    const std::string word = tok.NextTrimmedString();
    r->style_ = StyleFromWord(word);
    if (r->style_ == RESTAURANT_INVALID) LogWarning("Invalid restuarant style", "SIM_Restaurant", __LINE__);
    r->SetUpStyle(rumours);
    Restaurants().push_back(std::move(r));
  }
  DailyUpdateAll();
}

void SIM_Restaurant::SetUpStyle(bool rumour) {
  switch (style_) {
    case RESTAURANT_CHEAPO: tovelValue_ = GV("GV_CHEAPO_RESTAURANT_TOVEL"); break;
    case RESTAURANT_SNOOTY: tovelValue_ = GV("GV_SNOOTY_RESTAURANT_TOVEL"); break;
    case RESTAURANT_HIP: tovelValue_ = GV("GV_HIP_RESTAURANT_TOVEL"); break;
    default: tovelValue_ = 0.0f; break;
  }
  const char* section = RumourSection(style_);
  if (!section || !rumour) return;
  std::string text = GetRandomString(section);
  ReplaceSubstring(text, "<RESTAURANTNAME>", name_);
  SIM_Rumour::Create(text, kRumourKind);
}

void SIM_Restaurant::DailyUpdateAll() {
  for (const auto& r : Restaurants()) r->DailyUpdate();
}

const std::vector<SIM_Restaurant::CuisineTaste>& SIM_Restaurant::CuisineTastes() {
  static const std::vector<CuisineTaste> tastes = {
      {"mexicanrestaurant", "mexican"},
      {"pizzarestaurant", "italian"},
      {"frenchrestaurant", "french"},
      {"chineserestaurant", "chinese"},
  };
  return tastes;
}

float SIM_Restaurant::CuisineInterest() const {
  for (const CuisineTaste& taste : CuisineTastes())
    if (cuisine_ == taste.cuisine) return SIM_Vesk::Instance()->GetValue(taste.playerValue);
  return 1.0f;
}

void SIM_Restaurant::DailyUpdate() {
  tableToday_ = false;
  const int day = CurrentDate().GetDayOfWeek();
  const float free = day == 4 || day == 5 ? 0.4f : 0.7f;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  const float standing = std::clamp(SIM_Tovel::Instance().GetTotal() / 50.0f, 0.0f, 1.0f);
  const float wealth = std::clamp(SIM_Finances::Instance().GetCash() / 400.0f, 0.0f, 1.0f);
  const float culture = player->GetValue("culture");
  const float cooking = player->GetValue(kCookingValue);
  const float taste = CuisineInterest();
  switch (style_) {
    case RESTAURANT_CHEAPO:
      if (RandomChance(free)) {
        tableToday_ = true;
        rating_ = RandomFloat(0.0f, 1.0f);
      }
      break;
    case RESTAURANT_MIDRANGE: {
      const float p = std::clamp(0.75f * free + 0.25f * taste, 0.0f, 1.0f);
      if (RandomUnit() < p) {
        tableToday_ = true;
        rating_ = (0.55f * p + 0.45f) * RandomFloat(0.9f, 1.1f);
      }
      break;
    }
    case RESTAURANT_SNOOTY: {
      const float p =
          std::clamp(0.2f * (free + wealth + standing + culture + taste + cooking), 0.0f, 1.0f);
      if (RandomUnit() < p) {
        tableToday_ = true;
        rating_ = (0.35f * p + 0.65f) * RandomFloat(0.9f, 1.1f);
      }
      break;
    }
    case RESTAURANT_HIP: {
      const float p = std::clamp(0.75f * free + 0.25f * standing + 0.2f * cooking, 0.0f, 1.0f);
      if (RandomUnit() < p) {
        tableToday_ = true;
        rating_ = RandomFloat(0.5f, 1.0f);
      }
      break;
    }
    default:
      LogWarning("Invalid restaurant style", "SIM_Restaurant", __LINE__);
      break;
  }
  const SIM_JobBase* job = player->GetJob();
  if (job && job->GetName() == "food_critic") tableToday_ = true;
}

// ---------------------------------------------------------------------------------------------
// Restaurant evenings

void SIM_RestaurantInstance::Run() {
  if (!OrganisedByPlayer()) {
    Screens().OpenRestaurantMeal(this);
    return;
  }
  candidates_.clear();
  for (const auto& r : Restaurants())
    if (r->GetCuisine() == type_->GetName()) candidates_.push_back(r.get());
  ReportAssertion(!candidates_.empty(), "SIM_RestaurantInstance", __LINE__);
  Screens().OpenRestaurantChooser(this);
}

int SIM_Restaurant::GetCharge() const { return ClampToInt(price_); }

void SIM_RestaurantInstance::SelectRestaurant(SIM_Restaurant* restaurant) {
  if (!restaurant || complete_) return;
  if (!restaurant->HasTableToday()) {
    Screens().ShowMessage(Translate(FullKey(restaurant->GetStyle())),
                          Translate("RESTAURANT_FULL_TITLE"));
    return;
  }
  Screens().CloseRestaurantChooser();
  chosen_ = restaurant;
  cost_ = restaurant->GetCharge();
  Screens().OpenRestaurantMeal(this);
}

void SIM_RestaurantInstance::RateEvening() {
  if (OrganisedByPlayer()) {
    ReportAssertion(chosen_ != nullptr, "SIM_RestaurantInstance", __LINE__);
    quality_ = chosen_ ? chosen_->GetRating() : 0.5f;
  } else {
    quality_ = RandomUnit();
  }
  mood_ = SIM_Vesk::Instance()->GetValue("happiness");
}

void SIM_RestaurantInstance::Complete() {
  if (complete_) {
    LogWarning("Restaurant evening completed twice", "SIM_RestaurantInstance", __LINE__);
    return;
  }
  complete_ = true;
  SIM_SocialiseInstance::Run();
  if (chosen_) tovelChange_ = SIM_Tovel::Instance().Add(chosen_->GetTovelValue());
  // The evening's report is open by now; its standing line tells what the meal just did.
  const std::string line = TovelLine();
  if (!line.empty()) Screens().AddPostMortemLine(line);
  SIM_Vesk* player = SIM_Vesk::Instance();
  if (wine_) {
    player->ModifyValue("alcohol", 0.2f, 0.4f, "restaurant-alcohol");
    player->ModifyValue("boredom", -0.25f, 0.6f, "restaurant-alcohol");
    player->ModifyValue("stress", -0.1f, 0.2f, "restaurant-alcohol");
    player->ModifyValue("happiness", 0.2f, 0.25f, "restaurant-alcohol");
    SIM_Sounds::PlaySound("data/sounds/wine.ogg");
  }
  if (mealChoice_ == kIndulgent) {
    player->ModifyValue("health", -0.05f, 0.99f, "restaurant");
    player->ModifyValue("weight", 0.056f, 0.92f, "restaurant");
    player->ModifyValue("boredom", -0.25f, 0.6f, "restaurant");
    player->ModifyValue("stress", -0.1f, 0.2f, "restaurant");
  } else {
    player->ModifyValue("weight", 0.035f, 0.88f, "restaurant");
    player->ModifyValue("boredom", -0.125f, 0.6f, "restaurant");
    player->ModifyValue("stress", -0.05f, 0.2f, "restaurant");
    player->ModifyValue("health", 0.02f, 0.99f, "restaurant");
  }
  player->ModifyValue("boredom", -0.2f, 0.25f, "restaurant");
}

std::string SIM_RestaurantInstance::TovelLine() const {
  // The change the meal made to the standing, which the floor or the cap may have cut short.
  const float value = tovelChange_;
  if (std::fabs(value) < 0.005f) return {};  // "0.00": nothing to tell
  std::string line = Translate(value > 0.0f ? "RESTAURANT_TOVEL_BOOST" : "RESTAURANT_TOVEL_DROP");
  // The words say which way it went; the number is only how far.
  ReplaceSubstring(line, "<AMOUNT>", FormatFixed(std::fabs(value), 2));
  return line;
}

