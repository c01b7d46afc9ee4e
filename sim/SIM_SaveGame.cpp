// Saving: what a save keeps of the running game (Capture), written by the save format through
// a temporary file, and the persons' SLIDs.
#include "sim/SIM_SaveGame.h"

#include <algorithm>

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
#include "sim/SIM_SaveFormat.h"
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
void TellPlayer(const std::string& text) { Screens().ShowErrorBox(Translate("SAVEGAME_TITLE"), text); }

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
  // The player did not ask for the autosave: its box says which save failed.
  TellPlayer(autosave ? Translate("SAVEGAME_AUTOSAVE_FAILED") : Translate(key.c_str()));
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
  d.hasPastEarned = true;
  d.pastEarned = stats.GetPastEarned();
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

std::string SIM_SaveGame::Serialize(const SaveGameData& d) { return savefile::Write(d); }

std::string SIM_SaveGame::BuildText() {
  SaveGameData d = Capture();
  savefile::KeepWithinBounds(d);
  return Serialize(d);
}

int SIM_SaveGame::NewSLID() { return NextSLID()++; }

void SIM_SaveGame::SetNextSLID(int next) {
  ReportAssertion(next >= 0, "SIM_SaveGame", __LINE__);
  NextSLID() = next;
}

int SIM_SaveGame::GetNextSLID() { return NextSLID(); }
