// The shop and the book windows, played through clicks on a started game from the shipped
// data: buying from a tab, paging, and reading a book from its owned-asset icon.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class HobbiesPlayTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    // The chooser's one-time hint is modal: these tests meet it already read.
    std::ofstream(user.Path() / "hints.txt") << "[hints]\nsolo_dialog = 1\n";
    LoadHints();
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
    SIM_Finances::Instance().SetCash(1000.0f);
    GUI_Services::SetRecording(true);
    GUI_GUI::Instance().StartGame();
  }
  void TearDown() override {
    GUI_Shopping::Close();
    GUI_BookDetails::Close();
    GUI_BookReading::Close();
    PlayTest::TearDown();
  }
  void Frame() {
    while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
  }
  void OpenShopByActivity() {
    GUI_SoloActivityChooser::Open();
    GUI_SoloActivityChooser::SelectByName("shopping");
    ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
    ASSERT_EQ(GUI_SoloActivityChooser::Instance()->Current()->GetTypeName(), "shopping");
    Frame();
    ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
    ASSERT_NE(GUI_Shopping::Instance(), nullptr);
  }
  static GUI_Shopping& Shop() { return *GUI_Shopping::Instance(); }
  // Owns every book but the first `left` of the shelf, so the books tab offers exactly those.
  static void LeaveOnShelf(size_t left) {
    std::vector<SIM_Asset*> books = SIM_Shop::Offered("books");
    for (size_t i = left; i < books.size(); ++i) SIM_Asset::RestoreOwned(books[i]);
  }
  static SIM_Book* Book(const char* name) { return SIM_Book::FindByName(name); }
  // Owns the book and opens its details from its icon, as the player does.
  void OpenDetailsFromIcon(SIM_Book* book) {
    SIM_Asset::RestoreOwned(book);
    GUI_Assets::RebuildIcons();
    Frame();
    ASSERT_NE(GUI_Assets::Instance()->IconOf(book), nullptr);
    ClickOn(GUI_Assets::Instance()->IconOf(book));
    ASSERT_NE(GUI_BookDetails::Instance(), nullptr);
    ASSERT_EQ(GUI_BookDetails::Instance()->GetBook(), book);
    Frame();
  }
};

TEST_F(HobbiesPlayTest, TheShoppingActivityOpensTheShopWhereABookIsBoughtOnce) {
  const int used = SIM_SIM::Instance().GetActsUsed();
  OpenShopByActivity();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);  // the activity's slot, no other
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(&Shop()));
  EXPECT_EQ(Shop().GetRect().right - Shop().GetRect().left, 500);
  EXPECT_EQ(Shop().GetRect().bottom - Shop().GetRect().top, 435);
  EXPECT_EQ(Shop().SelectedPage(), Shop().Page(0));
  Frame();
  ClickOn(Shop().TabButton(SIM_Shop::kBooksTab));
  ASSERT_EQ(Shop().SelectedPage(), Shop().Page(SIM_Shop::kBooksTab));
  Frame();
  const std::vector<GUI_AssetWindow*> rows = Shop().SelectedPage()->Rows();
  ASSERT_EQ(rows.size(), 5u);
  SIM_Asset* bought = rows.front()->GetAsset();
  ASSERT_NE(dynamic_cast<SIM_Book*>(bought), nullptr);
  EXPECT_TRUE(Queued(bought->GetGuiName()));
  EXPECT_TRUE(Queued(SIM_Shop::PriceText(*bought)));
  // The row's picture keeps the cover's proportions at 50 px high.
  EXPECT_FLOAT_EQ(rows.front()->GetPictureWidth(), 50.0f * 71.0f / 100.0f);

  const float cash = SIM_Finances::Instance().GetCash();
  ClearTracedCalls();
  ClickOn(rows.front()->BuyButton());
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), bought->GetPrice());
  EXPECT_TRUE(bought->IsOwned());
  EXPECT_EQ(TracedCount("GUI_Sounds::PlaySound data/sounds/cash.ogg"), 1);
  EXPECT_NE(GUI_Assets::Instance()->IconOf(bought), nullptr);
  // The shop stays open, and the bought book has left its shelf.
  ASSERT_NE(GUI_Shopping::Instance(), nullptr);
  for (const GUI_AssetWindow* row : Shop().SelectedPage()->Rows()) EXPECT_NE(row->GetAsset(), bought);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  Frame();
  ClickOn(Shop().GetCloseButton());
  EXPECT_EQ(GUI_Shopping::Instance(), nullptr);
}

