// Loading: the file's record (read by the save format) checked against the tables, and only
// then the running game reset and the record applied.
#include "sim/SIM_LoadGame.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PetFood.h"
#include "sim/SIM_RoyaltyStream.h"
#include "platform/Files.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveFormat.h"
#include "sim/SIM_SaveTags.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace st = savetag;

namespace {

std::string& LastErrorText() {
  static std::string error;
  return error;
}

// The pool's jobs are of the two kinds, a place in the pool is one the pool has, and every
// offer names a job the loaded game has.
bool CheckCareerPool(const SaveGameData& d, std::string& error) {
  const int poolSize = static_cast<int>(d.entertainJobs.size());
  for (const SaveEntertainJob& j : d.entertainJobs) {
    if (!SIM_EntertainJob::IsEntertainmentIndustry(j.industryName)) {
      error = "an entertainment job of industry " + j.industryName;
      return false;
    }
  }
  if (d.heldPoolJob < -1 || d.heldPoolJob >= poolSize) {
    error = "the player's pool job is out of range";
    return false;
  }
  // A character's job in the pool is one the pool has; one of the catalogue may have gone
  // from the tables since (that character then takes the default job).
  for (const SaveNPC& n : d.npcs) {
    if (n.heldJobPool < -1 || n.heldJobPool >= poolSize) {
      error = "a character's pool job is out of range";
      return false;
    }
  }
  for (const SaveJobOffer& o : d.jobOffers) {
    const bool known = o.pool >= 0 ? o.pool < poolSize
                                   : o.pool == -1 && (o.job == d.jobType.name ||
                                                      SIM_JobBase::FindByName(o.job));
    if (!known) {
      error = "an offer of an unknown job " + o.job;
      return false;
    }
  }
  return true;
}

// The statistics are counts, but the one summing the roulette's wins and losses may be below
// 0 (their sums of money are bounded with the format's other sums).
bool CheckStatistics(const SaveGameData& d, std::string& error) {
  constexpr int kSignedStatistic = 8;
  constexpr int kMaxCount = 1000000000;
  for (int i = 0; i < static_cast<int>(d.statInts.size()); ++i) {
    if (d.statInts[i] > kMaxCount || d.statInts[i] < (i == kSignedStatistic ? -kMaxCount : 0)) {
      error = "a count is out of range";
      return false;
    }
  }
  return true;
}

// The box says what became of the game the player was in, or, with none running, where to
// go from here.
void Fail(const std::string& reason, bool aGameRuns) {
  LastErrorText() = reason;
  LogWarning(("Load failed: " + reason).c_str(), "SIM_LoadGame", __LINE__);
  const std::string said =
      aGameRuns ? Translate("LOADGAME_FAILED") : Translate("LOADGAME_FAILED_NO_GAME");
  Screens().ShowErrorBox(Translate("LOADGAME_TITLE"), said + "\n" + reason);
}

void Progress(float progress) { Screens().DrawLoadScreen(progress); }

}  // namespace

bool SIM_LoadGame::Parse(const std::string& text, SaveGameData& out, std::string& error) {
  return savefile::Read(text, out, error);
}

bool SIM_LoadGame::Check(const SaveGameData& d, std::string& error) {
  auto bad = [&error](const std::string& why) {
    error = why;
    return false;
  };
  // Each field within its own bounds first, then what holds across fields and the names
  // looked up in the tables.
  if (!savefile::CheckBounds(d, error) || !CheckStatistics(d, error)) return false;
  if (d.hasSimSim && d.acts > d.maxActs) return bad("the day's slots are out of range");
  if (d.jobType.name.empty()) return bad("the job has no name");
  // Every person's SLID is its own.
  std::set<int> slids{d.player.slid};
  for (const SaveNPC& npc : d.npcs) {
    if (!slids.insert(npc.slid).second) return bad("two persons share an SLID");
    // The player's own job replaces the table entry of its name, so it counts as present.
    if (npc.unlockable != st::kNullJob && npc.unlockable != d.jobType.name &&
        !SIM_JobBase::FindByName(npc.unlockable))
      return bad("unknown unlockable job " + npc.unlockable);
    if (!npc.characterType.empty() && !SIM_CharacterType::Find(npc.characterType))
      return bad("unknown character type " + npc.characterType);
  }
  for (const SaveNamedValue& g : d.globals)
    if (g.name.empty()) return bad("a global value has no name");
  if (!CheckCareerPool(d, error)) return false;
  for (const SaveJobApplication& a : d.jobsApplied)
    if (a.name != d.jobType.name && !SIM_JobBase::FindByName(a.name))
      return bad("unknown applied-for job " + a.name);
  if (!SIM_CommuteMethod::FindByName(d.commute))
    return bad("unknown commute method " + d.commute);
  return true;
}

