// The mini-games' lasting state.
#include "sim/SIM_MiniGames.h"

#include <cctype>

#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_Vesk.h"

namespace {

int g_hiscore = 0;

bool TypeableAnswer(const std::string& answer) {
  if (answer.empty() || answer.size() > kMaxCrosswordAnswer) return false;
  for (char c : answer) {
    const auto u = static_cast<unsigned char>(c);
    if (!(std::islower(u) || std::isdigit(u))) return false;
  }
  return true;
}

}  // namespace

int GetVideoGameHiscore() { return g_hiscore; }
void SetVideoGameHiscore(int score) { g_hiscore = score; }

std::vector<CrosswordWord>& CrosswordPool() {
  static std::vector<CrosswordWord> pool;
  return pool;
}

std::string CrosswordIndustryFile(const std::string& industry) {
  // The industries table's names: the acting and music pools are the entertainment trade.
  if (industry == "science") return "data/simulation/science_crossword.txt";
  if (industry == "acting" || industry == "music" || industry == "entertainment")
    return "data/simulation/entertainment_crossword.txt";
  if (industry == "medicine" || industry == "medical") return "data/simulation/medical_crossword.txt";
  if (industry == "legal" || industry == "law") return "data/simulation/legal_crossword.txt";
  return "";
}

int AppendCrosswordWords(const std::string& path) {
  const auto table = LoadSpreadsheet(path);
  const std::string caption = Translate("CROSSWORD_CLUE");
  int added = 0;
  StringTokenizer tokens;
  for (const std::string& line : *table) {
    tokens.SetText(line);
    tokens.NextString();  // the '#' column
    std::string answer = tokens.NextTrimmedString();
    const std::string clue = tokens.NextTrimmedString();
    for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!TypeableAnswer(answer)) continue;
    CrosswordPool().push_back({caption + " \"" + clue + "\"", answer});
    ++added;
  }
  return added;
}

void LoadCrosswordWords(bool easy) {
  AppendCrosswordWords(easy ? kEasyCrosswordFile : kHardCrosswordFile);
  const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  const std::string extra = job ? CrosswordIndustryFile(job->GetIndustryName()) : "";
  if (!extra.empty()) AppendCrosswordWords(extra);
}

bool PickCrosswordWord(bool easy, CrosswordWord& word) {
  std::vector<CrosswordWord>& pool = CrosswordPool();
  if (pool.empty()) LoadCrosswordWords(easy);
  if (pool.empty()) return false;
  const auto index = static_cast<size_t>(LookRandomBelow(static_cast<int>(pool.size())));
  word = pool[index];
  pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool CrosswordSolved(const std::string& answer, const std::string& typed,
                     const std::vector<bool>& revealed) {
  if (answer.empty()) return false;
  for (size_t i = 0; i < answer.size(); ++i) {
    if (i < revealed.size() && revealed[i]) continue;
    if (i >= typed.size()) return false;
    if (std::tolower(static_cast<unsigned char>(typed[i])) !=
        std::tolower(static_cast<unsigned char>(answer[i])))
      return false;
  }
  return true;
}