TEST_F(HobbiesPlayTest, BuyIsEnabledWhileTheCashCoversThePriceExactly) {
  GUI_Shopping::Open();
  GUI_Shopping::SelectTab(SIM_Shop::kBooksTab);
  GUI_AssetWindow* row = Shop().SelectedPage()->Rows().at(0);
  SIM_Finances::Instance().SetCash(row->GetAsset()->GetPrice());
  Frame();
  EXPECT_TRUE(row->BuyButton()->IsEnabled());
  SIM_Finances::Instance().SetCash(row->GetAsset()->GetPrice() - 0.01f);
  Frame();
  EXPECT_FALSE(row->BuyButton()->IsEnabled());
  const float cash = SIM_Finances::Instance().GetCash();
  ClickOn(row->BuyButton());
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), cash);
  EXPECT_FALSE(row->GetAsset()->IsOwned());
}

TEST_F(HobbiesPlayTest, SixOfferedBooksMakeASecondPageOfOneRow) {
  LeaveOnShelf(5);
  GUI_Shopping::Open();
  GUI_Shopping::SelectTab(SIM_Shop::kBooksTab);
  GUI_StoreTab* page = Shop().SelectedPage();
  Frame();
  EXPECT_EQ(page->Rows().size(), 5u);
  EXPECT_FALSE(page->RightArrow()->IsEnabled());
  EXPECT_FALSE(page->LeftArrow()->IsEnabled());
  GUI_Shopping::Close();

  // One more on the shelf: a finished book stays off it.
  SIM_Book* finished = Book("historyofbread");
  SIM_Book* unread = Book("talktoanyone");
  ASSERT_TRUE(finished->IsOwned());
  ASSERT_TRUE(unread->IsOwned());
  for (SIM_Book* book : {finished, unread}) book->Sell();
  finished->SetPagesRead(finished->GetPageCount());
  GUI_Shopping::Open();
  GUI_Shopping::SelectTab(SIM_Shop::kBooksTab);
  page = Shop().SelectedPage();
  ASSERT_EQ(page->Offered().size(), 6u);
  for (const SIM_Asset* asset : page->Offered()) EXPECT_NE(asset, finished);
  Frame();
  ASSERT_TRUE(page->RightArrow()->IsEnabled());
  ClickOn(page->RightArrow());
  EXPECT_EQ(page->GetPage(), 1);
  ASSERT_EQ(page->Rows().size(), 1u);
  Frame();
  EXPECT_FALSE(page->RightArrow()->IsEnabled());
  ASSERT_TRUE(page->LeftArrow()->IsEnabled());
  ClickOn(page->LeftArrow());
  EXPECT_EQ(page->GetPage(), 0);
  EXPECT_EQ(page->Rows().size(), 5u);
}

