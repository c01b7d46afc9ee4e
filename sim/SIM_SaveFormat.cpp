// The save format: one description per record, walked by the writer, the reader and the
// bounds check.
//
// A save is a small fixed subset of XML: tags without attributes, one value per element, no
// indentation. A value element is one line "<name>text</name>"; a container has its opening
// and closing tags on lines of their own. Lists have no count: the reader reads entries while
// the next tag is the entry's opening tag. In values, '<' and '&' are written as "&lt;" and
// "&amp;", so any text survives the trip.
//
// A description is a function template over the stream S, calling in file order:
//   s.Field(tag, field[, bound])        a value element (int, float, flag, text)
//   s.Coded(tag, field, codec[, bound]) a value element with a text form of its own
//   s.Maybe(tag, field, codec, absent)  a value element a file may leave out (`absent` then)
//   s.Section(tag, body)                a container around what `body` describes
//   s.Record(tag, record)               a container around the record's own description
//   s.List(tag, entry, list)            a container of entries, each described by Describe
//   s.Entries(entry, list[, body])      entries without a container
//   s.Values(tag, list)                 value elements, one per item
//   s.Since(version)                    true when the file's version has the fields after it
//   s.Optional(tag, has)                an element a file may leave out: present when the next
//                                       tag is `tag` (reading) or when `has` is set (writing)
//   s.Gated(has, version)               the same, present from a version on
// A new saved field is one line in its record's description (and its member in the record).
#include "sim/SIM_SaveFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "engine/Version.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_MailItem.h"
#include "sim/SIM_SaveTags.h"

namespace st = savetag;

namespace {

// Why a file cannot be loaded; caught by Read.
struct BadSave : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Bad(const std::string& why, const char* tag) { throw BadSave(why + tag); }

// ---- Bounds of a loaded value ----

struct Bound {
  double low, high;
  const char* why;
  template <class T>
  bool Holds(T v) const {
    return !why || (v >= low && v <= high);
  }
};

// Counts grow from 0 by small steps and money moves by amounts far below these bounds, so a
// value past them is a damaged file: refused before a later day could overflow it. Years go
// up by one a year; a ten-year game never comes near their bound.
constexpr double kMaxCount = 1000000000;
constexpr double kMaxMoney = 2.0e9;
constexpr double kMaxYear = 1000000;
constexpr double kLowest = std::numeric_limits<double>::lowest();
constexpr double kHighest = std::numeric_limits<double>::max();
// Levels (attributes and their effects, skills, boredom, what characters ask of the player
// and feel for them, relationships, memories, drinking, romance, projects, performance) are
// kept within 0..1 by play, or -1..1 for a change; the characters' demands grow by at most a
// fifth with each generation of friends brought along. The game takes a change to the player
// past a thousand for a fault (SIM_Vesk::ModifyValue), and a saved level past it is damage,
// refused as a count or a sum of money past its bound is: played on, it would leave an
// attribute that no day moves or an addiction that never ends. (A game whose tables drive a
// value past its bound still writes a save it can load: KeepWithinBounds.)
constexpr double kMaxLevel = 1000;
// The social standing score: four components of at most 250 each when summed; what the
// characters ask of it follows the player's score.
constexpr double kMaxScore = 1000000;
// Play time in milliseconds: a thousand years of play.
constexpr double kMaxPlayTime = 3.2e13;
constexpr Bound kAny{0, 0, nullptr};
constexpr Bound kLevel{-kMaxLevel, kMaxLevel, "a level is out of range"};
constexpr Bound kScore{-kMaxScore, kMaxScore, "a standing score is out of range"};
constexpr Bound kPlayTime{0, kMaxPlayTime, "the play time is out of range"};
// Global values hold levels and a few counts of days (the days a drinker has been dry).
constexpr Bound kGlobal{-kMaxCount, kMaxCount, "a global value is out of range"};
constexpr Bound kMoney{-kMaxMoney, kMaxMoney, "a sum of money is out of range"};
constexpr Bound kCount{0, kMaxCount, "a count is out of range"};
constexpr Bound kDays{-kMaxCount, kMaxCount, "a counter is out of range"};
constexpr Bound kSLID{0, kMaxCount, "a person's SLID is out of range"};
constexpr Bound kYear{0, kMaxYear, "a year is out of range"};
constexpr Bound kLaterYear{kLowest, kMaxYear, "a year is out of range"};
constexpr Bound DateBound(int end) { return {0, end - 1.0, "the date is out of range"}; }
constexpr Bound kSlots{0, 2, "the day's slots are out of range"};
constexpr Bound kSlotsPerDay{1, 2, "the day's slots are out of range"};
constexpr Bound kGender{0, 1, "a character has no gender"};
constexpr Bound kGrade{0, SIM_JobInstance::kTopLevel, "the job grade is out of range"};
constexpr Bound kPoolCounter{0, kHighest, "an entertainment job's counter is out of range"};
constexpr Bound kOfferDays{0, SIM_JobOffer::kDaysToAnswer, "an offer's days are out of range"};
constexpr Bound kMailKind{0, SIM_MailItem::kKinds - 1, "a mail item of no known kind"};

// A list of numbers held in one element (the statistics' floats, a project's chunks).
template <class T>
struct IsFloatList : std::false_type {};
template <>
struct IsFloatList<std::vector<float>> : std::true_type {};
template <size_t N>
struct IsFloatList<std::array<float, N>> : std::true_type {};

// ---- Text forms of values ----

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// Whole, and nothing after the number. Locale-free: from_chars never looks at LC_NUMERIC.
template <class T>
bool ToNumber(const std::string& text, T& out) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  const char* begin = t.data() + (std::is_floating_point_v<T> && t[0] == '+' ? 1 : 0);
  const char* end = t.data() + t.size();
  std::from_chars_result r;
  if constexpr (std::is_floating_point_v<T>) {
    r = std::from_chars(begin, end, out, std::chars_format::fixed);
    if (!std::isfinite(out)) return false;
  } else {
    r = std::from_chars(begin, end, out);
  }
  return r.ec == std::errc() && r.ptr == end;
}

