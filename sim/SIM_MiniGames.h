// What the mini-games keep beyond their windows: the video game's high score, which lasts for
// the run and is saved with the game, and the crossword's pool of words.
#pragma once

#include <string>
#include <vector>

// --- The video game's high score ---
int GetVideoGameHiscore();
void SetVideoGameHiscore(int score);

// --- Crossword words ---
// The longest answer a crossword can show: answers over it are refused when a list is read.
inline constexpr size_t kMaxCrosswordAnswer = 10;

struct CrosswordWord {
  std::string text;    // what the window shows: the clue's caption and the clue in quotes
  std::string answer;  // 1..10 lower-case letters or digits
};

// The pool both kinds of crossword draw from. A word leaves it when used; it is filled again
// only once empty.
std::vector<CrosswordWord>& CrosswordPool();

// The list files.
inline constexpr const char* kEasyCrosswordFile = "data/simulation/easy_crossword.txt";
inline constexpr const char* kHardCrosswordFile = "data/simulation/hard_crossword.txt";
// The list added for the industry of the player's job, or "" when it has none.
std::string CrosswordIndustryFile(const std::string& industry);

// Appends the records of one list file ("#,answer,clue"): an answer is trimmed and lower-cased;
// one that is empty, longer than kMaxCrosswordAnswer or holds anything but letters and digits
// is left out (the window could never take it). Returns how many were added.
int AppendCrosswordWords(const std::string& path);
// Fills the pool: the easy or the hard list, then the list of the player's job's industry.
void LoadCrosswordWords(bool easy);
// Takes a word out of the pool at random (looks only: the player's timing decides when),
// loading the pool first when it is empty. False when there is still no word.
bool PickCrosswordWord(bool easy, CrosswordWord& word);
// Whether a typed answer solves a word: every position either typed right (ignoring case) or
// given. `revealed` holds one flag per answer letter.
bool CrosswordSolved(const std::string& answer, const std::string& typed,
                     const std::vector<bool>& revealed);
