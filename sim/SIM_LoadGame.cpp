// The save reader: parse the whole file into a record, check it, and only then reset the game
// and apply the record.
#include "sim/SIM_LoadGame.h"

#include <array>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

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

// Why a file cannot be loaded; caught by Parse.
struct BadSave : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool ToInt(const std::string& text, int& out) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  const char* end = t.data() + t.size();
  const auto [ptr, ec] = std::from_chars(t.data(), end, out);
  return ec == std::errc() && ptr == end;
}

// Locale-free: from_chars never looks at LC_NUMERIC.
bool ToFloat(const std::string& text, float& out) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  const char* begin = t.data();
  if (*begin == '+') ++begin;
  const char* end = t.data() + t.size();
  const auto [ptr, ec] = std::from_chars(begin, end, out, std::chars_format::fixed);
  return ec == std::errc() && ptr == end && std::isfinite(out);
}

// Fields of a comma list; the writer ends every field with a comma, so one empty field at the
// end is not a field.
std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    if (comma == std::string::npos) {
      const std::string last = text.substr(start);
      if (!Trim(last).empty()) fields.push_back(last);
      break;
    }
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return fields;
}

// The tag reader over the whole file held in memory. Every read stops at the end of the text
// and every tag and value has a length cap, so a cut-off or damaged file fails cleanly.
class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  float version = 0.0f;

  std::string ReadTag() {
    while (pos_ < text_.size() && text_[pos_] != '<') ++pos_;
    if (pos_ >= text_.size()) throw BadSave("the file ends too early");
    ++pos_;
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '>') {
      if (pos_ - start > st::kMaxTagLength) throw BadSave("a tag is too long");
      ++pos_;
    }
    if (pos_ >= text_.size()) throw BadSave("the file ends inside a tag");
    std::string tag = text_.substr(start, pos_ - start);
    ++pos_;
    return tag;
  }

  void Expect(const std::string& name) {
    const std::string found = ReadTag();
    if (found != name) throw BadSave("tag " + name + " expected, found " + found);
  }
  void Open(const char* name) { Expect(name); }
  void Close(const char* name) { Expect(std::string("/") + name); }

  // The next tag is exactly that name (nothing is consumed); false at the end of the text.
  bool Peek(const char* name) {
    const size_t saved = pos_;
    bool match = false;
    try {
      match = ReadTag() == name;
    } catch (const BadSave&) {
      match = false;
    }
    pos_ = saved;
    return match;
  }

  std::string Value(const char* name) {
    Open(name);
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '<') {
      if (pos_ - start >= st::kMaxValueLength) throw BadSave(std::string("value too long: ") + name);
      ++pos_;
    }
    if (pos_ >= text_.size()) throw BadSave("the file ends inside a value");
    std::string value = text_.substr(start, pos_ - start);
    Close(name);
    return SIM_LoadGame::DecodeValue(value);
  }

  std::string String(const char* name) { return Value(name); }
  int Int(const char* name) {
    int v = 0;
    if (!ToInt(Value(name), v)) throw BadSave(std::string("not a whole number: ") + name);
    return v;
  }
  bool Flag(const char* name) { return Int(name) != 0; }
  float Float(const char* name) {
    float v = 0.0f;
    if (!ToFloat(Value(name), v)) throw BadSave(std::string("not a number: ") + name);
    return v;
  }
  // A number truncated to a whole one (the bowling values are read this way).
  int Truncated(const char* name) {
    const float v = Float(name);
    if (v < -2.0e9f || v > 2.0e9f) throw BadSave(std::string("number out of range: ") + name);
    return static_cast<int>(v);
  }
  std::vector<int> IntList(const char* name) {
    std::vector<int> out;
    for (const std::string& f : SplitList(Value(name))) {
      int v = 0;
      if (!ToInt(f, v)) throw BadSave(std::string("bad number list: ") + name);
      out.push_back(v);
    }
    return out;
  }
  std::vector<float> FloatList(const char* name) {
    std::vector<float> out;
    for (const std::string& f : SplitList(Value(name))) {
      float v = 0.0f;
      if (!ToFloat(f, v)) throw BadSave(std::string("bad number list: ") + name);
      out.push_back(v);
    }
    return out;
  }

 private:
  const std::string& text_;
  size_t pos_ = 0;
};

std::vector<SaveBoredomItem> ReadBoredom(Reader& r) {
  std::vector<SaveBoredomItem> items;
  r.Open(st::kBoredom);
  while (r.Peek(st::kBoredomItem)) {
    r.Open(st::kBoredomItem);
    SaveBoredomItem item;
    item.name = r.String(st::kName);
    item.value = r.Float(st::kValue);
    r.Close(st::kBoredomItem);
    items.push_back(std::move(item));
  }
  r.Close(st::kBoredom);
  return items;
}

std::vector<SaveNamedValue> ReadSkills(Reader& r) {
  std::vector<SaveNamedValue> skills;
  r.Open(st::kSkills);
  while (r.Peek(st::kSkill)) {
    r.Open(st::kSkill);
    SaveNamedValue s;
    s.name = r.String(st::kName);
    s.guiName = r.String(st::kGuiName);
    s.value = r.Float(st::kValue);
    r.Close(st::kSkill);
    skills.push_back(std::move(s));
  }
  r.Close(st::kSkills);
  return skills;
}