// Fields of a comma list; the writer ends every field with a comma, so one empty field at the
// end is not a field.
std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    if (comma == std::string::npos) {
      if (!Trim(text.substr(start)).empty()) fields.push_back(text.substr(start));
      break;
    }
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return fields;
}

// A value gone to infinity or NaN would make the save unreadable; it is written as 0.
std::string Number(float value, const char* tag) {
  if (std::isfinite(value)) return SIM_SaveGame::FormatNumber(value);
  LogWarning((std::string("Saved a number that is not finite as 0: ") + tag).c_str(),
             "SIM_SaveFormat", __LINE__);
  return "0";
}
std::string Number(int value, const char*) { return std::to_string(value); }

// A codec turns a field into its element's text (Put) and back (Get, which throws on a text
// the field cannot hold). The plain kinds:
struct Plain {
  static std::string Put(const std::string& v, const char*) { return SIM_SaveGame::EncodeValue(v); }
  static void Get(const std::string& text, std::string& v, const char*) { v = text; }
  static std::string Put(bool v, const char*) { return v ? "1" : "0"; }
  static void Get(const std::string& text, bool& v, const char* tag) {
    int i = 0;
    Get(text, i, tag);
    v = i != 0;
  }
  static std::string Put(int v, const char* tag) { return Number(v, tag); }
  static void Get(const std::string& text, int& v, const char* tag) {
    if (!ToNumber(text, v)) Bad("not a whole number: ", tag);
  }
  static std::string Put(float v, const char* tag) { return Number(v, tag); }
  static void Get(const std::string& text, float& v, const char* tag) {
    if (!ToNumber(text, v)) Bad("not a number: ", tag);
  }
};

// Numbers each ended by a comma; a fixed-size list must have them all.
struct NumberList {
  template <class List>
  static std::string Put(const List& list, const char* tag) {
    std::string text;
    for (auto v : list) text += Number(v, tag) + ",";
    return text;
  }
  template <class List>
  static void Get(const std::string& text, List& list, const char* tag) {
    const std::vector<std::string> fields = SplitList(text);
    if constexpr (std::is_same_v<List, std::vector<float>>) list.resize(fields.size());
    if (fields.size() != list.size()) Bad("bad number list: ", tag);
    for (size_t i = 0; i < fields.size(); ++i)
      if (!ToNumber(fields[i], list[i])) Bad("bad number list: ", tag);
  }
};

// A character's birthday: "day,month,year".
struct BirthDate {
  static std::string Put(const SaveNPC& n, const char*) {
    return std::to_string(n.birthDay) + "," + std::to_string(n.birthMonth) + "," +
           std::to_string(n.birthYear);
  }
  static void Get(const std::string& text, SaveNPC& n, const char* tag) {
    std::array<int, 3> dob{};
    if (SplitList(text).size() != 3) Bad("bad date of birth: ", tag);
    NumberList::Get(text, dob, tag);
    n.birthDay = dob[0];
    n.birthMonth = dob[1];
    n.birthYear = dob[2];
  }
};

// A job performance entry: "valid,performance".
struct Performance {
  static std::string Put(const SaveJobPerf& p, const char* tag) {
    return std::string(p.valid ? "1," : "0,") + Number(p.value, tag);
  }
  static void Get(const std::string& text, SaveJobPerf& p, const char*) {
    const std::vector<std::string> fields = SplitList(text);
    int valid = 0;
    if (fields.size() != 2 || !ToNumber(fields[0], valid) || !ToNumber(fields[1], p.value))
      throw BadSave("bad job performance entry");
    p.valid = valid != 0;
  }
};

// The random generator's state, unsigned.
struct RandomState {
  static std::string Put(uint32_t v, const char*) { return std::to_string(v); }
  static void Get(const std::string& text, uint32_t& v, const char*) {
    if (!ToNumber(text, v)) throw BadSave("bad random state");
  }
};

// Written whole, read as any number and truncated (the bowling values).
struct Truncated {
  template <class T>
  static std::string Put(T v, const char*) {
    if constexpr (std::is_floating_point_v<T>)
      return std::to_string(ClampToInt(v));  // a float past an int's range writes its end
    else
      return std::to_string(static_cast<int>(v));
  }
  template <class T>
  static void Get(const std::string& text, T& v, const char* tag) {
    float f = 0.0f;
    Plain::Get(text, f, tag);
    if (f < -2.0e9f || f > 2.0e9f) Bad("number out of range: ", tag);
    v = static_cast<T>(static_cast<int>(f));
  }
};

// A pet's food reminder: up (1) or not (0); -1 when the file has none.
struct Reminder {
  static std::string Put(int v, const char*) { return v > 0 ? "1" : "0"; }
  static void Get(const std::string& text, int& v, const char* tag) {
    bool up = false;
    Plain::Get(text, up, tag);
    v = up ? 1 : 0;
  }
};

// ---- The streams ----

