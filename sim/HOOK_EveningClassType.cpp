// Evening class types and the enrolment.
#include "sim/HOOK_EveningClassType.h"

#include <algorithm>
#include <cctype>

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_TimeChunk.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr int kStatClassAttendances = 1;
// The note's action: the solo chooser on the enrolled class itself, not on a solo activity
// that happens to share the class's name.
constexpr int kClassNote = 3;
constexpr size_t kMaxField = 63;
// Every class also eases boredom and loneliness a little (an evening out among others).
constexpr const char* kDefaultModifiers[] = {"boredom,-0.1f,0.25f", "loneliness,-0.1f,0.25f"};
constexpr const char* kCategoryWords[HOOK_EveningClassType::kCategoryCount] = {
    "ADULT", "MEDICAL", "LAW", "DRAMA", "TECHNICAL"};

// One registry for the run, never destroyed at exit: the types' destructors take themselves
// off the other lists, so those must outlive them (SIM_SIM::Shutdown deletes the types).
struct Registry {
  std::vector<HOOK_EveningClassType*> enrolled;
  std::vector<HOOK_EveningClassType*> categories[HOOK_EveningClassType::kCategoryCount + 1];
  std::vector<std::unique_ptr<HOOK_EveningClassType>> all;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry();
  return *registry;
}

std::vector<std::unique_ptr<HOOK_EveningClassType>>& AllTypes() { return TheRegistry().all; }

std::vector<HOOK_EveningClassType*>& EnrolledList() { return TheRegistry().enrolled; }

std::vector<HOOK_EveningClassType*>& CategoryList(int category) {
  if (category < 0 || category >= HOOK_EveningClassType::kCategoryCount)
    return TheRegistry().categories[HOOK_EveningClassType::kCategoryCount];  // stays empty
  return TheRegistry().categories[category];
}

void Remove(std::vector<HOOK_EveningClassType*>& list, const HOOK_EveningClassType* type) {
  list.erase(std::remove(list.begin(), list.end(), type), list.end());
}

std::string TrimRight(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  return text;
}

}  // namespace

HOOK_EveningClassType::~HOOK_EveningClassType() {
  note_.Drop();
  Remove(EnrolledList(), this);
  for (int c = 0; c < kCategoryCount; ++c) Remove(CategoryList(c), this);
}

int HOOK_EveningClassType::CategoryOf(const std::string& word) {
  for (int c = 0; c < kCategoryCount; ++c)
    if (word == kCategoryWords[c]) return c;
  return -1;
}

std::unique_ptr<HOOK_EveningClassType> HOOK_EveningClassType::FromRow(const std::string& row) {
  StringTokenizer tokens;
  tokens.SetText(row);
  tokens.NextToken();  // the '#' field
  const std::string category = TrimRight(tokens.NextString());
  const std::string name = TrimField(tokens.NextString());
  if (name.empty()) return nullptr;
  auto type = std::make_unique<HOOK_EveningClassType>();
  type->category_ = CategoryOf(category);
  type->typeName_ = name;
  type->SetName(name);
  type->guiName_ = "nv_" + name;
  type->displayText_ = Translate(type->guiName_.c_str());
  type->text_ = TrimField(tokens.NextString());
  type->SetAction(TrimRight(TrimField(tokens.NextString())));
  type->SetCost(tokens.NextFloat());
  const int first = tokens.NextInt();
  const int last = tokens.NextInt();
  type->SetMonthWindow(first, last);
  for (int day = 0; day < 7; ++day)
    if (tokens.NextInt() != 0) type->EnableDay(day);
  tokens.NextToken();  // read and ignored
  type->SetMeetFriendChance(kMeetFriendChance);
  type->SetPanelKind("default");
  std::string study;
  while (!tokens.AtEnd()) {
    const std::string field = TrimField(tokens.NextString());
    if (!field.empty() && field[0] == '#') {
      study = TrimField(tokens.NextString());
      break;
    }
    type->AddRequirement(field);
  }
  if (!type->AddStudyModifier(study) || tokens.NumberTooLarge()) {
    LogWarning(("Evening class " + name + " left out: a number too large").c_str(),
               "HOOK_EveningClasses", __LINE__);
    return nullptr;
  }
  for (const char* modifier : kDefaultModifiers) type->AddModifier(modifier);
  return type;
}

void HOOK_EveningClassType::AddRequirement(const std::string& field) {
  if (field.size() <= 2) return;
  std::string name = field.substr(0, field.find(','));
  if (name.size() > kMaxField) name.resize(kMaxField);
  if (name.size() <= 1) return;
  AddPrerequisite(name + ",1.0", false, false);
}

bool HOOK_EveningClassType::AddStudyModifier(const std::string& field) {
  if (field.size() < 2) return true;
  const unsigned char first = static_cast<unsigned char>(field[0]);
  if (!std::isalnum(first) && first != '_') return true;
  auto m = std::make_unique<SIM_Modifier>();
  m->name = GetName();
  m->displayText = displayText_;
  const std::string amount = field.substr(0, field.find(','));
  bool tooLarge = false;
  m->amount = std::clamp(ParseFloatPrefix(amount.c_str(), &tooLarge), -1.0f, 1.0f);
  if (tooLarge) return false;
  m->limit = 1.0f;
  m->source = GetName();
  modifiers_.insert(modifiers_.begin(), m.release());
  return true;
}