void ReadPlayer(Reader& r, SavePlayer& p) {
  r.Open(st::kVesk);
  p.slid = r.Int(st::kSLID);
  p.forename = r.String(st::kForename);
  r.Open(st::kAttributes);
  while (r.Peek(st::kAttribute)) {
    r.Open(st::kAttribute);
    SaveAttribute a;
    a.name = r.String(st::kName);
    a.guiName = r.String(st::kGuiName);
    a.description = r.String(st::kDescription);
    a.base = r.Float(st::kBaseValue);
    a.alwaysShow = r.Flag(st::kAlwaysShow);
    a.highIsGood = r.Flag(st::kHighIsGood);
    a.criteria = r.Int(st::kCriteria);
    a.warnLimit = r.Float(st::kWarnLimit);
    a.highDesc = r.String(st::kHighDesc);
    a.lowDesc = r.String(st::kLowDesc);
    while (r.Peek(st::kSimEffect)) {
      r.Open(st::kSimEffect);
      SaveEffect e;
      e.debugName = r.String(st::kDebugName);
      e.degrade = r.Float(st::kDegrade);
      e.amount = r.Float(st::kEffect);
      r.Close(st::kSimEffect);
      a.effects.push_back(std::move(e));
    }
    if (r.version >= st::kVersionExact) a.value = r.Float(st::kValue);
    r.Close(st::kAttribute);
    p.attributes.push_back(std::move(a));
  }
  r.Close(st::kAttributes);
  p.skills = ReadSkills(r);
  p.boredom = ReadBoredom(r);
  p.avatarTexture = r.String(st::kAvatarTexture);
  if (r.version >= st::kVersionExact) p.socialClass = r.Int(st::kSocialClass);
  r.Close(st::kVesk);
}

void ReadNPC(Reader& r, SaveNPC& n) {
  r.Open(st::kNPC);
  n.slid = r.Int(st::kSLID);
  n.forename = r.String(st::kForename);
  n.surname = r.String(st::kSurname);
  n.fullName = r.String(st::kFullName);
  n.portrait = r.String(st::kPortrait);
  n.greyed = r.String(st::kGreyed);
  n.tovel = r.Float(st::kTovel);
  n.iq = r.Float(st::kIQ);
  n.culture = r.Float(st::kCulture);
  n.introduced = r.Flag(st::kIntroduced);
  n.snubDelay = r.Int(st::kSnubDelay);
  n.snubCount = r.Int(st::kSnubCount);
  n.veskDays = r.Int(st::kVeskDays);
  n.inviteDays = r.Int(st::kInviteDays);
  n.unlockOffered = r.Flag(st::kUnlockOffered);
  n.romanticCompatibility = r.Float(st::kRomanticCompatibility);
  n.cashPerWeek = r.Float(st::kCashPerWeek);
  n.cash = r.Float(st::kCash);
  const std::vector<int> dob = r.IntList(st::kDateOfBirth);
  if (dob.size() != 3) throw BadSave("bad date of birth");
  n.birthDay = dob[0];
  n.birthMonth = dob[1];
  n.birthYear = dob[2];
  n.gender = r.Int(st::kGender);
  n.unlockable = r.String(st::kUnlockable);
  r.Open(st::kInterests);
  while (r.Peek(st::kInterest)) {
    r.Open(st::kInterest);
    SaveInterest i;
    i.category = r.String(st::kCategory);
    i.name = r.String(st::kName);
    i.guiName = r.String(st::kGuiName);
    r.Close(st::kInterest);
    n.interests.push_back(std::move(i));
  }
  r.Close(st::kInterests);
  n.skills = ReadSkills(r);
  n.characterType = r.String(st::kCharacterType);
  n.boredom = ReadBoredom(r);
  r.Open(st::kMemories);
  while (r.Peek(st::kMemory)) {
    r.Open(st::kMemory);
    SaveMemory m;
    m.type = r.String(st::kType);
    m.happiness = r.Float(st::kHappiness);
    m.strength = r.Float(st::kStrength);
    r.Close(st::kMemory);
    n.memories.push_back(std::move(m));
  }
  r.Close(st::kMemories);
  if (r.version >= st::kVersionExact) {
    n.invitedToday = r.Flag(st::kInvitedToday);
    n.socialClass = r.Int(st::kSocialClass);
  }
  if (r.Peek(st::kHeldJob)) {
    n.hasHeldJob = true;
    n.heldJob = r.String(st::kHeldJob);
    n.heldJobPool = r.Int(st::kHeldJobPool);
  }
  r.Close(st::kNPC);
}

// The films' and restaurants' state and the bowling match's due flag, when the file has them.
void ReadVenues(Reader& r, SaveGameData& d) {
  if (!r.Peek(st::kVenues)) return;
  d.hasVenues = true;
  r.Open(st::kVenues);
  d.bowlingDue = r.Flag(st::kMatchDue);
  r.Open(st::kMovies);
  d.moviePosition = r.Int(st::kPosition);
  r.Open(st::kRelease);
  while (r.Peek(st::kIndex)) d.movieRelease.push_back(r.Int(st::kIndex));
  r.Close(st::kRelease);
  while (r.Peek(st::kMovie)) {
    r.Open(st::kMovie);
    SaveMovie m;
    m.quality = r.Float(st::kQuality);
    m.threshold = r.Float(st::kThreshold);
    m.seen = r.Flag(st::kSeen);
    r.Close(st::kMovie);
    d.movies.push_back(m);
  }
  r.Close(st::kMovies);
  r.Open(st::kRestaurants);
  while (r.Peek(st::kRestaurant)) {
    r.Open(st::kRestaurant);
    SaveRestaurant rest;
    rest.table = r.Flag(st::kTable);
    rest.rating = r.Float(st::kRating);
    r.Close(st::kRestaurant);
    d.restaurants.push_back(rest);
  }
  r.Close(st::kRestaurants);
  r.Close(st::kVenues);
}