// What the three streams share: the containers, lists and values built on each stream's own
// Open, Close, More (the next list entry, if any) and Value.
template <class Derived>
class Stream {
 public:
  template <class F>
  void Section(const char* tag, F&& body) {
    self().Open(tag);
    body();
    self().Close(tag);
  }
  template <class T>
  void Record(const char* tag, T& record) {
    Section(tag, [&] { Describe(self(), record); });
  }
  template <class T, class F>
  void Entries(const char* tag, std::vector<T>& list, F&& body) {
    for (size_t i = 0; self().More(tag, list, i); ++i) Section(tag, [&] { body(list[i]); });
  }
  template <class T>
  void Entries(const char* tag, std::vector<T>& list) {
    Entries(tag, list, [this](T& entry) { Describe(self(), entry); });
  }
  template <class T>
  void List(const char* tag, const char* entry, std::vector<T>& list) {
    Section(tag, [&] { Entries(entry, list); });
  }
  template <class T>
  void Values(const char* tag, std::vector<T>& list) {
    for (size_t i = 0; self().More(tag, list, i); ++i) Field(tag, list[i]);
  }
  template <class T>
  void Field(const char* tag, T& field, const Bound& bound = kAny) {
    self().Value(tag, field, Plain{}, bound);
  }
  template <class T, class Codec>
  void Coded(const char* tag, T& field, Codec codec, const Bound& bound = kAny) {
    self().Value(tag, field, codec, bound);
  }

 private:
  Derived& self() { return static_cast<Derived&>(*this); }
};

class Writer : public Stream<Writer> {
 public:
  void Open(const char* tag) { (out_ += '<').append(tag) += ">\n"; }
  void Close(const char* tag) { (out_ += "</").append(tag) += ">\n"; }
  template <class T>
  bool More(const char*, const std::vector<T>& list, size_t i) {
    return i < list.size();
  }
  template <class T, class Codec>
  void Value(const char* tag, const T& field, Codec, const Bound&) {
    (out_ += '<').append(tag) += '>';
    out_ += Codec::Put(field, tag);
    (out_ += "</").append(tag) += ">\n";
  }
  template <class T, class Codec>
  void Maybe(const char* tag, T& field, Codec codec, T) {
    Value(tag, field, codec, kAny);
  }
  bool Since(float) { return true; }
  bool Optional(const char*, const bool& has) { return has; }
  bool Gated(const bool& has, double, bool = false) { return has; }
  void UseVersion(SaveGameData&) {}
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

// The tag reader over the whole file held in memory. Every read stops at the end of the text
// and every tag and value has a length cap, so a cut-off or damaged file fails cleanly.
class Reader : public Stream<Reader> {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  void Open(const char* tag) { Expect(tag); }
  void Close(const char* tag) { Expect(std::string("/") + tag); }
  template <class T>
  bool More(const char* tag, std::vector<T>& list, size_t) {
    if (!Peek(tag)) return false;
    list.emplace_back();
    return true;
  }
  template <class T, class Codec>
  void Value(const char* tag, T& field, Codec, const Bound&) {
    Open(tag);
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '<') {
      if (pos_ - start >= st::kMaxValueLength) Bad("value too long: ", tag);
      ++pos_;
    }
    if (pos_ >= text_.size()) throw BadSave("the file ends inside a value");
    const std::string value = SIM_LoadGame::DecodeValue(text_.substr(start, pos_ - start));
    Close(tag);
    Codec::Get(value, field, tag);
  }
  template <class T, class Codec>
  void Maybe(const char* tag, T& field, Codec codec, T absent) {
    if (Peek(tag)) {
      Value(tag, field, codec, kAny);
    } else {
      field = absent;
    }
  }
  bool Since(float version) { return version_ >= version; }
  bool Optional(const char* tag, bool& has) { return has = Peek(tag); }
  // `strictly`: only above the version, compared in double on purpose (a file of "1.17",
  // 1.1699999 as a float, is not above the double 1.17).
  bool Gated(bool& has, double version, bool strictly = false) {
    return has = strictly ? static_cast<double>(version_) > version
                          : version_ >= static_cast<float>(version);
  }
  void UseVersion(SaveGameData& d) {
    if (!SIM_LoadGame::ParseVersion(d.version, d.fileVersion))
      throw BadSave("the header holds no version");
    // A newer game may have moved or added anything after the header: what this one would
    // make of the rest is guesswork, so the file is refused before it is read, in words
    // the player can act on.
    float own = 0.0f;
    if (SIM_LoadGame::ParseVersion(kGameVersion, own) && d.fileVersion > own) {
      std::string text = Translate("LOADGAME_NEWER_VERSION");
      ReplaceSubstring(text, "<FILE_VERSION>", SIM_SaveGame::FormatNumber(d.fileVersion));
      ReplaceSubstring(text, "<GAME_VERSION>", SIM_SaveGame::FormatNumber(own));
      throw BadSave(text);
    }
    version_ = d.fileVersion;
  }

 private:
  std::string ReadTag() {
    while (pos_ < text_.size() && text_[pos_] != '<') ++pos_;
    if (pos_ >= text_.size()) throw BadSave("the file ends too early");
    const size_t start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '>') {
      if (pos_ - start > st::kMaxTagLength) throw BadSave("a tag is too long");
      ++pos_;
    }
    if (pos_ >= text_.size()) throw BadSave("the file ends inside a tag");
    return text_.substr(start, pos_++ - start);
  }
  void Expect(const std::string& name) {
    const std::string found = ReadTag();
    if (found != name) throw BadSave("tag " + name + " expected, found " + found);
  }
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

  const std::string& text_;
  size_t pos_ = 0;
  float version_ = 0.0f;
};