TEST_F(HobbiesPlayTest, ReadingUsesOneSlotReadsByAlertnessAndReportsIt) {
  SIM_Book* book = Book("lighthouse");
  ASSERT_NE(book, nullptr);
  ASSERT_TRUE(book->GetRequiredSkills().empty());
  OpenDetailsFromIcon(book);
  GUI_BookDetails* details = GUI_BookDetails::Instance();
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(details));
  EXPECT_TRUE(details->ReadButton()->IsEnabled());
  EXPECT_TRUE(Queued(book->GetDescription()));
  EXPECT_TRUE(Queued(std::to_string(book->GetPageCount())));

  const float alertness = SIM_Vesk::Instance()->GetAlertness();
  const int expected =
      static_cast<int>(SIM_GlobalVariables::Instance().Get("GV_BOOKPAGESPERDAY") * alertness);
  ASSERT_GT(expected, 0);
  const int used = SIM_SIM::Instance().GetActsUsed();
  ClearTracedCalls();
  ClickOn(details->ReadButton());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_EQ(book->GetPagesRead(), expected);
  EXPECT_EQ(GUI_BookDetails::Instance(), nullptr);
  EXPECT_EQ(TracedCount("GUI_Sounds::PlaySound data/sounds/readbook.ogg"), 1);
  GUI_BookReading* report = GUI_BookReading::Instance();
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(report));
  EXPECT_EQ(report->GetPages(), expected);
  std::string text = Translate("READBOOK_TEXT");
  ReplaceSubstring(text, "<PAGES>", std::to_string(expected));
  EXPECT_EQ(report->GetText(), text);
  Frame();
  EXPECT_TRUE(Queued(text));
  ClickOn(report->GetCloseButton());
  EXPECT_EQ(GUI_BookReading::Instance(), nullptr);

  // The last pages: all that remain, and the book counts as read.
  const int booksRead = SIM_Statistics::Instance().GetInt(4);
  book->SetPagesRead(book->GetPageCount() - 3);
  OpenDetailsFromIcon(book);
  ClickOn(GUI_BookDetails::Instance()->ReadButton());
  EXPECT_EQ(book->GetPagesRead(), book->GetPageCount());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(4), booksRead + 1);
  ASSERT_NE(GUI_BookReading::Instance(), nullptr);
  EXPECT_EQ(GUI_BookReading::Instance()->GetPages(), 3);
  EXPECT_FLOAT_EQ(GUI_BookReading::Instance()->GetProgress(), 1.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYOVER);
  GUI_BookReading::Close();
}

TEST_F(HobbiesPlayTest, WithoutTheSkillNothingIsReadButTheSlotIsUsedAndSaid) {
  SIM_Book* book = Book("chessopenings");
  ASSERT_NE(book, nullptr);
  ASSERT_EQ(book->GetRequiredSkills().size(), 1u);
  SIM_Vesk::Instance()->SetValue(book->GetRequiredSkills()[0].name, 0.99f);
  OpenDetailsFromIcon(book);
  const int used = SIM_SIM::Instance().GetActsUsed();
  ClickOn(GUI_BookDetails::Instance()->ReadButton());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_EQ(book->GetPagesRead(), 0);
  ASSERT_NE(GUI_BookReading::Instance(), nullptr);
  EXPECT_EQ(GUI_BookReading::Instance()->GetPages(), 0);
  EXPECT_FLOAT_EQ(GUI_BookReading::Instance()->GetAlertness(), 0.0f);
  EXPECT_EQ(GUI_BookReading::Instance()->GetText(), Translate("READBOOK_DONTUNDERSTAND"));
  Frame();
  EXPECT_TRUE(Queued(Translate("READBOOK_DONTUNDERSTAND")));
}

TEST_F(HobbiesPlayTest, ReadIsDisabledOnceTheDayIsOverAndAnEmptyBookShowsNoProgress) {
  SIM_Book* book = Book("saltflats");
  OpenDetailsFromIcon(book);
  SIM_SIM::Instance().SetActs(1, 0);
  SIM_SIM::Instance().EndAct();
  ASSERT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYOVER);
  Frame();
  ASSERT_NE(GUI_BookDetails::Instance(), nullptr);
  EXPECT_FALSE(GUI_BookDetails::Instance()->ReadButton()->IsEnabled());
  ClickOn(GUI_BookDetails::Instance()->ReadButton());
  EXPECT_EQ(book->GetPagesRead(), 0);
  GUI_BookDetails::Close();

  // A book without pages: its report's progress is 0, never 0/0.
  book->SetPages(0, 0);
  GUI_BookReading::Open(book, 0, 0.5f, true);
  ASSERT_NE(GUI_BookReading::Instance(), nullptr);
  EXPECT_FALSE(std::isnan(GUI_BookReading::Instance()->GetProgress()));
  EXPECT_FLOAT_EQ(GUI_BookReading::Instance()->GetProgress(), 0.0f);
  Frame();
  // No book, no window.
  GUI_BookReading::Close();
  assertions.clear();
  GUI_BookReading::Open(nullptr, 0, 0.0f, true);
  GUI_BookDetails::Open(nullptr);
  EXPECT_EQ(GUI_BookReading::Instance(), nullptr);
  EXPECT_EQ(GUI_BookDetails::Instance(), nullptr);
  EXPECT_EQ(assertions.size(), 2u);
}

}  // namespace
}  // namespace guitest
