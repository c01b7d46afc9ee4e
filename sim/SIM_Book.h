// A book: bought in the shop's "books" tab and read one activity slot at a time. How much is
// read depends on the player's alertness, and nothing sinks in without the skills the book
// needs. Its use opens the details window (verb "showdetails"), or, for a puzzle book (verb
// "sudoku"), the solo chooser on the activity "sudoku".
//
// The row's own columns follow the asset's base columns: the page count, the use verb, then
// the required skills (each "name,threshold" field, up to a "#" field or the row's end);
// the base's modifier list comes after that "#".
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_Asset.h"

class SIM_Book : public SIM_Asset {
 public:
  struct RequiredSkill {
    std::string name;
    float threshold;
  };
  static constexpr float kPictureWidth = 71.0f, kPictureHeight = 100.0f;
  static constexpr float kSkillThreshold = 1.0f;

  SIM_Book();
  ~SIM_Book() override;
  SIM_Book(const SIM_Book&) = delete;
  SIM_Book& operator=(const SIM_Book&) = delete;

  void OnSelect() override;
  void ReadOwnColumns(StringTokenizer& row) override;
  // No daily modifiers and no upkeep.
  void DailyUpdate() override {}
  // On the shelves while there is something left to read.
  bool IsRebuyable() const override { return pagesRead_ < pageCount_; }

  bool AreRequiredSkillsMet() const;
  // One reading session: pages by alertness (none without the skills), the modifiers scaled
  // by it, one slot, and the reading report. A finished book has nothing to read.
  void Read();
  // The details window (a puzzle book's use goes to the chooser instead).
  void OpenDetails();

  int GetPageCount() const { return pageCount_; }
  int GetPagesRead() const { return pagesRead_; }
  // A saved reading position, kept within the book.
  void SetPagesRead(int pages);
  bool IsFinished() const { return pagesRead_ >= pageCount_; }
  const std::string& GetUseVerb() const { return useVerb_; }
  const std::vector<RequiredSkill>& GetRequiredSkills() const { return skills_; }
  // Progress through the book, 0..1 (0 for a book without pages).
  float GetProgress() const;

  // For tests and tools.
  void SetPages(int pageCount, int pagesRead);
  void SetUseVerb(const std::string& verb) { useVerb_ = verb; }
  void AddRequiredSkill(const std::string& name) { skills_.push_back({name, kSkillThreshold}); }

  static SIM_Asset* Create() { return new SIM_Book(); }
  // Every book, in the order they were made.
  static const std::vector<SIM_Book*>& All();
  static SIM_Book* FindByName(const std::string& name);

 private:
  std::vector<RequiredSkill> skills_;
  int pageCount_ = 0;
  int pagesRead_ = 0;
  std::string useVerb_;
};