// Walks a record as the writer does and finds the first field outside its bounds.
class Checker : public Stream<Checker> {
 public:
  void Open(const char*) {}
  void Close(const char*) {}
  template <class T>
  bool More(const char*, const std::vector<T>& list, size_t i) {
    return i < list.size();
  }
  template <class T, class Codec>
  void Value(const char*, const T& field, Codec, const Bound& bound) {
    if constexpr (std::is_arithmetic_v<T>) {
      if (!error && !bound.Holds(field)) error = bound.why;
    } else if constexpr (IsFloatList<T>::value) {
      for (float v : field)
        if (!error && !bound.Holds(v)) error = bound.why;
    } else if constexpr (std::is_same_v<T, SaveJobPerf>) {
      if (!error && !bound.Holds(field.value)) error = bound.why;
    }
  }
  template <class T, class Codec>
  void Maybe(const char*, T&, Codec, T) {}
  bool Since(float) { return true; }
  bool Optional(const char*, const bool& has) { return has; }
  bool Gated(const bool& has, double, bool = false) { return has; }
  void UseVersion(SaveGameData&) {}

  const char* error = nullptr;
};

// Walks a record as the writer does and brings every field outside its bounds to the bound.
class Clamper : public Stream<Clamper> {
 public:
  void Open(const char*) {}
  void Close(const char*) {}
  template <class T>
  bool More(const char*, const std::vector<T>& list, size_t i) {
    return i < list.size();
  }
  template <class T, class Codec>
  void Value(const char* tag, T& field, Codec, const Bound& bound) {
    if constexpr (std::is_arithmetic_v<T>) {
      Clamp(tag, field, bound);
    } else if constexpr (IsFloatList<T>::value) {
      for (float& v : field) Clamp(tag, v, bound);
    } else if constexpr (std::is_same_v<T, SaveJobPerf>) {
      Clamp(tag, field.value, bound);
    }
  }
  template <class T, class Codec>
  void Maybe(const char*, T&, Codec, T) {}
  bool Since(float) { return true; }
  bool Optional(const char*, const bool& has) { return has; }
  bool Gated(const bool& has, double, bool = false) { return has; }
  void UseVersion(SaveGameData&) {}

 private:
  // The edge as the field's type, moved inside the bound when a float nearest to the edge
  // lies just past it.
  template <class T>
  static T Inside(double edge, const Bound& bound) {
    T v = static_cast<T>(edge);
    if constexpr (std::is_floating_point_v<T>) {
      constexpr T kTop = std::numeric_limits<T>::max();
      while (static_cast<double>(v) > bound.high) v = std::nextafter(v, -kTop);
      while (static_cast<double>(v) < bound.low) v = std::nextafter(v, kTop);
    }
    return v;
  }
  template <class T>
  void Clamp(const char* tag, T& v, const Bound& bound) {
    if constexpr (std::is_floating_point_v<T>)
      if (!std::isfinite(v)) return;  // the writer saves those as 0
    if (bound.Holds(v)) return;
    v = v < bound.low ? Inside<T>(bound.low, bound) : Inside<T>(bound.high, bound);
    if (clamped++ == 0) first = tag;
  }

 public:
  int clamped = 0;
  const char* first = nullptr;
};

// ---- The records ----

template <class S>
void Describe(S& s, SaveEffect& e) {
  s.Field("debugname", e.debugName);
  s.Field("degrade", e.degrade, kLevel);
  s.Field("effect", e.amount, kLevel);
}

template <class S>
void Describe(S& s, SaveAttribute& a) {
  s.Field("name", a.name);
  s.Field("guiname", a.guiName);
  s.Field("description", a.description);
  s.Field("basevalue", a.base, kLevel);
  s.Field("alwaysshow", a.alwaysShow);
  s.Field("highisgood", a.highIsGood);
  s.Field("criteria", a.criteria);
  s.Field("warnlimit", a.warnLimit, kLevel);
  s.Field("highdesc", a.highDesc);
  s.Field("lowdesc", a.lowDesc);
  s.Entries("sim_effect", a.effects);
  // As the game last worked it out, after its effects.
  if (s.Since(st::kVersionExact)) s.Field("value", a.value, kLevel);
}

// A skill or a global value.
template <class S>
void Describe(S& s, SaveNamedValue& v) {
  s.Field("name", v.name);
  s.Field("guiname", v.guiName);
  s.Field("value", v.value, kLevel);
}

template <class S>
void Describe(S& s, SaveBoredomItem& b) {
  s.Field("name", b.name);
  s.Field("value", b.value, kLevel);
}

template <class S>
void Describe(S& s, SavePlayer& p) {
  s.Field("SLID", p.slid, kSLID);
  s.Field("forename", p.forename);
  s.List("attributes", "attribute", p.attributes);
  s.List("skills", "skill", p.skills);
  s.List("boredom", "boredom_item", p.boredom);
  s.Field("avatar_texture", p.avatarTexture);
  if (s.Since(st::kVersionExact)) s.Field("socialclass", p.socialClass);
}

template <class S>
void Describe(S& s, SaveInterest& i) {
  s.Field("category", i.category);
  s.Field("name", i.name);
  s.Field("guiname", i.guiName);
}

template <class S>
void Describe(S& s, SaveMemory& m) {
  s.Field("type", m.type);
  s.Field("happiness", m.happiness, kLevel);
  s.Field("strength", m.strength, kLevel);
}

