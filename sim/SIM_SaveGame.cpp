// The save writer.
#include "sim/SIM_SaveGame.h"

#include <algorithm>

#include <charconv>
#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "engine/Version.h"
#include "platform/Files.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Interest.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveTags.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace st = savetag;

namespace {

std::string& Folder() {
  static std::string folder;
  return folder;
}

std::string& LastErrorText() {
  static std::string error;
  return error;
}

int& NextSLID() {
  static int next = 0;
  return next;
}

// Builds the file text line by line.
class Writer {
 public:
  void Line(const std::string& text) {
    out_ += text;
    out_ += '\n';
  }
  void Open(const char* tag) { Line(std::string("<") + tag + ">"); }
  void Close(const char* tag) { Line(std::string("</") + tag + ">"); }
  void Raw(const char* tag, const std::string& value) {
    out_ += '<';
    out_ += tag;
    out_ += '>';
    out_ += value;
    out_ += "</";
    out_ += tag;
    out_ += ">\n";
  }
  void String(const char* tag, const std::string& text) { Raw(tag, SIM_SaveGame::EncodeValue(text)); }
  void Int(const char* tag, int value) { Raw(tag, std::to_string(value)); }
  void Flag(const char* tag, bool value) { Int(tag, value ? 1 : 0); }
  void Float(const char* tag, float value) { Raw(tag, Number(Finite(tag, value))); }

  static std::string Number(float value) { return SIM_SaveGame::FormatNumber(value); }