namespace {

void ApplyBoredom(SIM_Boredom* boredom, const std::vector<SaveBoredomItem>& items) {
  if (!boredom) return;
  boredom->Clear();
  for (const SaveBoredomItem& item : items) boredom->AddBoredom(item.name, item.value);
}

// How much of a body value an older game kept as a skill is still there the next day: the
// rate at which a meal's weight comes off again.
constexpr float kFoldedSkillDegrade = 0.92f;

void ApplyValues(SIM_NamedValueList& list, const std::vector<SaveNamedValue>& values) {
  list.Clear();
  for (const SaveNamedValue& v : values) list.Add(new SIM_NamedValue(v.name, v.guiName, v.value));
}

void ApplyPlayer(const SavePlayer& p, bool exact) {
  SIM_Vesk* vesk = SIM_Vesk::Instance();
  vesk->SetSLID(p.slid);
  SIM_GameConfig::Instance().SetName(p.forename);
  SIM_GameConfig::Instance().SetAvatarName(p.avatarTexture);
  vesk->SetNames(p.forename, "");
  // The class is not saved: it starts again from the working class and the recalculation
  // after loading raises it by the loaded culture, never keeping the last game's.
  vesk->SetSocialClass(kWorkingClass);
  vesk->SetFullName(p.forename);  // not the previous game's full name
  // The picture's first letter gives the gender; a save without a usable picture keeps it.
  if (!p.avatarTexture.empty() && (p.avatarTexture[0] == 'm' || p.avatarTexture[0] == 'f'))
    vesk->SetGenderFromAvatar(p.avatarTexture);
  // The table's attributes (with their parents, which a save does not carry), then the saved
  // fields and effects over them; a saved attribute the table lacks is added.
  vesk->LoadAttributes();
  for (const SaveAttribute& a : p.attributes) {
    auto* attribute = dynamic_cast<SIM_Attribute*>(vesk->Attributes().Find(a.name));
    // Files before 1.24 wrote the table's three texts under each other's names; the table's
    // own texts stand for those.
    const bool texts = exact || !attribute;
    if (!attribute) {
      attribute = new SIM_Attribute(a.name, a.guiName, a.base);
      vesk->Attributes().Add(attribute);
    }
    attribute->SetGuiName(a.guiName);
    attribute->SetBase(a.base);
    attribute->SetFlags(a.alwaysShow, a.highIsGood);
    if (texts) {
      attribute->SetDescription(SIM_Attribute::kDescription, a.description);
      attribute->SetDescription(SIM_Attribute::kDescriptionHigh, a.highDesc);
      attribute->SetDescription(SIM_Attribute::kDescriptionLow, a.lowDesc);
    }
    attribute->SetWarnLimit(a.criteria, a.warnLimit);
    for (const SaveEffect& e : a.effects) attribute->RestoreEffect(e.amount, e.degrade, e.debugName);
    attribute->Recalculate();
  }
  // A game saved while a body value (weight) was still kept as a skill holds it among the
  // skills: it joins its attribute, reading as it was saved and fading back to the base as
  // the meals' own changes do, and leaves the skills list.
  std::vector<SaveNamedValue> skills;
  skills.reserve(p.skills.size());
  for (const SaveNamedValue& s : p.skills) {
    auto* attribute = dynamic_cast<SIM_Attribute*>(vesk->Attributes().Find(s.name));
    if (!attribute) {
      skills.push_back(s);
      continue;
    }
    // Saved as an attribute as well: that entry is the value, the skill a stale copy.
    if (std::any_of(p.attributes.begin(), p.attributes.end(),
                    [&s](const SaveAttribute& a) { return a.name == s.name; }))
      continue;
    attribute->Recalculate();
    const float change = std::clamp(s.value, 0.0f, 1.0f) - attribute->GetValue();
    if (change != 0.0f) attribute->RestoreEffect(change, kFoldedSkillDegrade, "saved as a skill");
    attribute->Recalculate();
  }
  ApplyValues(vesk->Skills(), skills);
  Screens().RefreshSkills();
  ApplyBoredom(vesk->GetBoredom(), p.boredom);
}

SIM_NPC* ApplyNPC(const SaveNPC& n) {
  SIM_NPC* npc = SIM_NPC::CreateEmpty();
  npc->SetSLID(n.slid);
  npc->RestoreGender(n.gender);
  npc->SetNames(n.forename, n.surname);
  npc->SetFullName(n.fullName);
  npc->SetPortraits(n.portrait, n.greyed);
  npc->SetDemands(n.tovel, n.iq, n.culture);
  npc->SetIntroduced(n.introduced);
  npc->SetSnubDelay(n.snubDelay);
  npc->SetSnubCount(n.snubCount);
  npc->SetVeskDays(n.veskDays);
  npc->SetInviteDays(n.inviteDays);
  // Setting the job clears the offered flag, so the flag comes after it.
  npc->SetUnlockableJob(n.unlockable == st::kNullJob ? nullptr : SIM_JobBase::FindByName(n.unlockable));
  npc->SetUnlockOffered(n.unlockOffered);
  npc->SetInvitedToday(n.invitedToday);
  npc->SetSocialClass(n.socialClass);
  npc->SetAttraction(n.romanticCompatibility);
  npc->SetCashPerWeekValue(n.cashPerWeek);
  npc->SetCash(n.cash);
  if (SIM_Date* dob = npc->GetBirthDate()) *dob = SIM_Date(n.birthDay, n.birthMonth, n.birthYear);
  npc->ClearInterests();
  for (const SaveInterest& i : n.interests) {
    if (SIM_InterestType* type = SIM_InterestType::Find(i.name)) {
      npc->AddInterest(type);
    } else {
      LogWarning(("Loaded interest not in the table: " + i.name).c_str(), "SIM_LoadGame", __LINE__);
    }
  }
  ApplyValues(npc->NamedValues(), n.skills);
  // A character saved without a type keeps the one drawn when it was made.
  if (!n.characterType.empty()) npc->SetCharacterType(SIM_CharacterType::Find(n.characterType));
  ApplyBoredom(npc->GetBoredom(), n.boredom);
  if (SIM_Memory* memory = npc->GetMemory()) {
    memory->Clear();
    for (const SaveMemory& m : n.memories) {
      // A memory of a kind the game no longer has would be saved again with no kind.
      if (const SIM_SocialiseType* type = SIM_SocialiseType::FindByName(m.type)) {
        memory->Add(type, m.happiness, m.strength);
      } else {
        LogWarning(("Loaded memory of an unknown kind: " + m.type).c_str(), "SIM_LoadGame", __LINE__);
      }
    }
  }
  return npc;
}

}  // namespace