template <class S>
void Describe(S& s, SaveNPC& n) {
  s.Field("SLID", n.slid, kSLID);
  s.Field("forename", n.forename);
  s.Field("surname", n.surname);
  s.Field("fullname", n.fullName);
  s.Field("portrait", n.portrait);
  s.Field("greyed", n.greyed);
  s.Field("tovel", n.tovel, kScore);
  s.Field("iq", n.iq, kLevel);
  s.Field("culture", n.culture, kLevel);
  s.Field("bintroduced", n.introduced);
  s.Field("snubdelay", n.snubDelay, kDays);
  s.Field("snubcount", n.snubCount, kDays);
  s.Field("veskdays", n.veskDays, kDays);
  s.Field("invitedays", n.inviteDays, kDays);
  s.Field("unlockoffered", n.unlockOffered);
  s.Field("romanticcompatibility", n.romanticCompatibility, kLevel);
  s.Field("cashperweek", n.cashPerWeek, kMoney);
  s.Field("cash", n.cash, kMoney);
  s.Coded("dob", n, BirthDate{});
  s.Field("gender", n.gender, kGender);
  s.Field("unlockable", n.unlockable);
  s.List("interests", "interest", n.interests);
  s.List("skills", "skill", n.skills);
  s.Field("character_type", n.characterType);
  s.List("boredom", "boredom_item", n.boredom);
  s.List("memories", "memory", n.memories);
  if (s.Since(st::kVersionExact)) {
    s.Field("invitedtoday", n.invitedToday);
    s.Field("socialclass", n.socialClass);
  }
  // The job the character works in (a colleague's is the player's job of the time): its
  // name, or "NULL" for none, and for an acting or music job its place in the pool, else -1.
  // Older files lack both; their characters keep the default job.
  if (s.Optional("heldjob", n.hasHeldJob)) {
    s.Field("heldjob", n.heldJob);
    s.Field("heldjobpool", n.heldJobPool);
  }
}

template <class S>
void Describe(S& s, SaveRelationship& r) {
  s.Field("pers1_id", r.person1);
  s.Field("pers2_id", r.person2);
  s.Field("strength", r.strength, kLevel);
  s.Field("balance", r.balance, kMoney);
  s.Field("playercreated", r.playerCreated);
  s.Field("friendship", r.friendship);
  if (s.Since(st::kVersionExact)) s.Field("evenings", r.evenings, kCount);
}

// Ten performance entries, always all written.
template <class S>
void Describe(S& s, SaveJobInstance& j) {
  s.Field("grade", j.grade, kGrade);
  s.Field("daysinjob", j.daysInJob, kCount);
  s.Field("dayssincepromotion", j.daysSincePromotion, kCount);
  for (SaveJobPerf& perf : j.perf) s.Section("jobperf", [&] { s.Coded("data", perf, Performance{}, kLevel); });
}

// Its source's name, its limit and its amount, for the value it changes.
template <class S>
void Describe(S& s, SaveModifier& m) {
  s.Field("name", m.name);
  s.Field("debugname", m.debugName);
  s.Field("degrade", m.degrade);
  s.Field("value", m.value);
}

template <class S>
void Describe(S& s, SaveJobType& j) {
  s.Field("promote1", j.promote[0]);
  s.Field("promote2", j.promote[1]);
  s.Field("promote3", j.promote[2]);
  s.Field("name", j.name);
  s.Field("guiname", j.guiName);
  s.Field("employername", j.employerName);
  s.Field("industryname", j.industryName);
  s.Field("workplace", j.workplace);
  s.Field("maledesc", j.maleDesc);
  s.Field("femaledesc", j.femaleDesc);
  s.Field("commutedistance", j.commuteDistance);
  s.Field("mintip", j.minTip, kMoney);
  s.Field("maxtip", j.maxTip, kMoney);
  s.Field("minsalary", j.minSalary, kMoney);
  s.Field("maxsalary", j.maxSalary, kMoney);
  s.Field("duration", j.duration, kDays);
  s.Field("dayasincelastfriend", j.daysSinceLastFriend, kDays);
  if (s.Since(st::kVersionLocked)) s.Field("locked", j.locked);
  s.Field("rarity", j.rarity);
  s.Field("sociability", j.sociability);
  s.List("modifiers", "modifier", j.modifiers);
}

// A job in its apply cool-down.
template <class S>
void Describe(S& s, SaveJobApplication& a) {
  s.Field("name", a.name);
  s.Field("appliedtimer", a.timer, kDays);
}

// A catalogue job's open-today flag, drawn commute distance, colleague counter and whether it
// still waits in the list of jobs contacts can unlock.
template <class S>
void Describe(S& s, SaveJobState& j) {
  s.Field("name", j.name);
  s.Field("opentoday", j.openToday);
  s.Field("commutedistance", j.commuteDistance);
  s.Field("dayasincelastfriend", j.daysSinceLastFriend, kDays);
  s.Field("inlockedlist", j.inLockedList);
}

template <class S>
void Describe(S& s, SaveLegalCase& c) {
  s.Field("difficulty", c.difficulty);
  s.Field("title", c.title);
  s.Field("length", c.length, kDays);
  s.Field("daysinto", c.daysInto, kDays);
  s.Field("casevalue", c.value, kMoney);
}

template <class S>
void Describe(S& s, SavePrerequisite& p) {
  s.Field("name", p.name);
  s.Field("value", p.value);
  s.Field("first", p.first);
  s.Field("below", p.below);
}