  // A value gone to infinity or NaN would make the save unreadable; it is written as 0.
  static float Finite(const char* tag, float value) {
    if (std::isfinite(value)) return value;
    LogWarning((std::string("Saved a number that is not finite as 0: ") + tag).c_str(),
               "SIM_SaveGame", __LINE__);
    return 0.0f;
  }

  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

void WriteBoredom(Writer& w, const std::vector<SaveBoredomItem>& items) {
  w.Open(st::kBoredom);
  for (const SaveBoredomItem& item : items) {
    w.Open(st::kBoredomItem);
    w.String(st::kName, item.name);
    w.Float(st::kValue, item.value);
    w.Close(st::kBoredomItem);
  }
  w.Close(st::kBoredom);
}

void WriteSkills(Writer& w, const std::vector<SaveNamedValue>& skills) {
  w.Open(st::kSkills);
  for (const SaveNamedValue& skill : skills) {
    w.Open(st::kSkill);
    w.String(st::kName, skill.name);
    w.String(st::kGuiName, skill.guiName);
    w.Float(st::kValue, skill.value);
    w.Close(st::kSkill);
  }
  w.Close(st::kSkills);
}

void WritePlayer(Writer& w, const SavePlayer& p) {
  w.Open(st::kVesk);
  w.Int(st::kSLID, p.slid);
  w.String(st::kForename, p.forename);
  w.Open(st::kAttributes);
  for (const SaveAttribute& a : p.attributes) {
    w.Open(st::kAttribute);
    w.String(st::kName, a.name);
    w.String(st::kGuiName, a.guiName);
    w.String(st::kDescription, a.description);
    w.Float(st::kBaseValue, a.base);
    w.Flag(st::kAlwaysShow, a.alwaysShow);
    w.Flag(st::kHighIsGood, a.highIsGood);
    w.Int(st::kCriteria, a.criteria);
    w.Float(st::kWarnLimit, a.warnLimit);
    w.String(st::kHighDesc, a.highDesc);
    w.String(st::kLowDesc, a.lowDesc);
    for (const SaveEffect& e : a.effects) {
      w.Open(st::kSimEffect);
      w.String(st::kDebugName, e.debugName);
      w.Float(st::kDegrade, e.degrade);
      w.Float(st::kEffect, e.amount);
      w.Close(st::kSimEffect);
    }
    w.Float(st::kValue, a.value);
    w.Close(st::kAttribute);
  }
  w.Close(st::kAttributes);
  WriteSkills(w, p.skills);
  WriteBoredom(w, p.boredom);
  w.String(st::kAvatarTexture, p.avatarTexture);
  w.Int(st::kSocialClass, p.socialClass);
  w.Close(st::kVesk);
}

void WriteNPC(Writer& w, const SaveNPC& n) {
  w.Open(st::kNPC);
  w.Int(st::kSLID, n.slid);
  w.String(st::kForename, n.forename);
  w.String(st::kSurname, n.surname);
  w.String(st::kFullName, n.fullName);
  w.String(st::kPortrait, n.portrait);
  w.String(st::kGreyed, n.greyed);
  w.Float(st::kTovel, n.tovel);
  w.Float(st::kIQ, n.iq);
  w.Float(st::kCulture, n.culture);
  w.Flag(st::kIntroduced, n.introduced);
  w.Int(st::kSnubDelay, n.snubDelay);
  w.Int(st::kSnubCount, n.snubCount);
  w.Int(st::kVeskDays, n.veskDays);
  w.Int(st::kInviteDays, n.inviteDays);
  w.Flag(st::kUnlockOffered, n.unlockOffered);
  w.Float(st::kRomanticCompatibility, n.romanticCompatibility);
  w.Float(st::kCashPerWeek, n.cashPerWeek);
  w.Float(st::kCash, n.cash);
  w.Raw(st::kDateOfBirth, std::to_string(n.birthDay) + "," + std::to_string(n.birthMonth) + "," +
                              std::to_string(n.birthYear));
  w.Int(st::kGender, n.gender);
  w.String(st::kUnlockable, n.unlockable);
  w.Open(st::kInterests);
  for (const SaveInterest& i : n.interests) {
    w.Open(st::kInterest);
    w.String(st::kCategory, i.category);
    w.String(st::kName, i.name);
    w.String(st::kGuiName, i.guiName);
    w.Close(st::kInterest);
  }
  w.Close(st::kInterests);
  WriteSkills(w, n.skills);
  w.String(st::kCharacterType, n.characterType);
  WriteBoredom(w, n.boredom);
  w.Open(st::kMemories);
  for (const SaveMemory& m : n.memories) {
    w.Open(st::kMemory);
    w.String(st::kType, m.type);
    w.Float(st::kHappiness, m.happiness);
    w.Float(st::kStrength, m.strength);
    w.Close(st::kMemory);
  }
  w.Close(st::kMemories);
  w.Flag(st::kInvitedToday, n.invitedToday);
  w.Int(st::kSocialClass, n.socialClass);
  if (n.hasHeldJob) {
    w.String(st::kHeldJob, n.heldJob);
    w.Int(st::kHeldJobPool, n.heldJobPool);
  }
  w.Close(st::kNPC);
}

void WriteJobs(Writer& w, const SaveGameData& d) {
  w.Open(st::kJobInstance);
  w.Int(st::kGrade, d.jobInstance.grade);
  w.Int(st::kDaysInJob, d.jobInstance.daysInJob);
  w.Int(st::kDaysSincePromotion, d.jobInstance.daysSincePromotion);
  for (const SaveJobPerf& perf : d.jobInstance.perf) {
    w.Open(st::kJobPerf);
    w.Raw(st::kData, std::string(perf.valid ? "1," : "0,") +
                         Writer::Number(Writer::Finite(st::kData, perf.value)));
    w.Close(st::kJobPerf);
  }
  w.Close(st::kJobInstance);

  const SaveJobType& j = d.jobType;
  w.Open(st::kJobType);
  w.String(st::kPromote1, j.promote[0]);
  w.String(st::kPromote2, j.promote[1]);
  w.String(st::kPromote3, j.promote[2]);
  w.String(st::kName, j.name);
  w.String(st::kGuiName, j.guiName);
  w.String(st::kEmployerName, j.employerName);
  w.String(st::kIndustryName, j.industryName);
  w.String(st::kWorkplace, j.workplace);
  w.String(st::kMaleDesc, j.maleDesc);
  w.String(st::kFemaleDesc, j.femaleDesc);
  w.Float(st::kCommuteDistance, j.commuteDistance);
  w.Float(st::kMinTip, j.minTip);
  w.Float(st::kMaxTip, j.maxTip);
  w.Float(st::kMinSalary, j.minSalary);
  w.Float(st::kMaxSalary, j.maxSalary);
  w.Int(st::kDuration, j.duration);
  w.Int(st::kDaysSinceLastFriend, j.daysSinceLastFriend);
  w.Int(st::kLocked, j.locked);
  w.Float(st::kRarity, j.rarity);
  w.Float(st::kSociability, j.sociability);
  w.Open(st::kModifiers);
  for (const SaveModifier& m : j.modifiers) {
    w.Open(st::kModifier);
    w.String(st::kName, m.name);
    w.String(st::kDebugName, m.debugName);
    w.Float(st::kDegrade, m.degrade);
    w.Float(st::kValue, m.value);
    w.Close(st::kModifier);
  }
  w.Close(st::kModifiers);
  w.Close(st::kJobType);

  w.Open(st::kJobsApplied);
  for (const SaveJobApplication& a : d.jobsApplied) {
    w.Open(st::kJob);
    w.String(st::kName, a.name);
    w.Int(st::kAppliedTimer, a.timer);
    w.Close(st::kJob);
  }
  w.Close(st::kJobsApplied);

  if (d.hasJobStates) {
  w.Open(st::kJobStates);
  for (const SaveJobState& js : d.jobStates) {
    w.Open(st::kJobState);
    w.String(st::kName, js.name);
    w.Flag(st::kOpenToday, js.openToday);
    w.Float(st::kCommuteDistance, js.commuteDistance);
    w.Int(st::kDaysSinceLastFriend, js.daysSinceLastFriend);
    w.Flag(st::kInLockedList, js.inLockedList);
    w.Close(st::kJobState);
  }
  w.Close(st::kJobStates);
  }
  if (d.legalCase.present) {
    w.Open(st::kLegalCase);
    w.Float(st::kCaseDifficulty, d.legalCase.difficulty);
    w.String(st::kCaseTitle, d.legalCase.title);
    w.Int(st::kCaseLength, d.legalCase.length);
    w.Int(st::kDaysIntoCase, d.legalCase.daysInto);
    w.Float(st::kCaseValue, d.legalCase.value);
    w.Close(st::kLegalCase);
  }
}

// The acting and music pool, whole, and the answers to applications.
void WriteCareerPool(Writer& w, const SaveGameData& d) {
  if (!d.hasEntertainJobs) return;
  w.Open(st::kEntertainJobs);
  w.Int(st::kHeldPoolJob, d.heldPoolJob);
  for (const SaveEntertainJob& j : d.entertainJobs) {
    w.Open(st::kEntertainJob);
    w.String(st::kIndustryName, j.industryName);
    w.String(st::kGuiName, j.guiName);
    w.String(st::kEmployerName, j.employerName);
    w.String(st::kWorkplace, j.workplace);
    w.String(st::kMaleDesc, j.maleDesc);
    w.String(st::kFemaleDesc, j.femaleDesc);
    w.String(st::kRejectionText, j.rejectionText);
    w.String(st::kSpecialty, j.specialty);
    w.String(st::kFamily, j.family);
    w.Float(st::kLevel, j.level);
    w.Int(st::kAge, j.age);
    w.Int(st::kCooldown, j.cooldown);
    w.Flag(st::kOpenToday, j.openToday);
    w.Float(st::kCommuteDistance, j.commuteDistance);
    w.Float(st::kMinSalary, j.minSalary);
    w.Float(st::kMaxSalary, j.maxSalary);
    w.Int(st::kDuration, j.duration);
    w.Int(st::kDaysSinceLastFriend, j.daysSinceLastFriend);
    w.Float(st::kRarity, j.rarity);
    w.Float(st::kSociability, j.sociability);
    w.Float(st::kSocialTovel, j.socialTovel);
    w.Open(st::kPrereqs);
    for (const SavePrerequisite& p : j.prereqs) {
      w.Open(st::kPrereq);
      w.String(st::kName, p.name);
      w.Float(st::kValue, p.value);
      w.Flag(st::kFirst, p.first);
      w.Flag(st::kBelow, p.below);
      w.Close(st::kPrereq);
    }
    w.Close(st::kPrereqs);
    w.Open(st::kModifiers);
    for (const SaveModifier& m : j.modifiers) {
      w.Open(st::kModifier);
      w.String(st::kName, m.name);
      w.String(st::kDebugName, m.debugName);
      w.Float(st::kDegrade, m.degrade);
      w.Float(st::kValue, m.value);
      w.Close(st::kModifier);
    }
    w.Close(st::kModifiers);
    w.Close(st::kEntertainJob);
  }
  w.Close(st::kEntertainJobs);

  w.Open(st::kJobOffers);
  for (const SaveJobOffer& o : d.jobOffers) {
    w.Open(st::kJobOffer);
    w.String(st::kName, o.job);
    w.Int(st::kPoolIndex, o.pool);
    w.Flag(st::kSuccess, o.success);
    w.Flag(st::kPending, o.pending);
    w.Int(st::kDaysLeft, o.daysLeft);
    w.Int(st::kReason, o.reason);
    w.Flag(st::kRejectionApplied, o.rejectionApplied);
    w.Close(st::kJobOffer);
  }
  w.Close(st::kJobOffers);
}

void WriteProject(Writer& w, const char* tag, const SaveProject& p) {
  w.Open(tag);
  w.Float(st::kProgress, p.progress);
  w.Float(st::kQuality, p.quality);
  w.String(st::kGuiName, p.guiName);
  std::string chunks;
  for (float c : p.chunks) chunks += Writer::Number(Writer::Finite(st::kChunks, c)) + ",";
  w.Raw(st::kChunks, chunks);
  w.Close(tag);
}

void WritePet(Writer& w, const char* tag, const SavePet& pet, bool dog, bool hamster) {
  w.Open(tag);
  if (dog) w.Int(st::kBurglars, pet.burglars);
  w.Int(st::kNoFood, pet.noFood);
  w.String(st::kName, pet.name);
  if (hamster) w.Int(st::kAge, pet.age);
  w.Flag(st::kFoodReminder, pet.reminder > 0);
  w.Close(tag);
}

std::vector<SaveBoredomItem> CaptureBoredom(const SIM_Boredom* boredom) {
  std::vector<SaveBoredomItem> items;
  if (boredom)
    for (const auto& [name, value] : boredom->Items()) items.push_back({name, value});
  return items;
}

std::vector<SaveNamedValue> CaptureValues(const SIM_NamedValueList& list) {
  std::vector<SaveNamedValue> values;
  for (const SIM_NamedValue* v : list.Values())
    values.push_back({v->GetName(), v->GetGuiName(), v->GetValue()});
  return values;
}

void CapturePlayer(SavePlayer& p) {
  SIM_Vesk* vesk = SIM_Vesk::Instance();
  p.slid = vesk->GetSLID();
  p.forename = vesk->GetForename();
  for (const SIM_NamedValue* v : vesk->Attributes().Values()) {
    SaveAttribute a;
    a.name = v->GetName();
    a.guiName = v->GetGuiName();
    a.base = v->GetValue();
    a.value = v->GetValue();
    if (const auto* attribute = dynamic_cast<const SIM_Attribute*>(v)) {
      // The base, not the value: the effects are saved beside it and added again on load.
      a.base = attribute->GetBase();
      a.description = attribute->GetDescription(SIM_Attribute::kDescription);
      a.alwaysShow = attribute->GetFlag1();
      a.highIsGood = attribute->IsRisingGood();
      a.criteria = attribute->GetWarnCriterion();
      a.warnLimit = attribute->GetWarnThreshold();
      a.highDesc = attribute->GetDescription(SIM_Attribute::kDescriptionHigh);
      a.lowDesc = attribute->GetDescription(SIM_Attribute::kDescriptionLow);
      for (const SIM_Effect* e : attribute->GetEffects())
        a.effects.push_back({e->GetDebugName(), e->GetDegrade(), e->GetAmount()});
    }
    p.attributes.push_back(std::move(a));
  }
  p.socialClass = vesk->GetSocialClass();
  p.skills = CaptureValues(vesk->Skills());
  p.boredom = CaptureBoredom(vesk->GetBoredom());
  p.avatarTexture = SIM_GameConfig::Instance().GetAvatarName();
}

SaveNPC CaptureNPC(SIM_NPC* npc) {
  SaveNPC n;
  n.slid = npc->GetSLID();
  n.forename = npc->GetForename();
  n.surname = npc->GetSurname();
  n.fullName = npc->GetFullName();
  n.portrait = npc->GetPortrait();
  n.greyed = npc->GetGreyPortrait();
  n.tovel = npc->GetTovelDemand();
  n.iq = npc->GetIQDemand();
  n.culture = npc->GetCultureDemand();
  n.introduced = npc->IsIntroduced();
  n.snubDelay = npc->GetSnubDelay();
  n.snubCount = npc->GetSnubCount();
  n.veskDays = npc->GetVeskDays();
  n.inviteDays = npc->GetInviteDays();
  n.unlockOffered = npc->IsUnlockOffered();
  n.invitedToday = npc->IsInvitedToday();
  n.socialClass = npc->GetSocialClass();
  n.romanticCompatibility = npc->GetAttraction();
  n.cashPerWeek = npc->GetCashPerWeek();
  n.cash = npc->GetCash();
  if (const SIM_Date* dob = npc->GetBirthDate()) {
    n.birthDay = dob->GetDay();
    n.birthMonth = dob->GetMonth();
    n.birthYear = dob->GetYear();
  }
  n.gender = npc->GetGender();
  n.unlockable = npc->GetUnlockableJob() ? npc->GetUnlockableJob()->GetName() : savetag::kNullJob;
  // Pool jobs share one name: theirs is told by its place in the pool.
  n.hasHeldJob = true;
  if (const SIM_JobBase* job = npc->GetJob()) {
    n.heldJob = job->GetName();
    const auto& pool = SIM_EntertainJob::All();
    const auto at = std::find(pool.begin(), pool.end(), job);
    n.heldJobPool = at == pool.end() ? -1 : static_cast<int>(at - pool.begin());
  }
  for (const SIM_Interest* i : npc->GetInterests())
    if (const SIM_InterestType* type = i->GetType())
      n.interests.push_back({type->GetCategory(), type->GetName(), type->GetGuiName()});
  n.skills = CaptureValues(npc->NamedValues());
  n.characterType = npc->GetCharacterType() ? npc->GetCharacterType()->GetName() : "";
  n.boredom = CaptureBoredom(npc->GetBoredom());
  if (const SIM_Memory* memory = npc->GetMemory())
    for (const SIM_MemoryItem* m : memory->Items())
      if (m->type) n.memories.push_back({m->type->GetName(), m->happiness, m->strength});
  return n;
}

// Set once the player has been told that the autosave fails; cleared by a save that works.
bool& AutosaveFailureTold() {
  static bool told = false;
  return told;
}

// The one place a failed save reaches the player.
void TellPlayer(const std::string& key) {
  Screens().ShowErrorBox(Translate("SAVEGAME_TITLE"), Translate(key.c_str()));
}

// The log keeps every failure. The player hears of every save they asked for that failed,
// but of a failing autosave only once until a save works again: a full disk or a read-only
// folder would otherwise raise a box every day.
void ReportFailure(const std::string& key, const std::string& slot, bool autosave) {
  LastErrorText() = key;
  LogWarning(("Save failed (" + key + "): " + slot).c_str(), "SIM_SaveGame", __LINE__);
  if (autosave) {
    if (AutosaveFailureTold()) return;
    AutosaveFailureTold() = true;
  }
  TellPlayer(key);
}

// The temporary file a save writes before its rename: "<slot>.xml.tmp<process id>".
bool IsInterruptedSaveName(const std::string& name) {
  const std::string mark = std::string(st::kExtension) + ".tmp";
  const size_t at = name.rfind(mark);
  if (at == std::string::npos || at == 0) return false;
  const std::string pid = name.substr(at + mark.size());
  return !pid.empty() && pid.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

void SIM_SaveGame::SetFolder(const std::string& folder) { Folder() = folder; }
const std::string& SIM_SaveGame::GetFolder() { return Folder(); }

std::string SIM_SaveGame::PathFor(const std::string& slot) {
  return Folder() + "/" + slot + st::kExtension;
}

bool SIM_SaveGame::IsValidSlotName(const std::string& slot, std::string* why) {
  const char* reason = nullptr;
  if (slot.find_first_not_of(" \t\r\n") == std::string::npos) {
    reason = "SAVEGAME_NAME_EMPTY";
  } else if (slot.find('/') != std::string::npos || slot.find('\\') != std::string::npos ||
             slot[0] == '.') {
    // A slash would leave the save folder; a leading '.' hides the file from the listing.
    reason = "SAVEGAME_NAME_BAD";
  }
  if (why) *why = reason ? reason : "";
  return reason == nullptr;
}

bool SIM_SaveGame::Save(const std::string& slot) { return Write(slot, false); }

bool SIM_SaveGame::Autosave() { return Write(st::kAutosave, true); }

bool SIM_SaveGame::Write(const std::string& slot, bool autosave) {
  LastErrorText().clear();
  std::string why;
  if (!IsValidSlotName(slot, &why)) {
    ReportFailure(why, slot, autosave);
    return false;
  }
  if (Folder().empty()) {
    ReportFailure("SAVEGAME_WRITE_FAILED", slot, autosave);
    return false;
  }
  // The whole text is ready before the file is touched; the rename then replaces an older
  // save in one step, and a failed write leaves it as it was.
  if (!plat::WriteFileAtomically(PathFor(slot), BuildText())) {
    ReportFailure("SAVEGAME_WRITE_FAILED", slot, autosave);
    return false;
  }
  AutosaveFailureTold() = false;
  return true;
}

int SIM_SaveGame::RemoveInterruptedSaves() {
  if (Folder().empty()) return 0;
  int removed = 0;
  for (const plat::DirEntry& entry : plat::ListMatching(Folder() + "/*" + st::kExtension + ".tmp*")) {
    if (entry.isDirectory || !IsInterruptedSaveName(entry.name)) continue;
    if (plat::RemoveFile(Folder() + "/" + entry.name)) {
      LogWarning(("Removed an interrupted save: " + entry.name).c_str(), "SIM_SaveGame", __LINE__);
      ++removed;
    }
  }
  return removed;
}

const std::string& SIM_SaveGame::LastError() { return LastErrorText(); }

namespace {

void CaptureJobs(SaveGameData& d) {
  if (const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob()) job->ToSave(d.jobType);
  if (const SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance()) {
    d.jobInstance.grade = instance->GetLevel();
    d.jobInstance.daysInJob = instance->GetDaysInJob();
    d.jobInstance.daysSincePromotion = instance->GetDaysSincePromotion();
    for (int i = 0; i < SIM_JobInstance::kHistory; ++i)
      d.jobInstance.perf[i] = {instance->GetHistory()[i].valid, instance->GetHistory()[i].value};
    if (const auto* legal = dynamic_cast<const SIM_LegalJob*>(instance))
      d.legalCase = {true, legal->GetCaseDifficulty(), legal->GetCaseTitle(),
                     legal->GetCaseLength(), legal->GetDaysIntoCase(), legal->GetCaseValue()};
  }
  const auto& locked = SIM_JobBase::LockedJobs();
  d.hasJobStates = true;
  for (const SIM_JobBase* job : SIM_JobBase::All()) {
    if (!job->IsCatalogueJob()) continue;
    if (job->GetApplyCooldown() > 0) d.jobsApplied.push_back({job->GetName(), job->GetApplyCooldown()});
    const bool inLocked = std::find(locked.begin(), locked.end(), job) != locked.end();
    d.jobStates.push_back({job->GetName(), job->IsOpenToday(), job->GetCommuteDistance(),
                           job->GetDaysSinceLastColleague(), inLocked});
  }
}

}  // namespace

namespace {

void CaptureVenues(SaveGameData& d) {
  const SIM_BowlingTeam& team = SIM_BowlingTeam::Instance();
  d.practiceNight = team.GetMatchDay();
  d.onTeam = team.IsMember();
  d.beenOnTeam = team.HasBeenOnTeam();
  d.hasVenues = true;
  d.bowlingDue = team.IsMatchDue();
  const auto& films = SIM_Movie::All();
  d.moviePosition = SIM_Movie::GetPosition();
  for (const SIM_Movie* film : SIM_Movie::ReleaseOrder()) {
    for (size_t i = 0; i < films.size(); ++i)
      if (films[i].get() == film) d.movieRelease.push_back(static_cast<int>(i));
  }
  for (const auto& film : films)
    d.movies.push_back({film->GetQuality(), film->GetThreshold(), film->IsSeen()});
  for (const auto& r : SIM_Restaurant::All())
    d.restaurants.push_back({r->HasTableToday(), r->GetRating()});
}

// The films' and restaurants' state and the bowling match's due flag.
void WriteVenues(Writer& w, const SaveGameData& d) {
  if (!d.hasVenues) return;
  w.Open(st::kVenues);
  w.Flag(st::kMatchDue, d.bowlingDue);
  w.Open(st::kMovies);
  w.Int(st::kPosition, d.moviePosition);
  w.Open(st::kRelease);
  for (int i : d.movieRelease) w.Int(st::kIndex, i);
  w.Close(st::kRelease);
  for (const SaveMovie& m : d.movies) {
    w.Open(st::kMovie);
    w.Float(st::kQuality, m.quality);
    w.Float(st::kThreshold, m.threshold);
    w.Flag(st::kSeen, m.seen);
    w.Close(st::kMovie);
  }
  w.Close(st::kMovies);
  w.Open(st::kRestaurants);
  for (const SaveRestaurant& r : d.restaurants) {
    w.Open(st::kRestaurant);
    w.Flag(st::kTable, r.table);
    w.Float(st::kRating, r.rating);
    w.Close(st::kRestaurant);
  }
  w.Close(st::kRestaurants);
  w.Close(st::kVenues);
}

// Returns the invitations saved, in the file's order.
std::vector<const SIM_SocialInvitation*> CaptureSocial(SaveGameData& d) {
  std::vector<const SIM_SocialInvitation*> saved;
  d.hasSocial = true;
  // The characters who have left the player's world are not saved, nor is what only they
  // hold: their invitations, and their places among the guests.
  for (const SIM_SocialInvitation* invitation : SIM_SocialInvitation::All()) {
    if (invitation->GetInviter()->IsRemoved()) continue;
    SaveInvitation s;
    s.inviter = invitation->GetInviter()->GetSLID();
    s.type = invitation->GetType()->GetName();
    s.kind = invitation->GetKind();
    for (const SIM_NPC* guest : invitation->GetGuests())
      if (!guest->IsRemoved()) s.guests.push_back(guest->GetSLID());
    s.accepted = invitation->IsAccepted();
    s.lapsed = invitation->IsLapsed();
    s.payOffer = invitation->HasPayOffer();
    s.playerCost = invitation->GetPlayerCost();
    s.text = invitation->GetText();
    d.invitations.push_back(std::move(s));
    saved.push_back(invitation);
  }
  d.smallTalkTopics = SIM_SmallTalk::Topics();
  for (const SIM_SmallTalk::News& n : SIM_SmallTalk::AllNews())
    d.smallTalkNews.push_back({n.key, n.days});
  for (const SIM_Rumour* rumour : SIM_Rumour::All())
    d.rumours.push_back({rumour->GetText(), rumour->GetOwner()});
  return saved;
}

// The place of an object in a list, or -1.
template <typename List, typename T>
int PlaceIn(const List& list, const T* object) {
  for (size_t i = 0; i < list.size(); ++i)
    if (&*list[i] == object) return static_cast<int>(i);
  return -1;
}

// The day's mail as the screens hold it. An item whose owner the file does not keep (a
// character who has left, an answered offer) is not saved: there is nothing to answer.
void CaptureMail(SaveGameData& d, const std::vector<const SIM_SocialInvitation*>& invitations) {
  d.hasMail = true;
  for (const SIM_MailItem& item : Screens().ListMail()) {
    SaveMail m;
    m.kind = item.kind;
    switch (item.kind) {
      case SIM_MailItem::kJobUnlock:
      case SIM_MailItem::kRumour:
      case SIM_MailItem::kNPCMessage:
      case SIM_MailItem::kNewFriend:
        if (!item.npc || item.npc->IsRemoved()) continue;
        if (item.kind == SIM_MailItem::kJobUnlock && !item.npc->GetUnlockableJob()) continue;
        m.owner = item.npc->GetSLID();
        break;
      case SIM_MailItem::kJobOffer:
        m.owner = PlaceIn(SIM_JobOffer::All(), item.offer);
        break;
      case SIM_MailItem::kInvitation:
        m.owner = PlaceIn(invitations, item.invitation);
        break;
      case SIM_MailItem::kRoyaltyReport:
        m.owner = PlaceIn(SIM_RoyaltyStream::All(), item.royalty);
        break;
      case SIM_MailItem::kSpecialEvent:
        // A ticket used already has nothing left to answer.
        if (!item.event || item.event->IsAttended()) continue;
        m.name = item.event->GetTypeName();
        break;
      case SIM_MailItem::kTextureMessage:
        break;
    }
    const bool owned = item.kind == SIM_MailItem::kTextureMessage ||
                       item.kind == SIM_MailItem::kSpecialEvent || m.owner >= 0;
    if (!owned) continue;
    m.text = item.text;
    m.title = item.title;
    m.picture = item.picture;
    m.opened = item.opened;
    m.laptop = item.laptop;
    d.mail.push_back(std::move(m));
  }
}

void WriteMail(Writer& w, const SaveGameData& d) {
  if (!d.hasMail) return;
  w.Open(st::kMail);
  for (const SaveMail& m : d.mail) {
    w.Open(st::kItem);
    w.Int(st::kMailKind, m.kind);
    w.Int(st::kOwner, m.owner);
    w.String(st::kName, m.name);
    w.String(st::kText, m.text);
    w.String(st::kTitle, m.title);
    w.String(st::kPicture, m.picture);
    w.Flag(st::kOpened, m.opened);
    w.Flag(st::kLaptop, m.laptop);
    w.Close(st::kItem);
  }
  w.Close(st::kMail);
  w.String(st::kAvatarDescription, d.avatarDescription);
}

// The day's invitations, the small talk and the rumours.
void WriteSocial(Writer& w, const SaveGameData& d) {
  if (!d.hasSocial) return;
  w.Open(st::kSocial);
  w.Open(st::kInvitations);
  for (const SaveInvitation& s : d.invitations) {
    w.Open(st::kInvitation);
    w.Int(st::kInviter, s.inviter);
    w.String(st::kType, s.type);
    w.Int(st::kInviteKind, s.kind);
    w.Open(st::kGuests);
    for (int guest : s.guests) w.Int(st::kGuest, guest);
    w.Close(st::kGuests);
    w.Flag(st::kAccepted, s.accepted);
    w.Flag(st::kLapsed, s.lapsed);
    w.Flag(st::kPayOffer, s.payOffer);
    w.Int(st::kPlayerCost, s.playerCost);
    w.String(st::kText, s.text);
    w.Close(st::kInvitation);
  }
  w.Close(st::kInvitations);
  w.Open(st::kSmallTalk);
  w.Open(st::kTopics);
  for (const std::string& topic : d.smallTalkTopics) w.String(st::kTopic, topic);
  w.Close(st::kTopics);
  for (const SaveNews& n : d.smallTalkNews) {
    w.Open(st::kNews);
    w.String(st::kKey, n.key);
    w.Int(st::kDays, n.days);
    w.Close(st::kNews);
  }
  w.Close(st::kSmallTalk);
  w.Open(st::kRumours);
  for (const SaveRumour& r : d.rumours) {
    w.Open(st::kRumour);
    w.String(st::kText, r.text);
    w.Int(st::kOwner, r.owner);
    w.Close(st::kRumour);
  }
  w.Close(st::kRumours);
  w.Close(st::kSocial);
}

}  // namespace

SaveGameData SIM_SaveGame::Capture() {
  SaveGameData d;
  d.version = kGameVersion;

  CapturePlayer(d.player);
  d.cash = SIM_Finances::Instance().GetCash();

  for (SIM_NPC* npc : SIM_NPC::All()) d.npcs.push_back(CaptureNPC(npc));
  // Only live relationships between two persons that are still there.
  for (const SIM_Relationship* r : SIM_Relationship::All()) {
    if (!r->active || !r->GetPerson1() || !r->GetPerson2()) continue;
    d.relationships.push_back({r->GetPerson1()->GetSLID(), r->GetPerson2()->GetSLID(),
                               r->GetStrength(), r->GetBalance(), r->IsPlayerCreated(),
                               r->IsFriendship(), r->GetEveningsTogether()});
  }

  CaptureJobs(d);

  d.tovelEarned = SIM_Tovel::Instance().GetComponent(1);
  d.tovelActivities = SIM_Tovel::Instance().ActivitiesTried();

  const SIM_Date& today = CurrentDate();
  d.day = today.GetDay();
  d.dayOfWeek = today.GetDayOfWeek();
  d.daysToFullMoon = today.GetDaysToFullMoon();
  d.month = today.GetMonth();
  d.year = today.GetYear();
  d.reviewDay = NextReviewDate().GetDay();
  d.reviewMonth = NextReviewDate().GetMonth();
  d.reviewYear = NextReviewDate().GetYear();
  d.endDay = GameEndDate().GetDay();
  d.endMonth = GameEndDate().GetMonth();
  d.endYear = GameEndDate().GetYear();
  d.tenYearsUp = SIM_SIM::Instance().IsGameOver();

  d.globals = CaptureValues(GlobalNamedValues());
  if (const SIM_CommuteMethod* method = SIM_CommuteMethod::GetChosen()) d.commute = method->GetId();
  for (const SIM_Asset* asset : SIM_Asset::Owned()) d.assets.emplace_back(asset->GetName(), true);
  for (const SIM_Asset* asset : SIM_Asset::Catalogue()) d.assets.emplace_back(asset->GetName(), false);
  for (const SIM_Asset* asset : SIM_Asset::All())
    if (!asset->IsOwned() && !asset->IsForSale()) d.assetsWithdrawn.push_back(asset->GetName());
  d.daysToMugging = SIM_Crime::Instance().GetDaysToMugging();
  d.daysToBurglary = SIM_Crime::Instance().GetDaysToBurglary();
  d.healthState = SIM_Health::Instance().GetState();
  d.healthDuration = SIM_Health::Instance().GetDuration();
  if (const SIM_NPC* partner = SIM_Romance::Instance().GetPartner()) d.partner = partner->GetSLID();
  d.romanceDuration = SIM_Romance::Instance().GetDuration();
  d.cynicism = SIM_Romance::Instance().GetCynicism();

  SIM_Statistics& stats = SIM_Statistics::Instance();
  for (int i = 0; i < SIM_Statistics::kIntCount; ++i) d.statInts[i] = stats.GetInt(i);
  for (int i = 0; i < SIM_Statistics::kFloatCount; ++i) d.statFloats[i] = stats.GetFloat(i);
  d.elapsed = static_cast<float>(stats.GetPlayTime());
  d.statActivities = stats.Activities();
  d.pastSolo = stats.GetPastSolo();
  d.pastSocial = stats.GetPastSocial();
  d.reviewDue = stats.IsYearReviewDue();
  for (const auto& event : SIM_SpecialEvent::All())
    d.events.emplace_back(event->GetTypeName(), event->IsTriggered());
  d.eventCooldown = SIM_SpecialEvent::GetCooldown();
  d.eventDayChecked = SIM_SpecialEvent::IsDayChecked();

  d.maxActs = SIM_SIM::Instance().GetActsPerDay();
  d.acts = SIM_SIM::Instance().GetActsUsed();
  d.topSLID = NextSLID();
  d.randomState = GetRandomState();
  d.weatherDays = SIM_Weather::Instance().GetDaysToChange();
  d.friendMadeToday = SIM_Relationship::IsFriendMadeToday();
  d.portraitsUsed = SIM_PortraitDatabase::Used();
  d.hasEntertainJobs = true;
  d.entertainJobs = SIM_EntertainJob::CapturePool(d.heldPoolJob);
  d.jobOffers = SIM_JobOffer::Capture();
  const std::vector<SIM_AchievementBase*> projects = AllProjects();
  for (size_t i = 0; i < projects.size(); ++i) {
    d.projects[i] = {projects[i]->GetProgress(), projects[i]->GetQuality(),
                     projects[i]->GetTitle(), projects[i]->GetStepQualities()};
  }
  for (const auto& stream : SIM_RoyaltyStream::All())
    d.royalties.push_back({stream->GetIncome(), stream->GetTotal(), stream->GetLastCheque(),
                           stream->GetTitle(), stream->GetType()});
  d.achievements = AchievementList();
  d.addictionStrength = SIM_Alcohol::GetAddictionStrength();
  d.alcoholic = SIM_Alcohol::IsAlcoholic();
  d.bloodAlcohol = SIM_Alcohol::GetBloodAlcohol();
  for (const SIM_Book* book : SIM_Book::All()) d.books.emplace_back(book->GetName(), book->GetPagesRead());
  d.hiscore = GetVideoGameHiscore();
  for (const HOOK_EveningClassType* type : EnrolledEveningClasses()) d.classes.push_back(type->GetName());
  SavePet* pets[kPetSpeciesCount] = {&d.cat, &d.dog, &d.fish, &d.parrot, &d.hamster};
  for (int species = 0; species < kPetSpeciesCount; ++species) {
    d.petFood[species] = PetFoodStock[species];
    const SIM_PetBase* pet = Pets[species];
    if (!pet) continue;
    pets[species]->noFood = pet->GetDaysWithoutFood();
    pets[species]->name = pet->GetPetName();
    pets[species]->reminder = pet->IsReminderUp() ? 1 : 0;
    if (const auto* dog = dynamic_cast<const SIM_Dog*>(pet)) pets[species]->burglars = dog->GetBurglarsAttacked();
    if (const auto* hamster = dynamic_cast<const SIM_Hamster*>(pet)) pets[species]->age = hamster->GetDaysOwned();
  }
  CaptureVenues(d);
  CaptureMail(d, CaptureSocial(d));
  d.avatarDescription = SIM_AvatarDescription::GetText();
  return d;
}

std::string SIM_SaveGame::Serialize(const SaveGameData& d) {
  Writer w;
  w.Open(st::kXml);

  w.Open(st::kHeader);
  w.String(st::kVersion, d.version);
  w.Close(st::kHeader);

  WritePlayer(w, d.player);

  w.Open(st::kFinances);
  w.Float(st::kCash, d.cash);
  w.Close(st::kFinances);

  w.Open(st::kNPCs);
  for (const SaveNPC& npc : d.npcs) WriteNPC(w, npc);
  w.Close(st::kNPCs);

  w.Open(st::kRelationships);
  for (const SaveRelationship& r : d.relationships) {
    w.Open(st::kRelationship);
    w.Int(st::kPerson1, r.person1);
    w.Int(st::kPerson2, r.person2);
    w.Float(st::kStrength, r.strength);
    w.Float(st::kBalance, r.balance);
    w.Flag(st::kPlayerCreated, r.playerCreated);
    w.Flag(st::kFriendship, r.friendship);
    w.Int(st::kEvenings, r.evenings);
    w.Close(st::kRelationship);
  }
  w.Close(st::kRelationships);

  WriteJobs(w, d);

  w.Open(st::kTovel);
  w.Float(st::kEarned, d.tovelEarned);
  for (const std::string& a : d.tovelActivities) {
    w.Open(st::kActivity);
    w.String(st::kName, a);
    w.Close(st::kActivity);
  }
  w.Close(st::kTovel);

  w.Open(st::kCommute);
  w.String(st::kName, d.commute);
  w.Close(st::kCommute);

  w.Open(st::kAssets);
  for (const auto& [name, owned] : d.assets) {
    w.Open(st::kAsset);
    w.String(st::kName, name);
    w.Flag(st::kOwned, owned);
    w.Close(st::kAsset);
  }
  for (const std::string& name : d.assetsWithdrawn) w.String(st::kWithdrawn, name);
  w.Close(st::kAssets);

  w.Open(st::kCrime);
  w.Int(st::kDaysToMugging, d.daysToMugging);
  w.Int(st::kDaysToBurglary, d.daysToBurglary);
  w.Close(st::kCrime);

  w.Open(st::kDate);
  w.Int(st::kDay, d.day);
  w.Int(st::kDayOfWeek, d.dayOfWeek);
  w.Int(st::kDaysToFullMoon, d.daysToFullMoon);
  w.Int(st::kMonth, d.month);
  w.Int(st::kYear, d.year);
  w.Int(st::kYearEndDay, d.reviewDay);
  w.Int(st::kYearEndMonth, d.reviewMonth);
  w.Int(st::kYearEndYear, d.reviewYear);
  w.Int(st::kGameEndDay, d.endDay);
  w.Int(st::kGameEndMonth, d.endMonth);
  w.Int(st::kGameEndYear, d.endYear);
  w.Flag(st::kTenYearsUp, d.tenYearsUp);
  w.Close(st::kDate);

  w.Open(st::kGlobals);
  for (const SaveNamedValue& g : d.globals) {
    w.Open(st::kGlobal);
    w.String(st::kName, g.name);
    w.String(st::kGuiName, g.guiName);
    w.Float(st::kValue, g.value);
    w.Close(st::kGlobal);
  }
  w.Close(st::kGlobals);

  w.Open(st::kHealth);
  w.Int(st::kState, d.healthState);
  w.Int(st::kDuration, d.healthDuration);
  w.Close(st::kHealth);

  w.Open(st::kRomance);
  w.Int(st::kPartner, d.partner);
  w.Int(st::kDuration, d.romanceDuration);
  w.Float(st::kCynicism, d.cynicism);
  w.Close(st::kRomance);

  w.Open(st::kStatistics);
  std::string ints, floats;
  for (int v : d.statInts) ints += std::to_string(v) + ",";
  for (float v : d.statFloats) floats += Writer::Number(Writer::Finite(st::kFloats, v)) + ",";
  w.Raw(st::kInts, ints);
  w.Raw(st::kFloats, floats);
  w.Float(st::kElapsed, d.elapsed);
  w.Open(st::kActivities);
  for (const auto& [guiName, count] : d.statActivities) {
    w.Open(st::kActivity);
    w.String(st::kGuiName, guiName);
    w.Int(st::kCount, count);
    w.Close(st::kActivity);
  }
  w.Close(st::kActivities);
  w.Int(st::kPastSolo, d.pastSolo);
  w.Int(st::kPastSocial, d.pastSocial);
  w.Flag(st::kReviewDue, d.reviewDue);
  w.Close(st::kStatistics);

  w.Open(st::kAlcohol);
  w.Float(st::kAddictionStrength, d.addictionStrength);
  w.Flag(st::kAlcoholic, d.alcoholic);
  w.Float(st::kBloodAlcohol, d.bloodAlcohol);
  w.Close(st::kAlcohol);

  w.Open(st::kBooks);
  for (const auto& [name, read] : d.books) {
    w.Open(st::kBook);
    w.String(st::kName, name);
    w.Int(st::kRead, read);
    w.Close(st::kBook);
  }
  w.Close(st::kBooks);

  w.Open(st::kEvents);
  for (const auto& [name, triggered] : d.events) {
    w.Open(st::kEvent);
    w.String(st::kName, name);
    w.Flag(st::kTriggered, triggered);
    w.Close(st::kEvent);
  }
  w.Int(st::kCooldown, d.eventCooldown);
  w.Flag(st::kDayChecked, d.eventDayChecked);
  w.Close(st::kEvents);

  w.Open(st::kAchievements);
  WriteProject(w, st::kSong, d.projects[0]);
  WriteProject(w, st::kScreenplay, d.projects[1]);
  WriteProject(w, st::kTheory, d.projects[2]);
  WriteProject(w, st::kStory, d.projects[3]);
  w.Open(st::kRoyalties);
  for (const SaveRoyalty& r : d.royalties) {
    w.Open(st::kRoyalty);
    w.Float(st::kIncome, r.income);
    w.Float(st::kTotal, r.total);
    w.Float(st::kLastCheque, r.lastCheque);
    w.String(st::kGuiName, r.guiName);
    w.Int(st::kType, r.type);
    w.Close(st::kRoyalty);
  }
  w.Close(st::kRoyalties);
  w.Open(st::kStrings);
  for (const std::string& key : d.achievements) {
    w.Open(st::kString);
    w.String(st::kKey, key);
    w.Close(st::kString);
  }
  w.Close(st::kStrings);
  w.Close(st::kAchievements);

  w.Open(st::kBowling);
  w.Int(st::kPracticeNight, d.practiceNight);
  w.Flag(st::kOnTeam, d.onTeam);
  w.Flag(st::kBeenOnTeam, d.beenOnTeam);
  w.Close(st::kBowling);

  w.Open(st::kClasses);
  for (const std::string& name : d.classes) {
    w.Open(st::kClass);
    w.String(st::kName, name);
    w.Close(st::kClass);
  }
  w.Close(st::kClasses);

  w.Open(st::kHiscore);
  w.Int(st::kScore, d.hiscore);
  w.Close(st::kHiscore);
  WritePet(w, st::kDog, d.dog, true, false);
  WritePet(w, st::kCat, d.cat, false, false);
  WritePet(w, st::kFish, d.fish, false, false);
  WritePet(w, st::kParrot, d.parrot, false, false);
  WritePet(w, st::kHamster, d.hamster, false, true);

  w.Open(st::kPetFood);
  w.Int(st::kCatFood, d.petFood[0]);
  w.Int(st::kDogFood, d.petFood[1]);
  w.Int(st::kFishFood, d.petFood[2]);
  w.Int(st::kParrotFood, d.petFood[3]);
  w.Int(st::kHamsterFood, d.petFood[4]);
  w.Close(st::kPetFood);

  w.Open(st::kSimSim);
  w.Int(st::kMaxActs, d.maxActs);
  w.Int(st::kActs, d.acts);
  w.Close(st::kSimSim);

  w.Open(st::kMisc);
  w.Int(st::kTopSLID, d.topSLID);
  w.Raw(st::kRandom, std::to_string(d.randomState));
  w.Int(st::kWeatherDays, d.weatherDays);
  w.Flag(st::kFriendToday, d.friendMadeToday);
  w.Open(st::kPortraitsUsed);
  for (const std::string& name : d.portraitsUsed) w.String(st::kName, name);
  w.Close(st::kPortraitsUsed);
  w.Close(st::kMisc);
  WriteCareerPool(w, d);
  WriteVenues(w, d);
  WriteSocial(w, d);
  WriteMail(w, d);

  w.Close(st::kXml);
  return w.Take();
}

std::string SIM_SaveGame::EncodeValue(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string SIM_SaveGame::FormatNumber(float value) {
  // Without an exponent, and at most 39 digits before the point and 45 after it.
  char buf[128];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buf, result.ptr);
}

int SIM_SaveGame::NewSLID() { return NextSLID()++; }

void SIM_SaveGame::SetNextSLID(int next) {
  ReportAssertion(next >= 0, "SIM_SaveGame", __LINE__);
  NextSLID() = next;
}

int SIM_SaveGame::GetNextSLID() { return NextSLID(); }