namespace {

// The job a character works in: a pool job by its place in the pool (they share one name),
// else by name; a name the game no longer has gives the default job.
SIM_JobBase* FindHeldJob(const SaveNPC& n) {
  if (n.heldJobPool >= 0) {
    const auto& pool = SIM_EntertainJob::All();
    if (n.heldJobPool < static_cast<int>(pool.size())) return pool[n.heldJobPool];
  } else if (n.heldJob == st::kNullJob) {
    return nullptr;
  } else if (SIM_JobBase* job = SIM_JobBase::FindByName(n.heldJob)) {
    return job;
  }
  LogWarning(("A character's job is gone: " + n.heldJob).c_str(), "SIM_LoadGame", __LINE__);
  return SIM_JobBase::FindDefaultJob();
}

// The catalogue's day: openings, distances, colleague counters and the locked list as saved;
// an older file rolls the openings and leaves out of the locked list the jobs that
// characters or the player already hold. Then the apply cool-downs.
void ApplyJobDay(const SaveGameData& d) {
  if (d.hasJobStates) {
    SIM_JobBase::ClearLockedList();
    std::vector<SIM_JobBase*> jobs;
    for (SIM_JobBase* job : SIM_JobBase::All())
      if (job->IsCatalogueJob()) jobs.push_back(job);
    // Entry i belongs to catalogue job i when the names agree (duplicate names stay apart);
    // otherwise the first job of that name takes it.
    for (size_t i = 0; i < d.jobStates.size(); ++i) {
      const SaveJobState& js = d.jobStates[i];
      SIM_JobBase* job = i < jobs.size() && jobs[i]->GetName() == js.name
                             ? jobs[i]
                             : SIM_JobBase::FindByName(js.name);
      if (!job) continue;
      job->SetOpenToday(js.openToday);
      job->SetCommuteDistance(js.commuteDistance);
      job->SetDaysSinceLastColleague(js.daysSinceLastFriend);
      if (js.inLockedList) SIM_JobBase::AddToLockedList(job);
    }
  } else {
    SIM_JobBase::RollOpenings();
    for (const SIM_NPC* npc : SIM_NPC::All())
      SIM_JobBase::RemoveFromLockedList(npc->GetUnlockableJob());
    SIM_JobBase::RemoveFromLockedList(SIM_JobBase::FindByName(d.jobType.name));
  }
  for (const SaveJobApplication& a : d.jobsApplied)
    if (SIM_JobBase* job = SIM_JobBase::FindByName(a.name)) job->SetApplyCooldown(a.timer);
}

}  // namespace