// An acting or music job, whole: the pool's jobs are made at random.
template <class S>
void Describe(S& s, SaveEntertainJob& j) {
  s.Field("industryname", j.industryName);
  s.Field("guiname", j.guiName);
  s.Field("employername", j.employerName);
  s.Field("workplace", j.workplace);
  s.Field("maledesc", j.maleDesc);
  s.Field("femaledesc", j.femaleDesc);
  s.Field("rejectiontext", j.rejectionText);
  s.Field("specialty", j.specialty);
  s.Field("family", j.family);
  s.Field("level", j.level);
  s.Field("age", j.age, kPoolCounter);
  s.Field("cooldown", j.cooldown, kPoolCounter);
  s.Field("opentoday", j.openToday);
  s.Field("commutedistance", j.commuteDistance);
  s.Field("minsalary", j.minSalary, kMoney);
  s.Field("maxsalary", j.maxSalary, kMoney);
  s.Field("duration", j.duration, kDays);
  s.Field("dayasincelastfriend", j.daysSinceLastFriend, kDays);
  s.Field("rarity", j.rarity);
  s.Field("sociability", j.sociability);
  s.Field("socialtovel", j.socialTovel);
  s.List("prereqs", "prereq", j.prereqs);
  s.List("modifiers", "modifier", j.modifiers);
}

// An answer to an application; its job by name, a pool job by its place in the pool (-1 for
// a catalogue job).
template <class S>
void Describe(S& s, SaveJobOffer& o) {
  s.Field("name", o.job);
  s.Field("pool", o.pool);
  s.Field("success", o.success);
  s.Field("pending", o.pending);
  s.Field("daysleft", o.daysLeft, kOfferDays);
  s.Field("reason", o.reason);
  s.Field("rejectionapplied", o.rejectionApplied);
}

template <class S>
void Describe(S& s, SaveProject& p) {
  s.Field("progress", p.progress, kLevel);
  s.Field("quality", p.quality, kLevel);
  s.Field("guiname", p.guiName);
  s.Coded("chunks", p.chunks, NumberList{}, kLevel);
}

template <class S>
void Describe(S& s, SaveRoyalty& r) {
  s.Field("income", r.income, kMoney);
  s.Field("total", r.total, kMoney);
  s.Field("lastcheque", r.lastCheque, kMoney);
  s.Field("guiname", r.guiName);
  s.Field("type", r.type);
}

// The dog's burglars and the hamster's age are theirs alone. Files before the food reminder
// hold none: the stock decides.
template <class S>
void DescribePet(S& s, const char* tag, SavePet& pet, bool dog = false, bool hamster = false) {
  s.Section(tag, [&] {
    if (dog) s.Field("burglars", pet.burglars, kCount);
    s.Field("nofood", pet.noFood, kCount);
    s.Field("name", pet.name);
    if (hamster) s.Field("age", pet.age, kCount);
    s.Maybe("foodreminder", pet.reminder, Reminder{}, -1);
  });
}

template <class S>
void Describe(S& s, SaveMovie& m) {
  s.Field("quality", m.quality);
  s.Field("threshold", m.threshold);
  s.Field("seen", m.seen);
}

template <class S>
void Describe(S& s, SaveRestaurant& r) {
  s.Field("table", r.table);
  s.Field("rating", r.rating);
}

// The inviter's SLID, the kind of evening by name, the kind, every guest's SLID with the
// inviter first, the flags, the pay offer, the player's cost and the letter.
template <class S>
void Describe(S& s, SaveInvitation& i) {
  s.Field("inviter", i.inviter);
  s.Field("type", i.type);
  s.Field("kind", i.kind);
  s.Section("guests", [&] { s.Values("guest", i.guests); });
  s.Field("accepted", i.accepted);
  s.Field("lapsed", i.lapsed);
  s.Field("payoffer", i.payOffer);
  s.Field("playercost", i.playerCost, kMoney);
  s.Field("text", i.text);
}

template <class S>
void Describe(S& s, SaveNews& n) {
  s.Field("key", n.key);
  s.Field("days", n.days, kDays);
}

template <class S>
void Describe(S& s, SaveRumour& r) {
  s.Field("text", r.text);
  s.Field("owner", r.owner);
}

// Its kind (the screens' numbering), its owner (a character's SLID; an offer's, an
// invitation's or a royalty stream's place in the file's own list; -1 for none), the event's
// name for a ticket, a message's text, a picture message's title and picture, and its look.
template <class S>
void Describe(S& s, SaveMail& m) {
  s.Field("kind", m.kind, kMailKind);
  s.Field("owner", m.owner);
  s.Field("name", m.name);
  s.Field("text", m.text);
  s.Field("title", m.title);
  s.Field("picture", m.picture);
  s.Field("opened", m.opened);
  s.Field("laptop", m.laptop);
}

// Lists of names, each entry an element holding one value.
template <class S>
void Names(S& s, const char* tag, const char* entry, std::vector<std::string>& names) {
  s.Entries(entry, names, [&](std::string& name) { s.Field(tag, name); });
}

// A pair of a name and its count or flag, as an entry of two elements.
template <class S, class T>
void Pairs(S& s, const char* entry, const char* first, const char* second,
           std::vector<std::pair<std::string, T>>& pairs, const Bound& bound = kAny) {
  s.Entries(entry, pairs, [&](std::pair<std::string, T>& p) {
    s.Field(first, p.first);
    s.Field(second, p.second, bound);
  });
}

