// The films: read from "data/simulation/movies.csv", put in a random release order, three of
// them showing at a time. The programme moves on by one film every week; very good and very
// bad films start rumours. A cinema evening shows one of the films now showing.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_SocialiseInstance.h"

class SIM_Movie : public SIM_ModifierContainer {
 public:
  static constexpr const char* kTableFile = "data/simulation/movies.csv";
  static constexpr int kShowing = 3;
  // The kind of the rumours films start.
  static constexpr int kRumourKind = 0;
  static constexpr size_t kMaxModifierText = 127;

  SIM_Movie(const std::string& title, const std::string& text);

  // Reads the table anew, shuffles the release order and fills the programme; with rumours,
  // the films' rumours are started afresh (a load that restores them starts none).
  static void LoadAll(const std::string& file = kTableFile, bool rumours = true);
  static void DeleteAll();
  // Acts on day 5 of the week only: the next film in release order opens the programme.
  static void AdvanceWeeklyMovie();
  // The films in file order, in release order, and the three showing (null when no film).
  static const std::vector<std::unique_ptr<SIM_Movie>>& All();
  static const std::vector<SIM_Movie*>& ReleaseOrder();
  static const std::array<SIM_Movie*, kShowing>& Showing();
  static int GetPosition();
  // A saved programme: the release order by file index, the position, and each film's
  // quality, threshold and seen flag (in file order). Starts no rumour. False (and nothing
  // changes) when the order does not name every film exactly once.
  struct State {
    float quality = 0.0f;
    float threshold = 0.0f;
    bool seen = false;
  };
  static bool Restore(const std::vector<int>& releaseOrder, int position,
                      const std::vector<State>& films);

  // The review when the player's film knowledge is above the film's threshold, else "?".
  std::string GetReview() const;
  void RefreshReview();

  const std::string& GetTitle() const { return title_; }
  const std::string& GetText() const { return text_; }
  float GetQuality() const { return quality_; }
  float GetThreshold() const { return threshold_; }
  bool IsSeen() const { return seen_; }
  void SetSeen(bool seen) { seen_ = seen; }
  void SetQuality(float quality);
  void SetThreshold(float threshold) { threshold_ = threshold; }
  // The film's rumour text, or empty when its quality starts none.
  std::string RumourText() const;

 private:
  static void FillProgramme(bool rumours);

  std::string title_;
  std::string text_;
  std::string review_;
  float quality_ = 0.0f;
  float threshold_ = 0.0f;
  bool seen_ = false;
};

class SIM_MovieInstance : public SIM_SocialiseInstance {
 public:
  // The organiser picks the film in the chooser; a guest just goes along.
  void Run() override;
  void RateEvening() override;
  // The chosen film is over: its effects, the seen flag, the evening, the popcorn.
  void Complete();

  SIM_Movie* GetFilm() const { return film_; }
  void SetFilm(SIM_Movie* film) { film_ = film; }
  bool GetPopcorn() const { return popcorn_; }
  void SetPopcorn(bool popcorn) { popcorn_ = popcorn; }
  bool IsComplete() const { return complete_; }

 private:
  SIM_Movie* film_ = nullptr;
  bool popcorn_ = true;
  bool complete_ = false;
};