// The day's invitations, the small talk and the rumours, when the file has them.
void ReadSocial(Reader& r, SaveGameData& d) {
  if (!r.Peek(st::kSocial)) return;
  d.hasSocial = true;
  r.Open(st::kSocial);
  r.Open(st::kInvitations);
  while (r.Peek(st::kInvitation)) {
    r.Open(st::kInvitation);
    SaveInvitation s;
    s.inviter = r.Int(st::kInviter);
    s.type = r.String(st::kType);
    s.kind = r.Int(st::kInviteKind);
    r.Open(st::kGuests);
    while (r.Peek(st::kGuest)) s.guests.push_back(r.Int(st::kGuest));
    r.Close(st::kGuests);
    s.accepted = r.Flag(st::kAccepted);
    s.lapsed = r.Flag(st::kLapsed);
    s.payOffer = r.Flag(st::kPayOffer);
    s.playerCost = r.Int(st::kPlayerCost);
    s.text = r.String(st::kText);
    r.Close(st::kInvitation);
    d.invitations.push_back(std::move(s));
  }
  r.Close(st::kInvitations);
  r.Open(st::kSmallTalk);
  r.Open(st::kTopics);
  while (r.Peek(st::kTopic)) d.smallTalkTopics.push_back(r.String(st::kTopic));
  r.Close(st::kTopics);
  while (r.Peek(st::kNews)) {
    r.Open(st::kNews);
    SaveNews n;
    n.key = r.String(st::kKey);
    n.days = r.Int(st::kDays);
    r.Close(st::kNews);
    d.smallTalkNews.push_back(std::move(n));
  }
  r.Close(st::kSmallTalk);
  r.Open(st::kRumours);
  while (r.Peek(st::kRumour)) {
    r.Open(st::kRumour);
    SaveRumour rumour;
    rumour.text = r.String(st::kText);
    rumour.owner = r.Int(st::kOwner);
    r.Close(st::kRumour);
    d.rumours.push_back(std::move(rumour));
  }
  r.Close(st::kRumours);
  r.Close(st::kSocial);
}

void ReadMail(Reader& r, SaveGameData& d) {
  if (r.version < st::kVersionMail) return;
  d.hasMail = true;
  r.Open(st::kMail);
  while (r.Peek(st::kItem)) {
    r.Open(st::kItem);
    SaveMail m;
    m.kind = r.Int(st::kMailKind);
    m.owner = r.Int(st::kOwner);
    m.name = r.String(st::kName);
    m.text = r.String(st::kText);
    m.title = r.String(st::kTitle);
    m.picture = r.String(st::kPicture);
    m.opened = r.Flag(st::kOpened);
    m.laptop = r.Flag(st::kLaptop);
    r.Close(st::kItem);
    d.mail.push_back(std::move(m));
  }
  r.Close(st::kMail);
  if (r.version >= st::kVersionDescription) d.avatarDescription = r.String(st::kAvatarDescription);
}

// The acting and music pool and the answers to applications, when the file has them.
void ReadCareerPool(Reader& r, SaveGameData& d) {
  if (!r.Peek(st::kEntertainJobs)) return;
  d.hasEntertainJobs = true;
  r.Open(st::kEntertainJobs);
  d.heldPoolJob = r.Int(st::kHeldPoolJob);
  while (r.Peek(st::kEntertainJob)) {
    r.Open(st::kEntertainJob);
    SaveEntertainJob j;
    j.industryName = r.String(st::kIndustryName);
    j.guiName = r.String(st::kGuiName);
    j.employerName = r.String(st::kEmployerName);
    j.workplace = r.String(st::kWorkplace);
    j.maleDesc = r.String(st::kMaleDesc);
    j.femaleDesc = r.String(st::kFemaleDesc);
    j.rejectionText = r.String(st::kRejectionText);
    j.specialty = r.String(st::kSpecialty);
    j.family = r.String(st::kFamily);
    j.level = r.Float(st::kLevel);
    j.age = r.Int(st::kAge);
    j.cooldown = r.Int(st::kCooldown);
    j.openToday = r.Flag(st::kOpenToday);
    j.commuteDistance = r.Float(st::kCommuteDistance);
    j.minSalary = r.Float(st::kMinSalary);
    j.maxSalary = r.Float(st::kMaxSalary);
    j.duration = r.Int(st::kDuration);
    j.daysSinceLastFriend = r.Int(st::kDaysSinceLastFriend);
    j.rarity = r.Float(st::kRarity);
    j.sociability = r.Float(st::kSociability);
    j.socialTovel = r.Float(st::kSocialTovel);
    r.Open(st::kPrereqs);
    while (r.Peek(st::kPrereq)) {
      r.Open(st::kPrereq);
      SavePrerequisite p;
      p.name = r.String(st::kName);
      p.value = r.Float(st::kValue);
      p.first = r.Flag(st::kFirst);
      p.below = r.Flag(st::kBelow);
      r.Close(st::kPrereq);
      j.prereqs.push_back(std::move(p));
    }
    r.Close(st::kPrereqs);
    r.Open(st::kModifiers);
    while (r.Peek(st::kModifier)) {
      r.Open(st::kModifier);
      SaveModifier m;
      m.name = r.String(st::kName);
      m.debugName = r.String(st::kDebugName);
      m.degrade = r.Float(st::kDegrade);
      m.value = r.Float(st::kValue);
      r.Close(st::kModifier);
      j.modifiers.push_back(std::move(m));
    }
    r.Close(st::kModifiers);
    r.Close(st::kEntertainJob);
    d.entertainJobs.push_back(std::move(j));
  }
  r.Close(st::kEntertainJobs);

  r.Open(st::kJobOffers);
  while (r.Peek(st::kJobOffer)) {
    r.Open(st::kJobOffer);
    SaveJobOffer o;
    o.job = r.String(st::kName);
    o.pool = r.Int(st::kPoolIndex);
    o.success = r.Flag(st::kSuccess);
    o.pending = r.Flag(st::kPending);
    o.daysLeft = r.Int(st::kDaysLeft);
    o.reason = r.Int(st::kReason);
    o.rejectionApplied = r.Flag(st::kRejectionApplied);
    r.Close(st::kJobOffer);
    d.jobOffers.push_back(std::move(o));
  }
  r.Close(st::kJobOffers);
}