// The career: the job held, its type, the applications, the catalogue's state of the day and
// the current legal case. The last two are left out by older files, which load without them.
template <class S>
void DescribeCareer(S& s, SaveGameData& d) {
  s.Record("job_instance", d.jobInstance);
  s.Record("job_type", d.jobType);
  s.Section("jobs_applied", [&] { s.Entries("job", d.jobsApplied); });
  if (s.Optional("job_states", d.hasJobStates)) s.List("job_states", "job_state", d.jobStates);
  if (s.Optional("legal_case", d.legalCase.present)) s.Record("legal_case", d.legalCase);
}

template <class S>
void DescribeDate(S& s, SaveGameData& d) {
  s.Field("day", d.day, DateBound(SIM_Date::kDaysPerMonth));
  s.Field("dayofweek", d.dayOfWeek, DateBound(7));
  s.Field("daystofullmoon", d.daysToFullMoon, DateBound(SIM_Date::kMoonCycle));
  s.Field("month", d.month, DateBound(SIM_Date::kMonthsPerYear));
  s.Field("year", d.year, kYear);
  s.Field("yearend_day", d.reviewDay);
  s.Field("yearend_month", d.reviewMonth);
  s.Field("yearend_year", d.reviewYear, kLaterYear);
  s.Field("gameend_day", d.endDay);
  s.Field("gameend_month", d.endMonth);
  s.Field("gameend_year", d.endYear, kLaterYear);
  if (s.Since(st::kVersionTenYearsUp)) s.Field("tenyearsup", d.tenYearsUp);
}

// From 1.25 on the past years' solo and social totals and whether the year's review waits;
// from 1.27 on the Tovel earned before the year.
template <class S>
void DescribeStatistics(S& s, SaveGameData& d) {
  s.Coded("ints", d.statInts, NumberList{});
  s.Coded("floats", d.statFloats, NumberList{}, kMoney);
  s.Field("elapsed", d.elapsed, kPlayTime);
  s.Section("activities", [&] { Pairs(s, "activity", "guiname", "count", d.statActivities, kCount); });
  if (s.Since(st::kVersionLifetime)) {
    s.Field("pastsolo", d.pastSolo, kCount);
    s.Field("pastsocial", d.pastSocial, kCount);
    s.Field("reviewdue", d.reviewDue);
  }
  if (s.Gated(d.hasPastEarned, st::kVersionPastEarned))
    s.Field("pastearned", d.pastEarned, kMoney);
}

// The four projects, the royalties and the unlocked keys (from 1.14 on).
template <class S>
void DescribeAchievements(S& s, SaveGameData& d) {
  s.Record("song", d.projects[0]);
  s.Record("screenplay", d.projects[1]);
  s.Record("theory", d.projects[2]);
  s.Record("story", d.projects[3]);
  s.List("royalties", "royalty", d.royalties);
  if (s.Since(st::kVersionStrings)) s.Section("strings", [&] { Names(s, "key", "string", d.achievements); });
}

// The closing block: the score, the pets and their food, the day's slots and the rest.
template <class S>
void DescribeClosing(S& s, SaveGameData& d) {
  s.Section("videogame_hiscore", [&] { s.Field("score", d.hiscore, kCount); });
  DescribePet(s, "dog", d.dog, true);
  DescribePet(s, "cat", d.cat);
  DescribePet(s, "fish", d.fish);
  DescribePet(s, "parrot", d.parrot);
  DescribePet(s, "hamster", d.hamster, false, true);
  s.Section("petfood", [&] {
    const char* tags[] = {"catfood", "dogfood", "fishfood", "parrotfood", "hamsterfood"};
    for (size_t i = 0; i < d.petFood.size(); ++i) s.Field(tags[i], d.petFood[i], kDays);
  });
  if (s.Gated(d.hasSimSim, st::kVersionSimSim, true)) {
    s.Section("SIM_SIM", [&] {
      s.Field("max_acts", d.maxActs, kSlotsPerDay);
      s.Field("acts", d.acts, kSlots);
    });
  }
  // From 1.24 on the state a game needs to play on as if it had never been saved.
  s.Section("misc", [&] {
    s.Field("TopSLID", d.topSLID, Bound{0, kMaxCount, "the person counter is out of range"});
    if (!s.Since(st::kVersionExact)) return;
    s.Coded("random", d.randomState, RandomState{});
    s.Field("weatherdays", d.weatherDays, kDays);
    s.Field("friendtoday", d.friendMadeToday);
    s.Section("portraitsused", [&] { s.Values("name", d.portraitsUsed); });
  });
}

// After misc, each left out by older files (which load as a new day's): the acting and music
// pool whole with the answers to applications; the venues (the bowling match's due flag, the
// films in release order by table index, the programme's position and each film's state, each
// restaurant's table and rating); the day's social news (invitations, the small-talk store,
// the rumours); the day's mail in screen order (1.26 on), then the player's description.
template <class S>
void DescribeDay(S& s, SaveGameData& d) {
  if (s.Optional("entertainment_jobs", d.hasEntertainJobs)) {
    s.Section("entertainment_jobs", [&] {
      s.Field("held", d.heldPoolJob);
      s.Entries("entertainment_job", d.entertainJobs);
    });
    s.List("job_offers", "job_offer", d.jobOffers);
  }
  if (s.Optional("venues", d.hasVenues)) {
    s.Section("venues", [&] {
      s.Field("matchdue", d.bowlingDue);
      s.Section("movies", [&] {
        s.Field("position", d.moviePosition);
        s.Section("release", [&] { s.Values("index", d.movieRelease); });
        s.Entries("movie", d.movies);
      });
      s.List("restaurants", "restaurant", d.restaurants);
    });
  }
  if (s.Optional("social", d.hasSocial)) {
    s.Section("social", [&] {
      s.List("invitations", "invitation", d.invitations);
      s.Section("smalltalk", [&] {
        s.Section("topics", [&] { s.Values("topic", d.smallTalkTopics); });
        s.Entries("news", d.smallTalkNews);
      });
      s.List("rumours", "rumour", d.rumours);
    });
  }
  if (s.Gated(d.hasMail, st::kVersionMail)) {
    s.List("mail", "item", d.mail);
    if (s.Since(st::kVersionDescription)) s.Field("avatardescription", d.avatarDescription);
  }
}