namespace {

// The rumours and the day's invitations, each open one with its mail item again. What names
// a character or a kind of evening the game no longer has is skipped.
// Returns the invitations made, one for each of the file's (null for one skipped). A file
// without the day's mail has each open invitation's item made here.
template <typename BySLID>
std::vector<SIM_SocialInvitation*> ApplySocial(const SaveGameData& d, const BySLID& bySLID) {
  std::vector<SIM_SocialInvitation*> made;
  if (!d.hasSocial) return made;
  SIM_Rumour::DeleteAll();
  for (const SaveRumour& r : d.rumours) SIM_Rumour::Create(r.text, r.owner);
  auto npcOf = [&bySLID](int slid) -> SIM_NPC* {
    const auto it = bySLID.find(slid);
    return it == bySLID.end() ? nullptr : dynamic_cast<SIM_NPC*>(it->second);
  };
  for (const SaveInvitation& s : d.invitations) {
    SIM_NPC* inviter = npcOf(s.inviter);
    SIM_SocialiseType* type = SIM_SocialiseType::FindByName(s.type);
    if (!inviter || !type) {
      LogWarning("Loaded invitation names someone or something gone", "SIM_LoadGame", __LINE__);
      made.push_back(nullptr);
      continue;
    }
    SIM_SocialInvitation* invitation = SIM_SocialInvitation::CreateSaved(inviter, type, s.kind);
    for (int slid : s.guests)
      if (SIM_NPC* guest = npcOf(slid)) invitation->AddGuest(guest);
    invitation->Restore(s.accepted, s.lapsed, s.payOffer, s.playerCost, s.text);
    if (!s.accepted && !d.hasMail) Screens().AddInvitation(invitation);
    made.push_back(invitation);
  }
  return made;
}

// The day's mail as the file lists it, each item with the object the game has just made for
// its owner; an item whose owner is gone is left out.
template <typename BySLID>
void ApplyMail(const SaveGameData& d, const BySLID& bySLID,
               const std::vector<SIM_SocialInvitation*>& invitations,
               const std::vector<SIM_JobOffer*>& offers) {
  auto at = [](const auto& list, int i) {
    return i >= 0 && i < static_cast<int>(list.size()) ? &*list[i] : nullptr;
  };
  std::vector<SIM_MailItem> items;
  for (const SaveMail& m : d.mail) {
    SIM_MailItem item;
    item.kind = static_cast<SIM_MailItem::Kind>(m.kind);
    bool found = true;
    switch (item.kind) {
      case SIM_MailItem::kJobUnlock:
      case SIM_MailItem::kRumour:
      case SIM_MailItem::kNPCMessage:
      case SIM_MailItem::kNewFriend: {
        const auto it = bySLID.find(m.owner);
        item.npc = it == bySLID.end() ? nullptr : dynamic_cast<SIM_NPC*>(it->second);
        found = item.npc && (item.kind != SIM_MailItem::kJobUnlock || item.npc->GetUnlockableJob());
        break;
      }
      case SIM_MailItem::kJobOffer:
        found = (item.offer = at(offers, m.owner)) != nullptr;
        break;
      case SIM_MailItem::kInvitation:
        found = (item.invitation = at(invitations, m.owner)) != nullptr;
        break;
      case SIM_MailItem::kRoyaltyReport:
        found = (item.royalty = at(SIM_RoyaltyStream::All(), m.owner)) != nullptr;
        break;
      case SIM_MailItem::kSpecialEvent:
        found = (item.event = SIM_SpecialEvent::TryFind(m.name)) != nullptr;
        break;
      case SIM_MailItem::kTextureMessage:
        break;
    }
    if (!found) {
      LogWarning("A loaded mail item names something gone", "SIM_LoadGame", __LINE__);
      continue;
    }
    item.text = m.text;
    item.title = m.title;
    item.picture = m.picture;
    item.opened = m.opened;
    item.laptop = m.laptop;
    items.push_back(std::move(item));
  }
  Screens().RestoreMail(items);
}

void ApplyVenues(const SaveGameData& d) {
  // A file without the venues draws them anew, rumours and all, as a new game does. One with
  // them reads the tables and takes the saved state; it starts no rumour (the saved rumours
  // come back with the rumours).
  SIM_Restaurant::LoadAll(SIM_Restaurant::kTableFile, !d.hasVenues);
  SIM_Movie::LoadAll(SIM_Movie::kTableFile, !d.hasVenues);
  if (!d.hasVenues) return;
  std::vector<SIM_Movie::State> films;
  for (const SaveMovie& m : d.movies) films.push_back({m.quality, m.threshold, m.seen});
  if (!SIM_Movie::Restore(d.movieRelease, d.moviePosition, films))
    LogWarning("Saved films do not match the film table", "SIM_LoadGame", __LINE__);
  const auto& restaurants = SIM_Restaurant::All();
  if (d.restaurants.size() == restaurants.size()) {
    for (size_t i = 0; i < restaurants.size(); ++i) {
      restaurants[i]->SetTableToday(d.restaurants[i].table);
      restaurants[i]->SetRating(d.restaurants[i].rating);
    }
  } else {
    LogWarning("Saved restaurants do not match the restaurant table", "SIM_LoadGame", __LINE__);
  }
}

}  // namespace