void ReadJobs(Reader& r, SaveGameData& d) {
  r.Open(st::kJobInstance);
  d.jobInstance.grade = r.Int(st::kGrade);
  d.jobInstance.daysInJob = r.Int(st::kDaysInJob);
  d.jobInstance.daysSincePromotion = r.Int(st::kDaysSincePromotion);
  for (SaveJobPerf& perf : d.jobInstance.perf) {
    r.Open(st::kJobPerf);
    const std::vector<std::string> fields = SplitList(r.Value(st::kData));
    int valid = 0;
    if (fields.size() != 2 || !ToInt(fields[0], valid) || !ToFloat(fields[1], perf.value))
      throw BadSave("bad job performance entry");
    perf.valid = valid != 0;
    r.Close(st::kJobPerf);
  }
  r.Close(st::kJobInstance);

  SaveJobType& j = d.jobType;
  r.Open(st::kJobType);
  j.promote[0] = r.String(st::kPromote1);
  j.promote[1] = r.String(st::kPromote2);
  j.promote[2] = r.String(st::kPromote3);
  j.name = r.String(st::kName);
  j.guiName = r.String(st::kGuiName);
  j.employerName = r.String(st::kEmployerName);
  j.industryName = r.String(st::kIndustryName);
  j.workplace = r.String(st::kWorkplace);
  j.maleDesc = r.String(st::kMaleDesc);
  j.femaleDesc = r.String(st::kFemaleDesc);
  j.commuteDistance = r.Float(st::kCommuteDistance);
  j.minTip = r.Float(st::kMinTip);
  j.maxTip = r.Float(st::kMaxTip);
  j.minSalary = r.Float(st::kMinSalary);
  j.maxSalary = r.Float(st::kMaxSalary);
  j.duration = r.Int(st::kDuration);
  j.daysSinceLastFriend = r.Int(st::kDaysSinceLastFriend);
  if (r.version >= st::kVersionLocked) j.locked = r.Int(st::kLocked);
  j.rarity = r.Float(st::kRarity);
  j.sociability = r.Float(st::kSociability);
  r.Open(st::kModifiers);
  while (r.Peek(st::kModifier)) {
    r.Open(st::kModifier);
    SaveModifier m;
    m.name = r.String(st::kName);
    m.debugName = r.String(st::kDebugName);
    m.degrade = r.Float(st::kDegrade);
    m.value = r.Float(st::kValue);
    r.Close(st::kModifier);
    j.modifiers.push_back(std::move(m));
  }
  r.Close(st::kModifiers);
  r.Close(st::kJobType);

  r.Open(st::kJobsApplied);
  while (r.Peek(st::kJob)) {
    r.Open(st::kJob);
    SaveJobApplication a;
    a.name = r.String(st::kName);
    a.timer = r.Int(st::kAppliedTimer);
    r.Close(st::kJob);
    d.jobsApplied.push_back(std::move(a));
  }
  r.Close(st::kJobsApplied);

  if (r.Peek(st::kJobStates)) {
    d.hasJobStates = true;
    r.Open(st::kJobStates);
    while (r.Peek(st::kJobState)) {
      r.Open(st::kJobState);
      SaveJobState js;
      js.name = r.String(st::kName);
      js.openToday = r.Flag(st::kOpenToday);
      js.commuteDistance = r.Float(st::kCommuteDistance);
      js.daysSinceLastFriend = r.Int(st::kDaysSinceLastFriend);
      js.inLockedList = r.Flag(st::kInLockedList);
      r.Close(st::kJobState);
      d.jobStates.push_back(std::move(js));
    }
    r.Close(st::kJobStates);
  }
  if (r.Peek(st::kLegalCase)) {
    r.Open(st::kLegalCase);
    d.legalCase.present = true;
    d.legalCase.difficulty = r.Float(st::kCaseDifficulty);
    d.legalCase.title = r.String(st::kCaseTitle);
    d.legalCase.length = r.Int(st::kCaseLength);
    d.legalCase.daysInto = r.Int(st::kDaysIntoCase);
    d.legalCase.value = r.Float(st::kCaseValue);
    r.Close(st::kLegalCase);
  }
}

void ReadProject(Reader& r, const char* tag, SaveProject& p) {
  r.Open(tag);
  p.progress = r.Float(st::kProgress);
  p.quality = r.Float(st::kQuality);
  p.guiName = r.String(st::kGuiName);
  p.chunks = r.FloatList(st::kChunks);
  r.Close(tag);
}