template <class S>
void Describe(S& s, SaveGameData& d) {
  s.Section("header", [&] { s.Field("version", d.version); });
  s.UseVersion(d);
  s.Record("vesk", d.player);
  s.Section("finances", [&] { s.Field("cash", d.cash, kMoney); });
  s.List("npcs", "npc", d.npcs);
  s.List("relationships", "relationship", d.relationships);
  DescribeCareer(s, d);
  s.Section("tovel", [&] {
    s.Field("earned", d.tovelEarned, kScore);
    Names(s, "name", "activity", d.tovelActivities);
  });
  s.Section("commute", [&] { s.Field("name", d.commute); });
  // The owned possessions in the order owned, then the shop's in its order; then the sold
  // ones that cannot be bought again.
  s.Section("assets", [&] {
    Pairs(s, "asset", "name", "owned", d.assets);
    s.Values("withdrawn", d.assetsWithdrawn);
  });
  s.Section("crime", [&] {
    s.Field("daystonextmugging", d.daysToMugging, kDays);
    s.Field("daystonextburglary", d.daysToBurglary, kDays);
  });
  s.Section("date", [&] { DescribeDate(s, d); });
  s.Section("globals", [&] {
    s.Entries("global", d.globals, [&](SaveNamedValue& g) {
      s.Field("name", g.name);
      s.Field("guiname", g.guiName);
      s.Field("value", g.value, kGlobal);
    });
  });
  s.Section("health", [&] {
    s.Field("state", d.healthState);
    s.Field("duration", d.healthDuration, kDays);
  });
  s.Section("romance", [&] {
    s.Field("partner", d.partner);
    s.Field("duration", d.romanceDuration, kDays);
    if (s.Since(st::kVersionCynicism)) s.Field("cynicism", d.cynicism, kLevel);
  });
  s.Section("statistics", [&] { DescribeStatistics(s, d); });
  s.Section("alcohol", [&] {
    s.Field("addictionstrength", d.addictionStrength, kLevel);
    s.Field("alcoholic", d.alcoholic);
    s.Field("bloodalcohol", d.bloodAlcohol, kLevel);
  });
  s.Section("books", [&] { Pairs(s, "book", "name", "read", d.books, kCount); });
  // From 1.25 on the special events' cooldown and whether the saved day had its check.
  s.Section("events", [&] {
    Pairs(s, "event", "name", "triggered", d.events);
    if (!s.Since(st::kVersionLifetime)) return;
    s.Field("cooldown", d.eventCooldown, kDays);
    s.Field("daychecked", d.eventDayChecked);
  });
  s.Section("achievements", [&] { DescribeAchievements(s, d); });
  s.Section("bowling", [&] {
    s.Coded("practicenight", d.practiceNight, Truncated{}, kDays);
    s.Coded("onteam", d.onTeam, Truncated{});
    s.Coded("beenonteam", d.beenOnTeam, Truncated{});
  });
  s.Section("classes", [&] { Names(s, "name", "class", d.classes); });
  DescribeClosing(s, d);
  DescribeDay(s, d);
}

}  // namespace

std::string SIM_SaveGame::EncodeValue(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '&': out += "&amp;"; break;
      default: out += c;
    }
  }
  return out;
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

std::string SIM_SaveGame::FormatNumber(float value) {
  // Without an exponent, and at most 39 digits before the point and 45 after it.
  char buf[128];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buf, result.ptr);
}

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

namespace savefile {

std::string Write(const SaveGameData& data) {
  Writer w;
  // The writer only reads the record; the descriptions take it as the reader fills it.
  w.Record("xml", const_cast<SaveGameData&>(data));
  return w.Take();
}

bool Read(const std::string& text, SaveGameData& out, std::string& error) {
  SaveGameData data;
  Reader reader(text);
  try {
    // The writer ends every file with the closing tag: a file without it was cut short.
    reader.Record("xml", data);
  } catch (const BadSave& bad) {
    error = bad.what();
    return false;
  }
  // A file without the day's slots has none until the day's own count is made.
  if (!data.hasSimSim) data.maxActs = data.acts = 0;
  out = std::move(data);
  return true;
}

void KeepWithinBounds(SaveGameData& data) {
  Clamper clamper;
  clamper.Record("xml", data);
  if (clamper.clamped == 0) return;
  LogWarning(("Saved " + std::to_string(clamper.clamped) +
              " numbers past what a save holds at their bounds, the first " + clamper.first)
                 .c_str(),
             "SIM_SaveFormat", __LINE__);
}

bool CheckBounds(const SaveGameData& data, std::string& error) {
  Checker checker;
  checker.Record("xml", const_cast<SaveGameData&>(data));
  if (checker.error) error = checker.error;
  return !checker.error;
}

}  // namespace savefile