void HOOK_EveningClassType::LoadAll(const std::string& file) {
  DeleteAll();
  if (!FileExists(plat::NormalizeSlashes(file))) {
    LogWarning(("Failed to find spreadsheet: " + file).c_str(), "HOOK_EveningClasses", __LINE__);
    return;
  }
  const auto table = LoadSpreadsheet(file);
  for (const std::string& row : *table) {
    auto type = FromRow(row);
    if (!type) continue;
    if (type->category_ >= 0) CategoryList(type->category_).push_back(type.get());
    AllTypes().push_back(std::move(type));
  }
}

void HOOK_EveningClassType::DeleteAll() {
  // The windows show types by pointer: they close before the types go.
  if (!AllTypes().empty()) Screens().CloseEveningClassWindows();
  AllTypes().clear();
  EnrolledList().clear();
  for (int c = 0; c < kCategoryCount; ++c) CategoryList(c).clear();
}

const std::vector<std::unique_ptr<HOOK_EveningClassType>>& HOOK_EveningClassType::All() {
  return AllTypes();
}

const std::vector<HOOK_EveningClassType*>& HOOK_EveningClassType::Enrolled() {
  return EnrolledList();
}

const std::vector<HOOK_EveningClassType*>& HOOK_EveningClassType::InCategory(int category) {
  return CategoryList(category);
}

HOOK_EveningClassType* HOOK_EveningClassType::FindByName(const std::string& name) {
  for (const auto& type : AllTypes())
    if (type->GetName() == name) return type.get();
  return nullptr;
}

float HOOK_EveningClassType::GetProgress() const { return SIM_Vesk::Instance()->GetValue(GetName()); }

bool HOOK_EveningClassType::IsCompleted() const { return GetProgress() >= 1.0f; }

bool HOOK_EveningClassType::IsEnrolled() const {
  const auto& list = EnrolledList();
  return std::find(list.begin(), list.end(), this) != list.end();
}

void HOOK_EveningClassType::Enrol() {
  if (IsEnrolled()) return;
  EnrolledList().push_back(this);
  RefreshReminder(false);
}

void HOOK_EveningClassType::Complete() {
  Remove(EnrolledList(), this);
  note_.Drop();
  SIM_EventCalendar::Instance().RemoveEntries(displayText_);
}

void HOOK_EveningClassType::RefreshReminder(bool noteWanted) {
  SIM_Date date = CurrentDate();
  const int today = date.GetDayOfWeek();
  if (!MeetsOn(today)) {
    note_.Drop();
  } else if (noteWanted) {
    note_.Show(Translate("REMINDER_EVENING_CLASS"), kClassNote, GetName());
  }
  for (int i = 0; i < 7; ++i) {
    if (MeetsOn((today + i) % 7))
      SIM_EventCalendar::Instance().AddEntry(date.GetDay(), date.GetMonth(), date.GetYear(),
                                             displayText_);
    date.AddDays(1);
  }
}

void HOOK_EveningClassType::Start() {
  const std::string& action = GetAction();
  if (!action.empty()) {
    const size_t blank = action.find(' ');
    const std::string verb = blank == std::string::npos ? action : action.substr(0, blank);
    const std::string argument = blank == std::string::npos ? action : action.substr(blank + 1);
    if (verb == "call") {
      SIM_FunctionTable::Instance().CallHook(argument);
    } else if (verb == "play") {
      SIM_Sounds::PlaySound("data/sounds/" + argument);
    }
  }
  SIM_Finances::Instance().Spend(GetCost());
  const float concentration =
      std::clamp(SIM_Vesk::Instance()->GetAlertness(), kMinConcentration, 1.0f);
  ApplyModifiers(concentration);
  if (IsCompleted()) Complete();
  Screens().OpenEveningClassResult(this, concentration);
  TryMeetNewFriend();
  SIM_Statistics::Instance().AddInt(1, kStatClassAttendances);
  note_.Drop();
  // The one end of the attendance's slot: the result window only informs.
  SIM_TimeChunk().Run();
}

void LoadEveningClassTypes() { HOOK_EveningClassType::LoadAll(); }

void RefreshEveningClassReminders() {
  // A one-slot day is on its last act even once the slot is used: with none left, the class
  // was missed and its note goes.
  const SIM_SIM& sim = SIM_SIM::Instance();
  const bool lastSlotComing = sim.GetActsLeft() > 0 && sim.IsLastAct();
  // A copy: nothing here should change the list, but a note's screens call must not walk it.
  const std::vector<HOOK_EveningClassType*> enrolled = EnrolledEveningClasses();
  for (HOOK_EveningClassType* type : enrolled) {
    if (!lastSlotComing) type->DropNote();
    type->RefreshReminder(lastSlotComing);
  }
}

const std::vector<HOOK_EveningClassType*>& EnrolledEveningClasses() {
  return HOOK_EveningClassType::Enrolled();
}