void ReadPet(Reader& r, const char* tag, SavePet& pet, bool dog, bool hamster) {
  r.Open(tag);
  if (dog) pet.burglars = r.Int(st::kBurglars);
  pet.noFood = r.Int(st::kNoFood);
  pet.name = r.String(st::kName);
  if (hamster) pet.age = r.Int(st::kAge);
  pet.reminder = r.Peek(st::kFoodReminder) ? (r.Flag(st::kFoodReminder) ? 1 : 0) : -1;
  r.Close(tag);
}

void ReadAll(Reader& r, SaveGameData& d) {
  r.Open(st::kXml);
  r.Open(st::kHeader);
  d.version = r.String(st::kVersion);
  if (!SIM_LoadGame::ParseVersion(d.version, d.fileVersion))
    throw BadSave("the header holds no version");
  r.version = d.fileVersion;
  r.Close(st::kHeader);

  ReadPlayer(r, d.player);

  r.Open(st::kFinances);
  d.cash = r.Float(st::kCash);
  r.Close(st::kFinances);

  r.Open(st::kNPCs);
  while (r.Peek(st::kNPC)) {
    d.npcs.emplace_back();
    ReadNPC(r, d.npcs.back());
  }
  r.Close(st::kNPCs);

  r.Open(st::kRelationships);
  while (r.Peek(st::kRelationship)) {
    r.Open(st::kRelationship);
    SaveRelationship rel;
    rel.person1 = r.Int(st::kPerson1);
    rel.person2 = r.Int(st::kPerson2);
    rel.strength = r.Float(st::kStrength);
    rel.balance = r.Float(st::kBalance);
    rel.playerCreated = r.Flag(st::kPlayerCreated);
    rel.friendship = r.Flag(st::kFriendship);
    if (r.version >= st::kVersionExact) rel.evenings = r.Int(st::kEvenings);
    r.Close(st::kRelationship);
    d.relationships.push_back(rel);
  }
  r.Close(st::kRelationships);

  ReadJobs(r, d);

  r.Open(st::kTovel);
  d.tovelEarned = r.Float(st::kEarned);
  while (r.Peek(st::kActivity)) {
    r.Open(st::kActivity);
    d.tovelActivities.push_back(r.String(st::kName));
    r.Close(st::kActivity);
  }
  r.Close(st::kTovel);

  r.Open(st::kCommute);
  d.commute = r.String(st::kName);
  r.Close(st::kCommute);

  r.Open(st::kAssets);
  while (r.Peek(st::kAsset)) {
    r.Open(st::kAsset);
    std::string name = r.String(st::kName);
    const bool owned = r.Flag(st::kOwned);
    r.Close(st::kAsset);
    d.assets.emplace_back(std::move(name), owned);
  }
  while (r.Peek(st::kWithdrawn)) d.assetsWithdrawn.push_back(r.String(st::kWithdrawn));
  r.Close(st::kAssets);

  r.Open(st::kCrime);
  d.daysToMugging = r.Int(st::kDaysToMugging);
  d.daysToBurglary = r.Int(st::kDaysToBurglary);
  r.Close(st::kCrime);

  r.Open(st::kDate);
  d.day = r.Int(st::kDay);
  d.dayOfWeek = r.Int(st::kDayOfWeek);
  d.daysToFullMoon = r.Int(st::kDaysToFullMoon);
  d.month = r.Int(st::kMonth);
  d.year = r.Int(st::kYear);
  d.reviewDay = r.Int(st::kYearEndDay);
  d.reviewMonth = r.Int(st::kYearEndMonth);
  d.reviewYear = r.Int(st::kYearEndYear);
  d.endDay = r.Int(st::kGameEndDay);
  d.endMonth = r.Int(st::kGameEndMonth);
  d.endYear = r.Int(st::kGameEndYear);
  d.tenYearsUp = r.version >= st::kVersionTenYearsUp ? r.Flag(st::kTenYearsUp) : false;
  r.Close(st::kDate);

  r.Open(st::kGlobals);
  while (r.Peek(st::kGlobal)) {
    r.Open(st::kGlobal);
    SaveNamedValue g;
    g.name = r.String(st::kName);
    g.guiName = r.String(st::kGuiName);
    g.value = r.Float(st::kValue);
    r.Close(st::kGlobal);
    d.globals.push_back(std::move(g));
  }
  r.Close(st::kGlobals);

  r.Open(st::kHealth);
  d.healthState = r.Int(st::kState);
  d.healthDuration = r.Int(st::kDuration);
  r.Close(st::kHealth);

  r.Open(st::kRomance);
  d.partner = r.Int(st::kPartner);
  d.romanceDuration = r.Int(st::kDuration);
  d.cynicism = r.version >= st::kVersionCynicism ? r.Float(st::kCynicism) : 0.0f;
  r.Close(st::kRomance);

  r.Open(st::kStatistics);
  const std::vector<int> ints = r.IntList(st::kInts);
  const std::vector<float> floats = r.FloatList(st::kFloats);
  if (ints.size() != d.statInts.size() || floats.size() != d.statFloats.size())
    throw BadSave("bad statistics lists");
  std::copy(ints.begin(), ints.end(), d.statInts.begin());
  std::copy(floats.begin(), floats.end(), d.statFloats.begin());
  d.elapsed = r.Float(st::kElapsed);
  r.Open(st::kActivities);
  while (r.Peek(st::kActivity)) {
    r.Open(st::kActivity);
    std::string guiName = r.String(st::kGuiName);
    const int count = r.Int(st::kCount);
    r.Close(st::kActivity);
    d.statActivities.emplace_back(std::move(guiName), count);
  }
  r.Close(st::kActivities);
  if (r.version >= st::kVersionLifetime) {
    d.pastSolo = r.Int(st::kPastSolo);
    d.pastSocial = r.Int(st::kPastSocial);
    d.reviewDue = r.Flag(st::kReviewDue);
  }
  r.Close(st::kStatistics);

  r.Open(st::kAlcohol);
  d.addictionStrength = r.Float(st::kAddictionStrength);
  d.alcoholic = r.Flag(st::kAlcoholic);
  d.bloodAlcohol = r.Float(st::kBloodAlcohol);
  r.Close(st::kAlcohol);

  r.Open(st::kBooks);
  while (r.Peek(st::kBook)) {
    r.Open(st::kBook);
    std::string name = r.String(st::kName);
    const int read = r.Int(st::kRead);
    r.Close(st::kBook);
    d.books.emplace_back(std::move(name), read);
  }
  r.Close(st::kBooks);

  r.Open(st::kEvents);
  while (r.Peek(st::kEvent)) {
    r.Open(st::kEvent);
    std::string name = r.String(st::kName);
    const bool triggered = r.Flag(st::kTriggered);
    r.Close(st::kEvent);
    d.events.emplace_back(std::move(name), triggered);
  }
  if (r.version >= st::kVersionLifetime) {
    d.eventCooldown = r.Int(st::kCooldown);
    d.eventDayChecked = r.Flag(st::kDayChecked);
  }
  r.Close(st::kEvents);

  r.Open(st::kAchievements);
  ReadProject(r, st::kSong, d.projects[0]);
  ReadProject(r, st::kScreenplay, d.projects[1]);
  ReadProject(r, st::kTheory, d.projects[2]);
  ReadProject(r, st::kStory, d.projects[3]);
  r.Open(st::kRoyalties);
  while (r.Peek(st::kRoyalty)) {
    r.Open(st::kRoyalty);
    SaveRoyalty roy;
    roy.income = r.Float(st::kIncome);
    roy.total = r.Float(st::kTotal);
    roy.lastCheque = r.Float(st::kLastCheque);
    roy.guiName = r.String(st::kGuiName);
    roy.type = r.Int(st::kType);
    r.Close(st::kRoyalty);
    d.royalties.push_back(std::move(roy));
  }
  r.Close(st::kRoyalties);
  if (r.version >= st::kVersionStrings) {
    r.Open(st::kStrings);
    while (r.Peek(st::kString)) {
      r.Open(st::kString);
      d.achievements.push_back(r.String(st::kKey));
      r.Close(st::kString);
    }
    r.Close(st::kStrings);
  }
  r.Close(st::kAchievements);

  r.Open(st::kBowling);
  d.practiceNight = r.Truncated(st::kPracticeNight);
  d.onTeam = r.Truncated(st::kOnTeam) != 0;
  d.beenOnTeam = r.Truncated(st::kBeenOnTeam) != 0;
  r.Close(st::kBowling);

  r.Open(st::kClasses);
  while (r.Peek(st::kClass)) {
    r.Open(st::kClass);
    d.classes.push_back(r.String(st::kName));
    r.Close(st::kClass);
  }
  r.Close(st::kClasses);

  r.Open(st::kHiscore);
  d.hiscore = r.Int(st::kScore);
  r.Close(st::kHiscore);
  ReadPet(r, st::kDog, d.dog, true, false);
  ReadPet(r, st::kCat, d.cat, false, false);
  ReadPet(r, st::kFish, d.fish, false, false);
  ReadPet(r, st::kParrot, d.parrot, false, false);
  ReadPet(r, st::kHamster, d.hamster, false, true);

  r.Open(st::kPetFood);
  d.petFood[0] = r.Int(st::kCatFood);
  d.petFood[1] = r.Int(st::kDogFood);
  d.petFood[2] = r.Int(st::kFishFood);
  d.petFood[3] = r.Int(st::kParrotFood);
  d.petFood[4] = r.Int(st::kHamsterFood);
  r.Close(st::kPetFood);

  // Compared in double on purpose: a file of "1.17" (1.1699999 as a float) has no SIM_SIM.
  d.hasSimSim = static_cast<double>(r.version) > st::kVersionSimSim;
  if (d.hasSimSim) {
    r.Open(st::kSimSim);
    d.maxActs = r.Int(st::kMaxActs);
    d.acts = r.Int(st::kActs);
    r.Close(st::kSimSim);
  } else {
    d.maxActs = 0;
    d.acts = 0;
  }

  r.Open(st::kMisc);
  d.topSLID = r.Int(st::kTopSLID);
  if (r.version >= st::kVersionExact) {
    const std::string random = Trim(r.String(st::kRandom));
    const char* end = random.data() + random.size();
    const auto [ptr, ec] = std::from_chars(random.data(), end, d.randomState);
    if (random.empty() || ec != std::errc() || ptr != end) throw BadSave("bad random state");
    d.weatherDays = r.Int(st::kWeatherDays);
    d.friendMadeToday = r.Flag(st::kFriendToday);
    r.Open(st::kPortraitsUsed);
    while (r.Peek(st::kName)) d.portraitsUsed.push_back(r.String(st::kName));
    r.Close(st::kPortraitsUsed);
  }
  r.Close(st::kMisc);
  ReadCareerPool(r, d);
  ReadVenues(r, d);
  ReadSocial(r, d);
  ReadMail(r, d);
  // The writer ends every file with it: a file without it was cut short.
  r.Close(st::kXml);
}

