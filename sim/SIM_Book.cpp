// Books.
#include "sim/SIM_Book.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr int kStatBooksRead = 4;
// A skill field shorter than this holds no name worth reading.
constexpr size_t kShortestSkillField = 3;
constexpr size_t kMaxSkillName = 63;

std::vector<SIM_Book*>& BookList() {
  static std::vector<SIM_Book*> books;
  return books;
}

}  // namespace

SIM_Book::SIM_Book() {
  SetPictureSize(kPictureWidth, kPictureHeight);
  BookList().push_back(this);
}

SIM_Book::~SIM_Book() {
  std::vector<SIM_Book*>& books = BookList();
  books.erase(std::remove(books.begin(), books.end(), this), books.end());
}

const std::vector<SIM_Book*>& SIM_Book::All() { return BookList(); }

SIM_Book* SIM_Book::FindByName(const std::string& name) {
  for (SIM_Book* book : BookList())
    if (book->GetName() == name) return book;
  return nullptr;
}

void SIM_Book::ReadOwnColumns(StringTokenizer& row) {
  pageCount_ = std::max(0, row.NextInt());
  useVerb_ = row.NextTrimmedString();
  skills_.clear();
  // The skill list ends at its own "#" field, which is used up here so that the modifiers
  // after it are read as the book's modifiers.
  while (!row.AtEnd()) {
    const std::string field = TrimField(row.NextString());
    if (!field.empty() && field[0] == '#') break;
    if (field.size() < kShortestSkillField) continue;
    std::string name = field.substr(0, field.find(','));
    if (name.size() > kMaxSkillName) name.resize(kMaxSkillName);
    if (name.size() > 1) skills_.push_back({name, kSkillThreshold});
  }
}

void SIM_Book::OnSelect() {
  if (useVerb_ == "showdetails") {
    OpenDetails();
  } else if (useVerb_ == "sudoku") {
    Screens().OpenSoloActivityChooserOn("sudoku");
  }
}

void SIM_Book::OpenDetails() { Screens().OpenBookDetails(this); }

bool SIM_Book::AreRequiredSkillsMet() const {
  const SIM_Vesk* player = SIM_Vesk::Instance();
  for (const RequiredSkill& skill : skills_)
    if (player->GetValue(skill.name) < skill.threshold) return false;
  return true;
}

void SIM_Book::Read() {
  ReportAssertion(pagesRead_ < pageCount_, "HOOK_Book", 325);
  // Nothing is left to read: no slot is spent and the book is not counted again.
  if (pagesRead_ >= pageCount_) return;
  float alertness = SIM_Vesk::Instance()->GetAlertness();
  const bool understood = AreRequiredSkillsMet();
  if (!understood) alertness = 0.0f;
  int pages = ClampToInt(SIM_GlobalVariables::Instance().Get("GV_BOOKPAGESPERDAY") * alertness);
  pages = std::clamp(pages, 0, pageCount_ - pagesRead_);
  pagesRead_ += pages;
  if (pagesRead_ >= pageCount_) SIM_Statistics::Instance().AddInt(1, kStatBooksRead);
  ApplyModifiers(alertness);
  SIM_SIM::Instance().EndAct();
  SIM_Sounds::PlaySound("data/sounds/readbook.ogg");
  Screens().OpenBookReading(this, pages, alertness, understood);
}

void SIM_Book::SetPagesRead(int pages) { pagesRead_ = std::clamp(pages, 0, pageCount_); }

void SIM_Book::SetPages(int pageCount, int pagesRead) {
  pageCount_ = std::max(0, pageCount);
  SetPagesRead(pagesRead);
}

float SIM_Book::GetProgress() const {
  return pageCount_ > 0 ? static_cast<float>(pagesRead_) / static_cast<float>(pageCount_) : 0.0f;
}