void SIM_LoadGame::Apply(const SaveGameData& d) {
  Progress(0.0f);

  // The running game goes; a load differs from a new game only in what it builds on top:
  // the saved date, cash, player and characters instead of new ones.
  SIM_SIM::Instance().ResetWorld();

  // The player's job record replaces the table's entry of its name before any character is
  // made, so no character is left pointing at the replaced entry.
  // A generated entertainment job (known by its industry) has no table twin to copy from or
  // replace; the loaded record is never deleted to make room for another.
  // The file's acting and music pool comes back whole; a pool job the player holds is the
  // pool's own object, not a second copy from the job record.
  SIM_JobBase* playerJob =
      d.hasEntertainJobs ? SIM_EntertainJob::RestorePool(d.entertainJobs, d.heldPoolJob) : nullptr;
  if (!playerJob) {
    auto job = SIM_JobBase::FromSave(d.jobType);
    const bool entertainment =
        d.jobType.industryName == "acting" || d.jobType.industryName == "music";
    if (!entertainment) job->CopyPrerequisites();
    if (d.jobType.name == st::kNoJob) job->SetWorksInTheDay(false);
    playerJob = SIM_JobBase::Install(std::move(job));
  }

  Progress(0.1f);
  ApplyPlayer(d.player, d.fileVersion >= st::kVersionExact);
  Progress(0.25f);
  SIM_Finances::Instance().SetCash(d.cash);

  std::map<int, SIM_Person*> bySLID{{d.player.slid, SIM_Vesk::Instance()}};
  for (const SaveNPC& n : d.npcs) bySLID[n.slid] = ApplyNPC(n);
  // The faces already handed out are not handed out again; an older file names only those
  // of the characters it holds.
  if (d.fileVersion >= st::kVersionExact) {
    for (const std::string& name : d.portraitsUsed) SIM_PortraitDatabase::MarkUsed(name);
  } else {
    for (const SaveNPC& n : d.npcs) SIM_PortraitDatabase::MarkUsed(n.portrait);
  }
  Progress(0.5f);

  for (const SaveRelationship& r : d.relationships) {
    const auto a = bySLID.find(r.person1);
    const auto b = bySLID.find(r.person2);
    if (a == bySLID.end() || b == bySLID.end() || a->second == b->second ||
        a->second->FindRelationship(b->second)) {
      LogWarning("Error: loaded in a relationship with someone non existant", "SIM_LoadGame",
                 __LINE__);
      continue;
    }
    SIM_Relationship* rel = SIM_Relationship::Create(a->second, b->second);
    rel->SetStrength(r.strength);
    rel->SetBalance(r.balance);
    rel->SetFriendship(r.friendship);
    rel->SetPlayerCreated(r.playerCreated);
    rel->SetEveningsTogether(r.evenings);
  }

  ApplyJobDay(d);
  SIM_Vesk::Instance()->SetJob(playerJob);
  // The jobs characters work in, once the catalogue, the pool and the player's job are there.
  for (const SaveNPC& n : d.npcs)
    if (n.hasHeldJob) bySLID[n.slid]->SetJob(FindHeldJob(n));
  if (SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance()) {
    instance->SetLevel(d.jobInstance.grade);
    instance->SetDaysInJob(d.jobInstance.daysInJob);
    instance->SetDaysSincePromotion(d.jobInstance.daysSincePromotion);
    std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> history;
    for (int i = 0; i < SIM_JobInstance::kHistory; ++i)
      history[i] = {d.jobInstance.perf[i].valid, d.jobInstance.perf[i].value};
    instance->SetHistory(history);
    instance->BindAttributes();
    auto* legal = dynamic_cast<SIM_LegalJob*>(instance);
    if (legal && d.legalCase.present)
      legal->SetCase(d.legalCase.difficulty, d.legalCase.title, d.legalCase.length,
                     d.legalCase.daysInto, d.legalCase.value);
  }

  SIM_Tovel::Instance().SetEarned(d.tovelEarned);
  for (const std::string& activity : d.tovelActivities) SIM_Tovel::Instance().AddActivity(activity);

  // The calendar: the new-game dates first, then the saved ones.
  SetStartDate();
  CurrentDate() = SIM_Date(d.day, d.month, d.year);
  CurrentDate().SetDayOfWeek(d.dayOfWeek);
  CurrentDate().SetDaysToFullMoon(d.daysToFullMoon);
  CurrentDate().UpdateFullMoon();
  NextReviewDate() = SIM_Date(d.reviewDay, d.reviewMonth, d.reviewYear);
  GameEndDate() = SIM_Date(d.endDay, d.endMonth, d.endYear);
  SIM_SIM::Instance().SetGameOver(d.tenYearsUp);
  SIM_Weather::Instance().SetDaysToChange(d.weatherDays);

  for (const SaveNamedValue& g : d.globals) {
    if (SIM_NamedValue* v = GlobalNamedValues().Find(g.name)) {
      v->SetGuiName(g.guiName);
      v->SetValue(g.value);
    } else {
      GlobalNamedValues().Add(new SIM_NamedValue(g.name, g.guiName, g.value));
    }
  }

  // The team as saved: its match day alone is offered, and a member holds the membership
  // again (the score's memberships are recounted below).
  SIM_BowlingTeam::Instance().Restore(d.practiceNight, d.onTeam, d.beenOnTeam, d.bowlingDue);
  // The films and restaurants, with the player they roll for in place.
  ApplyVenues(d);

  // The weather the loaded globals describe, not the one of the game that was running.
  SIM_Weather::Instance().RestoreFromGlobals();
  SIM_Relationship::SetFriendMadeToday(d.friendMadeToday);

  SIM_Health::Instance().SetState(d.healthState);
  SIM_Health::Instance().SetDuration(d.healthDuration);

  SIM_CommuteMethod::SelectByName(d.commute);
  SIM_Crime::Instance().SetDaysToMugging(d.daysToMugging);
  SIM_Crime::Instance().SetDaysToBurglary(d.daysToBurglary);
  // Possessions: the owned ones in their order, the shop in its order, and the sold ones that
  // cannot come back off its shelves. A name the table no longer has is skipped.
  std::vector<std::string> forSale;
  for (const auto& [name, owned] : d.assets) {
    SIM_Asset* asset = SIM_Asset::FindByName(name);
    if (!asset) {
      LogWarning(("Unknown asset in saved game: " + name).c_str(), "SIM_LoadGame", __LINE__);
      continue;
    }
    if (owned) {
      SIM_Asset::RestoreOwned(asset);
    } else {
      forSale.push_back(name);
    }
  }
  for (const std::string& name : d.assetsWithdrawn)
    SIM_Asset::RestoreWithdrawn(SIM_Asset::FindByName(name));
  SIM_Asset::RestoreCatalogueOrder(forSale);
  // How far each book was read, found by name among the books just made.
  for (const auto& [name, read] : d.books) {
    if (SIM_Book* book = SIM_Book::FindByName(name)) {
      book->SetPagesRead(read);
    } else {
      LogWarning(("Unknown book in saved game: " + name).c_str(), "SIM_LoadGame", __LINE__);
    }
  }
  Screens().RebuildAssetIcons();
  // The pets (the table's, just made) and their food; a reminder that was up is up again.
  const SavePet* pets[kPetSpeciesCount] = {&d.cat, &d.dog, &d.fish, &d.parrot, &d.hamster};
  for (int species = 0; species < kPetSpeciesCount; ++species) {
    // Days of food never run below none (a hand-edited file may say otherwise).
    PetFoodStock[species] = std::max(0, d.petFood[species]);
    SIM_PetBase* pet = Pets[species];
    if (!pet) continue;
    const SavePet& saved = *pets[species];
    pet->SetDaysWithoutFood(saved.noFood);
    pet->SetPetName(saved.name);
    if (auto* dog = dynamic_cast<SIM_Dog*>(pet)) dog->SetBurglarsAttacked(saved.burglars);
    if (auto* hamster = dynamic_cast<SIM_Hamster*>(pet)) hamster->SetDaysOwned(saved.age);
    const bool reminder = saved.reminder >= 0
                              ? saved.reminder > 0
                              : pet->IsOwned() && PetFoodStock[species] <= SIM_PetBase::kLowStock;
    if (reminder) pet->ShowReminder();
  }
  // The drinking state (the world's reset has cleared it).
  SIM_Alcohol::Restore(d.addictionStrength, d.alcoholic, d.bloodAlcohol);

  // A partner who is not among the loaded characters (or is the player) means no partner.
  SIM_NPC* partner = nullptr;
  if (d.partner >= 0) {
    const auto it = bySLID.find(d.partner);
    partner = it == bySLID.end() ? nullptr : dynamic_cast<SIM_NPC*>(it->second);
    if (!partner)
      LogWarning("Loaded romance partner is not among the characters", "SIM_LoadGame", __LINE__);
  }
  SIM_Romance::Instance().Restore(partner, partner ? d.romanceDuration : 0, d.cynicism);
  const std::vector<SIM_SocialInvitation*> invitations = ApplySocial(d, bySLID);

  SIM_Statistics& stats = SIM_Statistics::Instance();
  for (int i = 0; i < SIM_Statistics::kIntCount; ++i) stats.SetInt(i, d.statInts[i]);
  for (int i = 0; i < SIM_Statistics::kFloatCount; ++i) stats.SetFloat(i, d.statFloats[i]);
  stats.SetPlayTime(d.elapsed);
  stats.SetActivities(d.statActivities);
  stats.SetPastTotals(d.pastSolo, d.pastSocial);
  stats.SetPastEarned(d.pastEarned);

  // The events the game had triggered, by name (the world's reset has read the table again);
  // a name the table no longer has is skipped.
  for (const auto& [name, triggered] : d.events) {
    if (SIM_SpecialEvent* event = SIM_SpecialEvent::TryFind(name)) {
      event->SetTriggered(triggered);
    } else {
      LogWarning("Loaded special event is not in the table", "SIM_LoadGame", __LINE__);
    }
  }
  SIM_SpecialEvent::SetCooldown(d.eventCooldown);

  // The projects, the royalties (the world's reset has emptied them) and the achievements.
  const std::vector<SIM_AchievementBase*> projects = AllProjects();
  for (size_t i = 0; i < projects.size(); ++i)
    projects[i]->Restore(d.projects[i].progress, d.projects[i].quality, d.projects[i].guiName,
                         d.projects[i].chunks);
  for (const SaveRoyalty& r : d.royalties)
    CreateRoyaltyStream(r.guiName, r.income, r.type)->Restore(r.total, r.lastCheque);
  for (const std::string& key : d.achievements) UnlockAchievement(key);

  // SLIDs continue above every loaded person, even when the file's counter lags behind.
  int top = std::max(d.topSLID, d.player.slid + 1);
  for (const SaveNPC& npc : d.npcs) top = std::max(top, npc.slid + 1);
  SIM_SaveGame::SetNextSLID(top);
  Progress(0.75f);

  // Rebuild what the file does not carry.
  SIM_Vesk::Instance()->Recalculate();
  if (d.fileVersion >= st::kVersionExact) {
    // The values and the class as the saved game had them: worked out again they can differ
    // (the game may have been saved after its values last moved without a recalculation,
    // and the class only ever rises).
    SIM_Vesk::Instance()->SetSocialClass(d.player.socialClass);
    for (const SaveAttribute& a : d.player.attributes)
      if (SIM_NamedValue* v = SIM_Vesk::Instance()->Attributes().Find(a.name)) v->SetValue(a.value);
  }
  SIM_Tovel::Instance().Recount();
  SIM_Tovel::Instance().RecountMemberships();
  SIM_Tovel::Instance().RecountActivities();
  // A file with the pool holds it as the day's update left it; an older one makes the day's.
  if (!d.hasEntertainJobs) SIM_EntertainJob::UpdatePool();
  // The answers on their way, and today's delivered ones (with their mail items when the
  // file lists no mail).
  const std::vector<SIM_JobOffer*> offers = SIM_JobOffer::Restore(d.jobOffers, !d.hasMail);
  // The small talk as saved; a file without it starts the store empty (the default line
  // stands in until the next day's topics).
  if (d.hasSocial) {
    std::vector<SIM_SmallTalk::News> news;
    for (const SaveNews& n : d.smallTalkNews) news.push_back({n.key, n.days});
    SIM_SmallTalk::Restore(d.smallTalkTopics, news);
  } else {
    SIM_SmallTalk::Clear();
  }
  Screens().LayOutNPCIcons();
  Screens().LayOutNPCIcons();
  SIM_AvatarDescription::Rebuild();
  // The description as the player last saw it: rebuilt, it would follow values the day has
  // moved since its morning.
  if (!d.avatarDescription.empty()) SIM_AvatarDescription::Restore(d.avatarDescription);
  SetVideoGameHiscore(d.hiscore);

  // The day's mail as it was; the special-event check below adds the ticket it sends, as the
  // summary's continue would have.
  if (d.hasMail) ApplyMail(d, bySLID, invitations, offers);

  // The day resumes where it was saved. Files without the slots get the day's own count,
  // none used (values left from an earlier load would end the day at once).
  SIM_SIM& sim = SIM_SIM::Instance();
  // A day that had its special-event check does not run it again (a second check would move
  // the cooldown on); one saved before (the work-day summary's autosave) runs the check the
  // summary's continue would have run.
  if (d.eventDayChecked) {
    sim.RestorePhase(PHASE_ACTIVITIES);
    SIM_SpecialEvent::SetDayChecked(true);
  } else {
    sim.SetPhase(PHASE_ACTIVITIES);
  }
  if (d.hasSimSim) {
    sim.SetActs(d.maxActs, d.acts);
  } else {
    sim.ComputeActsPerDay();
    sim.SetActs(sim.GetActsPerDay(), 0);
  }
  if (sim.GetActsUsed() >= sim.GetActsPerDay()) sim.DayOver();
  // The classes by name (the types were read by the world's reset), with their calendar
  // entries and, when the day's last slot is coming on a class day, their notes.
  for (const std::string& name : d.classes) {
    if (HOOK_EveningClassType* type = HOOK_EveningClassType::FindByName(name)) {
      type->Enrol();
    } else {
      LogWarning(("Unknown evening class in saved game: " + name).c_str(), "SIM_LoadGame",
                 __LINE__);
    }
  }
  if (sim.GetPhase() == PHASE_ACTIVITIES) RefreshEveningClassReminders();
  // Saved while the year's review waited (the day's autosave): it opens again, so its
  // continue clears the year as it would have.
  if (d.reviewDue) {
    SIM_Statistics::Instance().SetYearReviewDue(true);
    Screens().ShowYearlyReview();
  }
  // Last: the steps above draw numbers of their own (a character made empty draws its
  // counters), and the game goes on from the saved draw. An older file keeps the running one.
  if (d.fileVersion >= st::kVersionExact) SetRandomState(d.randomState);
  Progress(1.0f);
}

bool SIM_LoadGame::LoadText(const std::string& text, bool aGameRuns) {
  LastErrorText().clear();
  SaveGameData data;
  std::string error;
  if (!Parse(text, data, error) || !Check(data, error)) {
    Fail(error, aGameRuns);
    return false;
  }
  Apply(data);
  return true;
}

bool SIM_LoadGame::Load(const std::string& slot, bool aGameRuns) {
  LastErrorText().clear();
  // Any listed file may be loaded (one named by hand may start with '.'), but never a path
  // out of the save folder.
  if (slot.empty() || slot.find_first_of("/\\") != std::string::npos ||
      SIM_SaveGame::GetFolder().empty()) {
    Fail("no such save", aGameRuns);
    return false;
  }
  std::string text;
  if (!plat::ReadFileBytes(SIM_SaveGame::PathFor(slot), text)) {
    Fail("the file cannot be read", aGameRuns);
    return false;
  }
  return LoadText(text, aGameRuns);
}

const std::string& SIM_LoadGame::LastError() { return LastErrorText(); }