// The pool's jobs are of the two kinds, and every offer names a job the loaded game has.
bool CheckCareerPool(const SaveGameData& d, std::string& error) {
  const int poolSize = static_cast<int>(d.entertainJobs.size());
  for (const SaveEntertainJob& j : d.entertainJobs) {
    if (!SIM_EntertainJob::IsEntertainmentIndustry(j.industryName)) {
      error = "an entertainment job of industry " + j.industryName;
      return false;
    }
    if (j.age < 0 || j.cooldown < 0) {
      error = "an entertainment job's counter is out of range";
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
    if (o.daysLeft < 0 || o.daysLeft > SIM_JobOffer::kDaysToAnswer) {
      error = "an offer's days are out of range";
      return false;
    }
  }
  return true;
}

// Counts grow from 0 by small steps and money moves by amounts far below these bounds, so a
// value past them is a damaged file: refused here, before a later day could overflow it.
constexpr int kMaxCount = 1000000000;
constexpr float kMaxMoney = 2.0e9f;

bool IsCount(int v) { return v >= 0 && v <= kMaxCount; }
bool IsDays(int v) { return v >= -kMaxCount && v <= kMaxCount; }
bool IsMoney(float v) { return v >= -kMaxMoney && v <= kMaxMoney; }

// The statistic that sums the roulette's wins and losses may be below 0.
constexpr int kSignedStatistic = 8;

bool CheckNumbers(const SaveGameData& d, std::string& error) {
  auto bad = [&error](const char* why) {
    error = why;
    return false;
  };
  bool money = IsMoney(d.cash);
  for (const SaveNPC& n : d.npcs) money = money && IsMoney(n.cash) && IsMoney(n.cashPerWeek);
  for (const SaveRelationship& r : d.relationships) money = money && IsMoney(r.balance);
  const SaveJobType& j = d.jobType;
  money = money && IsMoney(j.minSalary) && IsMoney(j.maxSalary) && IsMoney(j.minTip) &&
          IsMoney(j.maxTip) && IsMoney(d.legalCase.value);
  for (const SaveEntertainJob& e : d.entertainJobs)
    money = money && IsMoney(e.minSalary) && IsMoney(e.maxSalary);
  for (const SaveRoyalty& r : d.royalties)
    money = money && IsMoney(r.income) && IsMoney(r.total) && IsMoney(r.lastCheque);
  for (float f : d.statFloats) money = money && IsMoney(f);
  for (const SaveInvitation& i : d.invitations) money = money && IsMoney(static_cast<float>(i.playerCost));
  if (!money) return bad("a sum of money is out of range");

  bool counts = IsCount(d.pastSolo) && IsCount(d.pastSocial) && IsCount(d.hiscore) &&
                IsCount(d.jobInstance.daysInJob) && IsCount(d.jobInstance.daysSincePromotion);
  for (int i = 0; i < static_cast<int>(d.statInts.size()); ++i)
    counts = counts && (i == kSignedStatistic ? IsDays(d.statInts[i]) : IsCount(d.statInts[i]));
  for (const auto& [name, count] : d.statActivities) counts = counts && IsCount(count);
  for (const auto& [name, read] : d.books) counts = counts && IsCount(read);
  for (const SaveRelationship& r : d.relationships) counts = counts && IsCount(r.evenings);
  for (const SavePet* pet : {&d.dog, &d.cat, &d.fish, &d.parrot, &d.hamster})
    counts = counts && IsCount(pet->noFood) && IsCount(pet->burglars) && IsCount(pet->age);
  if (!counts) return bad("a count is out of range");

  bool days = IsDays(d.daysToMugging) && IsDays(d.daysToBurglary) && IsDays(d.healthDuration) &&
              IsDays(d.romanceDuration) && IsDays(d.weatherDays) && IsDays(d.eventCooldown) &&
              IsDays(d.practiceNight) && IsDays(j.duration) && IsDays(j.daysSinceLastFriend) &&
              IsDays(d.legalCase.length) && IsDays(d.legalCase.daysInto);
  for (int food : d.petFood) days = days && IsDays(food);
  for (const SaveNPC& n : d.npcs)
    days = days && IsDays(n.snubDelay) && IsDays(n.snubCount) && IsDays(n.veskDays) &&
           IsDays(n.inviteDays);
  for (const SaveJobApplication& a : d.jobsApplied) days = days && IsDays(a.timer);
  for (const SaveJobState& s : d.jobStates) days = days && IsDays(s.daysSinceLastFriend);
  for (const SaveEntertainJob& e : d.entertainJobs)
    days = days && IsDays(e.duration) && IsDays(e.daysSinceLastFriend);
  for (const SaveNews& n : d.smallTalkNews) days = days && IsDays(n.days);
  if (!days) return bad("a counter is out of range");
  return true;
}

void Fail(const std::string& reason) {
  LastErrorText() = reason;
  LogWarning(("Load failed: " + reason).c_str(), "SIM_LoadGame", __LINE__);
  Screens().ShowErrorBox(Translate("LOADGAME_TITLE"),
                         std::string(Translate("LOADGAME_FAILED")) + "\n" + reason);
}

void Progress(float progress) { Screens().DrawLoadScreen(progress); }

}  // namespace

bool SIM_LoadGame::ParseVersion(const std::string& header, float& version) {
  if (header.size() <= st::kVersionOffset) return false;
  const char* begin = header.data() + st::kVersionOffset;
  const char* end = header.data() + header.size();
  float v = 0.0f;
  const auto [ptr, ec] = std::from_chars(begin, end, v, std::chars_format::fixed);
  if (ec != std::errc() || ptr == begin || !std::isfinite(v) || v < 0.0f) return false;
  version = v;
  return true;
}

std::string SIM_LoadGame::DecodeValue(const std::string& text) {
  if (text.find('&') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 4, "&lt;") == 0) {
      out += '<';
      i += 3;
    } else if (text.compare(i, 5, "&amp;") == 0) {
      out += '&';
      i += 4;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool SIM_LoadGame::Parse(const std::string& text, SaveGameData& out, std::string& error) {
  SaveGameData data;
  Reader reader(text);
  try {
    ReadAll(reader, data);
  } catch (const BadSave& bad) {
    error = bad.what();
    return false;
  }
  out = std::move(data);
  return true;
}

bool SIM_LoadGame::Check(const SaveGameData& d, std::string& error) {
  auto bad = [&error](const std::string& why) {
    error = why;
    return false;
  };
  if (d.day < 0 || d.day >= SIM_Date::kDaysPerMonth || d.month < 0 ||
      d.month >= SIM_Date::kMonthsPerYear || d.dayOfWeek < 0 || d.dayOfWeek > 6 ||
      d.daysToFullMoon < 0 || d.daysToFullMoon >= SIM_Date::kMoonCycle || d.year < 0)
    return bad("the date is out of range");
  if (d.hasSimSim && (d.maxActs < 1 || d.maxActs > 2 || d.acts < 0 || d.acts > d.maxActs))
    return bad("the day's slots are out of range");
  // Years go up by one a year; from a value near the top of the integers that would
  // overflow. A ten-year game never comes close to these bounds.
  constexpr int kMaxYear = 1000000;
  if (!CheckNumbers(d, error)) return false;
  if (d.year > kMaxYear || d.reviewYear > kMaxYear || d.endYear > kMaxYear)
    return bad("a year is out of range");
  if (d.topSLID < 0) return bad("the person counter is negative");
  if (d.topSLID > kMaxCount || d.jobInstance.daysInJob > kMaxCount)
    return bad("a counter is out of range");
  if (d.jobType.name.empty()) return bad("the job has no name");
  // Every person's SLID is its own.
  std::set<int> slids{d.player.slid};
  if (d.player.slid < 0) return bad("a person has a negative SLID");
  for (const SaveNPC& npc : d.npcs) {
    if (npc.slid < 0 || !slids.insert(npc.slid).second) return bad("two persons share an SLID");
    if (npc.gender != 0 && npc.gender != 1) return bad("a character has no gender");
    if (npc.slid > kMaxCount || npc.veskDays > kMaxCount || npc.inviteDays > kMaxCount ||
        npc.snubCount > kMaxCount || npc.snubDelay > kMaxCount)
      return bad("a character's counter is out of range");
    // The player's own job replaces the table entry of its name, so it counts as present.
    if (npc.unlockable != st::kNullJob && npc.unlockable != d.jobType.name &&
        !SIM_JobBase::FindByName(npc.unlockable))
      return bad("unknown unlockable job " + npc.unlockable);
    if (!npc.characterType.empty() && !SIM_CharacterType::Find(npc.characterType))
      return bad("unknown character type " + npc.characterType);
  }
  for (const SaveNamedValue& g : d.globals)
    if (g.name.empty()) return bad("a global value has no name");
  for (const SaveMail& m : d.mail)
    if (m.kind < 0 || m.kind >= SIM_MailItem::kKinds) return bad("a mail item of no known kind");
  if (!CheckCareerPool(d, error)) return false;
  for (const SaveJobApplication& a : d.jobsApplied)
    if (a.name != d.jobType.name && !SIM_JobBase::FindByName(a.name))
      return bad("unknown applied-for job " + a.name);
  if (d.jobInstance.grade < 0 || d.jobInstance.grade > SIM_JobInstance::kTopLevel)
    return bad("the job grade is out of range");
  if (d.jobInstance.daysSincePromotion > kMaxCount || d.jobType.daysSinceLastFriend > kMaxCount)
    return bad("a counter is out of range");
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
  ApplyValues(vesk->Skills(), p.skills);
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

bool SIM_LoadGame::LoadText(const std::string& text) {
  LastErrorText().clear();
  SaveGameData data;
  std::string error;
  if (!Parse(text, data, error) || !Check(data, error)) {
    Fail(error);
    return false;
  }
  Apply(data);
  return true;
}

bool SIM_LoadGame::Load(const std::string& slot) {
  LastErrorText().clear();
  // Any listed file may be loaded (one named by hand may start with '.'), but never a path
  // out of the save folder.
  if (slot.empty() || slot.find_first_of("/\\") != std::string::npos ||
      SIM_SaveGame::GetFolder().empty()) {
    Fail("no such save");
    return false;
  }
  std::string text;
  if (!plat::ReadFileBytes(SIM_SaveGame::PathFor(slot), text)) {
    Fail("the file cannot be read");
    return false;
  }
  return LoadText(text);
}

const std::string& SIM_LoadGame::LastError() { return LastErrorText(); }
